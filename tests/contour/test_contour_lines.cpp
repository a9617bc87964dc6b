// Contour lines drawn through the line pipeline (traced plot): label gaps,
// passes of thick lines, lines on triangulations, shaded cells, settings
// and bad input.
#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>

#include "axes/curve_support.h"

namespace zantor::test {
namespace {

class ContourLines : public CurveTest {
 protected:
  // z = x on an 11 x 11 grid over 0..10.
  void gridOfX() {
    for (int i = 0; i <= 10; ++i) xs.push_back(static_cast<float>(i));
    for (int j = 0; j <= 10; ++j)
      for (int i = 0; i <= 10; ++i) zs.push_back(static_cast<float>(i));
  }
  void contur(float zlev) {
    const int32_t n = static_cast<int32_t>(xs.size());
    contur_(xs.data(), &n, xs.data(), &n, zs.data(), &zlev);
  }
  // Covered y intervals of the runs drawn along x = px (plot units).
  std::vector<std::pair<double, double>> coverAt(double px, double tol) const {
    std::vector<std::pair<double, double>> cover;
    for (const Path& r : runs())
      for (size_t k = 1; k < r.size(); ++k)
        if (std::fabs(r[k - 1].x - px) < tol && std::fabs(r[k].x - px) < tol)
          cover.push_back({std::min(r[k - 1].y, r[k].y), std::max(r[k - 1].y, r[k].y)});
    std::sort(cover.begin(), cover.end());
    return cover;
  }
  // Lengths of the holes between covered intervals.
  static std::vector<double> gaps(const std::vector<std::pair<double, double>>& cover) {
    std::vector<double> out;
    double reach = cover.empty() ? 0 : cover[0].second;
    for (size_t k = 1; k < cover.size(); ++k) {
      if (cover[k].first > reach + 1e-3) out.push_back(cover[k].first - reach);
      reach = std::max(reach, cover[k].second);
    }
    return out;
  }
  std::vector<std::string> polygons() const {
    std::vector<std::string> out;
    const auto& t = traceLines();
    for (size_t i = mark; i < t.size(); ++i)
      if (t[i].rfind("polygon", 0) == 0) out.push_back(t[i]);
    return out;
  }
  std::vector<float> xs, zs;
};

TEST_F(ContourLines, PlainLineFollowsTheLevel) {
  gridOfX();
  graf();
  contur(4.5f);
  qqstrk();
  // One vertical line at x = 4.5 from the bottom to the top, no gaps.
  const auto cover = coverAt(px(4.5), 0.01);
  ASSERT_FALSE(cover.empty());
  EXPECT_NEAR(cover.front().first, py(10), 0.01);
  EXPECT_NEAR(cover.back().second, py(0), 0.01);
  EXPECT_TRUE(gaps(cover).empty());
}

TEST_F(ContourLines, LabelsLeaveGapsOfTheLabelLengthAndThickPassesRepeatThem) {
  gridOfX();
  call(labels_, "FLOA", "CONT");
  const int32_t two = 2, one = 1, dist = 300;
  labdig_(&one, "CON", 3);
  labdis_(&dist, "CONT", 4);
  thkcrv_(&two);
  graf();
  const double h = zanglb.nhchar;
  const double zdis = nlmess_("4.5", 3) + 2 * 0.5 * h;  // text + congap space
  contur(4.5f);
  qqstrk();
  // The second pass lies one plot unit beside the line and carries the
  // same gaps without text: a line of 1000 units gets a label after the
  // first 100 units and another one 300 units of path after the first.
  auto cover = coverAt(px(4.5) + 1, 0.01);
  if (cover.empty()) cover = coverAt(px(4.5) - 1, 0.01);
  ASSERT_FALSE(cover.empty());
  const auto g = gaps(cover);
  ASSERT_EQ(g.size(), 2u);
  EXPECT_NEAR(g[0], zdis, 1e-3);
  EXPECT_NEAR(g[1], zdis, 1e-3);
}

TEST_F(ContourLines, NoLabelOnALineShorterThanTheFirstLabelDistance) {
  // z = x on 0..0.8 (80 plot units): too short for a label.
  xs = {0, 0.2f, 0.4f, 0.6f, 0.8f};
  for (int j = 0; j < 5; ++j)
    for (int i = 0; i < 5; ++i) zs.push_back(xs[i]);
  call(labels_, "FLOA", "CON");
  graf();
  contur(0.3f);
  qqstrk();
  const auto cover = coverAt(px(0.3), 0.01);
  ASSERT_FALSE(cover.empty());
  EXPECT_TRUE(gaps(cover).empty());
  EXPECT_EQ(runs().size(), 1u);  // and no text strokes
}

TEST_F(ContourLines, TriangulationSegmentsAreJoinedIntoOneLine) {
  // Corners (0,0) z 0, (1,0) z 10, (1,1) z 20, (0,1) z 10; triangles
  // 1-2-3 and 1-3-4.  Level 5 crosses 1-2 at (0.5,0), 1-3 at t = 5/20 ->
  // (0.25, 0.25) and 1-4 at (0, 0.5): a line of 71 plot units, too short
  // for a label.
  const float x[4] = {0, 1, 1, 0}, y[4] = {0, 0, 1, 1}, z[4] = {0, 10, 20, 10};
  const int32_t i1[2] = {1, 1}, i2[2] = {2, 3}, i3[2] = {3, 4}, n = 4, nt = 2;
  const float lev = 5;
  call(labels_, "FLOA", "CON");  // labels on: segments are joined
  graf();
  contri_(x, y, z, &n, i1, i2, i3, &nt, &lev);
  qqstrk();
  const auto r = runs();
  ASSERT_EQ(r.size(), 1u);
  ASSERT_EQ(r[0].size(), 3u);
  const bool forward = near(r[0][0], px(0.5), py(0));
  const Pt a = forward ? r[0][0] : r[0][2], c = forward ? r[0][2] : r[0][0];
  EXPECT_TRUE(near(a, px(0.5), py(0)));
  EXPECT_TRUE(near(r[0][1], px(0.25), py(0.25)));
  EXPECT_TRUE(near(c, px(0), py(0.5)));
  // A corner index outside 1..n: a warning and nothing drawn.
  const int32_t bad[2] = {1, 9};
  const auto out = printed([&] { contri_(x, y, z, &n, i1, bad, i3, &nt, &lev); });
  EXPECT_EQ(out.size(), 1u);
}

TEST_F(ContourLines, ConcrvDrawsTheGivenPolyline) {
  graf();
  const float x[3] = {1, 2, 3}, y[3] = {1, 3, 1}, lev = 1;
  const int32_t n = 3;
  concrv_(x, y, &n, &lev);
  qqstrk();
  const auto r = runs();
  ASSERT_EQ(r.size(), 1u);
  ASSERT_EQ(r[0].size(), 3u);
  EXPECT_TRUE(near(r[0][1], px(2), py(3)));
}

TEST_F(ContourLines, SettingsRejectValuesOutOfRange) {
  auto out = printed([&] {
    float a = -1, b = 2;
    conmod_(&a, &b);
    a = 0.5f, b = 1.0f;
    conmod_(&a, &b);
    float ang = 400;
    conang_(&ang);
  });
  EXPECT_EQ(out.size(), 3u);
  EXPECT_FLOAT_EQ(zanglb.xconf1, 0.5f);
  EXPECT_FLOAT_EQ(zanglb.xconf2, 1.5f);
  EXPECT_FLOAT_EQ(zanglb.xangcr, 5.0f);
  float a = 0.25f, b = 3, ang = 20;
  conmod_(&a, &b);
  conang_(&ang);
  EXPECT_FLOAT_EQ(zanglb.xconf1, 0.25f);
  EXPECT_FLOAT_EQ(zanglb.xconf2, 3.0f);
  EXPECT_FLOAT_EQ(zanglb.xangcr, 20.0f);
  // Both spellings of the key; automatic digits for contour labels.
  call(labels_, "CONL", "CON");
  EXPECT_EQ(zanglb.nlincr, 2);
  call(labels_, "NONE", "CONT");
  EXPECT_EQ(zanglb.nlincr, 0);
  call(labtyp_, "VERT", "CONT");
  EXPECT_EQ(zanglb.icontp, 1);
  const int32_t auto_ = -2, dist = 800, red = 0x010000FF;
  labdig_(&auto_, "CON", 3);
  EXPECT_EQ(zanglb.ndezcr, -2);
  labdis_(&dist, "CON", 3);
  EXPECT_FLOAT_EQ(zanglb.xdiscr, 800.0f);
  labclr_(&red, "CON", 3);
  EXPECT_EQ(zanglb.iccon, red);
  // The axes keep their settings.
  EXPECT_EQ(zanglb.numx[0], 1);
  call(conlab_, "ABCDEFGHIJKLMNOPQRSTUVW");
  EXPECT_EQ(std::string(zanglb.conlb.view()), "ABCDEFGHIJKLMNOPQRST");
}

TEST_F(ContourLines, BadGridsWarnAndDrawNothing) {
  graf();
  const float nan = std::nanf("");
  std::vector<float> x{0, 1, 2}, z{0, 0, 0, 0, 1, nan, 0, 0, 0};
  const int32_t three = 3, one = 1;
  const float lev = 0.5f;
  auto out = printed([&] {
    contur_(x.data(), &one, x.data(), &three, z.data(), &lev);  // 1 x 3
    std::vector<float> down{2, 1, 0};
    contur_(down.data(), &three, x.data(), &three, z.data(), &lev);  // x falls
  });
  EXPECT_EQ(out.size(), 2u);
  EXPECT_TRUE(runs().empty());
  // A NaN value leaves a gap, nothing else.
  out = printed([&] { contur_(x.data(), &three, x.data(), &three, z.data(), &lev); });
  EXPECT_TRUE(out.empty());
  for (const Path& r : runs())
    for (const Pt& p : r) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
  // Shaded contours: no levels, NaN values.
  const float levels[2] = {0.5f, 0.2f};
  const int32_t zero = 0, two = 2;
  out = printed([&] { conshd_(x.data(), &three, x.data(), &three, z.data(), levels, &zero); });
  EXPECT_EQ(out.size(), 1u);
  out = printed([&] { conshd_(x.data(), &three, x.data(), &three, z.data(), levels, &two); });
  EXPECT_TRUE(out.empty());
}

TEST_F(ContourLines, CellsBetweenTwoLevelsAreWholeAndOutOfRangeCellsCanBeLeftEmpty) {
  // 3 x 3 over 0..2, values 1..2, levels 0 and 5: every cell lies in
  // interval 1 and is filled whole (one rectangle per row).
  std::vector<float> x{0, 1, 2}, z{1, 1.5f, 2, 1, 1.5f, 2, 1, 1.5f, 2};
  const int32_t three = 3, two = 2;
  const float lv[2] = {0, 5};
  graf();
  conshd_(x.data(), &three, x.data(), &three, z.data(), lv, &two);
  auto p = polygons();
  ASSERT_EQ(p.size(), 2u);
  for (const auto& s : p) EXPECT_EQ(std::count(s.begin(), s.end(), ','), 4);
  // All values above the highest level with NONE: nothing is filled.
  const float high[2] = {-2, -1};
  call(shdmod_, "NONE", "CELL");
  mark = traceLines().size();
  conshd_(x.data(), &three, x.data(), &three, z.data(), high, &two);
  EXPECT_TRUE(polygons().empty());
  call(shdmod_, "UPPE", "CELL");
  conshd_(x.data(), &three, x.data(), &three, z.data(), high, &two);
  EXPECT_EQ(polygons().size(), 2u);
}

TEST_F(ContourLines, CellCrossedByThreeLevelsBecomesAMosaic) {
  // One cell 0..0.2 x 0..0.2 (20 x 20 plot units), values 0, 1, 3, 2:
  // levels 0.5, 1.5, 2.5 cross it, so it is drawn as 4 x 4 squares of 5
  // units (runs of one colour in a row joined).
  std::vector<float> x{0, 0.2f}, z{0, 1, 2, 3};
  const int32_t two = 2, three = 3;
  const float lv[3] = {0.5f, 1.5f, 2.5f};
  graf();
  conshd_(x.data(), &two, x.data(), &two, z.data(), lv, &three);
  const auto p = polygons();
  EXPECT_GE(p.size(), 4u);
  EXPECT_LE(p.size(), 16u);
  const double s = zanglb.xscf;
  for (const auto& poly : p) {
    std::istringstream in(poly.substr(8));
    std::string pt;
    std::vector<double> xs_, ys_;
    while (in >> pt) {
      xs_.push_back(std::stod(pt.substr(0, pt.find(','))) / s);
      ys_.push_back(std::stod(pt.substr(pt.find(',') + 1)) / s);
    }
    ASSERT_EQ(xs_.size(), 4u);
    const double h = *std::max_element(ys_.begin(), ys_.end()) - *std::min_element(ys_.begin(), ys_.end());
    EXPECT_NEAR(h, 5.0, 0.01);  // 0.2f is not exactly 0.2
  }
}

TEST_F(ContourLines, TriangulatedBandsCoverTheirHandWorkedAreas) {
  // The unit square with its centre, 1 at the centre and 0 at the
  // corners; levels -1 and 0.5.  Above 0.5 lies the square of the points
  // half-way to the centre (area 1/4, 2500 plot units squared), the rest
  // of the square (7500) lies in the band from -1 to 0.5.
  const float x[5] = {0, 1, 1, 0, 0.5f}, y[5] = {0, 0, 1, 1, 0.5f}, z[5] = {0, 0, 0, 0, 1};
  const int32_t i1[4] = {1, 2, 3, 4}, i2[4] = {2, 3, 4, 1}, i3[4] = {5, 5, 5, 5};
  const int32_t n = 5, nt = 4, two = 2, lc[2] = {0x010000FF, 0x01FF0000};
  const float lv[2] = {-1, 0.5f};
  conclr_(lc, &two);
  graf();
  confll_(x, y, z, &n, i1, i2, i3, &nt, lv, &two);
  qqstrk();
  // Shoelace areas of the polygons by the colour in force.
  std::map<std::string, double> area;
  std::string colour;
  const double s = zanglb.xscf;
  const auto& t = traceLines();
  for (size_t i = mark; i < t.size(); ++i) {
    if (t[i].rfind("colour", 0) == 0) colour = t[i];
    if (t[i].rfind("polygon", 0) != 0) continue;
    std::istringstream in(t[i].substr(8));
    std::vector<double> px, py;
    for (std::string pt; in >> pt;) {
      px.push_back(std::stod(pt.substr(0, pt.find(','))) / s);
      py.push_back(std::stod(pt.substr(pt.find(',') + 1)) / s);
    }
    double a = 0;
    for (size_t k = 0; k < px.size(); ++k) {
      const size_t l = (k + 1) % px.size();
      a += px[k] * py[l] - px[l] * py[k];
    }
    area[colour] += std::fabs(a) / 2;
  }
  ASSERT_EQ(area.size(), 2u);
  std::vector<double> got;
  for (const auto& [c, a] : area) got.push_back(a);
  std::sort(got.begin(), got.end());
  EXPECT_NEAR(got[0], 2500, 1);
  EXPECT_NEAR(got[1], 7500, 1);
  // A corner outside 1..n: a warning, nothing filled.
  mark = traceLines().size();
  const int32_t bad[4] = {1, 2, 3, 6};
  const auto out = printed([&] { confll_(x, y, z, &n, i1, i2, bad, &nt, lv, &two); });
  EXPECT_EQ(out.size(), 1u);
  EXPECT_TRUE(polygons().empty());
}

TEST_F(ContourLines, NanValuesOfTheDataAreCountedForTheProtocol) {
  const float nan = std::nanf("");
  std::vector<float> x{0, 1, 2}, z{0, nan, 0, 0, 1, 0, nan, 0, 0};
  const int32_t three = 3, one = 1;
  const float lev = 0.5f;
  graf();
  EXPECT_EQ(zanglb.nnans, 0);
  contur_(x.data(), &three, x.data(), &three, z.data(), &lev);
  EXPECT_EQ(zanglb.nnans, 2);
  conshd_(x.data(), &three, x.data(), &three, z.data(), &lev, &one);
  EXPECT_EQ(zanglb.nnans, 4);
  const float tx[3] = {0, 1, 0}, ty[3] = {0, 0, 1}, tz[3] = {nan, 1, 0};
  const int32_t i1[1] = {1}, i2[1] = {2}, i3[1] = {3};
  contri_(tx, ty, tz, &three, i1, i2, i3, &one, &lev);
  EXPECT_EQ(zanglb.nnans, 5);
  // The closing protocol reports them.
  zanglb.iproto = 1;
  const auto out = printed([] { zanfin_(); });
  bool reported = false;
  for (const auto& l : out) reported = reported || (l.find("NaN:") != std::string::npos && l.find(" 5 ") != std::string::npos);
  EXPECT_TRUE(reported);
}

}  // namespace
}  // namespace zantor::test
