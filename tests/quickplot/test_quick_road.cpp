// The road of the quick plots on a traced page: the plot is opened when
// needed, the page gets its border, the axes are scaled from the data (or
// fixed by qplscl), the data are drawn where the axis system puts them,
// the titles follow and the plot is finished.
#include <algorithm>
#include <map>
#include <vector>

#include "axes/axes.h"
#include "quickplot/quick_support.h"

namespace zantor::test {
namespace {

using QuickRoad = QuickPlotTest;

bool hasVertex(const std::vector<QSegment>& segs, double x, double y, double tol = 1.0) {
  return std::any_of(segs.begin(), segs.end(), [&](const QSegment& s) {
    return std::hypot(s.a.x - x, s.a.y - y) <= tol || std::hypot(s.b.x - x, s.b.y - y) <= tol;
  });
}

// A segment lying on the line from p to q over its whole length.
bool hasSegmentAlong(const std::vector<QSegment>& segs, QPoint p, QPoint q) {
  return std::any_of(segs.begin(), segs.end(), [&](const QSegment& s) {
    const bool onSide = (std::fabs(s.a.x - p.x) < 1 && std::fabs(s.b.x - q.x) < 1 && p.x == q.x) ||
                        (std::fabs(s.a.y - p.y) < 1 && std::fabs(s.b.y - q.y) < 1 && p.y == q.y);
    return onSide && s.length() > 0.9 * std::hypot(q.x - p.x, q.y - p.y);
  });
}

TEST_F(QuickRoad, QplotOpensScalesDrawsAndFinishes) {
  traced();
  const std::vector<float> x = {0, 1, 2, 3, 4}, y = {0, 1, 4, 9, 16};
  const int32_t n = 5;
  printed([&] { qplot_(x.data(), y.data(), &n); });
  EXPECT_EQ(level(), 0);
  const auto& t = traceLines();
  ASSERT_FALSE(t.empty());
  EXPECT_EQ(t.front(), "start");
  EXPECT_EQ(t.back(), "finish");
  // The page border along all four edges.
  const auto segs = segments();
  const double W = zanglb.nxres, H = zanglb.nyres;
  EXPECT_TRUE(hasSegmentAlong(segs, {0, 0}, {0, H}));
  EXPECT_TRUE(hasSegmentAlong(segs, {0, H}, {W, H}));
  EXPECT_TRUE(hasSegmentAlong(segs, {W, 0}, {W, H}));
  EXPECT_TRUE(hasSegmentAlong(segs, {0, 0}, {W, 0}));
  // Automatic scaling from the data range, and every point on the curve.
  EXPECT_FLOAT_EQ(zanglb.xa, 0.0f);
  EXPECT_FLOAT_EQ(zanglb.xe, 4.0f);
  EXPECT_FLOAT_EQ(zanglb.ya, 0.0f);
  EXPECT_FLOAT_EQ(zanglb.ye, 16.0f);
  for (int i = 0; i < n; ++i)
    EXPECT_TRUE(hasVertex(segs, userToPlotX(x[i]), userToPlotY(y[i]))) << "point " << i;
}

TEST_F(QuickRoad, QplotAfterZaniniDrawsIntoThatPlotWithItsTitle) {
  opened();
  const std::vector<float> x = {1, 2, 3}, y = {5, 3, 4};
  const int32_t n = 3, one = 1;
  qplot_(x.data(), y.data(), &n);
  const auto untitled = segments();
  // The same plot with a title: strokes appear above the axis system.
  opened();
  titlin_("Quick title", &one, 11);
  qplot_(x.data(), y.data(), &n);
  EXPECT_EQ(level(), 0);
  const double top = zanglb.nya - zanglb.nyl;
  auto above = [&](const std::vector<QSegment>& segs) {
    return std::count_if(segs.begin(), segs.end(), [&](const QSegment& s) {
      return s.a.y > 20 && s.a.y < top - 60 && s.a.x > zanglb.nxa && s.a.x < zanglb.nxa + zanglb.nxl;
    });
  };
  EXPECT_EQ(above(untitled), 0);
  EXPECT_GT(above(segments()), 20);
}

// The title survives the clipping that 3D and colour axis systems set up.
TEST_F(QuickRoad, TitlesOfMatrixPlotsAreWhole) {
  const int32_t n = 6, m = 5, one = 1, levels = 4;
  std::vector<float> z(n * m);
  for (int i = 0; i < n * m; ++i) z[i] = static_cast<float>((i % n) * (i / n));
  using Plot = void (*)(const float*, const int32_t*, const int32_t*, const int32_t*);
  const std::map<std::string, Plot> plots = {
      {"qplsur", [](const float* z, const int32_t* n, const int32_t* m, const int32_t*) { qplsur_(z, n, m); }},
      {"qplclr", [](const float* z, const int32_t* n, const int32_t* m, const int32_t*) { qplclr_(z, n, m); }},
      {"qplcon", [](const float* z, const int32_t* n, const int32_t* m, const int32_t* l) { qplcon_(z, n, m, l); }}};
  for (const auto& [name, plot] : plots) {
    int counts[2] = {0, 0};
    for (int titled = 0; titled < 2; ++titled) {
      opened();
      if (titled) titlin_("Matrix title", &one, 12);
      plot(z.data(), &n, &m, &levels);
      const double top = zanglb.nya - zanglb.nyl - zanglb.nvty;
      counts[titled] = inkIn(zanglb.nxa, 0, zanglb.nxa + zanglb.nxl, top - 3 * 36 + 40);
    }
    EXPECT_GT(counts[1], counts[0] + 20) << name;
  }
}

TEST_F(QuickRoad, QplsclFixesAxesAcrossPlotsUntilReset) {
  // Before any other call of the process: the first level check keeps it.
  float a = 0, e = 10, o = 0, s = 2;
  qplscl_(&a, &e, &o, &s, "X", 1);
  traced();
  const std::vector<float> x = {1, 2, 3}, y = {5, 3, 4};
  const int32_t n = 3;
  for (int plot = 0; plot < 2; ++plot) {
    printed([&] { qplot_(x.data(), y.data(), &n); });
    EXPECT_FLOAT_EQ(zanglb.xa, 0.0f);
    EXPECT_FLOAT_EQ(zanglb.xe, 10.0f);
    EXPECT_FLOAT_EQ(zanglb.xstep, 2.0f);
    EXPECT_FLOAT_EQ(zanglb.ya, 3.0f);  // Y stays automatic
    EXPECT_FLOAT_EQ(zanglb.ye, 5.0f);
  }
  // "XY" fixes both; XRESET returns X alone to automatic scaling.
  float ya = -10, ye = 10, yo = -10, ys = 5;
  qplscl_(&ya, &ye, &yo, &ys, "XY", 2);
  qplscl_(&a, &e, &o, &s, "XRESET", 6);
  printed([&] { qplot_(x.data(), y.data(), &n); });
  EXPECT_FLOAT_EQ(zanglb.xa, 1.0f);
  EXPECT_FLOAT_EQ(zanglb.xe, 3.0f);
  EXPECT_FLOAT_EQ(zanglb.ya, -10.0f);
  EXPECT_FLOAT_EQ(zanglb.ye, 10.0f);
  qplscl_(&a, &e, &o, &s, "reset", 5);
  printed([&] { qplot_(x.data(), y.data(), &n); });
  EXPECT_FLOAT_EQ(zanglb.ya, 3.0f);
  EXPECT_EQ(zanglb.iopqp[0] + zanglb.iopqp[1] + zanglb.iopqp[2], 0);
  // A key without an axis letter is refused.
  const auto w = warnings(printed([&] { qplscl_(&a, &e, &o, &s, "ABC", 3); }));
  EXPECT_EQ(w, std::vector<std::string>{"2 QPLSCL"});
  EXPECT_EQ(zanglb.iopqp[0] + zanglb.iopqp[1] + zanglb.iopqp[2], 0);
}

TEST_F(QuickRoad, QplcrvAddsCurvesToOneAxisSystem) {
  traced();
  const std::vector<float> x = {0, 1, 2}, y1 = {0, 1, 2}, y2 = {2, 1, 0}, y3 = {1, 1.5f, 1};
  const int32_t n = 3;
  const std::size_t traced = traceLines().size();
  // NEXT and LAST before FIRST: the level warning, nothing drawn.
  auto w = warnings(printed([&] { qplcrv_(x.data(), y1.data(), &n, "NEXT", 4); }));
  EXPECT_EQ(w, std::vector<std::string>{"3 QPLCRV"});
  w = warnings(printed([&] { qplcrv_(x.data(), y1.data(), &n, "LAST", 4); }));
  EXPECT_EQ(w, std::vector<std::string>{"3 QPLCRV"});
  w = warnings(printed([&] { qplcrv_(x.data(), y1.data(), &n, "MIDDLE", 6); }));
  EXPECT_EQ(w, std::vector<std::string>{"2 QPLCRV"});
  EXPECT_EQ(level(), 0);
  EXPECT_EQ(traceLines().size(), traced);

  qplcrv_(x.data(), y1.data(), &n, "FIRST", 5);
  EXPECT_EQ(level(), 2);
  qplcrv_(x.data(), y2.data(), &n, "NEXT", 4);
  EXPECT_EQ(level(), 2);
  printed([&] { qplcrv_(x.data(), y3.data(), &n, "LAST", 4); });
  EXPECT_EQ(level(), 0);
  EXPECT_EQ(std::count(traceLines().begin(), traceLines().end(), "start"), 1);
  // The axis system of the first curve holds all three.
  EXPECT_FLOAT_EQ(zanglb.ya, 0.0f);
  EXPECT_FLOAT_EQ(zanglb.ye, 2.0f);
  const auto segs = segments();
  for (const auto* y : {&y1, &y2, &y3})
    for (int i = 0; i < n; ++i)
      EXPECT_TRUE(hasVertex(segs, userToPlotX(x[i]), userToPlotY((*y)[i])));
}

TEST_F(QuickRoad, QplscaDrawsSymbolsAndNoLine) {
  traced();
  const std::vector<float> x = {0, 5, 10}, y = {0, 10, 0};
  const int32_t n = 3;
  printed([&] { qplsca_(x.data(), y.data(), &n); });
  std::vector<QPoint> p;
  for (int i = 0; i < n; ++i) p.push_back({userToPlotX(x[i]), userToPlotY(y[i])});
  const double gap = std::hypot(p[1].x - p[0].x, p[1].y - p[0].y);
  int near[3] = {0, 0, 0};
  for (const QSegment& s : segments()) {
    // No slanted stroke runs from one point towards the next (the page
    // border and the axes are upright).
    if (std::fabs(s.a.x - s.b.x) > 1 && std::fabs(s.a.y - s.b.y) > 1) {
      EXPECT_LT(s.length(), 0.5 * gap);
    }
    for (int i = 0; i < n; ++i)
      near[i] += std::hypot(s.a.x - p[i].x, s.a.y - p[i].y) < 30;
  }
  for (int i = 0; i < n; ++i) EXPECT_GT(near[i], 2) << "symbol " << i;
}

TEST_F(QuickRoad, QplbarStandsBarsOnZeroWithRoomAbove) {
  traced();
  const std::vector<float> y = {2, 4, 3};
  const int32_t n = 3;
  printed([&] { qplbar_(y.data(), &n); });
  EXPECT_FLOAT_EQ(zanglb.xa, 0.5f);
  EXPECT_FLOAT_EQ(zanglb.xe, 3.5f);
  EXPECT_FLOAT_EQ(zanglb.ya, 0.0f);
  EXPECT_FLOAT_EQ(zanglb.ye, 6.0f);
  const auto bars = polygons();
  ASSERT_EQ(bars.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    double x1 = 1e9, x2 = -1e9, y1 = 1e9, y2 = -1e9;
    for (const QPoint& q : bars[i]) {
      x1 = std::min(x1, q.x), x2 = std::max(x2, q.x);
      y1 = std::min(y1, q.y), y2 = std::max(y2, q.y);
    }
    EXPECT_NEAR((x1 + x2) / 2, userToPlotX(i + 1), 1.5);
    EXPECT_NEAR(y2, userToPlotY(0), 1.5);
    EXPECT_NEAR(y1, userToPlotY(y[i]), 1.5);
    // The value is written above the bar.
    EXPECT_GT(inkIn(x1, y1 - 120, x2, y1 - 2), 4) << "label of bar " << i;
  }
}

TEST_F(QuickRoad, QplbarDrawsAtMostAHundredBars) {
  traced();
  std::vector<float> y(150, 1.0f);
  const int32_t n = 150;
  const auto w = warnings(printed([&] { qplbar_(y.data(), &n); }));
  EXPECT_EQ(w, std::vector<std::string>{"112 QPLBAR"});
  EXPECT_EQ(polygons().size(), 100u);
  EXPECT_FLOAT_EQ(zanglb.xe, 100.5f);
}

TEST_F(QuickRoad, QplpieFillsSegmentsInColoursThenLabelsThem) {
  traced();
  const std::vector<float> v = {3, -1, 2};
  const int32_t n = 3;
  const auto w = warnings(printed([&] { qplpie_(v.data(), &n); }));
  EXPECT_TRUE(w.empty());
  EXPECT_EQ(polygons().size(), 3u);
  std::vector<std::string> colours;
  for (const std::string& l : traceLines())
    if (l.rfind("colour", 0) == 0 && std::find(colours.begin(), colours.end(), l) == colours.end())
      colours.push_back(l);
  EXPECT_GE(colours.size(), 3u);
  // Value labels outside the pie: ink beyond the radius on the left and right.
  const double cx = zanglb.nxa + zanglb.nxl / 2, r = std::min(zanglb.nxl, zanglb.nyl) / 2.0;
  const double cy = zanglb.nya - zanglb.nyl / 2;
  EXPECT_GT(inkIn(cx - 3 * r, cy - 2 * r, cx - 1.05 * r, cy + 2 * r) +
                inkIn(cx + 1.05 * r, cy - 2 * r, cx + 3 * r, cy + 2 * r),
            8);
}

// Contour lines of the ramp z = x - 1 stand upright at x = level + 1.
TEST_F(QuickRoad, QplconDrawsEquallySpacedLevels) {
  const int32_t n = 11, m = 4;
  std::vector<float> z(n * m);
  for (int i = 0; i < n * m; ++i) z[i] = static_cast<float>(i % n);
  // Long upright strokes inside the axis system, by their x position.
  auto uprightAt = [] {
    std::map<long, double> length;
    for (const QSegment& s : segments())
      if (std::fabs(s.a.x - s.b.x) < 0.5 && s.a.x > zanglb.nxa + 2 &&
          s.a.x < zanglb.nxa + zanglb.nxl - 3)
        length[std::lround(s.a.x)] += s.length();
    std::vector<long> xs;
    for (const auto& [x, l] : length)
      if (l > 0.5 * zanglb.nyl) xs.push_back(x);
    return xs;
  };
  auto expected = [](int levels) {
    std::vector<long> xs;
    for (int i = 1; i + 1 < levels; ++i)  // the first and last lie on the frame
      xs.push_back(std::lround(userToPlotX(1 + 10.0 * i / (levels - 1))));
    return xs;
  };
  for (int32_t levels : {5, 0}) {
    traced();
    const auto w = warnings(printed([&] { qplcon_(z.data(), &n, &m, &levels); }));
    EXPECT_EQ(w, levels == 0 ? std::vector<std::string>{"113 QPLCON"} : std::vector<std::string>{});
    const auto xs = uprightAt();
    const auto want = expected(levels == 0 ? 8 : levels);
    ASSERT_EQ(xs.size(), want.size()) << "levels " << levels;
    for (std::size_t i = 0; i < xs.size(); ++i) EXPECT_NEAR(xs[i], want[i], 1);
  }
}

TEST_F(QuickRoad, MatrixPlotsScaleZFromTheMatrix) {
  const int32_t n = 4, m = 3;
  const std::vector<float> z = {-2, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 12};
  traced();
  printed([&] { qplsur_(z.data(), &n, &m); });
  EXPECT_FLOAT_EQ(zanglb.xa3d, 1.0f);
  EXPECT_FLOAT_EQ(zanglb.xe3d, 4.0f);
  EXPECT_FLOAT_EQ(zanglb.ye3d, 3.0f);
  EXPECT_FLOAT_EQ(zanglb.za3d, -2.0f);
  EXPECT_FLOAT_EQ(zanglb.ze3d, 12.0f);
  EXPECT_GT(segments().size(), 40u);
  traced();
  printed([&] { qplclr_(z.data(), &n, &m); });
  EXPECT_FLOAT_EQ(zanglb.xe, 4.0f);
  EXPECT_FLOAT_EQ(zanglb.ye, 3.0f);
  EXPECT_FLOAT_EQ(zanglb.za, -2.0f);
  EXPECT_FLOAT_EQ(zanglb.ze, 12.0f);
}

}  // namespace
}  // namespace zantor::test
