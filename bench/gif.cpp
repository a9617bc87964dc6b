// GIF encoding speed: an 853 x 603 plot from the indexed raster, and a
// 4000 x 3000 true-colour picture that goes through the octree quantiser.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

#include <vector>

#include "devices/gif/gif_writer.h"
#include "devices/raster/octree_quantiser.h"
#include "devices/raster/image_files.h"
#include "devices/raster/raster.h"

using namespace zantor;
using Clock = std::chrono::steady_clock;

// Processor time of this thread: on a shared machine the wall clock also
// counts the time other processes had the processor.
static double cpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static double ms(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double, std::milli>(b - a).count();
}

// A plot-like picture: axes, a grid, curves and filled boxes.
static void drawPlot(RasterContext& r, int w, int h, bool rgb) {
  auto colour = [rgb](int i) {
    return rgb ? int32_t(0x01000000 | ((i * 2654435761u) & 0xFFFFFF)) : int32_t(i % 255 + 1);
  };
  r.qqvclr(colour(1));
  for (int x = 0; x < w; x += 40) {
    r.qqvdrw(x, 0, 3);
    r.qqvdrw(x, h - 1, 2);
  }
  for (int y = 0; y < h; y += 40) {
    r.qqvdrw(0, y, 3);
    r.qqvdrw(w - 1, y, 2);
  }
  for (int c = 0; c < 6; ++c) {
    r.qqvclr(colour(c + 2));
    r.qqvdrw(0, h / 2, 3);
    for (int x = 0; x < w; x += 2)
      r.qqvdrw(x, int(h / 2 + (h / 3) * std::sin(x * 0.01 * (c + 1))), 2);
  }
  for (int i = 0; i < 40; ++i) r.qqvfll(i * w / 40, h - h / 8, i * w / 40 + w / 50, h - 1, colour(i + 10));
  r.flush();
}

int main() {
  {
    RasterContext r;
    if (r.qqvini(853, 603, false, false) != 0) return 1;
    drawPlot(r, 853, 603, false);
    MemorySink out;
    const auto t0 = Clock::now();
    const double c0 = cpuMs();
    const int reps = 20;
    int status = 0;
    for (int i = 0; i < reps; ++i) {
      MemorySink s;
      status |= writeGif(s, rasterSource(r), 0, false);
      if (i == 0) out.write(s.bytes().data(), s.bytes().size());
    }
    const auto t1 = Clock::now();
    const double c1 = cpuMs();
    std::printf("GIF  853 x  603 indexed plot           %8.2f ms per file, %8.2f ms processor"
                " (%zu bytes, status %d)\n",
                ms(t0, t1) / reps, (c1 - c0) / reps, out.bytes().size(), status);
  }
  {
    RasterContext r;
    const int w = 4000, h = 3000;
    if (r.qqvini(w, h, true, false) != 0) return 1;
    drawPlot(r, w, h, true);
    // A smooth background gradient over part of the picture: thousands of
    // colours for the quantiser.
    for (int y = 0; y < h / 3; ++y)
      for (int x = 0; x < w; x += 1)
        r.qqvwpx(x, y, int32_t(0x01000000 | (y * 255 / h) << 16 | (x * 255 / w) << 8 | 128));
    const auto t0 = Clock::now();
    const double c0 = cpuMs();
    MemorySink s;
    const int status = writeGif(s, rasterSource(r), 0, false, 0);
    const auto t1 = Clock::now();
    const double c1 = cpuMs();
    std::printf("GIF 4000 x 3000 true colour, quantised %8.2f ms per file, %8.2f ms processor"
                " (%zu bytes, status %d)\n",
                ms(t0, t1), c1 - c0, s.bytes().size(), status);
    // The stages on their own: reading the rows, quantising, LZW coding.
    std::vector<uint8_t> rgb(std::size_t(w) * h * 3), idx(std::size_t(w) * h), packed;
    const ImageSource src = rasterSource(r);
    const auto t2 = Clock::now();
    for (int y = 0; y < h; ++y) src.readRow(y, rgb.data() + std::size_t(y) * w * 3);
    const auto t3 = Clock::now();
    uint8_t red[256], green[256], blue[256];
    const int colours = qqquant(rgb.data(), w, h, idx.data(), red, green, blue);
    const auto t4 = Clock::now();
    gifLzwEncode(idx.data(), idx.size(), packed);
    const auto t5 = Clock::now();
    std::printf("  rows %.1f ms, quantiser %.1f ms (%d colours), LZW %.1f ms\n", ms(t2, t3),
                ms(t3, t4), colours, ms(t4, t5));
  }
}
