// Bar graphs: geometry of single, grouped, stacked, horizontal and 3D
// bars read back from the traced device polygons, label placement, the
// pattern cycle between calls, legends and bad input.
#include <zantor.h>

#include "charts/bar_geometry.h"
#include "charts/chart_support.h"
#include "core/state.h"

namespace zantor::test {
namespace {

// The axis system 0..10 has 100 plot units per user unit; bars at x = 2,
// 4, 6 lie 200 plot units apart (s = 200), so with the default width
// factor 0.75 a group is xd = 0.75 * 200 = 150 plot units wide and the
// bar at x = 2 (plot x 700) starts at 700 - 75 = 625.
const std::vector<float> kX = {2, 4, 6}, kZero = {0, 0, 0}, kY = {3, 5, 4};

class Bars : public ChartTest {};

TEST_F(Bars, SingleBarsSpanTheirValuesAtThreeQuartersOfTheSpacing) {
  graf();
  solid();
  bars(kX, kZero, kY);
  const auto p = polygons();
  ASSERT_EQ(p.size(), 3u);
  // x = 2: 625..775, y from plot 1500 (value 0) to 1500 - 300 = 1200.
  EXPECT_TRUE(nearBox(bounds(p[0]), 625, 1200, 775, 1500));
  // x = 4: 825..975 up to 5 (plot 1000); x = 6: 1025..1175 up to 4.
  EXPECT_TRUE(nearBox(bounds(p[1]), 825, 1000, 975, 1500));
  EXPECT_TRUE(nearBox(bounds(p[2]), 1025, 1100, 1175, 1500));
}

TEST_F(Bars, ThreeSeriesOfAGroupShareTheGroupWidthWithoutGaps) {
  graf();
  solid();
  const int32_t three = 3;
  const float noGap = 0;
  bargrp_(&three, &noGap);
  bars(kX, kZero, kY);
  bars(kX, kZero, kY);
  bars(kX, kZero, kY);
  const auto p = polygons();
  ASSERT_EQ(p.size(), 9u);
  // w = 150 / 3 = 50: the three bars at x = 2 start at 625, 675, 725,
  // each a quarter of the spacing (50 = 200 / 4) wide.
  EXPECT_TRUE(nearBox(bounds(p[0]), 625, 1200, 675, 1500));
  EXPECT_TRUE(nearBox(bounds(p[3]), 675, 1200, 725, 1500));
  EXPECT_TRUE(nearBox(bounds(p[6]), 725, 1200, 775, 1500));
  // The group counter starts again: a fourth series is the first of a
  // new group.
  bars(kX, kZero, kY);
  EXPECT_TRUE(nearBox(bounds(polygons()[9]), 625, 1200, 675, 1500));
}

TEST_F(Bars, RelativeAndAbsoluteGapsInsideAGroup) {
  graf();
  solid();
  const int32_t two = 2;
  // Relative gap 0.5: w = 150 / (2 + 1 * 0.5) = 60, g = 30; the second
  // bar starts at 625 + 60 + 30 = 715.
  float gap = 0.5f;
  bargrp_(&two, &gap);
  bars({2}, {0}, {3});
  bars({2}, {0}, {3});
  auto p = polygons();
  ASSERT_EQ(p.size(), 2u);
  EXPECT_TRUE(nearBox(bounds(p[0]), 625, 1200, 685, 1500));
  EXPECT_TRUE(nearBox(bounds(p[1]), 715, 1200, 775, 1500));
  // Absolute gap of 10 plot units: w = (150 - 10) / 2 = 70; second bar at
  // 625 + 70 + 10 = 705.
  gap = -10;
  bargrp_(&two, &gap);
  bars({2}, {0}, {3});
  bars({2}, {0}, {3});
  p = polygons();
  ASSERT_EQ(p.size(), 4u);
  EXPECT_TRUE(nearBox(bounds(p[2]), 625, 1200, 695, 1500));
  EXPECT_TRUE(nearBox(bounds(p[3]), 705, 1200, 775, 1500));
}

TEST_F(Bars, WidthRules) {
  // Negative widths are plot units, whatever the spacing.
  zanglb.xbarfk = -20;
  BarWidths b = barWidths(200);
  EXPECT_DOUBLE_EQ(b.group, 20);
  EXPECT_DOUBLE_EQ(b.bar, 20);
  graf();
  solid();
  const float w = -20;
  barwth_(&w);
  bars(kX, kZero, kY);
  EXPECT_TRUE(nearBox(bounds(polygons()[0]), 690, 1200, 710, 1500));
  // One bar: the spacing is one axis label step (2 units = 200).
  const float f = 0.5f;
  barwth_(&f);
  bars({4}, {0}, {1});
  EXPECT_TRUE(nearBox(bounds(polygons()[3]), 850, 1400, 950, 1500));
}

TEST_F(Bars, VariableWidthsFollowEachBarsOwnSpacing) {
  graf();
  solid();
  barmod_("VARI", "WIDT", 4, 4);
  // Spacings 100 (x = 1 to 2) and 300 (x = 2 to 5; the last bar keeps the
  // spacing to its left neighbour): widths 75, 225, 225.
  bars({1, 2, 5}, {0, 0, 0}, {1, 1, 1});
  const auto p = polygons();
  ASSERT_EQ(p.size(), 3u);
  EXPECT_NEAR(bounds(p[0]).x2 - bounds(p[0]).x1, 75, 1.01);
  EXPECT_NEAR(bounds(p[1]).x2 - bounds(p[1]).x1, 225, 1.01);
  EXPECT_NEAR(bounds(p[2]).x2 - bounds(p[2]).x1, 225, 1.01);
  const auto lines = printed([] { barmod_("VARI", "WIDTH", 4, 5); barmod_("FIXE", "SIZE", 4, 4); });
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("SIZE"), std::string::npos);
}

TEST_F(Bars, StackedAndHorizontalBars) {
  graf();
  solid();
  // Stacked: a second series from the tops of the first.
  bars(kX, kZero, kY);
  bars(kX, kY, {5, 6, 8});
  auto p = polygons();
  ASSERT_EQ(p.size(), 6u);
  EXPECT_TRUE(nearBox(bounds(p[3]), 625, 1000, 775, 1200));  // 3 .. 5
  EXPECT_TRUE(nearBox(bounds(p[5]), 1025, 700, 1175, 1100));  // 4 .. 8
  // Horizontal: positions on the Y axis (x = 2 is plot y 1300), values
  // along X (0 .. 3 is plot x 500 .. 800).
  bartyp_("HORI", 4);
  bars({2}, {0}, {3});
  p = polygons();
  EXPECT_TRUE(nearBox(bounds(p[6]), 500, 1225, 800, 1375));
}

TEST_F(Bars, ThreeDimensionalBarsAddASideAndATop) {
  graf();
  solid();
  bartyp_("3DVE", 4);
  bars({2}, {0}, {3});
  const auto p = polygons();
  ASSERT_EQ(p.size(), 3u);
  // Depth = the bar width 150 at 45 degrees: dx = 150 cos 45 = 106.066,
  // dy = -106.066.  Side: x 775 .. 881.07, y 1093.93 .. 1500.
  EXPECT_TRUE(nearBox(bounds(p[0]), 625, 1200, 775, 1500));
  EXPECT_TRUE(nearBox(bounds(p[1]), 775, 1093.934, 881.066, 1500, 0.1));
  // Top: x 625 .. 881.07, y 1093.93 .. 1200.
  EXPECT_TRUE(nearBox(bounds(p[2]), 625, 1093.934, 881.066, 1200, 0.1));
  // An explicit depth of 40 at 90 degrees lifts the top straight up.
  const float depth = 40, angle = 90;
  baropt_(&depth, &angle);
  bars({6}, {0}, {3});
  EXPECT_TRUE(nearBox(bounds(polygons()[5]), 1025, 1160, 1175, 1200, 0.1));
}

TEST_F(Bars, BarsAtTheLabelPositionsAndFromTheAxisStart) {
  graf();
  solid();
  barpos_("BOTH", 4);
  // Labels at 0, 2, ..., 10: 0 and 10 lie on the axis ends, four remain.
  bars({0, 0, 0, 0}, {5, 5, 5, 5}, {1, 2, 3, 4});
  auto p = polygons();
  ASSERT_EQ(p.size(), 4u);
  // x = 2 and 8; from the axis start (plot 1500), not from 5.
  EXPECT_TRUE(nearBox(bounds(p[0]), 625, 1400, 775, 1500));
  EXPECT_TRUE(nearBox(bounds(p[3]), 1225, 1100, 1375, 1500));
  // Three values for four positions: warning 28, three bars.
  const auto lines = printed([] { ChartTest::bars({0, 0, 0}, {0, 0, 0}, {1, 1, 1}); });
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("Number of bars unequal number of main ticks"), std::string::npos);
  EXPECT_EQ(polygons().size(), 7u);
}

