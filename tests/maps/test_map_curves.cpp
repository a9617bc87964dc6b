// The ordinary 2D routines in a map axis system: their points are
// longitudes and latitudes and pass through the projection; and the end of
// a circular map gives the page back.
#include <gtest/gtest.h>
#include <zantor.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/state.h"
#include "maps/map_support.h"
#include "maps/maps.h"

namespace zantor::test {
namespace {

using MapCurves = MapTest;

// Runs with the pipeline's buffer joints closed: a run that starts where
// the previous one ended continues it.
std::vector<Stroke> joined(std::vector<Stroke> runs) {
  std::vector<Stroke> out;
  for (auto& s : runs) {
    if (!out.empty() && std::hypot(out.back().back().x - s.front().x, out.back().back().y - s.front().y) < 1e-6)
      out.back().insert(out.back().end(), s.begin() + 1, s.end());
    else
      out.push_back(s);
  }
  return out;
}

double farthestFrom(const std::vector<Stroke>& runs, double x, double y) {
  double d = 0;
  for (const auto& s : runs)
    for (const Op& o : s) d = std::max(d, std::hypot(o.x - x, o.y - y));
  return d;
}

double nearestTo(const std::vector<Stroke>& runs, double x, double y) {
  double d = 1e300;
  for (const auto& s : runs)
    for (const Op& o : s) d = std::min(d, std::hypot(o.x - x, o.y - y));
  return d;
}

// Plot position of an absolute longitude and latitude on the open map.
void at(double lon, double lat, double& x, double& y) {
  ASSERT_TRUE(geoToPlot(lon, lat, x, y)) << lon << " " << lat;
}

TEST_F(MapCurves, CurveFollowsTheProjectionAndTheConnectionMode) {
  // On a conformal conic the parallel 45 is an arc: the curve between two
  // of its points bends through the arc's middle.
  openMap("CONF", -60, 60, 20, 70, false);
  const float x[2] = {-50, 50}, y[2] = {45, 45};
  const int n = 2;
  curve_(x, y, &n);
  auto r = joined(newRuns());
  ASSERT_EQ(r.size(), 1u);
  double ax, ay, bx, by, mx, my;
  at(-50, 45, ax, ay);
  at(50, 45, bx, by);
  at(0, 45, mx, my);
  EXPECT_LT(std::hypot(r[0].front().x - ax, r[0].front().y - ay), 1.0);
  EXPECT_LT(std::hypot(r[0].back().x - bx, r[0].back().y - by), 1.0);
  EXPECT_LT(nearestTo(r, mx, my), 1.0);
  ASSERT_GT(std::fabs(my - ay), 20.0);  // the arc is far from the chord
  // Straight connections join the projected points directly.
  call(mapmod_, "STRA");
  mark();
  curve_(x, y, &n);
  r = newRuns();
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0].size(), 2u);
  EXPECT_GT(nearestTo(r, mx, my), 20.0);
}

TEST_F(MapCurves, CurveIsCutToTheMapAndBreaksAtPointsWithoutImage) {
  // A meridian from the equator to beyond the top of the map stops at 60.
  openMap("MERC", -90, 90, -60, 60, false);
  const float x[5] = {10, 10, NAN, 40, 40}, y[5] = {0, 80, 0, -10, 10};
  const int n = 5;
  curve_(x, y, &n);
  const auto r = joined(newRuns());
  ASSERT_EQ(r.size(), 2u);  // the NaN point breaks the curve
  double tx, ty;
  at(10, 60, tx, ty);
  double ex, ey;
  at(10, 0, ex, ey);
  EXPECT_NEAR(farthestFrom({r[0]}, ex, ey), ey - ty, 1.0);
  EXPECT_LT(nearestTo({r[0]}, tx, ty), 1.0);
}

