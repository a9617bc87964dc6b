// Contour points of small grids (conpts) against points worked out by hand
// with linear interpolation on the cell edges and on the four triangles
// that the cell centre cuts each cell into.
#include <zantor.h>

#include <cmath>
#include <vector>

#include "core/state.h"
#include "support/fixture.h"

namespace zantor::test {
namespace {

struct P {
  double x, y;
};
using Curves = std::vector<std::vector<P>>;

class ContourPoints : public LibraryTest {
 protected:
  // conpts of zmat(n, m) (column-major, zmat(i,j) at (x(i), y(j))).
  Curves points(const std::vector<float>& x, const std::vector<float>& y,
                const std::vector<float>& z, float zlev, int maxpts = 1000, int maxcrv = 50) {
    const int32_t n = static_cast<int32_t>(x.size()), m = static_cast<int32_t>(y.size());
    std::vector<float> xp(maxpts), yp(maxpts);
    std::vector<int32_t> nray(maxcrv);
    int32_t ncurvs = -1;
    const int32_t mp = maxpts, mc = maxcrv;
    conpts_(x.data(), &n, y.data(), &m, z.data(), &zlev, xp.data(), yp.data(), &mp, nray.data(),
            &mc, &ncurvs);
    Curves out;
    int at = 0;
    for (int k = 0; k < ncurvs; ++k) {
      out.emplace_back();
      for (int i = 0; i < nray[k]; ++i, ++at) out.back().push_back({xp[at], yp[at]});
    }
    return out;
  }
  static void expectPoints(const std::vector<P>& got, const std::vector<P>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) {
      EXPECT_NEAR(got[i].x, want[i].x, 1e-5) << "point " << i;
      EXPECT_NEAR(got[i].y, want[i].y, 1e-5) << "point " << i;
    }
  }
};

TEST_F(ContourPoints, OneCellWorkedByHand) {
  // z(1,1)=0 z(2,1)=2 z(1,2)=2 z(2,2)=4 on the unit square, level 1.
  // Bottom edge: t = (0-1)/(0-2) = 0.5 -> (0.5, 0).  Centre (0.5, 0.5)
  // with zc = (0+2+2+4)/4 = 2 > 1: crossing on centre -> (0,0):
  // t = (2-1)/(2-0) = 0.5 -> (0.25, 0.25).  z(1,2) = 2 is high, so the line
  // leaves through the left edge (1,1)-(1,2): t = 0.5 -> (0, 0.5).
  const Curves c = points({0, 1}, {0, 1}, {0, 2, 2, 4}, 1.0f);
  ASSERT_EQ(c.size(), 1u);
  expectPoints(c[0], {{0.5, 0}, {0.25, 0.25}, {0, 0.5}});
}

TEST_F(ContourPoints, SaddleIsDecidedByTheCentreValue) {
  // z(1,1)=0 z(2,1)=1 z(1,2)=1 z(2,2)=0: centre value 0.5.
  const std::vector<float> z{0, 1, 1, 0};
  // Level 0.4 < 0.5: the centre is high and joins the two high corners;
  // the low corners (0,0) and (1,1) are cut off.  Bottom edge t = 0.4 ->
  // (0.4, 0); centre -> (0,0): t = (0.5-0.4)/0.5 = 0.2 -> (0.4, 0.4); left
  // edge t = 0.4 -> (0, 0.4).  The top row walked right to left starts at
  // (1,1) -> (0,1): (0.6, 1), (0.6, 0.6), (1, 0.6).
  Curves c = points({0, 1}, {0, 1}, z, 0.4f);
  ASSERT_EQ(c.size(), 2u);
  expectPoints(c[0], {{0.4, 0}, {0.4, 0.4}, {0, 0.4}});
  expectPoints(c[1], {{0.6, 1}, {0.6, 0.6}, {1, 0.6}});
  // Level 0.6 > 0.5: the centre is low; the high corner (1,0) is cut off.
  // Bottom t = 0.6 -> (0.6, 0); (1,0) -> centre: t = (1-0.6)/(1-0.5) = 0.8
  // -> (0.6, 0.4); right edge (1,1) -> (1,0): t = 0.6 -> (1, 0.4).
  c = points({0, 1}, {0, 1}, z, 0.6f);
  ASSERT_EQ(c.size(), 2u);
  expectPoints(c[0], {{0.6, 0}, {0.6, 0.4}, {1, 0.4}});
  expectPoints(c[1], {{0.4, 1}, {0.4, 0.6}, {0, 0.6}});
}

TEST_F(ContourPoints, PeakGivesOneClosedCurve) {
  // 3 x 3 grid on 0..2 with 1 in the middle, 0 elsewhere, level 0.5.  Each
  // cell has zc = 0.25, so the line runs through the edge midpoints around
  // the peak and through the crossings on peak -> centre edges, e.g.
  // (1,1) -> (0.5,1.5): t = (1-0.5)/(1-0.25) = 2/3 -> (2/3, 4/3).
  std::vector<float> z(9, 0.0f);
  z[4] = 1.0f;
  const Curves c = points({0, 1, 2}, {0, 1, 2}, z, 0.5f);
  ASSERT_EQ(c.size(), 1u);
  const double a = 2.0 / 3.0, b = 4.0 / 3.0;
  expectPoints(c[0], {{0.5, 1}, {a, b}, {1, 1.5}, {b, b}, {1.5, 1}, {b, a}, {1, 0.5}, {a, a}, {0.5, 1}});
}

TEST_F(ContourPoints, LevelEqualToGridValuesCountsAsBelow) {
  // z = (i-1) + (j-1) on 0..2: level 2 runs through the grid points
  // (2,0), (1,1), (0,2), which count as below; every point lies on x + y = 2
  // and the line is traced once, from the right edge to the top edge.
  std::vector<float> z(9);
  for (int j = 0; j < 3; ++j)
    for (int i = 0; i < 3; ++i) z[j * 3 + i] = static_cast<float>(i + j);
  const Curves c = points({0, 1, 2}, {0, 1, 2}, z, 2.0f);
  ASSERT_EQ(c.size(), 1u);
  ASSERT_GE(c[0].size(), 3u);
  for (const P& p : c[0]) EXPECT_NEAR(p.x + p.y, 2.0, 1e-6);
  EXPECT_NEAR(c[0].front().x, 2.0, 1e-6);
  EXPECT_NEAR(c[0].back().y, 2.0, 1e-6);
  // All values at or below the level: nothing.
  EXPECT_TRUE(points({0, 1, 2}, {0, 1, 2}, z, 4.0f).empty());
}

TEST_F(ContourPoints, BoundaryLinesAreNotTracedAgain) {
  // z = x on a 5 x 4 grid: level 1.5 is one vertical line from the bottom
  // to the top boundary, found once by the boundary walk.
  std::vector<float> x{0, 1, 2, 3, 4}, y{0, 1, 2, 3}, z;
  for (int j = 0; j < 4; ++j)
    for (int i = 0; i < 5; ++i) z.push_back(static_cast<float>(i));
  const Curves c = points(x, y, z, 1.5f);
  ASSERT_EQ(c.size(), 1u);
  EXPECT_NEAR(c[0].front().y, 0.0, 1e-6);
  EXPECT_NEAR(c[0].back().y, 3.0, 1e-6);
  for (const P& p : c[0]) EXPECT_NEAR(p.x, 1.5, 1e-6);
}

TEST_F(ContourPoints, OverflowsKeepWhatFitsAndWarn) {
  std::vector<float> z(9, 0.0f);
  z[4] = 1.0f;
  zanini_();
  zanglb.iproto = 0;
  Curves c;
  auto out = printed([&] { c = points({0, 1, 2}, {0, 1, 2}, z, 0.5f, 4, 5); });
  ASSERT_EQ(c.size(), 1u);
  EXPECT_EQ(c[0].size(), 4u);  // the first four of nine points
  ASSERT_EQ(out.size(), 1u);
  EXPECT_NE(out[0].find("Overflow - Too many contour points"), std::string::npos);
  // Two lines (saddle, level 0.4) into room for one: the second line's
  // points go on into the first curve.
  out = printed([&] { c = points({0, 1}, {0, 1}, {0, 1, 1, 0}, 0.4f, 100, 1); });
  ASSERT_EQ(c.size(), 1u);
  EXPECT_EQ(c[0].size(), 6u);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_NE(out[0].find("Overflow - Too many contour lines"), std::string::npos);
  zanfin_();
}

TEST_F(ContourPoints, BadGridsWarnAndGiveNothing) {
  zanini_();
  zanglb.iproto = 0;
  Curves c{{{1, 1}}};
  // A 1 x 1 and a 1 x 3 grid, x not increasing.
  auto out = printed([&] { c = points({0}, {0}, {1}, 0.5f); });
  EXPECT_TRUE(c.empty());
  EXPECT_EQ(out.size(), 1u);
  out = printed([&] { c = points({0}, {0, 1, 2}, {1, 2, 3}, 0.5f); });
  EXPECT_TRUE(c.empty());
  EXPECT_EQ(out.size(), 1u);
  out = printed([&] { c = points({0, 2, 1}, {0, 1}, {0, 1, 2, 3, 4, 5}, 0.5f); });
  EXPECT_TRUE(c.empty());
  ASSERT_EQ(out.size(), 1u);
  EXPECT_NE(out[0].find("XRAY"), std::string::npos);
  // NaN values: no crash, the points next to them are left out.
  const float nan = std::nanf("");
  c = points({0, 1, 2}, {0, 1, 2}, {0, 0, 0, 0, 1, nan, 0, 0, 0}, 0.5f);
  for (const auto& curve : c)
    for (const P& p : curve)
      if (std::isfinite(p.x)) {
        EXPECT_TRUE(p.x >= 0 && p.x <= 2 && p.y >= 0 && p.y <= 2);
      }
  zanfin_();
}

}  // namespace
}  // namespace zantor::test
