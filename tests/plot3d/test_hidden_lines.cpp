// The floating horizon and surfaces with hidden lines: results worked out
// by hand on small cases, side colours, visible sides and bad input.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "plot3d/horizon.h"
#include "plot3d/projection.h"
#include "plot3d_support.h"

namespace zantor::test {
namespace {

class Horizon : public Plot3dTest {
 protected:
  void SetUp() override {
    Plot3dTest::SetUp();
    zanglb.imkopt = 1;
    resetHorizon();
    mark = traceLines().size();
  }
  static void line(double x1, double y1, double x2, double y2) {
    dhline(x1, y1, 3);
    dhline(x2, y2, 2);
  }
  // Visible runs drawn since the last mark.
  std::vector<Stroke> newRuns() {
    std::vector<Stroke> out;
    const std::vector<Op> all = ops();
    size_t first = 0;
    // ops() covers the whole trace: count the moves and draws before the mark.
    size_t before = 0;
    for (size_t i = 0; i < mark && i < traceLines().size(); ++i) {
      const std::string& l = traceLines()[i];
      if (l.rfind("move", 0) == 0 || l.rfind("draw", 0) == 0) ++before;
    }
    first = before;
    for (size_t i = first; i < all.size(); ++i) {
      if (all[i].kind == 'm' || out.empty()) out.emplace_back();
      out.back().push_back(all[i]);
    }
    std::erase_if(out, [](const Stroke& s) { return s.size() < 2; });  // lone moves
    mark = traceLines().size();
    return out;
  }
  size_t mark = 0;
};

// Three horizontal lines over columns 10..50: y = 100 first, then y = 105
// (below it: y > imktop = 100, visible), then y = 102 between the two
// (imkbot = 100 < 102 < imktop = 105: hidden).  A longer line at y = 102
// over 0..60 shows only in the free columns 0..9 and 51..60.
TEST_F(Horizon, LinesBetweenTheMasksAreHidden) {
  line(10, 100, 50, 100);
  auto r = newRuns();
  ASSERT_EQ(r.size(), 1u);
  EXPECT_TRUE(near(r[0].front().x, 10) && near(r[0].back().x, 50));
  line(10, 105, 50, 105);
  r = newRuns();
  ASSERT_EQ(r.size(), 1u);
  EXPECT_TRUE(near(r[0].front().y, 105) && near(r[0].back().x, 50));
  line(10, 102, 50, 102);
  EXPECT_TRUE(newRuns().empty());
  line(0, 102, 60, 102);
  r = newRuns();
  ASSERT_EQ(r.size(), 2u);
  EXPECT_TRUE(near(r[0].front().x, 0) && near(r[0].back().x, 9));
  EXPECT_TRUE(near(r[1].front().x, 51) && near(r[1].back().x, 60));
}

// A diagonal from (0, 90) to (40, 130) crosses the band 100..105 of the
// columns 10..50: visible above it (x < 10, y < 100: x 0..9) and below it
// (y > 105: x 16..40); hidden from x 10 to 15.
TEST_F(Horizon, DiagonalLeavesTheBandOnBothSides) {
  line(10, 100, 50, 100);
  line(10, 105, 50, 105);
  newRuns();
  line(0, 90, 40, 130);
  const auto r = newRuns();
  ASSERT_EQ(r.size(), 2u);
  EXPECT_TRUE(near(r[0].front().x, 0) && near(r[0].back().x, 9));
  EXPECT_TRUE(near(r[1].front().x, 16) && near(r[1].front().y, 106));
  EXPECT_TRUE(near(r[1].back().x, 40) && near(r[1].back().y, 130));
}

TEST_F(Horizon, TestOnlyAndUpdateOnly) {
  zanglb.imkopt = 2;  // masks only, nothing drawn
  line(10, 100, 50, 100);
  EXPECT_TRUE(newRuns().empty());
  zanglb.imkopt = 0;  // test only: the masks stay
  line(10, 100, 50, 100);
  EXPECT_TRUE(newRuns().empty());
  line(10, 110, 50, 110);
  EXPECT_EQ(newRuns().size(), 1u);
  line(10, 108, 50, 108);  // not hidden by the untracked line at 110
  EXPECT_EQ(newRuns().size(), 1u);
}

TEST_F(Horizon, ColumnOutsideTheMasksWarnsOnce) {
  const auto lines = printed([] {
    line(-5, 10, 30, 10);
    line(3990, 10, 4100, 10);
  });
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("Warning  52: Hiddenline overflow"), std::string::npos);
  line(10, 20, 30, 20);  // the rest still works
  EXPECT_EQ(newRuns().size(), 1u);
}

// A solid area in hidden-line mode is filled with lines that pass the
// horizon, even on a device that fills polygons itself: a filled marker
// behind a surface must not show through it.  The band between y = 100
// and y = 300 over columns 100..500 is covered; a rectangle inside it
// vanishes, one reaching below it shows only below y = 300.
TEST_F(Horizon, AreasAreFilledThroughTheHorizon) {
  zanfin_();
  DeviceCaps caps;
  caps.fillPolygon = true;
  startPlot(caps);
  hidlin_("ON", 2);
  line(100, 100, 500, 100);
  line(100, 300, 500, 300);
  newRuns();
  const size_t before = linesStartingWith("polygon").size();
  int32_t solid = 16, n = 4;
  shdpat_(&solid);
  int32_t xs[4] = {200, 400, 400, 200}, inside[4] = {150, 150, 250, 250};
  areaf_(xs, inside, &n);
  EXPECT_TRUE(newRuns().empty());
  int32_t across[4] = {250, 250, 350, 350};
  areaf_(xs, across, &n);
  const auto r = newRuns();
  hidlin_("OFF", 3);
  EXPECT_EQ(linesStartingWith("polygon").size(), before);
  ASSERT_FALSE(r.empty());
  double low = 1e9, high = -1e9;
  for (const Stroke& s : r)
    for (const Op& o : s) {
      EXPECT_GT(o.y, 300.5) << o.x;
      low = std::min(low, o.y), high = std::max(high, o.y);
    }
  EXPECT_NEAR(low, 301, 1.0);   // the whole visible part is filled
  EXPECT_NEAR(high, 350, 1.0);
  // Without hidden lines the device fills the area itself.
  areaf_(xs, across, &n);
  EXPECT_EQ(linesStartingWith("polygon").size(), before + 1);
}

class Surfaces : public Plot3dTest {
 protected:
  // Colour value of every draw after `from` in the trace (-1 before any).
  static std::vector<int> drawColours(size_t from) {
    std::vector<int> out;
    int colour = -1;
    const auto& t = traceLines();
    for (size_t i = 0; i < t.size(); ++i) {
      int r = 0, g = 0, b = 0, v = 0;
      if (std::sscanf(t[i].c_str(), "colour %d %d %d %d", &r, &g, &b, &v) == 4) colour = v;
      else if (i >= from && t[i].rfind("draw", 0) == 0) out.push_back(colour);
    }
    return out;
  }
  static void surface(const std::vector<float>& x, const std::vector<float>& y,
                      const std::vector<float>& z) {
    const int32_t n = static_cast<int32_t>(x.size()), m = static_cast<int32_t>(y.size());
    surfce_(x.data(), &n, y.data(), &m, z.data());
  }
  // The 2 x 2 grid over the unit box at height h.
  static void flat(float h) { surface({-1, 1}, {-1, 0, 1}, {h, h, h, h, h, h}); }
  // Horizontal strokes (both ends within 1 unit of height y, longer than 5).
  static int horizontalAt(const std::vector<Stroke>& rs, double y) {
    int n = 0;
    for (const Stroke& s : rs)
      for (size_t i = 1; i < s.size(); ++i)
        if (near(s[i - 1].y, y, 1.0) && near(s[i].y, y, 1.0) && std::fabs(s[i].x - s[i - 1].x) > 5)
          ++n;
    return n;
  }
};

// Seen from V = (0, -10, 2) in parallel projection: up = (0, cb, sb) with
// D = sqrt(104), cb = 2/D = 0.196, sb = 10/D = 0.981.  Rows of the mesh
// (y = -1, 0, 1 at z = -1, 1, 0) lie at up = -1.177, 0.981 and 0.196: the
// back row (the valley) projects between the front row and the ridge and
// is hidden whole, and so are the lines that run down to it.
TEST_F(Surfaces, RidgeHidesTheValleyBehindIt) {
  proj3d_("ORTH", 4);
  view(0, -10, 2);
  unitBox();
  const std::vector<float> x{-1, 1}, y{-1, 0, 1}, z{-1, -1, 1, 1, 0, 0};
  const double yFront = absToPlot3d(0, -1, -1).y, yRidge = absToPlot3d(0, 0, 1).y;
  const double yBack = absToPlot3d(0, 1, 0).y;
  ASSERT_GT(yBack, yRidge + 20);  // on the page below the ridge ...
  ASSERT_LT(yBack, yFront - 20);  // ... and above the front row
  size_t before = runs().size();
  surface(x, y, z);
  std::vector<Stroke> rs = runs();
  rs.erase(rs.begin(), rs.begin() + static_cast<long>(before));
  EXPECT_EQ(horizontalAt(rs, yFront), 1);
  EXPECT_EQ(horizontalAt(rs, yRidge), 1);
  EXPECT_EQ(horizontalAt(rs, yBack), 0);
  // Without hidden-line removal the valley shows.
  nohide_();
  before = runs().size();
  surface(x, y, z);
  rs = runs();
  rs.erase(rs.begin(), rs.begin() + static_cast<long>(before));
  EXPECT_EQ(horizontalAt(rs, yBack), 1);
}

// A flat surface seen from above shows its upper side in colour 2, seen
// from below its lower side in colour 4.
TEST_F(Surfaces, TopAndBottomColours) {
  int32_t top = 2, bottom = 4;
  surclr_(&top, &bottom);
  unitBox();
  size_t from = traceLines().size();
  flat(0);
  auto colours = drawColours(from);
  ASSERT_GE(colours.size(), 5u);  // front, back and the lines between
  for (int c : colours) EXPECT_EQ(c, 2);
  endgrf_();
  view(4, -5, -4);
  unitBox();
  from = traceLines().size();
  flat(0);
  colours = drawColours(from);
  ASSERT_GE(colours.size(), 5u);
  for (int c : colours) EXPECT_EQ(c, 4);
}

// From below the lower side shows.  With "TOP" only the two lines drawn
// first (the front edge y = -1 and the front side x = 1, where nothing
// was drawn before, so both sides count as free) pass the test of the
// upper side; the rest of the mesh is the lower side and stays hidden.
// From above, "BOTT" hides all but the same two edges.
TEST_F(Surfaces, VisibleSides) {
  auto onFrontEdges = [](const std::vector<Stroke>& rs) {
    const Plot3 c = absToPlot3d(1, -1, 0), a = absToPlot3d(-1, -1, 0), b = absToPlot3d(1, 1, 0);
    auto dist = [&c](const Plot3& e, const Op& o) {
      const double ex = e.x - c.x, ey = e.y - c.y;
      return std::fabs((o.x - c.x) * ey - (o.y - c.y) * ex) / std::hypot(ex, ey);
    };
    int n = 0;
    for (const Stroke& s : rs)
      for (const Op& o : s) {
        if (std::min(dist(a, o), dist(b, o)) > 1.5) ADD_FAILURE() << "off the edges at " << o.x << "," << o.y;
        ++n;
      }
    return n;
  };
  nograf_();  // only surfaces in the trace
  view(4, -5, -4);  // from below
  unitBox();
  survis_("TOP", 3);
  flat(0);
  EXPECT_GE(onFrontEdges(runs()), 4);
  survis_("BOTT", 4);
  const size_t before = runs().size();
  flat(0);
  EXPECT_GT(runs().size() - before, 3u);  // the lower side: the whole mesh
  endgrf_();
  view(4, -5, 4);  // from above
  unitBox();
  const size_t k = runs().size();
  flat(0);
  std::vector<Stroke> rs = runs();
  rs.erase(rs.begin(), rs.begin() + static_cast<long>(k));
  EXPECT_GE(onFrontEdges(rs), 4);
}

// After shlsur the horizon of the surface hides a later 3D curve where it
// passes behind the surface: a line near the back edge below the surface
// (z = 0.2 under its plane at 0.5) vanishes; the same line at the top of
// the box (z = 1, above the surface's outline) shows.
TEST_F(Surfaces, CurveBehindTheSurfaceIsHidden) {
  shlsur_();
  unitBox();
  flat(0.5f);
  EXPECT_EQ(zanglb.ihlopt, 1);
  size_t from = traceLines().size();
  const float xs[2] = {-0.5f, 0.3f}, ys[2] = {0.8f, 0.8f}, low[2] = {0.2f, 0.2f}, high[2] = {1, 1};
  int32_t n = 2;
  curv3d_(xs, ys, low, &n);
  EXPECT_TRUE(drawColours(from).empty());
  from = traceLines().size();
  curv3d_(xs, ys, high, &n);
  EXPECT_FALSE(drawColours(from).empty());
}

TEST_F(Surfaces, HiddenLinesSwitchOffAfterTheSurface) {
  unitBox();
  flat(0);
  EXPECT_EQ(zanglb.ihlopt, 0);
  EXPECT_EQ(zanglb.imkopt, 0);
  hidlin_("ON", 2);
  EXPECT_EQ(zanglb.ihlopt, 1);
  flat(0);
  EXPECT_EQ(zanglb.ihlopt, 1);
  hidlin_("OFF", 3);
  EXPECT_EQ(zanglb.ihlopt + zanglb.imkopt, 0);
}

TEST_F(Surfaces, BadInput) {
  unitBox();
  const float x[3] = {-1, 0, 1}, y[1] = {0}, z[3] = {0, 0, 0};
  int32_t three = 3, one = 1;
  auto lines = printed([&] { surfce_(x, &three, y, &one, z); });
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("Warning   2"), std::string::npos);
  // Steps that skip every row but the first.
  int32_t four = 4, step = 4, ok = 1;
  const float m[16] = {};
  lines = printed([&] { surmat_(m, &four, &four, &step, &ok); });
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("Warning   2"), std::string::npos);
  // NaN values leave holes, nothing else.
  std::vector<float> zn(9, 0.0f);
  zn[4] = NAN;
  size_t from = traceLines().size();
  EXPECT_TRUE(printed([&] { surfce_(x, &three, x, &three, zn.data()); }).empty());
  EXPECT_FALSE(drawColours(from).empty());
  endgrf_();
  // Outside a 3D axis system: a 2D one gives warning 35.
  float a = 0, e = 1, o = 0, s = 1;
  graf_(&a, &e, &o, &s, &a, &e, &o, &s);
  lines = printed([&] { surfce_(x, &three, x, &three, zn.data()); });
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("Incorrect level"), std::string::npos);
}

// surfun samples the function on lines xdel apart with ixpts points per
// interval; the function sees every grid point once.
int calls = 0;
float plane(const float* x, const float* y) {
  ++calls;
  return *x + *y;
}

TEST_F(Surfaces, FunctionSurfaceSamplesTheAxisRange) {
  graf3d(0, 2, 0, 1, 0, 1, 0, 1, 0, 3, 0, 1);
  int32_t ix = 2, iy = 1;
  float dx = 1, dy = 0.5f;
  calls = 0;
  surfun_(plane, &ix, &dx, &iy, &dy);
  // x: 0, 0.5, ..., 2 (5 points); y: 0, 0.5, 1 (3 points).
  EXPECT_EQ(calls, 15);
  int32_t bad = 0;
  EXPECT_EQ(printed([&] { surfun_(plane, &bad, &dx, &iy, &dy); }).size(), 1u);
}

}  // namespace
}  // namespace zantor::test
