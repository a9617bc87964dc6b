// Colour plot benchmark: a 1000 x 1000 colour matrix through the public
// routines into a PNG file (zanini .. zanfin, matrix fill included), for
// an 8-bit and a 32-bit picture of 1600 x 1200 pixels; then the depth
// buffer alone: 200 x 200 grid cells as 80,000 shaded triangles into a
// 1600 x 1200 32-bit raster.
#include <chrono>
#include <cmath>
#include <ctime>
#include <cstdio>
#include <cstring>
#include <vector>

#include <zantor.h>

#include "devices/raster/raster.h"

using namespace zantor;
using Clock = std::chrono::steady_clock;

static double ms(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double, std::milli>(b - a).count();
}

static void arg(void (*f)(const char*, size_t), const char* s) { f(s, std::strlen(s)); }

// Wall and processor time of one call (the machine is shared: the
// processor time shows the cost without waiting for other programs).
struct Time {
  double wall, cpu;
};

static double matrixPlotBody(bool rgb);
static Time matrixPlot(bool rgb) {
  const std::clock_t c0 = std::clock();
  const double wall = matrixPlotBody(rgb);
  return {wall, 1000.0 * double(std::clock() - c0) / CLOCKS_PER_SEC};
}

static double matrixPlotBody(bool rgb) {
  const auto t0 = Clock::now();
  const int n = 1000, m = 1000;
  std::vector<float> z(std::size_t(n) * m);
  for (int j = 0; j < m; ++j)
    for (int i = 0; i < n; ++i)
      z[std::size_t(j) * n + i] = std::sin(i * 0.01f) * std::cos(j * 0.013f);
  arg(metafl_, "PNG");
  setfil_("bench_colour.png", 16);
  arg(filmod_, "DELE");
  if (rgb) arg(imgfmt_, "RGB");
  int32_t w = 1600, h = 1200;
  winsiz_(&w, &h);
  zanini_();
  errmod_("PROT", "OFF", 4, 3);
  float xa = 0, xe = 1000, xo = 0, xs = 200, za = -1, ze = 1, zo = -1, zs = 0.5f;
  graf3_(&xa, &xe, &xo, &xs, &xa, &xe, &xo, &xs, &za, &ze, &zo, &zs);
  int32_t one = 1, nn = n, mm = m;
  crvmat_(z.data(), &nn, &mm, &one, &one);
  endgrf_();
  zanfin_();
  return ms(t0, Clock::now());
}

int main() {
  std::printf("1000 x 1000 colour matrix into a 1600 x 1200 PNG (whole plot):\n");
  for (bool rgb : {false, true}) {
    Time best{1e9, 1e9};
    for (int k = 0; k < 3; ++k) {
      const Time t = matrixPlot(rgb);
      best.wall = std::min(best.wall, t.wall);
      best.cpu = std::min(best.cpu, t.cpu);
    }
    std::printf("  %-7s %8.1f ms wall, %8.1f ms processor (best of 3)\n",
                rgb ? "32-bit" : "8-bit", best.wall, best.cpu);
  }

  // Depth buffer: a 200 x 200 grid of a wavy surface, projected flat
  // (x, y to pixels, z as depth), two triangles a cell with lit colours
  // at the corners.
  RasterContext r;
  if (r.qqvini(1600, 1200, true, false) != 0) return 1;
  const int N = 200;
  std::vector<double> px(N * N), py(N * N), pz(N * N);
  std::vector<int32_t> col(N * N);
  for (int j = 0; j < N; ++j)
    for (int i = 0; i < N; ++i) {
      const double u = i / (N - 1.0), v = j / (N - 1.0);
      const double h = 0.1 * std::sin(8 * u) * std::cos(6 * v);
      const std::size_t k = std::size_t(j) * N + i;
      px[k] = 200 + 1200 * u + 300 * v;
      py[k] = 1000 - 700 * v - 1500 * h;
      pz[k] = v + h;
      const int c = int(128 + 1000 * h);
      col[k] = 0x01000000 + c * 256 + 255 - c;
    }
  const auto t0 = Clock::now();
  const std::clock_t c0 = std::clock();
  r.qqvzbf(0);
  for (int j = 0; j + 1 < N; ++j)
    for (int i = 0; i + 1 < N; ++i) {
      const std::size_t a = std::size_t(j) * N + i, b = a + 1, c = a + N, d = c + 1;
      const double x1[3] = {px[a], px[b], px[d]}, y1[3] = {py[a], py[b], py[d]};
      const double z1[3] = {pz[a], pz[b], pz[d]};
      const int32_t c1[3] = {col[a], col[b], col[d]};
      r.qqvztr(x1, y1, z1, c1);
      const double x2[3] = {px[a], px[d], px[c]}, y2[3] = {py[a], py[d], py[c]};
      const double z2[3] = {pz[a], pz[d], pz[c]};
      const int32_t c2[3] = {col[a], col[d], col[c]};
      r.qqvztr(x2, y2, z2, c2);
    }
  const auto t1 = Clock::now();
  const double cpu = 1000.0 * double(std::clock() - c0) / CLOCKS_PER_SEC;
  std::printf("200 x 200 grid as 79,202 depth-tested shaded triangles, 1600 x 1200 32-bit: "
              "%.1f ms wall, %.1f ms processor\n", ms(t0, t1), cpu);
  return 0;
}
