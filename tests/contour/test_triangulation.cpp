// Triangulation of scattered points (triang) and contour points on
// triangles (tripts): hand-worked small cases, the empty-circle property
// and Euler's count on random points, degenerate and bad input.
#include <zantor.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <set>
#include <vector>

#include "core/state.h"
#include "support/fixture.h"

namespace zantor::test {
namespace {

struct Tri {
  int a, b, c;  // 1-based corner numbers
};

class Triangulation : public LibraryTest {
 protected:
  // Inside a plot, where warnings are printed.
  void SetUp() override {
    LibraryTest::SetUp();
    call(metafl_, "VIRT");
    zanini_();
    zanglb.iproto = 0;
  }
  std::vector<Tri> triang(const std::vector<float>& x, const std::vector<float>& y, int nmax = -1) {
    const int32_t n = static_cast<int32_t>(x.size());
    const int32_t room = nmax < 0 ? std::max(1, 2 * n) : nmax;
    i1.assign(room, 0), i2.assign(room, 0), i3.assign(room, 0);
    int32_t ntri = -1;
    triang_(x.data(), y.data(), &n, i1.data(), i2.data(), i3.data(), &room, &ntri);
    std::vector<Tri> out;
    for (int k = 0; k < ntri; ++k) out.push_back({i1[k], i2[k], i3[k]});
    return out;
  }
  static double cross(const std::vector<float>& x, const std::vector<float>& y, const Tri& t) {
    const int a = t.a - 1, b = t.b - 1, c = t.c - 1;
    return (double(x[b]) - x[a]) * (double(y[c]) - y[a]) - (double(y[b]) - y[a]) * (double(x[c]) - x[a]);
  }
  std::vector<int32_t> i1, i2, i3;
};

TEST_F(Triangulation, SquareWithItsCentreIsFourTrianglesRoundTheCentre) {
  const std::vector<float> x{0, 1, 1, 0, 0.5f}, y{0, 0, 1, 1, 0.5f};
  const auto t = triang(x, y);
  ASSERT_EQ(t.size(), 4u);
  std::set<std::pair<int, int>> sides;
  for (const Tri& k : t) {
    EXPECT_NEAR(cross(x, y, k), 0.5, 1e-6);  // counter-clockwise, area 1/4
    std::vector<int> v{k.a, k.b, k.c};
    ASSERT_EQ(std::count(v.begin(), v.end(), 5), 1);
    v.erase(std::find(v.begin(), v.end(), 5));
    sides.insert({std::min(v[0], v[1]), std::max(v[0], v[1])});
  }
  // One triangle on each side of the square.
  EXPECT_EQ(sides, (std::set<std::pair<int, int>>{{1, 2}, {2, 3}, {3, 4}, {1, 4}}));
}

TEST_F(Triangulation, RandomPointsHaveEmptyCirclesAndEulersCount) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<float> u(-3, 5);
  for (int n : {3, 10, 200, 1000}) {
    std::vector<float> x(n), y(n);
    for (int i = 0; i < n; ++i) x[i] = u(rng), y[i] = u(rng) * 0.01f;  // flat: one scale for both
    const auto t = triang(x, y);
    // Every edge lies in one triangle (the hull) or two; the hull edges
    // b give 2n - 2 - b triangles.
    std::map<std::pair<int, int>, int> edges;
    for (const Tri& k : t) {
      EXPECT_GT(cross(x, y, k), 0);
      for (auto [p, q] : {std::pair{k.a, k.b}, {k.b, k.c}, {k.c, k.a}})
        ++edges[{std::min(p, q), std::max(p, q)}];
    }
    int hull = 0;
    for (const auto& [e, count] : edges) {
      EXPECT_LE(count, 2);
      hull += count == 1;
    }
    EXPECT_EQ(static_cast<int>(t.size()), 2 * n - 2 - hull) << n;
    // No point strictly inside a triangle's circumcircle.
    for (const Tri& k : t) {
      const double ax = x[k.a - 1], ay = y[k.a - 1], bx = x[k.b - 1], by = y[k.b - 1];
      const double cx = x[k.c - 1], cy = y[k.c - 1];
      const double d = 2 * (ax * (by - cy) + bx * (cy - ay) + cx * (ay - by));
      const double a2 = ax * ax + ay * ay, b2 = bx * bx + by * by, c2 = cx * cx + cy * cy;
      const double ox = (a2 * (by - cy) + b2 * (cy - ay) + c2 * (ay - by)) / d;
      const double oy = (a2 * (cx - bx) + b2 * (ax - cx) + c2 * (bx - ax)) / d;
      const double r = std::hypot(ax - ox, ay - oy);
      for (int i = 0; i < n; ++i)
        EXPECT_GE(std::hypot(x[i] - ox, y[i] - oy), r * (1 - 1e-6)) << n << " point " << i;
    }
  }
}

TEST_F(Triangulation, GridPointsOnLinesAndCirclesGiveTwoTrianglesPerCell) {
  // 5 x 4 points of a grid: every cell's corners lie on one circle and the
  // rows on lines, the worst case for inexact tests.
  std::vector<float> x, y;
  for (int j = 0; j < 4; ++j)
    for (int i = 0; i < 5; ++i) x.push_back(0.1f * i), y.push_back(0.1f * j);
  const auto t = triang(x, y);
  ASSERT_EQ(t.size(), 2u * 4 * 3);
  double area = 0;
  for (const Tri& k : t) {
    EXPECT_NEAR(cross(x, y, k), 0.01, 1e-6);
    area += cross(x, y, k) / 2;
  }
  EXPECT_NEAR(area, 0.4 * 0.3, 1e-6);
}

TEST_F(Triangulation, RepeatsAndPointsWithoutValueAreLeftOut) {
  const float nan = std::nanf(""), inf = INFINITY;
  // Point 3 repeats point 1; points 5 and 6 have no finite position.
  const std::vector<float> x{0, 1, 0, 1, nan, inf, 0}, y{0, 0, 0, 1, 0, 1, 1};
  const auto t = triang(x, y);
  ASSERT_EQ(t.size(), 2u);
  for (const Tri& k : t)
    for (int v : {k.a, k.b, k.c}) EXPECT_TRUE(v == 1 || v == 2 || v == 4 || v == 7) << v;
  // Points on one line, or all in one place: no triangles, no warning.
  auto out = printed([&] {
    EXPECT_TRUE(triang({0, 1, 2, 3}, {0, 2, 4, 6}).empty());
    EXPECT_TRUE(triang({1, 1, 1}, {2, 2, 2}).empty());
    EXPECT_TRUE(triang({1e38f, -1e38f, 3e38f}, {-3e38f, 3e38f, 0}).size() == 1);
  });
  EXPECT_TRUE(out.empty()) << out[0];
}

TEST_F(Triangulation, TooFewPointsOrTooLittleRoomWarnAndGiveNothing) {
  const std::vector<float> x{0, 1, 1, 0, 0.5f}, y{0, 0, 1, 1, 0.5f};
  auto out = printed([&] { EXPECT_TRUE(triang(x, y, 3).empty()); });  // 4 are needed
  ASSERT_EQ(out.size(), 1u);
  EXPECT_NE(out[0].find("Too many triangles"), std::string::npos) << out[0];
  out = printed([&] { EXPECT_TRUE(triang({0, 1}, {0, 1}).empty()); });
  EXPECT_EQ(out.size(), 1u);
}

class TrianglePoints : public Triangulation {
 protected:
  // The square with its centre, triangulated.
  void SetUp() override {
    Triangulation::SetUp();
    const auto t = triang(x, y);
    i1.clear(), i2.clear(), i3.clear();
    for (const Tri& k : t) i1.push_back(k.a), i2.push_back(k.b), i3.push_back(k.c);
  }
  // Curves of level zlev of z on the square.
  std::vector<std::vector<std::pair<float, float>>> curves(const std::vector<float>& z, float zlev,
                                                           int32_t maxpts = 100, int32_t maxcrv = 10) {
    const int32_t n = 5, ntri = static_cast<int32_t>(i1.size());
    std::vector<float> xp(maxpts), yp(maxpts);
    std::vector<int32_t> counts(maxcrv);
    int32_t ncurvs = -1;
    tripts_(x.data(), y.data(), z.data(), &n, i1.data(), i2.data(), i3.data(), &ntri, &zlev,
            xp.data(), yp.data(), &maxpts, counts.data(), &maxcrv, &ncurvs);
    std::vector<std::vector<std::pair<float, float>>> out;
    int at = 0;
    for (int k = 0; k < ncurvs; ++k) {
      out.emplace_back();
      for (int i = 0; i < counts[k]; ++i, ++at) out.back().push_back({xp[at], yp[at]});
    }
    return out;
  }
  std::vector<float> x{0, 1, 1, 0, 0.5f}, y{0, 0, 1, 1, 0.5f};
};

TEST_F(TrianglePoints, LevelOfARampCrossesTheSquareAsOneLine) {
  ASSERT_EQ(i1.size(), 4u);
  // z = x: level 0.25 is the line x = 0.25, through the edges 1-2 (y 0),
  // 1-5 (y 0.25), 4-5 (y 0.75) and 4-3 (y 1).
  auto c = curves({0, 1, 1, 0, 0.5f}, 0.25f);
  ASSERT_EQ(c.size(), 1u);
  ASSERT_EQ(c[0].size(), 4u);
  if (c[0][0].second > c[0][3].second) std::reverse(c[0].begin(), c[0].end());
  const float ys[4] = {0, 0.25f, 0.75f, 1};
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(c[0][i].first, 0.25f, 1e-6);
    EXPECT_NEAR(c[0][i].second, ys[i], 1e-6);
  }
}

