// Many small plots as PNG files: 1,000 plots (an axis system, a curve of
// 200 points and a filled box each) written as 8-bit and as 32-bit PNG
// files in one process.  Prints the time per series and per file.
// Arguments: the number of plots, and "8" or "32" to run one series only
// (for profiling).
#include <zantor.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

#include "core/state.h"

namespace {

using Clock = std::chrono::steady_clock;

void plotOnce(const std::string& file) {
  setfil_(file.c_str(), file.size());
  zanini_();
  zantor::zanglb.iproto = 0;
  const float xa = 0, xe = 10, xor_ = 0, xstp = 2, ya = -1, ye = 1, yor = -1, ystp = 0.5f;
  graf_(&xa, &xe, &xor_, &xstp, &ya, &ye, &yor, &ystp);
  static float xs[200], ys[200];
  for (int i = 0; i < 200; ++i) {
    xs[i] = float(i) * 0.05f;
    ys[i] = std::sin(xs[i]);
  }
  const int32_t n = 200;
  curve_(xs, ys, &n);
  endgrf_();
  zanfin_();
}

// Processor time of the process (user and system): the machine may be
// shared, and the wall clock then counts other processes too.
double cpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return double(t.tv_sec) + t.tv_nsec / 1e9;
}

double cpuUsed = 0;

double series(bool rgb, int plots) {
  std::filesystem::create_directories("bench_png");
  imgfmt_(rgb ? "RGB" : "INDE", rgb ? 3 : 4);
  filmod_("DELE", 4);
  metafl_("PNG", 3);
  const auto t0 = Clock::now();
  const double c0 = cpuSeconds();
  for (int i = 0; i < plots; ++i) plotOnce("bench_png/plot" + std::to_string(i % 10) + ".png");
  cpuUsed = cpuSeconds() - c0;
  return std::chrono::duration<double>(Clock::now() - t0).count();
}

}  // namespace

int main(int argc, char** argv) {
  const int plots = argc > 1 ? std::atoi(argv[1]) : 1000;
  const std::string only = argc > 2 ? argv[2] : "";
  if (only != "32") {
    const double t8 = series(false, plots), c8 = cpuUsed;
    std::printf("%d plots as  8-bit PNG %8.3f s, processor %8.3f s  (%.2f ms per file)\n", plots,
                t8, c8, c8 * 1e3 / plots);
  }
  if (only != "8") {
    const double t32 = series(true, plots), c32 = cpuUsed;
    std::printf("%d plots as 32-bit PNG %8.3f s, processor %8.3f s  (%.2f ms per file)\n", plots,
                t32, c32, c32 * 1e3 / plots);
  }
  std::filesystem::remove_all("bench_png");
}
