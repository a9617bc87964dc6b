// A rendered surface compared with a reference picture kept with the
// tests: the plot is written as EPS, Ghostscript renders it, and every
// dark pixel of either picture must have a dark pixel within one pixel in
// the other (a tolerance for antialiasing and rounding), for all but a
// small fraction of the pixels.
//
// ZANTOR_UPDATE_REFERENCES=1 writes the reference anew (look at it first).
#include <zantor.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "support/fixture.h"
#include "support/ghostscript.h"

namespace zantor::test {
namespace {

constexpr int kDpi = 50;
const char* const kReference = ZANTOR_SOURCE_DIR "/tests/plot3d/reference/surface.pgm";

bool readPgm(const char* path, Image& im) {
  std::ifstream f(path, std::ios::binary);
  std::string magic;
  int maxval = 0;
  if (!(f >> magic >> im.w >> im.h >> maxval) || magic != "P5" || maxval != 255) return false;
  f.get();
  im.channels = 1;
  im.pixels.resize(static_cast<size_t>(im.w) * im.h);
  f.read(reinterpret_cast<char*>(im.pixels.data()), static_cast<std::streamsize>(im.pixels.size()));
  return static_cast<bool>(f);
}

void writePgm(const char* path, const Image& im) {
  std::ofstream f(path, std::ios::binary);
  f << "P5\n" << im.w << " " << im.h << "\n255\n";
  for (int y = 0; y < im.h; ++y)
    for (int x = 0; x < im.w; ++x) {
      const Rgb c = im.at(x, y);
      f.put(static_cast<char>((c.r + c.g + c.b) / 3));
    }
}

// Dark pixels of a that have no dark pixel within one pixel in b.
long unmatched(const Image& a, const Image& b) {
  long n = 0;
  for (int y = 0; y < a.h; ++y)
    for (int x = 0; x < a.w; ++x) {
      if (!a.dark(x, y)) continue;
      bool found = false;
      for (int dy = -1; dy <= 1 && !found; ++dy)
        for (int dx = -1; dx <= 1 && !found; ++dx) found = b.dark(x + dx, y + dy);
      if (!found) ++n;
    }
  return n;
}

long darkCount(const Image& a) {
  long n = 0;
  for (int y = 0; y < a.h; ++y)
    for (int x = 0; x < a.w; ++x) n += a.dark(x, y);
  return n;
}

class SurfacePicture : public LibraryTest {};

TEST_F(SurfacePicture, MatchesTheReference) {
  if (!haveGhostscript()) GTEST_SKIP() << "Ghostscript is not installed";
  metafl_("EPS", 3);
  setfil_("surface.eps", 11);
  int32_t w = 1400, h = 1000;
  page_(&w, &h);
  zanini_();
  errmod_("PROT", "OFF", 4, 3);
  int32_t nx = 150, ny = 900, lx = 1100, ly = 750;
  axspos_(&nx, &ny);
  axslen_(&lx, &ly);
  float a = -3, e = 3, o = -3, s = 1, za = -1, ze = 1, zo = -1, zs = 0.5f;
  graf3d_(&a, &e, &o, &s, &a, &e, &o, &s, &za, &ze, &zo, &zs);
  constexpr int n = 30;
  std::vector<float> x(n), z(n * n);
  for (int i = 0; i < n; ++i) x[i] = -3.0f + 6.0f * i / (n - 1);
  for (int j = 0; j < n; ++j)
    for (int i = 0; i < n; ++i) {
      const float r = std::hypot(x[i], x[j]);
      z[i + j * n] = std::cos(1.5f * r) * std::exp(-r / 3);
    }
  const int32_t nn = n;
  surfce_(x.data(), &nn, x.data(), &nn, z.data());
  endgrf_();
  zanfin_();
  const Image im = renderPage("surface.eps", kDpi, Pixels::Grey, kEpsBox);
  ASSERT_GT(im.w, 0);
  const char* update = std::getenv("ZANTOR_UPDATE_REFERENCES");
  if (update != nullptr && std::string(update) == "1") writePgm(kReference, im);
  Image ref;
  ASSERT_TRUE(readPgm(kReference, ref)) << kReference;
  ASSERT_EQ(im.w, ref.w);
  ASSERT_EQ(im.h, ref.h);
  const long dark = darkCount(ref);
  ASSERT_GT(dark, 2000);  // the reference holds a real picture
  EXPECT_LE(unmatched(im, ref), dark / 200);
  EXPECT_LE(unmatched(ref, im), dark / 200);
}

}  // namespace
}  // namespace zantor::test
