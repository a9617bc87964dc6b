// Thick raster lines: caps, joins and miter limits at exact pixels in
// indexed pictures, unions without holes or seams, coverage blending
// without darker overlaps, and the settings arriving from the library.
#include <gtest/gtest.h>
#include <zantor.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/state.h"
#include "devices/dispatch.h"
#include "devices/raster/raster.h"
#include "devices/raster/raster_device.h"
#include "support/fixture.h"

namespace zantor::test {
namespace {

void polyline(RasterContext& r, const std::vector<int>& xy) {
  for (std::size_t i = 0; i + 1 < xy.size(); i += 2) r.qqvdrw(xy[i], xy[i + 1], i == 0 ? 3 : 2);
  r.flush();
}

int count(RasterContext& r, int value) {
  int n = 0;
  for (int y = 0; y < r.height(); ++y)
    for (int x = 0; x < r.width(); ++x) n += r.qqvrpx(x, y) == value;
  return n;
}

// A 60 x 50 indexed picture, pen index 7, width 10.
RasterContext& indexed(RasterContext& r) {
  EXPECT_EQ(r.qqvini(60, 50, false, false), 0);
  r.qqvclr(7);
  r.setLineWidth(10);
  return r;
}

TEST(RasterStroke, JoinsAtTheOuterCorner) {
  // Right, then up: the corner at (30, 30) turns left, so its outer corner
  // is the square 30..35 x 30..35 below and right of it.
  struct Case {
    int join;
    double limit;
    int at32, at33, at34;  // pixels on the outer diagonal
  };
  const Case cases[] = {
      {1, 2.0, 7, 7, 0},  // round: a disc of radius 5 (33,33 is 4.2 away)
      {2, 2.0, 7, 0, 0},  // truncated: the bevel x + y <= 65
      {0, 2.0, 7, 7, 7},  // sharp: the miter reaches (35, 35)
      {0, 1.3, 7, 0, 0},  // sharp beyond its limit (1.41 > 1.3): bevel
  };
  for (const Case& c : cases) {
    RasterContext r;
    indexed(r);
    r.setLineCap(0);
    r.setLineJoin(c.join);
    r.setMiterLimit(c.limit);
    polyline(r, {10, 30, 30, 30, 30, 10});
    const std::string what = "join " + std::to_string(c.join) + " limit " + std::to_string(c.limit);
    EXPECT_EQ(r.qqvrpx(32, 32), c.at32) << what;
    EXPECT_EQ(r.qqvrpx(33, 33), c.at33) << what;
    EXPECT_EQ(r.qqvrpx(34, 34), c.at34) << what;
    // The bands themselves: rows 26..35 and columns 25..34; edges are
    // half-open (left and bottom edges inside, right and top outside).
    EXPECT_EQ(r.qqvrpx(10, 26), 7) << what;
    EXPECT_EQ(r.qqvrpx(10, 35), 7) << what;
    EXPECT_EQ(r.qqvrpx(10, 36), 0) << what;
    EXPECT_EQ(r.qqvrpx(9, 30), 0) << what;
    EXPECT_EQ(r.qqvrpx(25, 11), 7) << what;
    EXPECT_EQ(r.qqvrpx(34, 11), 7) << what;
    EXPECT_EQ(r.qqvrpx(30, 10), 0) << what;
    EXPECT_EQ(r.qqvrpx(35, 20), 0) << what;
    // Nothing beyond the outer corner square.
    EXPECT_EQ(r.qqvrpx(36, 36), 0) << what;
  }
}

TEST(RasterStroke, CapsCutLongAndRound) {
  RasterContext r;
  indexed(r);
  r.setLineCap(0);  // cut: exactly the 20 x 10 band
  polyline(r, {10, 20, 30, 20});
  EXPECT_EQ(count(r, 7), 200);
  EXPECT_EQ(r.qqvrpx(10, 20), 7);
  EXPECT_EQ(r.qqvrpx(9, 20), 0);
  EXPECT_EQ(r.qqvrpx(29, 16), 7);
  EXPECT_EQ(r.qqvrpx(30, 20), 0);
  r.qqvers();
  r.setLineCap(2);  // long: half the width further at both ends
  polyline(r, {10, 20, 30, 20});
  EXPECT_EQ(count(r, 7), 300);
  EXPECT_EQ(r.qqvrpx(5, 16), 7);
  EXPECT_EQ(r.qqvrpx(4, 20), 0);
  EXPECT_EQ(r.qqvrpx(34, 25), 7);
  r.qqvers();
  r.setLineCap(1);  // round: discs, the corners of the long cap stay empty
  polyline(r, {10, 20, 30, 20});
  EXPECT_EQ(r.qqvrpx(5, 20), 7);
  EXPECT_EQ(r.qqvrpx(35, 20), 7);
  EXPECT_EQ(r.qqvrpx(6, 16), 0);
  EXPECT_EQ(r.qqvrpx(34, 24), 0);
  EXPECT_EQ(r.qqvrpx(8, 17), 7);  // 3.6 from the end point
  const int round = count(r, 7);
  EXPECT_GT(round, 200 + 60);  // two half discs of about 39 pixels each
  EXPECT_LT(round, 300 - 10);
  // A lone point is a disc with the round cap, else a square.
  r.qqvers();
  r.setLineCap(0);
  polyline(r, {20, 20, 20, 20});
  EXPECT_EQ(count(r, 7), 100);
  EXPECT_EQ(r.qqvrpx(15, 15), 7);
}

TEST(RasterStroke, DiagonalHasNoHolesAndTheRightArea) {
  RasterContext r;
  ASSERT_EQ(r.qqvini(80, 60, false, false), 0);
  r.qqvclr(3);
  r.setLineWidth(6);
  r.setLineCap(0);
  polyline(r, {5, 7, 71, 52});
  // Every column crossed by the band holds one unbroken run of pixels.
  for (int x = 8; x <= 68; ++x) {
    int first = -1, last = -1, set = 0;
    for (int y = 0; y < 60; ++y)
      if (r.qqvrpx(x, y) == 3) {
        if (first < 0) first = y;
        last = y;
        ++set;
      }
    ASSERT_GT(set, 0) << "column " << x;
    EXPECT_EQ(set, last - first + 1) << "hole in column " << x;
  }
  // And the pixel count is the area of the band.
  const double area = std::hypot(66.0, 45.0) * 6;
  EXPECT_NEAR(count(r, 3), area, area * 0.03);
}

TEST(RasterStroke, LongPolylineIsOneOutline) {
  // 250 points turning a corner at the hundredth point (where the buffer
  // is passed on) give exactly the pixels of the three-point line.
  auto draw = [](RasterContext& r, bool many) {
    EXPECT_EQ(r.qqvini(130, 180, false, false), 0);
    r.qqvclr(5);
    r.setLineWidth(8);
    r.setLineCap(0);
    r.setLineJoin(2);
    std::vector<int> xy;
    if (many) {
      for (int i = 0; i < 100; ++i) xy.insert(xy.end(), {10 + i, 20});
      for (int j = 1; j <= 150; ++j) xy.insert(xy.end(), {109, 20 + j});
    } else {
      xy = {10, 20, 109, 20, 109, 170};
    }
    polyline(r, xy);
  };
  RasterContext a, b;
  draw(a, true);
  draw(b, false);
  int differ = 0;
  for (int y = 0; y < 180; ++y)
    for (int x = 0; x < 130; ++x) differ += a.qqvrpx(x, y) != b.qqvrpx(x, y);
  EXPECT_EQ(differ, 0);
  EXPECT_EQ(a.qqvrpx(112, 23), 5);  // the bevel at the corner
}

TEST(RasterStroke, ClipRectangleAndFarPoints) {
  for (bool smooth : {false, true}) {
    RasterContext r;
    ASSERT_EQ(r.qqvini(40, 40, smooth, false), 0);
    r.setAntialias(smooth);
    r.qqvclr(smooth ? 0x01FFFFFF : 6);
    r.setLineWidth(6);
    r.setClip(10, 10, 29, 29);
    // Far beyond the picture on both sides: only the clipped part is drawn.
    polyline(r, {-1 << 27, -1 << 27, 1 << 27, 1 << 27});
    int inside = 0, outside = 0;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x) {
        const bool set = (r.qqvrpx(x, y) & 255) != 0;
        const bool in = x >= 10 && x <= 29 && y >= 10 && y <= 29;
        (in ? inside : outside) += set;
      }
    EXPECT_EQ(outside, 0) << smooth;
    EXPECT_GT(inside, 20 * 5) << smooth;
    EXPECT_NE(r.qqvrpx(20, 20) & 255, 0) << smooth;
  }
}

// 32-bit pictures, antialiased: a black pen on white.
class SmoothStroke : public ::testing::Test {
 protected:
  void start(RasterContext& r) {
    ASSERT_EQ(r.qqvini(64, 48, true, true), 0);
    r.setAntialias(true);
    r.qqvclr(0x01000000);
    r.setLineWidth(7);
    r.setLineCap(0);
    r.setLineJoin(2);
  }
  static int red(RasterContext& r, int x, int y) { return r.qqvrpx(x, y) & 255; }
};

TEST_F(SmoothStroke, OverlapsAreNotDarker) {
  // A stroke retraced three times is the same picture as the stroke once:
  // overlapping pieces are covered once, not blended again.
  RasterContext once, thrice;
  start(once);
  start(thrice);
  polyline(once, {6, 8, 55, 37});
  polyline(thrice, {6, 8, 55, 37, 6, 8, 55, 37});
  int partial = 0;
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 64; ++x) {
      const int v = red(once, x, y);
      partial += v > 20 && v < 235;
      ASSERT_EQ(red(thrice, x, y), v) << x << "," << y;
    }
  EXPECT_GT(partial, 40);  // the edges are blended, not jagged
  // A corner: the pixels where the two segments overlap are no darker than
  // the pen, and the band's edge keeps its partial coverage at the join.
  RasterContext corner;
  start(corner);
  corner.setLineJoin(1);
  polyline(corner, {5, 30, 30, 30, 30, 5});
  EXPECT_EQ(red(corner, 30, 30), 0);
  EXPECT_EQ(red(corner, 20, 30), 0);
  EXPECT_EQ(red(corner, 20, 20), 255);
}

