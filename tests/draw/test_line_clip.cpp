// Clipping and the line settings: windows, circles, hardware clipping, the
// checks of the setters and the defaults of a new plot.
#include <cmath>
#include <limits>

#include "draw/line_trace.h"

namespace zantor::test {
namespace {

class LineClip : public LineTest {
 protected:
  static void window(int32_t x, int32_t y, int32_t w, int32_t h) { clpwin_(&x, &y, &w, &h); }
};

TEST_F(LineClip, SegmentsAreCutAtTheWindow) {
  startPlot();
  window(100, 100, 200, 200);  // 100..299
  EXPECT_EQ(zanglb.iclipp, 1);
  drawLine(150, 150, 400, 150);  // inside to outside
  drawLine(400, 200, 500, 250);  // entirely outside
  drawLine(50, 50, 350, 350);    // through the window
  drawLine(50, 50, 60, 400);     // beside it
  flushLine();
  const auto r = runs();
  ASSERT_EQ(r.size(), 2u);
  EXPECT_TRUE(near(r[0][0].x, 150) && near(r[0][1].x, 299, 0.002));
  EXPECT_TRUE(near(r[1][0].x, 100, 0.002) && near(r[1][0].y, 100, 0.002));
  EXPECT_TRUE(near(r[1][1].x, 299, 0.002) && near(r[1][1].y, 299, 0.002));
  // Every point handed to the device lies inside.
  for (const Op& o : ops()) EXPECT_EQ(jqqclp(o.x, o.y), 0) << o.x << " " << o.y;
}

TEST_F(LineClip, PolylineLeavingAndReenteringStaysConnected) {
  startPlot();
  window(100, 100, 200, 200);
  drawLine(150, 150, 250, 150);
  connqq(250, 400);  // leaves at the bottom
  connqq(200, 400);
  connqq(200, 250);  // comes back
  flushLine();
  const auto r = runs();
  ASSERT_EQ(r.size(), 2u);
  EXPECT_EQ(r[0].size(), 3u);
  EXPECT_TRUE(near(r[0][2].y, 299, 0.002));
  EXPECT_TRUE(near(r[1][0].y, 299, 0.002) && near(r[1][1].y, 250));
}

TEST_F(LineClip, CircularClipping) {
  startPlot();
  zanglb.iazclp = 1;
  zanglb.xmit = 500;
  zanglb.ymit = 500;
  zanglb.rad = 100;
  EXPECT_EQ(jqqclp(560, 580), 0);
  EXPECT_EQ(jqqclp(580, 580), 1);
  drawLine(500, 500, 700, 500);  // from the centre out
  drawLine(300, 520, 700, 520);  // the chord of a line through the circle
  drawLine(300, 300, 700, 300);  // missing the circle
  drawLine(700, 700, 450, 450);  // from outside in
  flushLine();
  const auto r = runs();
  ASSERT_EQ(r.size(), 3u);
  EXPECT_TRUE(near(r[0][1].x, 600, 0.01) && near(r[0][1].y, 500));
  const double half = std::sqrt(100.0 * 100 - 20 * 20);
  EXPECT_TRUE(near(r[1][0].x, 500 - half) && near(r[1][1].x, 500 + half));
  EXPECT_TRUE(near(std::hypot(r[2][0].x - 500, r[2][0].y - 500), 100, 0.01));
  EXPECT_TRUE(near(r[2][1].x, 450) && near(r[2][1].y, 450));
  for (const Op& o : ops()) EXPECT_LE(std::hypot(o.x - 500, o.y - 500), 100.001);
}

TEST_F(LineClip, WindowChecksAndBorders) {
  startPlot();
  const int32_t before[4] = {zanglb.nxclip, zanglb.nyclip, zanglb.nuclip, zanglb.nvclip};
  const auto lines = printed([] {
    window(0, 0, 3000, 100);  // wider than the page
    window(-5, 10, 10, 10);
    window(10, 10, 0, -3);
  });
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], " <<<< Warning   2: Incorrect parameter in CLPWIN!");
  EXPECT_EQ(lines[1], " <<<< Warning   2: Incorrect parameter in CLPWIN!   (  -5)");
  EXPECT_EQ(lines[2], " <<<< Warning   2: Incorrect parameter in CLPWIN!   (  -3)");
  const int32_t after[4] = {zanglb.nxclip, zanglb.nyclip, zanglb.nuclip, zanglb.nvclip};
  EXPECT_TRUE(std::equal(before, before + 4, after));
  EXPECT_EQ(zanglb.iclipp, 0);

