// EMF files through the library: every file is checked by a decoder of the
// record structure written here (sizes, counts, objects, bounds) and read
// by two independent readers, emf2svg-conv and printemf.
#include <zantor.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/state.h"
#include "devices/dispatch.h"
#include "devices/wmf/emf_device.h"
#include "support/fixture.h"

namespace zantor::test {
namespace {

// Runs a reader; its output goes to `log`.
int run(const std::string& cmd, const std::string& log = "/dev/null") {
  return std::system((cmd + " >" + log + " 2>&1").c_str());
}

uint32_t u32(const std::string& f, std::size_t at) {
  return uint32_t(uint8_t(f[at])) | uint32_t(uint8_t(f[at + 1])) << 8 |
         uint32_t(uint8_t(f[at + 2])) << 16 | uint32_t(uint8_t(f[at + 3])) << 24;
}
int32_t i32(const std::string& f, std::size_t at) { return int32_t(u32(f, at)); }

struct Point {
  int32_t x, y;
};

struct Record {
  uint32_t type;
  std::string data;  // the record after type and size
  uint32_t word(std::size_t i) const { return u32(data, 4 * i); }
  // Polylines and polygons: the points after bounds and count.
  std::vector<Point> points() const {
    std::vector<Point> p;
    for (uint32_t i = 0; i < word(4); ++i) p.push_back({int32_t(word(5 + 2 * i)), int32_t(word(6 + 2 * i))});
    return p;
  }
};

enum : uint32_t {
  kHeader = 1, kPolygon = 3, kPolyline = 4, kPolyPolygon = 8, kEof = 14, kSelect = 37,
  kCreatePen = 38, kCreateBrush = 39, kDelete = 40, kStretchDibits = 81,
};
constexpr uint32_t kNullPen = 0x80000008u;

// Splits the file into records and checks what every reader relies on:
// the header first and EOF last with consistent sizes and counts, whole
// records of four-byte multiples, objects created in free handles below
// the header's count and selected or deleted only while they exist, and
// drawing records whose bounds are those of their points.  Failures are
// reported through gtest; the records are returned for further checks.
std::vector<Record> decodeEmf(const std::string& f) {
  std::vector<Record> out;
  for (std::size_t at = 0; at + 8 <= f.size();) {
    const uint32_t size = u32(f, at + 4);
    EXPECT_EQ(size % 4, 0u) << "record at " << at;
    if (size < 8 || size % 4 != 0 || at + size > f.size()) {
      ADD_FAILURE() << "bad record size " << size << " at " << at;
      return out;
    }
    out.push_back({u32(f, at), f.substr(at + 8, size - 8)});
    at += size;
  }
  if (out.empty() || out[0].type != kHeader || out.back().type != kEof) {
    ADD_FAILURE() << "no header or no EOF record";
    return out;
  }
  const Record& h = out[0];
  EXPECT_GE(h.data.size() + 8, 108u);
  EXPECT_EQ(h.word(8), 0x464D4520u);  // " EMF"
  EXPECT_EQ(h.word(10), f.size());
  EXPECT_EQ(h.word(11), out.size());
  const uint32_t handles = h.word(12) & 0xFFFF;
  // The description lies inside the header.
  EXPECT_LE(h.word(14) + 2 * h.word(13), h.data.size() + 8);
  const Record& eof = out.back();
  EXPECT_EQ(eof.word(2), eof.data.size() + 8);

  std::set<uint32_t> live;
  for (const Record& r : out) {
    if (r.type == kCreatePen || r.type == kCreateBrush) {
      EXPECT_GT(r.word(0), 0u);
      EXPECT_LT(r.word(0), handles);
      EXPECT_TRUE(live.insert(r.word(0)).second) << "handle " << r.word(0) << " in use";
    } else if (r.type == kSelect) {
      EXPECT_TRUE(live.count(r.word(0)) || r.word(0) == kNullPen) << r.word(0);
    } else if (r.type == kDelete) {
      EXPECT_EQ(live.erase(r.word(0)), 1u) << r.word(0);
    } else if (r.type == kPolyline || r.type == kPolygon || r.type == kPolyPolygon) {
      const std::size_t first = r.type == kPolyPolygon ? 6 + r.word(4) : 5;
      const uint32_t n = r.type == kPolyPolygon ? r.word(5) : r.word(4);
      EXPECT_EQ(r.data.size(), 4 * (first + 2 * n));
      if (r.data.size() != 4 * (first + 2 * n) || n == 0) continue;
      int32_t x0 = INT32_MAX, y0 = INT32_MAX, x1 = INT32_MIN, y1 = INT32_MIN;
      for (uint32_t i = 0; i < n; ++i) {
        const int32_t x = int32_t(r.word(first + 2 * i)), y = int32_t(r.word(first + 2 * i + 1));
        x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
      }
      EXPECT_EQ(int32_t(r.word(0)), x0);
      EXPECT_EQ(int32_t(r.word(1)), y0);
      EXPECT_EQ(int32_t(r.word(2)), x1);
      EXPECT_EQ(int32_t(r.word(3)), y1);
    }
  }
  return out;
}

std::vector<const Record*> ofType(const std::vector<Record>& rs, uint32_t type) {
  std::vector<const Record*> out;
  for (const Record& r : rs)
    if (r.type == type) out.push_back(&r);
  return out;
}

class EmfFiles : public LibraryTest {
 protected:
  void start(const char* file = nullptr) {
    call(metafl_, "EMF");
    if (file) call(setfil_, file);
    zanini_();
    zanglb.iproto = 0;
  }
  void line(int x1, int y1, int x2, int y2) { line_(&x1, &y1, &x2, &y2); }
  void rgb(float r, float g, float b) { setrgb_(&r, &g, &b); }
};

// Lines, a colour, a filled box and a thick line: units of 0.01 mm, so
// plot unit (x, y) lands at (10 x, 10 y) on the unscaled A4 page.
TEST_F(EmfFiles, PlotDecodesAndReadsBack) {
  start();
  ASSERT_EQ(zanglb.nlev, 1);
  line(100, 100, 2000, 1500);
  rgb(0, 0.5f, 1);
  int32_t xs[4] = {500, 900, 900, 500}, ys[4] = {500, 500, 800, 800}, n = 4, solid = 16;
  shdpat_(&solid);
  areaf_(xs, ys, &n);
  rgb(1, 0, 0);
  int32_t w = 40;
  linwid_(&w);
  line(300, 1900, 2600, 1900);
  w = 1;
  linwid_(&w);
  line(10, 20, 30, 40);
  zanfin_();
  const std::string f = readFile("zantor.emf");
  const auto rs = decodeEmf(f);
  ASSERT_GE(rs.size(), 2u);

  // The frame is the landscape A4 page, 2969 x 2099 plot units.
  const Record& h = rs[0];
  EXPECT_EQ(h.data.size() + 8, 124u);
  EXPECT_EQ(i32(h.data, 24), 29689);
  EXPECT_EQ(i32(h.data, 28), 20989);

  const auto lines = ofType(rs, kPolyline);
  ASSERT_GE(lines.size(), 2u);
  const auto first = lines.front()->points();
  ASSERT_EQ(first.size(), 2u);
  EXPECT_EQ(first[0].x, 1000);
  EXPECT_EQ(first[0].y, 1000);
  EXPECT_EQ(first[1].x, 20000);
  EXPECT_EQ(first[1].y, 15000);
  const auto last = lines.back()->points();
  ASSERT_EQ(last.size(), 2u);
  EXPECT_EQ(last[1].x, 300);
  EXPECT_EQ(last[1].y, 400);

  // Blue-ish and red pens (COLORREF is 0x00BBGGRR), the box as a polygon
  // drawn without outline, the thick line as a few filled pieces in y
  // 19000 +- 200 and a pen selected again for the thin line.
  std::set<uint32_t> colours;
  for (const Record* r : ofType(rs, kCreatePen)) colours.insert(r->word(4));
  EXPECT_TRUE(colours.count(0x00FF8000u));
  EXPECT_TRUE(colours.count(0x000000FFu));
  // The first polygon is the black page, the second the box.
  const auto polys = ofType(rs, kPolygon);
  ASSERT_GE(polys.size(), 3u);
  EXPECT_EQ(polys[0]->word(2), 29690u);
  EXPECT_EQ(polys[0]->word(3), 20990u);
  EXPECT_EQ(polys[1]->word(0), 5000u);
  EXPECT_EQ(polys[1]->word(3), 8000u);
  std::size_t thick = 0;
  for (const Record* r : polys)
    if (r->word(1) >= 18790 && r->word(3) <= 19210) ++thick;
  EXPECT_GE(thick, 1u);
  EXPECT_LE(thick, 4u);
  uint32_t selected = 0;
  for (const Record& r : rs) {
    if (r.type == kSelect) selected = r.word(0);
    if (r.type == kPolygon) {
      EXPECT_EQ(selected, kNullPen);
    } else if (r.type == kPolyline) {
      EXPECT_NE(selected, kNullPen);
    }
  }

  ASSERT_EQ(run("emf2svg-conv -i zantor.emf -o emf.svg"), 0);
  const std::string svg = readFile("emf.svg");
  EXPECT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_NE(svg.find("#0080FF"), std::string::npos) << svg.substr(0, 2000);
  EXPECT_EQ(run("xmllint --noout emf.svg"), 0);
  ASSERT_EQ(run("printemf zantor.emf", "emf.txt"), 0);
  const std::string dump = readFile("emf.txt");
  EXPECT_NE(dump.find("*EOF*"), std::string::npos) << dump.substr(0, 500);
}

// A turned page exchanges width and height; several rings fill together in
// one record; an empty page holds only the set-up and the page colour.
TEST_F(EmfFiles, PortraitPagesRingsAndEmptyPages) {
  call(pagmod_, "PORT");
  start("port.emf");
  line(0, 0, 100, 0);
  const double x[8] = {0, 400, 400, 0, 100, 300, 300, 100};
  const double y[8] = {0, 0, 400, 400, 100, 100, 300, 300};
  const int counts[3] = {4, 4, 2};  // a two-point ring is no area
  currentDevice()->fillRings(x, y, counts, 3);
  zanfin_();
  const auto rs = decodeEmf(readFile("port.emf"));
  ASSERT_GE(rs.size(), 2u);
  EXPECT_EQ(i32(rs[0].data, 24), 20989);
  EXPECT_EQ(i32(rs[0].data, 28), 29689);
  // (x, y) goes to (10 y, 10 (W - x)) with W = 2969.
  const auto lines = ofType(rs, kPolyline);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0]->points()[0].y, 29690);
  EXPECT_EQ(lines[0]->points()[1].y, 28690);
  const auto rings = ofType(rs, kPolyPolygon);
  ASSERT_EQ(rings.size(), 1u);
  EXPECT_EQ(rings[0]->word(4), 2u);
  EXPECT_EQ(rings[0]->word(5), 8u);
  EXPECT_EQ(run("emf2svg-conv -i port.emf -o port.svg"), 0);

