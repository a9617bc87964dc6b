// Pictures drawn through the public routines, rendered by Ghostscript:
// dashes show gaps, solid areas are filled and hatch lines run at the
// angle asked.
#include <functional>

#include "devices/ps_support.h"
#include "support/ghostscript.h"

namespace zantor::test {
namespace {

constexpr int kDpi = 144;

class PostScriptPictures : public PostScriptTest {
 protected:
  void SetUp() override {
    PostScriptTest::SetUp();
    if (!haveGhostscript()) GTEST_SKIP() << "no Ghostscript";
  }
  // A portrait PS plot of `draw`, rendered.
  Image picture(const std::function<void()>& draw) {
    const std::string file = plot("PS", draw, [] { call(setpag_, "DA4P"); });
    return renderPage(file, kDpi, Pixels::Grey);
  }
};

TEST_F(PostScriptPictures, DashedLineShowsGaps) {
  // Dashes of 1 mm with 1 mm gaps, drawn 0.5 mm wide with cut ends over
  // 10 cm.
  Image p = picture([] {
    dash_();
    call(lncap_, "CUT");
    const int32_t w = 5, x1 = 200, x2 = 1200, y = 500;
    linwid_(&w);
    line_(&x1, &y, &x2, &y);
  });
  ASSERT_GT(p.w, 0);
  int inked = 0, runs = 0;
  bool was = false;
  for (int x = 250; x <= 1150; ++x) {
    auto [px, py] = plotPixel(p, kDpi, x, 500);
    const bool d = p.dark(px, py) || p.dark(px, py - 1) || p.dark(px, py + 1);
    inked += d;
    runs += d && !was;
    was = d;
  }
  // Half the line is ink, in about 45 separate dashes.
  EXPECT_GT(inked, 300);
  EXPECT_LT(inked, 650);
  EXPECT_GE(runs, 35);
  EXPECT_LE(runs, 50);
}

TEST_F(PostScriptPictures, SolidAreaIsFilled) {
  Image p = picture([] {
    const int32_t solid = 16, x = 300, y = 300, w = 400, h = 300;
    shdpat_(&solid);
    rectan_(&x, &y, &w, &h);
  });
  ASSERT_GT(p.w, 0);
  for (int y = 320; y < 590; y += 30)
    for (int x = 320; x < 690; x += 40) {
      auto [px, py] = plotPixel(p, kDpi, x, y);
      EXPECT_TRUE(p.dark(px, py)) << x << "," << y;
    }
  auto [ox, oy] = plotPixel(p, kDpi, 800, 450);
  EXPECT_FALSE(p.dark(ox, oy));
}

// The direction of the hatch lines of an area, in degrees counter-clockwise
// on the page, found from which neighbour of an inked pixel is inked too.
double hatchAngle(const Image& p, int x0, int y0, int size) {
  int votes[4] = {0, 0, 0, 0};  // 0, 45, 90, 135 degrees
  for (int y = y0; y < y0 + size; ++y)
    for (int x = x0; x < x0 + size; ++x) {
      if (!p.dark(x, y)) continue;
      votes[0] += p.dark(x + 3, y) && p.dark(x - 3, y);
      votes[1] += p.dark(x + 3, y - 3) && p.dark(x - 3, y + 3);
      votes[2] += p.dark(x, y + 3) && p.dark(x, y - 3);
      votes[3] += p.dark(x - 3, y - 3) && p.dark(x + 3, y + 3);
    }
  int best = 0;
  for (int i = 1; i < 4; ++i)
    if (votes[i] > votes[best]) best = i;
  return 45.0 * best;
}

TEST_F(PostScriptPictures, HatchLinesRunAtTheAngleAsked) {
  for (int angle : {0, 45, 90, 135}) {
    Image p = picture([angle] {
      const int32_t a = angle, type = 1, density = 3, cross = 0;
      mypat_(&a, &type, &density, &cross);
      const int32_t x = 300, y = 300, w = 600, h = 600;
      rectan_(&x, &y, &w, &h);
    });
    ASSERT_GT(p.w, 0);
    auto [px, py] = plotPixel(p, kDpi, 450, 750);  // lower left of the area's inside
    // Pixels grow downwards, so a line rising to the right is 45 degrees.
    EXPECT_EQ(hatchAngle(p, px, py - 150, 150), angle) << "pattern angle " << angle;
  }
}

}  // namespace
}  // namespace zantor::test