TEST_F(SmoothStroke, WidthTwoAndPointsAreSmoothToo) {
  RasterContext r;
  start(r);
  r.setLineWidth(2);
  polyline(r, {4, 4, 60, 20});
  int partial = 0, full = 0;
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 64; ++x) {
      const int v = red(r, x, y);
      partial += v > 0 && v < 255;
      full += v == 0;
    }
  EXPECT_GT(partial, 56);
  EXPECT_GT(full, 20);
  // A round dot of width 7: the centre is covered, the box corners are not.
  r.qqvers();
  r.setLineWidth(7);
  r.setLineCap(1);
  polyline(r, {30, 30, 30, 30});
  EXPECT_EQ(red(r, 30, 30), 0);
  EXPECT_LT(red(r, 33, 30), 60);
  EXPECT_EQ(red(r, 33, 33), 255);  // the box corner: outside the disc
  EXPECT_LT(red(r, 32, 32), 230);  // 2.8 from the centre: partly covered
  EXPECT_GT(red(r, 32, 32), 10);
}

class RasterStrokeLibrary : public LibraryTest {};

TEST_F(RasterStrokeLibrary, JoinsAndMiterLimitReachTheRaster) {
  // Bounding box of the drawn pixels; the miter fills its bottom right
  // corner, the bevel leaves it empty.
  auto corner = [&](const char* join, float limit) {
    call(metafl_, "VIRT");
    int32_t w = 297, h = 210;
    winsiz_(&w, &h);
    zanini_();
    zanglb.iproto = 0;
    call(lnjoin_, join);
    lnmlt_(&limit);
    const int32_t width = 80;
    linwid_(&width);
    const float x[3] = {500, 1500, 1500}, y[3] = {1500, 1500, 500};
    strtpt_(&x[0], &y[0]);
    connpt_(&x[1], &y[1]);
    connpt_(&x[2], &y[2]);
    sendBuffer();  // the pending line reaches the raster
    int32_t v = -1;
    RasterContext* r = activeRaster();
    EXPECT_NE(r, nullptr);
    if (r != nullptr) {
      // Bounding box of the pixels that differ from the background.
      const int32_t bg = r->qqvrpx(0, 0);
      int x1 = -1, y1 = -1;
      for (int yy = 0; yy < r->height(); ++yy)
        for (int xx = 0; xx < r->width(); ++xx)
          if (r->qqvrpx(xx, yy) != bg) {
            x1 = std::max(x1, xx);
            y1 = std::max(y1, yy);
          }
      EXPECT_GT(x1, 0);
      v = r->qqvrpx(x1 - 1, y1 - 1) != bg;
    }
    zanfin_();
    return v != 0;
  };
  EXPECT_TRUE(corner("SHAR", 2.0f));
  EXPECT_FALSE(corner("TRUN", 2.0f));
  EXPECT_FALSE(corner("SHAR", 1.2f));
}

}  // namespace
}  // namespace zantor::test
