// Axis systems: checks, transformation, automatic scaling, crossed systems.
#include <zantor.h>

#include <cmath>

#include "axes/axes.h"
#include "core/state.h"
#include "devices/trace/trace_device.h"
#include "support/fixture.h"

namespace zantor::test {
namespace {

class Axes : public LibraryTest {
 protected:
  void SetUp() override {
    LibraryTest::SetUp();
    installTraceDevice();
    zanini_();
    zanglb.iproto = 0;
  }
  void TearDown() override {
    zanfin_();
    LibraryTest::TearDown();
  }
  static void graf(float xa, float xe, float xo, float xs, float ya, float ye, float yo,
                   float ys) {
    graf_(&xa, &xe, &xo, &xs, &ya, &ye, &yo, &ys);
  }
  static void lengths(int32_t x, int32_t y) { axslen_(&x, &y); }
  static void position(int32_t x, int32_t y) { axspos_(&x, &y); }
  static int32_t level() {
    int32_t l = 0;
    getlev_(&l);
    return l;
  }
};

// With an origin, a position at the integer limit must not wrap around
// onto the page: warning 2, and the axis position stays.
TEST_F(Axes, PositionAtTheIntegerLimitIsRefused) {
  int32_t ox = 16, oy = 16;
  origin_(&ox, &oy);
  const int32_t before = zanglb.nxa;
  const auto out = printed([] { position(2147483647, 500); });
  ASSERT_EQ(out.size(), 1u);
  EXPECT_NE(out[0].find("Warning   2"), std::string::npos) << out[0];
  EXPECT_EQ(zanglb.nxa, before);
  printed([] { position(500, -2147483647 - 1); });
  EXPECT_EQ(zanglb.nxa, before);
}

TEST_F(Axes, LinearTransformationAndInverse) {
  lengths(1500, 1000);
  position(300, 1500);
  graf(0, 10, 0, 2, 0, 100, 0, 20);
  EXPECT_EQ(level(), 2);
  float five = 5, fifty = 50;
  EXPECT_FLOAT_EQ(xposn_(&five), 300 + 749.5f);
  EXPECT_EQ(nxposn_(&five), 1050);
  EXPECT_FLOAT_EQ(yposn_(&fifty), 1500 - 499.5f);
  EXPECT_EQ(nyposn_(&fifty), 1001);
  int32_t nx = 1050, ny = 1001;
  EXPECT_NEAR(xinvrs_(&nx), 5.0f + 0.5f / 149.9f, 1e-5);
  EXPECT_NEAR(yinvrs_(&ny), 50.0f - 0.5f / 9.99f, 1e-4);
  endgrf_();
  EXPECT_EQ(level(), 1);
}

TEST_F(Axes, LogarithmicAxisSpansDecades) {
  call(scale_, "LOG", "X");
  lengths(1501, 1000);
  graf(-1, 3, -1, 1, 0, 1, 0, 0.5f);
  float hundred = 100, tenth = 0.1f;
  EXPECT_NEAR(xposn_(&hundred), zanglb.nxa + 0.75f * 1500, 1e-3);
  EXPECT_NEAR(xposn_(&tenth), zanglb.nxa, 1e-3);
  EXPECT_FLOAT_EQ(zanglb.xmin, 0.1f);
  EXPECT_FLOAT_EQ(zanglb.xmax, 1000.0f);
  int32_t nx = zanglb.nxa + 750;
  EXPECT_NEAR(xinvrs_(&nx), 10.0f, 1e-3);
}

TEST_F(Axes, DescendingAxisAcceptedAndWrongStepSignInforms) {
  graf(10, 0, 10, -2, 0, 1, 0, 0.5f);
  EXPECT_EQ(level(), 2);
  float ten = 10, zero = 0;
  EXPECT_FLOAT_EQ(xposn_(&ten), static_cast<float>(zanglb.nxa));
  EXPECT_FLOAT_EQ(xposn_(&zero), static_cast<float>(zanglb.nxa + zanglb.nxl - 1));
  endgrf_();
  auto lines = printed([] { graf(10, 0, 10, 2, 0, 1, 0, 0.5f); });
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], " <<<< Warning  50: Incorrect sign for step in GRAF!");
  EXPECT_EQ(level(), 2);  // drawn all the same
}

TEST_F(Axes, RejectedAxesLeaveLevelOne) {
  struct Case {
    float xa, xe, xs;
    const char* warning;
  } cases[] = {
      {1, 1, 1, " <<<< Warning  10: Begin and end of scaling are equal in GRAF!"},
      {0, 1, 0, " <<<< Warning   9: Step equal zero in GRAF!"},
      {NAN, 1, 1, " <<<< Warning  10: Begin and end of scaling are equal in GRAF!"},
  };
  for (const auto& c : cases) {
    auto lines = printed([&] { graf(c.xa, c.xe, 0, c.xs, 0, 1, 0, 1); });
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], c.warning);
    EXPECT_EQ(level(), 1);
  }
  auto lines = printed([] { graf(0, 1, 5, 1, 0, 1, 0, 1); });
  EXPECT_EQ(lines.at(0), " <<<< Warning  12: Startlabel out of scaling in GRAF!");
  EXPECT_EQ(level(), 2);
  endgrf_();
  lines = printed([] { lengths(1, 100); });
  EXPECT_EQ(lines.at(0), " <<<< Warning   2: Incorrect parameter in AXSLEN!   (   1)");
}

