// Pattern setters, their checks and the fill defaults of a new plot.
#include "draw/fill.h"
#include "fill_trace.h"

namespace zantor::test {
namespace {

class FillPatterns : public FillTest {
 protected:
  bool warned(const std::vector<std::string>& out, const char* routine) {
    for (const auto& l : out)
      if (l.find("Warning   2:") != std::string::npos && l.find(routine) != std::string::npos)
        return true;
    return false;
  }
};

TEST_F(FillPatterns, PredefinedPatternsAndCodesDecode) {
  open();
  struct Case { int32_t n, angle, type, dens, cross; };
  for (const Case c : {Case{2, 150, 4, 5, 0}, Case{9, 45, 2, 1, 1}, Case{16, 0, 1, 0, 0},
                       Case{17, 0, 5, 5, 0}, Case{0, 0, 0, 0, 0}, Case{70471, 70, 4, 7, 1}}) {
    shdpat_(&c.n);
    EXPECT_EQ(zanglb.nshd, c.n);
    EXPECT_EQ(zanglb.iangsh, c.angle) << c.n;
    EXPECT_EQ(zanglb.itypsh, c.type) << c.n;
    EXPECT_EQ(zanglb.idensh, c.dens) << c.n;
    EXPECT_EQ(zanglb.icrosh, c.cross) << c.n;
  }
  // Spacing and grouping by type: type 4 density 7 draws bands of 8 lines
  // 0.1 mm apart and skips 40.
  EXPECT_FLOAT_EQ(zanglb.ydifsh, 1.0f);
  EXPECT_EQ(zanglb.ndrawl, 8);
  EXPECT_EQ(zanglb.nskipl, 40);
  // Types 6 and 7 keep the counts of the last grouped pattern.
  const int32_t a = 10, t = 6, d = 2, x = 0;
  mypat_(&a, &t, &d, &x);
  EXPECT_EQ(zanglb.nshd, 10620);
  EXPECT_EQ(zanglb.ndrawl, 8);
  EXPECT_EQ(zanglb.nskipl, 40);
  EXPECT_FLOAT_EQ(zanglb.ydifsh, 11.9999f);
  close();
}

TEST_F(FillPatterns, BadValuesWarnAndLeaveThePatternUnchanged) {
  open();
  const int32_t keep = 5;
  shdpat_(&keep);
  const int32_t neg = -1;
  EXPECT_TRUE(warned(printed([&] { shdpat_(&neg); }), "SHDPAT"));
  EXPECT_EQ(zanglb.nshd, 5);
  const int32_t parts[][4] = {{180, 1, 5, 0}, {-1, 1, 5, 0}, {10, 8, 5, 0},
                              {10, 1, 10, 0}, {10, 1, 5, 2}, {10, -1, 5, 0}};
  for (const auto& p : parts) {
    EXPECT_TRUE(warned(printed([&] { mypat_(&p[0], &p[1], &p[2], &p[3]); }), "MYPAT"));
    EXPECT_EQ(zanglb.nshd, 5);
    EXPECT_EQ(zanglb.iangsh, 45);
    EXPECT_EQ(zanglb.icrosh, 1);
  }
  const float factors[] = {0.0f, -2.0f, std::nanf("")};
  for (float f : factors) {
    EXPECT_TRUE(warned(printed([&] { shdfac_(&f); }), "SHDFAC"));
    EXPECT_FLOAT_EQ(zanglb.xshdfc, 1.0f);
  }
  const float two = 2.0f;
  shdfac_(&two);
  EXPECT_FLOAT_EQ(zanglb.ydifsh, 2 * 26.9999f);
  close();
}

TEST_F(FillPatterns, AreafAndRectanCheckTheirSizes) {
  open();
  std::vector<int32_t> x(1000001, 100), y(1000001, 100);
  for (int32_t n : {1, 0, 1000001}) {
    EXPECT_TRUE(warned(printed([&] { areaf_(x.data(), y.data(), &n); }), "AREAF")) << n;
  }
  const int32_t p = 100, w = 50, zero = 0;
  EXPECT_TRUE(warned(printed([&] { rectan_(&p, &p, &zero, &w); }), "RECTAN"));
  EXPECT_TRUE(warned(printed([&] { rectan_(&p, &p, &w, &zero); }), "RECTAN"));
  const int32_t r0 = 0;
  EXPECT_TRUE(warned(printed([&] { circle_(&p, &p, &r0); }), "CIRCLE"));
  EXPECT_TRUE(warned(printed([&] { ellips_(&p, &p, &w, &r0); }), "ELLIPS"));
  const int32_t neg = -1;
  EXPECT_TRUE(warned(printed([&] { pagfll_(&neg); }), "PAGFLL"));
  close();
  EXPECT_EQ(count("draw"), 0);
}

TEST_F(FillPatterns, ShapesOutsideAPlotWarnIncorrectLevel) {
  const int32_t p = 100;
  auto out = printed([&] { circle_(&p, &p, &p); });
  ASSERT_FALSE(out.empty());
  EXPECT_NE(out[0].find("Warning   3"), std::string::npos);
}

TEST_F(FillPatterns, EachPlotStartsWithOutlinedEmptyAreas) {
  call(units_, "INCH");
  open();
  const int32_t n = 7;
  shdpat_(&n);
  zanglb.ilinsh = 0;
  zanglb.ifrclr = 3;
  close();
  open();
  EXPECT_EQ(zanglb.nshd, 0);
  EXPECT_EQ(zanglb.itypsh, 0);
  EXPECT_EQ(zanglb.ilinsh, 1);
  EXPECT_EQ(zanglb.ihwshd, 1);
  EXPECT_EQ(zanglb.ifrclr, -1);
  EXPECT_FLOAT_EQ(zanglb.xshdfc, 1.0f);
  EXPECT_FLOAT_EQ(zanglb.xcirsp, 10.0f / 2.54f);
  // shdpat(0): only the outline is drawn.
  areaf({100, 200, 200, 100}, {100, 100, 200, 200});
  auto seg = segments();
  close();
  EXPECT_EQ(seg.size(), 4u);
}

}  // namespace
}  // namespace zantor::test
