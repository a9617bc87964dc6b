// Scattered-data contours: Delaunay triangulation of random points, then
// 20 contour levels and 20 shaded levels of z = sin x cos y on it into an
// 853 x 603 PNG and into PostScript.
//   bench_scattered [points]   (default 100000)
#include <zantor.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double ms(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double, std::milli>(b - a).count();
}

void call(void (*f)(const char*, size_t), const char* s) { f(s, std::char_traits<char>::length(s)); }

}  // namespace

int main(int argc, char** argv) {
  const int32_t n = argc > 1 ? std::atoi(argv[1]) : 100000;
  std::vector<float> x(n), y(n), z(n);
  std::mt19937 rng(1);
  std::uniform_real_distribution<float> u(0, 10);
  for (int i = 0; i < n; ++i) {
    x[i] = u(rng), y[i] = u(rng);
    z[i] = std::sin(x[i]) * std::cos(y[i]);
  }
  int32_t room = 2 * n, ntri = 0;
  std::vector<int32_t> i1(room), i2(room), i3(room);
  const auto t0 = Clock::now();
  triang_(x.data(), y.data(), &n, i1.data(), i2.data(), i3.data(), &room, &ntri);
  const auto t1 = Clock::now();
  std::printf("triang %d points: %d triangles in %.1f ms\n", n, ntri, ms(t0, t1));
  float levels[20];
  for (int k = 0; k < 20; ++k) levels[k] = -0.95f + 0.1f * k;
  for (const char* format : {"PNG", "PS"}) {
    for (int shaded = 0; shaded < 2; ++shaded) {
      const std::string file = std::string("bench_scattered") + (shaded ? "_shaded" : "") +
                               (format[1] == 'N' ? ".png" : ".ps");
      const auto a = Clock::now();
      call(metafl_, format);
      call(filmod_, "DELE");
      call(setfil_, file.c_str());
      zanini_();
      errmod_("PROT", "OFF", 4, 3);
      float lo = 0, hi = 10, o = 0, s = 2;
      graf_(&lo, &hi, &o, &s, &lo, &hi, &o, &s);
      if (shaded) {
        const int32_t nl = 20;
        confll_(x.data(), y.data(), z.data(), &n, i1.data(), i2.data(), i3.data(), &ntri, levels, &nl);
      } else {
        for (float& lev : levels)
          contri_(x.data(), y.data(), z.data(), &n, i1.data(), i2.data(), i3.data(), &ntri, &lev);
      }
      endgrf_();
      zanfin_();
      const auto b = Clock::now();
      std::error_code ec;
      const auto size = std::filesystem::file_size(file, ec);
      std::printf("%-22s %-4s %8.1f ms  %10llu bytes\n", shaded ? "confll 20 levels" : "contri 20 levels",
                  format, ms(a, b), static_cast<unsigned long long>(ec ? 0 : size));
    }
  }
  return 0;
}
