// Contours given hostile input: corner numbers at the integer limits, and
// shaded cells that reach far beyond the page (their mosaic is made for
// the visible part only).
#include <climits>
#include <vector>

#include "axes/curve_support.h"

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

}  // namespace
}  // namespace zantor::test
