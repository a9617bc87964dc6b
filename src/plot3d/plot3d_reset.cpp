// reset for the setters of 3D axis systems, the projection and surfaces.
// The defaults are those of the fields themselves, which resall sets;
// resall also clears the object transformation, which tr3res restores.
#include <array>

#include "core/setting_reset.h"
#include "plot3d/plot3d.h"
#include "plot3d/plot3d_fields.h"

namespace zantor {
namespace {

using Entry = SettingReset<Plot3dFields>;

const Plot3dFields& defaults() {
  static const Plot3dFields d;
  return d;
}

constexpr std::array kPlot3dResets{
    Entry{"AXIS", [](Zanglb& g, const Plot3dFields& d) { copyArray(g.x3axis, d.x3axis); }},
    Entry{"VIEW", [](Zanglb& g, const Plot3dFields& d) { copyArray(g.xvuabs, d.xvuabs), g.ivuabs = d.ivuabs; }},
    Entry{"VFOC", [](Zanglb& g, const Plot3dFields& d) { copyArray(g.xfoc3d, d.xfoc3d), g.ifoc3d = d.ifoc3d; }},
    Entry{"VUP3", [](Zanglb& g, const Plot3dFields& d) { g.xvup3d = d.xvup3d; }},
    Entry{"VANG", [](Zanglb& g, const Plot3dFields& d) { g.xang3d = d.xang3d; }},
    Entry{"VCLP", [](Zanglb& g, const Plot3dFields& d) { g.xclp3d = d.xclp3d, g.uclp3d = d.uclp3d; }},
    // "PROJ" also names projct, whose projection stays: a map needs one.
    Entry{"PROJ", [](Zanglb& g, const Plot3dFields& d) { g.iprj3d = d.iprj3d; }},
    Entry{"VSCL", [](Zanglb& g, const Plot3dFields& d) { g.xscl3d = d.xscl3d; }},
    Entry{"ROT3",
          [](Zanglb& g, const Plot3dFields& d) {
            copyArray(g.xrot3d, d.xrot3d), copyArray(g.irot3d, d.irot3d);
            copyArray(g.sina3d, d.sina3d), copyArray(g.cosa3d, d.cosa3d);
          }},
    Entry{"SURV", [](Zanglb& g, const Plot3dFields& d) { g.isurvs = d.isurvs; }},
    Entry{"SURO", [](Zanglb& g, const Plot3dFields& d) { g.isurop = d.isurop; }},
    Entry{"SURC",
          [](Zanglb& g, const Plot3dFields& d) { g.isfclr = d.isfclr, g.ictp = d.ictp, g.icbt = d.icbt; }},
    Entry{"NOHI", [](Zanglb& g, const Plot3dFields& d) { g.inohid = d.inohid; }},
    Entry{"SHLS", [](Zanglb& g, const Plot3dFields& d) { g.iblsur = d.iblsur; }},
    Entry{"SURS",
          [](Zanglb& g, const Plot3dFields& d) { g.isursz = d.isursz, copyArray(g.xsursz, d.xsursz); }},
};

}  // namespace

bool resetPlot3dSetting(std::string_view key) {
  return restoreSetting(kPlot3dResets, key, defaults);
}

}  // namespace zantor
