// Axis label texts of every type, label values with the end selections,
// automatic digits and the label setters.
#include <zantor.h>

#include "axes/label_text.h"
#include "core/state.h"
#include "devices/trace/trace_device.h"
#include "draw/page.h"
#include "support/fixture.h"

namespace zantor::test {
namespace {

class LabelText : public LibraryTest {
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
};

TEST_F(LabelText, TimeLabels) {
  EXPECT_EQ(timeLabel(-60, kLabTime, false), "2359");  // the day before
  EXPECT_EQ(timeLabel(-60, kLabTime, true), "23:59");
  EXPECT_EQ(timeLabel(9.5 * 3600, kLabTime, false), "0930");
  EXPECT_EQ(timeLabel(3599.6 - 30, kLabTime, true), "01:00");  // 59.5 min carried
  EXPECT_EQ(timeLabel(86400 + 3600, kLabHour, false), "01");
  EXPECT_EQ(timeLabel(3 * 3600 + 4 * 60 + 5, kLabSeco, true), "03:04:05");
  EXPECT_EQ(timeLabel(3 * 3600 + 4 * 60 + 5, kLabSeco, false), "030405");
  // labelText follows timopt.
  EXPECT_EQ(labelText(kLabTime, -60, 1, 0, false), "2359");
  timopt_();
  EXPECT_EQ(labelText(kLabTime, -60, 1, 0, false), "23:59");
}

TEST_F(LabelText, MapLabels) {
  EXPECT_EQ(mapLabel(-30, kLabMap, 0, -1), "30W");
  EXPECT_EQ(mapLabel(45, kLabMap, 0, -1), "45E");
  EXPECT_EQ(mapLabel(-12.5, kLabMap, 1, 1), "12.5S");
  EXPECT_EQ(mapLabel(60, kLabMap, 1, -1), "60N");
  EXPECT_EQ(mapLabel(-30, kLabLmap, 0, -1), "30w");
  EXPECT_EQ(mapLabel(20, kLabLmap, 1, -1), "20n");
  EXPECT_EQ(mapLabel(-30, kLabMapn, 0, -1), "30");
  EXPECT_EQ(mapLabel(0, kLabMap, 0, -1), "0");
  EXPECT_EQ(mapLabel(-10.5, kLabDmap, 0, -1), "10 30'W");
  EXPECT_EQ(mapLabel(10, kLabDmap, 1, -1), "10N");
}

TEST_F(LabelText, NumberAndExponentForms) {
  EXPECT_EQ(labelText(kLabFloa, 2.5, 1, 0, false), "2.5");
  EXPECT_EQ(labelText(kLabFloa, 12.5, -1, 0, false), "13");
  EXPECT_EQ(labelText(kLabExp, 2000, 1, 0, false), "2.0$*10[3$");
  EXPECT_EQ(labelText(kLabExp, 0, 1, 0, false), "0.0");
  EXPECT_EQ(labelText(kLabFexp, 0.025, 1, 0, false), "2.5E-2");
  EXPECT_EQ(labelText(kLabXexp, 9.96, 1, 0, false), "1.0${D}10[1$");
  // Logarithmic axes: v is the exponent.
  EXPECT_EQ(labelText(kLabLog, 2, 1, 0, true), "10[2$");
  EXPECT_EQ(labelText(kLabLog, -1, 1, 0, true), "10[-1$");
  EXPECT_EQ(labelText(kLabLog, 0.5, 1, 0, true), "10[0.5$");
  EXPECT_EQ(labelText(kLabFloa, 2, 1, 0, true), "100.0");
  EXPECT_EQ(labelText(kLabFloa, -2, 1, 0, true), "0.01");
  EXPECT_EQ(labelText(kLabElog, 0, 1, 0, true), "1");
  EXPECT_EQ(labelText(kLabElog, 1, 1, 0, true), "10");
  EXPECT_EQ(labelText(kLabElog, 3, 1, 0, true), "10[3$");
  // Other control characters and the decimal comma.
  zanglb.csex = "^_#/\\";
  EXPECT_EQ(labelText(kLabLog, 3, 1, 0, true), "10^3#");
  const char *c = "COMM", *n = "NONE", *e = "NOEQ";
  numode_(c, n, n, e, 4, 4, 4, 4);
  EXPECT_EQ(labelText(kLabFloa, 2.5, 1, 0, false), "2,5");
}

TEST_F(LabelText, DateLabelsInThreeLanguages) {
  DateOptions o;
  // Day 0 is the base date.
  EXPECT_EQ(dateLabel(0, 1, 1, 2024, o), "01-01-2024");
  EXPECT_EQ(dateLabel(59, 1, 1, 2024, o), "29-02-2024");  // leap year
  EXPECT_EQ(dateLabel(-1, 1, 1, 2024, o), "31-12-2023");
  o.month = 3;  // NAME
  o.format = 5;  // YMD
  o.separator = ' ';
  EXPECT_EQ(dateLabel(60, 1, 1, 2024, o), "2024 March 01");
  o.language = 1;
  EXPECT_EQ(dateLabel(60, 1, 1, 2024, o), "2024 M!arz 01");
  o.language = 2;
  o.month = 4;  // SHOR
  o.year = 1;
  EXPECT_EQ(dateLabel(60, 1, 1, 2024, o), "24 Mar 01");
  // Weekday names: 1 January 2024 was a Monday, 3 January a Wednesday.
  o = DateOptions{};
  o.day = 3, o.month = 0, o.year = 2;
  EXPECT_EQ(dateLabel(0, 1, 1, 2024, o), "Monday");
  o.language = 2;
  EXPECT_EQ(dateLabel(2, 1, 1, 2024, o), "Mi!ercoles");
  EXPECT_EQ(dateLabel(5, 1, 1, 2024, o), "S!abado");
  o.language = 1;
  EXPECT_EQ(dateLabel(5, 1, 1, 2024, o), "Sonnabend");
  o.day = 4;
  o.upper = true;
  EXPECT_EQ(dateLabel(6, 1, 1, 2024, o), "SON");
  o.language = 2;
  EXPECT_EQ(dateLabel(5, 1, 1, 2024, o), "S!aB");  // the marked vowel counts as one letter
  // Tabled names, trailing blanks removed.
  EXPECT_EQ(monthName(9, 2), "Septiembre");
  EXPECT_EQ(monthName(12, 1), "Dezember");
  EXPECT_EQ(dayName(4, 1), "Donnerstag");
  EXPECT_EQ(dayName(7, 0), "Sunday");
}

TEST_F(LabelText, LabmodAndBasdatReachTheLabels) {
  int32_t d = 15, m = 3, y = 2020;
  basdat_(&d, &m, &y);
  const char* k = "MONTH";
  auto mod = [](const char* key, const char* opt) {
    labmod_(key, opt, "X", len(key), len(opt), 1);
  };
  mod(k, "TINY");
  mod("LANG", "GERM");
  mod("FORMAT", "MDY");
  mod("SEPARATOR", "/");
  mod("YEAR", "SHORT");
  EXPECT_EQ(labelText(kLabDate, 0, 1, 0, false), "M/15/20");
  EXPECT_EQ(labelText(kLabDate, 17, 1, 0, false), "A/01/20");
  // A bad key and an invalid base date change nothing.
  auto out = printed([&] {
    mod("COLOUR", "RED");
    int32_t bad = 30, feb = 2;
    basdat_(&bad, &feb, &y);
  });
  EXPECT_EQ(out.size(), 2u);
  EXPECT_EQ(zanglb.ndbday, 15);
  EXPECT_EQ(labelText(kLabDate, 0, 1, 0, false), "M/15/20");
}

TEST_F(LabelText, DateStepsAtMonthQuarterAndYearBoundaries) {
  using V = std::vector<double>;
  // Base 15 January 2024: 1 February is day 17, 1 March day 46 (leap year).
  EXPECT_EQ(dateSteps(0, 60, 1, 15, 1, 2024), (V{17, 46}));
  EXPECT_EQ(dateSteps(0, 400, 2, 15, 1, 2024), (V{77, 168, 260, 352}));  // Apr, Jul, Oct, Jan
  EXPECT_EQ(dateSteps(0, 400, 4, 15, 1, 2024), (V{352}));  // 366 days in 2024
  EXPECT_EQ(dateSteps(60, 0, 1, 15, 1, 2024), (V{46, 17}));  // descending
  EXPECT_TRUE(dateSteps(0, 10, 1, 15, 1, 2024).empty());
}

TEST_F(LabelText, LabelValuesAndEndSelections) {
  using V = std::vector<double>;
  EXPECT_EQ(labelValues(0, 10, 0, 2, 0), (V{0, 2, 4, 6, 8, 10}));
  EXPECT_EQ(labelValues(0, 10, 0, 2, 1), (V{2, 4, 6, 8, 10}));  // NOFI
  EXPECT_EQ(labelValues(0, 10, 0, 2, 2), (V{0, 2, 4, 6, 8}));   // NOLA
  EXPECT_EQ(labelValues(0, 10, 0, 2, 3), (V{2, 4, 6, 8}));      // NOEN
  EXPECT_EQ(labelValues(0, 10, 0, 2, 4), (V{0, 10}));           // ENDS
  EXPECT_EQ(labelValues(0, 10, 0, 2, 5), (V{0}));               // FIRS
  EXPECT_EQ(labelValues(0, 10, 0, 2, 6), (V{10}));              // LAST
  // The first label equals the start although 3 does not divide 10.
  EXPECT_EQ(labelValues(0, 10, 0, 3, 0), (V{0, 3, 6, 9}));
  // NOFI with a first label at the start drops only that one.
  EXPECT_EQ(labelValues(0, 10, 0, 3, 1), (V{3, 6, 9}));
  // Descending axes, and single precision steps that reach the end.
  EXPECT_EQ(labelValues(10, 0, 10, -2, 0), (V{10, 8, 6, 4, 2, 0}));
  EXPECT_EQ(labelValues(0, 1, 0, 0.1f, 0).size(), 11u);
  std::vector<int> index;
  labelValues(0, 10, 0, 2, 3, &index);
  EXPECT_EQ(index, (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(LabelText, AutomaticDigits) {
  EXPECT_EQ(digitsNeeded(0), -1);
  EXPECT_EQ(digitsNeeded(5), -1);
  EXPECT_EQ(digitsNeeded(250), -1);
  EXPECT_EQ(digitsNeeded(0.5), 1);
  EXPECT_EQ(digitsNeeded(0.25), 2);
  EXPECT_EQ(digitsNeeded(1.25), 2);
  EXPECT_EQ(digitsNeeded(-0.001), 3);
}

TEST_F(LabelText, SettersCheckTheirArguments) {
  Zanglb& g = zanglb;
  call(labels_, "LOG", "XY");
  EXPECT_EQ(g.numx[0], kLabLog);
  EXPECT_EQ(g.numx[1], kLabLog);
  call(labels_, "SECO", "Y");
  EXPECT_EQ(g.ixltim[1], 1);
  auto out = printed([] {
    call(labels_, "WHAT", "X");   // keyword warning
    call(labtyp_, "VERT", "Q");   // axis warning
    int32_t n = 0;
    labdis_(&n, "X", 1);          // range warning
    int32_t bad = 101;
    mylab_("A", &bad, "X", 1, 1);
    hname_(&n);
  });
  EXPECT_EQ(out.size(), 5u);
  EXPECT_EQ(g.numx[0], kLabLog);
  EXPECT_EQ(g.ixlabt[0], 0);
  EXPECT_EQ(g.nnumx[0], lengthUnits(24));
  int32_t k = 3;
  mylab_("three", &k, "X", 5, 1);
  EXPECT_EQ(g.cmylab[0][2].str(), "three");
  call(name_, "Time", "XZ");
  EXPECT_EQ(g.cxnam.str(), "Time");
  EXPECT_EQ(g.cznam.str(), "Time");
  EXPECT_EQ(g.cynam.str(), "");
  int32_t c = 3;
  axclrs_(&c, "TICK", "Y", 4, 1);
  EXPECT_EQ(g.iyclr[1], 3);
  EXPECT_EQ(g.iyclr[0], -1);
  axclrs_(&c, "ALL", "X", 3, 1);
  EXPECT_EQ(g.ixclr[3], 3);
  call(namjus_, "RIGHT", "Y");
  EXPECT_EQ(g.ixjnam[1], 2);
  call(labjus_, "INWARDS", "X");
  EXPECT_EQ(g.ixljus[0], 4);
  intax_();
  EXPECT_EQ(g.ndezx[2], -1);
}

TEST_F(LabelText, TimeAndDateLabelsOfHugeValues) {
  // Only the time of day shows.  1e20 = 2^20 * 5^20 is exact in double,
  // and 86400 = 3200 * 27 with 3200 dividing 1e20; 1e20 / 3200 =
  // 3125 * 10^13, and as 10^3 = 1 (mod 27), 10^13 = 10 and 3125 = 20
  // (mod 27), so the quotient is 200 = 11 (mod 27): 1e20 mod 86400 =
  // 11 * 3200 = 35200 s = 09:46:40, and -1e20 gives 86400 - 35200 = 51200 s
  // = 14:13:20.
  EXPECT_EQ(timeLabel(1e20, kLabSeco, true), "09:46:40");
  EXPECT_EQ(timeLabel(-1e20, kLabSeco, true), "14:13:20");
  EXPECT_EQ(timeLabel(3.4e38, kLabTime, true).size(), 5u);
  EXPECT_EQ(labelText(kLabDate, 1e30, -1, 0, false), "");
  EXPECT_FALSE(labelText(kLabDmap, 1e30, 1, 0, false).empty());
}

}  // namespace
}  // namespace zantor::test
