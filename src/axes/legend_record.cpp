// Placeholder until legends land: curves are not recorded anywhere.
#include "axes/legend_record.h"

namespace zantor {

void recordCurveForLegend(const LegendAttributes&) {}

}  // namespace zantor
