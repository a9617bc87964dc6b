// Shaded contours in a map axis system, read back as a picture: the bands
// lie where the projection puts their latitudes, and the far side of the
// globe is left empty.
#include <gtest/gtest.h>
#include <zantor.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "core/state.h"
#include "devices/raster/raster.h"
#include "maps/maps.h"
#include "support/fixture.h"

namespace zantor::test {
namespace {


class MapShading : public LibraryTest {
 protected:
  void TearDown() override {
    LibraryTest::TearDown();
    virtualRaster().qqvfin();
  }
  struct Place {
    double lon, lat;
    int px = -1, py = -1;
  };
  // An orthographic globe centred on (0, 40) shaded by latitude: one band
  // below 40 degrees and one above, by the given method.
  std::string draw(const char* method, std::vector<Place>& places) {
    int w = 891, h = 630;
    call(metafl_, "PPM");
    call(filmod_, "DELE");
    winsiz_(&w, &h);
    zanini_();
    zanglb.iproto = 0;
    int nx = 500, ny = 2050, l = 2000;
    axspos_(&nx, &ny);
    axslen_(&l, &l);
    call(labels_, "NONE", "XY");
    call(projct_, "ORTH");
    const float cx = 0, cy = 40;
    mappol_(&cx, &cy);
    zanglb.inogr = 1;
    const float xa = -180, xe = 180, xs = 90, ya = -90, ye = 90, ys = 30;
    grafmp_(&xa, &xe, &xa, &xs, &ya, &ye, &ya, &ys);
    // Just inside the upper left corner of the axis square.
    cornerX_ = static_cast<int>((nx + 20) * zanglb.xscf);
    cornerY_ = static_cast<int>((ny - l + 20) * zanglb.xscf);
    for (Place& p : places) {
      double x, y;
      if (geoToPlot(p.lon, p.lat, x, y)) {
        p.px = static_cast<int>(x * zanglb.xscf);
        p.py = static_cast<int>(y * zanglb.xscf);
      }
    }
    std::vector<float> lon, lat, z;
    for (int i = -180; i <= 180; i += 10) lon.push_back(static_cast<float>(i));
    for (int j = -90; j <= 90; j += 10) lat.push_back(static_cast<float>(j));
    for (float y : lat)
      for (size_t i = 0; i < lon.size(); ++i) z.push_back(y);
    const int32_t colours[2] = {50, 200};
    int32_t nc = 2;
    conclr_(colours, &nc);
    call(shdmod_, method, "CONT");
    const float levels[2] = {-100, 40};
    const int32_t n = static_cast<int32_t>(lon.size()), m = static_cast<int32_t>(lat.size()), nl = 2;
    conshd_(lon.data(), &n, lat.data(), &m, z.data(), levels, &nl);
    zanfin_();
    return readFile("zantor.ppm");
  }
  // The colour of a pixel of a "P6" file with a maximum value of 255.
  static std::string pixel(const std::string& ppm, int x, int y) {
    int w = 0, h = 0, used = 0;
    if (std::sscanf(ppm.c_str(), "P6\n%d %d\n255\n%n", &w, &h, &used) != 2 || used == 0) return "?";
    if (x < 0 || y < 0 || x >= w || y >= h) return "?";
    return ppm.substr(used + 3 * (static_cast<size_t>(y) * w + x), 3);
  }
  int cornerX_ = 0, cornerY_ = 0;
};

TEST_F(MapShading, BandsFollowTheProjectionAndSkipTheFarSide) {
  for (const char* method : {"CELL", "POLY"}) {
    SCOPED_TRACE(method);
    // On this globe the parallel 40 runs through the centre and bends
    // down towards the limb; in the linear scaling it would be a straight
    // line well above the centre.
    std::vector<Place> p = {{0, 35}, {0, 25}, {0, 45}, {0, 60}, {-60, 30}, {-60, 50}, {60, 50}};
    const std::string ppm = draw(method, p);
    ASSERT_EQ(ppm.substr(0, 3), "P6\n");
    for (const Place& q : p) ASSERT_GE(q.px, 0) << q.lon << " " << q.lat;
    const std::string below = pixel(ppm, p[0].px, p[0].py), above = pixel(ppm, p[2].px, p[2].py);
    const std::string empty = pixel(ppm, 2, 2);  // page margin, never drawn
    EXPECT_NE(below, above);
    EXPECT_NE(below, empty);
    EXPECT_NE(above, empty);
    EXPECT_EQ(pixel(ppm, p[1].px, p[1].py), below);
    EXPECT_EQ(pixel(ppm, p[3].px, p[3].py), above);
    EXPECT_EQ(pixel(ppm, p[4].px, p[4].py), below);
    EXPECT_EQ(pixel(ppm, p[5].px, p[5].py), above);
    EXPECT_EQ(pixel(ppm, p[6].px, p[6].py), above);
    // The corners of the axis square lie outside the globe: nothing there.
    EXPECT_EQ(pixel(ppm, cornerX_, cornerY_), empty);
  }
}

// A grid whose lines do not meet the map's edges (every 10 degrees from
// 25 W and 15 N on a map from 20 W to 20 E and 20 N to 60 N): the cells
// across the edges are cut there, so the colour reaches every edge of
// the map and stops at it.
TEST_F(MapShading, CellsAcrossTheMapEdgeAreCutThere) {
  for (const char* projection : {"MERC", "CONI"}) {
    SCOPED_TRACE(projection);
    int w = 891, h = 630;
    call(metafl_, "PPM");
    call(filmod_, "DELE");
    winsiz_(&w, &h);
    zanini_();
    zanglb.iproto = 0;
    call(labels_, "NONE", "XY");
    call(projct_, projection);
    zanglb.inogr = 1;
    const float xa = -20, xe = 20, xs = 10, ya = 20, ye = 60, ys = 10;
    grafmp_(&xa, &xe, &xa, &xs, &ya, &ye, &ya, &ys);
    auto at = [](double lon, double lat) {
      double x = 0, y = 0;
      EXPECT_TRUE(geoToPlot(lon, lat, x, y)) << lon << " " << lat;
      return std::pair<int, int>(static_cast<int>(x * zanglb.xscf), static_cast<int>(y * zanglb.xscf));
    };
    const std::vector<std::pair<int, int>> edges = {at(-19.7, 40), at(19.7, 40), at(0, 59.7),
                                                    at(0, 20.3), at(-19.7, 59.7)};
    const auto outside = at(-20, 40);
    std::vector<float> lon, lat, z;
    for (int i = -25; i <= 25; i += 10) lon.push_back(static_cast<float>(i));
    for (int j = 15; j <= 65; j += 10) lat.push_back(static_cast<float>(j));
    for (size_t j = 0; j < lat.size(); ++j)
      for (float x : lon) z.push_back(x);
    const int32_t colours[2] = {50, 200};
    int32_t nc = 2;
    conclr_(colours, &nc);
    call(shdmod_, "CELL", "CONT");
    const float levels[2] = {-100, 40};  // every value in one band
    const int32_t n = static_cast<int32_t>(lon.size()), m = static_cast<int32_t>(lat.size()), nl = 2;
    conshd_(lon.data(), &n, lat.data(), &m, z.data(), levels, &nl);
    zanfin_();
    const std::string ppm = readFile("zantor.ppm");
    const std::string empty = pixel(ppm, 2, 2);
    for (const auto& [x, y] : edges) EXPECT_NE(pixel(ppm, x, y), empty) << x << " " << y;
    EXPECT_EQ(pixel(ppm, outside.first - 6, outside.second), empty);
  }
}

}  // namespace
}  // namespace zantor::test
