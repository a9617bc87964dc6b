// Draws 100,000 short labels through the stroke text engine into the
// metafile and prints the time taken, the time to measure them, and the time
// to draw them into a device that discards everything (the cost of the text
// engine and line pipeline without a writer).
#include <zantor.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>

#include "devices/device.h"
#include "devices/dispatch.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kLabels = 100000;

class DiscardingDevice : public zantor::Device {
 public:
  void move(double, double) override {}
  void draw(double, double) override {}
  bool wroteFile() const override { return false; }
};

int makeLabel(char (&label)[32], int i) {
  return std::snprintf(label, sizeof label, "x%d[2$ = %d", i % 97, i);
}

// Seconds to draw all labels into the current plot.
double drawLabels() {
  char label[32];
  auto t0 = Clock::now();
  for (int i = 0; i < kLabels; ++i) {
    const int len = makeLabel(label, i);
    const int32_t x = 100 + (i % 12) * 220, y = 100 + (i / 12 % 40) * 45;
    messag_(label, &x, &y, static_cast<size_t>(len));
  }
  return std::chrono::duration<double>(Clock::now() - t0).count();
}

void openPlot() {
  metafl_("GKSL", 4);
  setfil_("bench_text.gkl", 14);
  filmod_("DELE", 4);
  zanini_();
  mixalf_();
}

}  // namespace

int main() {
  openPlot();
  const double draw = drawLabels();
  char label[32];
  long total = 0;
  auto t1 = Clock::now();
  for (int i = 0; i < kLabels; ++i) {
    const int len = makeLabel(label, i);
    total += nlmess_(label, static_cast<size_t>(len));
  }
  const double measure = std::chrono::duration<double>(Clock::now() - t1).count();
  zanfin_();

  zantor::setDeviceFactoryOverride([](int) { return std::make_unique<DiscardingDevice>(); });
  openPlot();
  const double discard = drawLabels();
  zanfin_();
  zantor::setDeviceFactoryOverride(nullptr);

  std::printf("text: %d labels drawn in %.3f s (%.2f us each), measured in %.3f s (sum %ld)\n",
              kLabels, draw, 1e6 * draw / kLabels, measure, total);
  std::printf("text: %d labels drawn into a discarding device in %.3f s (%.2f us each)\n",
              kLabels, discard, 1e6 * discard / kLabels);
  std::remove("bench_text.gkl");
  return 0;
}
