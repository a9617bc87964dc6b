// Surface benchmark: a 200 x 200 mesh of z = cos(1.5 r) exp(-r/3) over
// [-3, 3]^2 with hidden lines removed, in a 3D axis system, into an
// 853 x 603 PNG.  Prints the time of the data, the surface and the whole
// plot (zanini to zanfin, including the PNG file); run it under `time`
// for the whole process.
//   bench_surface [n] [repeats]
#include <zantor.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double ms(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double, std::milli>(b - a).count();
}

void call(void (*f)(const char*, size_t), const char* s) {
  f(s, std::char_traits<char>::length(s));
}

}  // namespace

int main(int argc, char** argv) {
  const int n = argc > 1 ? std::atoi(argv[1]) : 200;
  const int repeats = argc > 2 ? std::atoi(argv[2]) : 1;
  if (n < 2 || repeats < 1) return 2;
  for (int rep = 0; rep < repeats; ++rep) {
    const auto t0 = Clock::now();
    std::vector<float> x(n), y(n), z(static_cast<size_t>(n) * n);
    for (int i = 0; i < n; ++i) x[i] = y[i] = -3.0f + 6.0f * i / (n - 1);
    for (int j = 0; j < n; ++j)
      for (int i = 0; i < n; ++i) {
        const float r = std::sqrt(x[i] * x[i] + y[j] * y[j]);
        z[i + static_cast<size_t>(j) * n] = std::cos(1.5f * r) * std::exp(-r / 3);
      }
    const auto t1 = Clock::now();
    call(metafl_, "PNG");
    call(setfil_, "bench_surface.png");
    call(filmod_, "DELE");
    zanini_();
    errmod_("PROT", "OFF", 4, 3);
    float a = -3, e = 3, o = -3, s = 1, za = -1, ze = 1, zo = -1, zs = 0.5f;
    graf3d_(&a, &e, &o, &s, &a, &e, &o, &s, &za, &ze, &zo, &zs);
    const auto t2 = Clock::now();
    const int32_t nn = n;
    surfce_(x.data(), &nn, y.data(), &nn, z.data());
    const auto t3 = Clock::now();
    endgrf_();
    zanfin_();
    const auto t4 = Clock::now();
    std::error_code ec;
    const auto size = std::filesystem::file_size("bench_surface.png", ec);
    std::printf("%d x %d mesh: data %6.1f ms  axes %6.1f ms  surface %6.1f ms  "
                "finish+PNG %6.1f ms  total %6.1f ms  (%llu bytes)\n",
                n, n, ms(t0, t1), ms(t1, t2), ms(t2, t3), ms(t3, t4), ms(t0, t4),
                static_cast<unsigned long long>(ec ? 0 : size));
  }
  return 0;
}
