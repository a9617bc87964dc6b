// Interpolating B-splines with the not-a-knot knot sequence.
#pragma once
#include <vector>

namespace zantor {

enum class SplineStatus { Ok, TooFewPoints, NotIncreasing, Singular, NoMemory };

// Interpolates v(t) through n sites t (strictly increasing) with a B-spline
// of order k and evaluates it at m equally spaced parameters from t[0] to
// t[n-1] (after `warp`, see below) into `out`.  With `log10Sites` the m
// parameters are spaced equally in log10 t (t > 0 required).
SplineStatus splineEvaluate(const double* t, const double* v, int n, int k, int m,
                            bool log10Sites, std::vector<double>& out,
                            std::vector<double>* at = nullptr);

// An approximating clamped B-spline of order k with the points as control
// points (the smooth CURV mode): m points from the first to the last point.
void controlSpline(const double* x, const double* y, int n, int k, int m,
                   std::vector<double>& ox, std::vector<double>& oy);

}  // namespace zantor
