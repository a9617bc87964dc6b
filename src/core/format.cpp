#include "core/format.h"

#include <charconv>
#include <cmath>

namespace zantor {

namespace {
std::string pad(std::string s, int w) {
  if (w <= 0) return s;
  if (static_cast<int>(s.size()) > w) return std::string(static_cast<std::size_t>(w), '*');
  return std::string(static_cast<std::size_t>(w) - s.size(), ' ') + s;
}
}  // namespace

std::string fmtInt(int64_t v) {
  char b[24];
  auto r = std::to_chars(b, b + sizeof b, v);
  return std::string(b, r.ptr);
}

std::string fmtI(int64_t v, int w) { return pad(fmtInt(v), w); }

std::string fmtIm(int64_t v, int w, int m) {
  std::string digits = fmtInt(v < 0 ? -v : v);
  if (static_cast<int>(digits.size()) < m)
    digits.insert(0, static_cast<std::size_t>(m) - digits.size(), '0');
  if (v < 0) digits.insert(0, 1, '-');
  return pad(digits, w);
}

std::string fmtFixed(double v, int d) {
  if (!std::isfinite(v)) return std::isnan(v) ? "NaN" : (v > 0 ? "Inf" : "-Inf");
  char b[400];
  auto r = std::to_chars(b, b + sizeof b, v, std::chars_format::fixed, d);
  std::string s(b, r.ptr);
  // Fold negative zero (also values that round to zero).
  if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
  return s;
}

std::string fmtF(double v, int w, int d) {
  std::string s = fmtFixed(v, d);
  if (static_cast<int>(s.size()) > w) {
    if (s.rfind("0.", 0) == 0) s.erase(0, 1);
    else if (s.rfind("-0.", 0) == 0) s.erase(1, 1);
  }
  return pad(s, w);
}

}  // namespace zantor
