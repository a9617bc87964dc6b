// Fields of the state record owned by the CGM writer (the version, the
// picture name flag and the background flag live with the other format
// options in device_fields.h).
#pragma once
#include <cstdint>

#include "core/fixed_string.h"

namespace zantor {

struct CgmFields {
  int32_t ncgpic = 0;       // picture counter of the current metafile
  FixedString<256> ccgpic;  // picture name set by cgmpic
  int32_t ncgrrr = 255, ncgggg = 255, ncgbbb = 255;  // background of cgmbgd
};

}  // namespace zantor
