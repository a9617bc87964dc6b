// Chart extras: clipping of polar systems by clpmod, labels of polar bars,
// the user routines and the callback of pie segments, reset of chart
// settings and 3D bars.
#include <zantor.h>

#include <vector>

#include "charts/chart_support.h"
#include "charts/charts.h"
#include "core/state.h"
#include "plot3d/projection.h"

namespace {

// The test program's own pie routines: while `active` they record every
// call and change the segments they are told to.
struct PieRecorder {
  bool active = false;
  std::vector<std::string> calls;  // "name iseg percent"
  int32_t colourOf2 = -2;          // new fill colour of segment 2 (-2: unchanged)
  int32_t offsetOf1 = -1;          // new offset of segment 1 (-1: unchanged)
  bool hideLabels = false;         // no labels on any segment
};
PieRecorder recorder;

void record(const char* who, const int32_t* iseg, const float* xper, int32_t* nclr,
            int32_t* noff, int32_t* iann) {
  if (!recorder.active) return;
  char b[64];
  std::snprintf(b, sizeof b, "%s %d %.1f off %d", who, *iseg, *xper, *noff);
  recorder.calls.push_back(b);
  if (*iseg == 2 && recorder.colourOf2 != -2 && std::string(who) == "mypie")
    *nclr = recorder.colourOf2;
  if (*iseg == 1 && recorder.offsetOf1 >= 0 && std::string(who) == "usrpie")
    *noff = recorder.offsetOf1;
  if (recorder.hideLabels) *iann = 0;
}

void callback(const int32_t* iseg, const float*, const float* xper, int32_t* nclr, int32_t*,
              int32_t* noff, int32_t* iann) {
  record("callback", iseg, xper, nclr, noff, iann);
}

}  // namespace

// These replace the library's routines that do nothing.
extern "C" void mypie_(const int32_t* iseg, const float*, const float* xper, int32_t* nclr,
                       int32_t*, int32_t* noff, int32_t* iann) {
  record("mypie", iseg, xper, nclr, noff, iann);
}
extern "C" void usrpie_(const int32_t* iseg, const float*, const float* xper, int32_t* nclr,
                        int32_t*, int32_t* noff, int32_t* iann) {
  record("usrpie", iseg, xper, nclr, noff, iann);
}

