// The formulas of the map projections on the unit sphere.
//
// Where the formula was open, the standard spherical definition is used:
//   EXAC  cylindrical equidistant with equal scales on both axes;
//   CORR  Miller's corrected Mercator, y = 1.25 ln tan(pi/4 + 0.4 phi);
//   UTM   transverse Mercator about the central meridian;
//   OBLI  oblique Mercator whose central line runs east through
//         (central meridian, reference latitude);
//   MOLL  Mollweide; ELLI  the elliptical projection with straight,
//         equally spaced parallels and elliptical meridians
//         (x = 2 lam/pi sqrt(pi^2/4 - phi^2), y = phi);
//   POLY  the American polyconic.
// ALBE is the true Albers equal-area conic (n = (sin phi1 + sin phi2)/2);
// CONF is the Lambert conformal conic and CONI the equidistant conic.
#include "maps/projection.h"

#include <algorithm>
#include <cmath>

namespace zantor {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRad = kPi / 180.0;

// cos of the gnomonic horizon: points within 1e-6 radians of 90 degrees
// from the centre have no image.
const double kGnomonicLimit = std::sin(1e-6);

// Sine and cosine in one call where the C library offers it.
inline void sinCos(double a, double& s, double& c) {
#ifdef __GLIBC__
  ::sincos(a, &s, &c);
#else
  s = std::sin(a);
  c = std::cos(a);
#endif
}

double clamp1(double v) { return std::max(-1.0, std::min(1.0, v)); }

// Wraps a longitude difference into -180..180 degrees.
double wrap180(double d) {
  while (d > 180.0) d -= 360.0;
  while (d < -180.0) d += 360.0;
  return d;
}

void mollweide(double lam, double phi, double& x, double& y) {
  // t + sin t = pi sin phi with t = 2 theta, by Halley's method from a
  // start that is already close: near the equator the series
  // t + sin t = 2t - t^3/6 + t^5/120, near the poles pi - t = d with
  // d - sin d = d^3/6 - d^5/120.  Two steps then reach 1e-12 everywhere
  // except within a tenth of a degree of the poles, where the equation
  // itself is ill-conditioned and any solver stops at about 1e-5.
  const double k = kPi * std::sin(phi), a = std::fabs(k);
  double t;
  if (a < 2.0) {
    t = a / 2;
    t = a / (2 - t * t * (1.0 / 6));
    t = a / (2 - t * t * (1.0 / 6) + t * t * t * t * (1.0 / 120));
  } else {
    const double c = std::cbrt(6 * (kPi - a));
    t = kPi - c * (1 + c * c * (1.0 / 60));
  }
  t = std::copysign(t, k);
  // sin t and cos t are computed once and then turned along with each
  // Halley step by its short Taylor rotation (the steps stay below 0.2).
  double st, ct;
  sinCos(t, st, ct);
  for (int i = 0; i < 2; ++i) {
    const double f = t + st - k, f1 = 1 + ct;
    const double den = f1 * f1 + 0.5 * f * st;
    if (!(den > 1e-300)) break;
    const double dt = f * f1 / den;
    t -= dt;
    if (std::fabs(dt) < 0.2) {
      const double q = dt * dt;
      // Products with the reciprocals: divisions would dominate the time.
      const double sd = dt * (1 - q * (1.0 / 6) * (1 - q * (1.0 / 20) * (1 - q * (1.0 / 42))));
      const double cd = 1 - q * 0.5 * (1 - q * (1.0 / 12) * (1 - q * (1.0 / 30) * (1 - q * (1.0 / 56))));
      const double s2 = st * cd - ct * sd;
      ct = ct * cd + st * sd;
      st = s2;
    } else {
      sinCos(t, st, ct);
    }
  }
  // The half angle theta = t / 2 from sin t and cos t.
  const double cth = std::sqrt(std::max(0.0, (1 + ct) * 0.5));
  const double sth = cth > 0.5 ? st * 0.5 / cth : std::copysign(std::sqrt(std::max(0.0, (1 - ct) * 0.5)), t);
  x = 2 * std::sqrt(2.0) / kPi * lam * cth;
  y = std::sqrt(2.0) * sth;
}

// Aitoff-type angles: alpha = acos(cos phi cos(lam/2)), beta the direction.
void aitoffAngles(double lam, double phi, double& alpha, double& beta) {
  alpha = std::acos(clamp1(std::cos(phi) * std::cos(lam / 2)));
  if (std::fabs(alpha) < 1e-12) {
    beta = 0;
    return;
  }
  beta = std::acos(clamp1(std::sin(phi) / std::sin(alpha)));
  if (lam < 0) beta = -beta;
}

}  // namespace

