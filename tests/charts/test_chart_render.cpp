// Charts as Ghostscript renders them: a grouped bar chart, a 3D pie and a
// polar plot, checked pixel by pixel where the geometry puts colour and
// paper.
#include <zantor.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "core/state.h"
#include "support/fixture.h"
#include "support/ghostscript.h"

namespace zantor::test {
namespace {

constexpr int kDpi = 40;
constexpr int32_t kRed = 0x010000FF, kBlue = 0x01FF0000, kGreen = 0x0100C000;

class ChartRender : public LibraryTest {
 protected:
  void SetUp() override {
    LibraryTest::SetUp();
    if (!haveGhostscript()) GTEST_SKIP() << "Ghostscript is not installed";
  }
  void plot(const std::function<void()>& draw) {
    call(metafl_, "PS");
    zanini_();
    zanglb.iproto = 0;
    int32_t x = 500, y = 1700, w = 1801, h = 1201;
    axspos_(&x, &y);
    axslen_(&w, &h);
    draw();
    const std::string file = zanglb.cfil.str();
    zanfin_();
    pic = renderPage(file, kDpi, Pixels::Colour);
    ASSERT_GT(pic.w, 0);
  }
  // The share of pixels of colour (r, g, b) in a small square about a
  // plot point (5 plot units = 0.5 mm is under a pixel at 40 dpi).
  double share(double x, double y, int r, int g, int b, int half = 2) const {
    const Pixel p = plotPixel(pic, kDpi, x, y);
    int n = 0, hit = 0;
    for (int dy = -half; dy <= half; ++dy)
      for (int dx = -half; dx <= half; ++dx) {
        if (!pic.inside(p.x + dx, p.y + dy)) continue;
        ++n;
        hit += nearColour(pic.at(p.x + dx, p.y + dy), r, g, b, 50);
      }
    return n == 0 ? 0.0 : static_cast<double>(hit) / n;
  }
  Image pic;
};

TEST_F(ChartRender, GroupedBars) {
  plot([] {
    float xa = 0, xe = 4, xo = 0, xs = 1, ya = 0, ye = 6, yo = 0, ys = 1;
    graf_(&xa, &xe, &xo, &xs, &ya, &ye, &yo, &ys);
    const int32_t three = 3, n = 3, solid = 16;
    const float gap = 0;
    bargrp_(&three, &gap);
    shdpat_(&solid);
    const float x[] = {1, 2, 3}, base[] = {0, 0, 0}, a[] = {3, 5, 2}, b[] = {4, 1, 5},
                c[] = {2, 2, 2};
    const float* values[] = {a, b, c};
    const int32_t colours[] = {kRed, kBlue, kGreen}, none = -1;
    for (int k = 0; k < 3; ++k) {
      barclr_(&colours[k], &none, &none);
      bars_(x, base, values[k], &n);
    }
  });
  // 450 plot units per X unit, 200 per Y unit (1800/4, 1200/6); bars at
  // x = 2 (plot 1400) form a group 0.75 * 450 = 337.5 wide from 1231.25:
  // red 1231..1343 to 5 (plot 700), blue 1343..1456 to 1 (1500), green
  // 1456..1568 to 2 (1300).  Sample the middles of the bars.
  EXPECT_GT(share(1287, 1100, 255, 0, 0), 0.9);
  EXPECT_GT(share(1400, 1600, 0, 0, 255), 0.9);
  EXPECT_GT(share(1512, 1400, 0, 192, 0), 0.9);
  // Paper above the short bars and between the groups.
  EXPECT_GT(share(1400, 1300, 255, 255, 255), 0.9);
  EXPECT_GT(share(1175, 1100, 255, 255, 255), 0.9);
  // The first group: red to 3 (plot 1100), blue to 4 (900).
  EXPECT_GT(share(837, 1300, 255, 0, 0), 0.9);
  EXPECT_GT(share(950, 1000, 0, 0, 255), 0.9);
  EXPECT_GT(share(837, 1000, 255, 255, 255), 0.9);
}

TEST_F(ChartRender, ThreeDimensionalPie) {
  plot([] {
    const int32_t two = 2, nlin = 0;
    const int32_t c1[] = {kRed, kBlue}, c2[] = {-1, -1};
    pieclr_(c1, c2, &two);
    pietyp_("3D", 2);
    chnpie_("NONE", 4);
    labels_("NONE", "PIE", 4, 3);
    const int32_t solid = 16;
    shdpat_(&solid);
    const float v[] = {1, 1};
    char buf[8] = "       ";
    piegrf_(buf, &nlin, v, &two, 7);
  });
  // Area 1801 x 1201: centre (500 + 900, 1700 - 600) = (1400, 1100),
  // R = 600; b = nint((sqrt(0.5) + 0.09) * 600) = nint(478.26) = 478,
  // disc height nint(0.2 * 600) = 120, top centre 60 higher at y 1040.
  // Segment 1 (red) is centred on 0 degrees: the right half of the top,
  // segment 2 (blue) the left half.
  EXPECT_GT(share(1700, 1040, 255, 0, 0), 0.9);
  EXPECT_GT(share(1100, 1040, 0, 0, 255), 0.9);
  // The front rim below the top ellipse at 300 degrees: top edge at
  // 1040 + 478 * sin 60 = 1454, the rim reaches 120 lower; it is the red
  // colour darkened to 70 %.
  const double rx = 1400 + 600 * 0.5, ry = 1040 + 478 * std::sin(M_PI / 3) + 60;
  EXPECT_GT(share(rx, ry, 178, 0, 0), 0.9);
  // Paper outside the disc.
  EXPECT_GT(share(1400, 1040 - 478 - 40, 255, 255, 255), 0.9);
  EXPECT_GT(share(1400, 1040 + 478 + 120 + 40, 255, 255, 255), 0.9);
}

TEST_F(ChartRender, PolarPlot) {
  plot([] {
    float xe = 1, xo = 0, xs = 0.25f, yo = 0, ys = 30;
    const int32_t ndig = 2;
    labdig_(&ndig, "X", 1);
    grafp_(&xe, &xo, &xs, &yo, &ys);
    // A red circle of radius 0.5 and a blue spoke at 45 degrees.
    float r[91], t[91];
    for (int i = 0; i < 91; ++i) r[i] = 0.5f, t[i] = static_cast<float>(i * 2 * M_PI / 90);
    int32_t n = 91, thick = 12, red = kRed, blue = kBlue, two = 2;
    thkcrv_(&thick);
    setclr_(&red);
    curve_(r, t, &n);
    float sr[2] = {0, 1}, st[2] = {float(M_PI / 4), float(M_PI / 4)};
    setclr_(&blue);
    curve_(sr, st, &two);
  });
  // Square of side 1201 centred at (1400, 1100): radius 1 is 600 units.
  // The circle at 30 and 120 degrees (off the radius axes), the spoke at
  // radius 0.8.
  const double d = 600 * 0.8 * std::cos(M_PI / 4);
  EXPECT_GT(share(1400 + 300 * std::cos(M_PI / 6), 1100 - 150, 255, 0, 0), 0.2);
  EXPECT_GT(share(1400 - 150, 1100 - 300 * std::sin(M_PI / 3), 255, 0, 0), 0.2);
  EXPECT_GT(share(1400 + d, 1100 - d, 0, 0, 255), 0.2);
  // The frame circle: dark at radius 600 towards 300 degrees.
  const Pixel p = plotPixel(pic, kDpi, 1400 + 300, 1100 + 600 * std::sin(M_PI / 3));
  bool frame = false;
  for (int dy = -2; dy <= 2; ++dy)
    for (int dx = -2; dx <= 2; ++dx) frame |= pic.dark(p.x + dx, p.y + dy);
  EXPECT_TRUE(frame);
  // Paper inside, away from the lines.
  EXPECT_GT(share(1400 - 150, 1100 + 400, 255, 255, 255), 0.9);
}

}  // namespace
}  // namespace zantor::test
