// Quick plots given bad data or called at the wrong time: each reports the
// warnings of the routine that meets the problem, still finishes the plot
// and returns at level 0.
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "quickplot/quick_support.h"

namespace zantor::test {
namespace {

const float kNaN = std::numeric_limits<float>::quiet_NaN();

struct BadCase {
  const char* what;
  std::function<void()> plot;
  std::vector<std::string> warned;  // "number routine", in order
};

void plotCurve(std::vector<float> x, std::vector<float> y) {
  const int32_t n = static_cast<int32_t>(x.size());
  qplot_(x.data(), y.data(), &n);
}
void plotSymbols(std::vector<float> x, std::vector<float> y) {
  const int32_t n = static_cast<int32_t>(x.size());
  qplsca_(x.data(), y.data(), &n);
}
void plotBars(std::vector<float> v, int32_t n) { qplbar_(v.data(), &n); }
void plotPie(std::vector<float> v) {
  const int32_t n = static_cast<int32_t>(v.size());
  qplpie_(v.data(), &n);
}
void plotSurface(std::vector<float> z, int32_t n, int32_t m) { qplsur_(z.data(), &n, &m); }
void plotContour(std::vector<float> z, int32_t n, int32_t m, int32_t levels) {
  qplcon_(z.data(), &n, &m, &levels);
}
void plotColours(std::vector<float> z, int32_t n, int32_t m) { qplclr_(z.data(), &n, &m); }

using QuickInput = QuickPlotTest;

TEST_F(QuickInput, BadDataGivesTheWarningsAndFinishesThePlot) {
  const std::vector<float> ramp = {1, 2, 3, 4, 5, 6}, flat(6, 2.0f);
  const std::vector<BadCase> cases = {
      // A line needs two points; a symbol does not.
      {"one point", [&] { plotCurve({1}, {2}); }, {"25 SETSCL", "25 SETSCL", "2 CURVE"}},
      {"one symbol", [&] { plotSymbols({1}, {2}); }, {"25 SETSCL", "25 SETSCL"}},
      {"constant data", [&] { plotCurve(ramp, flat); }, {"25 SETSCL"}},
      // NaN values are no data for the scaling and lie outside the axes.
      {"no number at all", [&] { plotCurve(ramp, std::vector<float>(6, kNaN)); },
       {"30 SETSCL", "162 CURVE"}},
      {"some NaN", [&] { plotCurve(ramp, {1, kNaN, 3, 4, kNaN, 6}); }, {"162 CURVE"}},
      {"no points", [&] { plotCurve({}, {}); }, {"2 SETSCL", "2 SETSCL", "2 CURVE"}},
      {"one bar", [&] { plotBars({3}, 1); }, {}},
      {"bars all zero", [&] { plotBars({0, 0, 0}, 3); }, {"25 SETSCL"}},
      {"bars with NaN", [&] { plotBars({1, kNaN, 2}, 3); }, {}},
      {"no bars", [&] { plotBars({}, 0); }, {"25 SETSCL", "25 SETSCL", "2 BARS"}},
      {"negative pie values", [&] { plotPie({3, -1, 2}); }, {}},
      {"one pie value", [&] { plotPie({5}); }, {}},
      {"pie of zeros", [&] { plotPie({0, 0}); }, {"29 PIEGRF"}},
      {"pie with NaN", [&] { plotPie({1, kNaN}); }, {"2 PIEGRF"}},
      {"1 by 1 surface", [&] { plotSurface({4}, 1, 1); },
       {"25 SETSCL", "25 SETSCL", "25 SETSCL", "2 SURMAT"}},
      {"flat surface", [&] { plotSurface(flat, 3, 2); }, {"25 SETSCL"}},
      {"flat contours", [&] { plotContour(flat, 3, 2, 4); }, {}},
      {"contours of NaN", [&] { plotContour(std::vector<float>(6, kNaN), 3, 2, 4); }, {}},
      {"one contour level", [&] { plotContour(ramp, 3, 2, 1); }, {}},
      {"flat colours", [&] { plotColours(flat, 3, 2); }, {"25 SETSCL"}},
      {"colour matrix with NaN", [&] { plotColours({1, kNaN, 3, 4, 5, 6}, 3, 2); }, {}},
  };
  for (const BadCase& c : cases) {
    traced();
    const auto w = warnings(printed(c.plot));
    EXPECT_EQ(w, c.warned) << c.what;
    EXPECT_EQ(level(), 0) << c.what;
    ASSERT_FALSE(traceLines().empty()) << c.what;
    EXPECT_EQ(traceLines().back(), "finish") << c.what;
  }
}

// Called inside an axis system the program opened, the quick plots draw
// into it where the routines they call allow it, and finish the plot.
TEST_F(QuickInput, InsideAnAxisSystemTheCalledRoutinesWarn) {
  const std::vector<float> v = {1, 3, 2};
  const int32_t n = 3;
  const std::vector<BadCase> cases = {
      {"qplot", [&] { qplot_(v.data(), v.data(), &n); }, {"3 SETSCL", "3 SETSCL", "3 GRAF"}},
      {"qplpie", [&] { qplpie_(v.data(), &n); }, {"3 PIEGRF"}},
      {"qplsur", [&] { plotSurface({1, 2, 3, 4}, 2, 2); },
       {"3 SETSCL", "3 SETSCL", "3 SETSCL", "3 GRAF3D", "3 SURMAT"}},
  };
  for (const BadCase& c : cases) {
    opened();
    float a = 0, e = 10, o = 0, s = 2;
    graf_(&a, &e, &o, &s, &a, &e, &o, &s);
    const auto w = warnings(printed(c.plot));
    EXPECT_EQ(w, c.warned) << c.what;
    EXPECT_EQ(level(), 0) << c.what;
    EXPECT_EQ(traceLines().back(), "finish") << c.what;
  }
}

}  // namespace
}  // namespace zantor::test
