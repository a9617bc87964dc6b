// Measuring and placing text: lengths pinned to the glyph data,
// justification at several angles, exponents and indices.
#include <cmath>
#include <cstdlib>

#include "draw/pipeline.h"
#include "text/font_store.h"
#include "text/text_engine.h"
#include "text_support.h"

namespace zantor::test {
namespace {

class TextLayout : public LibraryTest {
 protected:
  void SetUp() override {
    LibraryTest::SetUp();
    openTracedPlot();
  }
  int length(const char* s) { return nlmess_(s, len(s)); }
  void message(const char* s, int x, int y) { messag_(s, &x, &y, len(s)); }
  const PlotPoint& firstPoint() {
    pts = tracedPoints();
    EXPECT_FALSE(pts.empty());
    if (pts.empty()) pts.push_back({true, 0, 0});
    return pts.front();
  }
  std::vector<PlotPoint> pts;
};

TEST_F(TextLayout, LengthOfOneCharacterIsItsGlyphWidthWithoutSpacing) {
  ASSERT_EQ(zanglb.nhchar, 36);
  // Font 1: every standard glyph is 6 grid units of a 6-unit grid.
  EXPECT_EQ(length("A"), 35);
  EXPECT_EQ(length("A   "), 35);  // trailing blanks do not count
  EXPECT_EQ(length("AB"), 70);
  EXPECT_EQ(length(""), 0);
  EXPECT_EQ(length("    "), 0);
  // A font with spacing: the spacing lies between characters only.
  complx_();
  const double xf = 35.0 / zanglb.npxalf[0];
  const double wA = glyphWidth(1, 'A') * xf, wW = glyphWidth(1, 'W') * xf;
  ASSERT_GT(wA, 10.0);
  EXPECT_EQ(length("A"), std::lround(wA));
  EXPECT_EQ(length("AW"), std::lround(wA + 0.25 * 36 + wW));
  // Width factor and extra spacing scale what they should.
  float half = 0.5f, extra = 1.0f;
  chawth_(&half);
  EXPECT_EQ(length("A"), std::lround(wA * 0.5));
  chaspc_(&extra);
  EXPECT_EQ(length("AW"), std::lround(0.5 * wA + (0.25 + 1.0) * 36 + 0.5 * wW));
}

TEST_F(TextLayout, MeasuringLeavesTheTextStateAlone) {
  mixalf_();
  zanglb.xalf = 123.0f;
  EXPECT_EQ(length("x[2$y"), 35 + 28 + 35);  // the exponent is 29 high
  EXPECT_EQ(length("x[2"), 35 + 28);
  EXPECT_EQ(zanglb.nhchar, 36);
  EXPECT_EQ(zanglb.xalf, 123.0f);
  EXPECT_EQ(zanglb.inoplt, 0);
}

TEST_F(TextLayout, JustificationMovesTheStartAlongTheBaseline) {
  for (int deg : {0, 90, 30}) {
    angle_(&deg);
    const double L = length("HELLO");
    ASSERT_GT(L, 100);
    const double c = std::cos(deg * M_PI / 180), s = std::sin(deg * M_PI / 180);
    double x0 = 0, y0 = 0;
    for (const char* mode : {"LEFT", "CENT", "RIGH"}) {
      call(txtjus_, mode);
      const size_t before = tracedPoints().size();
      message("HELLO", 1000, 1000);
      qqstrk();
      const auto all = tracedPoints();
      ASSERT_GT(all.size(), before);
      const PlotPoint p = all[before];  // the first point of this message
      if (std::string(mode) == "LEFT") {
        x0 = p.x, y0 = p.y;
        continue;
      }
      const double d = std::string(mode) == "CENT" ? L / 2 : L;
      SCOPED_TRACE(std::string(mode) + " at " + std::to_string(deg));
      EXPECT_NEAR(p.x, x0 - d * c, 1.01);
      EXPECT_NEAR(p.y, y0 + d * s, 1.01);
    }
    call(txtjus_, "LEFT");
  }
}

TEST_F(TextLayout, VerticalJustificationMovesTheTopUp) {
  message("H", 1000, 1000);
  qqstrk();
  const PlotPoint top = firstPoint();
  call(txtjus_, "BOTT");
  qqstrk();
  const size_t before = tracedPoints().size();
  message("H", 1000, 1000);
  qqstrk();
  const auto all = tracedPoints();
  ASSERT_GT(all.size(), before);
  const PlotPoint p = all[before];
  EXPECT_NEAR(p.x, top.x, 0.01);
  EXPECT_NEAR(p.y, top.y - 36, 0.01);
}

TEST_F(TextLayout, ExponentIsRaisedAndSmallerAndTheBaselineReturns) {
  mixalf_();
  message("x[2$y", 1000, 1000);
  const float baseline = 1000 + 35;
  EXPECT_FLOAT_EQ(zanglb.yalf, baseline);
  EXPECT_EQ(zanglb.nhchar, 36);
  qqstrk();
  double lowest2 = 0, lowestY = 0;
  for (const auto& p : tracedPoints()) {
    if (p.x > 1036 && p.x < 1062) lowest2 = std::max(lowest2, p.y);
    if (p.x > 1064) lowestY = std::max(lowestY, p.y);
  }
  // The 2 sits 0.6 heights up; the y is back on (and below) the baseline.
  EXPECT_LE(lowest2, baseline - 0.6 * 36 + 0.5);
  EXPECT_GT(lowest2, baseline - 0.6 * 36 - 29);
  EXPECT_GE(lowestY, baseline - 0.5);
}

TEST_F(TextLayout, TextEndingInsideAnIndexRestoresHeightAndBaseline) {
  mixalf_();
  message("x]]2", 500, 500);
  EXPECT_EQ(zanglb.nhchar, 36);
  EXPECT_FLOAT_EQ(zanglb.yalf, 535);
  // Indices nest with shrinking heights: 36 -> 29 -> 23.
  EXPECT_EQ(length("x]]2"), 35 + 22);
  newmix_();
  EXPECT_EQ(length("x^2%y"), 35 + 28 + 35);
  EXPECT_EQ(length("x[2$y"), 35 + 35 + 35 + 35 + 35);  // now plain characters
}

TEST_F(TextLayout, ContinuationDrawsAfterThePreviousText) {
  message("AB", 400, 400);
  const float x = zanglb.xalf;
  int c = 999;
  messag_("C", &c, &c, 1);
  EXPECT_FLOAT_EQ(zanglb.xalf, x + 35);
  EXPECT_FLOAT_EQ(zanglb.yalf, 435);
}

// A specimen of the text engine as a picture: plain text, exponents and
// indices, an angle and right justification.  Set ZANTOR_TEXT_PICTURE to a
// path to keep the picture (PGM) for looking at it.
TEST_F(TextLayout, SpecimenPicture) {
  mixalf_();
  message("Text 123 x[2$ + y]i$", 100, 100);
  int deg = 30;
  angle_(&deg);
  message("Angle 30", 200, 700);
  deg = 0;
  angle_(&deg);
  call(txtjus_, "RIGH");
  message("right", 1400, 400);
  complx_();
  call(txtjus_, "LEFT");
  message("Complex e[-x$", 100, 250);
  qqstrk();
  Picture pic(800, 450);
  pic.strokes(tracedPoints(), 0, 0, 2.0);
  // Ink where each text goes, none in an empty corner.
  EXPECT_GT(pic.ink(50, 50, 300, 75), 200);     // first line
  EXPECT_GT(pic.ink(550, 200, 700, 220), 50);   // right-justified, ends at x 700
  EXPECT_EQ(pic.ink(701, 190, 800, 230), 0);
  EXPECT_GT(pic.ink(100, 250, 350, 355), 100);  // the slanted line
  EXPECT_EQ(pic.ink(600, 300, 800, 450), 0);
  if (const char* keep = std::getenv("ZANTOR_TEXT_PICTURE")) {
    EXPECT_TRUE(pic.writePgm(keep));
  }
}

}  // namespace
}  // namespace zantor::test