TEST_F(Bars, LabelsInsideWhenTheyFitElseBeyondTheEnd) {
  graf();
  solid();
  labels_("DELT", "BARS", 4, 4);
  // A wide bar from 1 to 4 (plot 1400 to 1100): the label "3.0" fits
  // inside, at the upper end: its strokes lie between the bar top and
  // 1.5 h below.
  bars({2}, {1}, {4});
  const double h = zanglb.nhchar;
  double top = 1e9, bottom = -1e9;
  for (const auto& s : segments()) {
    if (s.a.x <= 626 || s.a.x >= 774 || std::fabs(s.a.y - s.b.y) < 1e-9) continue;
    top = std::min({top, s.a.y, s.b.y});
    bottom = std::max({bottom, s.a.y, s.b.y});
  }
  EXPECT_GE(top, 1100);
  EXPECT_LE(bottom, 1100 + 1.5 * h);
  // A bar 20 units wide cannot hold it: the label sits above the bar.
  mark = traceLines().size();
  const float w = -20;
  barwth_(&w);
  bars({6}, {1}, {4});
  top = 1e9, bottom = -1e9;
  for (const auto& s : segments()) {
    if (std::fabs(s.a.y - s.b.y) < 1e-9 || s.a.y > 1099.5 || s.b.y > 1099.5) continue;
    top = std::min({top, s.a.y, s.b.y});
    bottom = std::max({bottom, s.a.y, s.b.y});
  }
  EXPECT_LE(bottom, 1100);
  EXPECT_GE(top, 1100 - 1.5 * h);
}

