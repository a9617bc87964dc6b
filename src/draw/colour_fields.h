// Fields of the state record owned by the colour model.  (The screen colour
// mode iclrmd is a level-0 device option and lives with the device fields.)
#pragma once
#include <cstdint>

namespace zantor {

struct ColourFields {
  int32_t ncolr = 0;        // current colour value (index or explicit)
  int32_t ivlt[256] = {};   // colour table, entries 0xRRGGBB
  int32_t nclrtb = 1;       // current table 0..8 in the order of setvlt
  int32_t nfgclr = 255;     // colour value of "FORE"
  int32_t nbgclr = 0;       // colour value of "BACK"
  int32_t ncmin = 0, ncmax = 255;  // colour range of colour scales
  int32_t nca = 1, nce = 254;      // range of automatic colour steps
  // Named colours as explicit values: WHIT RED GREE YELL BLUE ORAN CYAN
  // MAGE BLAC.
  int32_t nrclrd[9] = {};
  int32_t imyvlt = 0;       // 1: myvlt loaded a table the next setvlt keeps
  // Curve and bar colour cycle as used (nclrcr) and the entries the user
  // chose with clrcyc (ncclr, -1 = follow the named colours).  Each setvlt
  // rebuilds nclrcr from the named colours and the user's entries.
  int32_t nclrcr[30] = {};
  int32_t ncclr[30] = {};
};

}  // namespace zantor
