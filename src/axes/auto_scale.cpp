// Automatic scaling: the step, first label and digits chosen from a data
// range and the room the axis gives its labels.
#include <climits>
#include <cmath>
#include <string>

#include "axes/axes.h"
#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"

namespace zantor {

namespace {
constexpr int kLabelExp = 2, kLabelFexp = 13;

// The first label: the next multiple of the step at or above a.
double firstLabel(double a, double s) {
  double q = a / s;
  if (std::fabs(q) > INT_MAX || std::fabs(q - std::trunc(q)) < 1e-15) return a;
  double iq = std::trunc(q);
  return a >= 0 ? (iq + 1) * s : iq * s;
}
}  // namespace

AxisScale autoScale(int axis, double a, double e, int length) {
  const Zanglb& g = zanglb;
  const bool expLabels = g.numx[axis] == kLabelExp || g.numx[axis] == kLabelFexp;
  const bool logAxis = g.ixlg[axis] == 1;
  const double d = e - a;
  int k = 0;
  for (int i = 0; i < 50 && d / std::pow(10.0, k) >= 10; ++i) ++k;
  for (int i = 0; i < 50 && d / std::pow(10.0, k) < 1; ++i) --k;
  double s = std::pow(10.0, k);
  const int n = static_cast<int>(d / s);
  int digits = k < 0 ? -k : -1;
  auto oneMoreDigit = [&] { digits = k < 0 ? digits + 1 : (k == 0 ? 1 : digits); };

  // Labels along the axis need more room than labels across it.
  const bool along = (axis == 0) == (g.ixlabt[axis] == 0);
  const int m = along ? 200 : 100;
  const int L = length;
  if (n >= 5) {
    if (L / n < m || (n >= 7 && expLabels)) s *= 2;
  } else if (n == 1 && !logAxis) {
    if (d / s > 1.8 && expLabels) {
      s /= 2;
    } else if (L / 2 >= m) {
      s = (L / 5 < m) ? s / 2 : s / 5;
      oneMoreDigit();
    }
  } else if (n == 1 && logAxis) {
    if (s > 2) s = 1;
  } else if ((n == 2 || n == 3) && !logAxis) {
    if (L / (2 * n) >= m) {
      s /= 2;
      oneMoreDigit();
    }
  }
  if (expLabels) digits = 1;
  return {static_cast<float>(a), static_cast<float>(e), static_cast<float>(firstLabel(a, s)),
          static_cast<float>(s), digits};
}

AxisScale autoScaleTime(double a, double e) {
  const double d = e - a;
  double s = 0;
  if (d < 120) {
    s = d < 8 ? 1 : d < 15 ? 2 : d < 30 ? 5 : d < 60 ? 10 : 20;
  } else {
    const double dm = d / 60;
    if (dm < 240) {
      s = 60 * (dm < 8 ? 1 : dm < 15 ? 2 : dm < 30 ? 5 : dm < 60 ? 10 : dm < 120 ? 15 : 30);
    } else {
      // Hours: 1, 2 or 5 times a power of ten from the leading digit.
      double h = dm / 60;
      double p = std::pow(10.0, std::floor(std::log10(h)));
      int lead = static_cast<int>(h / p);
      double f = lead <= 1 ? 1 : lead <= 3 ? 2 : lead <= 7 ? 5 : 10;
      double hours = f * p / 10 < 1 ? 1 : f * p / 10;
      if (hours > 300) hours *= 1.2;
      s = hours * 3600;
    }
  }
  double first = std::ceil(a / s - 1e-9) * s;
  return {static_cast<float>(a), static_cast<float>(e), static_cast<float>(first),
          static_cast<float>(s), -1};
}

}  // namespace zantor

using namespace zantor;

ZANTOR_API void setscl_(const float* xray, const int32_t* n, const char* cax, size_t cax_len) try {
  if (jqqlev(1, 1, "SETSCL") != 0) return;
  std::string key = upstr(trimmedArg(cax, cax_len));
  Zanglb& g = zanglb;
  if (key == "RES") {
    for (int& o : g.ioptsc) o = 0;
    return;
  }
  bool axes[3] = {false, false, false};
  bool reset = false;
  std::string letters = key;
  if (letters.size() == 3 && letters.substr(1) == "AX") {
    letters.resize(1);
  } else if (letters.size() > 2 && letters.substr(letters.size() - 2) == "RE") {
    letters.resize(letters.size() - 2);
    reset = true;
  }
  for (char c : letters) {
    if (c != 'X' && c != 'Y' && c != 'Z') letters.clear();
  }
  if (letters.empty()) {
    warnc1(2, trimmedArg(cax, cax_len));
    return;
  }
  for (char c : letters) axes[c - 'X'] = true;
  if (reset) {
    for (int i = 0; i < 3; ++i)
      if (axes[i]) g.ioptsc[i] = 0;
    return;
  }
  if (jqqval(*n, 1, -1) != 0) return;
  double lo = 0, hi = 0;
  bool any = false;
  for (int32_t i = 0; i < *n; ++i) {
    double v = xray[i];
    if (std::isnan(v) || std::isinf(v)) continue;  // not numbers: not data
    if (!any) { lo = hi = v; any = true; }
    lo = std::min(lo, v);
    hi = std::max(hi, v);
  }
  if (!any) {
    warnin(30);
    return;
  }
  if (hi - lo < 1e-35) {
    warnin(25);
    lo -= 1;
    hi += 1;
  }
  for (int i = 0; i < 3; ++i) {
    if (!axes[i]) continue;
    g.ioptsc[i] = 1;
    g.xminsc[i] = static_cast<float>(lo);
    g.xmaxsc[i] = static_cast<float>(hi);
  }
} ZANTOR_CATCH
