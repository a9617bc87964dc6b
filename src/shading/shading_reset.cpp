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

template <class T, int N>
void copy(T (&to)[N], const T (&from)[N]) {
  for (int i = 0; i < N; ++i) to[i] = from[i];
}

constexpr std::array kShadingResets{
    Entry{"LIGH", [](Zanglb& g, const ShadingFields& d) { g.ilitop = d.ilitop; }},
    Entry{"LITM", [](Zanglb& g, const ShadingFields& d) { copy(g.ilitmd, d.ilitmd); }},
    Entry{"LITP",
          [](Zanglb& g, const ShadingFields& d) {
            copy(g.ilitps, d.ilitps), copy(g.xlitps, d.xlitps);
            copy(g.ylitps, d.ylitps), copy(g.zlitps, d.zlitps);
          }},
    // litopt and litop3.
    Entry{"LITO",
          [](Zanglb& g, const ShadingFields& d) {
            for (int i = 0; i < 8; ++i) {
              copy(g.xlitam[i], d.xlitam[i]), copy(g.xlitdf[i], d.xlitdf[i]);
              copy(g.xlitsp[i], d.xlitsp[i]);
            }
            copy(g.xlitco, d.xlitco), copy(g.xlitli, d.xlitli), copy(g.xlitqu, d.xlitqu);
          }},
    // matopt and matop3.
    Entry{"MATO",
          [](Zanglb& g, const ShadingFields& d) {
            copy(g.xrflam, d.xrflam), copy(g.xrfldf, d.xrfldf), copy(g.xrflsp, d.xrflsp);
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
