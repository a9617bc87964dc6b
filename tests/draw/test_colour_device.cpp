// How colours reach the device, the reverse screen mode and colour table
// files.
#include <fstream>

#include "core/format.h"
#include "draw/colour_test_support.h"

namespace zantor::test {
namespace {

class ColourDevice : public ColourTest {
 protected:
  static void stroke() {
    const int32_t a = 100, b = 200;
    line_(&a, &a, &b, &b);
  }
  // The trace lines from the first "colour" after index `from`.
  static std::vector<std::string> tail(std::size_t from) {
    const auto& t = traceLines();
    return {t.begin() + static_cast<long>(std::min(from, t.size())), t.end()};
  }
};

TEST_F(ColourDevice, ChangesStrokeThePolylineAndReachTheWriter) {
  open("PS");  // true colour
  const std::size_t start = traceLines().size();
  stroke();
  float r = 1, g = 0.5f, b = 0;
  setrgb_(&r, &g, &b);
  auto t = tail(start);
  ASSERT_EQ(t.size(), 3u);
  EXPECT_EQ(t[0].substr(0, 4), "move");
  EXPECT_EQ(t[1].substr(0, 4), "draw");  // the line is drawn in the old colour
  EXPECT_EQ(t[2], "colour 255 128 0 16810239");
  const int32_t idx = 100;
  setclr_(&idx);
  const int32_t e = zanglb.ivlt[100];
  EXPECT_EQ(traceLines().back(), "colour " + std::to_string((e >> 16) & 255) + " " +
                                     std::to_string((e >> 8) & 255) + " " +
                                     std::to_string(e & 255) + " 100");
}

TEST_F(ColourDevice, ShallowDevicesReceiveTableIndices) {
  for (const char* format : {"GKSL", "PNG"}) {
    open(format);  // depth 8
    float r = 1, g = 0, b = 0;
    setrgb_(&r, &g, &b);
    EXPECT_EQ(zanglb.ncolr, 0x010000FF) << format;  // the value is kept
    EXPECT_EQ(traceLines().back(), "colour 255 0 0 254") << format;  // RAIN's red
    zanfin_();
  }
}

TEST_F(ColourDevice, EachPlotStartsInTheForegroundColour) {
  open("PSCL");  // black background: white foreground
  EXPECT_EQ(zanglb.ncolr, 255);
  EXPECT_EQ(traceLines().at(1), "colour 255 255 255 255");
  zanfin_();
  open("POST");  // white paper: reversed grey, foreground index 255 black
  EXPECT_EQ(zanglb.nfgclr, 255);
  EXPECT_EQ(zanglb.nbgclr, 0);
  EXPECT_EQ(traceLines().at(1), "colour 0 0 0 255");
  zanfin_();
  open("CGM");  // white paper: RAIN with foreground 0
  EXPECT_EQ(zanglb.nfgclr, 0);
  EXPECT_EQ(zanglb.nrclrd[0], kBlack);  // WHIT draws black
}

TEST_F(ColourDevice, ReverseScreenModeSwapsTheEnds) {
  open("PSCL", "REVE");
  EXPECT_EQ(entry(0), 0xFFFFFF);
  EXPECT_EQ(entry(255), 0x000000);
  EXPECT_EQ(zanglb.ncmin, 255);
  EXPECT_EQ(zanglb.ncmax, 0);
  EXPECT_EQ(zanglb.nrclrd[0], kBlack);  // WHIT
  EXPECT_EQ(zanglb.nrclrd[8], kWhite);  // BLAC
  table("SMAL");
  EXPECT_EQ(entry(0), 0xFFFFFF);
  EXPECT_EQ(entry(1), 0x000000);
  EXPECT_EQ(zanglb.nrclrd[8], kBlack);
  zanfin_();
  open("PS");  // white paper by default
  EXPECT_EQ(entry(0), 0xFFFFFF);
  zanfin_();
  open("POST", "REVE");  // POST draws on paper already
  EXPECT_EQ(entry(0), 0xFFFFFF);  // RGRE as it is
  EXPECT_EQ(zanglb.ncmax, 255);
}

TEST_F(ColourDevice, TableFileRoundTrip) {
  open();
  table("TEMP");
  int32_t temp[256];
  std::copy(zanglb.ivlt, zanglb.ivlt + 256, temp);
  call(vltfil_, "temp.vlt", "SAVE");
  const auto lines = splitLines(readFile(dir / "temp.vlt"));
  ASSERT_EQ(lines.size(), 256u);
  EXPECT_EQ(lines[0], "  0.000000  0.000000  0.000000");
  EXPECT_EQ(lines[120], fmtF(204 / 255.0, 10, 6) + "  0.000000  0.000000");
  EXPECT_EQ(lines[255], "  1.000000  1.000000  1.000000");
  table("GREY");
  call(vltfil_, "temp.vlt", "load");
  for (int i = 0; i < 256; ++i) ASSERT_EQ(entry(i), temp[i]) << i;
  // An existing file is not overwritten: the next save gets a new name.
  call(vltfil_, "temp.vlt", "SAVE");
  EXPECT_TRUE(std::filesystem::exists(dir / "temp_1.vlt"));
}

TEST_F(ColourDevice, TableFileErrors) {
  open();
  writeFile(dir / "bad.vlt", "1 0 0\n0, 1, 0\n 0.0 0.0 1.0D0\nred green blue\n1 1 1\n");
  const int32_t before = entry(3);
  auto out = printed([] { call(vltfil_, "bad.vlt", "LOAD"); });
  EXPECT_TRUE(warned(out, 56, "VLTFIL"));
  EXPECT_EQ(entry(0), 0xFF0000);  // entries already read stay
  EXPECT_EQ(entry(1), 0x00FF00);
  EXPECT_EQ(entry(2), 0x0000FF);
  EXPECT_EQ(entry(3), before);
  writeFile(dir / "short.vlt", "1 1 0\n");
  out = printed([] { call(vltfil_, "short.vlt", "LOAD"); });
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(entry(0), 0xFFFF00);
  EXPECT_EQ(entry(1), 0x00FF00);
  out = printed([] { call(vltfil_, "missing.vlt", "LOAD"); });
  EXPECT_TRUE(warned(out, 36, "VLTFIL"));
  out = printed([] { call(vltfil_, "no/such/dir.vlt", "SAVE"); });
  EXPECT_TRUE(warned(out, 36, "VLTFIL"));
  out = printed([] { call(vltfil_, "x.vlt", "KEEP"); });
  EXPECT_TRUE(warned(out, 2, "VLTFIL"));
}

// Blank lines in a table file hold no entry: they are passed over and do
// not end the loading.
TEST_F(ColourDevice, TableFileBlankLinesAreSkipped) {
  open();
  writeFile(dir / "gaps.vlt", "1 0 0\n\n   \n0 1 0\r\n\t\n0 0 1\n\n");
  const auto out = printed([] { call(vltfil_, "gaps.vlt", "LOAD"); });
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(entry(0), 0xFF0000);
  EXPECT_EQ(entry(1), 0x00FF00);
  EXPECT_EQ(entry(2), 0x0000FF);
}

}  // namespace
}  // namespace zantor::test
