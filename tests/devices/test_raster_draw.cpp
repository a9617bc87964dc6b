// Drawing into the raster context, checked at exact pixels.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "devices/raster/raster.h"

namespace zantor::test {
namespace {

// An 8-bit raster with colour index 7 as the pen.
class RasterDraw : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(r.qqvini(40, 30, false, false), 0);
    r.qqvclr(7);
  }
  int at(int x, int y) { return r.qqvrpx(x, y); }
  int count(int value) {
    int n = 0;
    for (int y = 0; y < r.height(); ++y)
      for (int x = 0; x < r.width(); ++x) n += at(x, y) == value;
    return n;
  }
  std::string rowText(int y) {
    std::string s;
    for (int x = 0; x < r.width(); ++x) s += at(x, y) ? '#' : '.';
    return s;
  }
  RasterContext r;
};

TEST_F(RasterDraw, SinglePointsAndBareMoves) {
  r.qqvdrw(5, 6, 3);
  r.flush();
  EXPECT_EQ(count(7), 0);  // a bare move sets nothing
  r.qqvdrw(5, 6, 3);
  r.qqvdrw(5, 6, 2);
  r.flush();
  EXPECT_EQ(count(7), 1);
  EXPECT_EQ(at(5, 6), 7);
}

TEST_F(RasterDraw, BresenhamSetsBothEndsAndOnePixelPerColumn) {
  r.qqvdrw(2, 3, 3);
  r.qqvdrw(12, 7, 2);
  r.flush();
  EXPECT_EQ(count(7), 11);
  EXPECT_EQ(at(2, 3), 7);
  EXPECT_EQ(at(12, 7), 7);
  // Error starts at -5: steps down after columns 3, 5/6, 8, 10.
  const int expectY[11] = {3, 3, 4, 4, 5, 5, 5, 6, 6, 7, 7};
  for (int i = 0; i <= 10; ++i) EXPECT_EQ(at(2 + i, expectY[i]), 7) << "column " << 2 + i;
  // Steep line: one pixel per row.
  r.qqvers();
  r.qqvdrw(20, 2, 3);
  r.qqvdrw(17, 20, 2);
  r.flush();
  EXPECT_EQ(count(7), 19);
}

TEST_F(RasterDraw, RunsAndClipping) {
  r.setClip(10, 5, 19, 14);
  r.qqvdrw(0, 8, 3);
  r.qqvdrw(39, 8, 2);  // horizontal run cut to x 10..19
  r.qqvdrw(15, 0, 3);
  r.qqvdrw(15, 29, 2);  // vertical run cut to y 5..14
  r.qqvdrw(0, 0, 3);
  r.qqvdrw(39, 29, 2);  // diagonal, only the inside pixels
  r.flush();
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x)
      if (at(x, y) == 7) {
        EXPECT_TRUE(x >= 10 && x <= 19 && y >= 5 && y <= 14) << x << "," << y;
      }
  EXPECT_EQ(at(10, 8), 7);
  EXPECT_EQ(at(19, 8), 7);
  EXPECT_EQ(at(15, 5), 7);
  EXPECT_EQ(at(15, 14), 7);
  r.resetClip();
  r.qqvdrw(-100000, 2, 3);  // far outside: no wrap, no crash
  r.qqvdrw(100000, 2, 2);
  r.flush();
  EXPECT_EQ(rowText(2), std::string(40, '#'));
}

TEST_F(RasterDraw, WideLinesAndPoints) {
  r.setLineWidth(3);
  r.qqvdrw(5, 10, 3);
  r.qqvdrw(30, 10, 2);
  r.flush();
  // Three rows centred on the line.
  EXPECT_EQ(at(5, 9), 7);
  EXPECT_EQ(at(5, 10), 7);
  EXPECT_EQ(at(5, 11), 7);
  EXPECT_EQ(at(5, 12), 0);
  EXPECT_EQ(count(7), 3 * 26);

  r.qqvers();
  r.setLineWidth(4);
  r.setPointShape(2);  // square point: 4 x 4 from (x - 2, y - 2)
  r.qqvdrw(10, 10, 3);
  r.qqvdrw(10, 10, 2);
  r.flush();
  EXPECT_EQ(count(7), 16);
  EXPECT_EQ(at(8, 8), 7);
  EXPECT_EQ(at(11, 11), 7);
  EXPECT_EQ(at(12, 12), 0);
}

