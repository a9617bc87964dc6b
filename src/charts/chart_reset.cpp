// reset for the setters of bar graphs, pie charts and polar axis systems:
// each name restores the fields its setter sets to their per-plot
// defaults.
#include <array>
#include <string_view>

#include "charts/chart_fields.h"
#include "charts/charts.h"
#include "core/state.h"

namespace zantor {
namespace {

// The defaults of a new plot.
ChartFields defaults() {
  ChartFields d;
  for (int i = 0; i < ChartFields::kPatternCycle; ++i) d.ncpat[i] = i % 18;
  return d;
}

void barType(Zanglb& g, const ChartFields& d) { g.ibartp = d.ibartp, g.icandl = d.icandl; }
void barWidth(Zanglb& g, const ChartFields&) { g.xbarfk = 0.75f; }
void barMode(Zanglb& g, const ChartFields& d) { g.ibarmd = d.ibarmd; }
// A new group starts with the next bar call.
void barGroup(Zanglb& g, const ChartFields& d) {
  g.nclust = d.nclust, g.xgapbr = d.xgapbr, g.nbargc = d.nbargc;
}
void barPosition(Zanglb& g, const ChartFields& d) { g.icenbr = d.icenbr, g.ibasbr = d.ibasbr; }
void barColours(Zanglb& g, const ChartFields& d) {
  g.ibarc1 = d.ibarc1, g.ibarc2 = d.ibarc2, g.ibarc3 = d.ibarc3;
}
void barBorder(Zanglb& g, const ChartFields& d) { g.ibarc4 = d.ibarc4; }
void barOptions(Zanglb& g, const ChartFields& d) { g.xbarf3 = d.xbarf3, g.xbara3 = d.xbara3; }
void barChange(Zanglb& g, const ChartFields& d) { g.icnbar = d.icnbar; }
void patternCycle(Zanglb& g, const ChartFields& d) {
  for (int i = 0; i < ChartFields::kPatternCycle; ++i) g.ncpat[i] = d.ncpat[i];
}
void pieType(Zanglb& g, const ChartFields& d) { g.ipietp = d.ipietp; }
void pieRotation(Zanglb& g, const ChartFields& d) { g.xpiero = d.xpiero; }
void pieExplode(Zanglb& g, const ChartFields& d) { g.iexpie = d.iexpie; }
// "PIEV" names both pieval and pievec: both are restored.
void pieValuesAndLines(Zanglb& g, const ChartFields& d) {
  g.xpiegp = d.xpiegp, g.xpief1 = d.xpief1, g.xpief2 = d.xpief2;
  g.ivcpie = d.ivcpie, g.ilnpie = d.ilnpie;
}
void pieOptions(Zanglb& g, const ChartFields& d) { g.xpief3 = d.xpief3, g.xpiea3 = d.xpiea3; }
void pieColours(Zanglb& g, const ChartFields& d) { g.npiec1 = d.npiec1; }
void pieBorder(Zanglb& g, const ChartFields& d) { g.ipiec3 = d.ipiec3; }
void pieText(Zanglb& g, const ChartFields& d) { g.clpie = d.clpie, g.ipielr = d.ipielr; }
void pieChange(Zanglb& g, const ChartFields& d) { g.icnpie = d.icnpie; }
void polarMode(Zanglb& g, const ChartFields& d) { g.ipolps = d.ipolps, g.ipoldr = d.ipoldr; }

struct ChartResetEntry {
  std::string_view name;  // first four characters of the setter, upper case
  void (*restore)(Zanglb&, const ChartFields&);
};

constexpr std::array kChartResets{
    ChartResetEntry{"BART", barType},      ChartResetEntry{"BARW", barWidth},
    ChartResetEntry{"BARM", barMode},      ChartResetEntry{"BARG", barGroup},
    ChartResetEntry{"BARP", barPosition},  ChartResetEntry{"BARC", barColours},
    ChartResetEntry{"BARB", barBorder},    ChartResetEntry{"BARO", barOptions},
    ChartResetEntry{"CHNB", barChange},    ChartResetEntry{"PATC", patternCycle},
    ChartResetEntry{"PIET", pieType},      ChartResetEntry{"PIER", pieRotation},
    ChartResetEntry{"PIEE", pieExplode},   ChartResetEntry{"PIEV", pieValuesAndLines},
    ChartResetEntry{"PIEO", pieOptions},   ChartResetEntry{"PIEC", pieColours},
    ChartResetEntry{"PIEB", pieBorder},    ChartResetEntry{"PIEL", pieText},
    ChartResetEntry{"CHNP", pieChange},    ChartResetEntry{"POLM", polarMode},
};

}  // namespace

bool resetChartSetting(std::string_view key) {
  for (const ChartResetEntry& e : kChartResets) {
    if (e.name == key) {
      e.restore(zanglb, defaults());
      return true;
    }
  }
  return false;
}

}  // namespace zantor
