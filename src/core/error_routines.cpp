// The public switches of the warning channel.
#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"

using namespace zantor;

ZANTOR_API void errmod_(const char* cstr, const char* cmode, size_t cstr_len, size_t cmode_len) try {
  chkini("ERRMOD");
  int what = jqqind("WARN+CHEC+PROT+ALL ", 4, arg(cstr, cstr_len));
  if (what == 0) return;
  int mode = what == 3 ? jqqind("OFF +ON  +FILE", 3, arg(cmode, cmode_len))
                       : jqqind("OFF +ON  ", 2, arg(cmode, cmode_len));
  if (mode == 0) return;
  Zanglb& g = zanglb;
  switch (what) {
    case 1: g.ierrmd = mode - 1; break;
    case 2: g.nchek = mode - 1; break;
    case 3: g.iproto = mode - 1; break;
    default: g.ierrmd = g.nchek = g.iproto = mode - 1; break;
  }
} ZANTOR_CATCH

ZANTOR_API void errdev_(const char* copt, size_t copt_len) try {
  if (jqqlev(0, 0, "ERRDEV") != 0) return;
  int i = jqqind("CONS+FILE+APPE", 3, arg(copt, copt_len));
  if (i != 0) zanglb.ierrdv = i - 1;
} ZANTOR_CATCH

ZANTOR_API void errfil_(const char* cfil, size_t cfil_len) try {
  if (jqqlev(0, 0, "ERRFIL") != 0) return;
  if (trimmedArg(cfil, cfil_len).empty()) {
    warnin(37);
    return;
  }
  zanglb.cerrfl = arg(cfil, cfil_len);
  zanglb.ierrfl = 1;
} ZANTOR_CATCH

// Units other than 0 (silence) and 17 (the error file) write to standard
// output: a C++ library cannot write to a unit the calling program opened.
ZANTOR_API void unit_(const int32_t* nu) try {
  chkini("UNIT");
  const int32_t n = *nu;
  if (n < 0 || n > 1000 || n == 15 || n == 16) {
    warni1(2, n);
    return;
  }
  zanglb.nunit = n;
} ZANTOR_CATCH

ZANTOR_API void nochek_() try {
  chkini("NOCHEK");
  zanglb.nchek = 0;
} ZANTOR_CATCH
