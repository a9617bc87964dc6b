// qplscl: fixes the scaling of axes for the following quick plots, or
// returns them to automatic scaling.  The values persist across plots.
#include <string>

#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"

using namespace zantor;

ZANTOR_API void qplscl_(const float* a, const float* e, const float* orig, const float* step,
                        const char* cax, size_t cax_len) try {
  // Stored before any plot: the one-time defaults must not clear it later.
  ensureOneTimeDefaults();
  setRoutineName("QPLSCL");
  Zanglb& g = zanglb;
  std::string key = upstr(arg(cax, cax_len).substr(0, 3));
  key.resize(3, ' ');
  const auto axisOf = [](char c) { return c == 'X' ? 0 : c == 'Y' ? 1 : c == 'Z' ? 2 : -1; };
  if (axisOf(key[0]) >= 0 && key[1] == 'R' && key[2] == 'E') {  // XRESET, YRE, ...
    g.iopqp[axisOf(key[0])] = 0;
    return;
  }
  if (key == "RES") {
    g.iopqp[0] = g.iopqp[1] = g.iopqp[2] = 0;
    return;
  }
  bool any = false;
  for (char c : key) {
    const int i = axisOf(c);
    if (i < 0) continue;
    any = true;
    g.iopqp[i] = 1;
    g.xaqp[i] = *a, g.xeqp[i] = *e, g.xorqp[i] = *orig, g.xstpqp[i] = *step;
  }
  if (!any) warnc1(2, trimmedArg(cax, cax_len));
} ZANTOR_CATCH
