// The settings of map axis systems: projection, standard parallels, map
// centre and radius, connection mode, map base, levels and options.
#include <cmath>

#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "maps/maps.h"

namespace zantor {

void resetMapDefaults() {
  Zanglb& g = zanglb;
  const UserProjection keep = g.mapusr;
  static_cast<MapFields&>(g) = MapFields{};
  g.mapusr = keep;
}

}  // namespace zantor

using namespace zantor;

namespace {

constexpr int kProjCodes[] = {0, 1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 15,
                              20, 21, 22, 23, 30, 31, 32, 33, 34, 100};

// Rejects a value outside lo..hi (or NaN) with warning 2.
bool inRange(float v, float lo, float hi) {
  if (std::isnan(v) || v < lo || v > hi) {
    warnin(2);
    return false;
  }
  return true;
}

}  // namespace

ZANTOR_API void projct_(const char* copt, size_t copt_len) try {
  if (jqqlev(1, 1, "PROJCT") != 0) return;
  const int k = jqqind(
      "CYLI+MERC+EXAC+CORR+UTM +OBLI+EQUA+MOLL+AITO+HAMM+WINK+SANS+ELLI+CONF+ALBE+POLY+CONI+"
      "GNOM+ORTH+STER+AZIM+LAMB+MYPR",
      23, trimmedArg(copt, copt_len));
  if (k == 0) return;
  zanglb.iprojt = kProjCodes[k - 1];
} ZANTOR_CATCH

ZANTOR_API void mapref_(const float* ylower, const float* yupper) try {
  if (jqqlev(1, 1, "MAPREF") != 0) return;
  const float a = *ylower, b = *yupper;
  if (std::isnan(a) || std::isnan(b) || a < -90.1f || b > 90.1f || (a < -0.1f && b > 0.1f)) {
    warnin(2);
    return;
  }
  zanglb.y1lat = a;
  zanglb.y2lat = b;
  zanglb.iltopt = -1;
} ZANTOR_CATCH

ZANTOR_API void mappol_(const float* xpol, const float* ypol) try {
  if (jqqlev(1, 1, "MAPPOL") != 0) return;
  if (!inRange(*xpol, -180.1f, 180.1f) || !inRange(*ypol, -90.1f, 90.1f)) return;
  zanglb.xpol = *xpol;
  zanglb.ypol = *ypol;
} ZANTOR_CATCH

ZANTOR_API void mapsph_(const float* xrad) try {
  if (jqqlev(1, 1, "MAPSPH") != 0) return;
  if (std::isnan(*xrad) || *xrad <= 0.0f || *xrad > 90.0f) {
    warnin(2);
    return;
  }
  zanglb.xazird = *xrad * zanglb.fpi;
} ZANTOR_CATCH

ZANTOR_API void mapmod_(const char* copt, size_t copt_len) try {
  if (jqqlev(1, 3, "MAPMOD") != 0) return;
  const int k = jqqind("STRA+INTE+GREA", 3, trimmedArg(copt, copt_len));
  if (k != 0) zanglb.imapmd = k - 1;
} ZANTOR_CATCH

ZANTOR_API void mapbas_(const char* copt, size_t copt_len) try {
  if (jqqlev(1, 3, "MAPBAS") != 0) return;
  const int k = jqqind("ZANT+GSHL+GSHI+GSHH+GSHF+MAPF", 6, trimmedArg(copt, copt_len));
  if (k != 0) zanglb.imapbs = k - 1;
} ZANTOR_CATCH

ZANTOR_API void mapfil_(const char* cfil, const char* copt, size_t cfil_len, size_t copt_len) try {
  if (jqqlev(1, 3, "MAPFIL") != 0) return;
  const int k = jqqind("GSHH+MAPG", 2, trimmedArg(copt, copt_len));
  if (k == 0) return;
  std::string_view name = trimmedArg(cfil, cfil_len);
  if (name.size() > 255) name = name.substr(0, 255);
  zanglb.imapfl = k;
  zanglb.cmapfl = name;
  zanglb.imapbs = 5;
} ZANTOR_CATCH

ZANTOR_API void maplev_(const char* copt, size_t copt_len) try {
  if (jqqlev(1, 3, "MAPLEV") != 0) return;
  const int k = jqqind("ALL +LAND+LAKE+BOTH+RIVE", 5, trimmedArg(copt, copt_len));
  if (k == 0) return;
  constexpr int kLevel[] = {0, 1, 2, 0, 3};
  zanglb.imaplv = kLevel[k - 1];
} ZANTOR_CATCH

ZANTOR_API void mapopt_(const char* copt, const char* ckey, size_t copt_len, size_t ckey_len) try {
  if (jqqlev(1, 3, "MAPOPT") != 0) return;
  const int key = jqqind("WORL+XAXI", 2, trimmedArg(ckey, ckey_len));
  if (key == 1) {
    const int k = jqqind("COAS+BORD+BOTH", 3, trimmedArg(copt, copt_len));
    if (k != 0) zanglb.imapop = k - 1;
  } else if (key == 2) {
    const int k = jqqind("STAN+AUTO", 2, trimmedArg(copt, copt_len));
    if (k != 0) zanglb.imapxa = k - 1;
  }
} ZANTOR_CATCH

ZANTOR_API void maplab_(const char* copt, const char* ckey, size_t copt_len, size_t ckey_len) try {
  if (jqqlev(1, 3, "MAPLAB") != 0) return;
  if (jqqind("LATI", 1, trimmedArg(ckey, ckey_len)) == 0) return;
  const int k = jqqind("NONE+LEFT+RIGH+BOTH", 4, trimmedArg(copt, copt_len));
  if (k != 0) zanglb.imaplb = k - 1;
} ZANTOR_CATCH

// The routine of the user projection "MYPR": called with longitude and
// latitude (degrees) and returning the plot offsets (x, y) from the map
// centre, x to the right and y upwards.
ZANTOR_API void setmpr_(void (*routine)()) try {
  if (jqqlev(0, 3, "SETMPR") != 0) return;
  zanglb.mapusr = reinterpret_cast<UserProjection>(routine);
} ZANTOR_CATCH
