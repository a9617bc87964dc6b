// Quick plots of curves: a line plot, a scatter plot and several curves in
// one axis system.
#include <zantor.h>

#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "quickplot/quick_plot.h"

namespace zantor {
namespace {

// Opens the plot and an axis system scaled to the points and draws them;
// false when no axis system could be opened.
bool plotCurve(const float* x, const float* y, int32_t n, bool symbolsOnly) {
  if (!openQuickPlot()) return false;
  if (symbolsOnly) {
    const int32_t everyPointNoLine = -1;
    incmrk_(&everyPointNoLine);
  }
  const AxisArgs ax = quickAxis(0, x, n), ay = quickAxis(1, y, n);
  graf_(&ax.a, &ax.e, &ax.orig, &ax.step, &ay.a, &ay.e, &ay.orig, &ay.step);
  if (!axisSystemOpen()) return false;
  curve_(x, y, &n);
  return true;
}

// The check of NEXT and LAST: a curve is added only to an open axis system.
bool curveCanBeAdded(std::string_view routine) { return jqqlev(2, 3, routine) == 0; }

}  // namespace
}  // namespace zantor

using namespace zantor;

ZANTOR_API void qplot_(const float* xray, const float* yray, const int32_t* n) try {
  plotCurve(xray, yray, *n, false);
  if (zanglb.nlev != 0) closeQuickPlot();
} ZANTOR_CATCH

ZANTOR_API void qplsca_(const float* xray, const float* yray, const int32_t* n) try {
  plotCurve(xray, yray, *n, true);
  if (zanglb.nlev != 0) closeQuickPlot();
} ZANTOR_CATCH

ZANTOR_API void qplcrv_(const float* xray, const float* yray, const int32_t* n, const char* copt,
                        size_t copt_len) try {
  setRoutineName("QPLCRV");
  const int k = jqqind("FIRS+NEXT+LAST", 3, arg(copt, copt_len));
  if (k == 0) return;
  int32_t count = *n;
  if (k == 1) {
    // The axis system stays open for the next curves; a plot this call
    // opened without an axis system is finished, so that its file is whole.
    const bool opensPlot = zanglb.nlev == 0;
    if (plotCurve(xray, yray, count, false)) {
      title_();
      sendbf_();
    } else if (opensPlot && zanglb.nlev != 0) {
      zanfin_();
    }
    return;
  }
  if (!curveCanBeAdded("QPLCRV")) return;
  curve_(xray, yray, &count);
  if (k == 2) sendbf_();
  else zanfin_();
} ZANTOR_CATCH
