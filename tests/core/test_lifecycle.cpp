// Levels, zanini/zanfin, the usage log and the page settings.
#include <zantor.h>

#include <cmath>

#include "core/levels.h"
#include "core/state.h"
#include "draw/page.h"
#include "support/fixture.h"

namespace zantor::test {
namespace {

class Lifecycle : public LibraryTest {
 protected:
  static void quiet() { zanglb.iproto = 0; }
};

TEST_F(Lifecycle, LevelsFollowZaniniAndZanfin) {
  int32_t lev = -1;
  getlev_(&lev);
  EXPECT_EQ(lev, 0);
  zanini_();
  getlev_(&lev);
  EXPECT_EQ(lev, 1);
  quiet();
  printed([] { zanfin_(); });
  getlev_(&lev);
  EXPECT_EQ(lev, 0);
  EXPECT_EQ(zanglb.isymfl, 1);
}

TEST_F(Lifecycle, DefaultDeviceIsTheOwnMetafile) {
  zanini_();
  EXPECT_EQ(zanglb.ndev, 201);
  EXPECT_TRUE(zanglb.cmeta.equals("GKSL"));
  EXPECT_TRUE(zanglb.cfil.equals("zantor.met"));
  quiet();
  zanfin_();
  EXPECT_TRUE(std::filesystem::exists(dir / "zantor.met"));
}

TEST_F(Lifecycle, SecondZaniniWarnsAndKeepsThePlot) {
  zanini_();
  auto lines = printed([] { zanini_(); });
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], " <<<< Warning   3: Incorrect level in ZANINI!   (   1)");
  int32_t lev = 0;
  getlev_(&lev);
  EXPECT_EQ(lev, 1);
  quiet();
  zanfin_();
}

TEST_F(Lifecycle, LevelZeroSettingsPersistAcrossPlots) {
  call(setpag_, "DA4P");
  zanini_();
  EXPECT_EQ(zanglb.nxres, 2099);
  EXPECT_EQ(zanglb.nyres, 2969);
  auto lines = printed([] { call(setpag_, "DA3L"); });  // too late: ignored
  EXPECT_EQ(lines.at(0), " <<<< Warning   3: Incorrect level in SETPAG!   (   1)");
  quiet();
  zanfin_();
  zanini_();  // the portrait page is still chosen
  EXPECT_EQ(zanglb.nxres, 2099);
  quiet();
  zanfin_();
}

TEST_F(Lifecycle, WindowSizeFollowsPageOrientation) {
  zanini_();
  EXPECT_EQ(zanglb.nwwind, 853);
  EXPECT_EQ(zanglb.nhwind, 603);
  quiet();
  zanfin_();
  call(setpag_, "DA4P");
  zanini_();
  EXPECT_EQ(zanglb.nwwind, 603);
  EXPECT_EQ(zanglb.nhwind, 853);
  quiet();
  zanfin_();
  const int32_t w = 400, h = 300;
  winsiz_(&w, &h);
  zanini_();
  EXPECT_EQ(zanglb.nwwind, 400);
  EXPECT_EQ(zanglb.nhwind, 300);
  quiet();
  zanfin_();
}

TEST_F(Lifecycle, UsageLogLineOncePerProcess) {
  setenv("LOGNAME", "scientist", 1);
  zanini_();
  quiet();
  zanfin_();
  std::string log = readFile(dir / "zantor.log");
  EXPECT_EQ(log, "scientist    14.11.2023  22:13:20 11.6  GNU\n");
}

TEST_F(Lifecycle, UnwritableInstallationDirectoryIsNoError) {
  setenv("ZANTOR", "/nonexistent/zantor", 1);
  auto lines = printed([] {
    zanini_();
    quiet();
    zanfin_();
  });
  EXPECT_TRUE(lines.empty());
  EXPECT_EQ(zanglb.nplerr, 0);
}

