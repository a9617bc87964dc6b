// Polar axis systems: the square area and its centre, the polar
// transformation in every zero position and both senses, curves in polar
// systems, automatic radius scaling and bad input.
#include <zantor.h>

#include "axes/axes.h"
#include "charts/chart_support.h"
#include "charts/charts.h"
#include "core/state.h"

namespace zantor::test {
namespace {

class Polar : public ChartTest {
 protected:
  // A 1001 x 801 area: the polar square is 801 wide, centred at
  // (500 + 1001/2, 1500 - 801/2) = (1000, 1100); radius 4 spans
  // (801 - 1)/2 = 400 plot units, so xdelta = 100.
  void open(float xe = 4) {
    axes(500, 1500, 1001, 801);
    float o = 0, s = 1, yo = 0, ys = 30;
    grafp_(&xe, &o, &s, &yo, &ys);
    mark = traceLines().size();
  }
  static Point at(double r, double t) {
    Point p;
    userToPlot(r, t, p.x, p.y);
    return p;
  }
};

TEST_F(Polar, TheAreaBecomesACentredSquare) {
  open();
  EXPECT_EQ(zanglb.nlev, 2);
  EXPECT_EQ(zanglb.igraf, 1);
  EXPECT_EQ(zanglb.nxl, 801);
  EXPECT_EQ(zanglb.nyl, 801);
  EXPECT_EQ(zanglb.nxaorg, 1000);
  EXPECT_EQ(zanglb.nyaorg, 1100);
  // The square is centred in the 1001 wide area: 500 + (1001 - 801)/2.
  EXPECT_EQ(zanglb.nxa, 600);
  EXPECT_FLOAT_EQ(zanglb.xdelta, 100);
  EXPECT_FLOAT_EQ(zanglb.xa, -4);
  // endgrf leaves the polar system.
  endgrf_();
  EXPECT_EQ(zanglb.nlev, 1);
}

TEST_F(Polar, TransformationInEveryZeroPositionAndSense) {
  open();
  const double q = M_PI / 2;
  struct Case {
    const char *pos, *dir;
    Point zero, quarter;  // (2, 0) and (2, pi/2): 200 plot units away
  };
  const Case cases[] = {
      {"RIGH", "ANTI", {1200, 1100}, {1000, 900}},  // right, then above
      {"TOP ", "CLOC", {1000, 900}, {1200, 1100}},  // above, then right
      {"TOP ", "ANTI", {1000, 900}, {800, 1100}},   // above, then left
      {"LEFT", "ANTI", {800, 1100}, {1000, 1300}},  // left, then below
      {"BOTT", "ANTI", {1000, 1300}, {1200, 1100}}, // below, then right
      {"RIGH", "CLOC", {1200, 1100}, {1000, 1300}}, // right, then below
  };
  for (const Case& c : cases) {
    polmod_(c.pos, c.dir, 4, 4);
    const Point z = at(2, 0), u = at(2, q);
    EXPECT_NEAR(z.x, c.zero.x, 1e-3) << c.pos << c.dir;
    EXPECT_NEAR(z.y, c.zero.y, 1e-3) << c.pos << c.dir;
    EXPECT_NEAR(u.x, c.quarter.x, 1e-3) << c.pos << c.dir;
    EXPECT_NEAR(u.y, c.quarter.y, 1e-3) << c.pos << c.dir;
    // And back.
    double r = 0, t = 0;
    plotToPolar(u.x, u.y, r, t);
    EXPECT_NEAR(r, 2, 1e-6);
    EXPECT_NEAR(t, q, 1e-6);
  }
  // 30 degrees with radius 4 (default mode): (1000 + 400 cos 30,
  // 1100 - 400 sin 30) = (1346.41, 900).
  polmod_("RIGH", "ANTI", 4, 4);
  const Point p = at(4, M_PI / 6);
  EXPECT_NEAR(p.x, 1346.410, 1e-3);
  EXPECT_NEAR(p.y, 900, 1e-3);
}

TEST_F(Polar, CurvesAreDrawnThroughThePolarPoints) {
  open();
  const std::vector<float> r = {1, 2, 3}, t = {0, float(M_PI / 2), float(M_PI)};
  const int32_t n = 3;
  curve_(r.data(), t.data(), &n);
  qqstrk();
  // (1, 0) -> (1100, 1100), (2, pi/2) -> (1000, 900), (3, pi) -> (700, 1100).
  std::vector<Point> corners;
  for (const auto& s : segments()) corners.push_back(s.b);
  ASSERT_GE(corners.size(), 2u);
  EXPECT_NEAR(segments()[0].a.x, 1100, 0.01);
  EXPECT_NEAR(segments()[0].a.y, 1100, 0.01);
  EXPECT_NEAR(corners[0].x, 1000, 0.01);
  EXPECT_NEAR(corners[0].y, 900, 0.01);
  EXPECT_NEAR(corners.back().x, 700, 0.01);
  EXPECT_NEAR(corners.back().y, 1100, 0.01);
  // Splines have no polar form: error 160, nothing drawn.
  polcrv_("SPLINE", 6);
  mark = traceLines().size();
  const auto lines = printed([&] { curve_(r.data(), t.data(), &n); });
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("Bad interpolation method for polar scaling"), std::string::npos);
  EXPECT_TRUE(segments().empty());
  // Stems run from the centre.
  polcrv_("STEM", 4);
  curve_(r.data(), t.data(), &n);
  qqstrk();
  const auto s = segments();
  ASSERT_EQ(s.size(), 3u);
  EXPECT_NEAR(s[1].a.x, 1000, 0.01);
  EXPECT_NEAR(s[1].a.y, 1100, 0.01);
  EXPECT_NEAR(s[1].b.y, 900, 0.01);
}

TEST_F(Polar, BarsAreSectorsBetweenTwoRadii) {
  open();
  solid();
  // Bars at angles 0 and pi/2 (spacing pi/2, width 0.75 * pi/2), from
  // radius 1 to 3: every corner lies at 100 or 300 plot units from the
  // centre, and the first sector is symmetric about the horizontal.
  bars({0, float(M_PI / 2)}, {1, 1}, {3, 3});
  const auto p = polygons();
  ASSERT_EQ(p.size(), 2u);
  for (const Point& c : p[0]) {
    const double d = std::hypot(c.x - 1000, c.y - 1100);
    EXPECT_TRUE(std::fabs(d - 100) < 0.01 || std::fabs(d - 300) < 0.01) << d;
  }
  const Box b = bounds(p[0]);
  EXPECT_NEAR(b.y1 + b.y2, 2 * 1100, 0.01);
  EXPECT_NEAR(b.x2, 1300, 0.01);
  // Half the angle: 0.375 * pi/2; the corner at radius 3 lies at
  // 300 sin(0.589) = 166.29 above the centre.
  EXPECT_NEAR(b.y1, 1100 - 300 * std::sin(0.375 * M_PI / 2), 0.01);
}

TEST_F(Polar, AutomaticScalingStartsTheRadiusAtZero) {
  const std::vector<float> radii = {50, 60, 70};
  const int32_t n = 3;
  setscl_(radii.data(), &n, "X", 1);
  const std::vector<float> angles = {0, 1, 2};
  setscl_(angles.data(), &n, "Y", 1);
  open(1);
  EXPECT_EQ(zanglb.nlev, 2);
  EXPECT_GE(zanglb.xe, 70);
  EXPECT_FLOAT_EQ(zanglb.xa, -zanglb.xe);
  EXPECT_FLOAT_EQ(zanglb.xorig, 0);
  EXPECT_FLOAT_EQ(zanglb.yorig, 0);
  EXPECT_FLOAT_EQ(zanglb.ystep, 30);
}

TEST_F(Polar, GridDrawsCirclesAndRays) {
  open();
  const int32_t one = 1;
  grid_(&one, &one);
  // Rays every 30 degrees (12), circles at radii 1, 2, 3 (the frame circle
  // of radius 4 is the axis system's own).
  int rays = 0;
  for (const auto& s : segments())
    rays += std::fabs(s.a.x - 1000) < 0.01 && std::fabs(s.a.y - 1100) < 0.01 &&
            std::fabs(std::hypot(s.b.x - 1000, s.b.y - 1100) - 400) < 1;
  EXPECT_EQ(rays, 12);
  bool circle3 = false;
  for (const auto& s : segments())
    circle3 |= std::fabs(std::hypot(s.a.x - 1000, s.a.y - 1100) - 300) < 0.5 &&
               std::fabs(std::hypot(s.b.x - 1000, s.b.y - 1100) - 300) < 0.5;
  EXPECT_TRUE(circle3);
}

TEST_F(Polar, AnAdditionalAngleScaleOutsideTheFrame) {
  open();
  // Frame radius min(801, 801)/2 = 400.5, 50 units further out: a circle
  // of radius 450.5 (drawn with integer radius 451 or 450) and ticks from
  // it outwards at the labels 0, 10, 20, 30 of 0..40 (a quarter turn
  // each: right, up, left, down).
  float ya = 0, ye = 40, yo = 0, ys = 10;
  const int32_t dist = 50;
  ypolar_(&ya, &ye, &yo, &ys, "Months", &dist, 6);
  qqstrk();
  int onCircle = 0, ticks = 0;
  for (const auto& s : segments()) {
    const double ra = std::hypot(s.a.x - 1000, s.a.y - 1100);
    const double rb = std::hypot(s.b.x - 1000, s.b.y - 1100);
    onCircle += std::fabs(ra - 450.5) < 1 && std::fabs(rb - 450.5) < 1;
    // Ticks run radially outward from the circle.
    if (std::fabs(ra - 450.5) < 1 && rb > ra + 5) {
      ++ticks;
      const double ang = std::atan2(-(s.a.y - 1100), s.a.x - 1000) * 180 / M_PI;
      const double q = std::fmod(ang + 360, 90.0);
      EXPECT_TRUE(q < 0.5 || q > 89.5) << ang;
    }
  }
  EXPECT_GT(onCircle, 20);
  EXPECT_EQ(ticks, 4);
  // Outside a polar system it refuses.
  endgrf_();
  graf();
  const auto lines = printed([&] { ypolar_(&ya, &ye, &yo, &ys, "x", &dist, 1); });
  EXPECT_EQ(lines.size(), 1u);
}

TEST_F(Polar, BadInput) {
  scale_("LOG", "X", 3, 1);
  auto lines = printed([&] { open(); });
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("Polar axis systems must have linear scaling"), std::string::npos);
  EXPECT_EQ(zanglb.nlev, 1);
  scale_("LIN", "X", 3, 1);
  // A zero radius range and a zero step are rejected; the level stays 1.
  lines = printed([&] { open(0); });
  EXPECT_EQ(lines.size(), 1u);
  EXPECT_EQ(zanglb.nlev, 1);
  float xe = 4, o = 0, s = 0, yo = 0, ys = 30;
  lines = printed([&] { grafp_(&xe, &o, &s, &yo, &ys); });
  EXPECT_EQ(lines.size(), 1u);
  EXPECT_EQ(zanglb.nlev, 1);
  lines = printed([] { polmod_("NORT", "ANTI", 4, 4); });
  EXPECT_EQ(lines.size(), 1u);
  EXPECT_EQ(zanglb.ipolps, 0);
}

}  // namespace
}  // namespace zantor::test