TEST_F(Bars, LabelKeysAndPositionCodes) {
  // Every spelling of the chart key reaches the bar settings.
  labels_("MAXI", "BAR", 4, 3);
  EXPECT_EQ(zanglb.iwthbr, 3);
  labels_("posi", "BARS", 4, 4);
  EXPECT_EQ(zanglb.iwthbr, 6);
  const char* keys[] = {"AUTO", "INSI", "OUTS", "LEFT", "ABOV", "RIGH", "BELO", "CENT"};
  const int codes[] = {0, 22, 12, 21, 21, 23, 23, 32};
  for (int i = 0; i < 8; ++i) {
    labpos_(keys[i], "BARS", 4, 4);
    EXPECT_EQ(zanglb.iwhrbr, codes[i]) << keys[i];
  }
  // The axis settings stay untouched.
  EXPECT_EQ(zanglb.numx[0], 1);
  EXPECT_EQ(zanglb.ixlabc[0], 0);
  const int32_t red = 2;
  labclr_(&red, "BAR ", 4);
  EXPECT_EQ(zanglb.ibarcl, 2);
  labdig_(&red, "BARS", 4);
  EXPECT_EQ(zanglb.ndezbr, 2);
}

TEST_F(Bars, PatternAndColourAdvanceBetweenCallsAndFeedTheLegend) {
  std::string buf(60, ' ');
  const int32_t nlin = 3, nmax = 20;
  legini_(buf.data(), &nlin, &nmax, buf.size());
  graf();
  chnbar_("BOTH", 4);
  const int32_t start = 5;
  shdpat_(&start);
  bars(kX, kZero, kY);
  // After the first call: entry 2 of the cycles (pattern 1, colour of
  // cycle entry 2).
  EXPECT_EQ(zanglb.nshd, 1);
  EXPECT_EQ(zanglb.ncolr, zanglb.nclrcr[1]);
  bars(kX, kZero, kY);
  EXPECT_EQ(zanglb.nshd, 2);
  // Legend slots record the patterns the series were drawn with.
  EXPECT_EQ(zanglb.ilgshd[0], 5);
  EXPECT_EQ(zanglb.ilgshd[1], 1);
  EXPECT_EQ(zanglb.ilgsty[0], -1);
  // patcyc changes the cycle: the third call leaves entry 4.
  const int32_t four = 4, pat = 16;
  patcyc_(&four, &pat);
  bars(kX, kZero, kY);
  EXPECT_EQ(zanglb.nshd, 16);
}

