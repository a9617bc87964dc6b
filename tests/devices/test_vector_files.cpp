// CGM, WMF and HPGL files through the library: CGM decoded by a reader of
// the standard's binary encoding written here, WMF read by wmf2svg, HPGL
// by hp2xx.
#include <zantor.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/state.h"
#include "support/fixture.h"

namespace zantor::test {
namespace {

using namespace std::string_literals;

int run(const std::string& cmd) { return std::system((cmd + " >/dev/null 2>&1").c_str()); }

struct CgmElement {
  int cls, id;
  std::string params;
};

// Decodes the binary encoding: a 16-bit header (class 4 bits, id 7 bits,
// length 5 bits; 31 means a 16-bit length word follows), the parameters
// and a padding byte after an odd length.  Stops after END METAFILE;
// `tailOk` tells whether only zero bytes follow it.
std::vector<CgmElement> decodeCgm(const std::string& f, bool* tailOk) {
  std::vector<CgmElement> out;
  auto u16 = [&](std::size_t at) { return int(uint8_t(f[at])) << 8 | uint8_t(f[at + 1]); };
  std::size_t at = 0;
  *tailOk = false;
  while (at + 2 <= f.size()) {
    const int h = u16(at);
    at += 2;
    CgmElement e{h >> 12, (h >> 5) & 127, {}};
    std::size_t n = std::size_t(h & 31);
    if (n == 31) {
      n = std::size_t(u16(at) & 0x7FFF);
      at += 2;
    }
    if (at + n > f.size()) break;
    e.params = f.substr(at, n);
    at += n + (n & 1);
    out.push_back(e);
    if (e.cls == 0 && e.id == 2) {
      *tailOk = f.find_first_not_of('\0', at) == std::string::npos;
      break;
    }
  }
  return out;
}

int word(const std::string& p, std::size_t at) {
  return int16_t(uint16_t(uint8_t(p[at]) << 8 | uint8_t(p[at + 1])));
}

// A string parameter: count byte, or 255 and a 16-bit length.
std::string cgmText(const std::string& p) {
  std::size_t n = uint8_t(p[0]);
  if (n < 255) return p.substr(1, n);
  n = std::size_t(word(p, 1) & 0x7FFF);
  return p.substr(3, n);
}

class VectorFiles : public LibraryTest {
 protected:
  void start(const char* format, const char* file = nullptr) {
    call(metafl_, format);
    if (file) call(setfil_, file);
    zanini_();
    zanglb.iproto = 0;
  }
  void line(int x1, int y1, int x2, int y2) { line_(&x1, &y1, &x2, &y2); }
};

TEST_F(VectorFiles, EmptyCgmPageHasTheElementsInOrder) {
  start("CGM", "empty.cgm");
  ASSERT_EQ(zanglb.nlev, 1);
  zanfin_();
  const std::string f = readFile("empty.cgm");
  ASSERT_FALSE(f.empty());
  EXPECT_EQ(f.size() % 80, 0u);
  bool tailOk = false;
  const auto e = decodeCgm(f, &tailOk);
  EXPECT_TRUE(tailOk);
  const std::vector<std::pair<int, int>> want = {{0, 1}, {1, 1}, {1, 2}, {1, 11}, {0, 3}, {2, 2},
                                                 {2, 6}, {2, 7}, {0, 4}, {0, 5}, {0, 2}};
  ASSERT_EQ(e.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i)
    EXPECT_EQ(std::make_pair(e[i].cls, e[i].id), want[i]) << i;
  EXPECT_EQ(f.substr(0, 2), "\x00\x3F"s);
  EXPECT_EQ(cgmText(e[0].params), "empty.cgm");
  EXPECT_EQ(word(e[1].params, 0), 1);
  const std::string d = cgmText(e[2].params);
  ASSERT_EQ(d.size(), 100u);
  // SOURCE_DATE_EPOCH 1700000000 is 2023-11-14.
  // 17 + 16 + 20 + 16 + 20 = 89 characters, then blanks.
  EXPECT_EQ(d.substr(0, 89),
            "\"ProfileId:CALS\",\"ProfileEd:1.0\",\"Source:ZANTOR11.6\",\"Date:20231114\","
            "\"ColourClass:colour\"");
  EXPECT_EQ(d.substr(89), std::string(11, ' '));
  EXPECT_EQ(e[3].params, std::string("\x00\x01\xFF\xFF\x00\x01", 6));
  EXPECT_EQ(cgmText(e[4].params), "Picture 1");
  EXPECT_EQ(word(e[5].params, 0), 1);
  // The A4 landscape page (2969 x 2099) at 2 units per plot unit.
  EXPECT_EQ(word(e[6].params, 4), 5938);
  EXPECT_EQ(word(e[6].params, 6), 4198);
  EXPECT_EQ(e[7].params, "\xFF\xFF\xFF\x00"s);
}

TEST_F(VectorFiles, CgmPolylinesColoursAndPictures) {
  const std::string longName(300, 'n');
  cgmpic_(longName.c_str(), longName.size());
  const float bg[3] = {0.0f, 0.5f, 1.0f};
  cgmbgd_(&bg[0], &bg[1], &bg[2]);
  start("CGM");
  // 150 connected points: one POLYLINE of 100 points and one of 51 that
  // starts at the last point of the first.
  float x = 100, y = 200;
  strtpt_(&x, &y);
  for (int i = 1; i < 150; ++i) {
    x = float(100 + i);
    connpt_(&x, &y);
  }
  newpag_();
  setrgb_(&bg[2], &bg[0], &bg[0]);  // red
  line(0, 0, 1000, 0);
  zanfin_();
  bool tailOk = false;
  const auto e = decodeCgm(readFile("zantor.cgm"), &tailOk);
  EXPECT_TRUE(tailOk);
  std::vector<const CgmElement*> lines, pictures;
  int endPictures = 0;
  bool redLine = false;
  for (const auto& el : e) {
    if (el.cls == 4 && el.id == 1) lines.push_back(&el);
    if (el.cls == 0 && el.id == 3) pictures.push_back(&el);
    if (el.cls == 0 && el.id == 5) ++endPictures;
    if (el.cls == 5 && el.id == 4 && el.params == "\xFF\x00\x00"s) redLine = true;
    if (el.cls == 2 && el.id == 7) {
      EXPECT_EQ(el.params, "\x00\x80\xFF\x00"s);
    }
  }
  ASSERT_EQ(pictures.size(), 2u);
  EXPECT_EQ(endPictures, 2);
  // The name is kept to 256 characters, which need the long string form.
  EXPECT_EQ(uint8_t(pictures[0]->params[0]), 255);
  EXPECT_EQ(cgmText(pictures[0]->params), longName.substr(0, 256));
  EXPECT_TRUE(redLine);
  ASSERT_GE(lines.size(), 3u);
  ASSERT_EQ(lines[0]->params.size(), 400u);
  ASSERT_EQ(lines[1]->params.size(), 4u * 51u);
  // Device x = 2 x, y = 2 (2099 - y): (100, 200) -> (200, 3798).
  EXPECT_EQ(word(lines[0]->params, 0), 200);
  EXPECT_EQ(word(lines[0]->params, 2), 3798);
  EXPECT_EQ(lines[1]->params.substr(0, 4), lines[0]->params.substr(396, 4));
  EXPECT_EQ(word(lines[1]->params, 200), 2 * 249);
  const auto& last = lines.back()->params;
  EXPECT_EQ(word(last, 0), 0);
  EXPECT_EQ(word(last, 4), 2000);
  EXPECT_EQ(word(last, 6), 2 * 2099);
}

TEST_F(VectorFiles, CgmExistingFileRules) {
  writeFile("zantor.cgm", "old");
  call(filmod_, "BREA");
  std::vector<std::string> lines = printed([&] { start("CGM"); });
  EXPECT_EQ(zanglb.nlev, 0);
  ASSERT_FALSE(lines.empty());
  EXPECT_NE(lines[0].find("169"), std::string::npos) << lines[0];
  EXPECT_EQ(readFile("zantor.cgm"), "old");
  call(filmod_, "COUN");
  start("CGM");
  zanfin_();
  EXPECT_EQ(readFile("zantor.cgm"), "old");
  EXPECT_EQ(readFile("zantor_1.cgm").size() % 80, 0u);
  // The same rules for HPGL and WMF: VERS keeps the whole stem, DELE
  // replaces the file.
  writeFile("longname.hpg", "old");
  call(filmod_, "VERS");
  start("HPGL", "longname.hpg");
  zanfin_();
  EXPECT_EQ(readFile("longname.hpg"), "old");
  EXPECT_EQ(readFile("longname_1.hpg").substr(0, 5), " SP1;");
  writeFile("zantor.wmf", "old");
  call(filmod_, "DELE");
  start("WMF", "zantor.wmf");  // the name of setfil stays until set again
  zanfin_();
  EXPECT_EQ(readFile("zantor.wmf").substr(0, 2), "\x01\x00"s);
}

TEST_F(VectorFiles, HpglCommandsAndPens) {
  start("HPGL");
  line(100, 200, 300, 200);
  const float one = 1, zero = 0;
  setrgb_(&one, &zero, &zero);
  line(0, 0, 10, 0);
  zanfin_();
  const std::string f = readFile("zantor.hpg");
  ASSERT_EQ(f.substr(0, 6), " SP1;\n");
  // The scale is 4: (100, 200) -> (400, 4 (2099 - 200)) = (400, 7596).
  EXPECT_NE(f.find("PU400,7596;PD1200,7596;"), std::string::npos) << f;
  EXPECT_NE(f.find("SP2;PU0,8396;PD40,8396;"), std::string::npos) << f;
  EXPECT_EQ(f.substr(f.size() - 7), "PU0,0;\n");
  for (std::size_t at = 0, nl; (nl = f.find('\n', at)) != std::string::npos; at = nl + 1)
    EXPECT_LE(nl - at, 80u);
  EXPECT_EQ(run("hp2xx -q -m eps -f hp.eps zantor.hpg"), 0);
  EXPECT_GT(readFile("hp.eps").size(), 100u);

  call(hpgmod_, "ON", "INIT");
  start("HPA4", "a4.hpg");
  line(0, 0, 2969, 2099);
  zanfin_();
  const std::string a4 = readFile("a4.hpg");
  EXPECT_EQ(a4.substr(0, 20), "IN;SP1;LT;PU;\n SP1;\n");
  // The landscape page on the A4 sheet: s = min(7600 / 2099, 10870 / 2969),
  // so the far corner (2969, 0 at the top) lands inside 10870 x 7600.
  const double s = std::min(7600.0 / 2099, 10870.0 / 2969);
  const std::string corner = "PD" + std::to_string(int(2969 * s + 0.5)) + ",0;";
  EXPECT_NE(a4.find(corner), std::string::npos) << a4;
  EXPECT_EQ(run("hp2xx -q -m eps -f a4.eps a4.hpg"), 0);
}

TEST_F(VectorFiles, WmfReadsBackInWmf2svg) {
  start("WMF");
  line(100, 100, 2000, 1500);
  const float one = 1, zero = 0;
  setrgb_(&zero, &zero, &one);
  int32_t nx = 500, ny = 500, nw = 400, nh = 300;
  const int32_t xs[4] = {nx, nx + nw, nx + nw, nx}, ys[4] = {ny, ny, ny + nh, ny + nh};
  int32_t n = 4, solid = 16;
  shdpat_(&solid);
  areaf_(xs, ys, &n);
  zanfin_();
  const std::string f = readFile("zantor.wmf");
  ASSERT_GT(f.size(), 18u);
  EXPECT_EQ(f.substr(0, 6), std::string("\x01\x00\x09\x00\x00\x03", 6));
  const uint32_t words = uint8_t(f[6]) | uint8_t(f[7]) << 8 | uint8_t(f[8]) << 16;
  EXPECT_EQ(2u * words, f.size());
  EXPECT_EQ(f.substr(f.size() - 6), std::string("\x03\0\0\0\0\0", 6));
  ASSERT_EQ(run("wmf2svg -o wmf.svg zantor.wmf"), 0);
  const std::string svg = readFile("wmf.svg");
  EXPECT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_NE(svg.find("polyline"), std::string::npos);
  EXPECT_NE(svg.find("polygon"), std::string::npos);

  call(wmfmod_, "PLAC", "FORM");
  start("WMF", "plac.wmf");
  line(0, 0, 2969, 2099);
  zanfin_();
  const std::string p = readFile("plac.wmf");
  ASSERT_GT(p.size(), 40u);
  EXPECT_EQ(p.substr(0, 4), "\xD7\xCD\xC6\x9A");
  // The checksum is the XOR of the ten words before it.
  int sum = 0;
  for (int i = 0; i < 20; i += 2) sum ^= uint8_t(p[i]) | uint8_t(p[i + 1]) << 8;
  EXPECT_EQ(sum, uint8_t(p[20]) | uint8_t(p[21]) << 8);
  EXPECT_EQ(run("wmf2svg -o plac.svg plac.wmf"), 0);
}

// Thick lines reach CGM and WMF as filled outlines: a few polygons per
// segment whatever the width, where strokes in software took one line per
// plot unit of width.
TEST_F(VectorFiles, CgmThickLinesAreFilledOutlines) {
  start("CGM");
  int32_t w = 1111;
  linwid_(&w);
  line(500, 1000, 2500, 1000);
  w = 1;
  linwid_(&w);
  line(500, 1800, 2500, 1800);
  zanfin_();
  bool tailOk = false;
  const auto e = decodeCgm(readFile("zantor.cgm"), &tailOk);
  EXPECT_TRUE(tailOk);
  int polygons = 0, polylines = 0;
  for (const CgmElement& el : e) {
    if (el.cls == 4 && el.id == 7) {
      ++polygons;
      // Device units are 2 per plot unit, y upwards: the band reaches
      // half the width (and the long caps as far) around y = 1099.
      for (std::size_t at = 0; at + 4 <= el.params.size(); at += 4) {
        EXPECT_NEAR(word(el.params, at + 2), 2 * 1099, 1111 + 1);
        EXPECT_GE(word(el.params, at), 2 * (500 - 556) - 1);
      }
    }
    if (el.cls == 4 && el.id == 1) ++polylines;
  }
  EXPECT_GE(polygons, 1);
  EXPECT_LE(polygons, 4);
  EXPECT_EQ(polylines, 1);  // the thin line after it
}

TEST_F(VectorFiles, WmfThickLinesAreFilledOutlines) {
  start("WMF");
  int32_t w = 300;
  linwid_(&w);
  line(500, 1000, 2500, 1000);
  line(2500, 1000, 2500, 300);
  zanfin_();
  const std::string f = readFile("zantor.wmf");
  EXPECT_LT(f.size(), 2000u);
  ASSERT_EQ(run("wmf2svg -o thick.svg zantor.wmf"), 0);
  const std::string svg = readFile("thick.svg");
  EXPECT_NE(svg.find("polygon"), std::string::npos);
  EXPECT_EQ(svg.find("polyline"), std::string::npos);
}

// The metafile records a line width like a colour: code 6 and the width
// in normalised device units; a thin line again records one plot unit.
TEST_F(VectorFiles, GkslRecordsTheLineWidth) {
  start("GKSL");
  int32_t w = 50;
  linwid_(&w);
  line(100, 100, 200, 100);
  w = 1;
  linwid_(&w);
  line(100, 200, 200, 200);
  zanfin_();
  const std::string f = readFile("zantor.met");
  // 50 / 2969 = 0.0168407, 1 / 2969 = 0.0003368.
  const auto wide = f.find(" 6.0000000 0.0168407");
  const auto thin = f.find(" 6.0000000 0.0003368");
  ASSERT_NE(wide, std::string::npos) << f;
  ASSERT_NE(thin, std::string::npos) << f;
  EXPECT_LT(wide, thin);
  EXPECT_LT(f.size(), 400u);  // not fifty strokes
}

// HPGL plotters draw wide lines with their pen width command.
TEST_F(VectorFiles, HpglThickLinesSetThePenWidth) {
  start("HPGL");
  int32_t w = 40;  // 160 plotter units of 0.025 mm
  linwid_(&w);
  line(100, 200, 300, 200);
  w = 1;
  linwid_(&w);
  line(100, 300, 300, 300);
  zanfin_();
  const std::string f = readFile("zantor.hpg");
  const auto wide = f.find("PW4.000;"), thin = f.find("PW;");
  ASSERT_NE(wide, std::string::npos) << f;
  ASSERT_NE(thin, std::string::npos) << f;
  EXPECT_LT(wide, f.find("PD1200,7596;"));
  EXPECT_LT(f.find("PD1200,7596;"), thin);
  EXPECT_EQ(run("hp2xx -q -m eps -f pw.eps zantor.hpg"), 0);
}

}  // namespace
}  // namespace zantor::test

namespace zantor::test {
namespace {

class GkslColours : public LibraryTest {};

// A colour change becomes the code field 5 and the three components.
TEST_F(GkslColours, ColourRecordFollowsTheCode) {
  call(metafl_, "GKSL");
  zanini_();
  zanglb.iproto = 0;
  const float one = 1, half = 0.5f, zero = 0;
  setrgb_(&one, &half, &zero);
  zanfin_();
  const std::string f = readFile("zantor.met");
  // 128 / 255 = 0.5019608 (setrgb keeps the nearest byte of 0.5).
  EXPECT_NE(f.find(" 5.0000000 1.0000000 0.5019608 0.0000000"), std::string::npos) << f;
  EXPECT_EQ(f.substr(f.size() - 11), " 9.0000000\n");
}

}  // namespace
}  // namespace zantor::test
