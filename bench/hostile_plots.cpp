// Timings of valid but extreme requests to contours, colour plots and
// surfaces: the work must stay bounded by what the page can show.
//   bench_hostile_plots [format]   (default PS)
#include <zantor.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

void call(void (*f)(const char*, size_t), const char* s) { f(s, std::char_traits<char>::length(s)); }

// One plot around `body` in an axis system opened by `axes`.
void timed(const char* label, const char* format, const std::function<void()>& axes,
           const std::function<void()>& body) {
  const char* file = "bench_hostile.out";
  call(metafl_, format);
  call(filmod_, "DELE");
  call(setfil_, file);
  zanini_();
  errmod_("PROT", "OFF", 4, 3);
  axes();
  const auto t1 = Clock::now();
  body();
  endgrf_();
  zanfin_();
  const auto t2 = Clock::now();
  std::error_code ec;
  const auto size = std::filesystem::file_size(file, ec);
  std::printf("%-44s %-4s %9.1f ms  %11llu bytes\n", label, format,
              std::chrono::duration<double, std::milli>(t2 - t1).count(),
              static_cast<unsigned long long>(ec ? 0 : size));
}

void graf2d() {
  float a = 0, e = 10, o = 0, s = 2;
  graf_(&a, &e, &o, &s, &a, &e, &o, &s);
}

void graf3() {
  float a = 0, e = 10, o = 0, s = 2, za = 0, ze = 1, zo = 0, zs = 0.25f;
  graf3_(&a, &e, &o, &s, &a, &e, &o, &s, &za, &ze, &zo, &zs);
}

void graf3d() {
  float a = -1, e = 1, o = -1, s = 1;
  graf3d_(&a, &e, &o, &s, &a, &e, &o, &s, &a, &e, &o, &s);
}

}  // namespace

int main(int argc, char** argv) {
  const char* format = argc > 1 ? argv[1] : "PS";
  // A 64 x 64 grid of random values (the fuzz driver's arrays hold 4096).
  const int32_t n = 64;
  std::vector<float> x(n), z(static_cast<size_t>(n) * n);
  for (int i = 0; i < n; ++i) x[i] = 10.0f * i / (n - 1);
  std::mt19937 rng(1);
  std::uniform_real_distribution<float> u(-5, 15);
  for (float& v : z) v = u(rng);

  for (int32_t thick : {1, 100, 10000}) {
    const std::string label = "contur random 64x64, thkcrv " + std::to_string(thick);
    timed(label.c_str(), format, graf2d, [&] {
      thkcrv_(&thick);
      float lev = 5;
      contur_(x.data(), &n, x.data(), &n, z.data(), &lev);
    });
  }
  timed("conshd cells, one cell over +-1e30", format, graf2d, [] {
    const float cx[2] = {-1e30f, 1e30f}, cz[4] = {0, 1, 3, 2}, lv[3] = {0.5f, 1.5f, 2.5f};
    const int32_t two = 2, three = 3;
    shdmod_("CELL", "CONT", 4, 4);
    conshd_(cx, &two, cx, &two, cz, lv, &three);
  });
  timed("crvmat random 64x64, INT_MAX sub-rectangles", format, graf3, [&] {
    int32_t most = 2147483647;
    crvmat_(z.data(), &n, &n, &most, &most);
  });
  timed("surfce 64x64 of +-1e30", format, graf3d, [&] {
    std::vector<float> sx(n), sz(z.size());
    for (int i = 0; i < n; ++i) sx[i] = -1.0f + 2.0f * i / (n - 1);
    for (size_t k = 0; k < sz.size(); ++k) sz[k] = (k % 2) ? 1e30f : -1e30f;
    surfce_(sx.data(), &n, sx.data(), &n, sz.data());
  });
  return 0;
}
