// setxid and the hand-over of program windows to the window device.
#include "devices/window/foreign_window.h"

#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "devices/window/x_windows.h"
#include "widgets/motif_toolkit.h"
#include "widgets/widget_layer.h"

namespace zantor {
namespace {

// The window the following screen plots draw into, 0 for their own. It
// stays chosen for every plot until setxid(..., "NONE") or until its owner
// hands it back.
unsigned long chosenWindow = 0;
unsigned long adoptedWindow = 0;  // of the plot being opened

}  // namespace

unsigned long adoptedForeignWindow() { return adoptedWindow; }

unsigned long adoptForeignWindow() {
  adoptedWindow = 0;
  if (chosenWindow == 0) return 0;
  int w = 0, h = 0;
  if (!foreignWindowSize(chosenWindow, w, h)) {
    qqerror(2, "The window of SETXID does not exist any more");
    chosenWindow = 0;
    return 0;
  }
  zanglb.nxwind = zanglb.nywind = 0;
  zanglb.nwwind = w;
  zanglb.nhwind = h;
  adoptedWindow = chosenWindow;
  return chosenWindow;
}

void releaseForeignWindow(unsigned long id) {
  if (id == 0) return;
  if (chosenWindow == id) chosenWindow = 0;
  if (adoptedWindow == id) adoptedWindow = 0;
  forgetForeignWindow(id);
}

}  // namespace zantor

using namespace zantor;

// setxid(iwin, copt): the next screen plots draw into an existing window:
// "WIDGET" a realized drawing area of a dialog (iwin its widget id),
// "WINDOW" an X window id, "NONE" their own windows again.  Allowed at
// every level; a plot already open keeps its window.
ZANTOR_API void setxid_(const int32_t* iwin, const char* copt, size_t copt_len) try {
  if (jqqlev(0, 3, "SETXID") != 0) return;
  const int i = jqqind("WIDG+WIND+NONE", 3, arg(copt, copt_len));
  if (i == 0) return;
  if (i == 3) {
    chosenWindow = 0;
    return;
  }
  if (i == 2) {
    if (*iwin <= 0) {
      warni1(2, *iwin);
      return;
    }
    chosenWindow = static_cast<uint32_t>(*iwin);
    return;
  }
  const widgets::WidgetRecord* r = widgets::recordOf(*iwin, "SETXID");
  if (r == nullptr) return;
  if (r->type != widgets::kDraw) {
    widgets::widgetError("Not allowed widget type", "SETXID");
    return;
  }
  const unsigned long w = widgets::widgetWindow(*iwin);
  if (w == 0) {
    widgets::widgetError("Widget is not realized", "SETXID");
    return;
  }
  chosenWindow = w;
} ZANTOR_CATCH