double azimuthalRadius(int code, double c) {
  switch (code) {
    case 30: return std::tan(c);
    case 31: return c <= kPi / 2 ? std::sin(c) : 2 - std::sin(c);
    case 32: return 2 * std::tan(c / 2);
    case 33: return c;
    default: return 2 * std::sin(c / 2);
  }
}

Projection makeProjection(const ProjectionSetup& s) {
  Projection p;
  p.s = s;
  if (isConical(s.code) && s.code != 22) {
    // Polar distances of the standard parallels, from the pole the cone
    // opens away from.
    const double sign = s.southCone ? -1.0 : 1.0;
    const double p1 = (90.0 - sign * s.plat1) * kRad;
    const double p2 = (90.0 - sign * s.plat2) * kRad;
    p.p1 = p1;
    const bool one = std::fabs(p1 - p2) < 1e-7;
    if (s.code == 20) {
      p.n = one ? std::cos(p1)
                : std::log(std::sin(p1) / std::sin(p2)) /
                      std::log(std::tan(p1 / 2) / std::tan(p2 / 2));
      p.c = std::sin(p1) / (p.n * std::pow(std::tan(p1 / 2), p.n));
    } else if (s.code == 21) {
      p.n = one ? std::cos(p1) : (std::cos(p1) + std::cos(p2)) / 2;
      p.c = std::sin(p1) * std::sin(p1) + 2 * p.n * std::cos(p1);  // cos^2 phi1 + 2n sin phi1
    } else {
      p.n = one ? std::cos(p1) : (std::sin(p1) - std::sin(p2)) / (p1 - p2);
      p.c = std::sin(p1) / p.n - p1;  // radius = c + polar distance
    }
    if (std::fabs(p.n) < 1e-9) p.n = 1e-9;
  }
  if (isAzimuthal(s.code)) {
    p.sinc = std::sin(s.cenLat * kRad);
    p.cosc = std::cos(s.cenLat * kRad);
  }
  if (s.code == 5) {
    // The pole of the central line lies 90 degrees north of the centre
    // along its meridian.
    const double lat0 = s.lat0 * kRad;
    p.obPoleLat = kPi / 2 - std::fabs(lat0);
    p.obPoleLon = lat0 >= 0 ? kPi : 0.0;
    if (lat0 < 0) p.obPoleLat = kPi / 2 + lat0;
  }
  return p;
}

double centreCos(const Projection& p, double lon, double lat) {
  const double phi = lat * kRad, dl = lon * kRad;
  return clamp1(p.sinc * std::sin(phi) + p.cosc * std::cos(phi) * std::cos(dl));
}

double centreDistance(const Projection& p, double lon, double lat) {
  return std::acos(centreCos(p, lon, lat));
}

