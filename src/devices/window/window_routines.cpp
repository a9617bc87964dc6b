// The window settings: wait mode and key at zanfin, delay, title.
#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "devices/window/x_windows.h"

using namespace zantor;

ZANTOR_API void winmod_(const char* copt, size_t copt_len) try {
  if (jqqlev(0, 3, "WINMOD") != 0) return;
  int i = jqqind("FULL+NOER+NONE+NOHO+DELA+NOMB", 6, arg(copt, copt_len));
  if (i != 0) zanglb.iwinmd = i - 1;
} ZANTOR_CATCH

ZANTOR_API void winkey_(const char* copt, size_t copt_len) try {
  if (jqqlev(0, 3, "WINKEY") != 0) return;
  int i = jqqind("NONE+RETU+ESCA", 3, arg(copt, copt_len));
  if (i != 0) zanglb.ikeyop = i - 1;
} ZANTOR_CATCH

// winopt(n, "DELA"): the delay of the DELA wait in seconds ("MDEL" is an
// older name of the same option).
ZANTOR_API void winopt_(const int32_t* n, const char* copt, size_t copt_len) try {
  if (jqqlev(0, 3, "WINOPT") != 0) return;
  int i = jqqind("DELA+MDEL", 2, arg(copt, copt_len));
  if (i == 0) return;
  if (*n < 0) {
    warni1(2, *n);
    return;
  }
  zanglb.iwinsc = *n;
} ZANTOR_CATCH

ZANTOR_API void wintit_(const char* ctitle, size_t ctitle_len) try {
  if (jqqlev(1, 3, "WINTIT") != 0) return;
  if (zanglb.ndev >= 101) {
    qqerror(40, "WINTIT needs a window device");
    return;
  }
  setXWindowTitle(zanglb.iwinid, std::string(trimmedArg(ctitle, ctitle_len)));
} ZANTOR_CATCH