TEST_F(Lifecycle, PageSizesAndUnits) {
  zanini_();
  EXPECT_EQ(zanglb.nxres, 2969);
  EXPECT_EQ(zanglb.nyres, 2099);
  EXPECT_EQ(zanglb.nxldef, 1980);
  EXPECT_EQ(zanglb.nyldef, 1400);
  EXPECT_EQ(zanglb.nxadef, 494);
  EXPECT_EQ(zanglb.nyadef, 1799);
  EXPECT_EQ(zanglb.nxa, 494);
  quiet();
  zanfin_();

  call(units_, "INCH");
  zanini_();
  EXPECT_EQ(zanglb.nxres, 1169);
  EXPECT_EQ(zanglb.nyres, 826);
  EXPECT_EQ(lengthUnits(36), 14);
  quiet();
  zanfin_();

  call(units_, "cm");
  const int32_t w = 3000, h = 2000;
  page_(&w, &h);
  zanini_();
  EXPECT_FLOAT_EQ(zanglb.xcmres, 2999.0f);
  EXPECT_EQ(zanglb.nxres, 2999);
  EXPECT_TRUE(zanglb.cpage.equals("PAGE"));
  quiet();
  zanfin_();
}

TEST_F(Lifecycle, PageSettersRejectBadValues) {
  const int32_t zero = 0, one = 100;
  auto lines = printed([&] {
    call(setpag_, "A4");
    page_(&zero, &one);
    const float bad = -1.0f, nan = std::nanf("");
    sclfac_(&bad);
    sclfac_(&nan);
    hwscal_(&bad);
    hwpage_(&one, &zero);
    call(units_, "MM");
  });
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[0], " <<<< Warning   2: Incorrect parameter in SETPAG!   (A4)");
  EXPECT_EQ(lines[1], " <<<< Warning   2: Incorrect parameter in PAGE!   (   0)");
  EXPECT_EQ(lines[2], " <<<< Warning   2: Incorrect parameter in SCLFAC!");
  EXPECT_EQ(zanglb.xsclfc, 1.0f);
  EXPECT_EQ(zanglb.xcmres, 2969.0f);
  EXPECT_EQ(zanglb.ihwpag, 0);
  EXPECT_EQ(zanglb.xfcuni, 1.0f);
}

TEST_F(Lifecycle, SetpagSelectsTheMetafileOnlyWithoutMetafl) {
  call(setpag_, "USAL");
  EXPECT_EQ(zanglb.ndev, 201);
  resetProcessState();
  call(metafl_, "PS");
  call(setpag_, "USAL");
  EXPECT_EQ(zanglb.ndev, 504);
}

TEST_F(Lifecycle, OriginAndPageOrigin) {
  zanini_();
  call(pagorg_, "BOTT");
  const int32_t x = 100, y = 200;
  origin_(&x, &y);
  EXPECT_EQ(zanglb.nx0, 100);
  EXPECT_EQ(zanglb.ny0, -200);
  EXPECT_EQ(pageY(50), 2049);
  quiet();
  zanfin_();
  zanini_();  // origins are per-plot settings
  EXPECT_EQ(zanglb.ny0, 0);
  EXPECT_EQ(zanglb.ipgorg, 0);
  quiet();
  zanfin_();
}

TEST_F(Lifecycle, WindowChecksPositionAndSize) {
  const int32_t neg = -5, ok = 10, small = 0;
  auto lines = printed([&] {
    window_(&neg, &ok, &ok, &ok);
    window_(&ok, &ok, &small, &ok);
    winsiz_(&small, &ok);
  });
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_NE(lines[0].find("WINDOW!   (  -5)"), std::string::npos);
  EXPECT_NE(lines[1].find("WINDOW!   (   0)"), std::string::npos);
  EXPECT_EQ(zanglb.iwind, 0);
  window_(&ok, &ok, &ok, &ok);
  EXPECT_EQ(zanglb.iwind, 1);
}

// The device scale and transformation for each device family.
struct ScaleCase {
  int dev;
  int ipgmod;
  double scale;
};

