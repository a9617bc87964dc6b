// Contours given hostile input: corner numbers at the integer limits,
// shaded cells that reach far beyond the page (their mosaic is made for
// the visible part only), and lines thousands of plot units thick (one
// wide line, not thousands of passes).
#include <climits>
#include <filesystem>
#include <sstream>
#include <vector>

#include "axes/curve_support.h"
#include "devices/ps_support.h"
#include "support/ghostscript.h"

namespace zantor::test {
namespace {

class HostileContours : public CurveTest {
 protected:
  std::vector<std::string> polygons() const {
    std::vector<std::string> out;
    const auto& t = traceLines();
    for (size_t i = mark; i < t.size(); ++i)
      if (t[i].rfind("polygon", 0) == 0) out.push_back(t[i]);
    return out;
  }
};

TEST_F(HostileContours, CornerNumbersAtTheIntegerLimitsAreRefused) {
  const float x[3] = {0, 1, 0}, y[3] = {0, 0, 1}, z[3] = {0, 10, 10}, lev = 5;
  const int32_t n = 3, nt = 1, ok[1] = {1}, two[1] = {2};
  graf();
  for (int32_t bad : {INT_MIN, INT_MIN + 1, 0, 4, INT_MAX}) {
    const int32_t third[1] = {bad};
    const auto out = printed([&] { contri_(x, y, z, &n, ok, two, third, &nt, &lev); });
    ASSERT_EQ(out.size(), 1u) << bad;
    EXPECT_NE(out[0].find("   2: "), std::string::npos) << out[0];
  }
  qqstrk();
  EXPECT_TRUE(runs().empty());
}

TEST_F(HostileContours, MosaicOfACellFarBeyondThePageCoversOnlyWhatShows) {
  // One cell that three levels cross, from x = -9e6 to 9e6 (and y the
  // same): 1.8e9 plot units, some 1e17 squares of 5 units.  The window
  // (the axis rectangle, 1001 units) shows about 200 rows of them, each
  // row one run of one colour near the centre of the cell.  Then a cell
  // of +-1e30, beyond the integers.
  for (float far : {9e6f, 1e30f}) {
    const std::vector<float> x{-far, far}, z{0, 1, 3, 2};
    const int32_t two = 2, three = 3;
    const float lv[3] = {0.5f, 1.5f, 2.5f};
    graf();
    conshd_(x.data(), &two, x.data(), &two, z.data(), lv, &three);
    const auto p = polygons();
    EXPECT_GE(p.size(), far < 1e10f ? 190u : 1u) << far;
    EXPECT_LT(p.size(), 4u * 1001 / 5) << far;
    endgrf_();
  }
}

TEST_F(HostileContours, MosaicOfAHugeCellInsideTheAxisKeepsItsSquares) {
  // The same cell set to the axis range, 1000 units across: the squares
  // stay 5 units high, so 200 rows.
  const std::vector<float> x{0, 10}, z{0, 1, 3, 2};
  const int32_t two = 2, three = 3;
  const float lv[3] = {0.5f, 1.5f, 2.5f};
  graf();
  conshd_(x.data(), &two, x.data(), &two, z.data(), lv, &three);
  const auto p = polygons();
  EXPECT_GE(p.size(), 200u);
  EXPECT_LE(p.size(), 4u * 200);
}

// A device that draws wide lines itself: a thick contour reaches it as
// one line of the band's width.
class WideContours : public CurveTest {
 protected:
  DeviceCaps traceCaps() const override {
    DeviceCaps caps = CurveTest::traceCaps();
    caps.hwLineWidth = true;
    return caps;
  }
  struct Stroke {
    Pt a, b;
    double width;
  };
  // The segments drawn since graf with the device width of each, and the
  // width in force at graf.
  std::vector<Stroke> strokes(double& atStart) const {
    const double s = zanglb.xscf, h = zanglb.nyres;
    std::vector<Stroke> out;
    double width = 0;
    Pt at{0, 0};
    const auto& t = traceLines();
    for (size_t i = 0; i < t.size(); ++i) {
      if (i == mark) atStart = width;
      std::istringstream in(t[i]);
      std::string op;
      double a = 0, b = 0;
      in >> op >> a >> b;
      const Pt p{a / s, h - b / s};
      if (op == "width") width = a;
      if (op == "move") at = p;
      if (op == "draw") {
        if (i >= mark) out.push_back({at, p, width});
        at = p;
      }
    }
    return out;
  }
};

TEST_F(WideContours, ThickLineIsOneWideLineWithItsLabelGapsAndThinText) {
  // z = x on 11 x 11 over 0..10: level 4.5 is the line x = 4.5, 1000 plot
  // units long, with labels after 100 units and then every 300.
  std::vector<float> xs, zs;
  for (int i = 0; i <= 10; ++i) xs.push_back(static_cast<float>(i));
  for (int j = 0; j <= 10; ++j) zs.insert(zs.end(), xs.begin(), xs.end());
  call(labels_, "FLOA", "CONT");
  const int32_t one = 1, dist = 300, thick = 40, n = 11;
  labdig_(&one, "CON", 3);
  labdis_(&dist, "CONT", 4);
  thkcrv_(&thick);
  graf();
  const double h = zanglb.nhchar;
  const double zdis = nlmess_("4.5", 3) + 2 * 0.5 * h;
  const float lev = 4.5f;
  contur_(xs.data(), &n, xs.data(), &n, zs.data(), &lev);
  qqstrk();
  double thin = 0;
  const auto all = strokes(thin);
  ASSERT_GT(thin, 0);
  std::vector<std::pair<double, double>> line;  // covered y intervals
  int text = 0;
  for (const Stroke& k : all) {
    if (k.width > 2 * thin) {
      // The band: one line of 40 units on the level, no passes beside it.
      EXPECT_NEAR(k.width / thin, 40.0, 0.01);
      EXPECT_NEAR(k.a.x, px(4.5), 0.01);
      EXPECT_NEAR(k.b.x, px(4.5), 0.01);
      line.push_back({std::min(k.a.y, k.b.y), std::max(k.a.y, k.b.y)});
    } else {
      EXPECT_NEAR(k.width, thin, 1e-9);
      EXPECT_LT(std::fabs(k.a.x - px(4.5)), h);  // text strokes in a gap
      ++text;
    }
  }
  EXPECT_GT(text, 0);
  std::sort(line.begin(), line.end());
  ASSERT_FALSE(line.empty());
  EXPECT_NEAR(line.front().first, py(10), 0.01);
  EXPECT_NEAR(line.back().second, py(0), 0.01);
  std::vector<double> gap;
  double reach = line[0].second;
  for (size_t k = 1; k < line.size(); ++k) {
    if (line[k].first > reach + 1e-3) gap.push_back(line[k].first - reach);
    reach = std::max(reach, line[k].second);
  }
  ASSERT_EQ(gap.size(), 2u);
  EXPECT_NEAR(gap[0], zdis, 1e-3);
  EXPECT_NEAR(gap[1], zdis, 1e-3);
  // The pen has its own width again.
  EXPECT_NEAR(currentLineWidth(), 1.0, 1e-9);
}

class ThickContourFile : public PostScriptTest {};

TEST_F(ThickContourFile, TenThousandUnitsThickWritesASmallFileThatRenders) {
  // A random 64 x 64 grid, three levels with labels, thkcrv(10000): the
  // passes of one plot unit made hundreds of megabytes of PostScript.
  const int32_t n = 64, thick = 10000;
  std::vector<float> x(n), z(static_cast<size_t>(n) * n);
  for (int i = 0; i < n; ++i) x[i] = 10.0f * i / (n - 1);
  uint32_t r = 1;
  for (float& v : z) {
    r = r * 1664525u + 1013904223u;
    v = static_cast<float>(r >> 8) / (1 << 24) * 20.0f - 5.0f;
  }
  const std::string file = plot("PS", [&] {
    float a = 0, e = 10, o = 0, s = 2;
    graf_(&a, &e, &o, &s, &a, &e, &o, &s);
    call(labels_, "FLOA", "CONT");
    thkcrv_(&thick);
    for (float lev : {0.0f, 5.0f, 10.0f}) contur_(x.data(), &n, x.data(), &n, z.data(), &lev);
    concrv_(x.data(), x.data(), &n, &z[0]);  // a given line, as thick
  });
  EXPECT_LT(std::filesystem::file_size(file), 400u * 1024);
  if (haveGhostscript()) {
    EXPECT_GT(renderPage(file, 20, Pixels::Grey).w, 0);
  }
}

}  // namespace
}  // namespace zantor::test
