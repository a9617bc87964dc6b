// Axis ticks, labels and names as Ghostscript renders them: ink where the
// scaling puts ticks and labels, paper between them, no label touching a
// tick, decades on a logarithmic axis, part colours.
#include <zantor.h>

#include <algorithm>
#include <functional>

#include "core/state.h"
#include "support/fixture.h"
#include "support/ghostscript.h"

namespace zantor::test {
namespace {

constexpr int kDpi = 36;

class AxisRender : public LibraryTest {
 protected:
  void SetUp() override {
    LibraryTest::SetUp();
    if (!haveGhostscript()) GTEST_SKIP() << "Ghostscript is not installed";
  }

  // One axis system on a PostScript page: the lower left corner at
  // (500, 1500), 1500 x 1000 units, large text and ticks so that every
  // band is several pixels wide at 36 dpi.
  void plot(const std::function<void()>& settings, float xa, float xe, float xo, float xs) {
    call(metafl_, "PS");
    zanini_();
    zanglb.iproto = 0;
    int32_t x = 500, y = 1500, lx = 1500, ly = 1000, h = 60, t1 = 20, t2 = 40, d = 40;
    axspos_(&x, &y);
    axslen_(&lx, &ly);
    height_(&h);
    hname_(&h);
    ticlen_(&t2, &t1);
    labdis_(&d, "XY", 2);
    int32_t one = 1, ndig = -1;
    ticks_(&one, "XY", 2);
    labdig_(&ndig, "XY", 2);
    frame_(&(ndig = 0));
    settings();
    float ya = 0, ye = 10, yo = 0, ys = 2;
    graf_(&xa, &xe, &xo, &xs, &ya, &ye, &yo, &ys);
    endgrf_();
    const std::string file = zanglb.cfil.str();
    zanfin_();
    pic = renderPage(file, kDpi, Pixels::Colour);
    ASSERT_GT(pic.w, 0);
  }

  // Dark pixels and pixels of colour (r, g, b) inside a plot rectangle.
  int ink(double x1, double y1, double x2, double y2, int r = -1, int g = 0, int b = 0) const {
    int lo[2] = {1 << 30, 1 << 30}, hi[2] = {-1, -1};
    for (double x : {x1, x2})
      for (double y : {y1, y2}) {
        const Pixel p = plotPixel(pic, kDpi, x, y);
        lo[0] = std::min(lo[0], p.x), hi[0] = std::max(hi[0], p.x);
        lo[1] = std::min(lo[1], p.y), hi[1] = std::max(hi[1], p.y);
      }
    int n = 0;
    for (int py = std::max(0, lo[1]); py <= std::min(pic.h - 1, hi[1]); ++py)
      for (int px = std::max(0, lo[0]); px <= std::min(pic.w - 1, hi[0]); ++px) {
        if (r < 0 ? pic.dark(px, py, 100) : nearColour(pic.at(px, py), r, g, b)) ++n;
      }
    return n;
  }

  static double xAt(double v, double a, double e) { return 500 + (v - a) * 1499 / (e - a); }
  static double yAt(double v) { return 1500 - v * 999 / 10; }

