// Colour axis systems: the colour scale, matrices and points at sample
// pixels, the placement of the colour bar, and bad input.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <zantor.h>

#include "colourplot/colour_plot.h"
#include "core/state.h"
#include "devices/raster/raster.h"
#include "support/fixture.h"
#include "support/ghostscript.h"

namespace zantor::test {
namespace {

class ColourPlot : public LibraryTest {
 protected:
  // A VIRT raster of the page size: one plot unit is one pixel.
  void open(const char* format = "VIRT") {
    call(metafl_, format);
    int32_t w = 2970, h = 2100;
    winsiz_(&w, &h);
    zanini_();
    zanglb.iproto = 0;
    ASSERT_EQ(zanglb.nlev, 1);
  }
  // Axis corner (300, 1500), 1001 x 501 plot units, so that X 0..2 has
  // 500 units per user unit and Y 0..1 has 500.
  void axes(float za, float ze, float zor, float zstp) {
    int32_t nxa = 300, nya = 1500, nxl = 1001, nyl = 501;
    axspos_(&nxa, &nya);
    axslen_(&nxl, &nyl);
    float xa = 0, xe = 2, xo = 0, xs = 1, ya = 0, ye = 1, yo = 0, ys = 0.5f;
    graf3_(&xa, &xe, &xo, &xs, &ya, &ye, &yo, &ys, &za, &ze, &zor, &zstp);
  }
  int32_t pixel(int x, int y) {
    int32_t v = -1;
    rpixel_(&x, &y, &v);
    return v;
  }
  std::string warningOf(const std::vector<std::string>& out) {
    return out.empty() ? std::string() : out[0];
  }
};

TEST_F(ColourPlot, ScaleOfTheRainbowTable) {
  open();
  axes(0, 1, 0, 0.25f);
  ASSERT_EQ(zanglb.nlev, 3);
  EXPECT_EQ(zanglb.nca, 1);
  EXPECT_EQ(zanglb.nce, 254);
  EXPECT_EQ(nzposn(0.0), 1);
  EXPECT_EQ(nzposn(1.0), 254);
  EXPECT_EQ(nzposn(1.5), zanglb.ncmax);
  EXPECT_EQ(nzposn(-0.5), zanglb.ncmin);
  // 0.5: 1 + int(0.5 * 254 / 1) = 128.
  EXPECT_EQ(nzposn(0.5), 128);
  EXPECT_EQ(nzposn(std::numeric_limits<double>::quiet_NaN()), zanglb.ncmin);
  endgrf_();
  // A reversed axis: values above the range get ncmin, below ncmax; the
  // start of the axis (1) still has the first colour.
  axes(1, 0, 1, -0.25f);
  ASSERT_EQ(zanglb.nlev, 3);
  EXPECT_EQ(nzposn(1.5), zanglb.ncmin);
  EXPECT_EQ(nzposn(-0.5), zanglb.ncmax);
  EXPECT_EQ(nzposn(1.0), 1);
  EXPECT_EQ(nzposn(0.0), 254);
  zanfin_();
}

TEST_F(ColourPlot, ScaleOfALogarithmicAxis) {
  open();
  call(scale_, "LOG", "Z");
  axes(-1, 2, -1, 1);  // 0.1 .. 100
  ASSERT_EQ(zanglb.nlev, 3);
  EXPECT_FLOAT_EQ(zanglb.zmin, 0.1f);
  EXPECT_FLOAT_EQ(zanglb.zmax, 100.0f);
  // cdelta = 254 / 3 = 84.667; 1 -> exponent 0: 1 + int(1 * 84.667) = 85;
  // 10 -> 1 + int(2 * 84.667) = 170.
  EXPECT_EQ(nzposn(1.0), 85);
  EXPECT_EQ(nzposn(10.0), 170);
  EXPECT_EQ(nzposn(0.0), zanglb.ncmin);
  EXPECT_EQ(nzposn(-3.0), zanglb.ncmin);
  EXPECT_EQ(nzposn(1000.0), zanglb.ncmax);
  zanfin_();
}

TEST_F(ColourPlot, MatrixCellsTakeTheScaleColourAtTheirPixels) {
  open();
  axes(0, 1, 0, 0.25f);
  // zmat(3, 2): row y = 0 holds 0, 0.2, 0.4; row y = 1 holds 0.2, 0.4, 0.6.
  const float z[6] = {0.0f, 0.2f, 0.4f, 0.2f, 0.4f, 0.6f};
  int32_t n = 3, m = 2, one = 1;
  crvmat_(z, &n, &m, &one, &one);
  zanfin_();
  // Cell 1 spans x 300..800, the mean of its corners is 0.2:
  // 1 + int(0.2 * 254) = 51.  Cell 2 (x 800..1300): mean 0.4 -> 102.
  EXPECT_EQ(pixel(550, 1250), 51);
  EXPECT_EQ(pixel(305, 1005), 51);
  EXPECT_EQ(pixel(1050, 1250), 102);
  EXPECT_EQ(pixel(1295, 1495), 102);
  // Outside the axis rectangle nothing was painted by the matrix.
  EXPECT_NE(pixel(1050, 990), 102);
}

TEST_F(ColourPlot, LogarithmicMatrixWithSubRectangles) {
  open();
  call(scale_, "LOG", "Z");
  axes(-1, 2, -1, 1);
  // One row of cells: corners 1 and 100 along X, equal along Y; two
  // sub-rectangles across each cell.
  const float z[6] = {1, 100, 1, 1, 100, 1};
  int32_t n = 3, m = 2, two = 2, one = 1;
  crvmat_(z, &n, &m, &two, &one);
  zanfin_();
  // Cell 1, first sub-rectangle (centre u = 0.25): 1 + 0.25 * 99 = 25.75,
  // log10 = 1.41078, 1 + int((1.41078 + 1) * 84.667) = 1 + 204 = 205.
  EXPECT_EQ(pixel(300 + 125, 1250), 205);
  // Second (u = 0.75): 75.25, log10 = 1.87651, 1 + int(2.87651 * 84.667)
  // = 1 + 243 = 244.
  EXPECT_EQ(pixel(300 + 375, 1250), 244);
  // Cell 2 runs from 100 back to 1: its first sub-rectangle is 75.25.
  EXPECT_EQ(pixel(800 + 125, 1250), 244);
}

TEST_F(ColourPlot, NobgdAndNotANumberLeaveCellsEmpty) {
  open();
  nobgd_();
  axes(0, 1, 0, 0.25f);
  const float nan = std::numeric_limits<float>::quiet_NaN();
  // Cell 1 below the range (ncmin, transparent), cell 2 touches a NaN.
  const float z[6] = {-1, -1, nan, -1, -1, 0.5f};
  int32_t n = 3, m = 2, one = 1;
  const int32_t before = 0;
  crvmat_(z, &n, &m, &one, &one);
  // Points: below the range under nobgd nothing; inside the range a box.
  float x = 0.5f, y = 0.5f, zz = -2;
  int32_t w = 20, h = 20;
  rpoint_(&x, &y, &zz, &w, &h);
  zanfin_();
  EXPECT_EQ(pixel(550, 1250), before);
  EXPECT_EQ(pixel(1050, 1250), before);
}

TEST_F(ColourPlot, PointsAreBoxesOfTheirColour) {
  open();
  axes(0, 1, 0, 0.25f);
  float x = 1, y = 0.5f, z = 0.5f;
  int32_t w = 20, h = 10;
  rpoint_(&x, &y, &z, &w, &h);
  float xs[2] = {0.5f, 5.0f}, ys[2] = {0.2f, 0.2f}, zs[2] = {1.0f, 1.0f};
  int32_t n = 2;
  curve3_(xs, ys, zs, &n);  // the second point lies outside the X range
  zanfin_();
  // (1, 0.5) -> plot (800, 1250); the box spans 790..810 x 1245..1255.
  EXPECT_EQ(pixel(800, 1250), 128);
  EXPECT_EQ(pixel(791, 1246), 128);
  EXPECT_NE(pixel(800, 1262), 128);
  EXPECT_EQ(pixel(550, 1400), 254);  // (0.5, 0.2), setres default 1 x 1
}

TEST_F(ColourPlot, FixedBarBesideTheAxesWithLabelsOutside) {
  open();
  int32_t nzl = 401;
  int32_t nxa = 300, nya = 1500, nxl = 1001, nyl = 501;
  axspos_(&nxa, &nya);
  ax3len_(&nxl, &nyl, &nzl);
  float xa = 0, xe = 2, xo = 0, xs = 1, ya = 0, ye = 1, yo = 0, ys = 0.5f;
  float za = 0, ze = 1, zo = 0, zs = 0.5f;
  graf3_(&xa, &xe, &xo, &xs, &ya, &ye, &yo, &ys, &za, &ze, &zo, &zs);
  ASSERT_EQ(zanglb.nlev, 3);
  const int nzb = zanglb.nzb;  // 85, like nzzb
  ASSERT_EQ(nzb, 85);
  // FIXE: left edge at nxa + nxl + nzzb = 1386, lower end at nya.
  EXPECT_EQ(zanglb.nbarx1, 1386);
  EXPECT_EQ(zanglb.nbarx2, 1386 + 84);
  EXPECT_EQ(zanglb.nbary2, 1500);
  EXPECT_EQ(zanglb.nbary1, 1100);
  const int ticEnd = 1470 + zanglb.ntic2, labelStart = ticEnd + zanglb.nnumx[2];
  zanfin_();
  // 254 steps over 400 units (1.57 a step) inside the outline: the lowest
  // row inside is colour 1, the top one 254; the row 1498 lies in step 2
  // ((1498 - 1100) / 400 * 254 = 252.7 from the top).
  EXPECT_EQ(pixel(1420, 1500), 255);  // the outline
  EXPECT_EQ(pixel(1420, 1499), 1);
  EXPECT_EQ(pixel(1420, 1498), 2);
  EXPECT_EQ(pixel(1420, 1101), 254);
  // Halfway up the bar: colour 1 + 127.
  EXPECT_NEAR(pixel(1420, 1300), 128, 1);
  // Labels 0, 0.5, 1 stand right of the ticks, beyond the label distance:
  // ink next to the middle label, none between the ticks and labels.
  auto inkIn = [&](int x0, int x1, int y0, int y1) {
    int n = 0;
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) n += pixel(x, y) != 0;
    return n;
  };
  EXPECT_GT(inkIn(labelStart, labelStart + 120, 1280, 1320), 20);
  EXPECT_EQ(inkIn(ticEnd + 2, labelStart - 2, 1100, 1500), 0);
  // The tick at 0.5 (y = 1300): from the bar edge 1470 outwards to 1494.
  EXPECT_EQ(inkIn(1471, ticEnd, 1290, 1310), 24);
}

TEST_F(ColourPlot, TopBarCentredBeyondTheTopTicks) {
  open();
  call(posbar_, "TOP");
  call(jusbar_, "CENT");
  int32_t nzl = 401;
  int32_t nxa = 300, nya = 1500, nxl = 1001, nyl = 501;
  axspos_(&nxa, &nya);
  ax3len_(&nxl, &nyl, &nzl);
  float xa = 0, xe = 2, xo = 0, xs = 1, ya = 0, ye = 1, yo = 0, ys = 0.5f;
  float za = 0, ze = 1, zo = 0, zs = 0.5f;
  graf3_(&xa, &xe, &xo, &xs, &ya, &ye, &yo, &ys, &za, &ze, &zo, &zs);
  ASSERT_EQ(zanglb.nlev, 3);
  // The upper X axis shows ticks only: D(top) = 24 units of outward ticks.
  // Lower edge: 1500 - 501 - 85 - 0 - 24 = 890; left end 300 + (1001 -
  // 401) / 2 = 600.
  EXPECT_EQ(zanglb.nbary2, 890);
  EXPECT_EQ(zanglb.nbarx1, 600);
  EXPECT_EQ(zanglb.nbarx2, 1000);
  EXPECT_EQ(zanglb.nbary1, 890 - 84);
  zanfin_();
  EXPECT_EQ(pixel(601, 850), 1);    // the Z axis start on the left
  EXPECT_EQ(pixel(999, 850), 254);
  EXPECT_EQ(pixel(590, 850), 0);    // left of the bar
}

TEST_F(ColourPlot, PostScriptGetsOneImageThatGhostscriptRenders) {
  open("PS");
  axes(0, 1, 0, 0.25f);
  std::vector<float> z(50 * 40);
  for (int j = 0; j < 40; ++j)
    for (int i = 0; i < 50; ++i) z[std::size_t(j) * 50 + i] = i < 25 ? 0.1f : 0.9f;
  int32_t n = 50, m = 40, one = 1;
  crvmat_(z.data(), &n, &m, &one, &one);
  if (!haveGhostscript()) GTEST_SKIP();
  zanfin_();
  const std::string ps = readFile("zantor.ps");
  // Two images: the colour bar and the matrix; no rectangle per cell.
  size_t images = 0;
  for (size_t p = ps.find("colorimage"); p != std::string::npos; p = ps.find("colorimage", p + 1))
    ++images;
  EXPECT_EQ(images, 2u);
  for (size_t a = 0, b; (b = ps.find('\n', a)) != std::string::npos; a = b + 1)
    EXPECT_LE(b - a, 80u);
  const Image im = renderPage("zantor.ps", 72, Pixels::Colour);
  ASSERT_GT(im.w, 0);
  // Left half 0.1 -> colour 1 + int(25.4) = 26; right half 0.9 -> 229.
  // Sample the rendered colours against the table entries.
  zanini_();  // the plot state for the device transform and the table
  const Pixel left = plotPixel(im, 72, 450, 1250), right = plotPixel(im, 72, 1150, 1250);
  int32_t i26 = 26, i229 = 229;
  float r, g, b;
  getind_(&i26, &r, &g, &b);
  EXPECT_TRUE(nearColour(im.at(left.x, left.y), int(r * 255), int(g * 255), int(b * 255), 20));
  getind_(&i229, &r, &g, &b);
  EXPECT_TRUE(nearColour(im.at(right.x, right.y), int(r * 255), int(g * 255), int(b * 255), 20));
  zanfin_();
}

TEST_F(ColourPlot, BadInputWarnsAndChangesNothing) {
  // graf3 at level 0: warning 3.
  float a = 0, e = 1, o = 0, s = 0.5f;
  auto out = printed([&] { graf3_(&a, &e, &o, &s, &a, &e, &o, &s, &a, &e, &o, &s); });
  EXPECT_NE(warningOf(out).find("   3: Incorrect level in GRAF3"), std::string::npos);
  open();
  // A Z axis of zero range: warning 10, the axis system stays closed.
  float z0 = 1;
  out = printed([&] { graf3_(&a, &e, &o, &s, &a, &e, &o, &s, &z0, &z0, &z0, &s); });
  EXPECT_NE(warningOf(out).find("  10: "), std::string::npos);
  EXPECT_EQ(zanglb.nlev, 1);
  EXPECT_EQ(zanglb.igraf3, 0);
  // A rejected X axis closes it as well.
  out = printed([&] { graf3_(&a, &a, &o, &s, &a, &e, &o, &s, &a, &e, &o, &s); });
  EXPECT_EQ(zanglb.nlev, 1);
  EXPECT_EQ(zanglb.igraf3, 0);
  // Setters: bad keyword, bad range.
  out = printed([&] { call(posbar_, "MIDD"); });
  EXPECT_NE(warningOf(out).find("   2: "), std::string::npos);
  EXPECT_EQ(zanglb.iposbr, 0);
  int32_t c1 = 200, c2 = 10;
  out = printed([&] { colran_(&c1, &c2); });
  EXPECT_EQ(zanglb.nca, 1);
  EXPECT_EQ(zanglb.nce, 254);
  // crvmat in a plain 2D axis system: level warning.
  graf_(&a, &e, &o, &s, &a, &e, &o, &s);
  const float zm[4] = {0, 1, 0, 1};
  int32_t two = 2, one = 1, zero = 0;
  out = printed([&] { crvmat_(zm, &two, &two, &one, &one); });
  EXPECT_NE(warningOf(out).find("   3: Incorrect level in CRVMAT"), std::string::npos);
  endgrf_();
  axes(0, 1, 0, 0.5f);
  ASSERT_EQ(zanglb.nlev, 3);
  out = printed([&] { crvmat_(zm, &one, &two, &one, &one); });
  EXPECT_NE(warningOf(out).find("   2: "), std::string::npos);
  out = printed([&] { crvmat_(zm, &two, &two, &zero, &one); });
  EXPECT_NE(warningOf(out).find("   2: "), std::string::npos);
  zanfin_();
}

TEST(RasterImage, CellsFollowTheAffinePlacement) {
  RasterContext r;
  ASSERT_EQ(r.qqvini(20, 20, false, false), 0);
  const int32_t cells[6] = {1, 2, 3, 4, 5, 6};  // 3 x 2
  // Upright: x 2..13, y 4..11.
  r.qqvimg({2, 4, 11, 0, 0, 7}, cells, 3, 2);
  EXPECT_EQ(r.qqvrpx(2, 4), 1);
  EXPECT_EQ(r.qqvrpx(13, 4), 3);
  EXPECT_EQ(r.qqvrpx(13, 11), 6);
  EXPECT_EQ(r.qqvrpx(6, 8), 5);   // s = 4/11 -> column 1, t = 4/7 -> row 1
  EXPECT_EQ(r.qqvrpx(14, 4), 0);
  EXPECT_EQ(r.qqvrpx(2, 12), 0);
  // Turned by 90 degrees: rows run down the page, columns to the left.
  r.qqvers();
  r.qqvimg({10, 0, 0, 9, -6, 0}, cells, 3, 2);
  EXPECT_EQ(r.qqvrpx(10, 0), 1);  // first cell at the corner
  EXPECT_EQ(r.qqvrpx(10, 9), 3);  // end of the first row
  EXPECT_EQ(r.qqvrpx(4, 0), 4);   // first cell of the second row
  EXPECT_EQ(r.qqvrpx(11, 0), 0);
}

}  // namespace
}  // namespace zantor::test
