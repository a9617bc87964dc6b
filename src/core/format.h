// The one number formatter of the text formats: Fortran-style fixed-width
// fields, independent of the C locale, negative zero folded to zero.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace zantor {

// Iw: right-justified integer; a value too wide for the field is asterisks.
std::string fmtI(int64_t v, int w);
// Iw.m: at least m digits with leading zeros.
std::string fmtIm(int64_t v, int w, int m);
// Fw.d: fixed point, rounded to d decimals, right-justified; asterisks when
// too wide.  The leading zero of |v| < 1 is dropped only if it does not fit.
std::string fmtF(double v, int w, int d);
// Fixed point with d decimals and no field width (e.g. SVG, PDF numbers).
std::string fmtFixed(double v, int d);
// fmtF without a heap allocation, for writers that emit millions of fields:
// the field is built in `buf` and stays valid until buf is reused.  Widths
// above kFieldBufWidth fall back to fmtF's own result in buf.str.
struct FieldBuf {
  static constexpr int kFieldBufWidth = 64;
  char c[400 + kFieldBufWidth];
  std::string str;
};
std::string_view fmtFTo(FieldBuf& buf, double v, int w, int d);
// Appends v with d decimals and no blanks (negative zero folded), for the
// writers that emit millions of numbers (PDF, SVG, IPE): no allocation
// once `out` has grown.
void appendFixed(std::string& out, double v, int d);
// Appends an integer with as many digits as it needs.
void appendInt(std::string& out, int64_t v);
// An integer written with as many digits as it needs.
std::string fmtInt(int64_t v);

}  // namespace zantor
