// Projection of 3D points: the view matrix, central and parallel
// projection, special view points and the setters' checks.  Expected
// values are worked out by hand in the comments.
#include <cmath>

#include "plot3d/projection.h"
#include "plot3d_support.h"

namespace zantor::test {
namespace {

class Projection : public Plot3dTest {
 protected:
  // Expects the plot coordinates of absolute point p to be the picture
  // centre plus xlmin3 * (fx, -fy): (fx, fy) = (x'/w', y'/w').
  static void expectPicture(Abs3 p, double fx, double fy) {
    const Zanglb& g = zanglb;
    const Plot3 q = absToPlot3d(p);
    EXPECT_NEAR(q.x, g.xcen3 + g.xlmin3 * fx, 0.02) << p.x << " " << p.y << " " << p.z;
    EXPECT_NEAR(q.y, g.ycen3 - g.xlmin3 * fy, 0.02) << p.x << " " << p.y << " " << p.z;
  }
};

// With V = (4, -5, 4) and the focus at the origin: r = sqrt(41), D = sqrt(57),
// right u = (5, 4, 0)/sqrt(41), up = (-16, 20, 41)/sqrt(41*57), depth
// w = -(4, -5, 4)/sqrt(57).  For P = (1, 0, 0): right = 5/sqrt(41) =
// 0.780869 (u.V = 0), up = -16/48.342528 = -0.330975 (up.V = 0), depth =
// -(4*(1-4) - 5*(0+5) + 4*(0-4))/sqrt(57) = 53/sqrt(57) = 7.020021.
TEST_F(Projection, DefaultViewCentralProjection) {
  unitBox();
  const Zanglb& g = zanglb;
  EXPECT_EQ(level(), 3);
  EXPECT_DOUBLE_EQ(g.xvures, 4.0);
  EXPECT_DOUBLE_EQ(g.yvures, -5.0);
  EXPECT_DOUBLE_EQ(g.zvures, 4.0);
  // Placement: centre of the axis rectangle, half its smaller side.
  EXPECT_FLOAT_EQ(g.xcen3, g.nxa + 0.5f * g.nxl);
  EXPECT_FLOAT_EQ(g.ycen3, g.nya - 0.5f * g.nyl);
  EXPECT_FLOAT_EQ(g.xlmin3, 0.5f * std::min(g.nxl, g.nyl));
  expectPicture({0, 0, 0}, 0, 0);
  // t = tan(atan(0.25)) = 0.25: x'/w' = 0.780869 / (0.25 * 7.020021) =
  // 0.444938, y'/w' = -0.330975 / 1.755005 = -0.188589.
  expectPicture({1, 0, 0}, 0.444938, -0.188589);
  // Normalised depth without a far plane: 1 - 1/7.020021 = 0.857550.
  EXPECT_NEAR(absToPlot3d(1, 0, 0).depth, 0.857550, 1e-5);
  // The box centre lies at depth sqrt(57) = 7.549834: 1 - 1/7.549834.
  EXPECT_NEAR(absToPlot3d(0, 0, 0).depth, 0.867546, 1e-5);
}

TEST_F(Projection, FarPlaneNormalisesDepth) {
  float n = 1, f = 20;
  vclp3d_(&n, &f);
  unitBox();
  // (1 - 1/7.020021) / (1 - 1/20) = 0.857550 / 0.95 = 0.902684.
  EXPECT_NEAR(absToPlot3d(1, 0, 0).depth, 0.902684, 1e-5);
  // The far plane itself: depth 20 along the viewing axis gives 1.
  const double k = 20.0 / std::sqrt(57.0);
  EXPECT_NEAR(absToPlot3d(4 - 4 * k, -5 + 5 * k, 4 - 4 * k).depth, 1.0, 1e-5);
}

// Parallel projection: w' = 2 / xscl3d = 2, so x'/w' = right / 2.
TEST_F(Projection, ParallelProjectionKeepsEdgesParallel) {
  proj3d_("ORTH", 4);
  unitBox();
  expectPicture({1, 0, 0}, 0.780869 / 2, -0.330975 / 2);
  // Depth: 7.020021 / (2 * sqrt(57)) / 2 = 0.232456.
  EXPECT_NEAR(absToPlot3d(1, 0, 0).depth, 0.232456, 1e-5);
  // The four edges along X have the same picture direction.
  double dir[4][2];
  int k = 0;
  for (int sy = -1; sy <= 1; sy += 2)
    for (int sz = -1; sz <= 1; sz += 2) {
      const Plot3 a = absToPlot3d(-1, sy, sz), b = absToPlot3d(1, sy, sz);
      dir[k][0] = b.x - a.x, dir[k][1] = b.y - a.y;
      ++k;
    }
  for (int i = 1; i < 4; ++i) {
    EXPECT_NEAR(dir[i][0], dir[0][0], 1e-3);
    EXPECT_NEAR(dir[i][1], dir[0][1], 1e-3);
  }
}

TEST_F(Projection, ScaleOfParallelProjection) {
  proj3d_("ORTH", 4);
  float s = 0.5f;
  vscl3d_(&s);
  unitBox();
  // w' = 2 / 0.5 = 4: x'/w' = 0.780869 / 4.
  expectPicture({1, 0, 0}, 0.780869 / 4, -0.330975 / 4);
}

// View point straight above the focus: the special matrix, right = +X,
// up = +Y, depth = 10 - Z.  P = (1, 1, 0): x'/w' = 1 / (0.25 * 10) = 0.4.
TEST_F(Projection, ViewPointOnTheZAxis) {
  view(0, 0, 10);
  unitBox();
  expectPicture({1, 1, 0}, 0.4, 0.4);
  expectPicture({-1, 0, 0}, -0.4, 0);
  // Z = 1 is nearer: depth 9, x'/w' = 1 / 2.25.
  expectPicture({1, 0, 1}, 1 / 2.25, 0);
  for (double v : {absToPlot3d(1, 1, 0).x, absToPlot3d(1, 1, 0).y}) EXPECT_TRUE(std::isfinite(v));
}

// Straight below: the picture is seen from underneath, not mirrored:
// right stays +X, up becomes -Y, depth = Z + 10.
TEST_F(Projection, ViewPointBelowOnTheZAxis) {
  view(0, 0, -10);
  unitBox();
  expectPicture({1, 1, 0}, 0.4, -0.4);
  EXPECT_GT(absToPlot3d(0, 0, 0).depth, 0);
}

// On the X axis: d = (10, 0, 0), sa = 0, ca = 1, sb = 1, cb = 0; right
// u = (0, 1, 0), up = -v = (0, 0, 1), depth = 10 - X.
TEST_F(Projection, ViewPointOnTheXAxis) {
  view(10, 0, 0);
  unitBox();
  expectPicture({0, 1, 1}, 0.4, 0.4);
  expectPicture({1, 0, 0}, 0, 0);
  expectPicture({1, 1, 0}, 1 / 2.25, 0);
}

// vup3d(90): c = 0, s = 1, row 1 = v = (0, -1, 0) and row 2 = u = (1, 0, 0)
// from straight above.  P = (1, 1, 0): right = -1, up = 1.
TEST_F(Projection, UpRotation) {
  view(0, 0, 10);
  float a = 90;
  vup3d_(&a);
  unitBox();
  expectPicture({1, 1, 0}, -0.4, 0.4);
}

// A view angle of 90 degrees: t = tan(45) = 1, P = (1, 1, 0) from (0, 0, 10):
// x'/w' = 1 / 10.
TEST_F(Projection, ViewAngle) {
  view(0, 0, 10);
  float a = 90;
  vang3d_(&a);
  unitBox();
  expectPicture({1, 1, 0}, 0.1, 0.1);
}

// Azimuth 30, elevation 20, distance 10: (10 cos20 sin30, 10 cos20 cos30,
// 10 sin20) = (4.698463, 8.137977, 3.420201).
TEST_F(Projection, ViewPointFromAngles) {
  view(30, 20, 10, "ANGL");
  unitBox();
  const Zanglb& g = zanglb;
  EXPECT_NEAR(g.xvures, 4.698463, 1e-5);
  EXPECT_NEAR(g.yvures, 8.137977, 1e-5);
  EXPECT_NEAR(g.zvures, 3.420201, 1e-5);
  expectPicture({0, 0, 0}, 0, 0);
}

// User coordinates: X = (x - xa) * 2 / (xe - xa) - 1.  graf3d(0..10,
// -1..1, 0..100): (5, 0.5, 25) -> (0, 0.5, -0.5); view point and focus in
// user coordinates convert by the same rule.
TEST_F(Projection, UserCoordinatesAndTransformationRoutines) {
  float fx = 10, fy = 1, fz = 50;
  vfoc3d_(&fx, &fy, &fz, "USER", 4);  // absolute (1, 1, 0)
  view(10, -9, 100, "USER");          // absolute (1, -9, 1)
  graf3d(0, 10, 0, 2, -1, 1, -1, 0.5f, 0, 100, 0, 20);
  float x = 5, y = 0.5f, z = 25, xp = 0, yp = 0, zp = 0;
  pos3pt_(&x, &y, &z, &xp, &yp, &zp);
  EXPECT_FLOAT_EQ(xp, 0);
  EXPECT_FLOAT_EQ(yp, 0.5f);
  EXPECT_FLOAT_EQ(zp, -0.5f);
  EXPECT_FLOAT_EQ(x3dpos_(&x, &y, &z), 0);
  EXPECT_FLOAT_EQ(y3dpos_(&x, &y, &z), 0.5f);
  EXPECT_FLOAT_EQ(z3dpos_(&x, &y, &z), -0.5f);
  const Zanglb& g = zanglb;
  EXPECT_FLOAT_EQ(g.xfcabs, 1);
  EXPECT_FLOAT_EQ(g.yfcabs, 1);
  EXPECT_FLOAT_EQ(g.zfcabs, 0);
  EXPECT_DOUBLE_EQ(g.yvures, -9);
  // The focus is the picture centre.  d = V - F = (0, -10, 1).
  const Plot3 c = absToPlot3d(1, 1, 0);
  EXPECT_NEAR(c.x, g.xcen3, 1e-3);
  EXPECT_NEAR(c.y, g.ycen3, 1e-3);
  // rel3pt and abs3pt agree with the internal transformation.
  float rx = 0, ry = 0, ax = 0, ay = 0, X = 0, Y = 0.5f, Z = -0.5f;
  rel3pt_(&x, &y, &z, &rx, &ry);
  abs3pt_(&X, &Y, &Z, &ax, &ay);
  const Plot3 p = absToPlot3d(0, 0.5, -0.5);
  EXPECT_NEAR(rx, p.x, 1e-3);
  EXPECT_NEAR(ry, p.y, 1e-3);
  EXPECT_FLOAT_EQ(ax, rx);
  EXPECT_FLOAT_EQ(ay, ry);
  EXPECT_FLOAT_EQ(x3drel_(&x, &y, &z), rx);
  EXPECT_FLOAT_EQ(y3drel_(&x, &y, &z), ry);
  EXPECT_FLOAT_EQ(x3dabs_(&X, &Y, &Z), ax);
  EXPECT_FLOAT_EQ(y3dabs_(&X, &Y, &Z), ay);
}

TEST_F(Projection, LogarithmicAxisUsesExponents) {
  call(scale_, "LOG", "X");
  graf3d(0, 2, 0, 1, -1, 1, -1, 1, -1, 1, -1, 1);
  // log10(10) = 1 lies in the middle of exponents 0..2.
  EXPECT_NEAR(userToAbs3d(10, 0, 0).x, 0.0, 1e-6);
  EXPECT_NEAR(userToAbs3d(100, 0, 0).x, 1.0, 1e-6);
  EXPECT_FLOAT_EQ(zanglb.xmax3d, 100.0f);
}

TEST_F(Projection, BoxLengthsScaleAbsoluteCoordinates) {
  float a = 4, b = 2, c = 1;
  axis3d_(&a, &b, &c);
  unitBox();
  EXPECT_NEAR(userToAbs3d(1, 1, 1).x, 2.0, 1e-6);
  EXPECT_NEAR(userToAbs3d(1, 1, 1).z, 0.5, 1e-6);
  // Default view point (2 * 4, -2.5 * 2, 2 * 1).
  EXPECT_DOUBLE_EQ(zanglb.xvures, 8.0);
  EXPECT_DOUBLE_EQ(zanglb.yvures, -5.0);
  EXPECT_DOUBLE_EQ(zanglb.zvures, 2.0);
}

TEST_F(Projection, ObjectRotation) {
  float x = 90, y = 0, z = 90;
  rot3d_(&x, &y, &z);
  // (0, 1, 0) -> about x by 90: (0, 0, 1) -> about z: unchanged.
  double px = 0, py = 1, pz = 0;
  rotate3dObject(px, py, pz);
  EXPECT_NEAR(px, 0, 1e-6);
  EXPECT_NEAR(py, 0, 1e-6);
  EXPECT_NEAR(pz, 1, 1e-6);
  // (1, 0, 0): x rotation leaves it, z rotation by 90 gives (0, 1, 0).
  px = 1, py = 0, pz = 0;
  rotate3dObject(px, py, pz);
  EXPECT_NEAR(px, 0, 1e-6);
  EXPECT_NEAR(py, 1, 1e-6);
  // Tiny angles count as none.
  float tiny = 0.0005f;
  rot3d_(&tiny, &tiny, &tiny);
  EXPECT_EQ(zanglb.irot3d[0] + zanglb.irot3d[1] + zanglb.irot3d[2], 0);
}

TEST_F(Projection, ViewPointInsideTheBoxFallsBackToDefault) {
  view(0.5f, -0.5f, 0.5f);
  const auto lines = printed([] { unitBox(); });
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0], " <<<< Warning  33: Incorrect viewpoint in GRAF3D!");
  EXPECT_EQ(level(), 3);
  EXPECT_DOUBLE_EQ(zanglb.xvures, 4.0);
  EXPECT_DOUBLE_EQ(zanglb.yvures, -5.0);
}

