// reset: restores one setting, or all of them, to its per-plot default.
#include <array>
#include <string>
#include <string_view>

#include "core/api.h"
#include "core/args.h"
#include "core/defaults.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/colour.h"
#include "draw/page.h"

namespace zantor {
namespace {

// The colour table of the device with its named colours and ranges; the
// current colour keeps its value.
void restoreColourTable() {
  zanglb.imyvlt = 0;
  loadColourTable(defaultColourTable());
}

void restoreCurrentColour() { qqsclr(zanglb.nfgclr); }

void restoreColourCycle() {
  for (int32_t& c : zanglb.ncclr) c = -1;
  resetColourCycle();
}

struct ResetEntry {
  std::string_view name;  // first four characters of the setter, upper case
  void (*restore)();
};

// One line per setter whose parameter reset restores.
constexpr std::array kResetTable{
    ResetEntry{"SETV", restoreColourTable},  // setvlt
    ResetEntry{"MYVL", restoreColourTable},  // myvlt
    ResetEntry{"SETI", restoreColourTable},  // setind
    ResetEntry{"VLTF", restoreColourTable},  // vltfil LOAD
    ResetEntry{"COLO", restoreCurrentColour},  // color
    ResetEntry{"SETC", restoreCurrentColour},  // setclr
    ResetEntry{"SETR", restoreCurrentColour},  // setrgb
    ResetEntry{"CLRC", restoreColourCycle},  // clrcyc
    ResetEntry{"ORIG", resetOrigin},  // origin
    ResetEntry{"PAGO", resetPageOrigin},  // pagorg
};

}  // namespace
}  // namespace zantor

using namespace zantor;

ZANTOR_API void reset_(const char* cname, size_t cname_len) {
  chkini("RESET");
  std::string key = upstr(arg(cname, cname_len).substr(0, 4));
  key.resize(4, ' ');
  if (key == "ALL ") {
    resall();
    return;
  }
  for (const ResetEntry& e : kResetTable) {
    if (e.name == key) {
      e.restore();
      return;
    }
  }
  warnc1(2, trimmedArg(cname, cname_len));
}
