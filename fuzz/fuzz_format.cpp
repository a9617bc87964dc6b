// Fuzz target: the number formatter of every text format.  For any double
// and field shape, an Fw.d field is exactly w characters, is asterisks or
// reads back within half a unit of its last decimal, never shows "-0", and
// the allocation-free variant writes the same field.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/format.h"

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

double readBack(const std::string& s) {
  size_t b = s.find_first_not_of(' ');
  double v = 0;
  const char* p = s.data() + b;
  if (*p == '+') ++p;
  auto r = std::from_chars(p, s.data() + s.size(), v);
  check(r.ec == std::errc());
  return v;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < sizeof(double) + 2) return 0;
  double v;
  std::memcpy(&v, data, sizeof v);
  const int w = 1 + data[8] % 40;
  const int d = data[9] % 12;

  const std::string f = zantor::fmtF(v, w, d);
  check(static_cast<int>(f.size()) == w);
  zantor::FieldBuf buf;
  check(zantor::fmtFTo(buf, v, w, d) == f);
  if (f.find('*') != std::string::npos) {
    check(f.find_first_not_of('*') == std::string::npos);
  } else if (std::isfinite(v)) {
    check(f.find("-0") == std::string::npos || std::fabs(readBack(f)) > 0);
    const double back = readBack(f);
    check(std::fabs(back - v) <= 0.5 * std::pow(10.0, -d) * (1 + 1e-9) + std::fabs(v) * 1e-15);
  }

  const int64_t n = static_cast<int64_t>(std::fmod(std::isfinite(v) ? v : 0.0, 9.2e18));
  const std::string i = zantor::fmtI(n, w);
  check(static_cast<int>(i.size()) == w);
  if (i.find('*') == std::string::npos) check(std::strtoll(i.c_str(), nullptr, 10) == n);
  check(std::strtoll(zantor::fmtInt(n).c_str(), nullptr, 10) == n);
  return 0;
}
