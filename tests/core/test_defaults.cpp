// Per-plot defaults (resall at zanini and reset("ALL")) and reset of
// single settings.
#include <cstdlib>
#include <zantor.h>

#include <algorithm>

#include "core/state.h"
#include "devices/trace/trace_device.h"
#include "draw/colour_tables.h"
#include "support/fixture.h"

namespace zantor::test {
namespace {

class Defaults : public LibraryTest {
 protected:
  void open(const char* format = "GKSL") {
    installTraceDevice();
    call(metafl_, format);
    zanini_();
    zanglb.iproto = 0;
  }
  static bool isRainbow() {
    return std::equal(zanglb.ivlt, zanglb.ivlt + 128, kRainbowLow) &&
           std::equal(zanglb.ivlt + 128, zanglb.ivlt + 256, kRainbowHigh);
  }
};

TEST_F(Defaults, PerPlotSettingsDoNotCarryOver) {
  open();
  const int32_t x = 100, y = 50;
  origin_(&x, &y);
  call(pagorg_, "BOTTOM");
  call(setvlt_, "TEMP");
  call(color_, "RED");
  zanfin_();
  open();
  EXPECT_EQ(zanglb.nx0, 0);
  EXPECT_EQ(zanglb.ny0, 0);
  EXPECT_EQ(zanglb.ipgorg, 0);
  EXPECT_TRUE(isRainbow());
  EXPECT_EQ(zanglb.ncolr, zanglb.nfgclr);
}

TEST_F(Defaults, ResetAllInsideAPlotRestoresTheTable) {
  open();
  call(setvlt_, "GREY");
  const int32_t x = 10, y = 20, nine = 9;
  origin_(&x, &y);
  setclr_(&nine);
  call(errmod_, "ALL", "OFF");
  zanglb.inanop = 1;
  call(reset_, "ALL");
  EXPECT_TRUE(isRainbow());
  EXPECT_EQ(zanglb.nclrtb, kRainbow);
  EXPECT_EQ(zanglb.ncolr, 255);
  EXPECT_EQ(zanglb.nx0, 0);
  EXPECT_EQ(zanglb.ierrmd, 1);
  EXPECT_EQ(zanglb.nchek, 1);
  EXPECT_EQ(zanglb.iproto, 1);
  EXPECT_EQ(zanglb.inanop, 0);
  EXPECT_EQ(zanglb.nlev, 1);  // the plot stays open
  const int32_t a = 100, b = 200;
  line_(&a, &a, &b, &b);
  zanglb.iproto = 0;
  zanfin_();
  const auto& t = traceLines();
  EXPECT_EQ(std::count(t.begin(), t.end(), "finish"), 1);
  EXPECT_EQ(t[t.size() - 2].substr(0, 4), "draw");
}

TEST_F(Defaults, ZaniniKeepsItsNanMarkAndChoosesTheMessageUnit) {
  open();
  EXPECT_EQ(zanglb.inanop, -1);  // zanini marks it before resall
  EXPECT_EQ(zanglb.nunit, 6);
  zanfin_();
  call(errdev_, "FILE");
  open();
  EXPECT_EQ(zanglb.nunit, 17);
}

TEST_F(Defaults, ResetOfSingleSettings) {
  open();
  const int32_t x = 10, y = 20;
  origin_(&x, &y);
  call(pagorg_, "BOTT");
  call(reset_, "origin");
  EXPECT_EQ(zanglb.nx0, 0);
  EXPECT_EQ(zanglb.ipgorg, 1);  // only the named parameter
  call(reset_, "PAGORG");
  EXPECT_EQ(zanglb.ipgorg, 0);

  call(setvlt_, "SPEC");
  const int32_t seven = 7;
  setclr_(&seven);
  call(reset_, "SETVLT");
  EXPECT_TRUE(isRainbow());
  EXPECT_EQ(zanglb.ncolr, 7);  // the current colour is a setting of its own
  call(reset_, "SETCLR");
  EXPECT_EQ(zanglb.ncolr, zanglb.nfgclr);
  const int32_t one = 1, five = 5;
  clrcyc_(&one, &five);
  call(reset_, "CLRCYC");
  EXPECT_EQ(zanglb.nclrcr[0], zanglb.nrclrd[0]);

  call(setvlt_, "GREY");
  auto out = printed([] { call(reset_, "BOGUS"); });
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0], " <<<< Warning   2: Incorrect parameter in RESET!   (BOGUS)");
  EXPECT_EQ(zanglb.nclrtb, kGrey);  // nothing changed
}

}  // namespace
}  // namespace zantor::test

namespace zantor::test {
namespace {

class ResetNames : public LibraryTest {};

// Every area's setters are restored by name, and a plot goes on drawing.
TEST_F(ResetNames, SettersOfEveryAreaAreRestoredByName) {
  zanini_();
  zanglb.iproto = 0;
  const int32_t h = 50, w = 10, pat = 5, a = 30, five = 5, len = 900;
  height_(&h);
  angle_(&a);
  linwid_(&w);
  dash_();
  shdpat_(&pat);
  ticks_(&five, "X", 1);
  axslen_(&len, &len);
  call(lncap_, "ROUN");
  call(reset_, "HEIGHT");
  call(reset_, "angle");
  call(reset_, "LINWID");
  call(reset_, "DASH");
  call(reset_, "SHDPAT");
  call(reset_, "TICKS");
  call(reset_, "AXSLEN");
  call(reset_, "LNCAP");
  EXPECT_EQ(zanglb.nhchar, 36);
  EXPECT_EQ(zanglb.nangle, 0);
  EXPECT_EQ(std::abs(zanglb.nlinwd), 1);
  EXPECT_EQ(zanglb.nmrk, 1);
  EXPECT_EQ(zanglb.nshd, 0);
  EXPECT_EQ(zanglb.nticx[0], 2);
  EXPECT_EQ(zanglb.nxl, zanglb.nxldef);
  EXPECT_EQ(zanglb.ilincp, 2);
  auto lines = printed([] { call(reset_, "NOSUCH"); });
  EXPECT_EQ(lines.at(0), " <<<< Warning   2: Incorrect parameter in RESET!   (NOSUCH)");
  zanfin_();
}

}  // namespace
}  // namespace zantor::test
