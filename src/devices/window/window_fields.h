// Fields of the state record owned by the window device.
#pragma once
#include <cstdint>

namespace zantor {

struct WindowFields {
  int32_t iwinmd = 0;  // wait at zanfin: 0 FULL, 1 NOER, 2 NONE, 3 NOHO, 4 DELA, 5 NOMB
  int32_t ikeyop = 0;  // key that ends the wait: 0 none, 1 Return, 2 Escape
  int32_t iwinsc = 0;  // delay in seconds for DELA
};

}  // namespace zantor
