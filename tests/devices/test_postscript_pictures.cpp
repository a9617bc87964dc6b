// Pictures drawn through the public routines, rendered by Ghostscript:
// dashes show gaps, solid areas are filled and hatch lines run at the
// angle asked.
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "devices/ps_support.h"
#include "draw/page.h"

namespace zantor::test {
namespace {

constexpr int kDpi = 144;

struct Picture {
  int w = 0, h = 0;
  std::vector<unsigned char> grey;
  bool dark(int x, int y) const {
    if (x < 0 || y < 0 || x >= w || y >= h) return false;
    return grey[static_cast<std::size_t>(y) * w + x] < 128;
  }
};

// Renders the file as an A4 grey picture.
Picture render(const std::string& file) {
  const std::string cmd = "/usr/bin/gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=pgmraw -r" +
                          std::to_string(kDpi) +
                          " -sPAPERSIZE=a4 -dFIXEDMEDIA -sOutputFile=page.pgm " + file +
                          " > gs.out 2>&1";
  Picture p;
  if (std::system(cmd.c_str()) != 0) {
    ADD_FAILURE() << "Ghostscript rejects " << file;
    return p;
  }
  std::ifstream in("page.pgm", std::ios::binary);
  // Header fields, separated by blanks and "#" comment lines.
  auto field = [&in]() {
    std::string t;
    while (in >> t) {
      if (t[0] != '#') return t;
      std::getline(in, t);
    }
    return std::string();
  };
  if (field() != "P5") return p;
  p.w = std::atoi(field().c_str());
  p.h = std::atoi(field().c_str());
  field();
  in.get();
  p.grey.resize(static_cast<std::size_t>(p.w) * p.h);
  in.read(reinterpret_cast<char*>(p.grey.data()), static_cast<std::streamsize>(p.grey.size()));
  return p;
}

// The pixel of a plot point on the sheet (default placement, portrait page).
std::pair<int, int> pixel(const Picture& p, double x, double y) {
  double dx = 0, dy = 0;
  deviceTransform(x, y, dx, dy);
  const double k = 72.0 / 508.0 * kDpi / 72.0;  // pixels per device unit
  return {static_cast<int>((150.0 + dx) * k), static_cast<int>(p.h - (200.0 + dy) * k)};
}

class PostScriptPictures : public PostScriptTest {
 protected:
  void SetUp() override {
    PostScriptTest::SetUp();
    if (!std::filesystem::exists("/usr/bin/gs")) GTEST_SKIP() << "no Ghostscript";
  }
  // A portrait PS plot of `draw`, rendered.
  Picture picture(const std::function<void()>& draw) {
    const std::string file = plot("PS", draw, [] { call(setpag_, "DA4P"); });
    Picture p = render(file);
    return p;
  }
};

TEST_F(PostScriptPictures, DashedLineShowsGaps) {
  // Dashes of 1 mm with 1 mm gaps, drawn 0.5 mm wide with cut ends over
  // 10 cm.
  Picture p = picture([] {
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
    auto [px, py] = pixel(p, x, 500);
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
  Picture p = picture([] {
    const int32_t solid = 16, x = 300, y = 300, w = 400, h = 300;
    shdpat_(&solid);
    rectan_(&x, &y, &w, &h);
  });
  ASSERT_GT(p.w, 0);
  for (int y = 320; y < 590; y += 30)
    for (int x = 320; x < 690; x += 40) {
      auto [px, py] = pixel(p, x, y);
      EXPECT_TRUE(p.dark(px, py)) << x << "," << y;
    }
  auto [ox, oy] = pixel(p, 800, 450);
  EXPECT_FALSE(p.dark(ox, oy));
}

// The direction of the hatch lines of an area, in degrees counter-clockwise
// on the page, found from which neighbour of an inked pixel is inked too.
double hatchAngle(const Picture& p, int x0, int y0, int size) {
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
    Picture p = picture([angle] {
      const int32_t a = angle, type = 1, density = 3, cross = 0;
      mypat_(&a, &type, &density, &cross);
      const int32_t x = 300, y = 300, w = 600, h = 600;
      rectan_(&x, &y, &w, &h);
    });
    ASSERT_GT(p.w, 0);
    auto [px, py] = pixel(p, 450, 750);  // lower left of the area's inside
    // Pixels grow downwards, so a line rising to the right is 45 degrees.
    EXPECT_EQ(hatchAngle(p, px, py - 150, 150), angle) << "pattern angle " << angle;
  }
}

}  // namespace
}  // namespace zantor::test
