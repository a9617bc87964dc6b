// Screen font routines: names of other font systems lead to the standard
// font of their family and style; bitmap fonts stay black and white and
// space their characters wider.
#include <zantor.h>

#include <string>

#include "core/state.h"
#include "devices/ps_support.h"
#include "devices/vector_support.h"
#include "hwfonts/font_families.h"
#include "hwfonts/font_metrics.h"
#include "hwfonts/outline_fonts.h"

namespace zantor::test {
namespace {

int index(const char* name) { return standardFontIndex(name); }

TEST(ScreenFontNames, XLogicalDescriptionsGiveFamilyAndStyle) {
  EXPECT_EQ(x11FontIndex("-adobe-helvetica-bold-o-normal--12-120-75-75-p-70-iso8859-1"),
            index("Helvetica-BoldOblique"));
  EXPECT_EQ(x11FontIndex("-*-times-medium-r-*-*-14-*"), index("Times-Roman"));
  EXPECT_EQ(x11FontIndex("-urw-Courier-*-i-*"), index("Courier-Oblique"));
  EXPECT_EQ(x11FontIndex("-adobe-helvetica-demibold-r-narrow--"), index("Helvetica-Narrow-Bold"));
  EXPECT_EQ(x11FontIndex("-b&h-lucida-medium-r-normal--"), -1);
  EXPECT_EQ(x11FontIndex("-"), -1);
  EXPECT_EQ(x11FontIndex("palatino"), index("Palatino-Roman"));
}

TEST(ScreenFontNames, FaceNamesWithStyleWords) {
  EXPECT_EQ(faceNameFontIndex("Times New Roman Bold Italic"), index("Times-BoldItalic"));
  EXPECT_EQ(faceNameFontIndex("Arial"), index("Helvetica"));
  EXPECT_EQ(faceNameFontIndex("arial  oblique "), index("Helvetica-Oblique"));
  EXPECT_EQ(faceNameFontIndex("Courier New Regular"), index("Courier"));
  EXPECT_EQ(faceNameFontIndex("Bookman Old Style Bold"), index("Bookman-Demi"));
  EXPECT_EQ(faceNameFontIndex("Century Gothic Italic"), index("AvantGarde-BookOblique"));
  EXPECT_EQ(faceNameFontIndex("Symbol Bold"), index("Symbol"));
  EXPECT_EQ(faceNameFontIndex("Comic Sans"), -1);
  EXPECT_EQ(faceNameFontIndex("Bold"), -1);
}

class ScreenFonts : public PostScriptTest {
 protected:
  static int measure(const char* s) { return nlmess_(s, len(s)); }
  static void text(const char* s, int x, int y) { messag_(s, &x, &y, len(s)); }
  static void setHeight(int n) { height_(&n); }
  static double widths(const char* s, int font, int h) {
    double sum = 0;
    for (const char* p = s; *p != 0; ++p) sum += charWidth(font, static_cast<unsigned char>(*p));
    return sum * h / kFontMetrics[font].capHeight;
  }
};

TEST_F(ScreenFonts, RoutinesChooseTheFontAndItsSpacing) {
  int x11 = 0, win = 0, bitmap = 0;
  double smallScale = 1, largeScale = 0;
  std::string x11Name, winName;
  const std::string svg = plot("SVG", [&] {
    setHeight(100);
    call(x11fnt_, "-adobe-times-bold-r-normal--", "STANDARD");
    x11Name = zanglb.cpsfnt.str();
    x11 = measure("HIH");
    call(winfnt_, "Arial Bold");
    winName = zanglb.cpsfnt.str();
    win = measure("HIH");
    text("HIH", 100, 100);
    call(bmpfnt_, "Arial Bold");
    bitmap = measure("HIH");
    smallScale = zanglb.xscf;
  });
  int bitmapPs = 0;
  plot("PS", [&] {
    setHeight(100);
    call(bmpfnt_, "Arial Bold");
    bitmapPs = measure("HIH");
    largeScale = zanglb.xscf;
  });
  EXPECT_TRUE(xmllintAccepts(svg));
  EXPECT_EQ(x11Name, "Times-Bold");
  EXPECT_EQ(winName, "Helvetica-Bold");
  EXPECT_NE(readFile(svg).find("font-family=\"Helvetica\" font-weight=\"bold\""),
            std::string::npos);
  // Two spaces of a tenth of the height; for the bitmap font 0.15 of it,
  // or 0.18 on a device of small scale (SVG).
  const int helveticaBold = index("Helvetica-Bold");
  EXPECT_NEAR(x11, widths("HIH", index("Times-Bold"), 100) + 20, 1.0);
  EXPECT_NEAR(win, widths("HIH", helveticaBold, 100) + 20, 1.0);
  ASSERT_LT(smallScale, 0.3);
  ASSERT_GE(largeScale, 0.3);
  EXPECT_NEAR(bitmap, widths("HIH", helveticaBold, 100) + 36, 1.0);
  EXPECT_NEAR(bitmapPs, widths("HIH", helveticaBold, 100) + 30, 1.0);
}

TEST_F(ScreenFonts, BadNamesAndOptionsWarn) {
  std::vector<std::string> out;
  std::string kept;
  plot("PS", [&] {
    call(winfnt_, "Courier New");
    out = printed([&] {
      call(x11fnt_, "-adobe-times-bold-r-normal--", "KOI8");
      kept = zanglb.cpsfnt.str();
      call(winfnt_, "Comic Sans");
      call(bmpfnt_, "  ");
    });
  });
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(kept, "Courier");
  EXPECT_EQ(out[1], " <<<< Warning: Comic Sans is not a standard font!");
  EXPECT_NE(out[2].find("Incorrect parameter"), std::string::npos);
  EXPECT_EQ(zanglb.cpsfnt.str(), "Times-Roman");
}

TEST_F(ScreenFonts, BitmapFontsStayBlackAndWhiteInTrueColour) {
  if (standardFontFile(index("Helvetica")).empty()) GTEST_SKIP() << "no outline fonts installed";
  const std::string file = plot("PNG", [&] {
    call(bmpfnt_, "Helvetica");
    setHeight(120);
    text("Ink", 500, 500);
  }, [&] {
    call(imgfmt_, "RGB");
    call(scrmod_, "REVERS");
  });
  const Image im = pngToImage(file);
  ASSERT_GT(im.w, 0);
  int ink = 0, grey = 0;
  for (int y = 0; y < im.h; ++y)
    for (int x = 0; x < im.w; ++x) {
      const Rgb c = im.at(x, y);
      const int v = (c.r + c.g + c.b) / 3;
      if (v < 128) ++ink;
      if (v > 40 && v < 215) ++grey;
    }
  EXPECT_GT(ink, 100);
  EXPECT_EQ(grey, 0);
}

}  // namespace
}  // namespace zantor::test
