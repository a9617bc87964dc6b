// The shoreline reader on small files written here: header variants,
// big-endian words, levels, rivers, cut and corrupt files; the text map
// format; world() with a user map file and the open error.
#include <gtest/gtest.h>
#include <zantor.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/state.h"
#include "maps/map_support.h"
#include "maps/maps.h"

namespace zantor::test {
namespace {

void put(std::vector<unsigned char>& b, int32_t v) {
  const uint32_t u = static_cast<uint32_t>(v);
  for (int s = 24; s >= 0; s -= 8) b.push_back(static_cast<unsigned char>(u >> s));
}

// One polygon: `version` selects the header length (0: 9 words, 1..6: 8,
// 7 and more: 11); points in degrees.
void polygon(std::vector<unsigned char>& b, int level, int version,
             const std::vector<std::pair<double, double>>& pts) {
  put(b, 7);
  put(b, static_cast<int32_t>(pts.size()));
  put(b, level | (version << 8));
  for (int i = 0; i < 5; ++i) put(b, 0);  // bounds and area, unused
  const int extra = version == 0 ? 1 : version >= 7 ? 3 : 0;
  for (int i = 0; i < extra; ++i) put(b, -1);
  for (auto [x, y] : pts) {
    put(b, static_cast<int32_t>(std::lround(x * 1e6)));
    put(b, static_cast<int32_t>(std::lround(y * 1e6)));
  }
}

TEST(ShorelineReader, HeaderVariantsLevelsAndLongitudes) {
  std::vector<unsigned char> b;
  polygon(b, 1, 0, {{10, 20}, {11, 21}, {12, 20}});
  polygon(b, 2, 3, {{350.5, -10}, {359, -11}});   // 350.5 is read as -9.5
  polygon(b, 1, 12, {{180, 5}, {179.5, 6}});
  polygon(b, 4, 7, {{1, 1}, {2, 2}});
  std::vector<ShorelinePolygon> all, land, lake;
  ASSERT_TRUE(readShorelines(b, 0, all));
  ASSERT_EQ(all.size(), 4u);
  EXPECT_EQ(all[0].lon.size(), 3u);
  EXPECT_DOUBLE_EQ(all[0].lat[1], 21.0);
  EXPECT_NEAR(all[1].lon[0], -9.5, 1e-9);
  EXPECT_NEAR(all[2].lon[0], -180.0, 1e-9);
  EXPECT_NEAR(all[2].lon[1], 179.5, 1e-9);
  EXPECT_EQ(all[3].level, 4);
  ASSERT_TRUE(readShorelines(b, 1, land));
  ASSERT_EQ(land.size(), 2u);
  ASSERT_TRUE(readShorelines(b, 2, lake));
  ASSERT_EQ(lake.size(), 1u);
  EXPECT_EQ(lake[0].level, 2);
  // Rivers (3) take every level.
  std::vector<ShorelinePolygon> rivers;
  ASSERT_TRUE(readShorelines(b, 3, rivers));
  EXPECT_EQ(rivers.size(), 4u);
}

TEST(ShorelineReader, CutAndCorruptFilesKeepTheWholePolygons) {
  std::vector<unsigned char> b;
  polygon(b, 1, 12, {{1, 1}, {2, 2}, {3, 1}});
  const size_t good = b.size();
  polygon(b, 1, 12, {{5, 5}, {6, 6}});
  for (size_t cut : {good + 10, good + 44 + 4, b.size() - 1}) {
    std::vector<unsigned char> t(b.begin(), b.begin() + static_cast<long>(cut));
    std::vector<ShorelinePolygon> out;
    EXPECT_FALSE(readShorelines(t, 0, out)) << cut;
    EXPECT_EQ(out.size(), 1u) << cut;
  }
  // A point count far beyond the file, and a negative one.
  for (int32_t n : {0x7fffffff, -5}) {
    std::vector<unsigned char> c = b;
    c[good + 4] = static_cast<unsigned char>(static_cast<uint32_t>(n) >> 24);
    c[good + 5] = static_cast<unsigned char>(static_cast<uint32_t>(n) >> 16);
    std::vector<ShorelinePolygon> out;
    EXPECT_FALSE(readShorelines(c, 0, out));
    EXPECT_EQ(out.size(), 1u);
  }
  std::vector<ShorelinePolygon> none;
  EXPECT_TRUE(readShorelines({}, 0, none));
  EXPECT_TRUE(none.empty());
}

TEST(ShorelineReader, InstalledLowResolutionFileIsTheBuiltinCoast) {
  // The file the installation provides reads back as land polygons with
  // the full header.
  const std::vector<unsigned char> b = builtinShorelineFile();
  std::vector<ShorelinePolygon> out;
  ASSERT_TRUE(readShorelines(b, 1, out));
  ASSERT_GT(out.size(), 50u);
  size_t points = 0;
  for (const auto& p : out) {
    points += p.lon.size();
    for (size_t i = 0; i < p.lon.size(); ++i) {
      ASSERT_GE(p.lon[i], -180.0);
      ASSERT_LT(p.lon[i], 180.0);
      ASSERT_LE(std::fabs(p.lat[i]), 90.0);
    }
  }
  EXPECT_GT(points, 3000u);
}

class MapFileTest : public MapTest {
 protected:
  void openMap() {
    MapTest::openMap("CYLI", -180, 180, -90, 90, false);
    ASSERT_EQ(zanglb.nlev, 3);
  }
};

TEST_F(MapFileTest, UserFilesInBothFormatsAndTheDateLineRule) {
  std::vector<unsigned char> b;
  // A line crossing the date line: 170 -> 190 (read as -170) is not joined.
  polygon(b, 1, 12, {{160, 0}, {170, 0}, {190, 0}, {200, 0}});
  {
    std::ofstream f(dir / "m.b", std::ios::binary);
    f.write(reinterpret_cast<const char*>(b.data()), static_cast<long>(b.size()));
  }
  writeFile(dir / "m.txt", "# first\n10 10\n20 10\n#\n30 -10\n40 -10\n50 -10\n");
  openMap();
  call(mapfil_, "m.b", "GSHH");
  world_();
  auto r = newRuns();
  ASSERT_EQ(r.size(), 2u);  // 160..170 and -170..-160, nothing across the map
  for (const auto& s : r) {
    const double w = std::fabs(s.back().x - s.front().x);
    EXPECT_LT(w, zanglb.nxl * 0.05);
  }
  mark();
  call(mapfil_, "m.txt", "MAPG");
  world_();
  EXPECT_EQ(newRuns().size(), 2u);
}

TEST_F(MapFileTest, MissingFilesGiveTheOpenErrorAndDrawNothing) {
  openMap();
  call(mapfil_, "no-such-file.b", "GSHH");
  auto lines = printed([] { world_(); });
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], " <<<< Open error: no-such-file.b");
  EXPECT_TRUE(newRuns().empty());
  // An empty and a garbage file: nothing drawn, no crash.
  writeFile(dir / "bad.b", "this is not a shoreline file at all");
  call(mapfil_, "bad.b", "GSHH");
  world_();
  EXPECT_TRUE(newRuns().empty());
}

