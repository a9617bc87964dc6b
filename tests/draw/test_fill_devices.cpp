// Device fills, circles and ellipses, boxes in a colour and frames.
#include <cmath>

#include "draw/colour.h"
#include "draw/fill.h"
#include "fill_trace.h"

namespace zantor::test {
namespace {

class FillDevices : public FillTest {
 protected:
  static DeviceCaps canFill(bool polygon, bool rect) {
    DeviceCaps c;
    c.fillPolygon = polygon;
    c.fillRect = rect;
    return c;
  }
};

TEST_F(FillDevices, SolidPatternIsOneDevicePolygonWithTheOrigin) {
  open(canFill(true, false));
  const int32_t s = 16, ox = 10, oy = 20;
  shdpat_(&s);
  origin_(&ox, &oy);
  areaf({100, 200, 150}, {100, 100, 180});
  auto polys = polygons();
  const int outlineDraws = count("draw");
  close();
  ASSERT_EQ(polys.size(), 1u);
  ASSERT_EQ(polys[0].size(), 3u);
  const double want[3][2] = {{110, 120}, {210, 120}, {160, 200}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(polys[0][i].first, want[i][0], 1e-3);
    EXPECT_NEAR(polys[0][i].second, want[i][1], 1e-3);
  }
  EXPECT_EQ(outlineDraws, 3);  // areaf's outline, no hatch lines
}

TEST_F(FillDevices, HatchPatternsAndDisabledDeviceFillStayInSoftware) {
  open(canFill(true, true));
  const int32_t hatch = 3, solid = 16;
  shdpat_(&hatch);
  areaf({100, 200, 200, 100}, {100, 100, 200, 200});
  EXPECT_EQ(count("polygon"), 0);
  shdpat_(&solid);
  zanglb.ihwshd = 0;
  areaf({100, 200, 200, 100}, {100, 100, 200, 200});
  close();
  EXPECT_EQ(count("polygon"), 0);
  EXPECT_GT(count("draw"), 100);
}

TEST_F(FillDevices, CirclesUseOneSegmentPerMillimetre) {
  open(canFill(true, false));
  const int32_t s = 16;
  shdpat_(&s);
  zanglb.ilinsh = 0;
  struct Case { int32_t a, b; std::size_t points; };
  const Case cases[] = {
      {100, 100, 62},    // int(100 x 2 pi / 10)
      {2, 2, 5},         // at least 5
      {5000, 5000, 1000},  // at most 1000
      {300, 100, 188},   // the larger radius counts
  };
  const int32_t cx = 1000, cy = 1000;
  for (const auto& c : cases) {
    if (c.a == c.b) circle_(&cx, &cy, &c.a);
    else ellips_(&cx, &cy, &c.a, &c.b);
  }
  auto polys = polygons();
  close();
  ASSERT_EQ(polys.size(), 4u);
  for (std::size_t k = 0; k < 4; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(polys[k].size(), cases[k].points);
    // Starts at angle 0 and turns counter-clockwise on the page.
    EXPECT_NEAR(polys[k][0].first, cx + cases[k].a, 1e-2);
    EXPECT_NEAR(polys[k][0].second, cy, 1e-2);
    EXPECT_LT(polys[k][1].second, cy);
    for (const auto& [x, y] : polys[k]) {
      const double u = (x - cx) / cases[k].a, v = (y - cy) / cases[k].b;
      EXPECT_NEAR(u * u + v * v, 1.0, 1e-3);
    }
  }
}

TEST_F(FillDevices, PageOriginAppliesToShapes) {
  open(canFill(true, false));
  call(pagorg_, "BOTT");
  const int32_t s = 16, x = 100, y = 100, w = 50, h = 20;
  shdpat_(&s);
  rectan_(&x, &y, &w, &h);
  auto polys = polygons();
  close();
  ASSERT_EQ(polys.size(), 1u);
  // (x, y) .. (x + w - 1, y + h - 1) counted from the bottom of the page.
  EXPECT_NEAR(polys[0][0].second, height - 100, 1e-3);
  EXPECT_NEAR(polys[0][2].first, 149, 1e-3);
  EXPECT_NEAR(polys[0][2].second, height - 119, 1e-3);
}

TEST_F(FillDevices, BoxesAreClippedAndFilledInTheirColour) {
  open(canFill(false, true));
  dbox(-100, -50, 40, 30, 255);
  dbox(5000, 100, 6000, 200, 1);  // outside the page: nothing
  close();
  ASSERT_EQ(count("rect"), 1);
  for (const auto& l : traceLines()) {
    if (l.rfind("rect", 0) != 0) continue;
    std::istringstream in(l.substr(4));
    double x1, y1, x2, y2;
    in >> x1 >> y1 >> x2 >> y2;
    EXPECT_NEAR(px(x1), 0, 1e-3);
    EXPECT_NEAR(py(y1), 0, 1e-3);
    EXPECT_NEAR(px(x2), 40, 1e-3);
    EXPECT_NEAR(py(y2), 30, 1e-3);
  }
  // Only the plot's starting colour: the device takes the colour with the box.
  EXPECT_EQ(count("colour"), 1);
}

TEST_F(FillDevices, BoxWithoutRectangleFillIsASolidPolygonInItsColour) {
  open(canFill(true, false));
  qqsclr(7);
  const int32_t hatch = 5;
  shdpat_(&hatch);
  dbox(10, 10, 40, 30, 255);
  close();
  std::vector<std::string> ops;
  for (const auto& l : traceLines())
    if (l.rfind("colour", 0) == 0 || l.rfind("polygon", 0) == 0) ops.push_back(l.substr(0, 7));
  ASSERT_EQ(ops.size(), 5u);      // after the plot's starting colour:
  EXPECT_EQ(ops[1], "colour ");  // 7
  EXPECT_EQ(ops[2], "colour ");  // 255 for the box
  EXPECT_EQ(ops[3], "polygon");
  EXPECT_EQ(ops[4], "colour ");  // back to 7
  EXPECT_EQ(zanglb.ncolr, 7);
  EXPECT_EQ(zanglb.nshd, 5);  // the pattern is untouched
}

TEST_F(FillDevices, PageFillCoversThePageAndRestoresTheColour) {
  open(canFill(false, true));
  const int32_t before = zanglb.ncolr, c = 3;
  pagfll_(&c);
  close();
  EXPECT_EQ(count("rect"), 1);
  EXPECT_EQ(zanglb.ncolr, before);
}

TEST_F(FillDevices, FramesAreConcentricRectangles) {
  open();
  dframe(100, 200, 50, 40, 3, 0.0f);
  auto out = segments();
  zanglb.nfra = -1;
  zanglb.ifrclr = 9;
  dframe(100, 200, 50, 40, 2, 0.0f);
  dframe(100, 200, 50, 40, 0, 0.0f);  // nothing
  auto all = segments();
  close();
  ASSERT_EQ(out.size(), 12u);
  for (int i = 0; i < 3; ++i) {  // outwards by i units
    EXPECT_NEAR(out[4 * i].x1, 100 - i, 1e-3);
    EXPECT_NEAR(out[4 * i].y1, 200 - i, 1e-3);
    EXPECT_NEAR(out[4 * i + 1].x2, 149 + i, 1e-3);
    EXPECT_NEAR(out[4 * i + 1].y2, 239 + i, 1e-3);
  }
  ASSERT_EQ(all.size(), 20u);
  EXPECT_NEAR(all[16].x1, 101, 1e-3);  // inwards for negative frames
  EXPECT_EQ(count("colour"), 3);       // start, frame colour and back
}

// A frame of 1,000 rectangles (10 cm thick) is one filled band: the ring
// between the outer and the inner rectangle, not 1,000 outlines.
TEST_F(FillDevices, VeryThickFramesAreFilledBands) {
  open(canFill(true, false));
  dframe(1000, 1000, 200, 100, 1000, 0.0f);
  const int draws = count("draw");
  auto polys = polygons();
  zanglb.nfra = -1;  // inwards: the band closes the box
  dframe(1000, 1000, 200, 100, 1000, 0.0f);
  auto inwards = polygons();
  close();
  EXPECT_EQ(draws, 0);
  ASSERT_EQ(polys.size(), 1u);
  ASSERT_GE(polys[0].size(), 8u);  // two rings of an even-odd fill
  double xmin = 1e9, xmax = -1e9;
  for (const auto& p : polys[0]) xmin = std::min(xmin, p.first), xmax = std::max(xmax, p.first);
  EXPECT_NEAR(xmin, 1000 - 999 - 0.5, 1e-3);
  EXPECT_NEAR(xmax, 1199 + 999 + 0.5, 1e-3);
  ASSERT_EQ(inwards.size(), 2u);
  EXPECT_LE(inwards[1].size(), 5u);  // the box, filled whole
}

TEST_F(FillDevices, RotatedFramesTurnAboutTheirCorner) {
  open();
  dframe(500, 500, 101, 51, 1, 90.0f);
  auto seg = segments();
  close();
  ASSERT_EQ(seg.size(), 4u);
  EXPECT_NEAR(seg[0].x1, 500, 1e-3);
  EXPECT_NEAR(seg[0].y1, 500, 1e-3);
  // The top side now points up the page.
  EXPECT_NEAR(seg[0].x2, 500, 1e-3);
  EXPECT_NEAR(seg[0].y2, 400, 1e-3);
}

}  // namespace
}  // namespace zantor::test