TEST_F(Bars, BadInput) {
  graf();
  solid();
  // n = 0: warning 2 with the value, nothing drawn.
  int32_t zero = 0;
  const float v = 1;
  auto lines = printed([&] { bars_(&v, &v, &v, &zero); });
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("Incorrect parameter"), std::string::npos);
  EXPECT_NE(lines[0].find("Incorrect parameter in BARS!   (   0)"), std::string::npos) << lines[0];
  // NaN values: the bar is left out, the others drawn.
  bars({2, 4}, {0, 0}, {NAN, 3});
  EXPECT_EQ(polygons().size(), 1u);
  // Bars beyond the axis range: reported, clipped to the axis rectangle.
  lines = printed([] { ChartTest::bars({2}, {0}, {20}); });
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("162"), std::string::npos);
  const Box b = bounds(polygons().back());
  EXPECT_NEAR(b.y1, 500, 0.01);
  // Outside the axis levels.
  endgrf_();
  lines = printed([] { ChartTest::bars({2}, {0}, {1}); });
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("Incorrect level"), std::string::npos);
  // A log axis with a non-positive base: warning 27.
  scale_("LOG", "Y", 3, 1);
  float a = 0, e = 10, o = 0, s = 2, la = 0, le = 3, ls = 1;
  graf_(&a, &e, &o, &s, &la, &le, &la, &ls);
  lines = printed([] { ChartTest::bars({2}, {0}, {10}); });
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("Non positive values for log scaling"), std::string::npos);
  // Setter checks keep the old values.
  const int32_t none = 0;
  const float gap = 0;
  lines = printed([&] { bargrp_(&none, &gap); bartyp_("DIAG", 4); });
  EXPECT_EQ(lines.size(), 2u);
  EXPECT_EQ(zanglb.nclust, 1);
  EXPECT_EQ(zanglb.ibartp, 0);
}

TEST_F(Bars, CandlesAndTicks) {
  graf();
  // A rising candle (close 5 > open 3) outlined, a falling one filled.
  const int32_t red = 2, two = 2;
  const int32_t none = -1;
  barclr_(&none, &none, &red);
  const std::vector<float> x = {2, 4}, open = {3, 6}, high = {7, 7}, low = {1, 2}, close = {5, 4};
  fbars_(x.data(), open.data(), high.data(), low.data(), close.data(), &two);
  const auto p = polygons();
  ASSERT_EQ(p.size(), 1u);
  // Half width 0.5 * 0.75 * 200 = 75 about plot x 900; open 6 .. close 4.
  EXPECT_TRUE(nearBox(bounds(p[0]), 825, 900, 975, 1100));
  // Wicks of the first candle: low 1 (plot 1400) to the body bottom, open
  // 3 (1200), and from the body top, close 5 (1000), to high 7 (800).
  bool lowerWick = false, upperWick = false;
  for (const auto& s : segments()) {
    if (std::fabs(s.a.x - 700) > 0.01 || std::fabs(s.b.x - 700) > 0.01) continue;
    lowerWick |= std::fabs(std::max(s.a.y, s.b.y) - 1400) < 0.01 &&
                 std::fabs(std::min(s.a.y, s.b.y) - 1200) < 0.01;
    upperWick |= std::fabs(std::max(s.a.y, s.b.y) - 1000) < 0.01 &&
                 std::fabs(std::min(s.a.y, s.b.y) - 800) < 0.01;
  }
  EXPECT_TRUE(lowerWick);
  EXPECT_TRUE(upperWick);
  // Ticks: a line from low to high, the open tick to the left and the
  // close tick to the right, 75 units long.
  bartyp_("TICK", 4);
  mark = traceLines().size();
  const int32_t one = 1;
  fbars_(x.data(), open.data(), high.data(), low.data(), close.data(), &one);
  qqstrk();
  bool range = false, openTick = false, closeTick = false;
  for (const auto& s : segments()) {
    range |= std::fabs(s.a.x - 700) < 0.01 && std::fabs(s.b.x - 700) < 0.01 &&
             std::fabs(std::fabs(s.a.y - s.b.y) - 600) < 0.01;
    openTick |= std::fabs(s.a.x - 625) < 0.01 && std::fabs(s.b.x - 700) < 0.01 &&
                std::fabs(s.a.y - 1200) < 0.01;
    closeTick |= std::fabs(s.a.x - 700) < 0.01 && std::fabs(s.b.x - 775) < 0.01 &&
                 std::fabs(s.a.y - 1000) < 0.01;
  }
  EXPECT_TRUE(range);
  EXPECT_TRUE(openTick);
  EXPECT_TRUE(closeTick);
  EXPECT_TRUE(polygons().empty());
}

}  // namespace
}  // namespace zantor::test