TEST_F(Lifecycle, DeviceScalePerFamily) {
  zanglb.nxres = 2969;
  zanglb.nyres = 2099;
  zanglb.nwwind = 853;
  zanglb.nhwind = 603;
  const ScaleCase cases[] = {
      {201, 0, 1.0 / 2969}, {211, 0, 2.0}, {401, 0, 4.0},
      {402, 0, std::min(7600.0 / 2099, 10870.0 / 2969)},
      // PostScript: a rotated landscape page fits the paper area.
      {501, 0, std::min(3900.0 / 2099, 5600.0 / 2969)},
      {504, 2, std::min(5600.0 / 2099, 3900.0 / 2969)},
      {511, 0, std::min(3900 * 36.0 / 254 / 2099, 5600 * 36.0 / 254 / 2969)},
      {802, 0, 72.0 / 254}, {221, 0, 5.6692915},
      {604, 0, 602.0 / 2099}, {801, 1, 602.0 / 2969},
  };
  for (const auto& c : cases) {
    zanglb.ndev = c.dev;
    zanglb.ipgmod = c.ipgmod;
    EXPECT_NEAR(deviceScale(), c.scale, 1e-6) << "device " << c.dev;
  }
  // A small page on the default window is not enlarged under DOWN ...
  zanglb.ndev = 604;
  zanglb.ipgmod = 0;
  zanglb.nxres = 1000;
  zanglb.nyres = 700;
  EXPECT_NEAR(deviceScale(), 852.0 / 2969, 1e-6);
  // ... but fills the window under FULL.
  zanglb.isclmd = 1;
  EXPECT_NEAR(deviceScale(), std::min(852.0 / 1000, 602.0 / 700), 1e-6);
  // WMF falls back to one unit per 0.1 mm when the page is too large.
  zanglb.isclmd = 0;
  zanglb.ndev = 221;
  zanglb.nxres = 11889;
  zanglb.nyres = 8409;
  EXPECT_NEAR(deviceScale(), 1.0, 1e-6);
}

TEST_F(Lifecycle, DeviceTransformPerFamily) {
  zanglb.nxres = 2969;
  zanglb.nyres = 2099;
  zanglb.xscf = 0.5f;
  double x = 0, y = 0;
  zanglb.ndev = 504;  // landscape page lies rotated on the sheet
  deviceTransform(100, 200, x, y);
  EXPECT_DOUBLE_EQ(x, 100);
  EXPECT_DOUBLE_EQ(y, 50);
  zanglb.ipgmod = 2;
  deviceTransform(100, 200, x, y);
  EXPECT_DOUBLE_EQ(x, 50);
  EXPECT_DOUBLE_EQ(y, 0.5 * (2099 - 200));
  zanglb.ipgmod = 0;
  zanglb.ndev = 604;  // raster: rounded, y downwards
  deviceTransform(101, 203, x, y);
  EXPECT_DOUBLE_EQ(x, 51);
  EXPECT_DOUBLE_EQ(y, 102);
  zanglb.ipgmod = 1;
  deviceTransform(101, 203, x, y);
  EXPECT_DOUBLE_EQ(x, 102);
  EXPECT_DOUBLE_EQ(y, 1434);
  zanglb.ndev = 201;
  zanglb.ipgmod = 0;
  zanglb.xpgoff = 10;
  deviceTransform(100, 99, x, y);
  EXPECT_DOUBLE_EQ(x, 55);
  EXPECT_DOUBLE_EQ(y, 1000);
  zanglb.ndev = 403;  // portrait page on a plotter sheet
  zanglb.nxres = 2099;
  zanglb.nyres = 2969;
  zanglb.xscf = 1.0f;
  deviceTransform(100, 200, x, y);
  EXPECT_DOUBLE_EQ(x, 2769);
  EXPECT_DOUBLE_EQ(y, 1999);
}

}  // namespace
}  // namespace zantor::test
