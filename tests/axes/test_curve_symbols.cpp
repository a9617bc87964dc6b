// Marker symbols, the data checks of curves, attribute cycling and the
// attributes recorded for legends.
#include <algorithm>
#include <cmath>
#include <limits>

#include "axes/symbols.h"
#include "curve_support.h"

namespace zantor::test {
namespace {

using Symbols = CurveTest;
using CurveData = CurveTest;

std::vector<LegendAttributes> recorded;
void record(const LegendAttributes& a) { recorded.push_back(a); }

TEST_F(Symbols, EveryShapeIsCentredClosedAndOfTheRightSize) {
  graf();
  const int32_t size = 100, cx = 1000, cy = 1000;
  hsymbl_(&size);
  for (int32_t n = 0; n < kSymbolCount; ++n) {
    mark = traceLines().size();
    symbol_(&n, &cx, &cy);
    const auto r = runs();
    ASSERT_FALSE(r.empty()) << n;
    double minx = 1e9, maxx = -1e9, miny = 1e9, maxy = -1e9;
    for (const Path& run : r)
      for (const Pt& p : run) {
        minx = std::min(minx, p.x); maxx = std::max(maxx, p.x);
        miny = std::min(miny, p.y); maxy = std::max(maxy, p.y);
      }
    // Within the 100-unit cell, and reaching its edges (circles to 49).
    EXPECT_GE(minx, 949.99) << n;
    EXPECT_LE(maxx, 1050.01) << n;
    EXPECT_GE(miny, 949.99) << n;
    EXPECT_GE(maxx - minx, 97.99) << n;
    const bool half = n == 22 || n == 23;
    EXPECT_NEAR(maxy - miny, half ? 49 : (n == 15 || n == 21 ? 98 : 100), 0.02)
        << n;
    // Outlines are closed (the circle ends on its second point).
    if (n == 0 || n == 1 || n == 2 || n == 5 || n == 6 || n >= 15) {
      const Path& o = r.front();
      const Pt& to = (n == 15 || n == 21) ? o[1] : o.front();
      EXPECT_TRUE(near(to, o.back().x, o.back().y)) << n;
    }
    EXPECT_EQ(countSince("polygon"), symbolFilled(n) ? 1 : 0) << n;
  }
}

TEST_F(Symbols, RotationTurnsCounterClockwise) {
  graf();
  const int32_t size = 100, n = 2, cx = 1000, cy = 1000;
  hsymbl_(&size);
  const float quarter = 90;
  symrot_(&quarter);
  symbol_(&n, &cx, &cy);
  const auto r = runs();
  ASSERT_EQ(r.size(), 1u);
  // The apex (up) turns to the left; the base becomes the right side.
  EXPECT_TRUE(near(r[0][0], 950, 1000, 0.01));
  EXPECT_TRUE(near(r[0][1], 1050, 950, 0.01) || near(r[0][1], 1050, 1050, 0.01));
}

TEST_F(Symbols, SymbolOffThePageIsAPlotError) {
  graf();
  const int32_t n = 3, x = -5, y = 100;
  const int before = zanglb.nplerr;
  const auto lines = printed([&] { symbol_(&n, &x, &y); });
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("X coordinate out of page in SYMBOL!   (  -5)"), std::string::npos);
  EXPECT_EQ(zanglb.nplerr, before + 1);
}

TEST_F(Symbols, MarkersAtEveryNthPointAndSymbolsOnly) {
  graf();
  const int32_t every2 = 2, only = -1, sq = 0;
  marker_(&sq);
  incmrk_(&every2);
  curve({1, 2, 3, 4, 5}, {1, 1, 1, 1, 1});
  // One line and squares at points 1, 3, 5.
  EXPECT_EQ(runs().size(), 4u);

  mark = traceLines().size();
  incmrk_(&only);
  const auto lines = printed([] { curve({3}, {3}); });  // n = 1 with symbols only
  EXPECT_TRUE(lines.empty());
  const auto r = runs();
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0].size(), 5u);  // one square, no line
}

