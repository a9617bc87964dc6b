// Contour benchmark: 20 levels of z = sin x cos y on a 1000 x 1000 grid
// (x, y from 0 to 10) into an 853 x 603 PNG, the whole plot timed from
// zanini to the written file; then the same with labels, and shaded
// contours with both methods.
//   bench_contour [grid points per side] [first]   ("first": only the
//   first plot, for timing the whole process)
#include <zantor.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double ms(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double, std::milli>(b - a).count();
}

void call(void (*f)(const char*, size_t), const char* s) { f(s, std::char_traits<char>::length(s)); }
void call(void (*f)(const char*, const char*, size_t, size_t), const char* a, const char* b) {
  f(a, b, std::char_traits<char>::length(a), std::char_traits<char>::length(b));
}

enum class Kind { Lines, Labels, ShadeCells, ShadePolygons };

void run(const char* label, Kind kind, const std::vector<float>& x, const std::vector<float>& z,
         const char* format, const char* file) {
  const int32_t n = static_cast<int32_t>(x.size());
  float levels[20];
  for (int k = 0; k < 20; ++k) levels[k] = -0.95f + 0.1f * k;
  const auto t0 = Clock::now();
  call(metafl_, format);
  call(filmod_, "DELE");
  call(setfil_, file);
  zanini_();
  errmod_("PROT", "OFF", 4, 3);
  float a = 0, e = 10, o = 0, s = 2;
  graf_(&a, &e, &o, &s, &a, &e, &o, &s);
  const auto t1 = Clock::now();
  if (kind == Kind::Lines || kind == Kind::Labels) {
    if (kind == Kind::Labels) call(labels_, "FLOA", "CONT");
    for (float& lev : levels) contur_(x.data(), &n, x.data(), &n, z.data(), &lev);
  } else {
    call(shdmod_, kind == Kind::ShadeCells ? "CELL" : "POLY", "CONT");
    const int32_t nl = 20;
    conshd_(x.data(), &n, x.data(), &n, z.data(), levels, &nl);
  }
  const auto t2 = Clock::now();
  endgrf_();
  zanfin_();
  const auto t3 = Clock::now();
  std::error_code ec;
  const auto size = std::filesystem::file_size(file, ec);
  std::printf("%-26s %-4s setup %7.1f ms  contours %8.1f ms  finish %7.1f ms  total %8.1f ms  %10llu bytes\n",
              label, format, ms(t0, t1), ms(t1, t2), ms(t2, t3), ms(t0, t3),
              static_cast<unsigned long long>(ec ? 0 : size));
}

}  // namespace

int main(int argc, char** argv) {
  const auto start = Clock::now();
  const int n = argc > 1 ? std::atoi(argv[1]) : 1000;
  std::vector<float> x(n), z(static_cast<size_t>(n) * n);
  for (int i = 0; i < n; ++i) x[i] = static_cast<float>(10.0 * i / (n - 1));
  for (int j = 0; j < n; ++j)
    for (int i = 0; i < n; ++i) z[static_cast<size_t>(j) * n + i] = std::sin(x[i]) * std::cos(x[j]);
  const auto grid = Clock::now();
  std::printf("grid %d x %d: %.1f ms\n", n, n, ms(start, grid));
  run("20 contour levels", Kind::Lines, x, z, "PNG", "bench_contour.png");
  std::printf("first plot, whole process so far: %.1f ms\n", ms(start, Clock::now()));
  if (argc > 2 && std::string(argv[2]) == "first") return 0;
  run("20 levels with labels", Kind::Labels, x, z, "PNG", "bench_contour_labels.png");
  run("20 levels into PostScript", Kind::Lines, x, z, "PS", "bench_contour.ps");
  run("shaded, cell method", Kind::ShadeCells, x, z, "PNG", "bench_conshd_cells.png");
  run("shaded, polygon method", Kind::ShadePolygons, x, z, "PNG", "bench_conshd_poly.png");
  run("shaded, polygon method", Kind::ShadePolygons, x, z, "PS", "bench_conshd_poly.ps");
  run("shaded, cell method", Kind::ShadeCells, x, z, "PS", "bench_conshd_cells.ps");
  return 0;
}
