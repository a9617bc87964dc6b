// Planes in 3D space (grfini/grffin), the transformation of objects placed
// in absolute space (tr3*), marker symbols on 3D curves and the title of a
// 3D axis system.  Expected positions are worked out by hand below.
//
// Most cases look at the unit box (user = absolute coordinates) from
// V = (0, -10, 0) in parallel projection: d = V - F = (0, -10, 0), so
// sa = -1, ca = 0, sb = 1, cb = 0; right u = (1, 0, 0), up = -v = (0, 0, 1)
// and w' = 2.  A point (X, Y, Z) lands at
//   (xcen3 + xlmin3 * X / 2, ycen3 - xlmin3 * Z / 2).
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "plot3d/horizon.h"
#include "plot3d/object_transform.h"
#include "plot3d_support.h"

namespace zantor::test {
namespace {

struct P2 {
  double x, y;
};

class PlaneTest : public Plot3dTest {
 protected:
  // The unit box seen from the front in parallel projection.
  void frontView() {
    proj3d_("ORTH", 4);
    view(0, -10, 0);
    unitBox();
  }
  static P2 front(double X, double Z) {
    const Zanglb& g = zanglb;
    return {g.xcen3 + g.xlmin3 * X / 2, g.ycen3 - g.xlmin3 * Z / 2};
  }
  // The front face of the box as the page's plane: page point (x, y) is
  // X = -1 + 2x/W, Z = -1 + 2(H - y)/H (page y grows downwards).
  static void frontFacePlane() {
    float x1 = -1, y1 = 0, z1 = -1, x2 = 1, y2 = 0, z2 = -1, x3 = 1, y3 = 0, z3 = 1;
    grfini_(&x1, &y1, &z1, &x2, &y2, &z2, &x3, &y3, &z3);
  }
  static P2 onFrontFace(double x, double y) {
    const Zanglb& g = zanglb;
    return front(-1 + 2 * x / g.nxres, -1 + 2 * (g.nyres - y) / g.nyres);
  }

