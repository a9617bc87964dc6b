// reset for the setters of map axis systems.  A map already drawn keeps
// the projection grafmp prepared; the restored values serve the next one.
// "PROJ" stays with the 3D projection: projct keeps its projection, which
// every map needs.
#include <array>

#include "core/setting_reset.h"
#include "maps/map_fields.h"
#include "maps/maps.h"

namespace zantor {
namespace {

using Entry = SettingReset<MapFields>;

const MapFields& defaults() {
  static const MapFields d;
  return d;
}

constexpr std::array kMapResets{
    Entry{"MAPR",  // mapref: the standard parallels are computed again
          [](Zanglb& g, const MapFields& d) { g.y1lat = d.y1lat, g.y2lat = d.y2lat, g.iltopt = d.iltopt; }},
    Entry{"MAPP", [](Zanglb& g, const MapFields& d) { g.xpol = d.xpol, g.ypol = d.ypol; }},
    Entry{"MAPS", [](Zanglb& g, const MapFields& d) { g.xazird = d.xazird; }},
    Entry{"MAPM", [](Zanglb& g, const MapFields& d) { g.imapmd = d.imapmd; }},
    // mapbas and mapfil both choose the map base.
    Entry{"MAPB", [](Zanglb& g, const MapFields& d) { g.imapbs = d.imapbs; }},
    Entry{"MAPF",
          [](Zanglb& g, const MapFields& d) {
            g.imapfl = d.imapfl, g.cmapfl = d.cmapfl, g.imapbs = d.imapbs;
          }},
    // "MAPL" names maplev and maplab.
    Entry{"MAPL", [](Zanglb& g, const MapFields& d) { g.imaplv = d.imaplv, g.imaplb = d.imaplb; }},
    Entry{"MAPO", [](Zanglb& g, const MapFields& d) { g.imapop = d.imapop, g.imapxa = d.imapxa; }},
};

}  // namespace

bool resetMapSetting(std::string_view key) { return restoreSetting(kMapResets, key, defaults); }

}  // namespace zantor
