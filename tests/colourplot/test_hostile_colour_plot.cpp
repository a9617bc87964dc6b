// Colour axis systems given hostile input: lengths, counts and shifts at
// the integer limits, values beyond single precision on logarithmic axes,
// and matrices asked for more sub-rectangles than a picture can show.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>
#include <vector>

#include <zantor.h>

#include "colourplot/colour_plot.h"
#include "core/state.h"
#include "support/fixture.h"

namespace zantor::test {
namespace {

class HostileColourPlot : public LibraryTest {
 protected:
  // A VIRT raster of the page size: one plot unit is one pixel.
  void open() {
    call(metafl_, "VIRT");
    int32_t w = 2970, h = 2100;
    winsiz_(&w, &h);
    zanini_();
    zanglb.iproto = 0;
  }
  // Axis corner (300, 1500), 1001 x 501 plot units over X 0..2, Y 0..1.
  void axes(float za, float ze, float zor, float zstp) {
    int32_t nxa = 300, nya = 1500, nxl = 1001, nyl = 501;
    axspos_(&nxa, &nya);
    axslen_(&nxl, &nyl);
    float xa = 0, xe = 2, xo = 0, xs = 1, ya = 0, ye = 1, yo = 0, ys = 0.5f;
    graf3_(&xa, &xe, &xo, &xs, &ya, &ye, &yo, &ys, &za, &ze, &zor, &zstp);
  }
  int32_t pixel(int x, int y) {
    int32_t v = -1;
    rpixel_(&x, &y, &v);
    return v;
  }
  std::vector<int32_t> row(int y) {
    std::vector<int32_t> out;
    for (int x = 300; x <= 1300; x += 7) out.push_back(pixel(x, y));
    return out;
  }
  // z = x / 2 over the axes: zmat(1, j) = 0, zmat(2, j) = 1.
  const float ramp[4] = {0, 1, 0, 1};
};

TEST_F(HostileColourPlot, AxisLengthsStopAtTheLargestAxis) {
  open();
  const int32_t most = 1 << 30, beyond = most + 1, small = 100;
  const auto out = printed([&] { ax3len_(&beyond, &small, &small); });
  EXPECT_EQ(out.size(), 1u);
  EXPECT_NE(zanglb.nxl, beyond);
  EXPECT_TRUE(printed([&] { ax3len_(&most, &most, &most); }).empty());
  EXPECT_EQ(zanglb.nzl, most);
  zanfin_();
}

TEST_F(HostileColourPlot, ValueBeyondSinglePrecisionOnALogarithmicAxis) {
  open();
  call(scale_, "LOG", "Z");
  // 10^39 and 10^40 are beyond single precision: both ends of the data
  // range are infinite, and so is the value on them.  It takes the last
  // colour, not an integer from an infinite step.
  axes(39, 40, 39, 1);
  ASSERT_EQ(zanglb.nlev, 3);
  EXPECT_EQ(nzposn(INFINITY), zanglb.nce);
  zanfin_();
}

TEST_F(HostileColourPlot, InfiniteColourAxisIsRefused) {
  open();
  const auto out = printed([&] { axes(0, INFINITY, 0, 1); });
  EXPECT_EQ(out.size(), 1u);
  EXPECT_EQ(zanglb.nlev, 1);
  zanfin_();
}

TEST_F(HostileColourPlot, BarShiftedToTheIntegerLimitStaysOnItsSide) {
  open();
  const int32_t far = INT_MAX;
  vkxbar_(&far);
  spcbar_(&far);
  axes(0, 1, 0, 0.25f);
  ASSERT_EQ(zanglb.nlev, 3);
  // The bar lies far right of the axes; sums that wrapped round would put
  // it left of the page.
  EXPECT_GT(zanglb.nbarx1, 1300);
  EXPECT_GT(zanglb.nbarx2, 1300);
  zanfin_();
}

TEST_F(HostileColourPlot, AutomaticRectangleSizeFromHugeCounts) {
  // The sanitizer build reports the sum of length and count that
  // overflowed; every build must find rectangles of one plot unit.
  open();
  const int32_t huge = INT_MAX;
  autres_(&huge, &huge);
  axes(0, 1, 0, 0.25f);
  EXPECT_EQ(zanglb.npb, 1);
  EXPECT_EQ(zanglb.nph, 1);
  zanfin_();
}

TEST_F(HostileColourPlot, SubRectanglesBeyondOnePerPlotUnitLookTheSame) {
  // One cell 1001 x 501 plot units: 1001 x 501 sub-rectangles are one per
  // plot unit; the largest counts draw the same picture.
  open();
  axes(0, 1, 0, 0.25f);
  int32_t two = 2, across = 1001, down = 501;
  crvmat_(ramp, &two, &two, &across, &down);
  const std::vector<int32_t> expected = row(1250);
  ASSERT_NE(expected.front(), expected.back());
  int32_t most = INT_MAX;
  const auto out = printed([&] { crvmat_(ramp, &two, &two, &most, &most); });
  EXPECT_TRUE(out.empty()) << out[0];
  EXPECT_EQ(row(1250), expected);
  zanfin_();
}

TEST_F(HostileColourPlot, MatrixOverARegionFarLargerThanThePage) {
  // sursze spreads the one cell over -1e6 .. 1e6, a billion plot units:
  // of its sub-rectangles (one per plot unit) only those on the page are
  // made.  Near x = 1 the ramp has its middle value.
  open();
  axes(0, 1, 0, 0.25f);
  float a = -1e6f, e = 1e6f;
  sursze_(&a, &e, &a, &e);
  int32_t two = 2, most = INT_MAX;
  const auto out = printed([&] { crvmat_(ramp, &two, &two, &most, &most); });
  EXPECT_TRUE(out.empty()) << out[0];
  EXPECT_NEAR(pixel(800, 1250), 1 + 127, 1);
  zanfin_();
}

}  // namespace
}  // namespace zantor::test