TEST_F(Axes, SecondGrafWithoutEndgrfIsRefused) {
  graf(0, 10, 0, 2, 0, 10, 0, 2);
  auto lines = printed([] { graf(0, 5, 0, 1, 0, 5, 0, 1); });
  EXPECT_EQ(lines.at(0), " <<<< Warning   3: Incorrect level in GRAF!   (   2)");
  EXPECT_FLOAT_EQ(zanglb.xe, 10.0f);
}

TEST_F(Axes, AutomaticScalingWorkedExample) {
  AxisScale s = autoScale(0, 0.13, 0.87, 1500);
  EXPECT_NEAR(s.step, 0.1f, 1e-6);
  EXPECT_NEAR(s.first, 0.2f, 1e-6);
  EXPECT_EQ(s.digits, 1);
  s = autoScale(0, 0.13, 0.87, 1000);
  EXPECT_NEAR(s.step, 0.2f, 1e-6);
  EXPECT_NEAR(s.first, 0.2f, 1e-6);
  // A range of one unit on a long axis gets five steps and one more digit.
  s = autoScale(0, 0, 1.5, 1500);
  EXPECT_NEAR(s.step, 0.2f, 1e-6);
  EXPECT_EQ(s.digits, 1);
  // Large integers keep integer labels; labels across a Y axis need less
  // room, so seven steps fit on 1400 units.
  s = autoScale(1, 0, 7300, 1400);
  EXPECT_NEAR(s.step, 1000.0f, 1e-3);
  EXPECT_EQ(s.digits, -1);
  EXPECT_NEAR(s.first, 0.0f, 1e-3);  // a multiple of the step already
  s = autoScale(0, 0, 7300, 1300);    // along a shorter X axis they do not
  EXPECT_NEAR(s.step, 2000.0f, 1e-3);
  // Negative starts round towards the next multiple at or above.
  s = autoScale(0, -3.7, 4.2, 2000);
  EXPECT_NEAR(s.first, -3.0f, 1e-6);
}

TEST_F(Axes, SetsclDrivesGraf) {
  float data[] = {0.87f, 0.5f, 0.13f};
  int32_t n = 3;
  setscl_(data, &n, "X", 1);
  lengths(1000, 1000);
  graf(0, 1, 0, 1, 0, 1, 0, 1);
  EXPECT_FLOAT_EQ(zanglb.xa, 0.13f);
  EXPECT_FLOAT_EQ(zanglb.xe, 0.87f);
  EXPECT_NEAR(zanglb.xstep, 0.2f, 1e-6);
  EXPECT_NEAR(zanglb.xorig, 0.2f, 1e-6);
  EXPECT_EQ(zanglb.ndezx[0], 1);
  endgrf_();
  setscl_(data, &n, "XRE", 3);
  EXPECT_EQ(zanglb.ioptsc[0], 0);
}

TEST_F(Axes, SetsclOfASingleValueWidensTheRange) {
  float v = 4.0f;
  int32_t n = 1;
  auto lines = printed([&] { setscl_(&v, &n, "Y", 1); });
  EXPECT_EQ(lines.at(0), " <<<< Warning  25: Minimum equal maximum (added -1 and +1) in SETSCL!");
  EXPECT_FLOAT_EQ(zanglb.xminsc[1], 3.0f);
  EXPECT_FLOAT_EQ(zanglb.xmaxsc[1], 5.0f);
  lines = printed([&] { setscl_(&v, &n, "Q", 1); });
  EXPECT_EQ(lines.at(0), " <<<< Warning   2: Incorrect parameter in SETSCL!   (Q)");
}

TEST_F(Axes, LogScalingOfNonPositiveData) {
  call(scale_, "LOG", "XY");
  float data[] = {-1.0f, 0.0f};
  int32_t n = 2;
  setscl_(data, &n, "X", 1);
  auto lines = printed([] { graf(0, 1, 0, 1, 0, 1, 0, 1); });
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], " <<<< Warning  23: Non positive minimum for log scaling (set to 0.1) in GRAF!");
  EXPECT_EQ(lines[1], " <<<< Warning  24: Non positive maximum for log scaling (set to 1.0) in GRAF!");
  EXPECT_FLOAT_EQ(zanglb.xa, -1.0f);
  EXPECT_FLOAT_EQ(zanglb.xe, 0.0f);
}

