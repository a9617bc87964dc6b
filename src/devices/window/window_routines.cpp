// The window settings: wait mode and key at zanfin, delay, title; further
// windows of a plot on the screen.
#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "devices/dispatch.h"
#include "devices/window/window_device.h"
#include "devices/window/x_windows.h"

using namespace zantor;

ZANTOR_API void winmod_(const char* copt, size_t copt_len) try {
  if (jqqlev(0, 3, "WINMOD") != 0) return;
  int i = jqqind("FULL+NOER+NONE+NOHO+DELA+NOMB", 6, arg(copt, copt_len));
  if (i != 0) zanglb.iwinmd = i - 1;
} ZANTOR_CATCH

ZANTOR_API void winkey_(const char* copt, size_t copt_len) try {
  if (jqqlev(0, 3, "WINKEY") != 0) return;
  int i = jqqind("NONE+RETU+ESCA", 3, arg(copt, copt_len));
  if (i != 0) zanglb.ikeyop = i - 1;
} ZANTOR_CATCH

// winopt(n, "DELA"): the delay of the DELA wait in seconds ("MDEL" is an
// older name of the same option).
ZANTOR_API void winopt_(const int32_t* n, const char* copt, size_t copt_len) try {
  if (jqqlev(0, 3, "WINOPT") != 0) return;
  int i = jqqind("DELA+MDEL", 2, arg(copt, copt_len));
  if (i == 0) return;
  if (*n < 0) {
    warni1(2, *n);
    return;
  }
  zanglb.iwinsc = *n;
} ZANTOR_CATCH

ZANTOR_API void wintit_(const char* ctitle, size_t ctitle_len) try {
  if (jqqlev(1, 3, "WINTIT") != 0) return;
  if (zanglb.ndev >= 101) {
    qqerror(40, "WINTIT needs a window device");
    return;
  }
  setXWindowTitle(zanglb.iwinid, std::string(trimmedArg(ctitle, ctitle_len)));
} ZANTOR_CATCH

namespace {

// The window device of the current plot for the routine `name` (levels 1
// to 3), or null after the warning.
WindowDevice* windowDevice(const char* name) {
  if (jqqlev(1, 3, name) != 0) return nullptr;
  auto* dev = zanglb.ndev < 101 ? dynamic_cast<WindowDevice*>(currentDevice()) : nullptr;
  if (dev == nullptr) qqerror(40, std::string(name) + " needs a window device");
  else sendBuffer();  // what was drawn goes to the window it was drawn for
  return dev;
}

// A window number 1..8, else the warning.
bool windowNumber(int32_t n) {
  if (n >= 1 && n <= kMaxWindows) return true;
  warni1(2, n);
  return false;
}

void report(const std::string& error) {
  if (!error.empty()) qqerror(2, error);
}

}  // namespace

ZANTOR_API void opnwin_(const int32_t* n) try {
  WindowDevice* dev = windowDevice("OPNWIN");
  if (dev != nullptr && windowNumber(*n)) report(dev->openWindow(*n));
} ZANTOR_CATCH

ZANTOR_API void selwin_(const int32_t* n) try {
  WindowDevice* dev = windowDevice("SELWIN");
  if (dev != nullptr && windowNumber(*n)) report(dev->selectWindow(*n));
} ZANTOR_CATCH

ZANTOR_API void clswin_(const int32_t* n) try {
  WindowDevice* dev = windowDevice("CLSWIN");
  if (dev != nullptr && windowNumber(*n)) report(dev->closeWindow(*n));
} ZANTOR_CATCH

ZANTOR_API void hidwin_(const int32_t* n, const char* copt, size_t copt_len) try {
  WindowDevice* dev = windowDevice("HIDWIN");
  if (dev == nullptr || !windowNumber(*n)) return;
  const int i = jqqind("YES +NO  ", 2, arg(copt, copt_len));
  if (i != 0) report(dev->hideWindow(*n, i == 1));
} ZANTOR_CATCH

// The X identifier of the current window; 0 without a window device.
ZANTOR_API void winid_(int32_t* id) try {
  *id = 0;
  if (WindowDevice* dev = windowDevice("WINID"))
    *id = static_cast<int32_t>(xWindowId(dev->window()));
} ZANTOR_CATCH
