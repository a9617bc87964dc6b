// The depth buffer and lighting: nearer triangles win in either order,
// lit planes follow the Lambert term at sample pixels, bad input warns.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <zantor.h>

#include "core/state.h"
#include "devices/raster/raster.h"
#include "plot3d/projection.h"
#include "shading/shading.h"
#include "support/fixture.h"

namespace zantor::test {
namespace {

TEST(DepthBuffer, NearerTriangleWinsInEitherOrder) {
  RasterContext r;
  ASSERT_EQ(r.qqvini(20, 20, false, false), 0);
  const double x[3] = {0, 19, 0}, y[3] = {0, 0, 19};
  const double far[3] = {0.5, 0.5, 0.5}, near[3] = {0.2, 0.2, 0.2};
  const int32_t c3[3] = {3, 3, 3}, c5[3] = {5, 5, 5};
  // Without a buffer nothing is drawn.
  r.qqvztr(x, y, near, c5);
  EXPECT_EQ(r.qqvrpx(3, 3), 0);
  ASSERT_EQ(r.qqvzbf(0), 0);
  r.qqvztr(x, y, far, c3);
  r.qqvztr(x, y, near, c5);
  EXPECT_EQ(r.qqvrpx(3, 3), 5);
  ASSERT_EQ(r.qqvzbf(2), 0);  // depths far again, picture kept
  r.qqvztr(x, y, near, c5);
  r.qqvztr(x, y, far, c3);
  EXPECT_EQ(r.qqvrpx(3, 3), 5);
  // Equal depth passes (less or equal).
  r.qqvztr(x, y, near, c3);
  EXPECT_EQ(r.qqvrpx(3, 3), 3);
  // A tilted triangle: depth x / 19 crosses the flat one at 0.5, x = 9.5.
  ASSERT_EQ(r.qqvzbf(2), 0);
  r.qqvztr(x, y, far, c3);
  const double tilt[3] = {0.0, 1.0, 0.0};
  r.qqvztr(x, y, tilt, c5);
  EXPECT_EQ(r.qqvrpx(9, 1), 5);   // 9 / 19 = 0.47 < 0.5
  EXPECT_EQ(r.qqvrpx(10, 1), 3);  // 10 / 19 = 0.53 > 0.5
  EXPECT_EQ(r.qqvzbf(1), 0);
  EXPECT_EQ(r.qqvzbf(1), 1);  // no buffer left to free
  r.qqvfin();
}

TEST(DepthBuffer, LinesAreDepthTested) {
  RasterContext r;
  ASSERT_EQ(r.qqvini(20, 20, false, false), 0);
  ASSERT_EQ(r.qqvzbf(0), 0);
  const double x[3] = {0, 19, 0}, y[3] = {0, 0, 19}, z[3] = {0.5, 0.5, 0.5};
  const int32_t c3[3] = {3, 3, 3};
  r.qqvztr(x, y, z, c3);
  r.qqvclr(7);
  r.qqvzln(0, 2, 0.9, 19, 2, 0.1);  // behind the triangle until x = 9.5
  EXPECT_EQ(r.qqvrpx(5, 2), 3);
  EXPECT_EQ(r.qqvrpx(14, 2), 7);
}

class Lighting : public LibraryTest {};

TEST_F(Lighting, LambertAmbientSpecularAndAttenuation) {
  call(metafl_, "VIRT");
  zanini_();
  zanglb.iproto = 0;
  // Light 1 at (4, -5, 4); P = (0, 0, 1), L = (4, -5, 3) / sqrt(50):
  // I = 0.2 * 0.2 + 0.8 * 3 / 7.0711 = 0.04 + 0.339411 = 0.379411.
  const Abs3 p{0, 0, 1}, up{0, 0, 1}, view{4, -5, 4};
  EXPECT_NEAR(lightIntensity(p, up, view).r, 0.379411, 1e-5);
  // Facing away from the light: ambient only.
  EXPECT_NEAR(lightIntensity(p, {0, 0, -1}, view).g, 0.04, 1e-6);
  // Specular 1 with exponent 1, seen along the reflection R = 2cN - L =
  // (-0.565685, 0.707107, 0.424264): s = 1, I = 0.379411 + 1.
  float one = 1;
  matopt_(&one, "SPEC", 4);
  matopt_(&one, "EXPO", 4);
  const Abs3 along{p.x - 0.565685 * 5, p.y + 0.707107 * 5, p.z + 0.424264 * 5};
  EXPECT_NEAR(lightIntensity(p, up, along).b, 1.379411, 1e-4);
  // Linear attenuation 0.5 at d = 7.0711: a = 4.5355; the light's terms
  // are divided by it: 0.04 + 0.339411 / 4.5355 = 0.114834 (specular off
  // from this view, s < 0).
  float zero = 0, half = 0.5f;
  int32_t id = 1;
  matopt_(&zero, "SPEC", 4);
  litopt_(&id, &half, "LINE", 4);
  EXPECT_NEAR(lightIntensity(p, up, view).r, 0.114834, 1e-5);
  // A second light at the same place doubles the diffuse part.
  litopt_(&id, &zero, "LINE", 4);
  int32_t id2 = 2;
  litmod_(&id2, "ON", 2);
  EXPECT_NEAR(lightIntensity(p, up, view).r, 0.04 + 2 * 0.339411, 1e-5);
  // Bad light numbers change nothing.
  int32_t bad = 9;
  const auto out = printed([&] { litmod_(&bad, "OFF", 3); });
  ASSERT_FALSE(out.empty());
  EXPECT_NE(out[0].find("   2: "), std::string::npos);
  EXPECT_EQ(zanglb.ilitmd[0], 1);
  zanfin_();
}

class ShadedPicture : public LibraryTest {
 protected:
  void open(const char* format = "VIRT", bool rgb = true) {
    call(metafl_, format);
    int32_t w = 2970, h = 2100;
    winsiz_(&w, &h);
    if (rgb) call(imgfmt_, "RGB");
    zanini_();
    zanglb.iproto = 0;
    ASSERT_EQ(zanglb.nlev, 1);
    float a = -1, e = 1, o = -1, s = 0.5f;
    graf3d_(&a, &e, &o, &s, &a, &e, &o, &s, &a, &e, &o, &s);
    ASSERT_EQ(zanglb.nlev, 3);
  }
  // The pixel of a user 3D point (one plot unit is one pixel).
  void at(double x, double y, double z, int& px, int& py) {
    const Plot3 p = userToPlot3d(x, y, z);
    px = int(std::lround(p.x));
    py = int(std::lround(p.y));
  }
  int32_t pixel(int x, int y) {
    int32_t v = -1;
    rpixel_(&x, &y, &v);
    return v;
  }
  static int red(int32_t v) { return v & 255; }
};

TEST_F(ShadedPicture, ZbftriNearerTriangleWins) {
  open();
  int32_t iret = -1;
  zbfini_(&iret);
  ASSERT_EQ(iret, 0);
  // The whole floor of the box in colour 50 and a small triangle on its
  // lid in colour 200; the lid is nearer to the view point (4, -5, 4).
  const float fx1[3] = {-1, 1, 1}, fy1[3] = {-1, -1, 1}, fz[3] = {-1, -1, -1};
  const float fx2[3] = {-1, 1, -1}, fy2[3] = {-1, 1, 1};
  const int32_t floor[3] = {50, 50, 50}, lid[3] = {200, 200, 200};
  const float tx[3] = {-0.2f, 0.2f, 0.0f}, ty[3] = {-0.2f, -0.2f, 0.2f}, tz[3] = {1, 1, 1};
  int px, py;
  at(0.0, -0.07, 1.0, px, py);
  zbftri_(fx1, fy1, fz, floor);
  zbftri_(fx2, fy2, fz, floor);
  const int32_t floorColour = pixel(px, py);
  zbftri_(tx, ty, tz, lid);
  const int32_t lidColour = pixel(px, py);
  EXPECT_NE(floorColour, lidColour);
  // The other order: the lid first, the floor cannot cover it.
  zbfres_();
  zbfers_();
  zbftri_(tx, ty, tz, lid);
  zbftri_(fx1, fy1, fz, floor);
  zbftri_(fx2, fy2, fz, floor);
  EXPECT_EQ(pixel(px, py), lidColour);
  zbffin_();
  // Without the buffer: the error, nothing drawn.
  const auto out = printed([&] { zbftri_(fx1, fy1, fz, floor); });
  ASSERT_FALSE(out.empty());
  EXPECT_NE(out[0].find("No initialization of Z-Buffer"), std::string::npos);
  zanfin_();
}

TEST_F(ShadedPicture, LitPlaneFollowsTheLambertTerm) {
  open();
  call(light_, "ON");
  const int n = 21;  // grid points every 0.1 from -1 to 1
  std::vector<float> x(n), z(n * n, 1.0f);
  for (int i = 0; i < n; ++i) x[i] = -1.0f + 0.1f * i;
  int32_t nn = n;
  surshd_(x.data(), &nn, x.data(), &nn, z.data());
  int px, py;
  // The centre of the lid, (0, 0, 1): 0.379411 -> nint(96.75) = 97.
  at(0, 0, 1, px, py);
  EXPECT_NEAR(red(pixel(px, py)), 97, 2);
  // (0.9, -0.9, 1): L = (3.1, -4.1, 3) / 5.95147, cos = 0.504078,
  // I = 0.04 + 0.8 * 0.504078 = 0.443262 -> nint(113.03) = 113.
  at(0.9, -0.9, 1, px, py);
  EXPECT_NEAR(red(pixel(px, py)), 113, 2);
  // Grey: the three components agree.
  const int32_t v = pixel(px, py);
  EXPECT_EQ(v & 255, (v >> 8) & 255);
  zanfin_();
}

TEST_F(ShadedPicture, BadInputWarns) {
  int32_t iret = -1;
  // PostScript: no depth buffer.
  call(metafl_, "PS");
  zanini_();
  zanglb.iproto = 0;
  auto out = printed([&] { zbfini_(&iret); });
  ASSERT_FALSE(out.empty());
  EXPECT_NE(out[0].find("  40: "), std::string::npos);
  EXPECT_EQ(iret, 1);
  zanfin_();
  open();
  // Twice: still one buffer, both succeed.
  zbfini_(&iret);
  EXPECT_EQ(iret, 0);
  zbfini_(&iret);
  EXPECT_EQ(iret, 0);
  // NaN corners draw nothing and do not crash.
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float x[3] = {nan, 0, 1}, y[3] = {0, 1, 0}, z[3] = {0, 0, 0};
  const int32_t c[3] = {9, 9, 9};
  zbftri_(x, y, z, c);
  float bad = 0.5f;
  out = printed([&] { zbfscl_(&bad); });
  ASSERT_FALSE(out.empty());
  EXPECT_FLOAT_EQ(zanglb.xzbfsc, 1.5f);
  int32_t one = 1;
  out = printed([&] { surshd_(x, &one, y, &one, z); });
  ASSERT_FALSE(out.empty());
  EXPECT_NE(out[0].find("   2: "), std::string::npos);
  zanfin_();  // releases the buffer kept open
}

// Pictures are bounded (8192 x 8192 pixels at most), so a depth buffer
// can never be huge: a picture that would need 1.16 GB of depths is
// refused at zanini already, and zbfini then reports the level only.
TEST_F(ShadedPicture, HugeDepthBufferIsRefusedWithItsPicture) {
  call(metafl_, "VIRT");
  int32_t w = 17000, h = 17000;
  winsiz_(&w, &h);
  printed([] { zanini_(); });
  EXPECT_EQ(zanglb.nlev, 0);
  int32_t iret = -1;
  const auto out = printed([&] { zbfini_(&iret); });
  ASSERT_FALSE(out.empty());
  EXPECT_NE(out[0].find("ZBFINI"), std::string::npos) << out[0];
  EXPECT_EQ(iret, -1);
}

}  // namespace
}  // namespace zantor::test
