// Curves by interpolation mode: geometry of lines, steps, stairs, stems,
// bars and splines, and the spline checks.
#include <algorithm>
#include <cmath>

#include "axes/splines.h"
#include "curve_support.h"

namespace zantor::test {
namespace {

using Modes = CurveTest;

void expectRun(const Path& r, const std::vector<Pt>& user) {
  ASSERT_EQ(r.size(), user.size());
  for (size_t i = 0; i < r.size(); ++i)
    EXPECT_TRUE(near(r[i], plotX(user[i].x), plotY(user[i].y)))
        << i << ": " << r[i].x << "," << r[i].y;
}

TEST_F(Modes, LineIsOnePolylineThroughThePoints) {
  graf();
  curve({1, 2, 4}, {1, 3, 2});
  const auto r = runs();
  ASSERT_EQ(r.size(), 1u);
  expectRun(r[0], {{1, 1}, {2, 3}, {4, 2}});
}

TEST_F(Modes, StepsAreCentredOnThePointsAndStairsHoldTheValue) {
  graf();
  call(polcrv_, "STEP");
  curve({1, 2, 4}, {1, 3, 2});
  auto r = runs();
  ASSERT_EQ(r.size(), 1u);
  expectRun(r[0], {{0.5, 1}, {1.5, 1}, {1.5, 3}, {3, 3}, {3, 2}, {5, 2}});

  mark = traceLines().size();
  call(polcrv_, "STAI");
  curve({1, 2, 4}, {1, 3, 2});
  r = runs();
  ASSERT_EQ(r.size(), 1u);
  expectRun(r[0], {{1, 1}, {2, 1}, {2, 3}, {4, 3}, {4, 2}});
}

TEST_F(Modes, StemsRiseFromZero) {
  graf();
  call(polcrv_, "STEM");
  curve({1, 2, 4}, {1, 3, 2});
  const auto r = runs();
  ASSERT_EQ(r.size(), 3u);
  expectRun(r[0], {{1, 0}, {1, 1}});
  expectRun(r[2], {{4, 0}, {4, 2}});
}

TEST_F(Modes, BarsAreThreeSidesOfTheRequestedWidth) {
  graf();
  call(polcrv_, "BARS");
  curve({2, 4, 5}, {3, 1, 2});  // spacing of the first two points: 2
  auto r = runs();
  ASSERT_EQ(r.size(), 3u);
  // Half width 0.75 / 2 * 2 = 0.75 user units.
  expectRun(r[0], {{1.25, 0}, {1.25, 3}, {2.75, 3}, {2.75, 0}});
  EXPECT_EQ(countSince("polygon"), 0);

  mark = traceLines().size();
  call(polcrv_, "FBAR");
  curve({2, 4, 5}, {3, 1, 2});
  r = runs();
  EXPECT_EQ(r.size(), 3u);
  EXPECT_EQ(countSince("polygon"), 3);  // every bar is filled too
}

TEST_F(Modes, SplineThroughSamplesOfACubicReproducesIt) {
  graf();
  const int32_t order = 4, points = 101;
  splmod_(&order, &points);
  call(polcrv_, "SPLI");
  auto f = [](double x) { return 0.02 * x * x * x - 0.3 * x * x + 1.2 * x + 2; };
  std::vector<float> x, y;
  for (int i = 0; i < 10; ++i) {
    x.push_back(static_cast<float>(i));
    y.push_back(static_cast<float>(f(i)));
  }
  curve(x, y);
  const auto r = runs();
  ASSERT_EQ(r.size(), 1u);
  ASSERT_EQ(r[0].size(), 101u);
  for (const Pt& p : r[0]) {
    const double ux = (p.x - 500) / 100, uy = (1500 - p.y) / 100;
    EXPECT_NEAR(uy, f(ux), 2e-4) << ux;
  }
  EXPECT_NEAR(r[0].front().x, px(0), 0.01);
  EXPECT_NEAR(r[0].back().x, px(9), 0.01);
}

TEST(Splines, InterpolateExactlyWhatTheirOrderCanRepresent) {
  std::vector<double> t, v, out, at;
  for (int i = 0; i < 12; ++i) t.push_back(i * i * 0.1 + i);  // uneven sites
  for (int k = 2; k <= 6; ++k) {
    v.clear();
    for (double s : t) v.push_back(std::pow(s, k - 1) - 3 * s);  // degree k - 1
    ASSERT_EQ(splineEvaluate(t.data(), v.data(), 12, k, 57, false, out, &at), SplineStatus::Ok);
    for (size_t i = 0; i < out.size(); ++i)
      EXPECT_NEAR(out[i], std::pow(at[i], k - 1) - 3 * at[i], 1e-6 * std::pow(30.0, k - 1))
          << "order " << k;
  }
  // The interpolant passes through data of any shape: with equally spaced
  // sites, evaluation at as many points hits the sites themselves.
  v = {0, 5, -1, 2, 2, 7, 0, 1, 3, -4, 0, 0};
  std::vector<double> even;
  for (int i = 0; i < 12; ++i) even.push_back(2.0 * i);
  for (int k : {2, 3, 4, 7}) {
    ASSERT_EQ(splineEvaluate(even.data(), v.data(), 12, k, 12, false, out), SplineStatus::Ok);
    for (int i = 0; i < 12; ++i) EXPECT_NEAR(out[i], v[i], 1e-9) << "order " << k;
  }
  EXPECT_EQ(splineEvaluate(t.data(), v.data(), 3, 3, 10, false, out), SplineStatus::TooFewPoints);
  std::vector<double> flat = {0, 1, 1, 2};
  EXPECT_EQ(splineEvaluate(flat.data(), v.data(), 4, 2, 10, false, out),
            SplineStatus::NotIncreasing);
}

TEST_F(Modes, SplineChecksTheDataAndParametricSplinesDoNot) {
  graf();
  call(polcrv_, "SPLI");
  auto lines = printed([] { curve({1, 3, 2, 4, 5}, {1, 2, 3, 4, 5}); });
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("  32: No increasing X coordinates for spline interpolation in CURVE"),
            std::string::npos);
  EXPECT_TRUE(runs().empty());

