#include "core/format.h"

#include <charconv>
#include <cmath>
#include <cstring>

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

namespace {
constexpr std::size_t kDigitsMax = 400;

// The fixed-point digits of v in b (kDigitsMax bytes), negative zero folded.
std::string_view fixedDigits(char* b, double v, int d) {
  if (!std::isfinite(v)) return std::isnan(v) ? "NaN" : (v > 0 ? "Inf" : "-Inf");
  auto r = std::to_chars(b, b + kDigitsMax, v, std::chars_format::fixed, d);
  std::string_view s(b, static_cast<std::size_t>(r.ptr - b));
  // Fold negative zero (also values that round to zero).
  if (s[0] == '-' && s.find_first_not_of("-0.") == std::string_view::npos) s.remove_prefix(1);
  return s;
}

// fixedDigits with the leading zero of |v| < 1 dropped when w is too narrow.
// A dropped "-0." keeps its sign by moving it one byte right (b is writable
// unless the digits are a constant, which never starts with "-0.").
std::string_view fieldDigits(char* b, double v, int w, int d) {
  std::string_view s = fixedDigits(b, v, d);
  if (static_cast<int>(s.size()) > w) {
    if (s.starts_with("0.")) {
      s.remove_prefix(1);
    } else if (s.starts_with("-0.")) {
      char* p = const_cast<char*>(s.data());
      p[1] = '-';
      s.remove_prefix(1);
    }
  }
  return s;
}
}  // namespace

std::string fmtFixed(double v, int d) {
  char b[kDigitsMax];
  return std::string(fixedDigits(b, v, d));
}

void appendFixed(std::string& out, double v, int d) {
  char b[kDigitsMax];
  // Values beyond 1e300 would need more digits than the buffer holds.
  if (std::isfinite(v) && std::fabs(v) > 1e300) v = v > 0 ? 1e300 : -1e300;
  out.append(fixedDigits(b, v, d));
}

void appendInt(std::string& out, int64_t v) {
  char b[24];
  auto r = std::to_chars(b, b + sizeof b, v);
  out.append(b, r.ptr);
}

std::string fmtF(double v, int w, int d) {
  char b[kDigitsMax];
  return pad(std::string(fieldDigits(b, v, w, d)), w);
}

std::string_view fmtFTo(FieldBuf& buf, double v, int w, int d) {
  if (w <= 0 || w > FieldBuf::kFieldBufWidth) {
    buf.str = fmtF(v, w, d);
    return buf.str;
  }
  // The digits go after the first kFieldBufWidth bytes, the field before them.
  char* digits = buf.c + FieldBuf::kFieldBufWidth;
  std::string_view s = fieldDigits(digits, v, w, d);
  const int n = static_cast<int>(s.size());
  char* out = buf.c;
  if (n > w) {
    std::memset(out, '*', static_cast<std::size_t>(w));
  } else {
    const char* src = s.data();
    std::memmove(out + (w - n), src, static_cast<std::size_t>(n));
    std::memset(out, ' ', static_cast<std::size_t>(w - n));
  }
  return std::string_view(out, static_cast<std::size_t>(w));
}

}  // namespace zantor