  call(pagmod_, "LAND");
  start("empty.emf");
  zanfin_();
  const auto empty = decodeEmf(readFile("empty.emf"));
  EXPECT_TRUE(ofType(empty, kPolyline).empty());
  EXPECT_EQ(ofType(empty, kPolygon).size(), 1u);  // the page in colour 0
  EXPECT_EQ(run("printemf empty.emf"), 0);

  // In reverse screen mode the page is white and left unpainted.
  call(scrmod_, "REVERS");
  start("white.emf");
  zanfin_();
  EXPECT_TRUE(ofType(decodeEmf(readFile("white.emf")), kPolygon).empty());
}

// A picture along the page axes is one bitmap record: 24-bit rows, blue
// first, bottom-up, padded to four bytes, stretched over its place.  A
// turned placement is refused and left to the caller.
TEST_F(EmfFiles, PicturesAreBitmaps) {
  start("pic.emf");
  const uint8_t rgb[2 * 3 * 3] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18};
  EXPECT_TRUE(currentDevice()->image({1000, 2000, 4000, 2000, 1000, 4000}, rgb, 3, 2));
  EXPECT_FALSE(currentDevice()->image({1000, 2000, 1000, 5000, 0, 2000}, rgb, 3, 2));
  zanfin_();
  const auto rs = decodeEmf(readFile("pic.emf"));
  const auto pics = ofType(rs, kStretchDibits);
  ASSERT_EQ(pics.size(), 1u);
  const Record& r = *pics[0];
  ASSERT_EQ(r.data.size(), 112u + 2 * 12u);
  EXPECT_EQ(r.word(4), 1000u);   // destination corner
  EXPECT_EQ(r.word(5), 2000u);
  EXPECT_EQ(r.word(8), 3u);      // source size
  EXPECT_EQ(r.word(9), 2u);
  EXPECT_EQ(r.word(16), 3000u);  // destination size
  EXPECT_EQ(r.word(17), 2000u);
  EXPECT_EQ(r.word(18), 40u);    // bitmap header: size, width, height
  EXPECT_EQ(r.word(19), 3u);
  EXPECT_EQ(r.word(20), 2u);
  // The bottom row (10..18) first, then the top row.
  EXPECT_EQ(r.data.substr(112, 12), std::string("\x0C\x0B\x0A\x0F\x0E\x0D\x12\x11\x10\0\0\0", 12));
  EXPECT_EQ(r.data.substr(124, 3), std::string("\x03\x02\x01", 3));
  ASSERT_EQ(run("emf2svg-conv -i pic.emf -o pic.svg"), 0);
  EXPECT_NE(readFile("pic.svg").find("<image"), std::string::npos);
}

