// Writing speed of the PostScript writer: one million connected points and
// one hundred thousand filled rectangles.  Prints time and file size.
#include <zantor.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "core/state.h"
#include "devices/dispatch.h"

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

template <class F>
void run(const char* what, const char* file, F&& draw) {
  std::filesystem::remove(file);
  setfil_(file, std::char_traits<char>::length(file));
  metafl_("PS", 2);
  zanini_();
  zantor::zanglb.iproto = 0;
  const auto t0 = Clock::now();
  draw();
  zanfin_();
  const double t = seconds(t0);
  const auto size = std::filesystem::file_size(file);
  std::printf("%-34s %8.3f s  %10.1f MB\n", what, t, size / 1.0e6);
}

}  // namespace

int main() {
  run("1,000,000 connected points", "bench_points.ps", [] {
    float x = 100.0f, y = 1000.0f;
    xmove_(&x, &y);
    for (int i = 1; i < 1000000; ++i) {
      x = 100.0f + static_cast<float>(i % 2700);
      y = 1000.0f + static_cast<float>((i * 37) % 900) - 450.0f;
      xdraw_(&x, &y);
    }
  });
  run("100,000 filled rectangles", "bench_rects.ps", [] {
    zantor::Device* d = zantor::currentDevice();
    for (int i = 0; i < 100000; ++i) {
      const double x = (i * 13) % 3500, y = (i * 7) % 5000;
      d->fillRect(x, y, x + 300, y + 200,
                  {static_cast<uint8_t>(i), static_cast<uint8_t>(i >> 3), 128});
    }
  });
  return 0;
}