  Image pic;
};

TEST_F(AxisRender, LinearTicksLabelsAndNames) {
  plot([] { call(name_, "Name", "X"); }, 0, 10, 0, 2);
  const double y = 1500;
  for (int v = 0; v <= 10; v += 2) {
    const double x = xAt(v, 0, 10);
    EXPECT_GT(ink(x - 6, y + 8, x + 6, y + 34), 0) << "tick at " << v;
    EXPECT_GT(ink(x - 25, y + 90, x + 25, y + 135), 0) << "label " << v;
    if (v < 10) {
      EXPECT_EQ(ink(x + 60, y + 8, x + 90, y + 135), 0) << "between labels after " << v;
    }
    // The left Y axis: tick, then the label left of it.
    const double yy = yAt(v);
    EXPECT_GT(ink(460, yy - 6, 492, yy + 6), 0) << "Y tick at " << v;
    EXPECT_GT(ink(360, yy - 20, 415, yy + 20), 0) << "Y label " << v;
  }
  // Paper between the ticks and the labels on both axes.
  EXPECT_EQ(ink(480, y + 50, 2020, y + 72), 0);
  EXPECT_EQ(ink(428, 480, 450, 1520), 0);
  // The name lies beyond the labels, centred; nothing at the axis ends.
  EXPECT_GT(ink(1150, y + 175, 1350, y + 240), 0);
  EXPECT_EQ(ink(500, y + 150, 900, y + 260), 0);
  // The upper X axis has ticks but neither labels nor a name.
  EXPECT_GT(ink(xAt(4, 0, 10) - 6, 501 - 34, xAt(4, 0, 10) + 6, 501 - 8), 0);
  EXPECT_EQ(ink(500, 501 - 300, 2000, 501 - 55), 0);
}

TEST_F(AxisRender, LogarithmicAxisShowsDecades) {
  plot([] {
    call(scale_, "LOG", "X");
    call(labels_, "LOG", "X");
  }, -1, 3, -1, 1);
  const double y = 1500;
  for (int k = -1; k <= 3; ++k) {
    const double x = xAt(k, -1, 3);
    EXPECT_GT(ink(x - 6, y + 8, x + 6, y + 34), 0) << "decade tick " << k;
    EXPECT_GT(ink(x - 40, y + 80, x + 40, y + 150), 0) << "label of decade " << k;
    // The raised exponent reaches no higher than the label distance.
    EXPECT_EQ(ink(x - 60, y + 50, x + 60, y + 72), 0) << "gap at decade " << k;
    if (k < 3) {
      const double mid = xAt(k + 0.5, -1, 3);
      EXPECT_EQ(ink(mid - 40, y + 80, mid + 40, y + 150), 0) << "no label inside decade " << k;
    }
  }
}

TEST_F(AxisRender, UpperAndRightSidesGoOutwardsInTheirColours) {
  plot([] {
    setgrf_("NAME", "NAME", "NAME", "NAME", 4, 4, 4, 4);
    call(name_, "Top", "X");
    int32_t red = 0x010000FF;
    axclrs_(&red, "LABE", "XY", 4, 2);
  }, 0, 10, 0, 2);
  const double top = 501;
  for (int v = 0; v <= 10; v += 2) {
    const double x = xAt(v, 0, 10);
    // Upper X: labels above the ticks, in red; the ticks stay black.
    EXPECT_GT(ink(x - 25, top - 135, x + 25, top - 90, 255, 0, 0), 0) << "upper label " << v;
    EXPECT_EQ(ink(x - 4, top - 34, x + 4, top - 8, 255, 0, 0), 0) << "upper tick " << v;
    EXPECT_GT(ink(x - 4, top - 34, x + 4, top - 8), 0) << "upper tick " << v;
    // Right Y: labels right of the ticks.
    const double yy = yAt(v);
    EXPECT_GT(ink(2085, yy - 20, 2140, yy + 20, 255, 0, 0), 0) << "right label " << v;
  }
  EXPECT_EQ(ink(480, top - 72, 2020, top - 50), 0);
  EXPECT_EQ(ink(2050, 480, 2072, 1520), 0);
  // The upper name above its labels.
  EXPECT_GT(ink(1150, top - 240, 1350, top - 175), 0);
}

TEST_F(AxisRender, VerticalLabelsAndEndSelection) {
  plot([] {
    call(labtyp_, "VERT", "X");
    call(axends_, "NOFI", "X");
  }, 0, 10, 0, 2);
  const double y = 1500;
  // Rotated labels hang below the ticks and are narrow along the axis.
  EXPECT_EQ(ink(xAt(0, 0, 10) - 25, y + 80, xAt(0, 0, 10) + 25, y + 200), 0) << "NOFI";
  for (int v = 2; v <= 10; v += 2) {
    const double x = xAt(v, 0, 10);
    EXPECT_GT(ink(x - 25, y + 85, x + 25, y + 130), 0) << "vertical label " << v;
    EXPECT_EQ(ink(x - 80, y + 85, x - 45, y + 200), 0) << "beside label " << v;
  }
  EXPECT_EQ(ink(480, y + 50, 2020, y + 72), 0);
}

TEST_F(AxisRender, CrossedLabelsKeepOffTheOtherAxisAndNamesGoPastTheEnds) {
  // X from -1 to 1 in steps of 0.2 with tall labels: "-0.2" and "0.2" would
  // reach across the Y axis, which stands at the middle of the X axis.
  plot([] {
    call(axstyp_, "CROSS");
    int32_t h = 110, one = 1;
    height_(&h);
    labdig_(&one, "X", 1);
    call(name_, "x", "X");
  }, -1, 1, -1, 0.2f);
  const double xc = xAt(0, -1, 1), y = 1500;  // Y runs 0..10: X axis at the bottom
  // Ticks on both sides of the Y axis, but no label text beside it.
  EXPECT_GT(ink(xc - 150 - 6, y + 8, xc - 150 + 6, y + 34), 0);
  EXPECT_EQ(ink(xc - 45, y + 95, xc - 8, y + 180), 0);
  EXPECT_EQ(ink(xc + 8, y + 95, xc + 45, y + 180), 0);
  // Labels further out are drawn.
  EXPECT_GT(ink(xAt(0.6, -1, 1) - 60, y + 95, xAt(0.6, -1, 1) + 60, y + 180), 0);
  // Without a frame the end label "1.0" stays; the name lies right of it,
  // centred on the axis line, and not below the labels.
  EXPECT_GT(ink(xAt(1, -1, 1) - 60, y + 95, xAt(1, -1, 1) + 60, y + 180), 0);
  EXPECT_GT(ink(2110, y - 25, 2250, y + 25), 0);
  EXPECT_EQ(ink(1700, y + 200, 2100, y + 320), 0);
}

}  // namespace
}  // namespace zantor::test
