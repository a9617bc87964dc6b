// Map projections on the unit sphere: the constants of one projection and
// the projection of a point.  Pure arithmetic, nothing is drawn here.
#pragma once

namespace zantor {

// Projection families by code range.
inline bool isCylindrical(int code) { return code < 10; }
inline bool isWorldProjection(int code) { return code >= 10 && code < 20; }
inline bool isConical(int code) { return code >= 20 && code < 30; }
inline bool isAzimuthal(int code) { return code >= 30 && code < 40; }

struct ProjectionSetup {
  int code = 0;
  double lon0 = 0;           // central meridian, degrees
  double lat0 = 0;           // reference latitude (POLY, OBLI), degrees
  double plat1 = 0, plat2 = 0;  // standard parallels, degrees
  double cenLon = 0, cenLat = 0;  // centre of azimuthal projections, degrees
  bool southCone = false;    // cones open to the south
};

// Prepared constants.
struct Projection {
  ProjectionSetup s;
  double n = 0, c = 0;       // cone constant and radius constant
  double p1 = 0;             // polar distance of the first parallel
  double sinc = 0, cosc = 0; // centre latitude of azimuthal projections
  double obPoleLat = 0, obPoleLon = 0;  // rotated pole of OBLI, radians
};

Projection makeProjection(const ProjectionSetup& s);

// Projects a point (degrees; the longitude relative to the central
// meridian, or to the centre of azimuthal projections) to (x, y) on the
// unit sphere, y upwards.
// False when the point has no image (outside the projection's domain).
bool projectPoint(const Projection& p, double lon, double lat, double& x, double& y);

// Angular distance (radians) of a point (longitude relative to the
// centre) from the centre of an azimuthal projection.
double centreDistance(const Projection& p, double lon, double lat);
// Its cosine, cheaper where only comparisons are needed.
double centreCos(const Projection& p, double lon, double lat);

// Radius of an azimuthal projection at angular distance c (radians).
double azimuthalRadius(int code, double c);

}  // namespace zantor