  window(0, 0, 2970, 2100);  // exactly the page
  EXPECT_EQ(zanglb.nuclip, 2969);
  call(pagorg_, "BOTT");
  window(10, 300, 100, 50);  // y from the bottom
  EXPECT_EQ(zanglb.nyclip, 2099 - 300);
  EXPECT_EQ(zanglb.nvclip, 2099 - 300 + 49);

  // clpbor needs an axis system.
  const auto level = printed([] { call(clpbor_, "PAGE"); });
  ASSERT_EQ(level.size(), 1u);
  EXPECT_EQ(level[0], " <<<< Warning   3: Incorrect level in CLPBOR!   (   1)");
  zanglb.nlev = 2;
  call(clpbor_, "page");
  EXPECT_EQ(zanglb.iclipp, 0);
  EXPECT_EQ(zanglb.nuclip, zanglb.nxres);
  call(clpbor_, "AXIS");
  EXPECT_EQ(zanglb.iclipp, 2);
  EXPECT_EQ(zanglb.nxclip, zanglb.nxa);
  EXPECT_EQ(zanglb.nvclip, zanglb.nya);
  zanglb.nlev = 1;
}

TEST_F(LineClip, DevicesThatClipAreTold) {
  DeviceCaps caps;
  caps.hwClip = true;
  startPlot(caps);
  window(100, 200, 50, 60);
  zanglb.nlev = 2;
  call(clpbor_, "PAGE");
  zanglb.nlev = 1;
  const auto clips = linesStartingWith("clip");
  ASSERT_EQ(clips.size(), 2u);
  // Device (CGM) coordinates: 2 x, 2 (2099 - y).
  EXPECT_EQ(clips[0], "clip 200 3798 298 3680");
  EXPECT_EQ(clips[1], "clip reset");
}

TEST_F(LineClip, ClippingModes) {
  startPlot();
  call(clpmod_, "circ");
  EXPECT_EQ(zanglb.inomch, 2);
  const auto bad = printed([] { call(clpmod_, "OVAL"); });
  ASSERT_EQ(bad.size(), 1u);
  EXPECT_EQ(bad[0], " <<<< Warning   2: Incorrect parameter in CLPMOD!   (OVAL)");
  EXPECT_EQ(zanglb.inomch, 2);
  noclip_();
  EXPECT_EQ(zanglb.inomch, 1);
}

class LineSettings : public LineTest {};

TEST_F(LineSettings, BadValuesWarnAndChangeNothing) {
  startPlot();
  dash_();
  const int32_t eight = 8, zero = 0, big = 32001, eleven = 11, idx = 31, one = 1;
  const int32_t pat[3] = {5, 0, 5}, three = 3;
  const float half = 0.5f, nan = std::numeric_limits<float>::quiet_NaN();
  const auto lines = printed([&] {
    lintyp_(&eight);
    myline_(pat, &three);
    myline_(pat, &eleven);
    linwid_(&zero);
    linwid_(&big);
    penwid_(&nan);
    lnmlt_(&half);
    lnmlt_(&nan);
    lincyc_(&idx, &one);
    lincyc_(&one, &eight);
    thkcrv_(&zero);
    call(lncap_, "FLAT");
    call(lnjoin_, "MITR");
  });
  const std::vector<std::string> want = {
      " <<<< Warning   2: Incorrect parameter in LINTYP!   (   8)",
      " <<<< Warning   2: Incorrect parameter in MYLINE!   (   0)",
      " <<<< Warning   2: Incorrect parameter in MYLINE!   (  11)",
      " <<<< Warning   2: Incorrect parameter in LINWID!   (   0)",
      " <<<< Warning   2: Incorrect parameter in LINWID!   (   32001)",
      " <<<< Warning   2: Incorrect parameter in PENWID!",
      " <<<< Warning   2: Incorrect parameter in LNMLT!",
      " <<<< Warning   2: Incorrect parameter in LNMLT!",
      " <<<< Warning   2: Incorrect parameter in LINCYC!   (  31)",
      " <<<< Warning   2: Incorrect parameter in LINCYC!   (   8)",
      " <<<< Warning   2: Incorrect parameter in THKCRV!   (   0)",
      " <<<< Warning   2: Incorrect parameter in LNCAP!   (FLAT)",
      " <<<< Warning   2: Incorrect parameter in LNJOIN!   (MITR)",
  };
  EXPECT_EQ(lines, want);
  EXPECT_EQ(zanglb.ityp, 2);
  EXPECT_EQ(zanglb.nmrk, 2);
  EXPECT_EQ(zanglb.nmray[0], 10);
  EXPECT_EQ(zanglb.nlinwd, 1);
  EXPECT_FLOAT_EQ(zanglb.xlinml, 2.0f);
  EXPECT_EQ(zanglb.nctyp[0], 0);
  EXPECT_EQ(zanglb.nthk, 1);
  EXPECT_EQ(zanglb.ilincp, 2);
  EXPECT_EQ(zanglb.ilinjn, 2);
}

