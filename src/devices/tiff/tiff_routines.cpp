// tifmod: the resolution written into TIFF files.
#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"

using namespace zantor;

// The key is "RESO" like that of bmpmod; the value must be positive.
ZANTOR_API void tifmod_(const int32_t* n, const char* cunit, const char* ckey, size_t cunit_len,
                        size_t ckey_len) try {
  if (jqqlev(0, 0, "TIFMOD") != 0) return;
  if (jqqind("RESO", 1, trimmedArg(ckey, ckey_len)) == 0) return;
  const int k = jqqind("INCH+CM  ", 2, trimmedArg(cunit, cunit_len));
  if (k == 0) return;
  if (jqqval(*n, 1, -1) != 0) return;
  zanglb.itifrs = *n;
  zanglb.itifmd = k + 1;
} ZANTOR_CATCH
