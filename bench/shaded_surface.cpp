// Shaded surface benchmark: a 200 x 200 grid of z = cos(1.5 r) exp(-r/3)
// over [-3, 3]^2, lit by the default light, in a 3D axis system, into a
// 1600 x 1200 32-bit PNG, smooth and flat, with and without mesh lines.
// Prints the wall and processor time of the whole plot (zanini to
// zanfin, including the PNG file) and of surshd alone; run it under
// `time` for the whole process.
//   bench_shaded_surface [n] [repeats]
#include <zantor.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double ms(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double, std::milli>(b - a).count();
}

void call(void (*f)(const char*, size_t), const char* s) {
  f(s, std::char_traits<char>::length(s));
}

struct Time {
  double wall = 1e9, cpu = 1e9, surface = 1e9;
};

Time plot(int n, const char* shading, const char* mesh) {
  const auto t0 = Clock::now();
  const std::clock_t c0 = std::clock();
  std::vector<float> x(n), z(std::size_t(n) * n);
  for (int i = 0; i < n; ++i) x[i] = -3.0f + 6.0f * i / (n - 1);
  for (int j = 0; j < n; ++j)
    for (int i = 0; i < n; ++i) {
      const float r = std::sqrt(x[i] * x[i] + x[j] * x[j]);
      z[i + std::size_t(j) * n] = std::cos(1.5f * r) * std::exp(-r / 3);
    }
  call(metafl_, "PNG");
  call(setfil_, "bench_shaded_surface.png");
  call(filmod_, "DELE");
  call(imgfmt_, "RGB");
  int32_t w = 1600, h = 1200;
  winsiz_(&w, &h);
  zanini_();
  errmod_("PROT", "OFF", 4, 3);
  float a = -3, e = 3, o = -3, s = 1, za = -1, ze = 1, zo = -1, zs = 0.5f;
  graf3d_(&a, &e, &o, &s, &a, &e, &o, &s, &za, &ze, &zo, &zs);
  call(light_, "ON");
  shdmod_(shading, "SURF", std::char_traits<char>::length(shading), 4);
  call(surmsh_, mesh);
  const int32_t nn = n;
  const auto t1 = Clock::now();
  surshd_(x.data(), &nn, x.data(), &nn, z.data());
  const auto t2 = Clock::now();
  endgrf_();
  zanfin_();
  Time t;
  t.wall = ms(t0, Clock::now());
  t.cpu = 1000.0 * double(std::clock() - c0) / CLOCKS_PER_SEC;
  t.surface = ms(t1, t2);
  return t;
}

}  // namespace

int main(int argc, char** argv) {
  const int n = argc > 1 ? std::atoi(argv[1]) : 200;
  const int repeats = argc > 2 ? std::atoi(argv[2]) : 3;
  if (n < 2 || repeats < 1) return 2;
  std::printf("%d x %d lit surface into a 1600 x 1200 32-bit PNG (best of %d):\n", n, n, repeats);
  // The plain smooth surface last: its picture is the one left behind.
  const char* cases[][2] = {{"SMOOTH", "ON"}, {"FLAT", "OFF"}, {"SMOOTH", "OFF"}};
  for (const auto& c : cases) {
    Time best;
    for (int k = 0; k < repeats; ++k) {
      const Time t = plot(n, c[0], c[1]);
      best.wall = std::min(best.wall, t.wall);
      best.cpu = std::min(best.cpu, t.cpu);
      best.surface = std::min(best.surface, t.surface);
    }
    std::printf("  %-6s mesh %-3s  whole plot %7.1f ms wall, %7.1f ms processor; surshd %7.1f ms\n",
                c[0], c[1], best.wall, best.cpu, best.surface);
  }
  return 0;
}
