// Curves record their attributes in the next legend slot.
#include "axes/legend_record.h"

#include "core/state.h"

namespace zantor {

void recordCurveForLegend(const LegendAttributes& a) {
  Zanglb& g = zanglb;
  if (g.ilgopt != 1 || g.ilgrec != 1 || g.nlgcrv >= LegendFields::kLegendLines) return;
  const int i = g.nlgcrv++;
  // Lines set by legpat keep their explicit attributes.
  if (g.ilgdef[i] == 1) return;
  g.ilgsty[i] = a.style;
  g.ilgcol[i] = a.colour;
  g.ilgthk[i] = a.thickness;
  g.ilgsym[i] = a.symbol;
  g.ilgshd[i] = a.pattern;
}

}  // namespace zantor
