// The operation stream as the writers receive it.
#include <zantor.h>

#include "core/state.h"
#include "devices/trace/trace_device.h"
#include "support/fixture.h"

namespace zantor::test {
namespace {

class Trace : public LibraryTest {};

TEST_F(Trace, LinesReachTheWriterInDeviceUnits) {
  installTraceDevice();
  call(metafl_, "PS");
  call(pagmod_, "NONE");
  zanini_();
  zanglb.iproto = 0;
  const int32_t a = 100, b = 200, c = 300;
  line_(&a, &b, &c, &b);
  line_(&c, &b, &c, &c);
  pagera_();
  zanfin_();
  const double s = zanglb.xscf;
  const auto& t = traceLines();
  ASSERT_GE(t.size(), 5u);
  EXPECT_EQ(t[0], "start");
  EXPECT_EQ(t[1].substr(0, 7), "colour ");  // the plot's foreground
  EXPECT_EQ(t[2], "width 1");                // the default width
  char want[64];
  std::snprintf(want, sizeof want, "move %g %g", 100 * s, (2099 - 200) * s);
  EXPECT_EQ(t[3].substr(0, 9), std::string(want).substr(0, 9));
  EXPECT_EQ(t[4].substr(0, 4), "draw");
  EXPECT_EQ(t.back(), "finish");
  // The page border is one closed polyline of four draws.
  int draws = 0;
  for (const auto& l : t) draws += l.rfind("draw", 0) == 0;
  EXPECT_EQ(draws, 1 + 1 + 4);
  EXPECT_EQ(zanglb.nplvec, draws);  // the protocol's vector count
}

TEST_F(Trace, PolylineIsStrokedInPiecesOfHundredPoints) {
  installTraceDevice();
  zanini_();
  zanglb.iproto = 0;
  float x = 10, y = 10;
  xmove_(&x, &y);
  for (int i = 1; i < 250; ++i) {
    x = 10.0f + static_cast<float>(i);
    y = (i % 2) ? 20.0f : 10.0f;
    xdraw_(&x, &y);
  }
  zanfin_();
  int moves = 0, draws = 0;
  for (const auto& l : traceLines()) {
    moves += l.rfind("move", 0) == 0;
    draws += l.rfind("draw", 0) == 0;
  }
  // Three pieces (100, 100 and 52 points) sharing their end points.
  EXPECT_EQ(moves, 3);
  EXPECT_EQ(draws, 249);
}

TEST_F(Trace, SegmentsAreClippedAtThePageBorder) {
  installTraceDevice();
  zanini_();
  zanglb.iproto = 0;
  const int32_t a = -100, b = 1000, c = 500, far = 5000;
  line_(&a, &b, &c, &b);     // enters from the left
  line_(&far, &b, &far, &c);  // entirely outside
  zanfin_();
  const auto& t = traceLines();
  ASSERT_GE(t.size(), 5u);
  EXPECT_EQ(t[1].substr(0, 7), "colour ");  // the plot's foreground
  EXPECT_EQ(t[2], "width 1");
  EXPECT_EQ(t[3], "move 0 0.37");  // (2099 - 1000) / 2969
  EXPECT_EQ(t[4].substr(0, 10), "draw 0.168");
  EXPECT_EQ(t[5], "finish");
}

}  // namespace
}  // namespace zantor::test
