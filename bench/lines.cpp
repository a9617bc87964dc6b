// Throughput of the line pipeline: 1,000,000 connected points through the
// pattern stage, the buffer and the stroker, into the GKSL metafile writer
// and into a writer that drops everything (the pipeline alone).
//   bench_lines [points]
#include <zantor.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "core/state.h"
#include "devices/dispatch.h"
#include "draw/pipeline.h"

namespace {

class DropDevice : public zantor::Device {
 public:
  void move(double, double) override {}
  void draw(double, double) override {}
  bool wroteFile() const override { return false; }
};

void call(void (*f)(const char*, size_t), const char* s) {
  f(s, std::char_traits<char>::length(s));
}

// Runs one plot drawing `n` connected points; returns the seconds spent
// between the first and the last point (zanfin included).
double run(const char* label, long n, void (*setup)()) {
  call(metafl_, "GKSL");
  call(filmod_, "DELE");
  call(setfil_, "bench_lines.met");
  zanini_();
  if (zantor::zanglb.nlev == 0) return 0;
  zantor::zanglb.iproto = 0;
  setup();
  const auto t0 = std::chrono::steady_clock::now();
  zantor::strtqq(100.0f, 1000.0f);
  for (long i = 1; i < n; ++i) {
    // A wave across the page, folded back so it stays on it.
    const double x = 100.0 + std::fmod(i * 0.05, 2700.0);
    const double y = 1000.0 + 800.0 * std::sin(i * 0.001);
    zantor::connqq(static_cast<float>(x), static_cast<float>(y));
  }
  zanfin_();
  const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  std::printf("%-34s %9.3f s %12.0f points/s\n", label, s, n / s);
  return s;
}

void solidThin() {}
void dashed() { dash_(); }
void thick() {
  int32_t w = 10;
  linwid_(&w);
}

}  // namespace

int main(int argc, char** argv) {
  const long n = argc > 1 ? std::atol(argv[1]) : 1000000;
  std::printf("line pipeline, %ld connected points\n", n);
  run("GKSL file, solid", n, solidThin);
  run("GKSL file, dashed", n, dashed);
  zantor::setDeviceFactoryOverride(
      [](int) -> std::unique_ptr<zantor::Device> { return std::make_unique<DropDevice>(); });
  run("null device, solid", n, solidThin);
  run("null device, dashed", n, dashed);
  run("null device, linwid(10)", n, thick);
  zantor::setDeviceFactoryOverride({});
  std::filesystem::remove("bench_lines.met");
  return 0;
}