bool projectPoint(const Projection& p, double lon, double lat, double& x, double& y) {
  if (!std::isfinite(lon) || !std::isfinite(lat)) return false;
  const int code = p.s.code;
  if (isAzimuthal(code)) {
    // The point's direction from the centre (east and north components,
    // of length sin c) and cos c give the radius without inverse
    // functions: radius / sin c is 1/cos c (GNOM), 1 on the near side of
    // ORTH, 2/(1 + cos c) (STER), 1/cos(c/2) (LAMB), c/sin c (AZIM).
    const double phi = lat * kRad, dl = lon * kRad;
    double sp, cp, sl, cl;
    sinCos(phi, sp, cp);
    sinCos(dl, sl, cl);
    const double cosC = clamp1(p.sinc * sp + p.cosc * cp * cl);
    const double e = cp * sl;
    const double nn = p.cosc * sp - p.sinc * cp * cl;
    const double h = std::sqrt(e * e + nn * nn);
    if (code == 30 && cosC <= kGnomonicLimit) return false;
    if (h < 1e-15) {
      // The centre, or its antipode: the rim below the centre (none for
      // the stereographic projection).
      if (cosC > 0) {
        x = y = 0;
        return true;
      }
      if (code == 32) return false;
      x = 0;
      y = -azimuthalRadius(code, kPi);
      return true;
    }
    double k;
    switch (code) {
      case 30: k = 1 / cosC; break;
      case 31: k = cosC >= 0 ? 1.0 : (2 - h) / h; break;
      case 32: k = 2 / (1 + cosC); break;
      case 33: k = std::atan2(h, cosC) / h; break;
      default: k = std::sqrt(2 / (1 + cosC)); break;
    }
    x = k * e;
    y = k * nn;
    return true;
  }
  const double lam = wrap180(lon - p.s.lon0) * kRad;
  double phi = std::max(-90.0, std::min(90.0, lat)) * kRad;
  switch (code) {
    case 0: case 2: x = lam; y = phi; return true;
    case 1: {
      double d = std::max(-89.99, std::min(89.99, lat)) * kRad;
      x = lam;
      y = std::log(std::tan(kPi / 4 + d / 2));
      return true;
    }
    case 3: x = lam; y = 1.25 * std::log(std::tan(kPi / 4 + 0.4 * phi)); return true;
    case 4: {
      const double b = std::cos(phi) * std::sin(lam);
      if (std::fabs(b) > 1 - 1e-10) return false;
      x = std::atanh(b);
      y = std::atan2(std::tan(phi), std::cos(lam));
      if (std::fabs(phi) > kPi / 2 - 1e-12) y = phi;
      return true;
    }
    case 5: {
      // Rotate so that the pole of the central line becomes the pole.
      const double pl = p.obPoleLat, plon = p.obPoleLon;
      const double sp = std::sin(pl) * std::sin(phi) +
                        std::cos(pl) * std::cos(phi) * std::cos(lam - plon);
      const double phir = std::asin(clamp1(sp));
      const double lamr = std::atan2(std::cos(phi) * std::sin(lam - plon),
                                     std::sin(pl) * std::cos(phi) * std::cos(lam - plon) -
                                         std::cos(pl) * std::sin(phi));
      if (std::fabs(phir) > 89.99 * kRad) return false;
      x = lamr - plon;  // the centre on x = 0
      if (x > kPi) x -= 2 * kPi;
      if (x < -kPi) x += 2 * kPi;
      y = std::log(std::tan(kPi / 4 + phir / 2));
      return true;
    }
    case 6: x = lam; y = std::sin(phi); return true;
    case 10: mollweide(lam, phi, x, y); return true;
    case 11: case 12: case 13: {
      double a, b;
      aitoffAngles(lam, phi, a, b);
      if (code == 11) { x = 2 * a * std::sin(b); y = a * std::cos(b); }
      else if (code == 12) { x = 4 * std::sin(a / 2) * std::sin(b); y = 2 * std::sin(a / 2) * std::cos(b); }
      else { x = (2 * a * std::sin(b) + 0.7660444 * lam) / 2; y = (a * std::cos(b) + phi) / 2; }
      return true;
    }
    case 14: x = lam * std::cos(phi); y = phi; return true;
    case 15: x = 2 * lam / kPi * std::sqrt(std::max(0.0, kPi * kPi / 4 - phi * phi)); y = phi; return true;
    case 22: {
      const double phi0 = p.s.lat0 * kRad;
      if (std::fabs(phi) < 1e-10) { x = lam; y = -phi0; return true; }
      const double e = lam * std::sin(phi), cot = 1 / std::tan(phi);
      x = cot * std::sin(e);
      y = phi - phi0 + cot * (1 - std::cos(e));
      return true;
    }
    default: break;
  }
  if (isConical(code)) {
    const double sign = p.s.southCone ? -1.0 : 1.0;
    double pd = kPi / 2 - sign * phi;  // polar distance
    double r;
    if (code == 20) {
      pd = std::min(pd, 179.99 * kRad);
      r = p.c * std::pow(std::tan(pd / 2), p.n);
    } else if (code == 21) {
      r = std::sqrt(std::max(0.0, p.c - 2 * p.n * std::cos(pd))) / p.n;
    } else {
      r = p.c + pd;
    }
    const double t = p.n * lam;
    x = r * std::sin(t);
    y = -sign * r * std::cos(t);
    return true;
  }
  return false;
}

}  // namespace zantor