TEST_F(MapFileTest, InstalledLowResolutionShorelines) {
  // The build writes gshhs_l.b into the map directory of the test
  // installation; here it is copied into the installation of this test.
  const std::filesystem::path installed = std::string(ZANTOR_TEST_MAP_DIR) + "/gshhs_l.b";
  ASSERT_TRUE(std::filesystem::exists(installed));
  std::filesystem::create_directories(dir / "map");
  std::filesystem::copy_file(installed, dir / "map" / "gshhs_l.b");
  const std::string root = dir.string();
  openMap();
  call(mapbas_, "GSHL");
  world_();
  EXPECT_GT(newRuns().size(), 50u);
  // shdmap fills the land of the file, and its sea (the map area first).
  int32_t solid = 16;
  shdpat_(&solid);
  mark();
  // (The trace device has no device fill: solid areas arrive as lines.)
  call(shdmap_, "GSHL");
  const size_t land = newRuns().size();
  EXPECT_GT(land, 100u);
  mark();
  call(shdmap_, "LSEA");
  EXPECT_GT(newRuns().size(), land);  // the whole map area, then the land
  // Rivers are not installed: the open error names the river file.
  mark();
  call(maplev_, "RIVE");
  auto lines = printed([] { world_(); });
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], " <<<< Open error: " + std::string(root) + "/map/wdb_rivers_l.b");
}

}  // namespace
}  // namespace zantor::test
