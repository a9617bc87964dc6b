// Hardware fonts: the metric table, measuring with it, characters in
// PostScript, PDF, SVG and IPE files read back by independent readers,
// outline text in raster pictures, and the fall-back to the stroke fonts
// for bad font names and unreadable TrueType files.
#include <zantor.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>

#include "core/state.h"
#include "devices/ps_support.h"
#include "devices/vector_support.h"
#include "hwfonts/font_metrics.h"
#include "hwfonts/outline_fonts.h"

namespace zantor::test {
namespace {

const char* const kTrueTypeFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

class HardwareFonts : public PostScriptTest {
 protected:
  static int measure(const char* s) { return nlmess_(s, len(s)); }
  static void text(const char* s, int x, int y) { messag_(s, &x, &y, len(s)); }
  static void setHeight(int n) { height_(&n); }
  // Plot units of the sum of the metric widths of `s` in `font` at
  // character height h (the capitals are h high), scaled by `width`, plus
  // the tenth of the height the standard fonts keep between characters.
  static double metricLength(const char* s, int font, int h, double width = 1.0) {
    double sum = 0;
    for (const char* p = s; *p != 0; ++p) sum += charWidth(font, static_cast<unsigned char>(*p));
    return sum * h / kFontMetrics[font].capHeight * width + (std::strlen(s) - 1) * 0.1 * h;
  }
  static bool haveOutlines() { return !standardFontFile(kTimesRoman).empty(); }
  // The tokens of a PostScript file separated by single blanks (the line
  // writer breaks lines between any two tokens).
  std::string tokens(const std::string& file) {
    std::string out;
    for (const std::string& l : lines(file)) {
      std::istringstream in(l);
      for (std::string t; in >> t;) out += t + ' ';
    }
    return out;
  }
};

// Columns of inked pixels in rows y0..y1: first and last.  Thin serifs
// are only partly covered by antialiased pixels: any clear grey is ink.
std::pair<int, int> inkColumns(const Image& im, int y0, int y1) {
  int first = -1, last = -1;
  for (int y = std::max(0, y0); y <= std::min(im.h - 1, y1); ++y)
    for (int x = 0; x < im.w; ++x)
      if (im.dark(x, y, 200)) {
        if (first < 0 || x < first) first = x;
        last = std::max(last, x);
      }
  return {first, last};
}

TEST_F(HardwareFonts, TableHoldsTheFontsMetrics) {
  // Widths every user of these fonts knows, in thousandths of the size.
  EXPECT_EQ(charWidth(kTimesRoman, 'A'), 722);
  EXPECT_EQ(charWidth(kTimesRoman, 'i'), 278);
  EXPECT_EQ(charWidth(4, 'P'), 667);                 // Helvetica
  EXPECT_EQ(charWidth(18, 'i'), 600);                // Courier: fixed pitch
  EXPECT_EQ(charWidth(19, 'W'), 600);
  EXPECT_EQ(charWidth(kTimesRoman, 130), 444);      // library code of a-umlaut
  EXPECT_EQ(charWidth(kTimesRoman, '\''), 180);     // the straight quote
  EXPECT_EQ(charWidth(kSymbolFont, 'a'), 631);      // alpha
  EXPECT_EQ(charWidth(kTimesRoman, 1), 250);        // no glyph: the blank
  EXPECT_EQ(kFontMetrics[kTimesRoman].capHeight, 662);
  EXPECT_EQ(standardFontIndex("Palatino-Bold"), 32);
  EXPECT_EQ(standardFontIndex("palatino-bold"), -1);
  EXPECT_TRUE(isBaseFourteen(kDingbatsFont));
  EXPECT_FALSE(isBaseFourteen(8));  // Helvetica-Narrow
  for (int k = 0; k < kStandardFontCount; ++k) {
    EXPECT_GT(kFontMetrics[k].capHeight, 400) << kFontMetrics[k].name;
    EXPECT_GT(charWidth(k, 'H'), 0) << kFontMetrics[k].name;
  }
}

TEST_F(HardwareFonts, MeasuredLengthIsTheSumOfMetricWidthsAndSpaces) {
  const char* s = "Hello, World";
  int times = 0, narrow = 0, half = 0, stroke = 0, spaced = 0;
  plot("PDF", [&] {
    setHeight(100);
    stroke = measure(s);
    call(psfont_, "Times-Roman");
    times = measure(s);
    float w = 0.5f;
    chawth_(&w);
    half = measure(s);
    w = 1.0f;
    chawth_(&w);
    float sp = 0.1f;
    chaspc_(&sp);
    spaced = measure(s);
    sp = 0.0f;
    chaspc_(&sp);
    call(psfont_, "Helvetica-Narrow");
    narrow = measure(s);
  });
  EXPECT_EQ(times, std::lround(metricLength(s, kTimesRoman, 100)));
  EXPECT_EQ(narrow, std::lround(metricLength(s, 8, 100)));
  EXPECT_NEAR(half, metricLength(s, kTimesRoman, 100, 0.5), 1.0);
  // Extra spacing: 0.1 heights more after each of the eleven characters
  // before the last.
  EXPECT_NEAR(spaced, metricLength(s, kTimesRoman, 100) + 11 * 10, 1.0);
  EXPECT_NE(times, stroke);
}

TEST_F(HardwareFonts, MeasuringDoesNotDependOnTheDevice) {
  const char* s = "Axis 12.5 [mm]";
  std::vector<int> lengths;
  for (const char* format : {"PDF", "SVG", "PS", "IPE", "PNG"}) {
    plot(format, [&] {
      setHeight(50);
      call(psfont_, "Palatino-Italic");
      lengths.push_back(measure(s));
    });
  }
  ASSERT_EQ(lengths.size(), 5u);
  if (!haveOutlines()) lengths.pop_back();  // PNG then measures strokes
  for (int v : lengths) EXPECT_EQ(v, std::lround(metricLength(s, 31, 50)));
}

TEST_F(HardwareFonts, PdfTextIsSearchableWithWidthsForNonBaseFonts) {
  const std::string file = plot("PDF", [] {
    call(psfont_, "NewCenturySchlbk-Roman");
    setHeight(60);
    text("Searchable words", 300, 300);
    call(psfont_, "Times-Bold");
    text("Second line", 300, 500);
  });
  EXPECT_TRUE(qpdfAccepts(file));
  const std::string found = pdfText(file);
  EXPECT_NE(found.find("Searchable words"), std::string::npos) << found;
  EXPECT_NE(found.find("Second line"), std::string::npos) << found;
  std::string out;
  ASSERT_EQ(runTool("qpdf --qdf --object-streams=disable " + file + " open.pdf", out), 0) << out;
  const std::string doc = readFile("open.pdf");
  EXPECT_NE(doc.find("/BaseFont /NewCenturySchlbk-Roman"), std::string::npos);
  EXPECT_NE(doc.find("/FontName /NewCenturySchlbk-Roman"), std::string::npos);
  EXPECT_NE(doc.find("/CapHeight 722"), std::string::npos);  // C059-Roman
  EXPECT_NE(doc.find("/FirstChar 32"), std::string::npos);
  // The base font carries no widths: one descriptor in the file.
  std::size_t descriptors = 0;
  for (std::size_t p = doc.find("/Type /FontDescriptor"); p != std::string::npos;
       p = doc.find("/Type /FontDescriptor", p + 1))
    ++descriptors;
  EXPECT_EQ(descriptors, 1u);
  EXPECT_EQ(doc.find("/FontName /Times-Bold"), std::string::npos);
}

// Right-justified text ends at its x and left-justified text starts there,
// as a reader renders the PDF and as the raster device draws it.
TEST_F(HardwareFonts, JustifiedTextLinesUpInRenderedPictures) {
  double scale = 0;
  const int x = 1200, y1 = 600, y2 = 900, h = 100;
  const auto draw = [&] {
    scale = zanglb.xscf;
    call(psfont_, "Times-Roman");
    setHeight(h);
    call(txtjus_, "RIGH");
    text("HHHH", x, y1);
    call(txtjus_, "LEFT");
    text("HHHH", x, y2);
  };
  // Times H: 19 units of left and 20 of right side bearing per 1000.
  const double size = h * 1000.0 / 662;
  const double rsb = 20 * size / 1000, lsb = 19 * size / 1000;
  {
    const std::string file = plot("PDF", draw, [] { call(setpag_, "DA4P"); });
    const int dpi = 100;
    const Image im = renderPdf(file, dpi);
    ASSERT_GT(im.w, 0);
    const double px = scale * dpi / 72.0;  // pixels per plot unit
    const auto right = inkColumns(im, int(y1 * px), int((y1 + h) * px));
    const auto left = inkColumns(im, int(y2 * px), int((y2 + h) * px));
    EXPECT_NEAR(right.second, (x - rsb) * px, 2.0);
    EXPECT_NEAR(left.first, (x + lsb) * px, 2.0);
  }
  if (!haveOutlines()) GTEST_SKIP() << "no outline fonts installed";
  {
    const std::string file = plot("PNG", draw, [] {
      call(imgfmt_, "RGB");
      call(scrmod_, "REVERS");
      int w = 1000, hh = 700;
      winsiz_(&w, &hh);
    });
    const Image im = pngToImage(file);
    ASSERT_GT(im.w, 0);
    const auto right = inkColumns(im, int(y1 * scale), int((y1 + h) * scale));
    const auto left = inkColumns(im, int(y2 * scale), int((y2 + h) * scale));
    EXPECT_NEAR(right.second, (x - rsb) * scale, 2.0);
    EXPECT_NEAR(left.first, (x + lsb) * scale, 2.0);
  }
}

TEST_F(HardwareFonts, RasterTextIsAntialiasedInTrueColourOnly) {
  if (!haveOutlines()) GTEST_SKIP() << "no outline fonts installed";
  for (const char* mode : {"RGB", "INDE"}) {
    double scale = 0;
    const std::string file = plot("PNG", [&] {
      scale = zanglb.xscf;
      call(psfont_, "Helvetica");
      setHeight(120);
      text("Ink", 500, 500);
    }, [&] {
      call(imgfmt_, mode);
      call(scrmod_, "REVERS");
    });
    const Image im = pngToImage(file);
    ASSERT_GT(im.w, 0) << mode;
    int ink = 0, grey = 0, outside = 0;
    for (int y = 0; y < im.h; ++y)
      for (int x = 0; x < im.w; ++x) {
        const Rgb c = im.at(x, y);
        const bool inBox = x >= 500 * scale - 2 && x <= 800 * scale && y >= 500 * scale - 2 &&
                           y <= 625 * scale;
        const int v = (c.r + c.g + c.b) / 3;
        if (v < 255 && !inBox) ++outside;
        if (v < 128 && inBox) ++ink;
        if (v > 40 && v < 215 && inBox) ++grey;
      }
    EXPECT_GT(ink, 100) << mode;
    EXPECT_EQ(outside, 0) << mode;
    if (std::string(mode) == "RGB") EXPECT_GT(grey, 20) << mode;
    else EXPECT_EQ(grey, 0) << mode;
  }
}

TEST_F(HardwareFonts, GreekFromSymbolAndItalicTwinInSpecialModes) {
  int greek = 0;
  const std::string file = plot("PDF", [&] {
    call(psfont_, "Palatino-Roman");
    call(psmode_, "BOTH");
    setHeight(100);
    call(basalf_, "GREE");
    greek = measure("gab");
    text("gab", 100, 100);
    call(basalf_, "ITAL");
    text("x", 100, 300);
  }, [] { call(pdfmod_, "OFF", "COMP"); });
  const std::string doc = readFile(file);
  EXPECT_NE(doc.find("/F35 "), std::string::npos);  // Symbol
  EXPECT_NE(doc.find("/F32 "), std::string::npos);  // Palatino-Italic
  EXPECT_NE(doc.find("(c) Tj"), std::string::npos);  // the Symbol font's gamma
  const double symbolCap = kFontMetrics[kSymbolFont].capHeight;
  EXPECT_EQ(greek, std::lround((charWidth(kSymbolFont, 'c') + charWidth(kSymbolFont, 'a') +
                                charWidth(kSymbolFont, 'b')) * 100 / symbolCap + 2 * 10));
}

TEST_F(HardwareFonts, PostScriptCharactersRenderAsText) {
  if (!haveGhostscript()) GTEST_SKIP() << "no Ghostscript";
  const std::string file = plot("PS", [] {
    call(psfont_, "Bookman-Demi");
    setHeight(80);
    text("Hello 'PostScript'", 200, 300);
    call(psfont_, "Symbol");
    text("abc", 200, 500);
  }, [] { call(setpag_, "DA4P"); });
  const std::string ps = tokens(file);
  EXPECT_NE(ps.find("/Bookman-Demi /Bookman-Demi-German GermanVec ReEncodeSmall"),
            std::string::npos);
  EXPECT_NE(ps.find("/Bookman-Demi-German"), std::string::npos);
  EXPECT_NE(ps.find(" font "), std::string::npos);
  EXPECT_EQ(ps.find("/Symbol-German"), std::string::npos);
  for (const std::string& l : lines(file)) EXPECT_LE(l.size(), 80u);
  std::string messages;
  ASSERT_EQ(runGhostscript("-sDEVICE=txtwrite -sOutputFile=ps.txt " + file, messages), 0)
      << messages;
  const std::string found = readFile("ps.txt");
  EXPECT_NE(found.find("Hello 'PostScript'"), std::string::npos) << found;
}

TEST_F(HardwareFonts, SvgAndIpeCarryCharacters) {
  const std::string svg = plot("SVG", [] {
    call(psfont_, "Courier-Bold");
    text("a<b", 100, 100);
  });
  EXPECT_TRUE(xmllintAccepts(svg));
  const std::string s = readFile(svg);
  EXPECT_NE(s.find("font-family=\"Courier\" font-weight=\"bold\""), std::string::npos);
  EXPECT_NE(s.find(">&lt;</text>"), std::string::npos);
  const std::string ipe = plot("IPE", [] {
    call(psfont_, "Times-Roman");
    text("ab", 100, 100);
  });
  EXPECT_TRUE(xmllintAccepts(ipe));
  EXPECT_NE(readFile(ipe).find("valign=\"baseline\">b</text>"), std::string::npos);
}

TEST_F(HardwareFonts, CircularMapHidesCharactersBeyondItsCircle) {
  // A hemisphere map is drawn in a circle; characters whose centre lies
  // outside it are skipped like the lines there.
  const std::string svg = plot("SVG", [&] {
    call(psfont_, "Helvetica");
    setHeight(40);
    call(projct_, "LAMB");
    float xa = -180, xe = 180, xor_ = -180, xs = 90, ya = -90, ye = 90, yor = -90, ys = 30;
    grafmp_(&xa, &xe, &xor_, &xs, &ya, &ye, &yor, &ys);
    const int cx = static_cast<int>(zanglb.xmit), cy = static_cast<int>(zanglb.ymit);
    const int r = static_cast<int>(zanglb.rad);
    text("Q", 30, 30);
    text("X", cx, cy);
    // A line crossing the circle: W in, V beyond.
    call(txtjus_, "LEFT");
    text("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWV", cx, cy + r / 2);
  });
  EXPECT_TRUE(xmllintAccepts(svg));
  const std::string s = readFile(svg);
  EXPECT_NE(s.find(">X</text>"), std::string::npos);
  EXPECT_NE(s.find(">W</text>"), std::string::npos);
  EXPECT_EQ(s.find(">Q</text>"), std::string::npos);
  EXPECT_EQ(s.find(">V</text>"), std::string::npos);
}

TEST_F(HardwareFonts, UnknownNamesAndWrongLevelsWarn) {
  std::vector<std::string> out;
  int unknown = 0, times = 0;
  const std::string file = plot("PS", [&] {
    zanglb.iproto = 0;
    out = printed([&] {
      call(psfont_, "Foo-Bar");
      unknown = measure("Metrics");
      text("Metrics", 100, 100);
      call(psfont_, "   ");
    });
    call(psfont_, "Times-Roman");
    times = measure("Metrics");
  });
  ASSERT_GE(out.size(), 2u);
  EXPECT_EQ(out[0], " <<<< Warning: Foo-Bar is not a standard font!");
  EXPECT_NE(out[1].find("Incorrect parameter"), std::string::npos);
  EXPECT_EQ(unknown, times);
  EXPECT_NE(tokens(file).find("/Foo-Bar /Foo-Bar-German GermanVec ReEncodeSmall"),
            std::string::npos);
  const auto early = printed([] { call(psfont_, "Times-Roman"); hwfont_(); });
  ASSERT_EQ(early.size(), 2u);
  EXPECT_NE(early[0].find("Incorrect level"), std::string::npos);
}

TEST_F(HardwareFonts, HwfontChoosesByDevice) {
  plot("PDF", [] {
    hwfont_();
    EXPECT_EQ(zanglb.ipsfnt, 1);
    EXPECT_EQ(zanglb.cpsfnt.trimmed(), "Times-Roman");
    complx_();  // a stroke font ends hardware text
    EXPECT_EQ(zanglb.ipsfnt, 0);
  });
  plot("GKSL", [] {
    hwfont_();
    EXPECT_EQ(zanglb.ipsfnt, 0);
    EXPECT_EQ(zanglb.ialf, 3);
  });
  if (!haveOutlines()) return;
  plot("PNG", [] {
    hwfont_();
    EXPECT_EQ(zanglb.ipsfnt, 4);
  });
}

TEST_F(HardwareFonts, TrueTypeFileOnRasterAndStrokesOnVectorDevices) {
  if (!std::filesystem::exists(kTrueTypeFile)) GTEST_SKIP() << "no TrueType file";
  int length = 0;
  const std::string png = plot("PNG", [&] {
    call(ttfont_, kTrueTypeFile);
    EXPECT_EQ(zanglb.ipsfnt, 4);
    setHeight(100);
    length = measure("WWW");
    text("WWW", 300, 300);
  }, [] { call(scrmod_, "REVERS"); });
  // DejaVu Sans: W is 2025/2048 of the size wide, the capitals 1493/2048
  // high; a TrueType file keeps 0.18 heights between characters.
  EXPECT_NEAR(length, 3 * 100 * 2025.0 / 1493 + 2 * 18, 2);
  const Image im = pngToImage(png);
  ASSERT_GT(im.w, 0);
  EXPECT_GT(inkColumns(im, 0, im.h - 1).second, 0);
  // A reader of a PDF file does not have the program's font file.
  const std::string pdf = plot("PDF", [] {
    call(ttfont_, kTrueTypeFile);
    text("WWW", 300, 300);
  }, [] { call(pdfmod_, "OFF", "COMP"); });
  EXPECT_EQ(readFile(pdf).find("\nBT\n"), std::string::npos);
}

// Missing, empty, truncated and scrambled font files: a warning each, the
// text falls back to the stroke font and still appears, nothing crashes.
TEST_F(HardwareFonts, UnreadableTrueTypeFilesFallBackToStrokes) {
  std::string good;
  if (std::filesystem::exists(kTrueTypeFile)) good = readFile(kTrueTypeFile);
  std::mt19937 random(7);
  std::vector<std::string> variants = {"", "ttcf", std::string(12, '\0'),
                                       std::string("\0\1\0\0", 4) + std::string(200, '\xff')};
  for (int i = 0; i < 40 && !good.empty(); ++i) {
    std::string v = good.substr(0, random() % std::min<std::size_t>(good.size(), 60000));
    variants.push_back(v);
    std::string flipped = good;
    for (int k = 0; k < 50; ++k) flipped[random() % flipped.size()] = char(random());
    variants.push_back(flipped);
  }
  int warnings = 0, fallbacks = 0;
  const std::string png = plot("PNG", [&] {
    const auto lines = printed([] { call(ttfont_, "no/such/font.ttf"); });
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("File error"), std::string::npos);
    EXPECT_EQ(zanglb.ipsfnt, 0);
    int y = 100;
    for (std::size_t i = 0; i < variants.size(); ++i) {
      const std::string name = "bad" + std::to_string(i) + ".ttf";
      writeFile(name, variants[i]);
      const auto out = printed([&] {
        call(ttfont_, name.c_str());
        text("Fallback text", 100, y);
        measure("Fallback text");
      });
      warnings += static_cast<int>(out.size());
      if (zanglb.ipsfnt == 0) ++fallbacks;
      y = 100 + (y + 30) % 1800;
    }
  }, [] { call(scrmod_, "REVERS"); });
  EXPECT_GE(warnings, 4);  // at least the hand-made broken files
  EXPECT_EQ(warnings, fallbacks);
  EXPECT_GT(pngToImage(png).w, 0);
}

}  // namespace
}  // namespace zantor::test
