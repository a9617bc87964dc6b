// Map axis systems: settings and their rejection, placement (circles,
// conical parallels), connection modes, the repetition beyond the date
// line, the built-in coastline and the user projection.
#include <gtest/gtest.h>
#include <zantor.h>

#include <cmath>
#include <string>
#include <vector>

#include "axes/axes.h"
#include "core/state.h"
#include "maps/map_support.h"
#include "maps/maps.h"

namespace zantor::test {
namespace {

using MapAxes = MapTest;

// Every traced point back in geographic coordinates of a CYLI map.
std::vector<std::pair<double, double>> geoPoints(const std::vector<Stroke>& runs) {
  std::vector<std::pair<double, double>> out;
  for (const auto& s : runs)
    for (const Op& o : s) out.emplace_back(plotToUserX(o.x), plotToUserY(o.y));
  return out;
}

double nearest(const std::vector<std::pair<double, double>>& pts, double lon, double lat) {
  double best = 1e9;
  for (auto [x, y] : pts) best = std::min(best, std::hypot(x - lon, y - lat));
  return best;
}

TEST_F(MapAxes, SettingsOutOfRangeAreRejectedAndKept) {
  startPlot();
  const float zero = 0, ninety1 = 91, good = 45;
  auto w = printed([&] { mapsph_(&zero); mapsph_(&ninety1); });
  EXPECT_EQ(w.size(), 2u);
  EXPECT_FLOAT_EQ(zanglb.xazird, 1.5707964f);
  mapsph_(&good);
  EXPECT_NEAR(zanglb.xazird, M_PI / 4, 1e-6);
  const float lo = -10, hi = 10, far = 200, y0 = 0, nan = NAN;
  w = printed([&] { mapref_(&lo, &hi); mappol_(&far, &y0); mappol_(&y0, &nan); });
  EXPECT_EQ(w.size(), 3u);
  EXPECT_EQ(zanglb.iltopt, 0);
  EXPECT_FLOAT_EQ(zanglb.xpol, 0.0f);
  w = printed([] { call(projct_, "ZZZZ"); call(mapmod_, "CURV"); });
  EXPECT_EQ(w.size(), 2u);
  EXPECT_EQ(zanglb.iprojt, 0);
  EXPECT_EQ(zanglb.imapmd, 1);
  call(projct_, "utm");
  EXPECT_EQ(zanglb.iprojt, 4);
  call(projct_, "LAMB");
  EXPECT_EQ(zanglb.iprojt, 34);
  call(maplev_, "BOTH");
  EXPECT_EQ(zanglb.imaplv, 0);
  call(maplev_, "RIVE");
  EXPECT_EQ(zanglb.imaplv, 3);
}

TEST_F(MapAxes, ConicalParallelsComeFromTheLatitudeRange) {
  openMap("CONF", -20, 40, 20, 60);
  EXPECT_FLOAT_EQ(zanglb.y1lat, 30.0f);  // 20 + 0.25 * 40
  EXPECT_FLOAT_EQ(zanglb.y2lat, 50.0f);  // 20 + 0.75 * 40
  EXPECT_EQ(zanglb.iltopt, 2);
  EXPECT_EQ(zanglb.nlev, 3);
  // mapref keeps its parallels.
  endgrf_();
  const float a = 35, b = 35;
  mapref_(&a, &b);
  openAxes(-20, 40, 20, 60, true);
  EXPECT_FLOAT_EQ(zanglb.y1lat, 35.0f);
  EXPECT_EQ(zanglb.iltopt, -1);
}

TEST_F(MapAxes, AzimuthalWorldIsACircleInTheAxisRectangle) {
  startPlot();
  call(projct_, "ORTH");
  const float x = 10, y = 50;
  mappol_(&x, &y);
  openAxes(-180, 180, -90, 90, true);
  ASSERT_EQ(zanglb.imapcr, 1);
  const int d = std::min(zanglb.nxl, zanglb.nyl);
  EXPECT_FLOAT_EQ(zanglb.rad, (d - 1) / 2.0f);
  EXPECT_NEAR(zanglb.xmit, zanglb.nxa + (zanglb.nxl - 1) / 2.0, 1e-3);
  EXPECT_NEAR(zanglb.ymit, zanglb.nya - (zanglb.nyl - 1) / 2.0, 1e-3);
  int a = 30, b = 30;
  gridmp_(&a, &b);
  world_();
  const auto r = newRuns();
  ASSERT_GT(r.size(), 20u);
  for (const auto& s : r)
    for (const Op& o : s)
      ASSERT_LE(std::hypot(o.x - zanglb.xmit, o.y - zanglb.ymit), zanglb.rad + 1.0);
  // The map centre lies in the middle of the circle.
  double px, py;
  ASSERT_TRUE(mapToPlot(0, 50, px, py));
  EXPECT_NEAR(px, zanglb.xmit, 1e-3);
  EXPECT_NEAR(py, zanglb.ymit, 1e-3);
}

TEST_F(MapAxes, MapWiderThanThePageIsAnError) {
  startPlot();
  int nx = 2000, ny = 1500, l = 2500, h = 1000;
  axspos_(&nx, &ny);
  axslen_(&l, &h);
  const float xa = -180, xe = 180, xs = 90, ya = -90, ye = 90, ys = 30;
  auto w = printed([&] { grafmp_(&xa, &xe, &xa, &xs, &ya, &ye, &ya, &ys); });
  ASSERT_EQ(w.size(), 1u);
  EXPECT_NE(w[0].find("X-axis does not fit the page"), std::string::npos);
  EXPECT_EQ(zanglb.nlev, 1);
  // Latitudes far beyond the poles and NaN arguments: warnings, no map.
  const float bad = 200, nan = NAN;
  w = printed([&] {
    grafmp_(&xa, &xe, &xa, &xs, &ya, &bad, &ya, &ys);
    grafmp_(&xa, &nan, &xa, &xs, &ya, &ye, &ya, &ys);
  });
  EXPECT_EQ(w.size(), 2u);
  EXPECT_EQ(zanglb.nlev, 1);
}

TEST_F(MapAxes, AutomaticXAxisGivesTheMapItsShape) {
  startPlot();
  int nx = 300, ny = 1800, l = 2000, h = 1201;
  axspos_(&nx, &ny);
  axslen_(&l, &h);
  call(mapopt_, "AUTO", "XAXI");
  // Degrees of equal length on a linear map; the 2:1 ellipse of Mollweide.
  call(projct_, "CYLI");
  openAxes(-180, 180, -90, 90, true);
  EXPECT_EQ(zanglb.nxl, 2401);
  EXPECT_EQ(zanglb.nxa, 300);
  endgrf_();
  call(projct_, "MOLL");
  openAxes(-180, 180, -90, 90, true);
  EXPECT_NEAR(zanglb.nxl, 2401, 2);
  // The ellipse touches all four sides of the new rectangle.
  double x, y;
  ASSERT_TRUE(mapToPlot(-180, 0, x, y));
  EXPECT_NEAR(x, zanglb.nxa, 1.0);
  ASSERT_TRUE(mapToPlot(180, 0, x, y));
  EXPECT_NEAR(x, zanglb.nxa + zanglb.nxl - 1, 1.0);
  ASSERT_TRUE(mapToPlot(0, 90, x, y));
  EXPECT_NEAR(y, zanglb.nya - zanglb.nyl + 1, 1.0);
  endgrf_();
  // A square for a circular map; a map too wide for the page is refused.
  call(projct_, "ORTH");
  openAxes(-180, 180, -90, 90, true);
  EXPECT_EQ(zanglb.nxl, 1201);
  endgrf_();
  call(projct_, "CYLI");
  auto w = printed([&] { openAxes(-180, 180, -30, 30, true); });
  ASSERT_EQ(w.size(), 1u);
  EXPECT_NE(w[0].find("X-axis does not fit the page"), std::string::npos);
  EXPECT_EQ(zanglb.nlev, 1);
  // The standard X-axis keeps the length of the program.
  call(mapopt_, "STAN", "XAXI");
  l = 2000;
  axslen_(&l, &h);
  call(projct_, "MOLL");
  openAxes(-180, 180, -90, 90, true);
  EXPECT_EQ(zanglb.nxl, 2000);
}

TEST_F(MapAxes, ConnectionModes) {
  openMap("MERC", -180, 180, -80, 80, false);
  float x[2] = {0, 90}, y[2] = {0, 60};
  int32_t n = 2;
  call(mapmod_, "STRA");
  curvmp_(x, y, &n);
  auto r = newRuns();
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0].size(), 2u);  // one straight segment
  mark();
  call(mapmod_, "INTE");
  curvmp_(x, y, &n);
  r = newRuns();
  ASSERT_EQ(r.size(), 1u);
  EXPECT_GE(r[0].size(), 90u);  // one degree steps
  endgrf_();
  // Great circle between two points 180 degrees apart in longitude at 45
  // north: the circle lies in a meridian plane and passes the pole, so on
  // a CYLI map it reaches latitude 90.
  call(projct_, "CYLI");
  openAxes(-180, 180, -90, 90, false);
  call(mapmod_, "GREA");
  float gx[2] = {-90, 90}, gy[2] = {45, 45};
  curvmp_(gx, gy, &n);
  const auto pts = geoPoints(newRuns());
  double top = -90;
  for (auto [lon, lat] : pts) top = std::max(top, lat);
  EXPECT_GT(top, 89.0);
}

