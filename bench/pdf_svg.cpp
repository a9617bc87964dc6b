// Writing speed of the PDF and SVG writers: one million connected points
// in an axis system as PDF and as SVG, and one hundred thousand open
// circle markers (and filled circle markers) as PDF.  Prints wall and
// processor time (from zanini to the closed file; processor time is the
// figure to trust on a loaded machine) and file size.  With an argument
// ("pdf", "svg", "markers", "filled") only that case runs, so that the
// whole process can be timed from outside.
#include <zantor.h>

#include <chrono>
#include <cmath>
#include <ctime>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "core/state.h"

namespace {

using Clock = std::chrono::steady_clock;

void call(void (*f)(const char*, size_t), const char* s) { f(s, std::strlen(s)); }

void axes() {
  float xa = 0, xe = 1, xor_ = 0, xstp = 0.2f, ya = -1.5f, ye = 1.5f, yor = -1.5f, ystp = 0.5f;
  graf_(&xa, &xe, &xor_, &xstp, &ya, &ye, &yor, &ystp);
}

void points(int n, std::vector<float>& x, std::vector<float>& y) {
  x.resize(static_cast<std::size_t>(n));
  y.resize(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / n;
    x[static_cast<std::size_t>(i)] = static_cast<float>(t);
    y[static_cast<std::size_t>(i)] =
        static_cast<float>(std::sin(200 * t) + 0.3 * std::sin(15000 * t));
  }
}

template <class F>
void run(const char* what, const char* format, const char* file, F&& draw) {
  std::filesystem::remove(file);
  const auto t0 = Clock::now();
  const std::clock_t c0 = std::clock();
  call(metafl_, format);
  call(setfil_, file);
  zanini_();
  zantor::zanglb.iproto = 0;
  draw();
  zanfin_();
  const double t = std::chrono::duration<double>(Clock::now() - t0).count();
  const double cpu = static_cast<double>(std::clock() - c0) / CLOCKS_PER_SEC;
  std::printf("%-40s %8.3f s wall %8.3f s cpu %8.2f MB\n", what, t, cpu,
              std::filesystem::file_size(file) / 1.0e6);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string only = argc > 1 ? argv[1] : "";
  std::vector<float> x, y;
  if (only.empty() || only == "pdf") {
    points(1000000, x, y);
    run("1,000,000 connected points, PDF", "PDF", "bench_points.pdf", [&] {
      axes();
      int32_t n = static_cast<int32_t>(x.size());
      curve_(x.data(), y.data(), &n);
    });
  }
  if (only.empty() || only == "svg") {
    points(1000000, x, y);
    run("1,000,000 connected points, SVG", "SVG", "bench_points.svg", [&] {
      axes();
      int32_t n = static_cast<int32_t>(x.size());
      curve_(x.data(), y.data(), &n);
    });
  }
  if (only.empty() || only == "markers") {
    points(100000, x, y);
    run("100,000 open circle markers, PDF", "PDF", "bench_markers.pdf", [&] {
      axes();
      int32_t mode = -1, symbol = 15, n = static_cast<int32_t>(x.size());
      incmrk_(&mode);
      marker_(&symbol);
      curve_(x.data(), y.data(), &n);
    });
  }
  if (only.empty() || only == "filled") {
    points(100000, x, y);
    run("100,000 filled circle markers, PDF", "PDF", "bench_filled.pdf", [&] {
      axes();
      int32_t mode = -1, symbol = 21, n = static_cast<int32_t>(x.size());
      incmrk_(&mode);
      marker_(&symbol);
      curve_(x.data(), y.data(), &n);
    });
  }
  return 0;
}
