// qplpie: a pie chart in two passes over the same pie: filled segments in
// changing colours, then their outlines with the values outside.
#include <string>

#include <zantor.h>

#include "core/api.h"
#include "core/state.h"
#include "quickplot/quick_plot.h"

using namespace zantor;

ZANTOR_API void qplpie_(const float* xray, const int32_t* n) try {
  if (!openQuickPlot()) return;
  // No segment texts: an empty buffer.
  const std::string noTexts(80, ' ');
  const int32_t noLines = 0;
  chnpie_("BOTH", 4);
  const int32_t solid = 16;
  for (int32_t i = 1; i <= 30; ++i) patcyc_(&i, &solid);
  labels_("NONE", "PIE", 4, 3);
  piegrf_(noTexts.data(), &noLines, xray, n, noTexts.size());
  // piegrf opens its own axis system; without it the data were refused.
  if (axisSystemOpen()) {
    endgrf_();
    const int32_t empty = 0;
    shdpat_(&empty);
    color_("FORE", 4);
    chnpie_("NONE", 4);
    labels_("DATA", "PIE", 4, 3);
    labpos_("EXTERNAL", "PIE", 8, 3);
    piegrf_(noTexts.data(), &noLines, xray, n, noTexts.size());
  }
  closeQuickPlot();
} ZANTOR_CATCH