TEST_F(MapCurves, MarkersTextAndContoursArePlacedByTheProjection) {
  startPlot();
  call(projct_, "ORTH");
  const float cx = 0, cy = 40;
  mappol_(&cx, &cy);
  openAxes(-180, 180, -90, 90, false);
  // A marker on the near side of the globe is centred on its point.
  int sym = 3;
  const float lon = 20, lat = 50;
  rlsymb_(&sym, &lon, &lat);
  auto r = newRuns();
  ASSERT_FALSE(r.empty());
  double x1 = 1e300, x2 = -1e300, y1 = 1e300, y2 = -1e300;
  for (const auto& s : r)
    for (const Op& o : s) {
      x1 = std::min(x1, o.x); x2 = std::max(x2, o.x);
      y1 = std::min(y1, o.y); y2 = std::max(y2, o.y);
    }
  double px, py;
  at(lon, lat, px, py);
  EXPECT_NEAR((x1 + x2) / 2, px, 2.0);
  EXPECT_NEAR((y1 + y2) / 2, py, 2.0);
  // The far side of the globe has no place for a marker or a text.
  const float blon = 180, blat = -40;
  mark();
  auto w = printed([&] { rlsymb_(&sym, &blon, &blat); });
  EXPECT_EQ(w.size(), 1u);
  EXPECT_TRUE(newRuns().empty());
  rlmess_("far", &blon, &blat, 3);
  EXPECT_TRUE(newRuns().empty());
  // A contour given by its points is drawn through their images.
  const float cxr[3] = {-10, 0, 10}, cyr[3] = {30, 45, 30}, z = 1;
  const int n = 3;
  concrv_(cxr, cyr, &n, &z);
  r = newRuns();
  ASSERT_FALSE(r.empty());
  for (int i = 0; i < 3; ++i) {
    at(cxr[i], cyr[i], px, py);
    EXPECT_LT(nearestTo(r, px, py), 1.0) << i;
  }
}

TEST_F(MapCurves, ContoursOfATriangulationCrossItsEdgesWhereTheProjectionPutsThem) {
  // z is the latitude: the level 45 crosses the two slanted edges of the
  // triangle at longitudes -47.5 and -32.5, where the parallel has bent
  // away from the straight line of the linear scaling.
  openMap("CONF", -60, 60, 20, 70, false);
  const float x[3] = {-55, -25, -40}, y[3] = {25, 25, 65}, zlev = 45;
  const int32_t n = 3, i1 = 1, i2 = 2, i3 = 3, ntri = 1;
  for (int thick : {1, 3}) {  // one segment at a time, and joined lines
    SCOPED_TRACE(thick);
    thkcrv_(&thick);
    mark();
    contri_(x, y, y, &n, &i1, &i2, &i3, &ntri, &zlev);
    const auto r = newRuns();
    ASSERT_FALSE(r.empty());
    double px, py;
    for (float lon : {-47.5f, -32.5f}) {
      at(lon, 45, px, py);
      EXPECT_LT(nearestTo(r, px, py), 1.5) << lon;
    }
  }
}

TEST_F(MapCurves, ErrorBarsRunAlongMeridiansAndParallels) {
  // On a conformal conic meridians converge and parallels are arcs: a bar
  // drawn in the linear scaling would miss the images of its ends.
  openMap("CONF", -60, 60, 20, 70, false);
  const float x[2] = {-40, 200}, y[2] = {45, 45}, e1[2] = {10, 10}, e2[2] = {15, 15};
  const int n = 2;  // the second point lies off the map
  errbar_(x, y, e1, e2, &n);
  auto r = newRuns();
  ASSERT_FALSE(r.empty());
  double px, py;
  for (float lat : {35.0f, 45.0f, 60.0f}) {
    at(-40, lat, px, py);
    EXPECT_LT(nearestTo(r, px, py), 1.5) << lat;
  }
  at(-40, 70, px, py);  // beyond the bar's upper end
  EXPECT_GT(nearestTo(r, px, py), 20.0);
  mark();
  const int one = 1;
  errbar_(x + 1, y + 1, e1 + 1, e2 + 1, &one);
  EXPECT_TRUE(newRuns().empty());
  // Horizontal bars follow the arc of the parallel through the point.
  call(errbmd_, "HORI");
  mark();
  errbar_(x, y, e1, e2, &n);
  r = newRuns();
  ASSERT_FALSE(r.empty());
  for (float lon : {-50.0f, -40.0f, -26.0f}) {
    at(lon, 45, px, py);
    EXPECT_LT(nearestTo(r, px, py), 1.5) << lon;
  }
}

TEST_F(MapCurves, EndOfACircularMapRestoresThePage) {
  startPlot();
  call(projct_, "LAMB");
  openAxes(-180, 180, -90, 90, false);
  ASSERT_EQ(zanglb.imapcr, 1);
  endgrf_();
  // A line across the page corners lies far outside the circle.
  mark();
  const float x0 = 0, y0 = 0, xe = static_cast<float>(zanglb.nxres), ye = static_cast<float>(zanglb.nyres);
  strtqq(x0, y0);
  connqq(xe, ye);
  const auto r = newRuns();
  ASSERT_EQ(r.size(), 1u);
  EXPECT_NEAR(r[0].front().x, 0, 1.0);
  EXPECT_NEAR(r[0].back().x, xe, 1.0);
}

}  // namespace
}  // namespace zantor::test