TEST_F(MapAxes, RepetitionBeyondTheDateLineAndBadPoints) {
  // A map from 0 to 360: data at -170 appears at 190.
  openMap("CYLI", 0, 360, -90, 90, false);
  float x[2] = {-170, -160}, y[2] = {10, 10};
  int32_t n = 2;
  curvmp_(x, y, &n);
  auto pts = geoPoints(newRuns());
  ASSERT_FALSE(pts.empty());
  EXPECT_NEAR(pts.front().first, 190, 0.05);
  EXPECT_NEAR(pts.back().first, 200, 0.05);
  // A line across the date line on a -180..180 map is drawn in two parts.
  endgrf_();
  openAxes(-180, 180, -90, 90, false);
  float dx[2] = {170, -170}, dy[2] = {0, 0};
  curvmp_(dx, dy, &n);
  auto r = newRuns();
  ASSERT_EQ(r.size(), 2u);
  // NaN breaks a curve; a latitude beyond 90 is warned about and skipped.
  mark();
  float nx[5] = {0, 10, NAN, 30, 40}, ny[5] = {0, 0, 0, 0, 0};
  int32_t five = 5;
  curvmp_(nx, ny, &five);
  EXPECT_EQ(newRuns().size(), 2u);
  mark();
  float py[3] = {0, 95, 10};
  auto w = printed([&] { int32_t three = 3; curvmp_(nx, py, &three); });
  EXPECT_EQ(w.size(), 1u);
  EXPECT_TRUE(newRuns().empty());
}

