// The user routines of pie charts.  mypie and usrpie are weak: a program
// that defines a routine of the same name replaces the library's, which
// does nothing.  setcbk registers a further routine without replacing
// anything.  All three take (iseg, xdat, xper, nclr, npat, noff, iann):
// the segment number, its value and percentage, and the fill colour,
// shading pattern, offset in plot units and label flag, which they may
// change.
#include <cstdint>
#include <string>

#include "charts/pie_hooks.h"
#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"

namespace zantor {
namespace {

using PieRoutine = void (*)(const int32_t*, const float*, const float*, int32_t*, int32_t*,
                            int32_t*, int32_t*);

// The pie callback: a setting of the program, kept from plot to plot.
PieRoutine pieCallback = nullptr;

}  // namespace
}  // namespace zantor

using namespace zantor;

ZANTOR_API __attribute__((weak)) void mypie_(const int32_t*, const float*, const float*,
                                             int32_t*, int32_t*, int32_t*, int32_t*) try {
} ZANTOR_CATCH

ZANTOR_API __attribute__((weak)) void usrpie_(const int32_t*, const float*, const float*,
                                              int32_t*, int32_t*, int32_t*, int32_t*) try {
} ZANTOR_CATCH

// Registers a callback; "PIE" is the only kind.  A null routine removes
// the pie callback.
ZANTOR_API void setcbk_(void (*routine)(), const char* copt, size_t copt_len) try {
  if (jqqlev(0, 3, "SETCBK") != 0) return;
  if (jqqind("PIE ", 1, trimmedArg(copt, copt_len)) == 0) return;
  pieCallback = reinterpret_cast<PieRoutine>(routine);
} ZANTOR_CATCH

namespace zantor {

void passSegmentToUser(int32_t iseg, float value, float percent, PieSegmentChoice& c) {
  PieRoutine routines[] = {mypie_, usrpie_, pieCallback};
  for (PieRoutine r : routines) {
    if (r == nullptr) continue;
    // The user sees copies: whatever it writes is checked by the caller.
    int32_t colour = c.colour, pattern = c.pattern, offset = c.offset, labels = c.labels;
    r(&iseg, &value, &percent, &colour, &pattern, &offset, &labels);
    c = {colour, pattern, offset, labels};
  }
}

}  // namespace zantor
