// Pages at the size limit and details finer than a device unit: page
// sizes beyond 2^30 plot units are refused, and dashes that no device can
// show are drawn solid instead of one by one.
#include <zantor.h>

#include <cstdint>

#include "core/state.h"
#include "draw/line_trace.h"
#include "draw/page.h"
#include "draw/pipeline.h"

namespace zantor::test {
namespace {

class ExtremePages : public LineTest {
 protected:
  static void setPage(int32_t w, int32_t h) { page_(&w, &h); }
};

TEST_F(ExtremePages, PagesBeyondTwoToTheThirtyAreRefused) {
  const auto out = printed([] { setPage((1 << 30) + 1, 2000); });
  ASSERT_FALSE(out.empty());
  EXPECT_NE(out[0].find("Warning   2"), std::string::npos);
  EXPECT_EQ(zanglb.cpage.str(), "DA4L");  // unchanged
  setPage(1 << 30, 1 << 30);
  startPlot();
  // 2^30 - 1 tenths of a millimetre are 2^30 in single precision.
  EXPECT_EQ(zanglb.nxres, 1 << 30);
  EXPECT_EQ(zanglb.nyres, 1 << 30);
  zanfin_();
}

TEST_F(ExtremePages, UnitsCannotStretchAPageBeyondTheLimit) {
  setPage(1 << 30, 1000);
  call(units_, "TWIP");  // 5.7 times as many plot units per 0.1 mm
  startPlot();
  EXPECT_EQ(zanglb.nxres, 1 << 30);
  EXPECT_EQ(zanglb.nyres, 5664);  // 999 / 0.176389
  zanfin_();
}

TEST_F(ExtremePages, DeviceUnitIsATenThousandthOfThePageOrTheDevicePixel) {
  startPlot();  // CGM: real coordinates
  EXPECT_NEAR(deviceUnit(), 2969 / 10000.0, 1e-9);
  EXPECT_NEAR(deviceUnitStep(), 2969 / 20000.0, 1e-9);
  zanfin_();
  installTraceDevice();
  call(metafl_, "PNG");  // whole pixels: 853 pixels across 2969 units
  zanini_();
  EXPECT_NEAR(deviceUnit(), 1.0 / zanglb.xscf, 1e-9);
  EXPECT_GT(deviceUnit(), 3.0);
  zanfin_();
}

// A plotter draws a page at its true size: on a page of 2^30 units its own
// unit is a quarter plot unit, but details finer than a ten-thousandth of
// the page are still not drawn one by one.
TEST_F(ExtremePages, HugePagesBoundTheDeviceUnitOfWholeUnitDevices) {
  setPage(1 << 30, 1000);
  installTraceDevice();
  call(metafl_, "HPGL");
  zanini_();
  EXPECT_NEAR(deviceUnit(), zanglb.nxres / 10000.0, 1e-6);
  EXPECT_GT(deviceUnit(), 100000.0);
  zanfin_();
}

// A dash period shorter than one device unit on a huge page: the line is
// one solid run, not 50,000 dashes.
TEST_F(ExtremePages, DashesFinerThanADeviceUnitAreDrawnSolid) {
  setPage(1 << 30, 1 << 30);
  startPlot();
  dash_();  // 20 units a period, the device unit is 107,374 units
  drawLine(0, 1000, 1000000, 1000);
  flushLine();
  const auto r = runs();
  ASSERT_EQ(r.size(), 1u);
  EXPECT_TRUE(near(r[0].front().x, 0, 1) && near(r[0].back().x, 1000000, 1));
  zanfin_();
}

TEST_F(ExtremePages, DashesOnANormalPageStayDashed) {
  startPlot();
  dash_();
  drawLine(0, 1000, 1000, 1000);
  flushLine();
  EXPECT_EQ(runs().size(), 50u);  // 10 drawn, 10 skipped
  zanfin_();
}

// A long dashed segment that mostly lies off the window is dashed only
// where it is seen, with the phase of the whole segment.
TEST_F(ExtremePages, LongDashedSegmentIsClippedBeforeItIsDashed) {
  startPlot();
  const int32_t x = 100, y = 100, w = 200, h = 200;
  clpwin_(&x, &y, &w, &h);
  dash_();
  drawLine(-1000000, 150, 1000000, 150);
  flushLine();
  const auto r = runs();
  EXPECT_GE(r.size(), 9u);
  EXPECT_LE(r.size(), 11u);
  for (const Stroke& s : r) {
    EXPECT_GE(s.front().x, 99.9);
    EXPECT_LE(s.back().x, 299.1);
  }
  zanfin_();
}

}  // namespace
}  // namespace zantor::test
