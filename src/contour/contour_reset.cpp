// reset for the setters of contour lines and shaded contours.
#include <array>

#include "contour/contour_fields.h"
#include "contour/contour_settings.h"
#include "core/setting_reset.h"

namespace zantor {
namespace {

using Entry = SettingReset<ContourFields>;

const ContourFields& defaults() {
  static ContourFields d;
  d = defaultsOf<ContourFields>(resetContourDefaults);  // the distance follows the units
  return d;
}

constexpr std::array kContourResets{
    Entry{"CONL", [](Zanglb& g, const ContourFields& d) { g.conlb = d.conlb; }},
    Entry{"CONM", [](Zanglb& g, const ContourFields& d) { g.xconf1 = d.xconf1, g.xconf2 = d.xconf2; }},
    Entry{"CONG", [](Zanglb& g, const ContourFields& d) { g.xcongp = d.xcongp; }},
    Entry{"CONA", [](Zanglb& g, const ContourFields& d) { g.xangcr = d.xangcr; }},
    Entry{"CONC",
          [](Zanglb& g, const ContourFields& d) {
            copyArray(g.nconcl, d.nconcl);
            g.iclrcr = d.iclrcr;
          }},
    // shdmod: the contour keys here; the surface key with the shading area.
    Entry{"SHDM",
          [](Zanglb& g, const ContourFields& d) {
            g.ishcon = d.ishcon, g.icellm = d.icellm, g.ishclr = d.ishclr;
          }},
};

}  // namespace

bool resetContourSetting(std::string_view key) {
  return restoreSetting(kContourResets, key, defaults);
}

}  // namespace zantor
