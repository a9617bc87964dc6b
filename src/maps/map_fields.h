// Fields of the state record owned by map axis systems: the projection,
// its constants, the connection mode of map lines and the map base.
#pragma once
#include <cstdint>

#include "core/fixed_string.h"

namespace zantor {

// A user projection ("MYPR"): longitude and latitude in degrees in, plot
// offsets from the map centre out.
using UserProjection = void (*)(const float* xlon, const float* ylat, float* xp, float* yp);

struct MapFields {
  int32_t iprojt = 0;                 // projection code
  float xpol = 0, ypol = 0;           // centre of azimuthal projections, degrees
  float xazird = 1.5707964f;          // angular radius shown, radians
  float y1lat = 0, y2lat = 0;         // standard parallels, degrees
  int32_t iltopt = 0;                 // -1 mapref, 0 to compute, 1/2 computed
  int32_t imapmd = 1;                 // 0 STRA, 1 INTE, 2 GREA
  int32_t imapbs = 0;                 // 0 ZANT, 1..4 GSHL..GSHF, 5 MAPF
  int32_t imapfl = 0;                 // 1 GSHH, 2 MAPG
  FixedString<256> cmapfl;            // user map file
  int32_t imaplv = 0;                 // 0 ALL, 1 LAND, 2 LAKE, 3 RIVE
  int32_t imapop = 0;                 // 0 coastlines, 1 borders, 2 both
  int32_t imaplb = 1;                 // latitude labels: 0 NONE, 1 LEFT, 2 RIGH, 3 BOTH
  int32_t imapxa = 0;                 // mapopt XAXI: 0 STAN, 1 AUTO
  int32_t imapcr = 0;                 // 1: the map is drawn in a circle
  UserProjection mapusr = nullptr;    // routine of "MYPR" (setmpr)
};

}  // namespace zantor
