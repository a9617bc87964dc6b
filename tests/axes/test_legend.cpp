// Legends: the box that nxlegn/nylegn report is the box drawn, its ten
// positions, the layout types and the warnings of the legend routines.
#include <string>

#include "axes/decoration_support.h"
#include "axes/legend_record.h"

namespace zantor::test {
namespace {

class Legend : public DecorationTest {
 protected:
  // A legend of `n` lines of 20 characters with texts "Curve i".
  void lines(int32_t n) {
    const int32_t width = 20;
    legini_(buf.data(), &n, &width, buf.size());
    for (int32_t i = 1; i <= n; ++i) {
      const std::string s = "Curve " + std::to_string(i);
      leglin_(buf.data(), s.c_str(), &i, buf.size(), s.size());
    }
  }
  static void curves(int n, int32_t colour = 0x010000FF) {
    for (int i = 0; i < n; ++i) recordCurveForLegend({i % 8, colour, 1, i % 3 == 2 ? 4 : -1, -1});
  }
  int32_t width() { return nxlegn_(buf.data(), buf.size()); }
  int32_t height() { return nylegn_(buf.data(), buf.size()); }
  void draw(int32_t corner) { legend_(buf.data(), &corner, buf.size()); }
  // Draws at `corner` and returns the bounds of what was drawn.
  Box drawn(int32_t corner) {
    mark();
    draw(corner);
    return bounds(segments());
  }

  std::string buf = std::string(80 * 20, 'x');
};

TEST_F(Legend, DrawnBoxHasTheReportedSizeAtEveryCorner) {
  lines(3);
  curves(3);
  axes();
  const int32_t w = width(), h = height();
  ASSERT_GT(w, 0);
  ASSERT_GT(h, 0);
  const double d = zanglb.nhchar;  // the default distance is one height
  const double pageRight = zanglb.nxres - 1, pageBottom = zanglb.nyres - 1;
  const double left = 400, right = 400 + 1500 - 1, bottom = 1600, top = 1600 - 1000 + 1;
  const double middle = std::floor((top + bottom - (h - 1)) / 2);
  struct Want {
    double x, y;
  };
  const Want want[10] = {{d, pageBottom - d - h + 1},
                         {pageRight - d - w + 1, pageBottom - d - h + 1},
                         {pageRight - d - w + 1, d},
                         {d, d},
                         {left + d, bottom - d - h + 1},
                         {right - d - w + 1, bottom - d - h + 1},
                         {right - d - w + 1, top + d},
                         {left + d, top + d},
                         {d, middle},
                         {pageRight - d - w + 1, middle}};
  for (int32_t corner = 1; corner <= 10; ++corner) {
    const Box b = drawn(corner);
    EXPECT_NEAR(b.left, want[corner - 1].x, 0.6) << corner;
    EXPECT_NEAR(b.top, want[corner - 1].y, 0.6) << corner;
    EXPECT_NEAR(b.right - b.left + 1, w, 0.6) << corner;
    EXPECT_NEAR(b.bottom - b.top + 1, h, 0.6) << corner;
  }
}

TEST_F(Legend, AbsoluteDistanceAndExplicitPosition) {
  lines(2);
  curves(2);
  axes();
  const float dist = -100;
  legval_(&dist, "DIST", 4);
  Box b = drawn(8);
  EXPECT_NEAR(b.left, 400 + 100, 0.6);
  EXPECT_NEAR(b.top, 601 + 100, 0.6);
  const int32_t x = 1000, y = 300;
  legpos_(&x, &y);
  b = drawn(99);  // the corner number does not count with a position
  EXPECT_NEAR(b.left, 1000, 0.6);
  EXPECT_NEAR(b.top, 300, 0.6);
}

TEST_F(Legend, LayoutTypesAndLineSplitting) {
  lines(4);
  curves(4);
  const int32_t wv = width(), hv = height();
  // A horizontal legend of the same lines: one row.
  call(legtyp_, "HORI");  // refused: the legend is initialised, not drawn
  EXPECT_EQ(zanglb.ilgtyp, 0);
  axes();
  draw(1);
  call(legtyp_, "HORI");
  EXPECT_EQ(zanglb.ilgtyp, 1);
  lines(4);
  curves(4);
  const int32_t wh = width(), hh = height();
  EXPECT_GT(wh, 2 * wv);
  EXPECT_LT(hh, hv);
  // A table of two columns filled row by row: two rows.
  call(legtyp_, "TABL");  // refused again: that legend is pending
  draw(1);
  call(legtyp_, "TABL");
  lines(4);
  curves(4);
  const int32_t two = 2;
  legtbl_(&two, "HORI", 4);
  const int32_t wt = width(), ht = height();
  EXPECT_GT(wt, wv);
  EXPECT_LT(wt, wh);
  EXPECT_LT(ht, hv);
  EXPECT_GT(ht, hh);
  // A separator adds one text line to the box.
  const int32_t one = 1;
  leglin_(buf.data(), "first/second", &one, buf.size(), 12);
  const double pitch = zanglb.xlinsp * zanglb.nhchar;
  EXPECT_NEAR(height(), ht + pitch, 1);
  // legval(0, "PATT") leaves out the samples and the space after them.
  const float zero = 0;
  const int32_t before = width();
  legval_(&zero, "PATT", 4);
  EXPECT_NEAR(before - width(), 2 * (4 + 2) * zanglb.nhchar, 2);
}

TEST_F(Legend, SamplesUseTheRecordedColourAndMarkersOnlyHalveTheSample) {
  lines(2);
  recordCurveForLegend({0, 0x0100FF00, 1, -1, -1});  // green line
  recordCurveForLegend({-1, 0x01FF0000, 1, 3, -1});  // blue marker only
  axes();
  mark();
  draw(5);
  const auto c = colours();
  auto sent = [&](int value) {
    for (const auto& l : c)
      if (l.find(" " + std::to_string(value)) != std::string::npos) return true;
    return false;
  };
  EXPECT_TRUE(sent(0x0100FF00));
  EXPECT_TRUE(sent(0x01FF0000));
  const int32_t withLine = width();
  // Only markers: the sample is half as long.
  lines(2);
  recordCurveForLegend({-1, 0, 1, 3, -1});
  recordCurveForLegend({-1, 0, 1, 4, -1});
  EXPECT_NEAR(withLine - width(), 2 * zanglb.nhchar, 1);
}

TEST_F(Legend, RecordingRestartsWithEveryAxisSystem) {
  lines(2);
  axes();
  curves(2, 0x01000001);
  EXPECT_EQ(zanglb.nlgcrv, 2);
  endgrf_();
  EXPECT_EQ(zanglb.nlgcrv, 0);
  axes();
  recordCurveForLegend({3, 0x01000002, 2, -1, -1});
  EXPECT_EQ(zanglb.nlgcrv, 1);
  EXPECT_EQ(zanglb.ilgcol[0], 0x01000002);
  EXPECT_EQ(zanglb.ilgsty[0], 3);
  // Lines set by legpat keep their attributes.
  const int32_t two = 2, ltyp = 1, thk = 1, sym = -1, clr = 5, pat = -1;
  legpat_(&two, &ltyp, &thk, &sym, &clr, &pat);
  recordCurveForLegend({4, 0x01000003, 1, -1, -1});
  EXPECT_EQ(zanglb.ilgcol[1], 5);
}

TEST_F(Legend, WarningsOfTheLegendRoutines) {
  axes();
  const int32_t one = 1;
  // 15: no legini.
  auto out = printed([&] { draw(1); });
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0], " <<<< Warning  15: No call to LEGINI before in LEGEND!");
  EXPECT_EQ(printed([&] { EXPECT_EQ(width(), 0); }).size(), 1u);
  // 17: buffer shorter than nlin * nmaxln; the legend stays uninitialised.
  char small[10];
  const int32_t nlin = 3, nmax = 4;
  out = printed([&] { legini_(small, &nlin, &nmax, sizeof small); });
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0], " <<<< Warning  17: Not enough store for the legend buffer in LEGINI!");
  EXPECT_EQ(zanglb.ilgopt, 0);
  // 16: text longer than the line; the line keeps its text.
  lines(2);
  const std::string longText(21, 'a');
  out = printed([&] { leglin_(buf.data(), longText.c_str(), &one, buf.size(), longText.size()); });
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0], " <<<< Warning  16: String too long for legend line in LEGLIN!   (" + longText +
                        ")");
  EXPECT_EQ(buf.substr(0, 8), "Curve 1 ");
  // 42: more legend lines than curves, with the excess.
  curves(1);
  out = printed([&] { draw(1); });
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0], " <<<< Warning  42: More legend lines than calls to curve in LEGEND!   (   1)");
  // 2: legopt with a non-positive value leaves the factors.
  const float a = 1, b = 0, c = 1;
  EXPECT_EQ(printed([&] { legopt_(&a, &b, &c); }).size(), 1u);
  EXPECT_FLOAT_EQ(zanglb.flg2, 0.5f);
}