TEST_F(Projection, BadSettingsWarnAndKeepTheOldValue) {
  const Zanglb& g = zanglb;
  const float angle = g.xang3d;
  for (float a : {0.0f, 180.0f, -5.0f, NAN}) {
    const auto lines = printed([a] { vang3d_(&a); });
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], " <<<< Warning   2: Incorrect parameter in VANG3D!");
  }
  EXPECT_FLOAT_EQ(g.xang3d, angle);
  float a = 0, b = 1;
  EXPECT_EQ(printed([&] { axis3d_(&b, &a, &b); }).size(), 1u);
  EXPECT_FLOAT_EQ(g.x3axis[1], 2.0f);
  float n = 0, f = 10, n2 = 5, f2 = 2;
  EXPECT_EQ(printed([&] { vclp3d_(&n, &f); }).size(), 1u);
  EXPECT_EQ(printed([&] { vclp3d_(&n2, &f2); }).size(), 1u);
  EXPECT_FLOAT_EQ(g.xclp3d, 1.0f);
  EXPECT_FLOAT_EQ(g.uclp3d, -1.0f);
  float neg = -3;
  vclp3d_(&n2, &neg);  // a negative far distance means no far plane
  EXPECT_FLOAT_EQ(g.xclp3d, 5.0f);
  EXPECT_EQ(printed([&] { vscl3d_(&a); }).size(), 1u);
  EXPECT_FLOAT_EQ(g.xscl3d, 1.0f);
  const auto kw = printed([] { proj3d_("FISH", 4); });
  ASSERT_EQ(kw.size(), 1u);
  EXPECT_EQ(g.iprj3d, 0);
}

TEST_F(Projection, DegenerateAxesLeaveLevelOne) {
  const auto lines = printed([] { graf3d(0, 1, 0, 1, 0, 1, 0, 1, 2, 2, 2, 1); });
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], " <<<< Warning  10: Begin and end of scaling are equal in GRAF3D!");
  EXPECT_EQ(level(), 1);
  // The transformation routines need the 3D axis system.
  float x = 0, xp = 0, yp = 0;
  const auto l2 = printed([&] { rel3pt_(&x, &x, &x, &xp, &yp); });
  ASSERT_EQ(l2.size(), 1u);
  EXPECT_NE(l2[0].find("Incorrect level"), std::string::npos);
}

TEST_F(Projection, EndgrfReturnsToLevelOneAndSettingsPersist) {
  view(30, 20, 10, "ANGL");
  unitBox();
  endgrf_();
  EXPECT_EQ(level(), 1);
  unitBox();
  EXPECT_NEAR(zanglb.zvures, 3.420201, 1e-5);
}

}  // namespace
}  // namespace zantor::test
