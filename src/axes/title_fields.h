// Fields of the state record owned by the titles of axis systems.
#pragma once
#include <cstdint>

#include "core/fixed_string.h"

namespace zantor {

struct TitleFields {
  FixedString<132> ctit[4];     // title lines
  int32_t ititul[4] = {};       // 1: the line is underlined
  int32_t nlft = 0;             // 0 centred, 1 left, 2 right
  int32_t ititps = 0;           // 0 above, 1 below the axis system
  int32_t ititle = 0;           // title height, 0 = current height
  int32_t nvty = 0;             // extra distance to the axis system
};

}  // namespace zantor