TEST_F(CurveData, BadCountsWarnAndDrawNothing) {
  graf();
  for (int32_t n : {0, -3, 1}) {
    const float x[1] = {1}, y[1] = {1};
    const auto lines = printed([&] { curve_(x, y, &n); });
    ASSERT_EQ(lines.size(), 1u) << n;
    EXPECT_NE(lines[0].find("   2: Incorrect parameter in CURVE!"), std::string::npos);
  }
  EXPECT_TRUE(runs().empty());
}

TEST_F(CurveData, NanSplitsTheCurveAndIsCounted) {
  graf();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  call(nancrv_, "ON");
  auto lines = printed([&] { curve({1, 2, 3, 4, 5}, {1, 2, nan, 4, 5}); });
  EXPECT_TRUE(lines.empty());
  EXPECT_EQ(runs().size(), 2u);
  EXPECT_EQ(zanglb.nnans, 1);
  EXPECT_EQ(zanglb.nnouts, 0);

  call(polcrv_, "SPLI");
  lines = printed([&] { curve({1, 2, 3, 4, 5}, {1, 2, nan, 4, 5}); });
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find(" 160: NaN Values are not handled for spline interpolation"),
            std::string::npos);
}

TEST_F(CurveData, PointsOutsideAreCountedAndReportedWhenChecksAreOn) {
  graf();
  const float inf = std::numeric_limits<float>::infinity();
  auto lines = printed([&] { curve({1, 2, 12, 4, 5}, {1, -1, 3, inf, 5}); });
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find(" 162: Data points out of the axis system in CURVE!   (   3)"),
            std::string::npos);
  EXPECT_EQ(zanglb.nnouts, 3);
  nochek_();
  lines = printed([&] { curve({1, 20}, {1, 1}); });
  EXPECT_TRUE(lines.empty());
  EXPECT_EQ(zanglb.nnouts, 4);
}

TEST_F(CurveData, LogarithmicAxesRefuseNonPositiveValues) {
  call(scale_, "LOG", "Y");
  float a = 0, e = 10, o = 0, s = 2, la = -1, le = 2, lo = -1, ls = 1;
  graf_(&a, &e, &o, &s, &la, &le, &lo, &ls);
  mark = traceLines().size();
  const auto lines = printed([] { curve({1, 2}, {10, 0}); });
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("  27: Non positive values for log scaling"), std::string::npos);
  EXPECT_TRUE(runs().empty());
}

TEST_F(CurveData, AttributesCycleEveryInccrvCurvesAndAreRecorded) {
  recorded.clear();
  setLegendRecorder(record);
  graf();
  call(chncrv_, "BOTH");
  const int32_t two = 2;
  inccrv_(&two);
  const int32_t before = zanglb.ncolr;
  std::vector<int32_t> colours;
  for (int i = 0; i < 5; ++i) {
    curve({1, 2}, {1, 1});
    EXPECT_EQ(zanglb.ncolr, before);  // the program's colour comes back
    EXPECT_EQ(zanglb.ityp, 0);
  }
  ASSERT_EQ(recorded.size(), 5u);
  const int32_t* c = zanglb.nclrcr;
  EXPECT_EQ(recorded[0].colour, c[0]);
  EXPECT_EQ(recorded[1].colour, c[0]);
  EXPECT_EQ(recorded[2].colour, c[1]);
  EXPECT_EQ(recorded[3].colour, c[1]);
  EXPECT_EQ(recorded[4].colour, c[2]);
  EXPECT_EQ(recorded[2].style, 1);
  EXPECT_EQ(recorded[4].style, 2);
  EXPECT_EQ(recorded[0].symbol, -1);

  // Markers and thickness reach the legend; endgrf restarts the cycle.
  const int32_t sym = 5, every = 1, thick = 4;
  marker_(&sym);
  incmrk_(&every);
  thkcrv_(&thick);
  call(chncrv_, "NONE");
  curve({1, 2}, {1, 1});
  EXPECT_EQ(recorded.back().symbol, 5);
  EXPECT_EQ(recorded.back().thickness, 4);
  EXPECT_EQ(recorded.back().colour, before);
  endgrf_();
  EXPECT_EQ(zanglb.ncall, 1);
  EXPECT_EQ(zanglb.nsym, 0);
}

}  // namespace
}  // namespace zantor::test