TEST_F(MapAxes, RepetitionBeyondTheSouthPole) {
  // A CYLI map from -150 to 90 degrees of latitude shows the data once
  // more mirrored below the pole: latitude -80 also at -(-80) - 180 = -100.
  openMap("CYLI", -180, 180, -150, 90, false);
  float x[2] = {0, 10}, y[2] = {-80, -80};
  int32_t n = 2;
  curvmp_(x, y, &n);
  const auto pts = geoPoints(newRuns());
  bool at80 = false, at100 = false;
  for (auto [lon, lat] : pts) {
    at80 = at80 || std::fabs(lat + 80) < 0.01;
    at100 = at100 || std::fabs(lat + 100) < 0.01;
  }
  EXPECT_TRUE(at80);
  EXPECT_TRUE(at100);
}

TEST_F(MapAxes, BuiltinCoastPassesTheCapesAndStaysOffTheOcean) {
  openMap("CYLI", -180, 180, -90, 90, false);
  world_();
  const auto pts = geoPoints(newRuns());
  ASSERT_GT(pts.size(), 3000u);
  // Capes: Good Hope, Horn, York, Farewell (Greenland), Finisterre.
  EXPECT_LT(nearest(pts, 18.47, -34.36), 1.0);
  EXPECT_LT(nearest(pts, -67.27, -55.98), 1.0);
  EXPECT_LT(nearest(pts, 142.53, -10.69), 1.0);
  EXPECT_LT(nearest(pts, -43.9, 59.8), 1.0);
  EXPECT_LT(nearest(pts, -9.26, 42.88), 1.0);
  // Open ocean: South Pacific, mid Atlantic, Indian Ocean.
  EXPECT_GT(nearest(pts, -130, -30), 8.0);
  EXPECT_GT(nearest(pts, -30, 10), 8.0);
  EXPECT_GT(nearest(pts, 80, -30), 8.0);
  // Borders run inside the land: the Franco-German border near the Rhine.
  mark();
  call(mapopt_, "BORD", "WORLD");
  world_();
  const auto b = geoPoints(newRuns());
  ASSERT_FALSE(b.empty());
  EXPECT_LT(nearest(b, 7.6, 48.5), 1.0);
  // The nearest land border, Senegal near (-16.7, 12.4), is 13.5 degrees away.
  EXPECT_GT(nearest(b, -30, 10), 10.0);
}

