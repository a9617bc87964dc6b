// Fields of the state record owned by the page, unit and window settings.
#pragma once
#include <cstdint>
#include "core/fixed_string.h"

namespace zantor {

struct PageFields {
  float xcmres = 2969.0f, ycmres = 2099.0f;  // page in 0.1 mm
  FixedString<4> cpage{"DA4L"};
  float xfcuni = 1.0f;   // one plot unit is xfcuni x 0.1 mm
  int32_t nxres = 0, nyres = 0;  // page in plot units
  int32_t nx0 = 0, ny0 = 0;      // user origin
  int32_t ipgorg = 0;    // 0 page origin top, 1 bottom
  int32_t ipgmod = 0;    // 0 landscape, 1 portrait, 2 none
  int32_t isclmd = 0;    // 0 DOWN, 1 FULL, 2 NONE
  float xsclfc = 1.0f, xsclf2 = 1.0f;
  float xscf = 1.0f;     // device units per plot unit
  float xpgoff = 0.0f;
  int32_t ihwpag = 0, nhwxpg = 0, nhwypg = 0;
  int32_t ihwori = 0, nhwxor = 0, nhwyor = 0;
  float xhwscl = 1.0f;
  int32_t nxldef = 0, nyldef = 0, nzldef = 0;
  int32_t nxadef = 0, nyadef = 0;
  int32_t nxa = 0, nya = 0;
  int32_t iflgco = 0;    // 1 while writers draw in internal coordinates

  // Windows (screen and raster size).
  int32_t nwwind = 853, nhwind = 603, nxwind = 0, nywind = 0;
  int32_t iwind = 0;     // 0 default, 1 position and size, 2 size only
  int32_t nxusrw = 0, nyusrw = 0, nwusrw = 0, nhusrw = 0;
  int32_t iwinid = 1;
  int32_t iwinjs = 0;
  float xsclwn[8] = {};
  int32_t nxarwn[8] = {}, nyarwn[8] = {}, nwarwn[8] = {}, nharwn[8] = {};
  int32_t nxpgwn[8] = {}, nypgwn[8] = {};
};

}  // namespace zantor
