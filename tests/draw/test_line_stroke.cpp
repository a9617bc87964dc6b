// Line widths: offset strokes drawn by the pipeline, their caps and joins,
// and widths, caps and joins handed to devices that draw them.
#include <algorithm>
#include <set>

#include "draw/line_trace.h"

namespace zantor::test {
namespace {

class LineStroke : public LineTest {
 protected:
  static void width(int32_t n) { linwid_(&n); }
  // Points of all runs, moves and draws alike.
  static std::vector<Op> points() { return ops(); }
  static bool hasPoint(double x, double y, double tol = 0.01) {
    for (const Op& o : ops())
      if (near(o.x, x, tol) && near(o.y, y, tol)) return true;
    return false;
  }
  void drawL() {  // right, then down
    drawLine(100, 100, 200, 100);
    connqq(200, 200);
    flushLine();
  }
};

TEST_F(LineStroke, ThinLineIsOneStroke) {
  startPlot();
  drawLine(100, 500, 300, 500);
  flushLine();
  EXPECT_EQ(runs().size(), 1u);
  EXPECT_EQ(linesStartingWith("draw").size(), 1u);
}

TEST_F(LineStroke, WidthTenGivesCentreAndThreePairs) {
  startPlot();
  call(lncap_, "CUT");
  width(10);
  drawLine(100, 500, 300, 500);
  flushLine();
  std::multiset<double> ys;
  for (const Stroke& r : runs()) {
    ASSERT_EQ(r.size(), 2u);
    EXPECT_TRUE(near(r[0].y, r[1].y));
    EXPECT_TRUE(near(std::min(r[0].x, r[1].x), 100) && near(std::max(r[0].x, r[1].x), 300));
    ys.insert(std::round((r[0].y - 500) * 10) / 10);
  }
  const std::multiset<double> want = {-5, -3, -1.5, 0, 1.5, 3, 5};
  EXPECT_EQ(ys, want);
}

TEST_F(LineStroke, PairsFollowTheUnitFactor) {
  call(units_, "INCH");
  startPlot();
  call(lncap_, "CUT");
  width(4);  // 10.16 tenths of a millimetre: w = 10, offsets 1.5, 3, 5 (0.1 mm)
  drawLine(100, 500, 300, 500);
  flushLine();
  std::set<double> ys;
  for (const Stroke& r : runs()) ys.insert(std::round((r[0].y - 500) * 2.54 * 10) / 10);
  const std::set<double> want = {-5, -3, -1.5, 0, 1.5, 3, 5};
  EXPECT_EQ(ys, want);
}

TEST_F(LineStroke, LongCapsExtendTheStrokes) {
  startPlot();
  width(10);  // cap LONG is the default
  drawLine(100, 500, 300, 500);
  flushLine();
  const auto r = runs();
  ASSERT_EQ(r.size(), 7u);
  EXPECT_TRUE(near(r[0][0].x, 100) && near(r[0][1].x, 300));  // the centre line
  for (std::size_t k = 1; k < r.size(); ++k) {
    const double d = std::fabs(r[k][0].y - 500);
    EXPECT_TRUE(near(std::min(r[k][0].x, r[k][1].x), 100 - d));
    EXPECT_TRUE(near(std::max(r[k][0].x, r[k][1].x), 300 + d));
  }
}

TEST_F(LineStroke, RoundCapsCloseEachPairAtDistanceD) {
  startPlot();
  call(lncap_, "ROUN");
  width(10);
  drawLine(100, 500, 300, 500);
  flushLine();
  const auto r = runs();
  // Centre line, then each pair as one closed loop: stroke, cap, stroke, cap.
  ASSERT_EQ(r.size(), 4u);
  const double ds[] = {1.5, 3.0, 5.0};
  for (int k = 1; k <= 3; ++k) {
    const Stroke& loop = r[k];
    EXPECT_TRUE(near(loop.front().x, loop.back().x) && near(loop.front().y, loop.back().y));
    double maxX = 0;
    for (const Op& o : loop) {
      const double ex = o.x > 300 ? 300 : (o.x < 100 ? 100 : o.x);
      EXPECT_TRUE(near(std::hypot(o.x - ex, o.y - 500), ds[k - 1], 0.01)) << o.x << " " << o.y;
      maxX = std::max(maxX, o.x);
    }
    EXPECT_TRUE(near(maxX, 300 + ds[k - 1], 0.3));  // within the arc tolerance
    EXPECT_GT(loop.size(), 6u);  // the caps are arcs, not single chords
  }
}

TEST_F(LineStroke, SharpJoinsMeetAtTheMiterPoint) {
  startPlot();
  call(lncap_, "CUT");
  call(lnjoin_, "SHAR");
  width(10);
  drawL();
  // One run per stroke: the offset strokes turn the corner without a gap.
  EXPECT_EQ(runs().size(), 7u);
  for (double d : {1.5, 3.0, 5.0}) {
    EXPECT_TRUE(hasPoint(200 + d, 100 - d)) << d;  // outer corner
  }
  // Below the limit (sqrt 2 for a right angle) the corner is cut.
  const float limit = 1.2f;
  lnmlt_(&limit);
  drawL();
  int outside = 0;
  for (const Op& o : ops()) outside += o.x > 200.01 && o.y < 99.99;
  EXPECT_EQ(outside, 3);  // only the miter points of the first drawing
}

TEST_F(LineStroke, RoundAndTruncatedJoins) {
  startPlot();
  call(lncap_, "CUT");
  call(lnjoin_, "ROUN");
  width(10);
  drawL();
  EXPECT_EQ(runs().size(), 7u);
  int onArc = 0;
  for (const Op& o : ops()) {
    if (o.x > 200.01 && o.y < 99.99) {
      const double r = std::hypot(o.x - 200, o.y - 100);
      EXPECT_TRUE(near(r, 1.5) || near(r, 3.0) || near(r, 5.0)) << r;
      ++onArc;
    }
  }
  EXPECT_GE(onArc, 3);

  call(lnjoin_, "TRUN");
  const std::size_t before = ops().size();
  drawL();
  const auto all = ops();
  for (std::size_t i = before; i < all.size(); ++i)
    EXPECT_FALSE(all[i].x > 200.01 && all[i].y < 99.99) << all[i].x << " " << all[i].y;
}

TEST_F(LineStroke, ClosedPolylineJoinsItsFirstCorner) {
  startPlot();
  call(lnjoin_, "SHAR");
  width(10);
  const int32_t a = 100, b = 200;
  line_(&a, &a, &b, &a);
  connqq(200, 200);
  connqq(100, 200);
  connqq(100, 100);
  flushLine();
  const auto r = runs();
  ASSERT_EQ(r.size(), 7u);
  for (std::size_t k = 1; k < r.size(); ++k) {
    EXPECT_TRUE(near(r[k].front().x, r[k].back().x) && near(r[k].front().y, r[k].back().y));
  }
  EXPECT_TRUE(hasPoint(95, 95));  // outer miter of the first corner
  // The inner stroke crosses itself inside the corner.
  EXPECT_TRUE(hasPoint(105, 100) && hasPoint(100, 105));
}

TEST_F(LineStroke, ThickPolylineContinuesAcrossBufferPieces) {
  startPlot();
  call(lncap_, "LONG");
  width(4);  // one pair at 2.0
  float x = 100, y = 100;
  xmove_(&x, &y);
  for (int i = 1; i < 150; ++i) {
    x = 100.0f + 2.0f * static_cast<float>(i);
    xdraw_(&x, &y);
  }
  flushLine();
  // The pieces meet: no extension (LONG cap) at the piece boundary x = 298.
  for (const Op& o : ops()) EXPECT_FALSE(o.x > 298.01 && o.x < 299.99) << o.x;
  EXPECT_TRUE(hasPoint(98, 98));   // extended at the start
  EXPECT_TRUE(hasPoint(400, 102));  // and at the end
}

TEST_F(LineStroke, PolylineEndingAtAPieceBoundaryStillGetsItsCap) {
  startPlot();
  width(4);  // one pair at 2.0, cap LONG
  float x = 100, y = 100;
  xmove_(&x, &y);
  for (int i = 1; i < 100; ++i) {  // exactly one full buffer
    x = 100.0f + static_cast<float>(i);
    xdraw_(&x, &y);
  }
  flushLine();
  EXPECT_TRUE(hasPoint(201, 98) && hasPoint(201, 102));
}

TEST_F(LineStroke, DevicesWithHardwareWidthsGetTheWidth) {
  DeviceCaps caps;
  caps.hwLineWidth = true;
  startPlot(caps);
  width(10);
  EXPECT_EQ(zanglb.nlinwd, -10);
  drawLine(100, 500, 300, 500);
  call(lncap_, "ROUN");
  call(lnjoin_, "SHAR");
  const float m = 3.0f;
  lnmlt_(&m);
  newpag_();
  EXPECT_EQ(runs().size(), 1u);  // no software strokes
  // The writer's new page restores the attributes itself.
  const std::vector<std::string> attrs = {"width 1",  "width 10", "cap 1", "join 0",
                                          "miter 3",  "newpage"};
  std::vector<std::string> got;
  for (const auto& l : traceLines())
    for (const char* p : {"width", "cap", "join", "miter", "newpage"})
      if (l.rfind(p, 0) == 0) got.push_back(l);
  EXPECT_EQ(got, attrs);

  // Without device widths (ihwlin 0) the device draws thin lines and the
  // pipeline thickens them.
  zanglb.ihwlin = 0;
  width(4);
  EXPECT_EQ(zanglb.nlinwd, 4);
  EXPECT_EQ(traceLines().back(), "width 1");
}

// Thick lines are clipped before they are thickened: strokes whose offset
// exceeds the reach of the clipping window from the line are not made.
TEST_F(LineStroke, WideLinesMakeOnlyStrokesThatCanBeSeen) {
  startPlot();
  call(lncap_, "CUT");
  width(32000);
  // Far outside the page (2970 x 2100): at most a few strokes reach it.
  drawLine(-200000, -200000, -199000, -200000);
  flushLine();
  EXPECT_EQ(runs().size(), 0u);
  // On the page every stroke that can be seen is still made: the strokes
  // of a horizontal line lie at y = 1000 -+ 1.5 i (i = 1 .. 10666; the
  // outermost pair at 16000 is off the page), one draw each where that
  // lies inside the clipping window, plus the centre line.
  drawLine(1000, 1000, 1100, 1000);
  flushLine();
  int expected = 1;
  for (int i = 1; i <= 10666; ++i) {
    expected += 1000 - 1.5 * i >= zanglb.nyclip;
    expected += 1000 + 1.5 * i <= zanglb.nvclip;
  }
  ASSERT_GT(expected, 1000);
  EXPECT_EQ(static_cast<int>(linesStartingWith("draw").size()), expected);
}

}  // namespace
}  // namespace zantor::test
