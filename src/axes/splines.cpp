// B-spline interpolation: the collocation system is banded and totally
// positive, so Gaussian elimination without pivoting is stable; values are
// evaluated with de Boor's algorithm.
#include "axes/splines.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace zantor {

namespace {

// Not-a-knot knots of order k for sites t: k-fold end knots and n - k
// interior knots at data sites (even k) or midway between them (odd k).
void notAKnot(const double* t, int n, int k, std::vector<double>& knots) {
  knots.assign(static_cast<size_t>(n + k), 0.0);
  for (int i = 0; i < k; ++i) {
    knots[i] = t[0];
    knots[n + i] = t[n - 1];
  }
  for (int j = 0; j < n - k; ++j) {
    const int s = j + k / 2;  // 0-based site index
    knots[k + j] = (k % 2 == 0) ? t[s] : 0.5 * (t[s] + t[s + 1]);
  }
}

// Knot interval l (k-1 <= l <= n-1, 0-based) with knots[l] <= x < knots[l+1].
int interval(const std::vector<double>& knots, int n, int k, double x) {
  auto it = std::upper_bound(knots.begin() + k, knots.begin() + n, x);
  return static_cast<int>(it - knots.begin()) - 1;
}

// The k basis functions that do not vanish on interval l, at x.
void basis(const std::vector<double>& knots, int k, int l, double x, double* b) {
  double left[16], right[16];
  b[0] = 1.0;
  for (int j = 1; j < k; ++j) {
    left[j] = x - knots[l + 1 - j];
    right[j] = knots[l + j] - x;
    double saved = 0.0;
    for (int r = 0; r < j; ++r) {
      const double den = right[r + 1] + left[j - r];
      const double term = den != 0.0 ? b[r] / den : 0.0;
      b[r] = saved + right[r + 1] * term;
      saved = left[j - r] * term;
    }
    b[j] = saved;
  }
}

// de Boor's algorithm: value of the spline with coefficients c at x.
double deBoor(const std::vector<double>& knots, const std::vector<double>& c, int n, int k,
              double x) {
  const int l = interval(knots, n, k, x);
  double d[16];
  for (int j = 0; j < k; ++j) d[j] = c[l - k + 1 + j];
  for (int r = 1; r < k; ++r)
    for (int j = k - 1; j >= r; --j) {
      const int i = l - k + 1 + j;
      const double den = knots[i + k - r] - knots[i];
      const double a = den != 0.0 ? (x - knots[i]) / den : 0.0;
      d[j] = (1.0 - a) * d[j - 1] + a * d[j];
    }
  return d[k - 1];
}

}  // namespace

SplineStatus splineEvaluate(const double* t, const double* v, int n, int k, int m,
                            bool log10Sites, std::vector<double>& out,
                            std::vector<double>* at) {
  if (k < 2 || k > 10 || n < k + 1) return SplineStatus::TooFewPoints;
  for (int i = 1; i < n; ++i)
    if (!(t[i] > t[i - 1])) return SplineStatus::NotIncreasing;
  if (log10Sites && !(t[0] > 0)) return SplineStatus::NotIncreasing;
  try {
    std::vector<double> knots;
    notAKnot(t, n, k, knots);
    // Band of the collocation matrix: row i holds columns i-(k-1)..i+(k-1)
    // at offsets 0..2k-2.  The working storage is about (2k + 1) n reals.
    const int w = 2 * k - 1, mid = k - 1;
    std::vector<double> band(static_cast<size_t>(n) * w, 0.0);
    std::vector<double> c(v, v + n);
    double b[16];
    for (int i = 0; i < n; ++i) {
      const int l = interval(knots, n, k, t[i]);
      basis(knots, k, l, t[i], b);
      for (int j = 0; j < k; ++j) {
        const int col = l - k + 1 + j;
        const int off = col - i + mid;
        if (off < 0 || off >= w) {
          if (b[j] != 0.0) return SplineStatus::Singular;
          continue;
        }
        band[static_cast<size_t>(i) * w + off] = b[j];
      }
    }
    auto at_ = [&](int r, int col) -> double& { return band[static_cast<size_t>(r) * w + col - r + mid]; };
    double scale = 0.0;
    for (double e : band) scale = std::max(scale, std::fabs(e));
    for (int p = 0; p < n; ++p) {
      const double piv = at_(p, p);
      if (!(std::fabs(piv) > 1e-12 * scale)) return SplineStatus::Singular;
      for (int r = p + 1; r < std::min(n, p + k); ++r) {
        const double f = at_(r, p) / piv;
        if (f == 0.0) continue;
        for (int col = p; col < std::min(n, p + k); ++col) at_(r, col) -= f * at_(p, col);
        c[r] -= f * c[p];
      }
    }
    for (int p = n - 1; p >= 0; --p) {
      double s = c[p];
      for (int col = p + 1; col < std::min(n, p + k); ++col) s -= at_(p, col) * c[col];
      c[p] = s / at_(p, p);
    }
    out.resize(static_cast<size_t>(m));
    if (at) at->resize(static_cast<size_t>(m));
    const double a0 = log10Sites ? std::log10(t[0]) : t[0];
    const double a1 = log10Sites ? std::log10(t[n - 1]) : t[n - 1];
    for (int i = 0; i < m; ++i) {
      const double u = m > 1 ? a0 + (a1 - a0) * i / (m - 1) : a0;
      double x = log10Sites ? std::pow(10.0, u) : u;
      x = std::clamp(x, t[0], t[n - 1]);
      if (i == m - 1) x = t[n - 1];
      out[i] = deBoor(knots, c, n, k, x);
      if (at) (*at)[i] = x;
    }
  } catch (const std::bad_alloc&) {
    return SplineStatus::NoMemory;
  }
  return SplineStatus::Ok;
}

void controlSpline(const double* x, const double* y, int n, int k, int m,
                   std::vector<double>& ox, std::vector<double>& oy) {
  k = std::min(k, n);
  // Clamped uniform knots: the curve starts and ends at the end points.
  std::vector<double> knots(static_cast<size_t>(n + k));
  for (int i = 0; i < n + k; ++i) knots[i] = std::clamp(i - k + 1, 0, n - k + 1);
  std::vector<double> cx(x, x + n), cy(y, y + n);
  ox.resize(static_cast<size_t>(m));
  oy.resize(static_cast<size_t>(m));
  const double top = n - k + 1;
  for (int i = 0; i < m; ++i) {
    const double u = m > 1 ? top * i / (m - 1) : 0.0;
    ox[i] = deBoor(knots, cx, n, k, u);
    oy[i] = deBoor(knots, cy, n, k, u);
  }
}

}  // namespace zantor
