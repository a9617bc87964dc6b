// PostScript files as an independent interpreter reads them: Ghostscript
// must accept every variant, and drawn lines and fills must land where the
// device transformation puts them.
#include <filesystem>
#include <functional>

#include "core/levels.h"
#include "devices/ps_support.h"
#include "support/ghostscript.h"

namespace zantor::test {
namespace {

constexpr int kDpi = 36;

class PostScriptRender : public PostScriptTest {
 protected:
  void SetUp() override {
    PostScriptTest::SetUp();
    if (!haveGhostscript()) GTEST_SKIP() << "Ghostscript is not installed";
  }

  // A red line through the pipeline from (500, 1000) to `x2`, 2 mm wide.
  static void redLine(int32_t x2) {
    dev().colour({255, 0, 0}, 0x010000FF);
    dev().lineWidth(20);
    const int32_t x1 = 500, y = 1000;
    line_(&x1, &y, &x2, &y);
  }

  void expectRedLine(const Image& im, double x1, double x2, double y) {
    for (double x : {x1 + 100, (x1 + x2) / 2, x2 - 100}) {
      const Pixel p = plotPixel(im, kDpi, x, y);
      EXPECT_TRUE(nearColour(im.at(p.x, p.y), 255, 0, 0)) << "on the line at " << x;
    }
    // Beyond the end and beside the line the paper is white.
    for (auto [x, yy] : {std::pair{x1 - 150, y}, std::pair{x2 + 150, y},
                         std::pair{(x1 + x2) / 2, y + 80}, std::pair{(x1 + x2) / 2, y - 80}}) {
      const Pixel p = plotPixel(im, kDpi, x, yy);
      EXPECT_TRUE(nearColour(im.at(p.x, p.y), 255, 255, 255))
          << "off the line at " << x << "," << yy;
    }
  }
};

TEST_F(PostScriptRender, GhostscriptAcceptsEveryVariant) {
  auto drawing = [] {
    dev().colour({10, 20, 30}, 0x011E140A);
    dev().lineJoin(0);
    dev().lineWidth(1);
    dev().miterLimit(1.0);
    dev().lineCap(1);
    const int32_t a = 100, b = 200, c = 1500;
    line_(&a, &b, &c, &c);
    line_(&a, &a, &a, &a);  // zero length
    dev().clipRect(100, 100, 3000, 3000);
    dev().fillRect(200, 200, 800, 900, {0, 0, 255});
    const double x[4] = {0, 500, 500, 0}, y[4] = {0, 0, 500, 500};
    dev().fillPolygon(x, y, 4);
    dev().clipReset();
    newpag_();
    pagera_();
  };
  struct Variant {
    const char* format;
    std::function<void()> before;
  };
  const float half = 0.5f;
  const int32_t ox = 10, oy = 20;
  const Variant variants[] = {
      {"POST", {}},
      {"PSCL", {}},
      {"PS", [] { call(setpag_, "DA4P"); }},
      {"EPS", [] { call(scrmod_, "ERAS"); }},
      {"EPS", [] { call(psmode_, "SING"); }},
      {"PS", [&] {
         call(psmode_, "SING");
         call(psmeta_, "%%Title: variant");
         hworig_(&ox, &oy);
         hwscal_(&half);
       }},
  };
  for (const auto& v : variants) {
    resetProcessState();
    const std::string file = plot(v.format, drawing, v.before);
    std::string out;
    EXPECT_EQ(runGhostscript("-sDEVICE=nullpage " + file, out), 0) << v.format << "\n" << out;
    EXPECT_EQ(out, "") << v.format;
    std::filesystem::remove(file);
  }
}

TEST_F(PostScriptRender, RedLineOnLandscapePage) {
  // The landscape page lies turned on the sheet: the horizontal line runs
  // up the paper.
  const std::string file = plot("PS", [] { redLine(2500); });
  const Image im = renderPage(file, kDpi, Pixels::Colour);
  ASSERT_GT(im.w, 0);
  EXPECT_LT(im.w, im.h);  // the sheet stays portrait
  const Pixel a = plotPixel(im, kDpi, 600, 1000), b = plotPixel(im, kDpi, 2400, 1000);
  EXPECT_NEAR(a.x, b.x, 1);
  EXPECT_GT(a.y, b.y + 100);
  expectRedLine(im, 500, 2500, 1000);
}

TEST_F(PostScriptRender, RedLineOnPortraitPage) {
  const std::string file = plot("PS", [] { redLine(1500); }, [] { call(setpag_, "DA4P"); });
  const Image im = renderPage(file, kDpi, Pixels::Colour);
  ASSERT_GT(im.w, 0);
  const Pixel a = plotPixel(im, kDpi, 600, 1000), b = plotPixel(im, kDpi, 1400, 1000);
  EXPECT_NEAR(a.y, b.y, 1);  // horizontal on the paper
  EXPECT_LT(a.x, b.x - 50);
  expectRedLine(im, 500, 1500, 1000);
}

TEST_F(PostScriptRender, FilledRectangleAndPolygon) {
  const std::string file = plot("PS", [] {
    dev().fillRect(1000, 1000, 2000, 1600, {0, 0, 255});
    dev().colour({0, 200, 0}, 0x0100C800);
    const double x[3] = {3000, 4000, 3000}, y[3] = {3000, 3000, 4000};
    dev().fillPolygon(x, y, 3);
  });
  const Image im = renderPage(file, kDpi, Pixels::Colour);
  ASSERT_GT(im.w, 0);
  // The rectangle is filled everywhere inside, not only outlined.
  for (double dx : {1100.0, 1500.0, 1900.0})
    for (double dy : {1100.0, 1300.0, 1500.0}) {
      const Pixel p = sheetPixel(im, kDpi, dx, dy);
      EXPECT_TRUE(nearColour(im.at(p.x, p.y), 0, 0, 255)) << dx << "," << dy;
    }
  const Pixel out = sheetPixel(im, kDpi, 2200, 1300);
  EXPECT_TRUE(nearColour(im.at(out.x, out.y), 255, 255, 255));
  // The triangle in the current colour, empty across its hypotenuse.
  const Pixel in = sheetPixel(im, kDpi, 3250, 3250), beyond = sheetPixel(im, kDpi, 3800, 3800);
  EXPECT_TRUE(nearColour(im.at(in.x, in.y), 0, 200, 0));
  EXPECT_TRUE(nearColour(im.at(beyond.x, beyond.y), 255, 255, 255));
}

TEST_F(PostScriptRender, ColourPageIsBlackUntilPainted) {
  const std::string file = plot("PSCL");
  const Image im = renderPage(file, kDpi, Pixels::Colour);
  ASSERT_GT(im.w, 0);
  const Pixel mid = plotPixel(im, kDpi, 1500, 1000);
  EXPECT_TRUE(nearColour(im.at(mid.x, mid.y), 0, 0, 0));
  // The margin outside the page stays white.
  EXPECT_TRUE(nearColour(im.at(2, im.h - 3), 255, 255, 255));
}

}  // namespace
}  // namespace zantor::test
