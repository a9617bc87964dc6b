// Fields of the state record owned by the PostScript writer's settings.
#pragma once
#include <cstdint>
#include "core/fixed_string.h"

namespace zantor {

struct PostScriptFields {
  int32_t ipsmod = 0;          // special characters: 0 NONE, 1 GREE, 2 ITAL, 3 BOTH
  FixedString<80> cpsinf;      // user header line of psmeta (ipsinf = 1 when set)
  FixedString<80> cpsfnt{"Times-Roman"};  // hardware font chosen by psfont
};

}  // namespace zantor
