// Number fields of the PostScript file.  The fixed widths follow the file
// layout; a value too wide for its field is written in full (a field of
// asterisks would break the PostScript program).
#pragma once
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "core/format.h"

namespace zantor::ps {

// Device coordinate to integer: add 0.5 and truncate, kept in a safe range.
inline int64_t roundUnit(double v) {
  if (!(v == v)) return 0;  // NaN
  constexpr double kLimit = 1.0e9;
  if (v > kLimit) v = kLimit;
  if (v < -kLimit) v = -kLimit;
  return static_cast<int64_t>(v + 0.5);
}

// Iw, widened instead of overflowing.  Appends to `out`.
inline void appendInt(std::string& out, int64_t v, int w) {
  char b[24];
  auto r = std::to_chars(b, b + sizeof b, v);
  const int n = static_cast<int>(r.ptr - b);
  if (n < w) out.append(static_cast<std::size_t>(w - n), ' ');
  out.append(b, static_cast<std::size_t>(n));
}

inline std::string fieldI(int64_t v, int w) {
  std::string s;
  appendInt(s, v, w);
  return s;
}

// Fw.d, widened instead of overflowing.
inline std::string fieldF(double v, int w, int d) {
  std::string s = fmtF(v, w, d);
  if (s.find('*') != std::string::npos) s = fmtFixed(v, d);
  return s;
}

}  // namespace zantor::ps
