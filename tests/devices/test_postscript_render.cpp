// PostScript files as an independent interpreter reads them: Ghostscript
// must accept every variant, and drawn lines and fills must land where the
// device transformation puts them.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/levels.h"
#include "devices/ps_support.h"
#include "draw/page.h"

namespace zantor::test {
namespace {

constexpr double kPointsPerUnit = 72.0 / 508.0;
constexpr int kDpi = 36;

struct Image {
  int w = 0, h = 0;
  std::vector<unsigned char> rgb;
  Rgb at(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(y) * w + x) * 3;
    return {rgb[i], rgb[i + 1], rgb[i + 2]};
  }
};

bool haveGhostscript() { return std::filesystem::exists("/usr/bin/gs"); }

// Runs Ghostscript; returns its exit status, its messages in `out`.
int gs(const std::string& args, std::string& out) {
  const std::string cmd = "/usr/bin/gs -q -dNOPAUSE -dBATCH -dSAFER " + args + " > gs.out 2>&1";
  const int rc = std::system(cmd.c_str());
  std::ifstream in("gs.out");
  out.assign(std::istreambuf_iterator<char>(in), {});
  return rc;
}

// Renders an A4 sheet into a binary PPM and decodes it.
Image render(const std::string& file) {
  std::string out;
  Image im;
  EXPECT_EQ(gs("-sDEVICE=ppmraw -r" + std::to_string(kDpi) +
                   " -sPAPERSIZE=a4 -dFIXEDMEDIA -sOutputFile=page.ppm " + file,
               out),
            0)
      << out;
  std::ifstream in("page.ppm", std::ios::binary);
  // Header fields, separated by blanks and "#" comment lines.
  auto field = [&in]() {
    std::string t;
    while (in >> t) {
      if (t[0] != '#') return t;
      std::getline(in, t);
    }
    return std::string();
  };
  const std::string magic = field();
  im.w = std::atoi(field().c_str());
  im.h = std::atoi(field().c_str());
  const int maxval = std::atoi(field().c_str());
  in.get();
  if (magic != "P6" || im.w <= 0 || im.h <= 0 || maxval != 255) {
    ADD_FAILURE() << "no PPM image from " << file;
    return {};
  }
  im.rgb.resize(static_cast<std::size_t>(im.w) * im.h * 3);
  in.read(reinterpret_cast<char*>(im.rgb.data()), static_cast<std::streamsize>(im.rgb.size()));
  return im;
}

struct Pixel {
  int x, y;
};

// Where a device point lies in the rendered sheet (default placement).
Pixel devicePixel(const Image& im, double dx, double dy) {
  const double px = (150.0 + dx) * kPointsPerUnit, py = (200.0 + dy) * kPointsPerUnit;
  return {static_cast<int>(px * kDpi / 72.0), static_cast<int>(im.h - py * kDpi / 72.0)};
}

// Where a plot point lies, through the device transformation of the plot.
Pixel plotPixel(const Image& im, double x, double y) {
  double dx = 0, dy = 0;
  deviceTransform(x, y, dx, dy);
  return devicePixel(im, dx, dy);
}

bool near(const Rgb& c, int r, int g, int b) {
  return std::abs(c.r - r) < 60 && std::abs(c.g - g) < 60 && std::abs(c.b - b) < 60;
}

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
      const Pixel p = plotPixel(im, x, y);
      EXPECT_TRUE(near(im.at(p.x, p.y), 255, 0, 0)) << "on the line at " << x;
    }
    // Beyond the end and beside the line the paper is white.
    for (auto [x, yy] : {std::pair{x1 - 150, y}, std::pair{x2 + 150, y},
                         std::pair{(x1 + x2) / 2, y + 80}, std::pair{(x1 + x2) / 2, y - 80}}) {
      const Pixel p = plotPixel(im, x, yy);
      EXPECT_TRUE(near(im.at(p.x, p.y), 255, 255, 255)) << "off the line at " << x << "," << yy;
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
    EXPECT_EQ(gs("-sDEVICE=nullpage " + file, out), 0) << v.format << "\n" << out;
    EXPECT_EQ(out, "") << v.format;
    std::filesystem::remove(file);
  }
}

TEST_F(PostScriptRender, RedLineOnLandscapePage) {
  // The landscape page lies turned on the sheet: the horizontal line runs
  // up the paper.
  const std::string file = plot("PS", [] { redLine(2500); });
  const Image im = render(file);
  ASSERT_GT(im.w, 0);
  EXPECT_LT(im.w, im.h);  // the sheet stays portrait
  const Pixel a = plotPixel(im, 600, 1000), b = plotPixel(im, 2400, 1000);
  EXPECT_NEAR(a.x, b.x, 1);
  EXPECT_GT(a.y, b.y + 100);
  expectRedLine(im, 500, 2500, 1000);
}

TEST_F(PostScriptRender, RedLineOnPortraitPage) {
  const std::string file = plot("PS", [] { redLine(1500); }, [] { call(setpag_, "DA4P"); });
  const Image im = render(file);
  ASSERT_GT(im.w, 0);
  const Pixel a = plotPixel(im, 600, 1000), b = plotPixel(im, 1400, 1000);
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
  const Image im = render(file);
  ASSERT_GT(im.w, 0);
  // The rectangle is filled everywhere inside, not only outlined.
  for (double dx : {1100.0, 1500.0, 1900.0})
    for (double dy : {1100.0, 1300.0, 1500.0}) {
      const Pixel p = devicePixel(im, dx, dy);
      EXPECT_TRUE(near(im.at(p.x, p.y), 0, 0, 255)) << dx << "," << dy;
    }
  const Pixel out = devicePixel(im, 2200, 1300);
  EXPECT_TRUE(near(im.at(out.x, out.y), 255, 255, 255));
  // The triangle in the current colour, empty across its hypotenuse.
  const Pixel in = devicePixel(im, 3250, 3250), beyond = devicePixel(im, 3800, 3800);
  EXPECT_TRUE(near(im.at(in.x, in.y), 0, 200, 0));
  EXPECT_TRUE(near(im.at(beyond.x, beyond.y), 255, 255, 255));
}

TEST_F(PostScriptRender, ColourPageIsBlackUntilPainted) {
  const std::string file = plot("PSCL");
  const Image im = render(file);
  ASSERT_GT(im.w, 0);
  const Pixel mid = plotPixel(im, 1500, 1000);
  EXPECT_TRUE(near(im.at(mid.x, mid.y), 0, 0, 0));
  // The margin outside the page stays white.
  EXPECT_TRUE(near(im.at(2, im.h - 3), 255, 255, 255));
}

}  // namespace
}  // namespace zantor::test
