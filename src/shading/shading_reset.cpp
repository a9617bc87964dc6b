// reset for the setters of the depth buffer, the lights, the material and
// the shaded surfaces.
#include <array>

#include "core/setting_reset.h"
#include "shading/shading.h"
#include "shading/shading_fields.h"

namespace zantor {
namespace {

using Entry = SettingReset<ShadingFields>;

const ShadingFields& defaults() {
  static const ShadingFields d = defaultsOf<ShadingFields>(resetShadingDefaults);
  return d;
}

constexpr std::array kShadingResets{
    Entry{"LIGH", [](Zanglb& g, const ShadingFields& d) { g.ilitop = d.ilitop; }},
    Entry{"LITM", [](Zanglb& g, const ShadingFields& d) { copyArray(g.ilitmd, d.ilitmd); }},
    Entry{"LITP",
          [](Zanglb& g, const ShadingFields& d) {
            copyArray(g.ilitps, d.ilitps), copyArray(g.xlitps, d.xlitps);
            copyArray(g.ylitps, d.ylitps), copyArray(g.zlitps, d.zlitps);
          }},
    // litopt and litop3.
    Entry{"LITO",
          [](Zanglb& g, const ShadingFields& d) {
            for (int i = 0; i < 8; ++i) {
              copyArray(g.xlitam[i], d.xlitam[i]), copyArray(g.xlitdf[i], d.xlitdf[i]);
              copyArray(g.xlitsp[i], d.xlitsp[i]);
            }
            copyArray(g.xlitco, d.xlitco), copyArray(g.xlitli, d.xlitli), copyArray(g.xlitqu, d.xlitqu);
          }},
    // matopt and matop3.
    Entry{"MATO",
          [](Zanglb& g, const ShadingFields& d) {
            copyArray(g.xrflam, d.xrflam), copyArray(g.xrfldf, d.xrfldf), copyArray(g.xrflsp, d.xrflsp);
            g.xrflsh = d.xrflsh;
          }},
    Entry{"ZBFM", [](Zanglb& g, const ShadingFields& d) { g.izbfmd = d.izbfmd; }},
    Entry{"ZBFS", [](Zanglb& g, const ShadingFields& d) { g.xzbfsc = d.xzbfsc; }},
    Entry{"SURM", [](Zanglb& g, const ShadingFields& d) { g.isrmsh = d.isrmsh; }},
    // The surface key of shdmod; its contour keys are restored with the contours.
    Entry{"SHDM", [](Zanglb& g, const ShadingFields& d) { g.ishsrf = d.ishsrf; }},
};

}  // namespace

bool resetShadingSetting(std::string_view key) {
  return restoreSetting(kShadingResets, key, defaults);
}

}  // namespace zantor
