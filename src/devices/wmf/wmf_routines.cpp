// wmfmod: the form of WMF files, standard or placeable.
#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"

using namespace zantor;

ZANTOR_API void wmfmod_(const char* copt, const char* ckey, size_t copt_len, size_t ckey_len) try {
  if (jqqlev(0, 0, "WMFMOD") != 0) return;
  if (jqqind("FORM", 1, trimmedArg(ckey, ckey_len)) == 0) return;
  const int k = jqqind("STAN+PLAC", 2, trimmedArg(copt, copt_len));
  if (k != 0) zanglb.iwmffm = k - 1;
} ZANTOR_CATCH
