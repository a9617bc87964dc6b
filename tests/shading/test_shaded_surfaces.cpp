// Shaded surfaces of triangles and of contour bands, flat and smooth
// shading, mesh lines, and shaded contours inside a colour axis system:
// pixel values worked out by hand on 8-bit pictures, where a pixel holds
// the colour index.  Z axis -1..1 over the colour range 1..254: value z
// has the colour floor(1 + (z + 1) / 2 * 254).
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include <zantor.h>

#include "core/state.h"
#include "plot3d/projection.h"
#include "support/fixture.h"
#include "support/ghostscript.h"

namespace zantor::test {
namespace {

class ShadedSurfaces : public LibraryTest {
 protected:
  void open(const char* format = "VIRT") {
    call(metafl_, format);
    int32_t w = 2970, h = 2100;
    winsiz_(&w, &h);
    if (std::string(format) != "VIRT") {
      std::string file = "shaded." + std::string(format);
      for (char& ch : file) ch = char(std::tolower(static_cast<unsigned char>(ch)));
      call(setfil_, file.c_str());
    }
    zanini_();
    zanglb.iproto = 0;
    float a = -1, e = 1, o = -1, s = 0.5f;
    graf3d_(&a, &e, &o, &s, &a, &e, &o, &s, &a, &e, &o, &s);
    ASSERT_EQ(zanglb.nlev, 3);
    ASSERT_EQ(zanglb.nca, 1);
    ASSERT_EQ(zanglb.nce, 254);
  }
  // The colour index at the pixel of a user 3D point.
  int32_t at(double x, double y, double z) {
    const Plot3 p = userToPlot3d(x, y, z);
    int32_t px = int32_t(std::lround(p.x)), py = int32_t(std::lround(p.y)), v = -1;
    rpixel_(&px, &py, &v);
    return v;
  }
  // True when a pixel within one of the point's pixel has the colour:
  // lines are rounded to pixels on their own.
  bool lineAt(double x, double y, double z, int32_t colour) {
    const Plot3 p = userToPlot3d(x, y, z);
    for (int32_t dy = -1; dy <= 1; ++dy)
      for (int32_t dx = -1; dx <= 1; ++dx) {
        int32_t px = int32_t(std::lround(p.x)) + dx, py = int32_t(std::lround(p.y)) + dy, v = -1;
        rpixel_(&px, &py, &v);
        if (v == colour) return true;
      }
    return false;
  }
  // A plane z = f(x, y) on an n x n grid over the box.
  template <class F>
  void plane(int n, F f, std::vector<float>& x, std::vector<float>& z) {
    x.resize(n);
    z.resize(std::size_t(n) * n);
    for (int i = 0; i < n; ++i) x[i] = -1.0f + 2.0f * i / (n - 1);
    for (int j = 0; j < n; ++j)
      for (int i = 0; i < n; ++i) z[std::size_t(j) * n + i] = f(x[i], x[j]);
  }
};

// A point 70 % of the way from the centre of the triangle to corner k.
void towards(const float* x, const float* y, const float* z, int k, double& px, double& py,
             double& pz) {
  const double cx = (x[0] + x[1] + x[2]) / 3, cy = (y[0] + y[1] + y[2]) / 3,
               cz = (z[0] + z[1] + z[2]) / 3;
  px = cx + 0.7 * (x[k] - cx), py = cy + 0.7 * (y[k] - cy), pz = cz + 0.7 * (z[k] - cz);
}

TEST_F(ShadedSurfaces, FlatTriangleTakesTheColourOfItsMeanSmoothFollowsTheCorners) {
  // Corners at z = 0.2, 0.5, 0.8: mean 0.5 -> floor(1 + 0.75 * 254) = 191.
  const float x[3] = {-0.8f, 0.8f, -0.8f}, y[3] = {-0.8f, -0.8f, 0.8f}, z[3] = {0.2f, 0.5f, 0.8f};
  const int32_t i1 = 1, i2 = 2, i3 = 3, n = 3, ntri = 1;
  for (const char* mode : {"FLAT", "SMOOTH"}) {
    open();
    call(shdmod_, mode, "SURF");
    surtri_(x, y, z, &n, &i1, &i2, &i3, &ntri);
    int32_t c[3];
    for (int k = 0; k < 3; ++k) {
      double px, py, pz;
      towards(x, y, z, k, px, py, pz);
      c[k] = at(px, py, pz);
    }
    if (std::string(mode) == "FLAT") {
      EXPECT_EQ(c[0], 191);
      EXPECT_EQ(c[1], 191);
      EXPECT_EQ(c[2], 191);
    } else {
      // Near the corners: z = 0.29, 0.50, 0.71 -> 164.8, 191.5, 218.2.
      EXPECT_NEAR(c[0], 165, 2);
      EXPECT_NEAR(c[1], 191, 2);
      EXPECT_NEAR(c[2], 218, 2);
    }
    zanfin_();
  }
}

TEST_F(ShadedSurfaces, FlatLitCellIsLitAtItsCentre) {
  // One cell, the lid z = 1: its centre (0, 0, 1) has the intensity
  // 0.2 * 0.2 + 0.8 * 3 / sqrt(50) = 0.379411 -> red nint(96.75) = 97
  // everywhere on it; smooth shading lights each corner on its own, so
  // near (0.9, -0.9) it is brighter.
  call(imgfmt_, "RGB");
  open();
  call(light_, "ON");
  call(shdmod_, "FLAT", "SURF");
  const float x[2] = {-1, 1}, z[4] = {1, 1, 1, 1};
  const int32_t two = 2;
  surshd_(x, &two, x, &two, z);
  EXPECT_NEAR(at(0, 0, 1) & 255, 97, 1);
  EXPECT_NEAR(at(0.9, -0.9, 1) & 255, 97, 1);
  call(shdmod_, "SMOOTH", "SURF");
  surshd_(x, &two, x, &two, z);
  EXPECT_GT(at(0.9, -0.9, 1) & 255, 100);
  zanfin_();
}

TEST_F(ShadedSurfaces, ContourBandsSplitCellsAtTheLevels) {
  // z = x / 2 on 10 points (cells 0.222 wide in x, one from -0.111 to
  // 0.111 across level 0), levels -0.25, 0, 0.25 with their own colours:
  // an interval takes the colour of its lower level; below -0.25 it is
  // ncmin.  Points are given by x, on the line y = 0.3.
  std::vector<float> x, z;
  plane(10, [](float u, float) { return 0.5f * u; }, x, z);
  const float levels[3] = {0.25f, -0.25f, 0.0f};  // any order
  const int32_t colours[3] = {30, 10, 20}, nl = 3, nn = 10;
  auto band = [&](double u) { return at(u, 0.3, 0.5 * u); };
  for (const char* zbuffer : {"ON", "OFF"}) {  // OFF: back to front
    open();
    conclr_(colours, &nl);
    call(zbfmod_, zbuffer);
    surshc_(x.data(), &nn, x.data(), &nn, z.data(), levels, &nl);
    EXPECT_EQ(band(-0.75), zanglb.ncmin) << zbuffer;
    EXPECT_EQ(band(-0.25), 10) << zbuffer;
    EXPECT_EQ(band(-0.04), 10) << zbuffer;
    EXPECT_EQ(band(0.04), 20) << zbuffer;
    EXPECT_EQ(band(0.46), 20) << zbuffer;
    EXPECT_EQ(band(0.54), 30) << zbuffer;
    zanfin_();
  }
  // Without a colour list the levels span the colour scale: level 0 of
  // -0.25..0.25 has int(1 + 0.5 * 254) = 128; "NONE" leaves the outer
  // intervals unfilled (background 0).
  open();
  call(shdmod_, "NONE", "CELL");
  surshc_(x.data(), &nn, x.data(), &nn, z.data(), levels, &nl);
  EXPECT_EQ(band(0.25), 128);
  EXPECT_EQ(band(-0.25), 1);
  EXPECT_EQ(band(0.75), 0);
  zanfin_();
}

TEST_F(ShadedSurfaces, MeshLinesOnTheSurfaceAndHiddenBehindNearerFaces) {
  // The plane z = 0 on a 5 x 5 grid (lines at -1, -0.5, 0, 0.5, 1) in
  // colour 128; mesh lines in the current colour 7.
  std::vector<float> x, z;
  plane(5, [](float, float) { return 0.0f; }, x, z);
  const int32_t nn = 5, seven = 7;
  for (const char* zbuffer : {"ON", "OFF"}) {
    open();
    setclr_(&seven);
    call(zbfmod_, zbuffer);
    surshd_(x.data(), &nn, x.data(), &nn, z.data());
    EXPECT_EQ(at(0.0, 0.25, 0), 128) << zbuffer;  // no mesh yet
    call(surmsh_, "ON");
    surshd_(x.data(), &nn, x.data(), &nn, z.data());
    EXPECT_TRUE(lineAt(0.0, 0.25, 0, 7)) << zbuffer;
    EXPECT_TRUE(lineAt(0.5, -0.25, 0, 7)) << zbuffer;
    EXPECT_FALSE(lineAt(0.25, 0.25, 0, 7)) << zbuffer;
    EXPECT_EQ(at(0.25, 0.25, 0), 128) << zbuffer;  // inside a cell
    call(surmsh_, "ONLY");
    surshd_(x.data(), &nn, x.data(), &nn, z.data());
    EXPECT_TRUE(lineAt(0.0, 0.25, 0, 7)) << zbuffer;
    EXPECT_EQ(at(0.25, 0.25, 0), 0) << zbuffer;
    EXPECT_EQ(zanglb.ncolr, 7);  // the current colour is kept
    zanfin_();
  }
  // A lid triangle at z = 1 drawn first into the shared buffer of zbfini
  // hides the mesh of the floor drawn after it.
  open();
  int32_t iret = -1;
  zbfini_(&iret);
  ASSERT_EQ(iret, 0);
  setclr_(&seven);
  const float tx[3] = {-0.6f, 0.6f, -0.6f}, ty[3] = {-0.6f, -0.6f, 0.6f}, tz[3] = {1, 1, 1};
  const int32_t i1 = 1, i2 = 2, i3 = 3, three = 3, one = 1;
  surtri_(tx, ty, tz, &three, &i1, &i2, &i3, &one);
  const int32_t lid = at(-0.4, -0.4, 1);
  EXPECT_EQ(lid, 254);
  std::vector<float> floor(25, -1.0f);
  call(surmsh_, "ON");
  surshd_(x.data(), &nn, x.data(), &nn, floor.data());
  EXPECT_EQ(at(-0.4, -0.4, 1), lid);
  EXPECT_TRUE(lineAt(0.0, 0.8, -1, 7));  // the floor's line beside the lid
  zbffin_();
  zanfin_();
}

TEST_F(ShadedSurfaces, ConshdTakesTheColoursOfTheColourAxis) {
  // z = x + 1.5 (0.5 .. 2.5) in graf3 with Z from 0 to 10: level 1 has
  // int(1 + 1 * 254 / 10) = 26 (over the range of the levels alone it
  // would be 1).  On a logarithmic Z axis from 1 to 1000 (exponents 0..3)
  // level 1.2 has int(1 + log10(1.2) * 254 / 3) = int(7.704) = 7.
  const int n = 21;
  std::vector<float> x(n), z(std::size_t(n) * n);
  for (int i = 0; i < n; ++i) x[i] = -1.0f + 0.1f * i;
  for (int j = 0; j < n; ++j)
    for (int i = 0; i < n; ++i) z[std::size_t(j) * n + i] = x[i] + 1.5f;
  const int32_t nn = n, two = 2;
  for (bool logarithmic : {false, true}) {
    call(metafl_, "VIRT");
    int32_t w = 2970, h = 2100;
    winsiz_(&w, &h);
    zanini_();
    zanglb.iproto = 0;
    if (logarithmic) call(axsscl_, "LOG", "Z");
    float a = -1, e = 1, o = -1, s = 0.5f;
    float za = 0, ze = logarithmic ? 3 : 10, zo = 0, zs = 1;
    graf3_(&a, &e, &o, &s, &a, &e, &o, &s, &za, &ze, &zo, &zs);
    ASSERT_EQ(zanglb.nlev, 3);
    const float levels[2] = {logarithmic ? 1.2f : 1.0f, 2.0f};
    conshd_(x.data(), &nn, x.data(), &nn, z.data(), levels, &two);
    const float zero = 0;
    int32_t px = nxposn_(&zero), py = nyposn_(&zero), v = -1;
    rpixel_(&px, &py, &v);  // z = 1.5: the interval of level 1
    EXPECT_EQ(v, logarithmic ? 7 : 26) << logarithmic;
    zanfin_();
  }
}

TEST_F(ShadedSurfaces, BadInputWarnsAndDrawsNothing) {
  open();
  const float x[3] = {-0.5f, 0.5f, 0}, y[3] = {-0.5f, -0.5f, 0.5f}, z[3] = {0, 0, 0};
  const int32_t one = 1, two = 2, three = 3, four = 4, zero = 0;
  auto warning = [&](auto f) {
    const auto out = printed(f);
    return out.empty() ? std::string() : out[0];
  };
  EXPECT_NE(warning([&] { surtri_(x, y, z, &three, &one, &two, &four, &one); }).find("   2: "),
            std::string::npos);
  EXPECT_NE(warning([&] { surtri_(x, y, z, &three, &zero, &two, &three, &one); }).find("   2: "),
            std::string::npos);
  EXPECT_NE(warning([&] { surtri_(x, y, z, &two, &one, &two, &one, &one); }).find("   2: "),
            std::string::npos);
  EXPECT_EQ(at(0, -0.2, 0), 0);  // nothing drawn
  // A corner that is not a number leaves its triangle out.
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float zn[3] = {0, nan, 0};
  surtri_(x, y, zn, &three, &one, &two, &three, &one);
  EXPECT_EQ(at(0, -0.2, 0), 0);
  const float lv[1] = {nan};
  const float gx[2] = {-1, 1}, gz[4] = {0, 0, 0, 0};
  EXPECT_NE(warning([&] { surshc_(gx, &two, gx, &two, gz, lv, &one); }).find("   2: "),
            std::string::npos);
  EXPECT_NE(warning([&] { surshc_(gx, &two, gx, &two, gz, gz, &zero); }).find("   2: "),
            std::string::npos);
  EXPECT_EQ(at(0, 0, 0), 0);
  // Keywords: unknown ones warn and change nothing.
  EXPECT_FALSE(warning([] { call(surmsh_, "HALF"); }).empty());
  EXPECT_EQ(zanglb.isrmsh, 0);
  EXPECT_FALSE(warning([] { call(shdmod_, "ROUGH", "SURF"); }).empty());
  EXPECT_EQ(zanglb.ishsrf, 0);
  zanfin_();
  // In a colour axis system, not a 3D one: warning 35.
  call(metafl_, "VIRT");
  zanini_();
  zanglb.iproto = 0;
  float a = -1, e = 1, o = -1, s = 0.5f;
  graf3_(&a, &e, &o, &s, &a, &e, &o, &s, &a, &e, &o, &s);
  const std::string w35 = warning([&] { surtri_(x, y, z, &three, &one, &two, &three, &one); });
  EXPECT_NE(w35.find("  35: "), std::string::npos) << w35;
  zanfin_();
}

// Every file format takes the bands, the lighting and the mesh, and an
// independent reader accepts the file.
TEST_F(ShadedSurfaces, FilesPassTheirReaders) {
  std::vector<float> x, z;
  plane(12, [](float u, float v) { return 0.8f * std::sin(2 * u) * std::cos(2 * v); }, x, z);
  const float levels[4] = {-0.4f, -0.1f, 0.1f, 0.4f};
  const int32_t nn = 12, nl = 4;
  struct Case {
    const char* format;
    std::string check;
  };
  const Case cases[] = {{"PNG", "pngcheck -q shaded.png"},
                        {"PDF", "qpdf --check shaded.pdf"},
                        {"SVG", "xmllint --noout shaded.svg"},
                        {"PS", ""}};
  for (const Case& c : cases) {
    if (std::string(c.format) == "PNG") call(imgfmt_, "RGB");
    open(c.format);
    call(surmsh_, "ON");
    surshc_(x.data(), &nn, x.data(), &nn, z.data(), levels, &nl);
    call(light_, "ON");
    surshd_(x.data(), &nn, x.data(), &nn, z.data());
    zanfin_();
    if (c.check.empty()) {
      if (!haveGhostscript()) continue;
      std::string messages;
      EXPECT_EQ(runGhostscript("-sDEVICE=nullpage shaded.ps", messages), 0) << messages;
    } else {
      EXPECT_EQ(std::system((c.check + " > reader.out 2>&1").c_str()), 0)
          << c.format << ": " << readFile("reader.out");
    }
  }
}

}  // namespace
}  // namespace zantor::test
