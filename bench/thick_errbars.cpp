// Thick lines in every vector and raster format: 1,000 error bars drawn at
// line width 1111, then a curve with thkcrv(400).  Prints the size of each
// file and the time it took; the work must not grow with the width.
//   bench_thick_errbars [width]
#include <zantor.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

void call(void (*f)(const char*, size_t), const std::string& s) { f(s.data(), s.size()); }

struct Result {
  double seconds;
  std::uintmax_t bytes;
};

Result run(const std::string& format, const std::string& file, int32_t width, bool curve) {
  call(metafl_, format);
  call(filmod_, "DELE");
  call(setfil_, file);
  const auto t0 = std::chrono::steady_clock::now();
  zanini_();
  errmod_("ALL", "OFF", 3, 3);  // no protocol or warnings between the rows
  float a = 0, e = 1000, o = 0, st = 100, ya = -10, ye = 10, yo = -10, ys = 2;
  graf_(&a, &e, &o, &st, &ya, &ye, &yo, &ys);
  std::vector<float> x(1000), y(1000), e1(1000), e2(1000);
  for (int i = 0; i < 1000; ++i) {
    x[i] = static_cast<float>(i);
    y[i] = static_cast<float>(5 * std::sin(i * 0.05));
    e1[i] = e2[i] = 2;
  }
  int32_t n = 1000;
  if (curve) {
    int32_t copies = width;
    thkcrv_(&copies);
    curve_(x.data(), y.data(), &n);
  } else {
    linwid_(&width);
    errbar_(x.data(), y.data(), e1.data(), e2.data(), &n);
  }
  zanfin_();
  const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  std::error_code ec;
  const auto bytes = std::filesystem::file_size(file, ec);
  std::filesystem::remove(file, ec);
  return {s, ec ? 0 : bytes};
}

}  // namespace

int main(int argc, char** argv) {
  const int32_t width = argc > 1 ? std::atoi(argv[1]) : 1111;
  static const char* kFormats[][2] = {
      {"GKSL", "bench_thick.met"}, {"CGM ", "bench_thick.cgm"}, {"WMF ", "bench_thick.wmf"},
      {"HPGL", "bench_thick.hpgl"}, {"POST", "bench_thick.ps"}, {"PDF ", "bench_thick.pdf"},
      {"SVG ", "bench_thick.svg"}, {"IPE ", "bench_thick.ipe"}, {"PNG ", "bench_thick.png"},
      {"TIFF", "bench_thick.tif"}};
  std::printf("1,000 error bars at linwid(%d), and a curve with thkcrv(%d)\n", width, width);
  std::printf("%-6s %12s %10s %12s %10s\n", "format", "errbar bytes", "seconds", "curve bytes",
              "seconds");
  for (const auto& f : kFormats) {
    const Result bars = run(f[0], f[1], width, false);
    const Result crv = run(f[0], f[1], width, true);
    std::printf("%-6s %12ju %10.3f %12ju %10.3f\n", f[0], bars.bytes, bars.seconds, crv.bytes,
                crv.seconds);
  }
  return 0;
}