TEST_F(MapAxes, BuiltinLakesFollowTheLevels) {
  openMap("CYLI", -180, 180, -90, 90, false);
  // Lake Baikal, far from the sea coast.
  const double vLon = 107.8, vLat = 53.6;
  world_();
  auto pts = geoPoints(newRuns());
  EXPECT_LT(nearest(pts, vLon, vLat), 1.5);
  EXPECT_LT(nearest(pts, 18.47, -34.36), 1.0);  // the coast as well
  // "LAND": the coasts alone; "LAKE": the lake shores alone.
  call(maplev_, "LAND");
  mark();
  world_();
  pts = geoPoints(newRuns());
  EXPECT_GT(nearest(pts, vLon, vLat), 10.0);
  EXPECT_LT(nearest(pts, 18.47, -34.36), 1.0);
  call(maplev_, "LAKE");
  mark();
  world_();
  pts = geoPoints(newRuns());
  EXPECT_LT(nearest(pts, vLon, vLat), 1.5);
  EXPECT_LT(nearest(pts, -87.5, 47.6), 1.5);  // Lake Superior
  EXPECT_GT(nearest(pts, 18.47, -34.36), 5.0);
}

TEST_F(MapAxes, WorldProjectionsKeepDataInsideTheRange) {
  // Points outside the axis range of a world projection are cut off.
  openMap("HAMM", -90, 90, -60, 60, false);
  world_();
  const auto r = newRuns();
  ASSERT_FALSE(r.empty());
  double x1, y1, x2, y2;
  ASSERT_TRUE(mapToPlot(-90, 0, x1, y1));
  ASSERT_TRUE(mapToPlot(90, 0, x2, y2));
  for (const auto& s : r)
    for (const Op& o : s) {
      ASSERT_GE(o.x, x1 - 1.0);
      ASSERT_LE(o.x, x2 + 1.0);
    }
}

void halfScale(const float* lon, const float* lat, float* x, float* y) {
  *x = *lon * 2;
  *y = *lat * 3;
}

TEST_F(MapAxes, UserProjection) {
  startPlot();
  setmpr_(reinterpret_cast<void (*)()>(&halfScale));
  call(projct_, "MYPR");
  openAxes(-180, 180, -90, 90, false);
  ASSERT_EQ(zanglb.nlev, 3);
  float x[2] = {10, 20}, y[2] = {5, 5};
  int32_t n = 2;
  call(mapmod_, "STRA");
  curvmp_(x, y, &n);
  const auto r = newRuns();
  ASSERT_EQ(r.size(), 1u);
  const double cx = zanglb.nxa + (zanglb.nxl - 1) / 2.0, cy = zanglb.nya - (zanglb.nyl - 1) / 2.0;
  EXPECT_NEAR(r[0][0].x, cx + 20, 0.01);
  EXPECT_NEAR(r[0][0].y, cy - 15, 0.01);
  EXPECT_NEAR(r[0][1].x, cx + 40, 0.01);
}

TEST_F(MapAxes, EveryProjectionDrawsTheWorld) {
  for (const char* p : {"CYLI", "MERC", "EXAC", "CORR", "UTM ", "OBLI", "EQUA", "MOLL", "AITO",
                        "HAMM", "WINK", "SANS", "ELLI", "CONF", "ALBE", "POLY", "CONI", "GNOM",
                        "ORTH", "STER", "AZIM", "LAMB"}) {
    SCOPED_TRACE(p);
    startPlot();
    call(projct_, p);
    const std::string k = p;
    const bool conic = k == "CONF" || k == "ALBE" || k == "POLY" || k == "CONI";
    const bool gnom = k == "GNOM";
    if (conic) openAxes(-30, 60, 30, 75, true);
    else if (gnom) openAxes(-40, 40, 20, 80, true);
    else openAxes(-180, 180, -90, 90, true);
    ASSERT_EQ(zanglb.nlev, 3);
    world_();
    int i = 2, j = 2;
    gridmp_(&i, &j);
    call(shdmap_, "AFRI");
    const auto r = newRuns();
    EXPECT_GT(r.size(), 10u);
    for (const auto& s : r)
      for (const Op& o : s) {
        ASSERT_TRUE(std::isfinite(o.x) && std::isfinite(o.y));
        ASSERT_GE(o.x, zanglb.nxa - 3.0);  // the clip margin of the frame
        ASSERT_LE(o.x, zanglb.nxa + zanglb.nxl + 3.0);
      }
    zanfin_();
  }
}

}  // namespace
}  // namespace zantor::test