TEST_F(TrianglePoints, LevelRoundAPeakIsOneClosedLine) {
  // 1 at the centre, 0 at the corners: level 0.5 crosses the four edges
  // from the centre half-way, a closed square of 5 points.
  const auto c = curves({0, 0, 0, 0, 1}, 0.5f);
  ASSERT_EQ(c.size(), 1u);
  ASSERT_EQ(c[0].size(), 5u);
  EXPECT_EQ(c[0].front(), c[0].back());
  std::set<std::pair<float, float>> corners(c[0].begin(), c[0].end());
  EXPECT_EQ(corners, (std::set<std::pair<float, float>>{
                         {0.25f, 0.25f}, {0.75f, 0.25f}, {0.75f, 0.75f}, {0.25f, 0.75f}}));
  // Room for 3 points: the overflow message, and 3 points kept.
  std::vector<std::vector<std::pair<float, float>>> few;
  const auto out = printed([&] { few = curves({0, 0, 0, 0, 1}, 0.5f, 3); });
  ASSERT_EQ(out.size(), 1u);
  EXPECT_NE(out[0].find("Too many contour points"), std::string::npos);
  ASSERT_EQ(few.size(), 1u);
  EXPECT_EQ(few[0].size(), 3u);
  // A value without a number leaves the triangles round it out.
  EXPECT_TRUE(curves({0, 0, 0, 0, std::nanf("")}, 0.5f).empty());
}

}  // namespace
}  // namespace zantor::test