TEST_F(LineSettings, SettersWarnOutsideAPlotButStillStore) {
  const int32_t five = 5;
  const auto lines = printed([&] { thkcrv_(&five); });
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], " <<<< Warning   3: Incorrect level in THKCRV!   (   0)");
  EXPECT_EQ(zanglb.nthk, 5);
}

TEST_F(LineSettings, NewPlotStartsFromTheDefaults) {
  startPlot();
  chndot_();
  const int32_t w = 7, idx = 10, st = 3;
  linwid_(&w);
  lincyc_(&idx, &st);
  EXPECT_EQ(zanglb.nctyp[9], 3);
  call(lncap_, "ROUN");
  call(lnjoin_, "SHAR");
  const float m = 4.0f;
  lnmlt_(&m);
  const int32_t x = 10, wh = 100;
  clpwin_(&x, &x, &wh, &wh);
  zanglb.xoff = 3.0f;
  zanfin_();
  startPlot();
  EXPECT_EQ(zanglb.ityp, 0);
  EXPECT_EQ(zanglb.nmrk, 1);
  EXPECT_EQ(zanglb.nlinwd, 1);
  EXPECT_EQ(zanglb.ilincp, 2);
  EXPECT_EQ(zanglb.ilinjn, 2);
  EXPECT_FLOAT_EQ(zanglb.xlinml, 2.0f);
  EXPECT_FLOAT_EQ(zanglb.xoff, 0.0f);
  EXPECT_EQ(zanglb.ihwlin, 1);
  EXPECT_EQ(zanglb.nctyp[9], 1);  // (10 - 1) mod 8
  EXPECT_EQ(zanglb.nctyp[29], 5);
  EXPECT_EQ(zanglb.iclipp, 0);
  EXPECT_EQ(zanglb.nuclip, zanglb.nxres);
  EXPECT_EQ(zanglb.nvclip, zanglb.nyres);
}

}  // namespace
}  // namespace zantor::test

namespace zantor::test {
namespace {

class PageClipping : public LibraryTest {};

// A device that clips itself is told when clipping returns to the page,
// from endgrf and from reset alike; reset works at level 1 too.
TEST_F(PageClipping, EndgrfAndResetTellTheDevice) {
  DeviceCaps caps;
  caps.hwClip = true;
  installTraceDevice(caps);
  zanini_();
  zanglb.iproto = 0;
  float a = 0, e = 10, o = 0, s = 2;
  graf_(&a, &e, &o, &s, &a, &e, &o, &s);
  call(clpbor_, "AXIS");
  endgrf_();
  EXPECT_EQ(traceLines().back(), "clip reset");
  EXPECT_EQ(zanglb.iclipp, 0);
  const int32_t x = 10, y = 10, w = 100, h = 100;
  clpwin_(&x, &y, &w, &h);
  auto lines = printed([] { call(reset_, "CLPWIN"); });
  EXPECT_TRUE(lines.empty());
  EXPECT_EQ(traceLines().back(), "clip reset");
  EXPECT_EQ(zanglb.nuclip, zanglb.nxres);
  zanfin_();
}

}  // namespace
}  // namespace zantor::test
