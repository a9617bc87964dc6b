// 3D axis systems given hostile input: infinite scaling, steps too small
// and origins too far for their ticks and grid lines, and surfaces whose
// lines run far beyond the page through the hidden-line masks.
#include <cmath>
#include <string>
#include <vector>

#include "plot3d/horizon.h"
#include "plot3d_support.h"

namespace zantor::test {
namespace {

class Hostile3d : public Plot3dTest {
 protected:
  size_t drawsSince(size_t from) const {
    size_t n = 0;
    const auto& t = traceLines();
    for (size_t i = from; i < t.size(); ++i) n += t[i].rfind("draw", 0) == 0;
    return n;
  }
};

TEST_F(Hostile3d, InfiniteScalingIsRefused) {
  for (int k = 0; k < 3; ++k) {
    float v[3] = {1, 1, 1};
    v[k] = INFINITY;
    const auto out = printed([&] { graf3d(-1, v[0], -1, 1, -1, v[1], -1, 1, -1, v[2], -1, 1); });
    EXPECT_EQ(out.size(), 1u) << k;
    EXPECT_EQ(level(), 1) << k;
  }
  // An infinite step as well.
  printed([] { graf3d(-1, 1, -1, INFINITY, -1, 1, -1, 1, -1, 1, -1, 1); });
  EXPECT_EQ(level(), 1);
}

TEST_F(Hostile3d, StepTooSmallForTicksLeavesThemOut) {
  // 1e-30 steps would give 1e30 ticks on each axis.
  const size_t before = traceLines().size();
  graf3d(-1, 1, -1, 1e-30f, -1, 1, -1, 1, -1, 1, -1, 1);
  ASSERT_EQ(level(), 3);
  const size_t small = drawsSince(before);
  endgrf_();
  // A sensible X step draws its ticks and labels too; the tiny step draws
  // fewer lines than that, not billions.
  const size_t mark = traceLines().size();
  unitBox();
  EXPECT_LT(small, drawsSince(mark) + 100);
}

TEST_F(Hostile3d, OriginTooFarForGridLinesAndTicks) {
  // The first label at -1e30: the line numbers counted from it are so
  // large that adding one no longer changes them.
  printed([] { graf3d(0, 10, -1e30f, 1, -1, 1, -1, 1, -1, 1, -1, 1); });
  ASSERT_EQ(level(), 3);
  const size_t before = traceLines().size();
  int32_t one = 1;
  grid3d_(&one, &one, "ALL", 3);
  qqstrk();
  // The lines of the Y and Z axes are drawn; the X axis has none.
  EXPECT_GT(drawsSince(before), 0u);
  EXPECT_LT(drawsSince(before), 100u);
}

// A steep line from far below the page to far above it, from column 10 to
// column 11: the masks learn what the whole line would teach them within
// the page.  The line crosses column 10.5 at row 0, so row 500 lies
// within the line's part in column 10 (hidden) and below its part in
// column 11.
TEST_F(Hostile3d, SteepLineFarBeyondThePageKeepsTheMasksOfTheWholeLine) {
  zanglb.imkopt = 1;
  resetHorizon();
  dhline(10, 1e9, 3);
  dhline(11, -1e9, 2);
  const size_t before = traceLines().size();
  dhline(0, 500, 3);
  dhline(20, 500, 2);
  qqstrk();
  std::vector<double> xs;
  const double s = zanglb.xscf;
  for (size_t i = before; i < traceLines().size(); ++i) {
    double x = 0, y = 0;
    const char* l = traceLines()[i].c_str();
    if (std::sscanf(l, "move %lf %lf", &x, &y) == 2 || std::sscanf(l, "draw %lf %lf", &x, &y) == 2)
      xs.push_back(x / s);
  }
  // Columns 0..9 drawn; 10 hidden; 11 shows below the line (a run of the
  // lower side of its own), and the free columns 12..20 go on on the upper
  // side.
  const std::vector<double> expected{0, 9, 11, 12, 20};
  ASSERT_EQ(xs.size(), expected.size());
  for (size_t i = 0; i < xs.size(); ++i) EXPECT_TRUE(near(xs[i], expected[i])) << i << ": " << xs[i];
}

TEST_F(Hostile3d, SurfaceOfHugeValuesFinishes) {
  unitBox();
  std::vector<float> x{-1, -0.5f, 0, 0.5f, 1}, z;
  for (int j = 0; j < 5; ++j)
    for (int i = 0; i < 5; ++i) z.push_back((i + j) % 2 ? 1e30f : -1e30f);
  const int32_t n = 5;
  printed([&] { surfce_(x.data(), &n, x.data(), &n, z.data()); });
  EXPECT_EQ(level(), 3);
}

}  // namespace
}  // namespace zantor::test
