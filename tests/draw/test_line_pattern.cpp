// The pattern and buffer stages: pieces of the polyline buffer, dashes,
// colour cycles, parallel offsets and points that are not numbers.
#include <cmath>
#include <limits>

#include "draw/line_trace.h"

namespace zantor::test {
namespace {

class LinePattern : public LineTest {};

TEST_F(LinePattern, LongPolylineGoesOutInPiecesSharingEndPoints) {
  startPlot();
  float x = 10, y = 10;
  xmove_(&x, &y);
  for (int i = 1; i < 250; ++i) {
    x = 10.0f + static_cast<float>(i);
    y = (i % 2) ? 20.0f : 10.0f;
    xdraw_(&x, &y);
  }
  flushLine();
  const auto r = runs();
  ASSERT_EQ(r.size(), 3u);
  EXPECT_EQ(r[0].size(), 100u);
  EXPECT_EQ(r[1].size(), 100u);
  EXPECT_EQ(r[2].size(), 52u);
  for (int k = 1; k < 3; ++k) {
    EXPECT_DOUBLE_EQ(r[k].front().x, r[k - 1].back().x);
    EXPECT_DOUBLE_EQ(r[k].front().y, r[k - 1].back().y);
  }
  EXPECT_TRUE(near(r[2].back().x, 259));
}

TEST_F(LinePattern, RepeatedPointsAreDroppedAndNaNPointsBreakTheLine) {
  startPlot();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  float xs[] = {10, 10, 20, nan, 30, 40, inf, 50, 60};
  float ys[] = {10, 10, 10, 10, 10, 10, 10, 10, 10};
  xmove_(&xs[0], &ys[0]);
  for (int i = 1; i < 9; ++i) xdraw_(&xs[i], &ys[i]);
  float nx = nan;
  xmove_(&nx, &ys[0]);  // ignored
  flushLine();
  const auto r = runs();
  // 10-20, then 30-40 (the point after a NaN starts anew), then 50-60.
  ASSERT_EQ(r.size(), 3u);
  for (const Stroke& run : r) ASSERT_EQ(run.size(), 2u);
  EXPECT_TRUE(near(r[0][1].x, 20) && near(r[1][0].x, 30) && near(r[2][0].x, 50));

  // Through the pattern stage, with a dash pattern as well.
  dash_();
  float a = 100, b = 100, c = nan, d = 200, e = 230;
  strtpt_(&a, &b);
  connpt_(&c, &b);  // breaks the line: the next point starts it anew
  connpt_(&d, &b);
  connpt_(&e, &b);
  flushLine();
  const auto after = runs();
  ASSERT_EQ(after.size(), 5u);
  EXPECT_TRUE(near(after[3][0].x, 200) && near(after[3][1].x, 210));
  EXPECT_TRUE(near(after[4][0].x, 220) && near(after[4][1].x, 230));
}

TEST_F(LinePattern, DotsAreOneUnitEveryElevenAtCentimetreUnits) {
  startPlot();
  dot_();
  drawLine(100, 500, 200, 500);
  flushLine();
  const auto r = runs();
  ASSERT_EQ(r.size(), 10u);
  for (int k = 0; k < 10; ++k) {
    ASSERT_EQ(r[k].size(), 2u);
    EXPECT_TRUE(near(r[k][0].x, 100 + 11 * k)) << k << ": " << r[k][0].x;
    EXPECT_TRUE(near(r[k][1].x - r[k][0].x, 1));
    EXPECT_TRUE(near(r[k][0].y, 500) && near(r[k][1].y, 500));
  }
}

TEST_F(LinePattern, PatternLengthsFollowTheUnits) {
  call(units_, "INCH");
  startPlot();
  dashl_();  // 30, 20 tenths of a millimetre
  EXPECT_EQ(zanglb.nmrk, 2);
  EXPECT_EQ(zanglb.nmray[0], 12);  // int(30 / 2.54 + 0.5)
  EXPECT_EQ(zanglb.nmray[1], 8);
  dot_();
  EXPECT_EQ(zanglb.nmray[0], 1);  // at least one unit
}

TEST_F(LinePattern, DashRunsOnRoundCornersAndAcrossCalls) {
  startPlot();
  dash_();  // 10 on, 10 off
  float x0 = 100, y0 = 100, x1 = 105, y1 = 120, x2 = 125;
  strtpt_(&x0, &y0);
  connpt_(&x1, &y0);  // 5 units: the first dash is not finished
  connpt_(&x1, &y1);  // the dash bends down for 5 more units
  connpt_(&x2, &y1);
  flushLine();
  const auto r = runs();
  ASSERT_GE(r.size(), 3u);
  ASSERT_EQ(r[0].size(), 3u);
  EXPECT_TRUE(near(r[0][0].x, 100) && near(r[0][0].y, 100));
  EXPECT_TRUE(near(r[0][1].x, 105) && near(r[0][1].y, 100));
  EXPECT_TRUE(near(r[0][2].x, 105) && near(r[0][2].y, 105));
  // After a gap of 10 the next dash starts at (105, 115) and bends too.
  ASSERT_EQ(r[1].size(), 3u);
  EXPECT_TRUE(near(r[1][0].y, 115) && near(r[1][2].x, 110) && near(r[1][2].y, 120));
  EXPECT_TRUE(near(r[2][0].x, 120));
  // 5 units of the dash that started at 120 are left for the next call.
  EXPECT_TRUE(near(zanglb.xmrlen, 5));
  EXPECT_EQ(zanglb.nmrpen, 0);
  const int32_t style = 2;
  lintyp_(&style);
  EXPECT_TRUE(near(zanglb.xmrlen, 10));
  EXPECT_EQ(zanglb.nmrind, 1);
}

TEST_F(LinePattern, OddPatternsAlternateAcrossRounds) {
  startPlot();
  const int32_t pat[3] = {2, 3, 4}, n = 3;
  myline_(pat, &n);
  drawLine(0, 100, 18, 100);
  flushLine();
  // down 2, up 3, down 4, up 2, down 3, up 4: dashes 0-2, 5-9, 11-14.
  const auto r = runs();
  ASSERT_EQ(r.size(), 3u);
  EXPECT_TRUE(near(r[1][0].x, 5) && near(r[1][1].x, 9));
  EXPECT_TRUE(near(r[2][0].x, 11) && near(r[2][1].x, 14));
}

TEST_F(LinePattern, ColourCycleColoursEachDash) {
  startPlot();
  dash_();
  zanglb.nmrkc = 2;
  zanglb.nmrayc[0] = 3;
  zanglb.nmrayc[1] = 5;
  drawLine(100, 100, 145, 100);
  flushLine();
  // colour 3, dash 100-110, colour 5, dash 120-130, colour 3, dash 140-145.
  std::vector<std::string> seq;
  for (const std::string& l : traceLines()) {
    if (l.rfind("colour", 0) == 0) seq.push_back(l.substr(l.rfind(' ') + 1));
    else if (l.rfind("move", 0) == 0) seq.push_back("move");
  }
  // After the plot's starting colour (the foreground, 0 on this device):
  const std::vector<std::string> want = {"0", "3", "move", "5", "move", "3", "move"};
  EXPECT_EQ(seq, want);
}

TEST_F(LinePattern, OffsetLinesRunBesideTheGivenLine) {
  startPlot();
  zanglb.xoff = 2.0f;
  drawLine(100, 100, 200, 100);  // heading right: the offset is upwards
  connqq(200, 200);  // heading down
  flushLine();
  const auto r = runs();
  ASSERT_EQ(r.size(), 1u);
  ASSERT_EQ(r[0].size(), 4u);
  EXPECT_TRUE(near(r[0][0].x, 100) && near(r[0][0].y, 98));
  EXPECT_TRUE(near(r[0][1].x, 200) && near(r[0][1].y, 98));
  EXPECT_TRUE(near(r[0][2].x, 202) && near(r[0][2].y, 100));
  EXPECT_TRUE(near(r[0][3].x, 202) && near(r[0][3].y, 200));
  EXPECT_FLOAT_EQ(zanglb.xstrt, 200);  // the pen stays on the given line
  EXPECT_FLOAT_EQ(zanglb.ystrt, 200);
}

TEST_F(LinePattern, HugeDottedSegmentIsDashedOnlyWhereVisible) {
  startPlot();
  dot_();
  float x0 = 100, y0 = 100, x1 = 1e30f;
  strtpt_(&x0, &y0);
  connpt_(&x1, &y0);
  flushLine();
  const auto r = runs();
  // Dots every 11 units up to the right page border (2969).
  EXPECT_NEAR(static_cast<double>(r.size()), (2969 - 100) / 11.0, 2.0);
  for (const Stroke& run : r)
    for (const Op& o : run) EXPECT_LE(o.x, zanglb.nxres + 0.01);
  EXPECT_TRUE(near(r[5][0].x, 155));
}

// A dashed line through a very large value (a missing-data sentinel such
// as 1e30) ends, and only its visible part is dashed, with the pattern
// exact there whichever way the far ends lie.
TEST_F(LinePattern, DashesThroughHugeValuesEndAndStayExactOnThePage) {
  for (float big : {1e16f, 1e20f, 1e30f, 3e38f}) {
    startPlot();
    dash_();  // 10 units drawn, 10 skipped
    // Far left to far right along y = 1000, then on to a normal point.
    float xa = -big, y = 1000, xb = big, xc = 500, yc = 1500;
    strtpt_(&xa, &y);
    connpt_(&xb, &y);
    connpt_(&xc, &yc);
    // From the page up to the sentinel and back down (a curve through it).
    float x1 = 1000, y1 = 1200, x2 = 1010, y2 = -big, x3 = 1020, y3 = 1200;
    strtpt_(&x1, &y1);
    connpt_(&x2, &y2);
    connpt_(&x3, &y3);
    flushLine();
    std::vector<Stroke> along;
    for (const Stroke& r : runs())
      if (r.size() == 2 && near(r[0].y, 1000) && near(r[1].y, 1000)) along.push_back(r);
    // The page is 2970 units wide: one dash every 20 units.
    ASSERT_GE(along.size(), 140u) << big;
    ASSERT_LE(along.size(), 150u) << big;
    for (std::size_t i = 1; i + 1 < along.size(); ++i) {
      EXPECT_NEAR(along[i][1].x - along[i][0].x, 10.0, 0.01) << big;
      EXPECT_NEAR(along[i + 1][0].x - along[i][0].x, 20.0, 0.01) << big;
    }
    zanfin_();
  }
}

TEST_F(LinePattern, OriginIsAddedByTheLineRoutinesOnly) {
  startPlot();
  const int32_t ox = 50, oy = 20;
  origin_(&ox, &oy);
  drawLine(100, 100, 200, 100);
  float x = 300, y = 300, x2 = 400;
  strtpt_(&x, &y);
  connpt_(&x2, &y);
  flushLine();
  const auto r = runs();
  ASSERT_EQ(r.size(), 2u);
  EXPECT_TRUE(near(r[0][0].x, 150) && near(r[0][0].y, 120));
  EXPECT_TRUE(near(r[1][0].x, 300) && near(r[1][0].y, 300));
}

}  // namespace
}  // namespace zantor::test
