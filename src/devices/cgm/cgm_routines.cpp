// CGM options: version, picture names and background colour.
#include <cmath>

#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"

using namespace zantor;

// cgmver: 1 writes the CALS profile, any other version WebCGM.  Versions
// 1 to 4 of the standard exist.
ZANTOR_API void cgmver_(const int32_t* n) try {
  if (jqqlev(0, 0, "CGMVER") != 0) return;
  if (jqqval(*n, 1, 4) != 0) return;
  zanglb.ncgver = *n;
} ZANTOR_CATCH

// cgmpic: the name of the following pictures (cut to 256 characters).
ZANTOR_API void cgmpic_(const char* cname, size_t cname_len) try {
  if (jqqlev(0, 3, "CGMPIC") != 0) return;
  zanglb.ccgpic = trimmedArg(cname, cname_len);
  zanglb.icgpic = 1;
} ZANTOR_CATCH

// cgmbgd: background colour of the following pictures, components 0 to 1.
ZANTOR_API void cgmbgd_(const float* xr, const float* xg, const float* xb) try {
  if (jqqlev(0, 3, "CGMBGD") != 0) return;
  auto ok = [](float v) { return v >= 0.0f && v <= 1.0f; };
  if (!ok(*xr) || !ok(*xg) || !ok(*xb)) {
    warnin(2);
    return;
  }
  zanglb.ncgrrr = int(std::lround(*xr * 255.0f));
  zanglb.ncgggg = int(std::lround(*xg * 255.0f));
  zanglb.ncgbbb = int(std::lround(*xb * 255.0f));
  zanglb.icgbgd = 1;
} ZANTOR_CATCH