  lines = printed([] { curve({1, 2, 3}, {1, 2, 3}); });  // order 3 needs 4 points
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("  31: Incorrect number"), std::string::npos);

  call(polcrv_, "PSPL");
  lines = printed([] { curve({1, 3, 2, 4, 5}, {1, 2, 3, 4, 5}); });
  EXPECT_TRUE(lines.empty());
  const auto r = runs();
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0].size(), 200u);  // nsplpt
  EXPECT_TRUE(near(r[0].front(), px(1), py(1)));
  EXPECT_TRUE(near(r[0].back(), px(5), py(5)));
}

TEST_F(Modes, SmoothCurveStartsAndEndsAtTheEndPoints) {
  graf();
  call(polcrv_, "CURV");
  curve({1, 5, 2, 8}, {1, 9, 3, 2});
  const auto r = runs();
  ASSERT_EQ(r.size(), 1u);
  EXPECT_TRUE(near(r[0].front(), px(1), py(1)));
  EXPECT_TRUE(near(r[0].back(), px(8), py(2)));
  for (const Pt& p : r[0]) {  // inside the convex hull of the points
    EXPECT_GE(p.x, px(1) - 0.01);
    EXPECT_LE(p.x, px(8) + 0.01);
  }
}

TEST_F(Modes, ThickCurvesAreParallelCopies) {
  graf();
  const int32_t three = 3;
  thkcrv_(&three);
  curve({1, 5}, {2, 2});
  const auto r = runs();
  ASSERT_EQ(r.size(), 3u);
  std::vector<double> ys;
  for (const Path& run : r) {
    ASSERT_EQ(run.size(), 2u);
    EXPECT_NEAR(run[0].y, run[1].y, 0.01);
    ys.push_back(run[0].y);
  }
  std::sort(ys.begin(), ys.end());
  EXPECT_NEAR(ys[0], py(2) - 1, 0.01);
  EXPECT_NEAR(ys[1], py(2), 0.01);
  EXPECT_NEAR(ys[2], py(2) + 1, 0.01);
}

TEST_F(Modes, CurvesAreClippedToTheAxisSystem) {
  graf();
  curve({5, 15}, {5, 5});
  const auto r = runs();
  ASSERT_EQ(r.size(), 1u);
  EXPECT_NEAR(r[0].back().x, 500 + 1000, 0.01);
}

TEST_F(Modes, GapsAndErrorBars) {
  graf();
  const float gap = 1.5f;
  gapcrv_(&gap);
  curve({1, 2, 3, 6, 7}, {1, 1, 1, 1, 1});
  EXPECT_EQ(runs().size(), 2u);

  mark = traceLines().size();
  const int32_t h = 60, n = 1, none = 0;
  hsymbl_(&h);
  marker_(&none);
  const float x = 5, y = 5, e1 = 1, e2 = 2;
  errbar_(&x, &y, &e1, &e2, &n);
  qqstrk();
  bool bar = false;
  int marks = 0;
  for (const Path& r : runs()) {
    if (r.size() != 2) continue;
    if (near(r[0], px(5), py(4)) && near(r[1], px(5), py(7))) bar = true;
    if (std::fabs(r[0].y - r[1].y) < 0.01 && std::fabs(std::fabs(r[1].x - r[0].x) - 20) < 0.01)
      ++marks;  // end marks nhsym / 3 wide
  }
  EXPECT_TRUE(bar);
  EXPECT_EQ(marks, 2);
}

// Dashed curves and error bars through a missing-data sentinel (1e30) end,
// and the dashes inside the axis system keep their pattern.
TEST_F(Modes, DashedCurvesAndErrorBarsThroughSentinels) {
  graf();
  dash_();
  curve({1, 2, 3}, {1, 1e30f, 3});
  const float x = 5, y = 5, e1 = 1, e2 = 1e30f;
  const int32_t n = 1;
  errbar_(&x, &y, &e1, &e2, &n);
  qqstrk();
  // The bar runs from y = 4 up through the top of the axis system
  // (y = 10): dashes of 10 units every 20 along x = 5.
  int dashes = 0;
  for (const Path& r : runs())
    if (r.size() == 2 && std::fabs(r[0].x - px(5)) < 0.01 && std::fabs(r[1].x - px(5)) < 0.01 &&
        std::fabs(std::fabs(r[1].y - r[0].y) - 10) < 0.01)
      ++dashes;
  // 600 units from y = 4 to the top: about 30 dashes.
  EXPECT_GE(dashes, 28);
  EXPECT_LE(dashes, 32);
}

}  // namespace
}  // namespace zantor::test
