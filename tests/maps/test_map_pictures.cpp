// Filled maps read back as pictures: land and sea pixels of a PPM file at
// known places, and ImageMagick reading the file.
#include <gtest/gtest.h>
#include <zantor.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "axes/axes.h"
#include "core/state.h"
#include "devices/raster/raster.h"
#include "maps/maps.h"
#include "support/fixture.h"

namespace zantor::test {
namespace {

class MapPictures : public LibraryTest {
 protected:
  void TearDown() override {
    LibraryTest::TearDown();
    virtualRaster().qqvfin();
  }
  struct Place {
    double lon, lat;
    int px = 0, py = 0;
  };
  // A CYLI world map filled with `region` in red; the pixel of each place
  // is noted while the map is open.
  std::string draw(const char* region, std::vector<Place>& places) {
    int w = 720, h = 360;
    call(metafl_, "PPM");
    call(filmod_, "DELE");
    winsiz_(&w, &h);
    zanini_();
    zanglb.iproto = 0;
    int nx = 0, ny = 2099, lx = 2969, ly = 2100;
    axspos_(&nx, &ny);
    axslen_(&lx, &ly);
    call(labels_, "NONE", "XY");
    const float xa = -180, xe = 180, xs = 90, ya = -90, ye = 90, ys = 30;
    grafmp_(&xa, &xe, &xa, &xs, &ya, &ye, &ya, &ys);
    for (Place& p : places) {
      p.px = static_cast<int>(userToPlotX(p.lon) * zanglb.xscf);
      p.py = static_cast<int>(userToPlotY(p.lat) * zanglb.xscf);
    }
    int pat = 16;
    shdpat_(&pat);
    call(color_, "RED");
    call(shdmap_, region);
    zanfin_();
    return readFile("zantor.ppm");
  }
  static bool red(const std::string& ppm, int x, int y) {
    // "P6\n720 360\n255\n" is 15 bytes.
    const size_t at = 15 + 3 * (static_cast<size_t>(y) * 720 + x);
    return static_cast<unsigned char>(ppm[at]) == 255 && ppm[at + 1] == 0 && ppm[at + 2] == 0;
  }
};

TEST_F(MapPictures, LandRegionsAndSea) {
  std::vector<Place> p = {{10, 23},    // Sahara
                          {100, 60},   // Siberia
                          {134, -25},  // central Australia
                          {-60, -10},  // Amazon
                          {-140, -20}, // South Pacific
                          {-30, 10},   // Atlantic
                          {0, -85}};   // Antarctica
  std::string ppm = draw("LAND", p);
  ASSERT_EQ(ppm.substr(0, 15), "P6\n720 360\n255\n");
  EXPECT_TRUE(red(ppm, p[0].px, p[0].py));
  EXPECT_TRUE(red(ppm, p[1].px, p[1].py));
  EXPECT_TRUE(red(ppm, p[2].px, p[2].py));
  EXPECT_TRUE(red(ppm, p[3].px, p[3].py));
  EXPECT_FALSE(red(ppm, p[4].px, p[4].py));
  EXPECT_FALSE(red(ppm, p[5].px, p[5].py));
  EXPECT_TRUE(red(ppm, p[6].px, p[6].py));  // the ring around the pole is closed
  ppm = draw("AFRI", p);
  EXPECT_TRUE(red(ppm, p[0].px, p[0].py));
  EXPECT_FALSE(red(ppm, p[1].px, p[1].py));
  EXPECT_FALSE(red(ppm, p[2].px, p[2].py));
  ppm = draw("SEA ", p);
  EXPECT_FALSE(red(ppm, p[0].px, p[0].py));
  EXPECT_TRUE(red(ppm, p[4].px, p[4].py));
  EXPECT_TRUE(red(ppm, p[5].px, p[5].py));
  EXPECT_EQ(std::system("/usr/bin/identify zantor.ppm > /dev/null 2>&1"), 0);
}

TEST_F(MapPictures, LakesAreOpenInTheLandAndFilledAlone) {
  std::vector<Place> p = {{33.0, -1.1},    // Lake Victoria
                          {-87.5, 47.6},   // Lake Superior
                          {10, 23},        // Sahara
                          {-30, 10}};      // Atlantic
  std::string ppm = draw("LAND", p);
  EXPECT_FALSE(red(ppm, p[0].px, p[0].py));
  EXPECT_FALSE(red(ppm, p[1].px, p[1].py));
  EXPECT_TRUE(red(ppm, p[2].px, p[2].py));
  ppm = draw("LAKE", p);
  EXPECT_TRUE(red(ppm, p[0].px, p[0].py));
  EXPECT_TRUE(red(ppm, p[1].px, p[1].py));
  EXPECT_FALSE(red(ppm, p[2].px, p[2].py));
  EXPECT_FALSE(red(ppm, p[3].px, p[3].py));
  // The sea and the lakes are water alike.
  ppm = draw("SEA ", p);
  EXPECT_TRUE(red(ppm, p[0].px, p[0].py));
  EXPECT_FALSE(red(ppm, p[2].px, p[2].py));
  EXPECT_TRUE(red(ppm, p[3].px, p[3].py));
}

// Meridians that meet at the poles of a hemisphere map, and labels at the
// corners of a world frame, would write their labels over each other:
// only the first of them is written.  Characters of different labels
// that cover each other start at nearly the same point.
TEST_F(MapPictures, LabelsDoNotCoverEachOther) {
  for (const char* proj : {"LAMB", "CYLI", "MOLL"}) {
    call(metafl_, "SVG");
    call(filmod_, "DELE");
    zanini_();
    zanglb.iproto = 0;
    call(psfont_, "Helvetica");
    call(projct_, proj);
    const float xa = -180, xe = 180, xs = 90, ya = -90, ye = 90, ys = 30;
    grafmp_(&xa, &xe, &xa, &xs, &ya, &ye, &ya, &ys);
    const double h = zanglb.nhchar * zanglb.xscf;
    zanfin_();
    const std::string svg = readFile("zantor.svg");
    std::vector<std::pair<double, double>> at;
    for (size_t k = svg.find("<text x=\""); k != std::string::npos;
         k = svg.find("<text x=\"", k + 1)) {
      double x = 0, y = 0;
      ASSERT_EQ(std::sscanf(svg.c_str() + k, "<text x=\"%lf\" y=\"%lf\"", &x, &y), 2);
      at.emplace_back(x, y);
    }
    EXPECT_GE(at.size(), 16u) << proj;  // at least three labels
    for (size_t i = 0; i < at.size(); ++i)
      for (size_t j = i + 1; j < at.size(); ++j)
        EXPECT_GT(std::hypot(at[i].first - at[j].first, at[i].second - at[j].second), 0.2 * h)
            << proj << " characters " << i << " and " << j;
  }
}

}  // namespace
}  // namespace zantor::test
