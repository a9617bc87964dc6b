// Draws 10,000 short labels in a hardware font into a PDF file and into a
// true-colour PNG picture (glyphs from the installed outline font) and
// prints the time of each plot, from zanini to the written file (wall
// clock and processor time; on a busy machine the second is the fairer).
#include <zantor.h>

#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstring>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kLabels = 10000;

struct Times {
  double wall, cpu;
};

Times plot(const char* format, const char* file, bool trueColour) {
  metafl_(format, std::strlen(format));
  setfil_(file, std::strlen(file));
  filmod_("DELE", 4);
  if (trueColour) imgfmt_("RGB", 3);
  const auto t0 = Clock::now();
  const std::clock_t c0 = std::clock();
  zanini_();
  errmod_("PROT", "OFF", 4, 3);
  hwfont_();
  const int32_t h = 25;
  height_(&h);
  char label[32];
  for (int i = 0; i < kLabels; ++i) {
    const int len = std::snprintf(label, sizeof label, "Label %d", i);
    const int32_t x = 50 + (i % 10) * 280, y = 50 + (i / 10 % 50) * 40;
    messag_(label, &x, &y, static_cast<size_t>(len));
  }
  zanfin_();
  return {std::chrono::duration<double>(Clock::now() - t0).count(),
          double(std::clock() - c0) / CLOCKS_PER_SEC};
}

}  // namespace

int main() {
  const Times pdf = plot("PDF", "bench_hwfonts.pdf", false);
  const Times png = plot("PNG", "bench_hwfonts.png", true);
  std::printf("%d hardware-font labels into PDF:        %7.1f ms wall, %7.1f ms cpu (goal 100 ms)\n",
              kLabels, pdf.wall * 1e3, pdf.cpu * 1e3);
  std::printf("%d hardware-font labels into 32-bit PNG: %7.1f ms wall, %7.1f ms cpu (goal 200 ms)\n",
              kLabels, png.wall * 1e3, png.cpu * 1e3);
  return 0;
}
