// Hatching in software: angles, spacing, grouping, alignment of neighbours
// and the even-odd rule.
#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "draw/fill.h"
#include "draw/pipeline.h"
#include "fill_trace.h"

namespace zantor::test {
namespace {

class FillHatch : public FillTest {};

// Distance of a segment's line from the page corner, across the lines.
double offset(const Segment& s, double angleDeg) {
  const double a = angleDeg * 3.14159265358979323846 / 180.0;
  return -s.y1 * std::cos(a) - s.x1 * std::sin(a);
}

TEST_F(FillHatch, SolidWithoutDeviceFillIsOutlineThenLinesOneUnitApart) {
  open();  // the trace device's default capabilities cannot fill
  zanglb.ilinsh = 0;  // only dareaf's own outline
  const int32_t s = 16;
  shdpat_(&s);
  areaf({100, 200, 200, 100}, {100, 100, 150, 150});
  auto seg = segments();
  close();
  ASSERT_GT(seg.size(), 40u);
  EXPECT_EQ(count("polygon"), 0);
  // The closed outline comes first.
  EXPECT_NEAR(seg[0].x1, 100, 1e-3);
  EXPECT_NEAR(seg[0].y1, 100, 1e-3);
  EXPECT_NEAR(seg[3].x2, 100, 1e-3);
  EXPECT_NEAR(seg[3].y2, 100, 1e-3);
  // Then horizontal lines across the whole width, one unit apart.
  std::vector<Segment> lines(seg.begin() + 4, seg.end());
  // 0.99999 apart from the page corner: y = 100.999 .. 149.998.
  ASSERT_EQ(lines.size(), 50u);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_NEAR(lines[i].y1, lines[i].y2, 1e-3);
    EXPECT_NEAR(std::min(lines[i].x1, lines[i].x2), 100, 1e-3);
    EXPECT_NEAR(std::max(lines[i].x1, lines[i].x2), 200, 1e-3);
    if (i > 0) {
      EXPECT_NEAR(std::fabs(lines[i].y1 - lines[i - 1].y1), 1.0, 1e-3);
    }
  }
}

TEST_F(FillHatch, CrossedPatternsDrawBothDirections) {
  struct Case {
    const char* what;
    int32_t pattern[4];  // shdpat n in [0] when [1] < 0, else mypat parts
    std::set<int> angles;
    double spacing;
  };
  const Case cases[] = {
      {"shdpat(5)", {5, -1, 0, 0}, {45, 135}, 26.9999},
      {"mypat(135,1,5,1)", {135, 1, 5, 1}, {135, 45}, 26.9999},
      {"shdpat(3)", {3, -1, 0, 0}, {135}, 26.9999},
      {"shdpat(8)", {8, -1, 0, 0}, {30}, 21.9999},
      {"mypat(0,1,3,1)", {0, 1, 3, 1}, {0, 90}, 16.9999},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    open();
    zanglb.ilinsh = 0;
    if (c.pattern[1] < 0) shdpat_(&c.pattern[0]);
    else mypat_(&c.pattern[0], &c.pattern[1], &c.pattern[2], &c.pattern[3]);
    areaf({500, 900, 900, 500}, {500, 500, 900, 900});
    auto seg = segments();
    close();
    std::set<int> seen;
    std::map<int, std::vector<double>> offsets;
    for (const auto& s : seg) {
      const int a = static_cast<int>(std::lround(s.angle()));
      EXPECT_NEAR(s.angle(), a, 0.05);
      seen.insert(a % 180);
      offsets[a % 180].push_back(offset(s, a));
    }
    EXPECT_EQ(seen, c.angles);
    // Parallel lines lie at multiples of the spacing from the page corner.
    for (auto& [a, v] : offsets) {
      std::sort(v.begin(), v.end());
      for (std::size_t i = 0; i < v.size(); ++i) {
        EXPECT_NEAR(v[i] / c.spacing, std::round(v[i] / c.spacing), 1e-3);
        if (i > 0) {
          EXPECT_NEAR(v[i] - v[i - 1], c.spacing, 1e-2);
        }
      }
    }
  }
}

TEST_F(FillHatch, GroupedTypesDrawBandsOfLines) {
  open();
  zanglb.ilinsh = 0;
  const int32_t n = 15;  // 45 degrees, type 2, density 1: 2 lines, skip 2
  shdpat_(&n);
  areaf({200, 1200, 1200, 200}, {200, 200, 1200, 1200});
  auto seg = segments();
  close();
  std::set<long> rows;
  for (const auto& s : seg) rows.insert(std::lround(offset(s, 45) / 20.0));
  ASSERT_GT(rows.size(), 10u);
  // Of every four line positions, the first two are drawn: the gaps between
  // drawn lines alternate 1 and 3 spacings.
  for (long r : rows) EXPECT_LT(((r % 4) + 4) % 4, 2) << r;
  EXPECT_EQ(zanglb.ndrawl, 2);
  EXPECT_EQ(zanglb.nskipl, 2);
}

TEST_F(FillHatch, AdjacentAreasHaveContinuousLines) {
  open();
  zanglb.ilinsh = 0;
  const int32_t n = 1;  // 45 degrees
  shdpat_(&n);
  const int32_t x0 = 60, ny = 300;
  origin_(&x0, &ny);  // the origin must not break the alignment either
  areaf({100, 300, 300, 100}, {100, 100, 400, 400});
  const std::size_t first = segments().size();
  areaf({300, 517, 517, 300}, {100, 100, 400, 400});
  auto seg = segments();
  close();
  ASSERT_GT(first, 5u);
  int joined = 0, ending = 0;
  for (std::size_t i = 0; i < first; ++i) {
    const Segment& a = seg[i];
    const double ax = std::max(a.x1, a.x2), ay = a.x1 > a.x2 ? a.y1 : a.y2;
    if (std::fabs(ax - 360) > 1e-3) continue;  // ends on the shared side
    ++ending;
    for (std::size_t j = first; j < seg.size(); ++j) {
      const Segment& b = seg[j];
      const double bx = std::min(b.x1, b.x2), by = b.x1 < b.x2 ? b.y1 : b.y2;
      if (std::fabs(bx - 360) < 1e-3 && std::fabs(by - ay) < 2e-3) {
        EXPECT_NEAR(offset(a, 45), offset(b, 45), 2e-3);  // collinear
        ++joined;
      }
    }
  }
  EXPECT_GE(ending, 7);
  EXPECT_EQ(joined, ending);  // every line goes on in the neighbour
}

TEST_F(FillHatch, LinesStayInsideConcaveAreasAndHoles) {
  // A square with a square hole (one polygon, even-odd) and a comb.
  const std::vector<std::vector<int32_t>> xs = {
      {100, 500, 500, 100, 100, 200, 400, 400, 200, 200},
      {100, 700, 700, 600, 600, 500, 500, 400, 400, 300, 300, 200, 200, 100}};
  const std::vector<std::vector<int32_t>> ys = {
      {100, 100, 500, 500, 100, 200, 200, 400, 400, 200},
      {100, 100, 600, 600, 200, 200, 600, 600, 200, 200, 600, 600, 200, 200}};
  for (int angle : {0, 30, 90, 135}) {
    for (std::size_t k = 0; k < xs.size(); ++k) {
      SCOPED_TRACE(::testing::Message() << "angle " << angle << " polygon " << k);
      open();
      zanglb.ilinsh = 0;
      const int32_t type = 1, dens = 1, cross = 0;
      mypat_(&angle, &type, &dens, &cross);
      areaf(xs[k], ys[k]);
      auto seg = segments();
      close();
      ASSERT_GT(seg.size(), 20u);
      std::vector<double> px(xs[k].begin(), xs[k].end()), py(ys[k].begin(), ys[k].end());
      double covered = 0;
      for (const auto& s : seg) {
        for (double t : {0.02, 0.25, 0.5, 0.75, 0.98}) {
          if (s.length() < 0.5) continue;
          const double x = s.x1 + t * (s.x2 - s.x1), y = s.y1 + t * (s.y2 - s.y1);
          EXPECT_TRUE(insidePolygon(px, py, x, y)) << x << "," << y;
        }
        covered += s.length();
      }
      // Hole: nothing inside; area hatched about area / spacing.
      const double area = k == 0 ? 400.0 * 400 - 200.0 * 200 : 600.0 * 100 + 3 * 100.0 * 400;
      EXPECT_NEAR(covered / (area / 6.9999), 1.0, 0.1);
    }
  }
}

TEST_F(FillHatch, HatchStyleOfTypeIsRestoredAfterwards) {
  open();
  qqltyp(2);
  const int32_t n = 17;  // type 5: dotted hatch lines
  shdpat_(&n);
  areaf({100, 200, 200}, {100, 100, 200});
  EXPECT_EQ(zanglb.ityp, 2);
  close();
}

TEST_F(FillHatch, HugeAreasAreHatchedOnlyInsideTheClippingWindow) {
  open();
  zanglb.ilinsh = 0;
  const int32_t n = 16;
  shdpat_(&n);
  const int32_t big = 2000000000;
  areaf({-big, big, big, -big}, {-big, -big, big, big});
  auto seg = segments();
  close();
  // One line per plot unit of page height, each cut at the page border.
  EXPECT_NEAR(static_cast<double>(seg.size()), zanglb.nyres + 1, 3);
  for (const auto& s : seg) {
    EXPECT_GE(std::min(s.x1, s.x2), -1e-3);
    EXPECT_LE(std::max(s.x1, s.x2), zanglb.nxres + 1e-3);
  }
}

// An area whose hatching would need more than a million cuts of edges and
// lines (here 2000 edges across 2000 lines one unit apart) gets its lines
// spread evenly so that the work stays at that bound.
TEST_F(FillHatch, DenseHatchingOfManyEdgesIsBounded) {
  open();
  zanglb.ilinsh = 0;
  const int32_t solid = 16;
  shdpat_(&solid);
  std::vector<int32_t> x, y;
  for (int i = 0; i < 2000; ++i) {  // a comb of 1000 teeth from y = 50 to 2050
    x.push_back(100 + i);
    y.push_back(i % 2 == 0 ? 50 : 2050);
  }
  x.push_back(2099);
  y.push_back(2060);
  x.push_back(100);
  y.push_back(2060);
  areaf(x, y);
  auto seg = segments();
  close();
  // About 2000 * 2000 / 0.99999 = 4e6 cuts: the spacing grows about 4
  // times, about 500 lines of about 1000 pieces each.
  EXPECT_LE(seg.size(), 510000u);
  EXPECT_GE(seg.size(), 450000u);
  // The outline comes first, then the lines, evenly spaced.
  std::set<long> rows;
  for (std::size_t i = x.size(); i < seg.size(); ++i) rows.insert(std::lround(seg[i].y1 * 100));
  ASSERT_GT(rows.size(), 400u);
  std::vector<long> r(rows.begin(), rows.end());
  for (std::size_t i = 2; i < r.size(); ++i) EXPECT_NEAR(r[i] - r[i - 1], r[1] - r[0], 2);
}

TEST_F(FillHatch, UndefinedCoordinatesDrawNothing) {
  open();
  const int32_t n = 16;
  shdpat_(&n);
  const float nan = std::nanf(""), inf = INFINITY;
  const float x[4] = {100, 200, nan, 100}, y[4] = {100, 100, 200, 200};
  const float x2[3] = {100, inf, 100}, y2[3] = {100, 100, 200};
  dareaf(x, y, 4);
  dareaf(x2, y2, 3);
  close();
  EXPECT_EQ(count("draw"), 0);
  EXPECT_EQ(count("polygon"), 0);
}

}  // namespace
}  // namespace zantor::test