namespace zantor::test {
namespace {

class ChartExtras : public ChartTest {
 protected:
  void TearDown() override {
    recorder = PieRecorder{};
    setcbk_(nullptr, "PIE", 3);
    ChartTest::TearDown();
  }
  // The polar system of the polar tests: centre (1000, 1100), 100 plot
  // units per radius unit, frame circle of radius 400.
  void openPolar() {
    axes(500, 1500, 1001, 801);
    float xe = 4, o = 0, s = 1, yo = 0, ys = 30;
    grafp_(&xe, &o, &s, &yo, &ys);
    mark = traceLines().size();
  }
  // The farthest drawn point from the polar centre.
  double farthest() const {
    double d = 0;
    for (const auto& s : segments())
      d = std::max({d, std::hypot(s.a.x - 1000, s.a.y - 1100), std::hypot(s.b.x - 1000, s.b.y - 1100)});
    return d;
  }
  void pie(const std::vector<float>& v) {
    std::string buf(20, ' ');
    const int32_t n = static_cast<int32_t>(v.size()), nlin = 0;
    if (zanglb.nlev > 1) endgrf_();
    mark = traceLines().size();
    chnpie_("NONE", 4);
    piegrf_(buf.data(), &nlin, v.data(), &n, buf.size());
  }
};

TEST_F(ChartExtras, PolarCurvesAreClippedAsClpmodSays) {
  // A ray from the centre to radius 6 at 45 degrees (beyond the frame
  // circle of radius 4, and beyond the corner of the square at 400*sqrt 2
  // = 565.7 plot units).
  const std::vector<float> r = {0, 6}, t = {float(M_PI / 4), float(M_PI / 4)};
  const int32_t n = 2;
  struct Case {
    const char* mode;
    double reach;
  };
  // AUTO and CIRC stop at the circle (400.5 with its half unit), RECT at
  // the corner of the square, NONE nowhere.
  for (const Case c : {Case{"AUTO", 400.5}, Case{"CIRC", 400.5},
                       Case{"RECT", std::hypot(400.0, 400.0)}, Case{"NONE", 600}}) {
    clpmod_(c.mode, 4);
    openPolar();
    curve_(r.data(), t.data(), &n);
    qqstrk();
    EXPECT_NEAR(farthest(), c.reach, 1.0) << c.mode;
    // The window of the page comes back after the curve.
    EXPECT_EQ(zanglb.iazclp, 0) << c.mode;
    EXPECT_EQ(zanglb.nuclip, zanglb.nxres) << c.mode;
    endgrf_();
  }
  // A ray inside the circle is whole in every mode.
  clpmod_("AUTO", 4);
  openPolar();
  const std::vector<float> r2 = {0, 3};
  curve_(r2.data(), t.data(), &n);
  qqstrk();
  EXPECT_NEAR(farthest(), 300, 0.01);
}

TEST_F(ChartExtras, PolarBarsStopAtTheFrameAndCarryLabels) {
  openPolar();
  solid();
  // A bar beyond the frame is cut back to radius 4.
  bars({0}, {0}, {7});
  const auto p = polygons();
  ASSERT_EQ(p.size(), 1u);
  for (const Point& q : p[0]) EXPECT_LE(std::hypot(q.x - 1000, q.y - 1100), 400.01);
  // With clpmod NONE it reaches radius 7.
  clpmod_("NONE", 4);
  bars({0}, {0}, {7});
  // (The arc is a polygon: its middle lies a little inside.)
  EXPECT_NEAR(bounds(polygons().back()).x2, 1700, 0.2);
  clpmod_("AUTO", 4);

  // Labels: a bar at angle pi/2 (straight up) from 0 to 3; the label
  // "3.0" beyond its end lies above radius 3 (plot y 800), inside it
  // below.
  labels_("SECO", "BARS", 4, 4);
  auto labelSpan = [&](const char* pos) {
    labpos_(pos, "BARS", 4, 4);
    mark = traceLines().size();
    bars({float(M_PI / 2)}, {0}, {3});
    double top = 1e9, bottom = -1e9;
    for (const auto& s : segments()) {
      // Strokes of the text: short and off the bar's outline, which runs
      // on circle arcs and radial lines.
      if (std::hypot(s.a.x - s.b.x, s.a.y - s.b.y) > zanglb.nhchar) continue;
      bool outline = false;
      for (const Point& q : {s.a, s.b}) {
        const double d = std::hypot(q.x - 1000, q.y - 1100);
        outline = outline || d < 0.5 || std::fabs(d - 300) < 0.5;
      }
      if (outline) continue;
      top = std::min({top, s.a.y, s.b.y});
      bottom = std::max({bottom, s.a.y, s.b.y});
    }
    return std::pair{top, bottom};
  };
  const auto outside = labelSpan("OUTS");
  EXPECT_LE(outside.second, 800.5);
  EXPECT_GE(outside.first, 800 - 1.5 * zanglb.nhchar);
  const auto inside = labelSpan("INSI");
  EXPECT_GE(inside.first, 799.5);
  EXPECT_LE(inside.second, 800 + 1.5 * zanglb.nhchar);
  // The middle: around radius 1.5 (plot y 950).
  const auto middle = labelSpan("CENT");
  EXPECT_NEAR((middle.first + middle.second) / 2, 950, 0.5 * zanglb.nhchar);
}

TEST_F(ChartExtras, UserRoutinesAndTheCallbackSeeEverySegment) {
  solid();
  recorder.active = true;
  setcbk_(reinterpret_cast<void (*)()>(callback), "PIE", 3);
  // Values 1, 1, 2: segment 1 gets an offset from usrpie, segment 2 a
  // colour from mypie; each routine sees what the one before chose.
  recorder.offsetOf1 = 40;
  recorder.colourOf2 = 3;
  pie({1, 1, 2});
  const std::vector<std::string> want = {
      "mypie 1 25.0 off 0",  "usrpie 1 25.0 off 0",  "callback 1 25.0 off 40",
      "mypie 2 25.0 off 0",  "usrpie 2 25.0 off 0",  "callback 2 25.0 off 0",
      "mypie 3 50.0 off 0",  "usrpie 3 50.0 off 0",  "callback 3 50.0 off 0"};
  EXPECT_EQ(recorder.calls, want);
  const auto p = polygons();
  ASSERT_EQ(p.size(), 3u);
  // Segment 1 (centred on 0 degrees) starts at the centre moved 40 right.
  EXPECT_NEAR(p[0][0].x, 1040, 0.01);
  EXPECT_NEAR(p[0][0].y, 1000, 0.01);
  EXPECT_NEAR(p[1][0].x, 1000, 0.01);
  // Segment 2 is filled in colour 3: the last colour before its polygon.
  auto fillOf = [&](int k) {
    const auto& t = traceLines();
    std::string colour;
    int seen = 0;
    for (size_t i = mark; i < t.size(); ++i) {
      if (t[i].rfind("colour", 0) == 0) colour = t[i];
      if (t[i].rfind("polygon", 0) == 0 && ++seen == k) break;
    }
    return colour.substr(colour.rfind(' ') + 1);
  };
  EXPECT_EQ(fillOf(2), "3");
  EXPECT_NE(fillOf(3), "3");

  // Without labels the segments draw nothing but their outlines and fills.
  recorder = PieRecorder{};
  recorder.active = true;
  const int32_t labelled = [&] {
    pie({1, 1, 2});
    return static_cast<int32_t>(segments().size());
  }();
  recorder.hideLabels = true;
  pie({1, 1, 2});
  EXPECT_LT(segments().size(), static_cast<size_t>(labelled));

  // Only "PIE" callbacks exist: any other key is refused and keeps the
  // registered routine.
  recorder = PieRecorder{};
  recorder.active = true;
  const auto w = printed([&] { setcbk_(nullptr, "XYZ", 3); });
  EXPECT_FALSE(w.empty());
  pie({1});
  EXPECT_EQ(recorder.calls.size(), 3u);
}

TEST_F(ChartExtras, PiesWithExtremeSettingsStayBounded) {
  solid();
  // A rotation of 1e30 degrees once made the rim loop of 3D pies step in
  // increments too small to change its counter; the turn is now taken
  // modulo 360 and gives the picture of its remainder.
  pietyp_("3D", 2);
  const float huge = 1e30f, tall = 1e30f, ang = 45;
  pierot_(&huge);
  pieopt_(&tall, &ang);
  pie({1, 2, 3});
  EXPECT_GE(polygons().size(), 3u);
  const float rest = std::fmod(1e30f, 360.0f);
  pierot_(&rest);
  const auto tops = [&] {
    pie({1, 2, 3});
    return polygons();
  };
  pierot_(&huge);
  const auto a = tops();
  pierot_(&rest);
  const auto b = tops();
  ASSERT_EQ(a.size(), b.size());
  EXPECT_NEAR(a.back()[1].x, b.back()[1].x, 0.01);
  // The disc height is bounded by the page: no coordinate beyond it.
  for (const Polygon& q : a)
    for (const Point& c : q) EXPECT_LE(std::fabs(c.y), 4 * zanglb.nyres);
  endgrf_();

  // A huge line count per segment once overflowed the index of the text
  // lines (segment 3 read before the buffer); now every segment finds no
  // lines beyond its own.
  pietyp_("2D", 2);
  std::string buf = "A/B/C";
  const int32_t nlin = 2147483647, n = 3;
  const std::vector<float> v = {1, 2, 3};
  piegrf_(buf.data(), &nlin, v.data(), &n, buf.size());
  EXPECT_EQ(zanglb.nlev, 2);
}

TEST_F(ChartExtras, ResetRestoresChartSettings) {
  bartyp_("3DHO", 4);
  bartyp_("TICK", 4);
  const float w = -20, gap = 0.5f, ang = 30;
  barwth_(&w);
  const int32_t three = 3;
  bargrp_(&three, &gap);
  pieval_(&w, "GAP", 3);
  pievec_(&three, "STRA", 4);
  polmod_("TOP", "CLOC", 3, 4);
  pierot_(&ang);
  patcyc_(&three, &three);
  reset_("BARTYP", 6);
  EXPECT_EQ(zanglb.ibartp, 0);
  EXPECT_EQ(zanglb.icandl, 1);
  reset_("barwth", 6);
  EXPECT_FLOAT_EQ(zanglb.xbarfk, 0.75f);
  reset_("BARGRP", 6);
  EXPECT_EQ(zanglb.nclust, 1);
  EXPECT_FLOAT_EQ(zanglb.xgapbr, 0);
  // "PIEV" names pieval and pievec: both come back.
  reset_("PIEVAL", 6);
  EXPECT_FLOAT_EQ(zanglb.xpiegp, 20);
  EXPECT_EQ(zanglb.ilnpie, 0);
  reset_("POLMOD", 6);
  EXPECT_EQ(zanglb.ipolps, 0);
  EXPECT_EQ(zanglb.ipoldr, 0);
  // Other chart settings are left alone by a single reset.
  EXPECT_FLOAT_EQ(zanglb.xpiero, 30);
  reset_("PATCYC", 6);
  EXPECT_EQ(zanglb.ncpat[2], 2);
  // Unknown names still warn.
  EXPECT_FALSE(printed([] { reset_("BARX", 4); }).empty());
}

class Bars3d : public ChartTest {
 protected:
  void open() {
    float a = 0, e = 4, o = 0, s = 1;
    graf3d_(&a, &e, &o, &s, &a, &e, &o, &s, &a, &e, &o, &s);
    mark = traceLines().size();
  }
  static void boxes(const std::vector<float>& x, const std::vector<float>& y,
                    const std::vector<float>& z1, const std::vector<float>& z2, float w,
                    const std::vector<int32_t>& ic) {
    const int32_t n = static_cast<int32_t>(x.size());
    const std::vector<float> ww(x.size(), w);
    bars3d_(x.data(), y.data(), z1.data(), z2.data(), ww.data(), ww.data(), ic.data(), &n);
  }
};

TEST_F(Bars3d, VisibleFacesOfABoxInProjection) {
  open();
  solid();
  // One box 1 x 1 around (2, 2) from z 0 to 3.  The default view point
  // lies in front, to the right and above: three faces show, each the
  // projection of four corners of the box.
  boxes({2}, {2}, {0}, {3}, 1, {-1});
  const auto p = polygons();
  ASSERT_EQ(p.size(), 3u);
  const Abs3 eye = viewPoint3d();
  const Abs3 lo = userToAbs3d(1.5, 1.5, 0), hi = userToAbs3d(2.5, 2.5, 3);
  // The top face (z = 3) is one of them: its corners are projections of
  // the top corners.
  std::vector<Point> top;
  for (double x : {1.5, 2.5})
    for (double y : {1.5, 2.5}) {
      const Plot3 q = userToPlot3d(x, y, 3);
      top.push_back({q.x, q.y});
    }
  ASSERT_GT(eye.z, hi.z);
  bool found = false;
  for (const auto& f : p) {
    int matched = 0;
    for (const Point& c : f)
      for (const Point& t : top) matched += std::hypot(c.x - t.x, c.y - t.y) < 0.01;
    found = found || matched == 4;
  }
  EXPECT_TRUE(found);
  // The faces seen are those whose plane the eye lies beyond.
  const int expected = (eye.x > hi.x || eye.x < lo.x) + (eye.y > hi.y || eye.y < lo.y) + 1;
  EXPECT_EQ(static_cast<int>(p.size()), expected);
}

TEST_F(Bars3d, FartherBoxesArePaintedFirst) {
  open();
  solid();
  // Two boxes on the line to the eye: the one nearer the eye comes last.
  const Abs3 eye = viewPoint3d();
  const float nearX = eye.x > 0 ? 3.5f : 0.5f, farX = eye.x > 0 ? 0.5f : 3.5f;
  boxes({nearX, farX}, {2, 2}, {0, 0}, {1, 1}, 0.5f, {-1, -1});
  const auto p = polygons();
  ASSERT_GE(p.size(), 4u);
  const Plot3 qn = userToPlot3d(nearX, 2, 1), qf = userToPlot3d(farX, 2, 1);
  auto centreX = [](const Polygon& f) {
    double s = 0;
    for (const Point& c : f) s += c.x;
    return s / f.size();
  };
  EXPECT_LT(std::fabs(centreX(p.front()) - qf.x), std::fabs(centreX(p.front()) - qn.x));
  EXPECT_LT(std::fabs(centreX(p.back()) - qn.x), std::fabs(centreX(p.back()) - qf.x));
}

TEST_F(Bars3d, BadInput) {
  // Outside a 3D axis system: the level warning, nothing drawn.
  graf();
  const auto w = printed([] { boxes({2}, {2}, {0}, {3}, 1, {-1}); });
  EXPECT_FALSE(w.empty());
  EXPECT_TRUE(polygons().empty());
  endgrf_();
  open();
  solid();
  const int32_t zero = 0;
  float v = 1;
  int32_t ic = -1;
  EXPECT_FALSE(printed([&] { bars3d_(&v, &v, &v, &v, &v, &v, &ic, &zero); }).empty());
  // Boxes with a NaN are left out; an unknown colour warns and takes the
  // current one.
  const float nan = std::nanf("");
  boxes({nan, 2}, {2, 2}, {0, 0}, {1, 1}, 1, {-1, -5});
  EXPECT_EQ(polygons().size(), 3u);
}

}  // namespace
}  // namespace zantor::test
