// world and shdmap: coastlines, borders and filled regions of the map
// base (the built-in map or shoreline files).
//
// "SEA " and the shoreline sea keywords fill the whole map area with the
// current colour and pattern and then the land in the background colour.
// "ALL " and "LAND" leave the lakes of the built-in map open (filled in
// the background colour); "LAKE" fills the lakes alone.
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/colour.h"
#include "draw/pipeline.h"
#include "maps/mapdata/builtin_map.h"
#include "maps/maps.h"

namespace zantor {
namespace {

// Geographic points of one built-in line (reused buffers).
void builtinLine(const BuiltinMapLine& l, std::vector<double>& lon, std::vector<double>& lat) {
  lon.resize(l.count);
  lat.resize(l.count);
  const int16_t* p = kBuiltinMapPoints + 2 * static_cast<size_t>(l.start);
  for (int i = 0; i < l.count; ++i) {
    lon[i] = p[2 * i] * 0.01;
    lat[i] = p[2 * i + 1] * 0.01;
  }
}

using PolygonVisitor = std::function<void(const ShorelinePolygon&)>;

// Hands the polygons of the current map base to `visit` as they are read;
// false (after the open error) when the file cannot be read.  A cut file
// keeps its whole polygons.
bool visitBase(int base, int levelSelect, const PolygonVisitor& visit) {
  const Zanglb& g = zanglb;
  std::string path = base == 5 ? g.cmapfl.str() : shorelinePath(base, levelSelect == 3);
  if (base == 5 && g.imapfl == 2) {
    std::vector<ShorelinePolygon> polys;
    bool opened = false;
    readTextMap(path, polys, opened);
    if (!opened) reportOpenError(path);
    for (const auto& p : polys) visit(p);
    return opened;
  }
  std::vector<unsigned char> bytes;
  if (!readWholeFile(path, bytes)) {
    reportOpenError(path);
    return false;
  }
  forEachShoreline(bytes, levelSelect, visit);
  return true;
}

// All polygons of the current map base at once.
bool readBase(int base, int levelSelect, std::vector<ShorelinePolygon>& polys) {
  return visitBase(base, levelSelect, [&polys](const ShorelinePolygon& p) { polys.push_back(p); });
}

// Fills shoreline polygons: land levels (odd) in the current colour, lakes
// (even) in the background colour; `sea` swaps the two.
void fillShorelines(const std::vector<ShorelinePolygon>& polys, bool sea) {
  const int32_t fore = zanglb.ncolr, back = zanglb.nbgclr;
  if (sea) fillMapArea();
  for (int pass = 1; pass <= 4; ++pass) {
    const bool land = pass % 2 == 1;
    qqstrk();
    qqsclr(land != sea ? fore : back);
    for (const auto& p : polys)
      if (p.level == pass) fillMapPolygon(p.lon.data(), p.lat.data(), static_cast<int>(p.lon.size()));
  }
  qqstrk();
  qqsclr(fore);
}

}  // namespace

void drawBuiltinLines(int kind) {
  std::vector<double> lon, lat;
  for (int k = 0; k < kBuiltinMapLineCount; ++k) {
    const BuiltinMapLine& l = kBuiltinMapLines[k];
    if (l.kind != kind) continue;
    builtinLine(l, lon, lat);
    drawMapPolyline(lon.data(), lat.data(), l.count, zanglb.imapmd, true);
  }
}

void fillBuiltinLakes() {
  std::vector<double> lon, lat;
  for (int k = 0; k < kBuiltinMapLineCount; ++k) {
    const BuiltinMapLine& l = kBuiltinMapLines[k];
    if (l.kind != kMapLake) continue;
    builtinLine(l, lon, lat);
    fillMapPolygon(lon.data(), lat.data(), l.count);
  }
}

// The land of the built-in map with its lakes open in colour `lakes`.
static void fillBuiltinLand(int32_t lakes) {
  const int32_t fore = zanglb.ncolr;
  fillBuiltinRegions(0xffu);
  qqstrk();
  qqsclr(lakes);
  fillBuiltinLakes();
  qqstrk();
  qqsclr(fore);
}

void fillBuiltinRegions(unsigned mask) {
  std::vector<double> lon, lat;
  for (int k = 0; k < kBuiltinMapLineCount; ++k) {
    const BuiltinMapLine& l = kBuiltinMapLines[k];
    if (l.kind != kMapCountry || (mask & (1u << l.region)) == 0) continue;
    builtinLine(l, lon, lat);
    fillMapPolygon(lon.data(), lat.data(), l.count);
  }
}

}  // namespace zantor

using namespace zantor;

ZANTOR_API void world_() try {
  if (jqqlev(2, 3, "WORLD") != 0) return;
  const Zanglb& g = zanglb;
  if (g.imapbs == 0) {
    // Levels as in shoreline files: "LAND" the coasts, "LAKE" the lakes.
    if (g.imapop != 1 && g.imaplv != 2) drawBuiltinLines(kMapCoast);
    if (g.imapop != 1 && (g.imaplv == 0 || g.imaplv == 2)) drawBuiltinLines(kMapLake);
    if (g.imapop != 0) drawBuiltinLines(kMapBorder);
    qqstrk();
    return;
  }
  if (g.imapbs == 5 && g.imapfl == 0) {
    qqerror(154, "No call to MAPFIL before");
    return;
  }
  visitBase(g.imapbs, g.imaplv, [&g](const ShorelinePolygon& p) {
    drawMapPolyline(p.lon.data(), p.lat.data(), static_cast<int>(p.lon.size()), g.imapmd, true);
  });
  qqstrk();
} ZANTOR_CATCH

ZANTOR_API void shdmap_(const char* copt, size_t copt_len) try {
  if (jqqlev(2, 3, "SHDMAP") != 0) return;
  const int k = jqqind("ALL +ANTA+AFRI+EURA+AUST+EURO+NORT+SOUT+LAKE+LAND+SEA +GSHL+GSHI+GSHH+"
                       "LSEA+ISEA+HSEA",
                       17, trimmedArg(copt, copt_len));
  if (k == 0) return;
  constexpr unsigned kAll = 0xffu;
  constexpr unsigned kMask[] = {
      kAll, 1u << kRegionAntarctica, 1u << kRegionAfrica,
      (1u << kRegionEurope) | (1u << kRegionAsia), 1u << kRegionOceania, 1u << kRegionEurope,
      1u << kRegionNorthAmerica, 1u << kRegionSouthAmerica};
  qqstrk();
  if (k == 1 || k == 10) {
    fillBuiltinLand(zanglb.nbgclr);
  } else if (k <= 8) {
    fillBuiltinRegions(kMask[k - 1]);
  } else if (k == 9) {
    fillBuiltinLakes();
  } else if (k == 11) {
    // The sea and the lakes in the current colour, the land between them
    // in the background colour.
    const int32_t fore = zanglb.ncolr;
    fillMapArea();
    qqstrk();
    qqsclr(zanglb.nbgclr);
    fillBuiltinLand(fore);
    qqstrk();
    qqsclr(fore);
  } else {
    const bool sea = k >= 15;
    const int res = sea ? k - 14 : k - 11;  // 1 low, 2 intermediate, 3 high
    std::vector<ShorelinePolygon> polys;
    if (readBase(res, 0, polys)) fillShorelines(polys, sea);
  }
  qqstrk();
} ZANTOR_CATCH