// A full disk: warning 36, no file left behind and none named.  The
// existing-file rules hold as for every file device.
TEST_F(EmfFiles, FullDiskAndExistingFiles) {
  setEmfSinkFactory([](const char* path) -> std::unique_ptr<Sink> {
    return std::make_unique<FaultSink>(std::make_unique<FileSink>(path), 200);
  });
  call(metafl_, "EMF");
  zanini_();
  for (int i = 0; i < 20; ++i) line(i, 0, i, 2000);
  const auto lines = printed([] { zanfin_(); });
  setEmfSinkFactory(nullptr);
  bool warned = false;
  for (const std::string& l : lines) warned |= l.find("Warning  36") != std::string::npos;
  EXPECT_TRUE(warned);
  EXPECT_FALSE(std::filesystem::exists(dir / "zantor.emf"));

  writeFile("zantor.emf", "old");
  call(filmod_, "BREA");
  printed([&] { start(); });
  EXPECT_EQ(zanglb.nlev, 0);
  EXPECT_EQ(readFile("zantor.emf"), "old");
  call(filmod_, "COUN");
  start();
  zanfin_();
  EXPECT_EQ(readFile("zantor.emf"), "old");
  decodeEmf(readFile("zantor_1.emf"));
}

}  // namespace
}  // namespace zantor::test