TEST_F(Axes, CrossedSystems) {
  call(axstyp_, "CROSS");
  graf(-5, 5, -4, 2, -2, 8, -2, 2);
  EXPECT_EQ(level(), 2);
  float zero = 0;
  EXPECT_EQ(zanglb.nxcros, nxposn_(&zero));
  EXPECT_EQ(zanglb.nycros, nyposn_(&zero));
  endgrf_();
  auto lines = printed([] { graf(1, 5, 1, 1, 1, 5, 1, 1); });
  EXPECT_EQ(lines.at(0), " <<<< Warning 151: No origin found for crossed axis system in GRAF!");
  EXPECT_EQ(level(), 1);
  int32_t ox = 1000, oy = 1000;
  axsorg_(&ox, &oy);
  graf(1, 5, 1, 1, 1, 5, 1, 1);  // moved so that (0, 0) lies on the point
  EXPECT_EQ(level(), 2);
  EXPECT_NEAR(xposn_(&zero), 1000.0f, 1.0f);
  EXPECT_NEAR(yposn_(&zero), 1000.0f, 1.0f);
  endgrf_();
  call(scale_, "LOG", "X");
  lines = printed([] { graf(-1, 1, -1, 1, 1, 5, 1, 1); });
  EXPECT_EQ(lines.at(0),
            " <<<< Warning 150: Crossed axis systems must have linear scaling in GRAF!");
}

TEST_F(Axes, TicksFollowTheLabelSteps) {
  lengths(1001, 1001);
  position(500, 1500);
  const int32_t one = 1;
  setgrf_("TICK", "NONE", "NONE", "NONE", 4, 4, 4, 4);
  ticks_(&one, "X", 1);
  zanglb.nfra = 0;
  graf(0, 10, 0, 2, 0, 10, 0, 2);
  // Six major ticks at 0, 2, ... 10, plus the axis line.
  int draws = 0;
  for (const auto& l : traceLines()) draws += l.rfind("draw", 0) == 0;
  EXPECT_EQ(draws, 1 + 6);
  endgrf_();
}

TEST_F(Axes, ZeroTicksDrawNone) {
  const int32_t zero = 0;
  setgrf_("TICK", "NONE", "NONE", "NONE", 4, 4, 4, 4);
  ticks_(&zero, "X", 1);
  zanglb.nfra = 0;
  graf(0, 10, 0, 2, 0, 10, 0, 2);
  int draws = 0;
  for (const auto& l : traceLines()) draws += l.rfind("draw", 0) == 0;
  EXPECT_EQ(draws, 1);
  endgrf_();
}

TEST_F(Axes, PositionsAreCheckedAgainstThePage) {
  auto lines = printed([] { position(5000, 100); });
  EXPECT_EQ(lines.at(0), " <<<< Warning   2: Incorrect parameter in AXSPOS!   (5000)");
  EXPECT_EQ(zanglb.nxa, zanglb.nxadef);
}

TEST_F(Axes, NxposnOfHugeValuesDoesNotOverflow) {
  graf(0, 1, 0, 1, 0, 1, 0, 1);
  float huge = 1e30f, nan = NAN;
  EXPECT_EQ(nxposn_(&huge), 1000000000);
  EXPECT_EQ(nxposn_(&nan), INT32_MIN);
}

// Extreme but legal scalings: a step far below a plot unit, an origin far
// outside or not a number.  Each draws only what can be seen, quickly.
TEST_F(Axes, ExtremeStepsAndOriginsDrawOnlyVisibleTicks) {
  struct Case {
    float a, e, o, s;
    int maxDraws;
  };
  // 1 plot unit per 1e-30 would be 1e31 ticks on a 1500-unit axis: none are
  // drawn (they could not be told apart), nor labels.  A huge or NaN origin
  // gives warning 12 and ticks only on the axis.
  const Case cases[] = {{0, 10, 0, 1e-30f, 50},  {0, 10, 1e30f, 1, 200},
                        {0, 10, -1e30f, 1, 200}, {0, 10, NAN, 1, 200},
                        {-1e30f, 1e30f, 0, 1e-10f, 50}};
  for (const Case& c : cases) {
    lengths(1500, 1000);
    zanglb.nfra = 0;
    const auto out = printed([&] { graf(c.a, c.e, c.o, c.s, 0, 10, 0, 2); });
    EXPECT_EQ(level(), 2) << c.o << " " << c.s;
    int draws = 0;
    for (const auto& l : traceLines()) draws += l.rfind("draw", 0) == 0;
    EXPECT_LT(draws, 2000) << c.o << " " << c.s;
    endgrf_();
  }
}

TEST_F(Axes, LengthsAndMarkerStepsAtTheIntegerLimits) {
  auto out = printed([] { lengths(INT32_MAX, 1000); });
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0], " <<<< Warning   2: Incorrect parameter in AXSLEN!   (********)");
  EXPECT_EQ(zanglb.nxl, zanglb.nxldef);
  lengths(1 << 30, 1 << 30);  // the longest accepted axis
  const int32_t step = INT32_MIN;
  incmrk_(&step);  // symbols only, at the first point
  const int32_t sym = 3;
  marker_(&sym);
  graf(0, 10, 0, 1, 0, 10, 0, 1);
  float x[3] = {0, 1e-9f, 2e-9f}, y[3] = {0, 1e-9f, 2e-9f};
  int32_t n = 3;
  curve_(x, y, &n);
  EXPECT_EQ(zanglb.incm, -INT32_MAX);
  endgrf_();
}

}  // namespace
}  // namespace zantor::test
