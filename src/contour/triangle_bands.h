// The level intervals of a triangle over which a value varies linearly:
// the part of each interval is a convex polygon, found by cutting the
// triangle at the interval's two levels, so any number of levels is
// exact.
#pragma once
#include <algorithm>

#include "contour/shade.h"

namespace zantor {

// A convex polygon with a value at every corner.
struct BandPolygon {
  static constexpr int kMost = 8;  // a triangle cut twice has at most 5
  double x[kMost], y[kMost], z[kMost];
  int n = 0;
  void add(double px, double py, double pz) {
    x[n] = px, y[n] = py, z[n] = pz;
    ++n;
  }
};

// The part of `in` where z >= level (above) or z <= level (below).
inline void cutAtLevel(const BandPolygon& in, double level, bool above, BandPolygon& out) {
  out.n = 0;
  auto keep = [&](double z) { return above ? z >= level : z <= level; };
  for (int i = 0; i < in.n; ++i) {
    const int j = (i + 1) % in.n;
    const bool ki = keep(in.z[i]), kj = keep(in.z[j]);
    if (ki) out.add(in.x[i], in.y[i], in.z[i]);
    if (ki != kj) {
      const double t = (level - in.z[i]) / (in.z[j] - in.z[i]);
      out.add(in.x[i] + (in.x[j] - in.x[i]) * t, in.y[i] + (in.y[j] - in.y[i]) * t, level);
    }
  }
}

// Calls emit(polygon, interval) for the part of every interval that the
// cell mode fills; a triangle within one interval is emitted whole.
template <class Emit>
void triangleBands(const double (&x)[3], const double (&y)[3], const double (&z)[3],
                   const LevelIntervals& iv, Emit&& emit) {
  BandPolygon whole, upper, band;
  for (int i = 0; i < 3; ++i) whole.add(x[i], y[i], z[i]);
  int k[3];
  for (int i = 0; i < 3; ++i) k[i] = iv.interval(z[i]);
  const int lo = std::min({k[0], k[1], k[2]}), hi = std::max({k[0], k[1], k[2]});
  for (int b = lo; b <= hi; ++b) {
    if (!iv.filled[b]) continue;
    const BandPolygon* part = &whole;
    if (b > lo) {  // above the interval's lower level
      cutAtLevel(whole, iv.level[b - 1], true, upper);
      part = &upper;
    }
    if (b < hi) {  // below its upper level
      cutAtLevel(*part, iv.level[b], false, band);
      part = &band;
    }
    if (part->n >= 3) emit(*part, b);
  }
}

}  // namespace zantor