TEST_F(RasterDraw, ThickLineHasRoundOrSquareEnds) {
  ASSERT_EQ(r.qqvini(60, 40, false, false), 0);
  r.qqvclr(7);
  r.setLineWidth(10);
  r.qqvdrw(20, 20, 3);
  r.qqvdrw(40, 20, 2);
  r.flush();
  EXPECT_EQ(at(30, 16), 7);
  EXPECT_EQ(at(30, 24), 7);
  EXPECT_EQ(at(15, 20), 7);  // round end reaches radius 5 beyond the point
  EXPECT_EQ(at(16, 16), 0);  // ... but not into the corner
  r.qqvers();
  r.setLineCap(2);
  r.qqvdrw(20, 20, 3);
  r.qqvdrw(40, 20, 2);
  r.flush();
  EXPECT_EQ(at(16, 17), 7);  // square end fills the corner
  EXPECT_EQ(at(13, 20), 0);
}

TEST_F(RasterDraw, PolygonEvenOddWithHalfOpenEdges) {
  // A square with a square hole: even-odd leaves the hole empty.
  const double x[10] = {5, 25, 25, 5, 5, 10, 10, 20, 20, 10};
  const double y[10] = {5, 5, 25, 25, 5, 10, 20, 20, 10, 10};
  int status = -1;
  r.qqvpol(x, y, 10, status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(at(7, 15), 7);
  EXPECT_EQ(at(15, 15), 0);
  // Row 5 lies on the top edge: the half-open rule gives no crossing there.
  EXPECT_EQ(at(15, 5), 0);
  EXPECT_EQ(at(15, 6), 7);
  EXPECT_EQ(at(25, 25), 7);  // spans include both ends; last row included
}

TEST_F(RasterDraw, PolygonWithTooManyCrossingsIsDrawnIncompletely) {
  ASSERT_EQ(r.qqvini(400, 20, false, false), 0);
  r.qqvclr(3);
  // A comb of 60 teeth: 120 crossings on every row between y 2 and 15.
  std::vector<double> x, y;
  for (int t = 0; t < 60; ++t) {
    x.push_back(5 + 6 * t);
    y.push_back(15);
    x.push_back(5 + 6 * t);
    y.push_back(2);
    x.push_back(8 + 6 * t);
    y.push_back(2);
    x.push_back(8 + 6 * t);
    y.push_back(15);
  }
  x.push_back(370);
  y.push_back(18);
  x.push_back(5);
  y.push_back(18);
  int status = 0;
  r.qqvpol(x.data(), y.data(), int(x.size()), status);
  EXPECT_EQ(status, 1);
  EXPECT_EQ(r.qqvrpx(6, 10), 3);     // early teeth are there
  EXPECT_EQ(r.qqvrpx(6 + 6 * 55, 10), 0);  // the dropped crossings are not
  EXPECT_EQ(r.qqvrpx(100, 17), 3);   // rows with few crossings are complete
}

TEST_F(RasterDraw, RectanglesCirclesAndTriangles) {
  r.qqvfll(30, 25, 20, 20, 4);  // corners in any order, both included
  EXPECT_EQ(count(4), 11 * 6);
  r.qqvfll(-50, -50, 1, 1, 5);  // cut to the picture
  EXPECT_EQ(count(5), 4);
  r.qqvers();
  r.qqvcirc(15, 15, 5, false);
  EXPECT_EQ(at(20, 15), 7);
  EXPECT_EQ(at(15, 10), 7);
  EXPECT_EQ(at(15, 15), 0);
  r.qqvcirc(15, 15, 5, true);
  EXPECT_EQ(at(15, 15), 7);
  EXPECT_EQ(at(12, 12), 7);  // 4.2 from the centre
  EXPECT_EQ(at(11, 11), 0);  // 5.7 from the centre
  r.qqvers();
  const double tx[3] = {2, 22, 2}, ty[3] = {2, 2, 22};
  const int32_t tc[3] = {10, 10, 10};
  r.qqvftr(tx, ty, tc);
  EXPECT_EQ(at(3, 3), 10);
  EXPECT_EQ(at(21, 21), 0);
}

TEST_F(RasterDraw, MarkerSymbols) {
  r.qqvsym(0, 20, 15, 10);  // open square from 15 to 25
  EXPECT_EQ(at(15, 10), 7);
  EXPECT_EQ(at(25, 20), 7);
  EXPECT_EQ(at(20, 15), 0);
  r.qqvsym(16, 20, 15, 10);  // filled square
  EXPECT_EQ(at(20, 15), 7);
  r.qqvsym(24, 20, 15, 10);  // no such symbol: nothing, no crash
  r.qqvsym(3, -1000, -1000, 100000);
}

TEST_F(RasterDraw, PixelAccessOutsideIsIgnored) {
  r.qqvwpx(-1, 0, 9);
  r.qqvwpx(40, 0, 9);
  r.qqvwpx(0, 30, 9);
  EXPECT_EQ(count(9), 0);
  EXPECT_EQ(r.qqvrpx(-1, 0), -1);
  EXPECT_EQ(r.qqvrpx(0, 30), -1);
  const uint8_t row[5] = {1, 2, 3, 4, 5};
  r.qqvrow(row, 38, 4, 5);  // only two fit
  uint8_t back[5] = {9, 9, 9, 9, 9};
  r.qqvrdr(back, 37, 4, 5);
  EXPECT_EQ(std::vector<int>(back, back + 5), (std::vector<int>{0, 1, 2, 0, 0}));
  r.qqvrow(row, -3, 0, 5);
  EXPECT_EQ(at(0, 0), 4);
  EXPECT_EQ(at(1, 0), 5);
}

TEST(RasterContextSizes, ImpossibleSizesFailCleanly) {
  RasterContext r;
  EXPECT_EQ(r.qqvini(0, 10, false, false), 1);
  EXPECT_EQ(r.qqvini(10, -5, true, false), 1);
  EXPECT_EQ(r.qqvini(100000, 100000, true, false), 1);  // 40 GB
  EXPECT_EQ(r.qqvini(2147483647, 2147483647, true, false), 1);
  // Below the byte limit but more pixels than any image file is written
  // from in reasonable time (zanfin of a 32767 x 32767 IMAG raster).
  EXPECT_EQ(r.qqvini(32767, 32767, false, false), 1);
  EXPECT_EQ(r.qqvini(8193, 8192, false, false), 1);
  EXPECT_FALSE(r.allocated());
  EXPECT_EQ(r.qqvini(8192, 8192, false, false), 0);  // the largest picture
  r.qqvfin();
  r.qqvdrw(1, 1, 3);  // drawing without a framebuffer does nothing
  r.qqvdrw(5, 5, 2);
  r.flush();
  int status = 0;
  const double x[3] = {0, 5, 0}, y[3] = {0, 0, 5};
  r.qqvpol(x, y, 3, status);
  EXPECT_EQ(r.qqvrpx(1, 1), -1);
}

TEST(RasterContextModes, TrueColourBackgroundsAndColours) {
  RasterContext r;
  ASSERT_EQ(r.qqvini(8, 4, true, true), 0);  // reverse: white, alpha 0
  const uint8_t* p = r.row(3);
  EXPECT_EQ(p[0], 255);
  EXPECT_EQ(p[3], 0);
  r.qqvwpx(1, 1, 0x01336699);  // explicit: red 0x99, green 0x66, blue 0x33
  EXPECT_EQ(r.qqvrpx(1, 1), 0x01336699);
  EXPECT_EQ(r.row(1)[4 + 3], 255);  // written pixels are opaque
  int x0, y0, x1, y1;
  r.qqvcrp(x0, y0, x1, y1);
  EXPECT_EQ(std::vector<int>({x0, y0, x1, y1}), (std::vector<int>{1, 1, 1, 1}));
  r.qqvers();
  r.qqvcrp(x0, y0, x1, y1);
  EXPECT_EQ(x0, -1);
  // Indexed: explicit colours go to the nearest table entry.
  ASSERT_EQ(r.qqvini(8, 4, false, false), 0);
  const int32_t table[9] = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF,
                            0xFFFF00, 0xFF8000, 0x00FFFF, 0xFF00FF};
  r.qqvvlt(0, table);
  r.qqvwpx(2, 2, 0x010010F0);  // nearly red
  EXPECT_EQ(r.qqvrpx(2, 2), 2);
  // Cropping keeps the pixels of the sub-rectangle.
  EXPECT_EQ(r.qqvwin(2, 2, 3, 2), 0);
  EXPECT_EQ(r.width(), 3);
  EXPECT_EQ(r.qqvrpx(0, 0), 2);
  EXPECT_EQ(r.qqvwin(1, 1, 3, 2), -3);
}

