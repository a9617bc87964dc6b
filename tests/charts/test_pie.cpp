// Pie charts: segment angles, offsets, the 3D ellipse, label texts,
// settings and bad input.
#include <zantor.h>

#include <numeric>

#include "charts/chart_support.h"
#include "charts/pie.h"
#include "core/state.h"

namespace zantor::test {
namespace {

class Pie : public ChartTest {
 protected:
  void pie(const std::vector<float>& v, bool cycle = false, const std::string& texts = "",
           int32_t nlin = 0) {
    std::string buf = texts.empty() ? std::string(20, ' ') : texts;
    const int32_t n = static_cast<int32_t>(v.size());
    mark = traceLines().size();
    if (!cycle) chnpie_("NONE", 4);  // the current (solid) pattern for every segment
    piegrf_(buf.data(), &nlin, v.data(), &n, buf.size());
  }
};

TEST_F(Pie, AnglesCoverTheTurnAndTheFirstSegmentIsCentredOnTheRotation) {
  const std::vector<float> v = {1, 2, 3, 4, 5, 6, 7};
  const double s = 28;
  const auto seg = pieSegments(v.data(), 7, s);
  double total = 0;
  for (const auto& p : seg) total += p.sweep;
  EXPECT_NEAR(total, 360.0, 1e-9);
  // 360 - 180 * 1/28 = 353.571...; each segment starts where the last ends.
  EXPECT_NEAR(seg[0].start, 360.0 - 180.0 / 28, 1e-9);
  for (size_t i = 1; i < seg.size(); ++i)
    EXPECT_NEAR(seg[i].start, seg[i - 1].start + seg[i - 1].sweep, 1e-9);
  EXPECT_NEAR(std::fmod(seg[0].bisector(), 360.0), 0.0, 1e-9);
  // pierot(90): the first bisector points up.
  const float rot = 90;
  pierot_(&rot);
  EXPECT_NEAR(pieSegments(v.data(), 7, s)[0].bisector(), 450.0, 1e-9);
  // One value: a full circle.
  EXPECT_TRUE(pieSegments(v.data(), 1, 1)[0].full);
}

TEST_F(Pie, SegmentPolygonsFromTheCentre) {
  solid();
  // Values 1, 1, 2 (sum 4): the first segment is 90 degrees from 315 to
  // 405.  Centre (500 + 1001/2, 1500 - 1001/2) = (1000, 1000) with integer
  // halves, radius min(1001, 1001)/2 = 500.
  pie({1, 1, 2});
  const auto p = polygons();
  ASSERT_EQ(p.size(), 3u);
  const double c = 500 * std::cos(M_PI / 4);  // 353.553
  EXPECT_NEAR(p[0][0].x, 1000, 0.01);
  EXPECT_NEAR(p[0][0].y, 1000, 0.01);
  EXPECT_NEAR(p[0][1].x, 1000 + c, 0.01);  // 315 degrees: right, below
  EXPECT_NEAR(p[0][1].y, 1000 + c, 0.01);
  EXPECT_NEAR(p[0].back().x, 1000 + c, 0.01);  // 45 degrees: right, above
  EXPECT_NEAR(p[0].back().y, 1000 - c, 0.01);
  // The third segment (180 degrees) from 135 to 315.
  EXPECT_NEAR(p[2][1].x, 1000 - c, 0.01);
  EXPECT_NEAR(p[2][1].y, 1000 - c, 0.01);
  // Every arc point lies on the circle.
  for (const auto& poly : p)
    for (size_t i = 1; i < poly.size(); ++i)
      EXPECT_NEAR(std::hypot(poly[i].x - 1000, poly[i].y - 1000), 500, 0.01);
  // piegrf leaves its invisible axis system open.
  EXPECT_EQ(zanglb.nlev, 2);
}

TEST_F(Pie, NegativeValuesAreOffsetByEightPercentOfTheRadius) {
  solid();
  // (1, -1, 2): the second segment, 90 degrees wide from 45 to 135, is
  // moved up its bisector (90 degrees) by nint(0.08 * 500) = 40.
  pie({1, -1, 2});
  const auto p = polygons();
  ASSERT_EQ(p.size(), 3u);
  EXPECT_NEAR(p[1][0].x, 1000, 0.01);
  EXPECT_NEAR(p[1][0].y, 960, 0.01);
  EXPECT_NEAR(p[0][0].y, 1000, 0.01);  // the others stay
  // pieexp offsets every segment.
  endgrf_();
  pieexp_();
  pie({1, 1});
  const auto q = polygons();
  ASSERT_EQ(q.size(), 2u);
  EXPECT_NEAR(q[0][0].x, 1040, 0.01);  // bisector 0: to the right
  EXPECT_NEAR(q[1][0].x, 960, 0.01);   // bisector 180: to the left
}

TEST_F(Pie, ThreeDimensionalPiesAreEllipsesWithADisc) {
  // View angle 45: b = nint((sqrt(45/90) + 45/500) * 500)
  //                  = nint((0.707107 + 0.09) * 500) = nint(398.55) = 399.
  EXPECT_EQ(pieMinorAxis(500), 399);
  // 60 degrees: a = 90 - 60 = 30; (0.816497 + 0.06) * 500 = 438.25 -> 438.
  const float f = 0.2f, sixty = 60;
  pieopt_(&f, &sixty);
  EXPECT_EQ(pieMinorAxis(500), 438);
  // pieopt(0.3, 91) keeps the view angle and takes the height factor.
  const float f3 = 0.3f, bad = 91;
  const auto lines = printed([&] { pieopt_(&f3, &bad); });
  EXPECT_EQ(lines.size(), 1u);
  EXPECT_FLOAT_EQ(zanglb.xpiea3, 60);
  EXPECT_FLOAT_EQ(zanglb.xpief3, 0.3f);

  solid();
  pietyp_("3D", 2);
  pie({1, 3});
  // Height nint(500 * 0.3) = 150; the top face centre lies 75 above the
  // area centre.  The first segment's top: arc points on the ellipse
  // (x - 1000)^2 / 500^2 + (y - 925)^2 / 438^2 = 1.
  const auto p = polygons();
  ASSERT_GE(p.size(), 4u);
  bool onEllipse = false;
  for (const auto& poly : p) {
    if (poly.size() <= 4 || std::fabs(poly[0].x - 1000) > 0.01 || std::fabs(poly[0].y - 925) > 0.01)
      continue;  // cut faces and rims
    onEllipse = true;
    for (size_t i = 1; i < poly.size(); ++i) {
      const double u = (poly[i].x - 1000) / 500, w = (poly[i].y - 925) / 438;
      EXPECT_NEAR(u * u + w * w, 1.0, 1e-3);
    }
  }
  EXPECT_TRUE(onEllipse);
  // The front rim reaches the disc bottom: 925 + 438 + 150 = 1513.
  double lowest = 0;
  for (const auto& poly : p) lowest = std::max(lowest, bounds(poly).y2);
  EXPECT_NEAR(lowest, 1513, 0.5);
}

TEST_F(Pie, LabelTexts) {
  // 25 % of 4 with one digit, the value with one digit, texts from the
  // buffer split at the line separator, pielab text on the right.
  const float v[] = {1, 3};
  labels_("BOTH", "PIE", 4, 3);
  auto l = pieLabelLines("Rent/Food", 1, 1, v[1], 4);
  ASSERT_EQ(l.size(), 3u);
  EXPECT_EQ(l[0], "Food");
  EXPECT_EQ(l[1], "75.0%");
  EXPECT_EQ(l[2], "3.0");
  const int32_t none = -1;
  labdig_(&none, "DATA", 4);
  pielab_(" EUR", "RIGHT", 4, 5);
  labels_("DATA", "PIE", 4, 3);
  l = pieLabelLines("", 0, 0, v[0], 4);
  ASSERT_EQ(l.size(), 1u);
  EXPECT_EQ(l[0], "1 EUR");
  labels_("NONE", "PIE", 4, 3);
  EXPECT_TRUE(pieLabelLines("A/B", 1, 1, 3, 4).size() == 1);
  // Two lines per segment.
  labels_("PERC", "PIE", 4, 3);
  l = pieLabelLines("North/Sea/South/Coast", 2, 1, 1, 4);
  ASSERT_EQ(l.size(), 3u);
  EXPECT_EQ(l[0], "South");
  EXPECT_EQ(l[1], "Coast");
}

TEST_F(Pie, SettingsAndKeys) {
  labpos_("EXTERNAL", "PIE", 8, 3);
  EXPECT_EQ(zanglb.ipspie, 1);
  labpos_("ALIG", "PIE ", 4, 4);
  EXPECT_EQ(zanglb.ipspie, 2);
  const int32_t blue = 4;
  labclr_(&blue, "PIE ", 4);
  EXPECT_EQ(zanglb.icpie, 4);
  const float gap = 35, dist = 1.5f, bad = -1;
  pieval_(&gap, "GAP", 3);
  pieval_(&dist, "DIST", 4);
  EXPECT_FLOAT_EQ(zanglb.xpiegp, 35);
  EXPECT_FLOAT_EQ(zanglb.xpief1, 1.5f);
  EXPECT_FLOAT_EQ(zanglb.xpief2, 1.5f);
  EXPECT_EQ(printed([&] { pieval_(&bad, "DIST", 4); }).size(), 1u);
  EXPECT_FLOAT_EQ(zanglb.xpief1, 1.5f);
  pievec_(&blue, "STRA", 4);
  EXPECT_EQ(zanglb.ilnpie, 1);
  const int32_t c1[] = {2, 3}, c2[] = {-1, 5}, two = 2;
  pieclr_(c1, c2, &two);
  EXPECT_EQ(zanglb.npiec1, 2);
  // pieclr colours: the first fills, the second draws the border.
  solid();
  pie({1, 1});
  EXPECT_EQ(polygons().size(), 2u);
}

TEST_F(Pie, LegendsRecordOneEntryPerSegment) {
  std::string buf(60, ' ');
  const int32_t nlin = 3, nmax = 20;
  legini_(buf.data(), &nlin, &nmax, buf.size());
  chnpie_("BOTH", 4);
  pie({1, 2, 3}, true);
  EXPECT_EQ(zanglb.nlgcrv, 3);
  // Patterns and colours from the cycles, starting at the second entry.
  EXPECT_EQ(zanglb.ilgshd[0], 1);
  EXPECT_EQ(zanglb.ilgshd[2], 3);
  EXPECT_EQ(zanglb.ilgcol[0], zanglb.nclrcr[1]);
}

TEST_F(Pie, BadInput) {
  auto lines = printed([&] { pie({0, 0, 0}); });
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("Sum of data is zero"), std::string::npos);
  EXPECT_EQ(zanglb.nlev, 1);
  lines = printed([&] { pie({}); });
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("Incorrect parameter"), std::string::npos);
  lines = printed([&] { pie({1, NAN, 2}); });
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(zanglb.nlev, 1);
  EXPECT_TRUE(polygons().empty());
  // Only at level 1.
  pie({1});
  lines = printed([&] { pie({1}); });
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("Incorrect level"), std::string::npos);
}

}  // namespace
}  // namespace zantor::test
