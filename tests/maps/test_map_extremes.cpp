// Maps under extreme but valid settings: grids far finer than the map can
// show, and axis systems at the limits of the page.
#include <zantor.h>

#include <cmath>
#include <cstdint>
#include <set>

#include "core/state.h"
#include "maps/map_support.h"

namespace zantor::test {
namespace {

class MapExtremes : public MapTest {};

// A grid of a million lines per label step is thinned to at most 720
// lines per direction, each drawn once.
TEST_F(MapExtremes, FineGridsAreThinned) {
  openMap("CYLI", -180, 180, -90, 90, false);
  int32_t i = 1000000, j = 1000000;
  gridmp_(&i, &j);
  const auto r = newRuns();
  EXPECT_GT(r.size(), 700u);
  // Each line goes out in pieces of at most 100 points: a parallel of 360
  // one-degree steps in 4, a meridian in 2.
  EXPECT_LE(r.size(), 6u * 721u);
  // Lines keep to the label grid: the meridian of longitude 0 (x = the
  // middle of the map) is one of them.
  const double mid = zanglb.nxa + (zanglb.nxl - 1) / 2.0;
  bool found = false;
  for (const Stroke& s : r) found = found || (near(s.front().x, mid, 0.6) && near(s.back().x, mid, 0.6));
  EXPECT_TRUE(found);
}

// Grids that the map can show are not thinned.
TEST_F(MapExtremes, OrdinaryGridsKeepEveryLine) {
  openMap("CYLI", -180, 180, -90, 90, false);
  int32_t i = 3, j = 3;  // every 10 degrees
  gridmp_(&i, &j);
  std::set<long> meridians;
  for (const Stroke& s : newRuns())
    if (near(s.front().x, s.back().x, 0.01) && !near(s.front().y, s.back().y, 1))
      meridians.insert(std::lround(s.front().x));
  EXPECT_EQ(meridians.size(), 37u);
}

// An axis system at the far corner of a page of 2^30 units: its right
// edge lies past the last integer position, which is refused, not wrapped.
TEST_F(MapExtremes, AxisSystemPastTheLargestPageIsRefused) {
  int32_t side = 1 << 30, h = 1000;
  page_(&side, &h);
  call(units_, "TWIP");
  startPlot();
  ASSERT_EQ(zanglb.nxres, 1 << 30);
  int32_t x = 1 << 30, y = 500, l = 1 << 30, ly = 400;
  axspos_(&x, &y);
  axslen_(&l, &ly);
  const float xa = -180, xe = 180, xs = 90, ya = -90, ye = 90, ys = 30;
  const auto w = printed([&] { grafmp_(&xa, &xe, &xa, &xs, &ya, &ye, &ya, &ys); });
  ASSERT_EQ(w.size(), 1u);
  EXPECT_NE(w[0].find("X-axis does not fit the page"), std::string::npos);
  EXPECT_EQ(zanglb.nlev, 1);
  zanfin_();
}

}  // namespace
}  // namespace zantor::test