TEST(RasterContextModes, SmoothLinesCoverTheIdealLine) {
  RasterContext r;
  ASSERT_EQ(r.qqvini(20, 20, true, false), 0);
  r.setAntialias(true);
  r.qqvclr(0x01FFFFFF);
  r.qqvdrw(2, 2, 3);
  r.qqvdrw(12, 7, 2);  // slope 1/2: columns alternate full and half pixels
  r.flush();
  EXPECT_EQ(r.row(2)[4 * 2], 255);   // end points fully covered
  EXPECT_EQ(r.row(7)[4 * 12], 255);
  // At x = 3 the line is at y = 2.5: both neighbours half covered, which is
  // 188 in sRGB for half white on black (linear light).
  EXPECT_NEAR(r.row(2)[4 * 3], 188, 2);
  EXPECT_NEAR(r.row(3)[4 * 3], 188, 2);
  EXPECT_EQ(r.row(5)[4 * 3], 0);
  // A horizontal line is exact.
  r.qqvdrw(0, 15, 3);
  r.qqvdrw(19, 15, 2);
  r.flush();
  for (int x = 0; x < 20; ++x) EXPECT_EQ(r.row(15)[4 * x], 255);
  EXPECT_EQ(r.row(14)[0], 0);
}

}  // namespace
}  // namespace zantor::test
