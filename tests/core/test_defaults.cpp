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

// Contour, 3D and shading setters: each name restores what its setter
// set and leaves the neighbours alone; "SHDMOD" restores the contour and
// the surface keys of shdmod together.
TEST_F(ResetNames, ContourThreeDAndShadingSettersAreRestored) {
  zanini_();
  zanglb.iproto = 0;
  const float gap = 2.0f, ang = 30.0f, f = 0.7f, q = 3.0f, vang = 60.0f, v = 0.9f;
  const int32_t one = 1, colours[2] = {10, 20}, two = 2;
  congap_(&gap);
  conang_(&ang);
  conmod_(&f, &q);
  conclr_(colours, &two);
  call(shdmod_, "POLY", "CONTOUR");
  call(shdmod_, "FLAT", "SURF");
  vang3d_(&vang);
  call(proj3d_, "ORTH");
  const float r = 5, s = 6, t = 7;
  rot3d_(&r, &s, &t);
  call(survis_, "TOP");
  call(light_, "ON");
  litmod_(&one, "OFF", 3);
  call(surmsh_, "ON");
  matopt_(&v, "DIFF", 4);
  const int32_t pid = 2;
  litopt_(&pid, &v, "CONS", 4);
  const float ambient = 0.5f;
  litopt_(&pid, &ambient, "AMBI", 4);
  for (const char* name : {"CONGAP", "CONMOD", "CONCLR", "SHDMOD", "VANG3D", "PROJ3D", "ROT3D",
                           "SURVIS", "LIGHT", "LITMOD", "SURMSH", "MATOPT", "LITOP3"})
    EXPECT_TRUE(printed([name] { call(reset_, name); }).empty()) << name;
  EXPECT_EQ(zanglb.xcongp, 0.5f);
  EXPECT_EQ(zanglb.xangcr, 30.0f);  // conang was not reset
  EXPECT_EQ(zanglb.xconf1, 0.5f);
  EXPECT_EQ(zanglb.xconf2, 1.5f);
  EXPECT_EQ(zanglb.iclrcr, 0);
  EXPECT_EQ(zanglb.nconcl[1], 0);
  EXPECT_EQ(zanglb.ishcon, 0);
  EXPECT_EQ(zanglb.ishsrf, 0);
  EXPECT_FLOAT_EQ(zanglb.xang3d, 0.24497866f);
  EXPECT_EQ(zanglb.iprj3d, 0);
  EXPECT_EQ(zanglb.irot3d[2], 0);
  EXPECT_FLOAT_EQ(zanglb.cosa3d[1], 1.0f);
  EXPECT_EQ(zanglb.isurvs, 0);
  EXPECT_EQ(zanglb.ilitop, 0);
  EXPECT_EQ(zanglb.ilitmd[0], 1);
  EXPECT_EQ(zanglb.isrmsh, 0);
  EXPECT_FLOAT_EQ(zanglb.xrfldf[2], 0.8f);
  EXPECT_FLOAT_EQ(zanglb.xlitco[1], 1.0f);
  EXPECT_FLOAT_EQ(zanglb.xlitam[1][0], 0.0f);
  EXPECT_FLOAT_EQ(zanglb.xlitdf[1][0], 1.0f);
  zanfin_();
}

// Map setters: each name restores its setting for the next map; the map
// projection chosen with projct stays.
TEST_F(ResetNames, MapSettersAreRestored) {
  zanini_();
  zanglb.iproto = 0;
  const float lo = 20, hi = 40, px = 10, py = 50, rad = 30;
  call(projct_, "LAMB");
  mapref_(&lo, &hi);
  mappol_(&px, &py);
  mapsph_(&rad);
  call(mapmod_, "GREA");
  call(mapbas_, "GSHH");
  call(maplev_, "LAND");
  call(maplab_, "NONE", "LATI");
  call(mapopt_, "BOTH", "WORLD");
  call(mapopt_, "AUTO", "XAXIS");
  for (const char* name : {"MAPREF", "MAPPOL", "MAPSPH", "MAPMOD", "MAPBAS", "MAPLEV", "MAPOPT"})
    EXPECT_TRUE(printed([name] { call(reset_, name); }).empty()) << name;
  EXPECT_EQ(zanglb.iltopt, 0);
  EXPECT_EQ(zanglb.y1lat, 0.0f);
  EXPECT_EQ(zanglb.xpol, 0.0f);
  EXPECT_EQ(zanglb.ypol, 0.0f);
  EXPECT_FLOAT_EQ(zanglb.xazird, 1.5707964f);
  EXPECT_EQ(zanglb.imapmd, 1);
  EXPECT_EQ(zanglb.imapbs, 0);
  EXPECT_EQ(zanglb.imaplv, 0);
  EXPECT_EQ(zanglb.imaplb, 1);  // maplab shares the name of maplev
  EXPECT_EQ(zanglb.imapop, 0);
  EXPECT_EQ(zanglb.imapxa, 0);
  EXPECT_NE(zanglb.iprojt, 0);  // still LAMB
  call(mapfil_, "/nonexistent/coast.b", "GSHHS");
  EXPECT_EQ(zanglb.imapbs, 5);
  call(reset_, "MAPFIL");
  EXPECT_EQ(zanglb.imapfl, 0);
  EXPECT_EQ(zanglb.imapbs, 0);
  EXPECT_TRUE(zanglb.cmapfl.trimmed().empty());
  zanfin_();
}

}  // namespace
}  // namespace zantor::test
