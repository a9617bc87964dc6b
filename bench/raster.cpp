// Raster benchmark: 1,000,000 connected points and 100,000 filled markers
// and rectangles into an 853 x 603 picture, drawing and PNG encoding timed
// separately, with a plain Bresenham loop over the same segments for
// comparison; then 100,000 points as a thick line.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "devices/raster/image_files.h"
#include "devices/raster/raster.h"

using namespace zantor;
using Clock = std::chrono::steady_clock;

static double ms(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double, std::milli>(b - a).count();
}

int main() {
  const int W = 853, H = 603, N = 1000000, M = 100000;
  std::vector<int> xs(N), ys(N);
  uint32_t seed = 12345;
  auto rnd = [&]() { return (seed = seed * 1664525u + 1013904223u) >> 8; };
  for (int i = 0; i < N; ++i) {
    const double t = i * 0.001;
    xs[i] = int(W / 2 + 400 * std::sin(t * 1.3) + int(rnd() % 7) - 3);
    ys[i] = int(H / 2 + 280 * std::cos(t * 0.7) + int(rnd() % 7) - 3);
  }
  for (int mode = 0; mode < 3; ++mode) {
    const bool rgb = mode > 0, smooth = mode == 2;
    RasterContext r;
    if (r.qqvini(W, H, rgb, false) != 0) return 1;
    r.setAntialias(smooth);
    r.qqvclr(rgb ? 0x0100FFFF : 200);
    auto t0 = Clock::now();
    r.qqvdrw(xs[0], ys[0], 3);
    for (int i = 1; i < N; ++i) r.qqvdrw(xs[i], ys[i], 2);
    r.flush();
    auto t1 = Clock::now();
    for (int i = 0; i < M; ++i) {
      const int x = int(rnd() % W), y = int(rnd() % H);
      if (i % 2) r.qqvsym(16 + i % 6, x, y, 8);
      else r.qqvfll(x, y, x + 6, y + 4, rgb ? 0x01FF0000 : 50);
    }
    auto t2 = Clock::now();
    MemorySink png;
    const int status = writePng(png, rasterSource(r), false);
    auto t3 = Clock::now();
    // Thick lines: the first 100,000 points again, 9 pixels wide with
    // round joins (one outline per 100-point piece of the pipeline).
    r.setLineWidth(9);
    r.setLineJoin(1);
    auto t4 = Clock::now();
    for (int i = 0; i < N / 10; ++i) r.qqvdrw(xs[i], ys[i], i % 100 == 0 ? 3 : 2);
    r.flush();
    auto t5 = Clock::now();
    std::printf("%-14s lines %8.1f ms   markers/rects %8.1f ms   PNG %8.1f ms (%zu bytes, status %d)"
                "   thick %8.1f ms\n",
                smooth ? "32-bit smooth" : rgb ? "32-bit" : "8-bit", ms(t0, t1), ms(t1, t2),
                ms(t2, t3), png.bytes().size(), status, ms(t4, t5));
  }
  // The reference: a bare Bresenham loop over the same segments into an
  // 8-bit buffer, without buffering or clipping.
  std::vector<uint8_t> buf(std::size_t(W) * H);
  auto t0 = Clock::now();
  for (int i = 1; i < N; ++i) {
    int x0 = xs[i - 1], y0 = ys[i - 1];
    const int x1 = xs[i], y1 = ys[i];
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
      buf[std::size_t(y0) * W + x0] = 200;
      if (x0 == x1 && y0 == y1) break;
      const int e2 = 2 * err;
      if (e2 >= dy) { err += dy; x0 += sx; }
      if (e2 <= dx) { err += dx; y0 += sy; }
    }
  }
  auto t1 = Clock::now();
  std::printf("%-14s lines %8.1f ms   (checksum %d)\n", "bare loop", ms(t0, t1), int(buf[W * (H / 2) + W / 2]));
  return 0;
}
