// hpgmod: HPGL options.  The one option is the plotter initialisation:
// key "INIT" with "ON" starts the file with "IN;SP1;LT;PU;", "OFF" (the
// default) with the pen selection only, for files that are sent to a
// plotter already set up.
#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"

using namespace zantor;

ZANTOR_API void hpgmod_(const char* copt, const char* ckey, size_t copt_len, size_t ckey_len) try {
  if (jqqlev(0, 0, "HPGMOD") != 0) return;
  if (jqqind("INIT", 1, trimmedArg(ckey, ckey_len)) == 0) return;
  const int k = jqqind("OFF +ON  ", 2, trimmedArg(copt, copt_len));
  if (k != 0) zanglb.ihpgpl = k - 1;
} ZANTOR_CATCH
