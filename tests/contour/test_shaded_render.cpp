// Shaded contours drawn into PostScript (rendered by Ghostscript) and into
// PPM and PNG rasters (the PNG decoded by ImageMagick): the colours at sample points of a field with a ring-shaped
// valley, whose high centre is an island inside the hole of the valley.
#include <zantor.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/state.h"
#include "devices/ps_support.h"
#include "draw/page.h"
#include "plot3d/projection.h"
#include "support/ghostscript.h"

namespace zantor::test {
namespace {

constexpr int kDpi = 60;
const int32_t kRed = 0x010000FF, kGreen = 0x0100FF00, kBlue = 0x01FF0000;

// z = (r - 3)^2 around (5, 5) on a 41 x 41 grid over 0..10.  Levels -1, 1,
// 4 give the intervals (-1, 1] red: the valley 2 < r < 4; (1, 4] green:
// 1 < r < 2 and 4 < r < 5; above 4 blue: the centre r < 1 and r > 5.
struct Field {
  std::vector<float> x, y, z;
  Field() {
    for (int i = 0; i <= 40; ++i) x.push_back(i * 0.25f);
    y = x;
    for (int j = 0; j <= 40; ++j)
      for (int i = 0; i <= 40; ++i) {
        const double r = std::hypot(x[i] - 5.0, y[j] - 5.0);
        z.push_back(static_cast<float>((r - 3.0) * (r - 3.0)));
      }
  }
};

struct Sample {
  double x, y;  // user coordinates
  int r, g, b;
};
const std::vector<Sample> kSamples = {
    {5.0, 5.0, 0, 0, 255},    // the island in the hole: blue
    {5.3, 4.8, 0, 0, 255},
    {8.0, 5.0, 255, 0, 0},    // the valley: red
    {5.0, 2.0, 255, 0, 0},
    {3.5, 5.0, 0, 255, 0},    // r = 1.5: green, between island and valley
    {9.5, 5.0, 0, 255, 0},    // r = 4.5
    {0.5, 0.5, 0, 0, 255},    // corner, r = 6.4: blue
};

class ShadedRender : public PostScriptTest {
 protected:
  // Draws the field with method `mode` and records the device position of
  // every sample.
  void draw(const char* mode) {
    drawWith(mode, [&](const float* levels, int32_t nlev) {
      const int32_t n = 41;
      conshd_(f.x.data(), &n, f.y.data(), &n, f.z.data(), levels, &nlev);
    });
  }
  // The same field through `shade(levels, nlev)`.
  template <class Shade>
  void drawWith(const char* mode, Shade shade) {
    const int32_t ax = 400, ay = 1700, len = 1200, three = 3;
    axspos_(&ax, &ay);
    axslen_(&len, &len);
    float a = 0, e = 10, o = 0, s = 2;
    graf_(&a, &e, &o, &s, &a, &e, &o, &s);
    call(shdmod_, mode, "CONT");
    // Levels in mixed order: the colours follow the order given.
    const float levels[3] = {-1.0f, 4.0f, 1.0f};
    const int32_t lc[3] = {kRed, kBlue, kGreen};
    conclr_(lc, &three);
    shade(levels, three);
    device.clear();
    for (const Sample& p : kSamples) {
      double dx, dy;
      float ux = static_cast<float>(p.x), uy = static_cast<float>(p.y);
      deviceTransform(xposn_(&ux) + zanglb.nx0, yposn_(&uy) + zanglb.ny0, dx, dy);
      device.push_back({dx, dy});
    }
    endgrf_();
  }
  // Ghostscript's colours at the samples.
  void expectSampleColours(const std::string& file) {
    const Image im = renderPage(file, kDpi, Pixels::Colour);
    ASSERT_GT(im.w, 0);
    for (size_t k = 0; k < kSamples.size(); ++k) {
      const Pixel px = sheetPixel(im, kDpi, device[k].x, device[k].y);
      ASSERT_TRUE(im.inside(px.x, px.y));
      const Rgb c = im.at(px.x, px.y);
      EXPECT_TRUE(nearColour(c, kSamples[k].r, kSamples[k].g, kSamples[k].b))
          << "sample " << k << " got " << int(c.r) << " " << int(c.g) << " " << int(c.b);
    }
  }
  Field f;
  struct D {
    double x, y;
  };
  std::vector<D> device;
};

// Reads a binary PPM (P6, maxval 255).
Image readPpm(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  std::string magic;
  int w = 0, h = 0, maxval = 0;
  in >> magic >> w >> h >> maxval;
  in.get();
  Image im;
  if (magic != "P6" || maxval != 255) return im;
  im.w = w, im.h = h, im.channels = 3;
  im.pixels.resize(static_cast<size_t>(w) * h * 3);
  in.read(reinterpret_cast<char*>(im.pixels.data()), static_cast<std::streamsize>(im.pixels.size()));
  return in ? im : Image{};
}

TEST_F(ShadedRender, GhostscriptSeesTheIntervalColoursForBothMethods) {
  if (!haveGhostscript()) GTEST_SKIP() << "Ghostscript is not installed";
  for (const char* mode : {"POLY", "CELL"}) {
    SCOPED_TRACE(mode);
    expectSampleColours(plot("PS", [&] { draw(mode); }));
  }
}

TEST_F(ShadedRender, TriangulatedAndCurvilinearFieldsShowTheSameColours) {
  if (!haveGhostscript()) GTEST_SKIP() << "Ghostscript is not installed";
  // The grid points as scattered data: every point of the 41 x 41 grid,
  // triangulated, then shaded on the triangles.
  const int32_t n = 41, count = n * n;
  std::vector<float> px, py;
  for (int j = 0; j < n; ++j)
    for (int i = 0; i < n; ++i) px.push_back(f.x[i]), py.push_back(f.y[j]);
  int32_t room = 2 * count, ntri = 0;
  std::vector<int32_t> i1(room), i2(room), i3(room);
  triang_(px.data(), py.data(), &count, i1.data(), i2.data(), i3.data(), &room, &ntri);
  ASSERT_EQ(ntri, 2 * 40 * 40);
  expectSampleColours(plot("PS", [&] {
    drawWith("CELL", [&](const float* lv, int32_t nlev) {
      confll_(px.data(), py.data(), f.z.data(), &count, i1.data(), i2.data(), i3.data(), &ntri,
              lv, &nlev);
    });
  }));
  // The same points as a curvilinear grid, by both methods.
  for (const char* mode : {"CELL", "POLY"}) {
    SCOPED_TRACE(mode);
    expectSampleColours(plot("PS", [&] {
      drawWith(mode, [&](const float* lv, int32_t nlev) {
        int32_t nn = n;
        conshd2_(px.data(), py.data(), f.z.data(), &nn, &nn, lv, &nlev);
      });
    }));
  }
}

TEST_F(ShadedRender, RasterScanLineFillHasTheSameColours) {
  // PPM read here; PNG decoded by ImageMagick into a PPM.
  const bool convert = std::system("/usr/bin/convert -version > /dev/null 2>&1") == 0;
  for (const char* format : {"PPM", "PNG"}) {
  for (const char* mode : {"POLY", "CELL"}) {
    SCOPED_TRACE(std::string(format) + " " + mode);
    if (std::string(format) == "PNG" && !convert) continue;
    std::string file = plot(format, [&] { draw(mode); });
    if (std::string(format) == "PNG") {
      ASSERT_EQ(std::system(("/usr/bin/convert " + file + " -depth 8 ppm:decoded.ppm").c_str()), 0);
      file = "decoded.ppm";
    }
    const Image im = readPpm(file);
    ASSERT_GT(im.w, 0);
    for (size_t k = 0; k < kSamples.size(); ++k) {
      const int x = static_cast<int>(std::lround(device[k].x));
      const int y = static_cast<int>(std::lround(device[k].y));
      ASSERT_TRUE(im.inside(x, y)) << x << " " << y;
      const Rgb c = im.at(x, y);
      EXPECT_TRUE(nearColour(c, kSamples[k].r, kSamples[k].g, kSamples[k].b, 10))
          << "sample " << k << " got " << int(c.r) << " " << int(c.g) << " " << int(c.b);
    }
  }
  }
}

TEST_F(ShadedRender, IntervalsLieOnTheSurfaceInThreeDimensions) {
  // The tilted plane z = x/2 + 2.5 over a 3D box of 0..10 on every axis,
  // levels 0 and 5: points of the surface with x < 5 are red, with x > 5
  // blue.  A raster picture, so that every pixel can be checked by its
  // position.
  std::vector<float> x, z;
  for (int i = 0; i <= 20; ++i) x.push_back(0.5f * i);
  for (int j = 0; j <= 20; ++j)
    for (float v : x) z.push_back(0.5f * v + 2.5f);
  struct Point {
    float x, y;
    int r, g, b;
  };
  const std::vector<Point> points = {{1, 5, 255, 0, 0}, {4, 2, 255, 0, 0}, {3, 8, 255, 0, 0},
                                     {6, 5, 0, 0, 255}, {9, 2, 0, 0, 255}, {8, 9, 0, 0, 255}};
  std::vector<std::pair<double, double>> at;
  const std::string file = plot("PPM", [&] {
    float a = 0, e = 10, o = 0, s = 2;
    graf3d_(&a, &e, &o, &s, &a, &e, &o, &s, &a, &e, &o, &s);
    const int32_t two = 2, n = 21, lc[2] = {kRed, kBlue};
    const float lv[2] = {0, 5};
    conclr_(lc, &two);
    conshd3d_(x.data(), &n, x.data(), &n, z.data(), lv, &two);
    for (const Point& p : points) {
      const Plot3 q = userToPlot3d(p.x, p.y, 0.5 * p.x + 2.5);
      double dx, dy;
      deviceTransform(q.x + zanglb.nx0, q.y + zanglb.ny0, dx, dy);
      at.push_back({dx, dy});
    }
    // Outside a 3D axis system: warning 35, nothing drawn.
    endgrf_();
    zanglb.iproto = 0;
    const auto out = printed([&] { conshd3d_(x.data(), &n, x.data(), &n, z.data(), lv, &two); });
    EXPECT_EQ(out.size(), 1u);
  });
  const Image im = readPpm(file);
  ASSERT_GT(im.w, 0);
  for (size_t k = 0; k < points.size(); ++k) {
    const int px = static_cast<int>(std::lround(at[k].first));
    const int py = static_cast<int>(std::lround(at[k].second));
    ASSERT_TRUE(im.inside(px, py));
    const Rgb c = im.at(px, py);
    EXPECT_TRUE(nearColour(c, points[k].r, points[k].g, points[k].b, 10))
        << "point " << k << " got " << int(c.r) << " " << int(c.g) << " " << int(c.b);
  }
}

}  // namespace
}  // namespace zantor::test
