// Projected coordinates of known points against reference values of an
// independent implementation (PROJ on the unit sphere, commands in the
// comments; "kNo" where it gives no image), and the domain edges.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "maps/projection.h"

namespace zantor {
namespace {

constexpr double kNo = 1e300;
// The points of every table row: longitude, latitude.
constexpr double kPts[8][2] = {{0, 0}, {30, 45}, {-60, -30}, {120, 60},
                               {-150, 10}, {90, -75}, {10, 80}, {-20, 50}};

struct Ref {
  const char* name;
  int code;
  bool conical;  // PROJ puts the origin elsewhere: compared up to a shift
  double xy[8][2];
};

const Ref kRefs[] = {
    // proj +proj=eqc +R=1
    {"EXAC", 2, false, {{0.000000000, 0.000000000}, {0.523598776, 0.785398163}, {-1.047197551, -0.523598776}, {2.094395102, 1.047197551}, {-2.617993878, 0.174532925}, {1.570796327, -1.308996939}, {0.174532925, 1.396263402}, {-0.349065850, 0.872664626}}},
    // proj +proj=merc +R=1
    {"MERC", 1, false, {{0.000000000, 0.000000000}, {0.523598776, 0.881373587}, {-1.047197551, -0.549306144}, {2.094395102, 1.316957897}, {-2.617993878, 0.175425830}, {1.570796327, -2.027589422}, {0.174532925, 2.436246054}, {-0.349065850, 1.010683189}}},
    // proj +proj=mill +R=1
    {"CORR", 3, false, {{0.000000000, -0.000000000}, {0.523598776, 0.842844347}, {-1.047197551, -0.539618408}, {2.094395102, 1.196833581}, {-2.617993878, 0.175102806}, {1.570796327, -1.646197371}, {0.174532925, 1.832385416}, {-0.349065850, 0.953637065}}},
    // proj +proj=tmerc +R=1 +k_0=1
    {"UTM", 4, false, {{0.000000000, 0.000000000}, {0.369498972, 0.857071948}, {-0.972955075, -0.857071948}, {0.463598695, 1.851831228}, {-0.539228670, 2.940733298}, {0.264842248, -1.570796327}, {0.030162834, 1.398862614}, {-0.223494608, 0.903109653}}},
    // proj +proj=cea +R=1
    {"EQUA", 6, false, {{0.000000000, 0.000000000}, {0.523598776, 0.707106781}, {-1.047197551, -0.500000000}, {2.094395102, 0.866025404}, {-2.617993878, 0.173648178}, {1.570796327, -0.965925826}, {0.174532925, 0.984807753}, {-0.349065850, 0.766044443}}},
    // proj +proj=moll +R=1
    {"MOLL", 10, false, {{0.000000000, 0.000000000}, {0.379908342, 0.837273472}, {-0.862454386, -0.571303747}, {1.220225775, 1.078176746}, {-2.334859933, 0.193479906}, {0.598437434, -1.281355781}, {0.051215576, 1.336986967}, {-0.238512652, 0.920875791}}},
    // proj +proj=aitoff +R=1
    {"AITO", 11, false, {{0.000000000, 0.000000000}, {0.410380241, 0.792793746}, {-0.946281257, -0.546335738}, {1.178958855, 1.178958855}, {-2.583439155, 0.235799693}, {0.516304468, -1.362506031}, {0.042930850, 1.396769410}, {-0.255308035, 0.876094044}}},
    // proj +proj=hammer +R=1
    {"HAMM", 12, false, {{0.000000000, 0.000000000}, {0.399008851, 0.770825908}, {-0.925820100, -0.534522484}, {1.095445115, 1.095445115}, {-2.401805970, 0.219221385}, {0.475917333, -1.255926060}, {0.039524334, 1.285937273}, {-0.247051032, 0.847759992}}},
    // proj +proj=wintri +lat_1=40 +R=1
    {"WINK", 13, false, {{0.000000000, 0.000000000}, {0.405740087, 0.789095955}, {-0.874240561, -0.534967257}, {1.391679293, 1.113078203}, {-2.294469409, 0.205166309}, {0.859802133, -1.335751485}, {0.088315414, 1.396516406}, {-0.261353995, 0.874379335}}},
    // proj +proj=sinu +R=1
    {"SANS", 14, false, {{0.000000000, 0.000000000}, {0.370240245, 0.785398163}, {-0.906899682, -0.523598776}, {1.047197551, 1.047197551}, {-2.578220668, 0.174532925}, {0.406552005, -1.308996939}, {0.030307324, 1.396263402}, {-0.224375204, 0.872664626}}},
    // proj +proj=lcc +lat_1=30 +lat_2=50 +R=1
    {"CONF", 20, true, {{0.000000000, 0.000000000}, {0.358950638, 0.891195141}, {-1.706768417, -0.213890588}, {0.796998557, 1.735233864}, {-1.694198545, 2.116952735}, {6.017745576, -1.827020171}, {0.044566529, 1.517910132}, {-0.222477863, 0.941777195}}},
    // proj +proj=aea +lat_1=30 +lat_2=50 +R=1
    {"ALBE", 21, true, {{0.000000000, 0.000000000}, {0.359033937, 0.814523426}, {-1.380358559, 0.089820391}, {0.820444574, 1.652658007}, {-1.697378794, 2.004894156}, {2.138039320, 0.467840804}, {0.064283704, 1.278313748}, {-0.222553759, 0.867048115}}},
    // proj +proj=eqdc +lat_1=30 +lat_2=50 +R=1
    {"CONI", 23, true, {{0.000000000, 0.000000000}, {0.358986944, 0.846070745}, {-1.490670410, -0.004904434}, {0.808430353, 1.687302812}, {-1.694114469, 2.053707284}, {2.689404011, 0.168220611}, {0.053632556, 1.399259716}, {-0.222516215, 0.897605303}}},
    // proj +proj=poly +lat_0=0 +R=1
    {"POLY", 22, false, {{0.000000000, 0.000000000}, {0.361839408, 0.853157721}, {-0.866025404, -0.755649583}, {0.560387583, 1.763468985}, {-2.490326985, 0.750551358}, {0.267565477, -1.562611376}, {0.030158315, 1.398861628}, {-0.221710840, 0.902485261}}},
    // proj +proj=ortho +lat_0=40 +lon_0=10 +R=1
    {"ORTH", 31, false, {{-0.173648178, -0.633022222}, {0.241844763, 0.114566621}, {kNo, kNo}, {0.469846310, 0.773337103}, {kNo, kNo}, {kNo, kNo}, {0.000000000, 0.642787610}, {-0.321393805, 0.229003254}}},
    // proj +proj=stere +lat_0=40 +lon_0=10 +R=1
    {"STER", 32, false, {{-0.197956605, -0.721636883}, {0.246337003, 0.116694684}, {-1.797440695, -1.266505129}, {0.659123938, 1.084876023}, {-1.672792836, 3.614863979}, {1.232697324, -3.718260109}, {0.000000000, 0.727940469}, {-0.334987926, 0.238689495}}},
    // proj +proj=aeqd +lat_0=40 +lon_0=10 +R=1
    {"AZIM", 33, false, {{-0.189425357, -0.690536819}, {0.244828552, 0.115980101}, {-1.361414986, -0.959274521}, {0.587306082, 0.966668406}, {-0.928512609, 2.006492802}, {0.691507053, -2.085834893}, {0.000000000, 0.698131701}, {-0.330381244, 0.235407088}}},
    // proj +proj=laea +lat_0=40 +lon_0=10 +R=1
    {"LAMB", 34, false, {{-0.185404433, -0.675878823}, {0.244080548, 0.115625757}, {-1.209443289, -0.852192861}, {0.556495238, 0.915955720}, {-0.750624355, 1.622080682}, {0.560534143, -1.690773318}, {0.000000000, 0.684040287}, {-0.328120472, 0.233796217}}},
    // proj +proj=gnom +lat_0=40 +lon_0=10 +R=1
    {"GNOM", 30, false, {{-0.230178526, -0.839099631}, {0.250999288, 0.118903300}, {kNo, kNo}, {1.103783028, 1.816756566}, {kNo, kNo}, {kNo, kNo}, {0.000000000, 0.839099631}, {-0.349782829, 0.249231331}}},
    // proj +proj=lcc +lat_1=40 +lat_2=40 +R=1
    {"CONF1", 20, true, {{0.000000000, 0.000000000}, {0.364713665, 0.903661835}, {-1.727003284, -0.219841790}, {0.813723611, 1.760223562}, {-1.727656739, 2.140417025}, {6.065852928, -1.866276829}, {0.045508533, 1.542131881}, {-0.226122052, 0.955259053}}},
    // proj +proj=aea +lat_1=-50 +lat_2=-30 +R=1
    {"ALBES", 21, true, {{0.000000000, 0.000000000}, {0.775922269, 0.396849201}, {-0.841923232, -0.779449177}, {2.413193173, -1.254438664}, {-1.992530710, -2.030474382}, {0.529972743, -1.513249073}, {0.282460369, 0.688394077}, {-0.531087730, 0.506445702}}},
};

ProjectionSetup setupFor(const Ref& r) {
  ProjectionSetup s;
  s.code = r.code;
  std::string n = r.name;
  if (n == "CONF1") { s.plat1 = s.plat2 = 40; }
  else if (n == "ALBES") { s.plat1 = -50; s.plat2 = -30; s.southCone = true; }
  else if (r.conical) { s.plat1 = 30; s.plat2 = 50; }
  if (isAzimuthal(r.code)) { s.cenLon = 10; s.cenLat = 40; }
  return s;
}

TEST(MapProjections, AgreeWithReferenceValues) {
  for (const Ref& r : kRefs) {
    SCOPED_TRACE(r.name);
    const Projection p = makeProjection(setupFor(r));
    const double lon0 = isAzimuthal(r.code) ? 10 : 0;
    double dx = 0, dy = 0;
    bool first = true;
    for (int i = 0; i < 8; ++i) {
      if (r.xy[i][0] == kNo) continue;
      double x, y;
      ASSERT_TRUE(projectPoint(p, kPts[i][0] - lon0, kPts[i][1], x, y)) << "point " << i;
      if (first && r.conical) { dx = x - r.xy[i][0]; dy = y - r.xy[i][1]; }
      first = false;
      EXPECT_NEAR(x - dx, r.xy[i][0], 2e-6) << "point " << i;
      EXPECT_NEAR(y - dy, r.xy[i][1], 2e-6) << "point " << i;
    }
  }
}

TEST(MapProjections, EllipticalHasEllipticMeridiansAndEvenParallels) {
  // x = 2 lam/pi sqrt(pi^2/4 - phi^2), y = phi: at lam = pi, phi = pi/3 the
  // meridian is at 2 sqrt(pi^2/4 - pi^2/9) = 2 pi sqrt(5/36) = 2.3415.
  const Projection p = makeProjection({15});
  double x, y;
  ASSERT_TRUE(projectPoint(p, 180, 60, x, y));
  EXPECT_NEAR(x, 2 * M_PI * std::sqrt(5.0 / 36.0), 1e-9);
  EXPECT_NEAR(y, M_PI / 3, 1e-9);
  ASSERT_TRUE(projectPoint(p, 180, 90, x, y));
  EXPECT_NEAR(x, 0, 1e-9);  // the poles are points
}

TEST(MapProjections, ObliqueMercatorFollowsItsCentralLine) {
  // With the centre on the equator the central line is the equator and the
  // projection is the ordinary Mercator.
  ProjectionSetup s;
  s.code = 5;
  const Projection p = makeProjection(s);
  double x, y;
  ASSERT_TRUE(projectPoint(p, 30, 45, x, y));
  EXPECT_NEAR(std::fabs(x), 30 * M_PI / 180, 1e-9);
  EXPECT_NEAR(std::fabs(y), 0.881373587, 1e-8);
  // With the centre at 40 degrees north the centre maps to the origin and
  // points on the great circle heading east from it keep y = 0: the point
  // 90 degrees along it lies on the equator at longitude 90.
  s.lat0 = 40;
  const Projection q = makeProjection(s);
  ASSERT_TRUE(projectPoint(q, 0, 40, x, y));
  EXPECT_NEAR(x, 0, 1e-9);
  EXPECT_NEAR(y, 0, 1e-9);
  ASSERT_TRUE(projectPoint(q, 90, 0, x, y));
  EXPECT_NEAR(y, 0, 1e-9);
  EXPECT_NEAR(std::fabs(x), M_PI / 2, 1e-9);
}

TEST(MapProjections, PolesStayFiniteAndDateLineIsTheEdge) {
  double x, y;
  const Projection merc = makeProjection({1});
  ASSERT_TRUE(projectPoint(merc, 0, 90, x, y));
  // 89.99 degrees: ln tan(pi/4 + 89.99 pi/360) = 9.3916.
  EXPECT_NEAR(y, std::log(std::tan(M_PI / 4 + 89.99 * M_PI / 360)), 1e-9);
  EXPECT_TRUE(std::isfinite(y));
  ASSERT_TRUE(projectPoint(merc, 0, -90, x, y));
  EXPECT_LT(y, -9.0);
  // The edges of the world projections: +-180 meet the frame at +-x max.
  for (int code : {10, 11, 12, 13, 14}) {
    const Projection p = makeProjection({code});
    double xl, yl, xr, yr;
    ASSERT_TRUE(projectPoint(p, -180, 0, xl, yl));
    ASSERT_TRUE(projectPoint(p, 180, 0, xr, yr));
    EXPECT_NEAR(xl, -xr, 1e-9) << code;
    EXPECT_GT(xr, 2.0) << code;
  }
  // The conformal conic keeps the opposite pole finite (179.99 degrees).
  ProjectionSetup c;
  c.code = 20; c.plat1 = 30; c.plat2 = 50;
  ASSERT_TRUE(projectPoint(makeProjection(c), 0, -90, x, y));
  EXPECT_TRUE(std::isfinite(x) && std::isfinite(y));
}

TEST(MapProjections, AzimuthalDomains) {
  ProjectionSetup s;
  s.cenLon = 0; s.cenLat = 90;  // north polar aspect
  double x, y;
  // GNOM: no image at or beyond 90 degrees from the centre.
  s.code = 30;
  EXPECT_FALSE(projectPoint(makeProjection(s), 0, 0, x, y));
  EXPECT_FALSE(projectPoint(makeProjection(s), 0, -30, x, y));
  ASSERT_TRUE(projectPoint(makeProjection(s), 0, 45, x, y));
  EXPECT_NEAR(std::hypot(x, y), 1.0, 1e-9);  // tan 45
  // ORTH: the far side lies outside the unit circle, radius 2 - sin c.
  s.code = 31;
  ASSERT_TRUE(projectPoint(makeProjection(s), 90, -30, x, y));
  EXPECT_NEAR(std::hypot(x, y), 2 - std::sin(120 * M_PI / 180), 1e-9);
  EXPECT_GT(std::hypot(x, y), 1.0);
  // The antipode: no stereographic image; azimuthal equidistant at pi.
  s.code = 32;
  EXPECT_FALSE(projectPoint(makeProjection(s), 0, -90, x, y));
  s.code = 33;
  ASSERT_TRUE(projectPoint(makeProjection(s), 0, -90, x, y));
  EXPECT_NEAR(std::hypot(x, y), M_PI, 1e-9);
  // Not a number: no image.
  EXPECT_FALSE(projectPoint(makeProjection(s), NAN, 0, x, y));
}

}  // namespace
}  // namespace zantor