  // Moves and draws traced after `mark`, in plot coordinates.
  static std::vector<Op> opsSince(size_t mark) {
    std::vector<Op> all = ops();
    const auto& t = traceLines();
    size_t skipped = 0;  // ops among the first `mark` trace lines
    for (size_t i = 0; i < mark && i < t.size(); ++i)
      skipped += t[i].rfind("move", 0) == 0 || t[i].rfind("draw", 0) == 0;
    return {all.begin() + static_cast<long>(skipped), all.end()};
  }
  static void expectAt(const Op& o, P2 p, const char* what) {
    EXPECT_NEAR(o.x, p.x, 0.6) << what;
    EXPECT_NEAR(o.y, p.y, 0.6) << what;
  }
  static void tr3(void (*f)(const float*, const float*, const float*), float a, float b,
                  float c) {
    f(&a, &b, &c);
  }
  static void expectMoved(Abs3 in, Abs3 out, const char* what) {
    const Abs3 r = transformObject(in);
    EXPECT_NEAR(r.x, out.x, 1e-5) << what;
    EXPECT_NEAR(r.y, out.y, 1e-5) << what;
    EXPECT_NEAR(r.z, out.z, 1e-5) << what;
  }
};

TEST_F(PlaneTest, PageLinesLandOnThePlane) {
  frontView();
  frontFacePlane();
  ASSERT_EQ(level(), 1);
  const Zanglb& g = zanglb;
  const int w = g.nxres, h = g.nyres;
  size_t mark = traceLines().size();
  drawLine(w / 4, h / 2, 3 * w / 4, h / 4);
  flushLine();
  std::vector<Op> o = opsSince(mark);
  ASSERT_EQ(o.size(), 2u);
  EXPECT_EQ(o[0].kind, 'm');
  expectAt(o[0], onFrontFace(w / 4, h / 2), "start");
  expectAt(o[1], onFrontFace(3 * w / 4, h / 4), "end");
  // With h even, the start lies on Z = 0 and the end on Z = 0.5.
  if (h % 4 == 0 && w % 4 == 0) {
    expectAt(o[0], front(-0.5, 0), "start by hand");
    expectAt(o[1], front(0.5, 0.5), "end by hand");
  }

  // The plane shifted up by 0.5 with tr3shf: the same page line moves up
  // by xlmin3 / 4 in the picture.
  grffin_();
  tr3(tr3shf_, 0, 0, 0.5f);
  frontFacePlane();
  mark = traceLines().size();
  drawLine(w / 4, h / 2, 3 * w / 4, h / 4);
  flushLine();
  o = opsSince(mark);
  ASSERT_EQ(o.size(), 2u);
  const P2 s = onFrontFace(w / 4, h / 2);
  expectAt(o[0], {s.x, s.y - g.xlmin3 / 4}, "shifted start");
}

TEST_F(PlaneTest, ClippingBelongsToThePlaneAndTheBoxWindow) {
  frontView();
  const Zanglb& g = zanglb;
  const int w = g.nxres, h = g.nyres;
  // A window over the left half of the page clips in the plane: the line
  // across the page stops at the middle of the face, X = 0.
  frontFacePlane();
  int32_t x = 0, y = 0, cw = w / 2, ch = h;
  clpwin_(&x, &y, &cw, &ch);
  size_t mark = traceLines().size();
  drawLine(0, h / 2, w, h / 2);
  flushLine();
  std::vector<Op> o = opsSince(mark);
  ASSERT_EQ(o.size(), 2u);
  expectAt(o[0], onFrontFace(0, h / 2), "left edge of the face");
  expectAt(o[1], onFrontFace(cw, h / 2), "end of the window");
  grffin_();

  // A plane four times wider than the box: the line leaves the axis
  // rectangle of the 3D system and is cut at its sides.
  float x1 = -4, y1 = 0, z1 = -1, x2 = 4, y2 = 0, z2 = -1, x3 = 4, y3 = 0, z3 = 1;
  grfini_(&x1, &y1, &z1, &x2, &y2, &z2, &x3, &y3, &z3);
  mark = traceLines().size();
  drawLine(0, h / 2, w, h / 2);
  flushLine();
  o = opsSince(mark);
  ASSERT_EQ(o.size(), 2u);
  const double left = std::max<double>(g.nxa, front(-4, 0).x);
  const double right = std::min<double>(g.nxa + g.nxl - 1, front(4, 0).x);
  ASSERT_LT(right - left, 8 * g.xlmin3 / 2 - 1) << "the line must reach beyond the rectangle";
  EXPECT_NEAR(std::min(o[0].x, o[1].x), left, 0.6);
  EXPECT_NEAR(std::max(o[0].x, o[1].x), right, 0.6);
}

// Central projection from V = (0, -10, 0): with t = 0.25 a point (X, Y, Z)
// lands at (xcen3 + xlmin3 X / (t (Y + 10)), ycen3 - xlmin3 Z / (t (Y + 10))).
// A floor Z = -1 from Y = -20 (behind the eye) to Y = 1: the page's middle
// line runs from the far edge, (xcen3, ycen3 + xlmin3 / 2.75), towards the
// viewer and leaves the picture at its bottom instead of vanishing.
TEST_F(PlaneTest, APlaneReachingBehindTheEyeIsCutThere) {
  view(0, -10, 0);
  unitBox();
  const Zanglb& g = zanglb;
  float x1 = -1, y1 = -20, z1 = -1, x2 = 1, y2 = -20, z2 = -1, x3 = 1, y3 = 1, z3 = -1;
  grfini_(&x1, &y1, &z1, &x2, &y2, &z2, &x3, &y3, &z3);
  const size_t mark = traceLines().size();
  drawLine(g.nxres / 2, 0, g.nxres / 2, g.nyres);
  flushLine();
  const std::vector<Op> o = opsSince(mark);
  ASSERT_EQ(o.size(), 2u);
  const double x = g.xcen3 + g.xlmin3 * (2.0 * (g.nxres / 2) / g.nxres - 1) / (0.25 * 11);
  expectAt(o[0], {x, g.ycen3 + g.xlmin3 / 2.75}, "far edge");
  EXPECT_NEAR(o[1].y, g.nya, 0.6) << "cut at the bottom of the window";
}

// A device that fills polygons itself gets the corners of an area mapped
// into the plane: the triangle over the lower left quarter of the page
// covers the lower left quarter of the front face.
TEST_F(PlaneTest, FilledAreasAreMappedIntoThePlane) {
  zanfin_();
  DeviceCaps caps;
  caps.fillPolygon = true;
  startPlot(caps);
  frontView();
  frontFacePlane();
  const Zanglb& g = zanglb;
  const int w = g.nxres, h = g.nyres;
  int32_t solid = 16, n = 3;
  shdpat_(&solid);
  int32_t xs[3] = {0, w / 2, w / 2}, ys[3] = {h, h, h / 2};
  areaf_(xs, ys, &n);
  const std::vector<std::string> fills = linesStartingWith("polygon");
  ASSERT_EQ(fills.size(), 1u);
  std::vector<P2> corners;
  std::string rest = fills[0].substr(7);
  double dx = 0, dy = 0;
  int used = 0;
  while (std::sscanf(rest.c_str(), " %lf,%lf%n", &dx, &dy, &used) == 2) {
    corners.push_back({dx / g.xscf, g.nyres - dy / g.xscf});  // device = scale, y up
    rest = rest.substr(static_cast<size_t>(used));
  }
  ASSERT_GE(corners.size(), 3u);
  const P2 want[3] = {onFrontFace(0, h), onFrontFace(w / 2, h), onFrontFace(w / 2, h / 2)};
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(corners[static_cast<size_t>(i)].x, want[i].x, 0.6) << i;
    EXPECT_NEAR(corners[static_cast<size_t>(i)].y, want[i].y, 0.6) << i;
  }
}

// A hardware character in a plane cannot be handed to the device: it is
// filled from the font's outline, and the plane projects the area.  Mapped
// back from the front face to the page, the filled "H" stands on the text
// line: its top at y, its bottom at y + h (an "H" is as high as the
// capitals the height measures), inside the string's width from x.
TEST_F(PlaneTest, HardwareTextInAPlaneIsFilledFromItsOutline) {
  zanfin_();
  DeviceCaps caps;
  caps.fillPolygon = true;
  caps.hwText = true;
  startPlot(caps);
  frontView();
  frontFacePlane();
  call(psfont_, "Helvetica");
  const Zanglb& g = zanglb;
  int32_t h = 200, x = 600, y = 800;
  height_(&h);
  const size_t before = linesStartingWith("polygon").size();
  messag_("H", &x, &y, 1);
  const std::vector<std::string> fills = linesStartingWith("polygon");
  ASSERT_EQ(fills.size(), before + 1);
  double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
  std::string rest = fills.back().substr(7);
  double dx = 0, dy = 0;
  int used = 0, points = 0;
  while (std::sscanf(rest.c_str(), " %lf,%lf%n", &dx, &dy, &used) == 2) {
    // Device to plot coordinates, then from the front face back to the page.
    const double px = dx / g.xscf, py = g.nyres - dy / g.xscf;
    const double X = (px - g.xcen3) * 2 / g.xlmin3, Z = (g.ycen3 - py) * 2 / g.xlmin3;
    const double u = (X + 1) / 2 * g.nxres, v = g.nyres - (Z + 1) / 2 * g.nyres;
    left = std::min(left, u), right = std::max(right, u);
    top = std::min(top, v), bottom = std::max(bottom, v);
    rest = rest.substr(static_cast<size_t>(used));
    ++points;
  }
  EXPECT_GE(points, 12);  // the corners of an "H"
  EXPECT_NEAR(top, y, 2.0);
  EXPECT_NEAR(bottom, y + h, 2.0);
  EXPECT_GT(left, x);
  EXPECT_LT(right, x + nlmess_("H", 1));
  EXPECT_GT(right - left, 0.5 * h);
}

TEST_F(PlaneTest, LevelsAndTheAxisSystemAroundThePlane) {
  frontView();
  const Zanglb& g = zanglb;
  const int32_t nxa = g.nxa, nya = g.nya, nxl = g.nxl, nyl = g.nyl, clip = g.nxclip;
  frontFacePlane();
  EXPECT_EQ(level(), 1);
  EXPECT_EQ(g.igrfit, 1);
  // A 2D axis system in the plane at its own place.
  int32_t px = 300, py = 1500, lx = 1000, ly = 800;
  axspos_(&px, &py);
  axslen_(&lx, &ly);
  float a = 0, e = 10, o = 0, s = 2;
  graf_(&a, &e, &o, &s, &a, &e, &o, &s);
  EXPECT_EQ(level(), 2);
  const size_t mark = traceLines().size();
  // grffin ends the open 2D system and gives the 3D one back.
  grffin_();
  EXPECT_EQ(level(), 3);
  EXPECT_EQ(g.igrfit, 0);
  EXPECT_EQ(g.nxa, nxa);
  EXPECT_EQ(g.nya, nya);
  EXPECT_EQ(g.nxl, nxl);
  EXPECT_EQ(g.nyl, nyl);
  EXPECT_EQ(g.nxclip, clip);
  // 3D drawing goes on: a curve through the box centre is drawn directly.
  float cx[2] = {-1, 1}, cy[2] = {0, 0}, cz[2] = {0, 0};
  int32_t n = 2;
  curv3d_(cx, cy, cz, &n);
  const std::vector<Op> after = opsSince(mark);
  ASSERT_EQ(after.size(), 2u);
  expectAt(after[0], front(-1, 0), "curve start");

  // grffin without a plane: warning 34, nothing changes.
  EXPECT_EQ(printed([] { grffin_(); }).size(), 1u);
  EXPECT_EQ(level(), 3);
  // Corners on one line, or not finite: warning, no plane.
  float z = 0, one = 1, two = 2, nan = NAN;
  EXPECT_EQ(printed([&] { grfini_(&z, &z, &z, &one, &one, &one, &two, &two, &two); }).size(), 1u);
  EXPECT_EQ(printed([&] { grfini_(&z, &z, &z, &one, &z, &z, &one, &nan, &one); }).size(), 1u);
  EXPECT_EQ(level(), 3);
  EXPECT_EQ(g.igrfit, 0);
  // Outside a 3D axis system the plane and the tr3 steps are refused.
  endgrf_();
  EXPECT_EQ(printed([] { frontFacePlane(); }).size(), 1u);
  EXPECT_EQ(printed([] { tr3res_(); }).size(), 1u);
  EXPECT_EQ(printed([] { grffin_(); }).size(), 1u);
  EXPECT_EQ(level(), 1);
}

TEST_F(PlaneTest, TransformationsComposeInCallOrder) {
  unitBox();
  // Rotate, then shift: (1, 0, 0) -> (0, 1, 0) -> (0.5, 1, 0).
  tr3(tr3rot_, 0, 0, 90);
  tr3(tr3shf_, 0.5f, 0, 0);
  expectMoved({1, 0, 0}, {0.5, 1, 0}, "rotate then shift");
  // Shift, then rotate: (1, 0, 0) -> (1.5, 0, 0) -> (0, 1.5, 0).
  tr3res_();
  tr3(tr3shf_, 0.5f, 0, 0);
  tr3(tr3rot_, 0, 0, 90);
  expectMoved({1, 0, 0}, {0, 1.5, 0}, "shift then rotate");
  // tr3rot turns about x first, then y: (0, 1, 0) -> (0, 0, 1) -> (1, 0, 0).
  tr3res_();
  tr3(tr3rot_, 90, 90, 0);
  expectMoved({0, 1, 0}, {1, 0, 0}, "x then y");
  // Scaling about the box centre.
  tr3res_();
  tr3(tr3scl_, 2, 3, 4);
  expectMoved({1, 1, -1}, {2, 3, -4}, "scale");
  // A third of a turn about the diagonal cycles the axes: x -> y -> z -> x.
  tr3res_();
  float d = 1, third = 120;
  tr3axs_(&d, &d, &d, &third);
  expectMoved({1, 0, 0}, {0, 1, 0}, "diagonal x");
  expectMoved({0, 0, 1}, {1, 0, 0}, "diagonal z");

  // No axis, or a value that is not finite: warning 2, no change.
  float z = 0, inf = INFINITY;
  EXPECT_EQ(printed([&] { tr3axs_(&z, &z, &z, &third); }).size(), 1u);
  EXPECT_EQ(printed([&] { tr3(tr3shf_, 0, inf, 0); }).size(), 1u);
  EXPECT_EQ(printed([&] { tr3(tr3scl_, NAN, 1, 1); }).size(), 1u);
  expectMoved({1, 0, 0}, {0, 1, 0}, "unchanged after refusals");

  // The next axis system starts without a transformation.
  endgrf_();
  unitBox();
  expectMoved({1, 2, 3}, {1, 2, 3}, "new axis system");
}

TEST_F(PlaneTest, MarkersOnThreeDimensionalCurves) {
  int32_t size = 40, symbol = 0;
  hsymbl_(&size);
  marker_(&symbol);
  frontView();
  float x[3] = {-0.5f, 0, 0.5f}, y[3] = {0, 0, 0}, z[3] = {0, 0.5f, 0};
  const P2 at[3] = {front(-0.5, 0), front(0, 0.5), front(0.5, 0)};
  int32_t n = 3;
  // Moves and draws in the ring around point i where a symbol's outline
  // lies and a line through the point has no vertex.
  auto ring = [&](const std::vector<Op>& o, int i) {
    int k = 0;
    for (const Op& p : o) {
      const double r = std::hypot(p.x - at[i].x, p.y - at[i].y);
      k += r > 1 && r <= size;
    }
    return k;
  };
  auto draw = [&](int32_t every) {
    incmrk_(&every);
    const size_t mark = traceLines().size();
    curv3d_(x, y, z, &n);
    return opsSince(mark);
  };

  std::vector<Op> o = draw(0);  // line only
  EXPECT_EQ(o.size(), 3u);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(ring(o, i), 0) << i;

  o = draw(2);  // line and symbols at points 1 and 3
  for (int i : {0, 2}) EXPECT_GT(ring(o, i), 0) << i;
  EXPECT_EQ(ring(o, 1), 0);
  EXPECT_TRUE(std::any_of(o.begin(), o.end(), [&](const Op& p) {
    return std::hypot(p.x - at[1].x, p.y - at[1].y) < 0.6;  // the line's corner
  }));

  o = draw(-1);  // symbols only, at every point: nothing far from the points
  for (int i = 0; i < 3; ++i) EXPECT_GT(ring(o, i), 0) << i;
  for (const Op& p : o) {
    double nearest = 1e9;
    for (const P2& q : at) nearest = std::min(nearest, std::hypot(p.x - q.x, p.y - q.y));
    EXPECT_LE(nearest, size) << p.x << " " << p.y;
  }

  // In hidden-line mode the line stays whole through its symbols: every
  // column between the first and the last point is covered by a drawn
  // piece lying on the line.
  resetHorizon();
  hidlin_("ON", 2);
  o = draw(1);
  hidlin_("OFF", 3);
  auto offLine = [&](double x, double y) {
    double d = 1e9;
    for (int i = 0; i < 2; ++i) {
      const double ax = at[i].x, ay = at[i].y, bx = at[i + 1].x, by = at[i + 1].y;
      const double t = std::clamp(((x - ax) * (bx - ax) + (y - ay) * (by - ay)) /
                                      ((bx - ax) * (bx - ax) + (by - ay) * (by - ay)),
                                  0.0, 1.0);
      d = std::min(d, std::hypot(x - ax - t * (bx - ax), y - ay - t * (by - ay)));
    }
    return d;
  };
  std::vector<std::pair<double, double>> pieces;  // x extents of drawn pieces on the line
  for (size_t i = 1; i < o.size(); ++i)
    if (o[i].kind == 'd' && offLine(o[i - 1].x, o[i - 1].y) < 1.5 && offLine(o[i].x, o[i].y) < 1.5)
      pieces.push_back(std::minmax(o[i - 1].x, o[i].x));
  for (int c = static_cast<int>(at[0].x) + 2; c < at[2].x - 2; ++c)
    ASSERT_TRUE(std::any_of(pieces.begin(), pieces.end(),
                            [&](auto p) { return p.first <= c + 0.5 && c - 0.5 <= p.second; }))
        << "gap at column " << c;
}

// A title above a 3D axis system lies outside the axis rectangle, where
// graf3d closed the clipping window.
TEST_F(PlaneTest, TitleOfA3dAxisSystemIsNotClipped) {
  unitBox();
  const Zanglb& g = zanglb;
  int32_t line1 = 1;
  titlin_("Surface", &line1, 7);
  const size_t mark = traceLines().size();
  title_();
  const std::vector<Op> o = opsSince(mark);
  ASSERT_FALSE(o.empty());
  const double top = g.nya - g.nyl;
  EXPECT_TRUE(std::any_of(o.begin(), o.end(), [&](const Op& p) { return p.y < top - 1; }));
  // The 3D drawing after it is clipped to the rectangle again.
  EXPECT_EQ(g.iclipp, 2);
  EXPECT_EQ(g.nxclip, g.nxa);
  EXPECT_EQ(g.nvclip, g.nya);
}

}  // namespace
}  // namespace zantor::test
