// Fields of the state record owned by the colour model.
#pragma once
#include <cstdint>

namespace zantor {

struct ColourFields {
  int32_t ncolr = 0;  // current colour value
};

}  // namespace zantor
