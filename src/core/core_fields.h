// Fields of the state record owned by the level protocol and the warning
// channel.
#pragma once
#include <cstdint>
#include "core/fixed_string.h"

namespace zantor {

struct CoreFields {
  // Level protocol and lifecycle.
  int32_t nlev = 0;      // current level 0..3
  FixedString<8> crout;  // routine of the last level check, used in warnings
  float xpi = 3.1415927f, fpi = 0.017453292f, eps = 1.0e-35f;
  int32_t ibytor = 1;    // 1 on little-endian hosts
  int32_t nplvec = 0;    // vectors drawn since zanini
  int32_t nplerr = 0;    // warnings issued since zanini
  int32_t nnans = 0;     // NaN data values met since zanini
  int32_t nnouts = 0;    // data points outside an axis system since zanini
  int32_t npagnr = 0;    // current page number
  int32_t isymfl = 0;    // 0 while a plot is open, 1 after zanfin
  int32_t ihwcop = 0;
  int32_t inanop = 0;
  int32_t ndepth = 8;    // colour depth of the device in bits

  // Messages.
  int32_t nunit = 6;     // 6 console, 17 error file, 0 no messages
  int32_t ierrmd = 1;    // warnings written
  int32_t nchek = 1;     // data checks reported
  int32_t iproto = 1;    // protocol 0 off, 1 on, 2 into the error file
  int32_t ierrdv = 0;    // error device 0 CONS, 1 FILE, 2 APPE
  int32_t ierrfl = 0;    // 1 once errfil gave a name
  FixedString<256> cerrfl;
  int32_t ierrop = 0;    // 1 while the error file is open
  FixedString<80> cerr;  // current message text
  int32_t iwinap = 0;    // program runs as a window application (winapp)
};

}  // namespace zantor
