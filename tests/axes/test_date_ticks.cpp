// Ticks of date axes at calendar boundaries (ticmod and labmod "STEP"),
// read back from the operation stream of the trace device.
#include <zantor.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>

#include "axes/label_text.h"
#include "core/state.h"
#include "devices/trace/trace_device.h"
#include "support/fixture.h"

namespace zantor::test {
namespace {

class DateTicks : public LibraryTest {
 protected:
  void SetUp() override {
    LibraryTest::SetUp();
    installTraceDevice();
    zanini_();
    zanglb.iproto = 0;
    // Lower X axis only, line and ticks; 10 plot units per day on 0..90.
    int32_t x = 500, y = 1500, lx = 901, ly = 500, major = 24, minor = 16;
    axspos_(&x, &y);
    axslen_(&lx, &ly);
    ticlen_(&major, &minor);
    setgrf_("TICK", "NONE", "NONE", "NONE", 4, 4, 4, 4);
    zanglb.nfra = 0;
    int32_t day = 1, month = 1, year = 2024;  // a leap year
    basdat_(&day, &month, &year);
    call(labels_, "DATE", "X");
  }
  void TearDown() override {
    zanfin_();
    LibraryTest::TearDown();
  }

  static void stepMode(const std::string& opt) {
    labmod_("STEP", opt.data(), "X", 4, opt.size(), 1);
  }

  // Ticks of the lower X axis: plot units from the axis start -> length.
  // The trace device rounds to its own units, a few tenths of a millimetre:
  // positions and lengths are rounded to multiples of 10 plot units, which
  // keeps day ticks (10 units apart) apart; lengths are told apart as
  // major (24) and minor (16).
  std::map<int, int> ticks(float xa, float xe, float xo, float xs) {
    const std::size_t first = traceLines().size();
    float ya = 0, ye = 10, yo = 0, ys = 5;
    graf_(&xa, &xe, &xo, &xs, &ya, &ye, &yo, &ys);
    endgrf_();
    std::map<int, int> out;
    double mx = 0, my = 0, scale = 0, axisStart = 0;
    const auto& all = traceLines();
    for (std::size_t i = first; i < all.size(); ++i) {
      const std::string& l = all[i];
      double x = 0, y = 0;
      if (std::sscanf(l.c_str(), "move %lf %lf", &x, &y) == 2) {
        mx = x, my = y;
      } else if (std::sscanf(l.c_str(), "draw %lf %lf", &x, &y) == 2) {
        if (scale == 0 && y == my) {  // the axis line comes first
          scale = (x - mx) / 900.0, axisStart = mx;
        } else if (scale > 0 && std::fabs(x - mx) < 1e-6) {
          out[10 * static_cast<int>(std::lround((x - axisStart) / scale / 10))] =
              std::fabs(y - my) / scale > 20 ? 24 : 16;
        }
        mx = x, my = y;
      }
    }
    EXPECT_GT(scale, 0) << "no axis line";
    return out;
  }
};

TEST_F(DateTicks, MonthTicksAndLabelsOnJanuaryToMarch) {
  call(ticmod_, "MONTH", "X");
  stepMode("MONTH");
  // 1 January, 1 February (day 31) and 1 March (day 60), all labelled.
  EXPECT_EQ(ticks(0, 90, 0, 30), (std::map<int, int>{{0, 24}, {310, 24}, {600, 24}}));
}

TEST_F(DateTicks, MonthTicksBesideLabelsAtMultiplesOfTheStep) {
  // Labels stay at 0, 30, 60, 90 with their major ticks; the month
  // boundaries that carry no label get minor ticks.
  call(ticmod_, "MONT", "X");
  EXPECT_EQ(ticks(0, 90, 0, 30),
            (std::map<int, int>{{0, 24}, {300, 24}, {310, 16}, {600, 24}, {900, 24}}));
}

TEST_F(DateTicks, MonthLabelsWithoutTicmodGetOnlyTheirTicks) {
  stepMode("MONT");
  EXPECT_EQ(ticks(0, 90, 0, 30), (std::map<int, int>{{0, 24}, {310, 24}, {600, 24}}));
  // Back to plain steps: two tick intervals per step of 30 days.
  stepMode("DAYS");
  EXPECT_EQ(ticks(0, 90, 0, 30).size(), 7u);
}

TEST_F(DateTicks, DayTicksAndDescendingAxes) {
  call(ticmod_, "DAYS", "X");
  stepMode("MONT");
  auto t = ticks(0, 90, 0, 30);
  EXPECT_EQ(t.size(), 91u);  // every day of 0..90
  EXPECT_EQ(t[310], 24);
  EXPECT_EQ(t[320], 16);
  // A descending axis starts at its left end with day 90: 1 March lies
  // 300 units along it, 1 February 590, 1 January 900.
  call(ticmod_, "MONT", "X");
  EXPECT_EQ(ticks(90, 0, 90, -30), (std::map<int, int>{{300, 24}, {590, 24}, {900, 24}}));
}

TEST_F(DateTicks, NoTicksStaysNone) {
  int32_t zero = 0;
  ticks_(&zero, "X", 1);
  call(ticmod_, "MONT", "X");
  EXPECT_TRUE(ticks(0, 90, 0, 30).empty());
}

TEST(DateBoundaries, TickAndStepUnits) {
  using V = std::vector<double>;
  // Base 1 January 2024.  Two-month groups start in odd months.
  EXPECT_EQ(dateTicks(0, 200, 6, 1, 1, 2024), (V{0, 60, 121, 182}));  // Jan Mar May Jul
  EXPECT_EQ(dateTicks(0, 400, 4, 1, 1, 2024), (V{0, 182, 366}));     // half years
  EXPECT_EQ(dateTicks(0, 1, 7, 1, 1, 2024).size(), 25u);              // hours
  EXPECT_DOUBLE_EQ(dateTicks(0, 1, 7, 1, 1, 2024)[6], 0.25);
  EXPECT_EQ(dateTicks(0.5, 3.5, 1, 1, 1, 2024), (V{1, 2, 3}));
  EXPECT_TRUE(dateTicks(0, 90, 0, 1, 1, 2024).empty());  // NONE
  EXPECT_TRUE(dateTicks(0, 1e7, 7, 1, 1, 2024).empty());  // too many hours
  EXPECT_TRUE(dateTicks(0, 1e30, 2, 1, 1, 2024).empty());  // no calendar date
  // STEP units: DMON two months, DYEA two years (even years), QYEA four.
  EXPECT_EQ(labelStepMonths(5), 2);
  EXPECT_EQ(dateSteps(0, 2000, 6, 1, 1, 2023), (V{365, 1096, 1826}));  // 2024, 2026, 2028
  EXPECT_EQ(dateSteps(0, 3000, 7, 1, 1, 2023), (V{365, 365 + 1461}));       // 2024, 2028
  EXPECT_TRUE(dateSteps(0, 90, 0, 1, 1, 2024).empty());  // DAYS
}

}  // namespace
}  // namespace zantor::test
