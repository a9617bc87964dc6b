// Throughput of curves: 1,000,000 points with curve (LINE) and 100,000
// marker symbols into PostScript; prints the time and the file size.
//   bench_curves [points] [symbols]
#include <zantor.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

void call(void (*f)(const char*, size_t), const char* s) {
  f(s, std::char_traits<char>::length(s));
}

void run(const char* label, const char* file, long n, bool symbols) {
  std::vector<float> x(n), y(n);
  for (long i = 0; i < n; ++i) {
    x[i] = static_cast<float>(10.0 * i / n);
    y[i] = static_cast<float>(5.0 + 4.0 * std::sin(i * 0.002) * std::cos(i * 0.00003));
  }
  call(metafl_, "PS");
  call(filmod_, "DELE");
  call(setfil_, file);
  const auto t0 = std::chrono::steady_clock::now();
  zanini_();
  errmod_("PROT", "OFF", 4, 3);
  float a = 0, e = 10, o = 0, s = 2;
  graf_(&a, &e, &o, &s, &a, &e, &o, &s);
  if (symbols) {
    const int32_t only = -1, sym = 21, h = 12;
    incmrk_(&only);
    marker_(&sym);
    hsymbl_(&h);
  }
  const int32_t count = static_cast<int32_t>(n);
  curve_(x.data(), y.data(), &count);
  endgrf_();
  zanfin_();
  const double sec = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  std::error_code ec;
  const auto size = std::filesystem::file_size(file, ec);
  std::printf("%-28s %9ld points  %8.3f s  %10.0f points/s  %10llu bytes\n", label, n, sec,
              n / sec, static_cast<unsigned long long>(ec ? 0 : size));
}

}  // namespace

int main(int argc, char** argv) {
  const long points = argc > 1 ? std::atol(argv[1]) : 1000000;
  const long symbols = argc > 2 ? std::atol(argv[2]) : 100000;
  run("curve LINE into PostScript", "bench_curves.ps", points, false);
  run("markers into PostScript", "bench_symbols.ps", symbols, true);
  return 0;
}
