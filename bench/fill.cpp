// Hatches 10,000 polygons in software and prints the time taken.
//   bench_fill [polygons]
#include <zantor.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/state.h"
#include "devices/dispatch.h"

namespace {

// Counts what reaches the writer without keeping it.
class CountingDevice : public zantor::Device {
 public:
  void move(double, double) override { ++moves; }
  void draw(double, double) override { ++draws; }
  long moves = 0, draws = 0;
};

CountingDevice* counter = nullptr;

}  // namespace

int main(int argc, char** argv) {
  const int polygons = argc > 1 ? std::atoi(argv[1]) : 10000;
  zantor::setDeviceFactoryOverride([](int) {
    auto d = std::make_unique<CountingDevice>();
    counter = d.get();
    return d;
  });
  metafl_("PS", 2);
  zanini_();
  zantor::zanglb.iproto = 0;
  const int32_t pattern = 5;  // crossed 45/135 degree hatching
  shdpat_(&pattern);

  // Star-shaped (concave) polygons of 12 points spread over the page.
  std::vector<int32_t> x(12), y(12);
  const auto t0 = std::chrono::steady_clock::now();
  for (int k = 0; k < polygons; ++k) {
    const int cx = 150 + (k * 37) % 2600, cy = 150 + (k * 53) % 1800;
    for (int i = 0; i < 12; ++i) {
      const double r = (i % 2 ? 60.0 : 140.0), a = i * 3.14159265358979 / 6.0;
      x[i] = cx + static_cast<int32_t>(r * std::cos(a));
      y[i] = cy + static_cast<int32_t>(r * std::sin(a));
    }
    const int32_t n = 12;
    areaf_(x.data(), y.data(), &n);
  }
  const auto t1 = std::chrono::steady_clock::now();
  const long draws = counter->draws;
  zanfin_();
  const double ms = std::chrono::duration<double, std::milli>(t1 - t0).count();
  std::printf("fill: %d hatched polygons in %.1f ms (%.2f us each), %ld lines drawn\n", polygons,
              ms, 1000.0 * ms / polygons, draws);
  return 0;
}
