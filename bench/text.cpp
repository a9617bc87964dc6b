// Draws 100,000 short labels through the stroke text engine into the
// metafile and prints the time taken (and the time to measure them).
#include <zantor.h>

#include <chrono>
#include <cstdio>
#include <cstring>

int main() {
  using Clock = std::chrono::steady_clock;
  metafl_("GKSL", 4);
  setfil_("bench_text.gkl", 14);
  filmod_("DELE", 4);
  zanini_();
  mixalf_();
  char label[32];
  const int n = 100000;
  auto t0 = Clock::now();
  for (int i = 0; i < n; ++i) {
    const int len = std::snprintf(label, sizeof label, "x%d[2$ = %d", i % 97, i);
    const int32_t x = 100 + (i % 12) * 220, y = 100 + (i / 12 % 40) * 45;
    messag_(label, &x, &y, static_cast<size_t>(len));
  }
  auto t1 = Clock::now();
  long total = 0;
  for (int i = 0; i < n; ++i) {
    const int len = std::snprintf(label, sizeof label, "x%d[2$ = %d", i % 97, i);
    total += nlmess_(label, static_cast<size_t>(len));
  }
  auto t2 = Clock::now();
  zanfin_();
  const double draw = std::chrono::duration<double>(t1 - t0).count();
  const double measure = std::chrono::duration<double>(t2 - t1).count();
  std::printf("text: %d labels drawn in %.3f s (%.2f us each), measured in %.3f s (sum %ld)\n", n,
              draw, 1e6 * draw / n, measure, total);
  std::remove("bench_text.gkl");
  return 0;
}
