// Throughput of charts into PostScript: 100,000 solid bars in three
// grouped series, a flat and a 3D pie of 2,000 segments with labels, and a
// polar curve of 1,000,000 points; prints the time and the file size of
// each.
//   bench_charts [bars] [segments] [points]
#include <zantor.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <vector>

namespace {

void call(void (*f)(const char*, size_t), const char* s) {
  f(s, std::char_traits<char>::length(s));
}

void timed(const char* label, const char* file, long n, const std::function<void()>& draw) {
  call(metafl_, "PS");
  call(filmod_, "DELE");
  call(setfil_, file);
  const auto t0 = std::chrono::steady_clock::now();
  zanini_();
  errmod_("PROT", "OFF", 4, 3);
  draw();
  zanfin_();
  const double sec = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  std::error_code ec;
  const auto size = std::filesystem::file_size(file, ec);
  std::printf("%-30s %9ld items  %8.3f s  %10.0f items/s  %10llu bytes\n", label, n, sec, n / sec,
              static_cast<unsigned long long>(ec ? 0 : size));
}

}  // namespace

int main(int argc, char** argv) {
  const long nbars = argc > 1 ? std::atol(argv[1]) : 100000;
  const long nseg = argc > 2 ? std::atol(argv[2]) : 2000;
  const long npts = argc > 3 ? std::atol(argv[3]) : 1000000;

  timed("grouped bars (3 series)", "bench_bars.ps", 3 * nbars, [&] {
    std::vector<float> x(nbars), base(nbars, 0.0f), y(nbars);
    for (long i = 0; i < nbars; ++i) {
      x[i] = static_cast<float>(i);
      y[i] = static_cast<float>(5 + 4 * std::sin(i * 0.01));
    }
    float a = -1, e = static_cast<float>(nbars), o = 0, s = static_cast<float>(nbars / 10 + 1);
    float ya = 0, ye = 10, yo = 0, ys = 2;
    graf_(&a, &e, &o, &s, &ya, &ye, &yo, &ys);
    const int32_t three = 3, solid = 16, n = static_cast<int32_t>(nbars);
    const float gap = 0;
    bargrp_(&three, &gap);
    shdpat_(&solid);
    for (int k = 0; k < 3; ++k) bars_(x.data(), base.data(), y.data(), &n);
    endgrf_();
  });

  timed("pie with percentage labels", "bench_pie.ps", nseg, [&] {
    std::vector<float> v(nseg);
    for (long i = 0; i < nseg; ++i) v[i] = static_cast<float>(1 + i % 7);
    char buf[8] = "       ";
    const int32_t nlin = 0, n = static_cast<int32_t>(nseg);
    call(chnpie_, "BOTH");
    piegrf_(buf, &nlin, v.data(), &n, 7);
    endgrf_();
  });

  timed("3D pie, labels in columns", "bench_pie3d.ps", nseg, [&] {
    std::vector<float> v(nseg);
    for (long i = 0; i < nseg; ++i) v[i] = static_cast<float>(1 + i % 7);
    char buf[8] = "       ";
    const int32_t nlin = 0, n = static_cast<int32_t>(nseg);
    call(chnpie_, "BOTH");
    call(pietyp_, "3D");
    labpos_("ALIG", "PIE", 4, 3);
    piegrf_(buf, &nlin, v.data(), &n, 7);
    endgrf_();
  });

  timed("polar curve", "bench_polar.ps", npts, [&] {
    std::vector<float> r(npts), t(npts);
    for (long i = 0; i < npts; ++i) {
      t[i] = static_cast<float>(i * 20.0 * M_PI / npts);
      r[i] = static_cast<float>(std::fabs(std::sin(3 * t[i])));
    }
    float xe = 1, xo = 0, xs = 0.25f, yo = 0, ys = 30;
    grafp_(&xe, &xo, &xs, &yo, &ys);
    const int32_t n = static_cast<int32_t>(npts);
    curve_(r.data(), t.data(), &n);
    endgrf_();
  });
  return 0;
}
