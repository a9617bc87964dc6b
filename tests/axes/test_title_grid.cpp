// Titles above and below the axis system, grids at the label positions,
// lines and axes through the origin, and the end of an axis system.
#include "axes/decoration_support.h"

namespace zantor::test {
namespace {

class Title : public DecorationTest {};
class Grid : public DecorationTest {};

TEST_F(Title, CentredAboveTheAxisSystemAndUnderlined) {
  const int32_t one = 1, four = 4;
  titlin_("Title line", &one, 10);
  titlin_("Fourth", &four, 6);
  axes();
  const double h = zanglb.nhchar, lsp = zanglb.xlinsp;
  const int32_t length = nlmess_("Title line", 10);
  mark();
  title_();
  const auto all = segments();
  ASSERT_FALSE(all.empty());
  // Line 1 is the highest; its glyphs lie in the band of its height.
  const double top1 = 1600 - 1000 - 3 * h - 3 * lsp * h;
  Box first, fourth;
  for (const auto& s : all) {
    if (s.y1 < top1 + h + 1) first.add(s.x1, s.y1), first.add(s.x2, s.y2);
    else fourth.add(s.x1, s.y1), fourth.add(s.x2, s.y2);
  }
  // The text box (of the measured length) is centred; the ink ends a
  // glyph's side bearing before it.
  const double x = 400 - (length - 1500) / 2.0;
  EXPECT_NEAR(first.left, x, 3);
  EXPECT_LE(first.right, x + length + 1);
  EXPECT_GE(first.right, x + length - h / 2);
  EXPECT_GE(first.top, top1 - 1);
  EXPECT_LE(first.bottom, top1 + h + 1);
  // Line 4 lies 3 heights above the axis rectangle.
  EXPECT_NEAR(fourth.bottom, 1600 - 1000 - 3 * h + h - 1, 3);
  // Underlined: a line 1.2 h below the top, h/2 beyond the text each side.
  const int32_t minus1 = -1;
  titlin_("Title line", &minus1, 10);
  mark();
  title_();
  int underline = 0;
  for (const auto& s : segments())
    if (s.horizontal() && std::abs(s.y1 - (top1 + 1.2 * h)) < 1.5 &&
        std::abs(std::abs(s.x2 - s.x1) - (length + h)) < 2)
      ++underline;
  EXPECT_EQ(underline, 1);
}

TEST_F(Title, BelowLeftAndRightJustified) {
  const int32_t one = 1;
  titlin_("Below", &one, 5);
  call(titpos_, "BELO");
  call(titjus_, "RIGH");
  axes();
  const double h = zanglb.nhchar;
  const int32_t length = nlmess_("Below", 5);
  mark();
  title_();
  Box b = bounds(segments());
  EXPECT_LE(b.right, 400 + 1500);
  EXPECT_GE(b.right, 400 + 1500 - h / 2);
  EXPECT_NEAR(b.left, 400 + 1500 - length, 3);
  EXPECT_GE(b.top, 1600 + 4 * h - 1);
  lfttit_();
  const int32_t big = 72;
  htitle_(&big);
  mark();
  title_();
  b = bounds(segments());
  EXPECT_NEAR(b.left, 400, 3);
  EXPECT_GT(b.bottom - b.top, 1.5 * h);       // drawn at the title height
  EXPECT_EQ(zanglb.nhchar, static_cast<int32_t>(h));  // and restored
  const int32_t five = 5;
  EXPECT_EQ(printed([&] { titlin_("x", &five, 1); }).size(), 1u);
}

TEST_F(Grid, LinesAtEveryLabelAndTick) {
  axes();
  auto count = [&](int32_t ix, int32_t iy, int& vertical, int& horizontal) {
    mark();
    grid_(&ix, &iy);
    vertical = horizontal = 0;
    for (const auto& s : segments()) {
      if (s.vertical() && std::abs(std::abs(s.y2 - s.y1) - 999) < 1.5) {
        ++vertical;
        // Every vertical line stands at a multiple of the tick step.
        const double v = (s.x1 - 400) / 149.9 * ix / 2;
        EXPECT_NEAR(v, std::round(v), 0.01);
      }
      if (s.horizontal() && std::abs(std::abs(s.x2 - s.x1) - 1499) < 1.5) ++horizontal;
    }
  };
  int v = 0, h = 0;
  count(1, 1, v, h);
  EXPECT_EQ(v, 6);  // 0, 2, ..., 10
  EXPECT_EQ(h, 6);  // 0, 20, ..., 100
  count(2, 0, v, h);
  EXPECT_EQ(v, 11);
  EXPECT_EQ(h, 0);
  // The axis settings are untouched.
  EXPECT_EQ(zanglb.nticx[0], 2);
  EXPECT_EQ(zanglb.isetgr[1], 2);
  const int32_t bad = -1, one = 1;
  mark();
  EXPECT_EQ(printed([&] { grid_(&bad, &one); }).size(), 1u);
  EXPECT_TRUE(segments().empty());
}

TEST_F(Grid, LinesThroughTheOriginOnlyInsideTheScaling) {
  axes();  // Y from 0 to 100: zero is not strictly inside
  mark();
  xaxgit_();
  EXPECT_TRUE(segments().empty());
  endgrf_();
  axes(-5, 5, -4, 2, -50, 50, -40, 20);
  mark();
  axgit_();
  const auto s = segments();
  ASSERT_EQ(s.size(), 2u);
  EXPECT_TRUE(s[0].horizontal());
  EXPECT_NEAR(s[0].y1, 1600 - 499.5, 0.6);
  EXPECT_TRUE(s[1].vertical());
  EXPECT_NEAR(s[1].x1, 400 + 749.5, 0.6);
  // cross draws axes with ticks through the origin, not the frame.
  mark();
  cross_();
  const Box b = bounds(segments());
  EXPECT_NEAR(b.left, 400, 1);
  EXPECT_NEAR(b.right, 1899, 1);
  EXPECT_EQ(zanglb.iaxsfr, 0);
}

TEST_F(Grid, EndgrfReturnsToLevelOneAndAllowsANewAxisSystem) {
  axes();
  call(clpbor_, "AXIS");
  endgrf_();
  EXPECT_EQ(zanglb.nlev, 1);
  EXPECT_EQ(zanglb.iclipp, 0);
  EXPECT_EQ(printed([] { grid_(&zanglb.nlev, &zanglb.nlev); }).size(), 1u);
  EXPECT_TRUE(printed([] { endgrf_(); }).empty());  // nothing to end
  axes();
  EXPECT_EQ(zanglb.nlev, 2);
}

}  // namespace
}  // namespace zantor::test
