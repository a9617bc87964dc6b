// Axis systems under extreme but valid settings: a huge page scaled down
// to a sheet, ticks and labels finer than the device resolves, and very
// thick curves.  The work stays bounded by what can be seen.
#include <zantor.h>

#include <array>
#include <cstdint>
#include <limits>
#include <string>

#include "core/state.h"
#include "devices/trace/trace_device.h"
#include "support/fixture.h"

namespace zantor::test {
namespace {

class AxisExtremes : public LibraryTest {
 protected:
  void TearDown() override {
    if (zanglb.nlev != 0) zanfin_();
    LibraryTest::TearDown();
  }
  static void start(const char* format, DeviceCaps caps = {}) {
    installTraceDevice(caps);
    call(metafl_, format);
    zanini_();
    zanglb.iproto = 0;
  }
  static void graf(float xa, float xe, float xo, float xs, float ya, float ye, float yo,
                   float ys) {
    graf_(&xa, &xe, &xo, &xs, &ya, &ye, &yo, &ys);
  }
  static std::size_t draws() {
    std::size_t n = 0;
    for (const std::string& l : traceLines()) n += l.rfind("draw", 0) == 0;
    return n;
  }
};

// A graf with 10^8 steps on a page of 2^30 units, shown on one sheet: the
// steps lie far closer than a device unit and get no ticks and no labels
// (before, every one was drawn: 10^8 ticks).
TEST_F(AxisExtremes, TicksCloserThanADeviceUnitAreLeftOut) {
  int32_t side = 1 << 30;
  page_(&side, &side);
  start("PDF");
  graf(0, 1e8f, 0, 1, 0, 1e8f, 0, 1);
  EXPECT_EQ(zanglb.nlev, 2);
  EXPECT_LT(draws(), 100u);  // the axis lines and the frame
}

// An infinite axis end or step is refused with the warning, and the level
// stays 1: nothing would map onto such a scale.
TEST_F(AxisExtremes, InfiniteScalingIsRefused) {
  start("PDF");
  const float inf = std::numeric_limits<float>::infinity();
  zanglb.iproto = 1;
  for (const auto& bad : {std::array<float, 4>{0, inf, 0, 1}, std::array<float, 4>{-inf, 1, 0, 1},
                          std::array<float, 4>{0, 1, 0, inf}}) {
    const auto out = printed([&] { graf(bad[0], bad[1], bad[2], bad[3], 0, 1, 0, 0.5f); });
    ASSERT_FALSE(out.empty());
    EXPECT_NE(out[0].find("   2: "), std::string::npos) << out[0];
    EXPECT_EQ(zanglb.nlev, 1);
  }
  graf(0, 1, 0, 0.5f, 0, 1, 0, 0.5f);
  EXPECT_EQ(zanglb.nlev, 2);
}

// The same page with steps that the device can show: major and minor
// ticks, no more than the device resolves across the axis.
TEST_F(AxisExtremes, TicksADeviceUnitApartAreKept) {
  int32_t side = 1 << 30;
  page_(&side, &side);
  start("PDF");
  call(labels_, "NONE", "XY");
  graf(0, 1e8f, 0, 1e7f, 0, 1e8f, 0, 1e7f);
  const std::size_t many = draws();
  EXPECT_GT(many, 40u);  // 11 major and 10 minor ticks on each of 4 sides
  EXPECT_LT(many, 400u);
}

// Minor ticks closer than a device unit go, the major ticks stay.
TEST_F(AxisExtremes, MinorTicksFinerThanTheDeviceGoFirst) {
  start("PNG");  // about 3.5 plot units per pixel
  int32_t n = 100;  // minor ticks 2 plot units apart
  ticks_(&n, "X", 1);
  int32_t none = 0;
  ticks_(&none, "Y", 1);
  call(labels_, "NONE", "XY");
  graf(0, 10, 0, 1, 0, 10, 0, 1);
  const std::size_t withFine = draws();
  EXPECT_GT(withFine, 20u);  // 11 major ticks on each X side at least
  EXPECT_LT(withFine, 200u);  // not 200 minor ticks 3 units apart
}

// Curves thicker than 24 copies are one wide line: its width reaches the
// device once, and the curve is drawn once instead of 400 times.
TEST_F(AxisExtremes, VeryThickCurveIsOneWideLine) {
  DeviceCaps caps;
  caps.hwLineWidth = true;
  start("PS", caps);
  call(pagmod_, "NONE");
  graf(0, 10, 0, 1, 0, 10, 0, 1);
  const std::size_t before = draws();
  const float x[3] = {1, 5, 9}, y[3] = {1, 9, 1};
  int32_t n = 3, k = 400;
  thkcrv_(&k);
  curve_(x, y, &n);
  EXPECT_EQ(draws() - before, 2u);
  // Thinner curves keep their copies one plot unit apart.
  k = 5;
  thkcrv_(&k);
  const std::size_t mark = draws();
  curve_(x, y, &n);
  EXPECT_GE(draws() - mark, 10u);
}

}  // namespace
}  // namespace zantor::test