TEST_F(Legend, UndefinedLinesWithLegpatAndLegsel) {
  lines(3);
  axes();
  const int32_t one = 1, ltyp = 0, thk = 1, sym = 2, clr = -1, pat = -1;
  legpat_(&one, &ltyp, &thk, &sym, &clr, &pat);
  auto out = printed([&] { draw(1); });
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0], " <<<< Warning 149: Undefined legend line in LEGEND!   (   2)");
  EXPECT_EQ(out[1], " <<<< Warning 149: Undefined legend line in LEGEND!   (   3)");
  // Selecting line 1 only, and a line the legend does not have.
  const int32_t sel[2] = {1, 7}, n = 2;
  legsel_(sel, &n);
  out = printed([&] { draw(1); });
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0], " <<<< Warning 149: Undefined legend line by LEGSEL in LEGEND!   (   7)");
  // The selection shows one line: the box holds the title and one line.
  const int32_t h1 = height();
  const int32_t all = 0;
  legsel_(sel, &all);
  EXPECT_NEAR(height() - h1, 2 * zanglb.xlinsp * zanglb.nhchar, 1);
}

TEST_F(Legend, LegendIsRefusedOutsideAnAxisSystem) {
  lines(1);
  curves(1);
  auto out = printed([&] { draw(1); });
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0], " <<<< Warning   3: Incorrect level in LEGEND!   (   1)");
  EXPECT_GT(width(), 0);  // measuring works at level 1
}

}  // namespace
}  // namespace zantor::test
