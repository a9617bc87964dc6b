// A plot with two curves, a grid, a title and a legend, rendered by
// Ghostscript: the legend box, the title and the curves are where they
// should be, and the legend stays clear of the axis labels.
#include <algorithm>

#include "axes/decorations.h"
#include "axes/legend_record.h"
#include "devices/ps_support.h"
#include "draw/colour.h"
#include "draw/page.h"
#include "draw/pipeline.h"
#include "support/ghostscript.h"

namespace zantor::test {
namespace {

constexpr int kDpi = 50;

// Pixel (x, y) lies inside the picture and has colour (r, g, b).
bool ink(const Image& im, int x, int y, int r, int g, int b) {
  return im.inside(x, y) && nearColour(im.at(x, y), r, g, b, 80);
}

// Any pixel of the colour within `r` pixels.
bool inkNear(const Image& im, int x, int y, int r, int cr, int cg, int cb) {
  for (int dy = -r; dy <= r; ++dy)
    for (int dx = -r; dx <= r; ++dx)
      if (ink(im, x + dx, y + dy, cr, cg, cb)) return true;
  return false;
}

class LegendRender : public PostScriptTest {};

TEST_F(LegendRender, LegendTitleAndCurvesLandWhereTheyShould) {
  if (!haveGhostscript()) GTEST_SKIP() << "Ghostscript is not installed";
  std::string buf(40, ' ');
  int32_t boxX = 0, boxY = 0, boxW = 0, boxH = 0, titleLen = 0;
  float xr = 0, yr = 0;
  const int32_t red = 0x010000FF, blue = 0x01FF0000;
  const std::string file = plot("EPS", [&] {
    const int32_t nlin = 2, nmax = 20, one = 1, two = 2, ax = 400, ay = 1700, lx = 2000, ly = 1200;
    legini_(buf.data(), &nlin, &nmax, buf.size());
    leglin_(buf.data(), "rising", &one, buf.size(), 6);
    leglin_(buf.data(), "falling", &two, buf.size(), 7);
    titlin_("A title", &one, 7);
    axspos_(&ax, &ay);
    axslen_(&lx, &ly);
    float xa = 0, xe = 10, xo = 0, xs = 2, ya = 0, ye = 10, yo = 0, ys = 2;
    graf_(&xa, &xe, &xo, &xs, &ya, &ye, &yo, &ys);
    const int32_t ix = 1;
    grid_(&ix, &ix);
    // Two curves as the curve routine draws them: recorded, then drawn.
    recordCurveForLegend({0, red, 1, -1, -1});
    qqsclr(red);
    strtqq(xposn_(&xa), yposn_(&ya));
    connqq(xposn_(&xe), yposn_(&ye));
    recordCurveForLegend({0, blue, 1, -1, -1});
    qqsclr(blue);
    strtqq(xposn_(&xa), yposn_(&ye));
    connqq(xposn_(&xe), yposn_(&ya));
    qqsclr(0x01000000);
    const int32_t corner = 7;
    legend_(buf.data(), &corner, buf.size());
    title_();
    boxW = nxlegn_(buf.data(), buf.size());
    boxH = nylegn_(buf.data(), buf.size());
    boxX = 400 + 2000 - 1 - zanglb.nhchar - (boxW - 1);
    boxY = 1700 - 1200 + 1 + zanglb.nhchar;
    titleLen = nlmess_("A title", 7);
    float five = 5;
    xr = xposn_(&five), yr = yposn_(&five);
  });
  // The page rendered as it fills the EPS bounding box: plot (x, y) maps
  // to pixel (x, y) * scale for a landscape page.
  const Image raw = renderPage(file, kDpi, Pixels::Colour, kEpsBox);
  ASSERT_GT(raw.w, 0) << readFile("gs.out");
  const Image& p = raw;
  // Plot units to pixels: the EPS box holds the page, which a landscape
  // page fills turned by 90 degrees (plot x runs up the picture).
  ASSERT_GT(p.h, p.w);
  const double s = static_cast<double>(p.h) / zanglb.nxres;
  auto px = [&](double x) { return static_cast<int>(x * s); };
  // Turns the picture so that ink(x, y) takes plot-oriented pixels.
  Image q;
  q.w = p.h, q.h = p.w;
  q.pixels.resize(p.pixels.size());
  for (int y = 0; y < p.h; ++y)
    for (int x = 0; x < p.w; ++x)
      for (int c = 0; c < 3; ++c)
        q.pixels[(static_cast<std::size_t>(x) * q.w + (p.h - 1 - y)) * 3 + c] =
            p.pixels[(static_cast<std::size_t>(y) * p.w + x) * 3 + c];
  // The legend frame: black at the middle of each edge.
  EXPECT_TRUE(inkNear(q, px(boxX + boxW / 2.0), px(boxY), 1, 0, 0, 0));
  EXPECT_TRUE(inkNear(q, px(boxX + boxW / 2.0), px(boxY + boxH - 1), 1, 0, 0, 0));
  EXPECT_TRUE(inkNear(q, px(boxX), px(boxY + boxH / 2.0), 1, 0, 0, 0));
  EXPECT_TRUE(inkNear(q, px(boxX + boxW - 1), px(boxY + boxH / 2.0), 1, 0, 0, 0));
  // Red and blue samples inside the box, in its left part.
  bool redSample = false, blueSample = false;
  for (int y = px(boxY); y < px(boxY + boxH); ++y)
    for (int x = px(boxX); x < px(boxX + boxW / 2.0); ++x)
      redSample |= ink(q, x, y, 255, 0, 0), blueSample |= ink(q, x, y, 0, 0, 255);
  EXPECT_TRUE(redSample);
  EXPECT_TRUE(blueSample);
  // The curves cross in the middle of the axis system.
  EXPECT_TRUE(inkNear(q, px(xr), px(yr), 2, 255, 0, 0));
  EXPECT_TRUE(inkNear(q, px(xr), px(yr), 2, 0, 0, 255));
  // The title: ink centred above the axis system, none beside it.
  const double h = 36, titleTop = 1700 - 1200 - 3 * h - 3 * 1.5 * h;
  int inkLeft = q.w, inkRight = -1;
  for (int y = px(titleTop); y <= px(titleTop + h); ++y)
    for (int x = 0; x < q.w; ++x)
      if (ink(q, x, y, 0, 0, 0)) inkLeft = std::min(inkLeft, x), inkRight = std::max(inkRight, x);
  ASSERT_GE(inkRight, 0);
  EXPECT_NEAR((inkLeft + inkRight) / 2.0, px(400 + 1000), px(titleLen) / 10.0 + 2);
  // The legend lies inside the axis rectangle: clear of the labels and
  // names outside it.
  EXPECT_GT(boxX, 400);
  EXPECT_LT(boxX + boxW, 2400);
  EXPECT_GT(boxY, 500);
  EXPECT_LT(boxY + boxH, 1700);
}

}  // namespace
}  // namespace zantor::test
