// Opening and finishing a dialog and creating its widgets.
#include <algorithm>
#include <cmath>

#include "core/api.h"
#include "core/args.h"
#include "widgets/motif_pictures.h"
#include "widgets/motif_toolkit.h"
#include "widgets/widget_appearance.h"
#include "widgets/widget_layer.h"

using namespace zantor;
using namespace zantor::widgets;

namespace {

// The common steps of every creation routine: the parent checks, the new
// record filled by `fill`, then its toolkit widget made by `make`.  The new
// id, or -1.
template <class Fill>
int32_t createWidget(int32_t ip, uint8_t type, const char* routine, Fill fill,
                     bool (*make)(int32_t) = createChildWidget) {
  if (checkParent(ip, routine) == nullptr) return -1;
  const int32_t id = appendRecord(ip, type);
  WidgetRecord& r = layer().records[std::size_t(id) - 1];
  if (!fill(r) || !make(id)) {
    dropLastRecord();
    return -1;
  }
  applyAppearance(id);
  return id;
}

// Layout keyword of a parent, 0 after the error.
int layoutOf(const char* copt, size_t len, const char* routine) {
  return keywordIndex("VERT+HORI+FORM", trimmedArg(copt, len), routine);
}

bool noFill(WidgetRecord&) { return true; }

}  // namespace

ZANTOR_API void wgini_(const char* copt, int32_t* id, size_t copt_len) try {
  *id = -1;
  const int layout = layoutOf(copt, copt_len, "wgini");
  if (layout == 0) return;
  Layer& l = layer();
  const bool nested = l.opened && !l.closed && l.level >= 1;
  if (nested && l.level >= kMaxLevels) {
    widgetError("Too many nested widgets", "WGINI");
    return;
  }
  if (!openToolkit()) {
    widgetError("Can't open X Window display", "WGINI");
    return;
  }
  if (!nested) {  // a new dialog: the widgets of the last one go
    destroyAllShells();
    l.records.clear();
    l.handles.clear();
    l.level = 0;
  }
  l.opened = true;
  l.closed = false;
  ++l.level;
  l.start[l.level] = l.records.size();
  l.finished[l.level] = false;
  const int32_t main = appendRecord(0, kMain);
  l.records.back().layout = uint8_t(layout - 1);
  if (!createMainWidget(main)) {
    dropLastRecord();
    if (--l.level == 0) l.closed = true;
    return;
  }
  l.top[l.level] = main;
  applyAppearance(main);
  *id = main;
} ZANTOR_CATCH

ZANTOR_API void wgfin_() try {
  Layer& l = layer();
  if (!l.opened) {
    widgetError("No call to wgini before", "WGFIN");
    return;
  }
  if (l.closed || l.level == 0) {
    widgetError("No call between wgini and wgfin", "WGFIN");
    return;
  }
  runLevel();
  if (--l.level <= 0) {
    l.level = 0;
    l.closed = true;
  }
} ZANTOR_CATCH

ZANTOR_API void wgbas_(const int32_t* ip, const char* copt, int32_t* id, size_t copt_len) try {
  *id = -1;
  const int layout = layoutOf(copt, copt_len, "wgbas");
  if (layout == 0) return;
  *id = createWidget(*ip, kBase, "WGBAS", [&](WidgetRecord& r) {
    r.layout = uint8_t(layout - 1);
    return true;
  });
} ZANTOR_CATCH

namespace {

// A widget whose one string is its text: labels, buttons, text fields.
int32_t textWidget(int32_t ip, const char* s, size_t len, uint8_t type, const char* lower,
                   const char* upper, int32_t ival = 0) {
  std::string text;
  if (!copyArg(s, len, text, lower)) return -1;
  return createWidget(ip, type, upper, [&](WidgetRecord& r) {
    r.text = toUnicode(text, kTextChars);
    r.ival = ival != 0 ? 1 : 0;
    return true;
  });
}

}  // namespace

ZANTOR_API void wglab_(const int32_t* ip, const char* cstr, int32_t* id, size_t cstr_len) try {
  *id = textWidget(*ip, cstr, cstr_len, kLabel, "wglab", "WGLAB");
} ZANTOR_CATCH

ZANTOR_API void wgbut_(const int32_t* ip, const char* cstr, const int32_t* ival, int32_t* id,
                       size_t cstr_len) try {
  *id = textWidget(*ip, cstr, cstr_len, kToggle, "wgbut", "WGBUT", *ival);
} ZANTOR_CATCH

ZANTOR_API void wgpbut_(const int32_t* ip, const char* cstr, int32_t* id, size_t cstr_len) try {
  *id = textWidget(*ip, cstr, cstr_len, kPush, "wgpbut", "WGPBUT");
} ZANTOR_CATCH

ZANTOR_API void wgtxt_(const int32_t* ip, const char* cstr, int32_t* id, size_t cstr_len) try {
  *id = textWidget(*ip, cstr, cstr_len, kText, "wgtxt", "WGTXT");
} ZANTOR_CATCH

ZANTOR_API void wgpop_(const int32_t* ip, const char* clab, int32_t* id, size_t clab_len) try {
  *id = textWidget(*ip, clab, clab_len, kPopup, "wgpop", "WGPOP");
} ZANTOR_CATCH

ZANTOR_API void wgltxt_(const int32_t* ip, const char* clab, const char* cstr,
                        const int32_t* nwth, int32_t* id, size_t clab_len, size_t cstr_len) try {
  *id = -1;
  std::string label, text;
  if (!copyArg(clab, clab_len, label, "wgltxt") || !copyArg(cstr, cstr_len, text, "wgltxt")) return;
  if (*nwth < 1 || *nwth > 99) {
    widgetError("Parameter is out of range", "WGLTXT");
    return;
  }
  *id = createWidget(*ip, kLabelText, "WGLTXT", [&](WidgetRecord& r) {
    r.label = label;
    r.text = toUnicode(text, kTextChars);
    r.fieldPercent = *nwth;
    return true;
  });
} ZANTOR_CATCH

ZANTOR_API void wgfil_(const int32_t* ip, const char* clab, const char* cfil, const char* cmask,
                       int32_t* id, size_t clab_len, size_t cfil_len, size_t cmask_len) try {
  *id = -1;
  std::string label, file, mask;
  if (!copyArg(clab, clab_len, label, "wgfil") || !copyArg(cfil, cfil_len, file, "wgfil") ||
      !copyArg(cmask, cmask_len, mask, "wgfil"))
    return;
  *id = createWidget(*ip, kFile, "WGFIL", [&](WidgetRecord& r) {
    r.label = label;
    r.text = toUnicode(file, kFileChars);
    r.mask = mask;
    return true;
  });
} ZANTOR_CATCH

namespace {

// Lists, dropping lists and radio boxes: entries separated by '|' and the
// selected one (1-based; 0 selects none in a list).
int32_t listWidget(int32_t ip, const char* clis, size_t len, int32_t isel, uint8_t type,
                   const char* lower, const char* upper) {
  std::string list;
  if (!copyArg(clis, len, list, lower)) return -1;
  return createWidget(ip, type, upper, [&](WidgetRecord& r) {
    r.entries = splitEntries(list);
    const int32_t lowest = type == kList ? 0 : 1;
    if (isel < lowest || isel > int32_t(r.entries.size())) {
      widgetError(type == kRadioBox ? "Selected element out of range"
                                    : "Selected list element out of range",
                  upper);
      return false;
    }
    r.ival = isel;
    return true;
  });
}

}  // namespace

ZANTOR_API void wglis_(const int32_t* ip, const char* clis, const int32_t* isel, int32_t* id,
                       size_t clis_len) try {
  *id = listWidget(*ip, clis, clis_len, *isel, kList, "wglis", "WGLIS");
} ZANTOR_CATCH

ZANTOR_API void wgdlis_(const int32_t* ip, const char* clis, const int32_t* isel, int32_t* id,
                        size_t clis_len) try {
  *id = listWidget(*ip, clis, clis_len, *isel, kDropList, "wgdlis", "WGDLIS");
} ZANTOR_CATCH

ZANTOR_API void wgbox_(const int32_t* ip, const char* clis, const int32_t* isel, int32_t* id,
                       size_t clis_len) try {
  *id = listWidget(*ip, clis, clis_len, *isel, kRadioBox, "wgbox", "WGBOX");
} ZANTOR_CATCH

ZANTOR_API void wgscl_(const int32_t* ip, const char* cstr, const float* xmin, const float* xmax,
                       const float* xval, const int32_t* ndez, int32_t* id, size_t cstr_len) try {
  *id = -1;
  std::string title;
  if (!copyArg(cstr, cstr_len, title, "wgscl")) return;
  // The scale counts in steps of 10^-ndez with integers.
  if (*ndez < 0 || *ndez > 6) {
    widgetError("Bad number of digits", "WGSCL");
    return;
  }
  const double unit = std::pow(10.0, *ndez);
  if (!(*xmin < *xmax) || std::abs(double(*xmin)) * unit > 2e9 || std::abs(double(*xmax)) * unit > 2e9 ||
      !(*xval >= *xmin && *xval <= *xmax)) {
    widgetError("Value is out of range", "WGSCL");
    return;
  }
  *id = createWidget(*ip, kScale, "WGSCL", [&](WidgetRecord& r) {
    r.label = title;
    r.xmin = *xmin;
    r.xmax = *xmax;
    r.xval = *xval;
    r.ndez = *ndez;
    return true;
  });
} ZANTOR_CATCH

ZANTOR_API void wgcmd_(const int32_t* ip, const char* clab, const char* ccmd, int32_t* id,
                       size_t clab_len, size_t ccmd_len) try {
  *id = -1;
  std::string label, command;
  if (!copyArg(clab, clab_len, label, "wgcmd") || !copyArg(ccmd, ccmd_len, command, "wgcmd")) return;
  *id = createWidget(*ip, kCommand, "WGCMD", [&](WidgetRecord& r) {
    r.text = toUnicode(label, kTextChars);
    r.command = command;
    return true;
  });
} ZANTOR_CATCH

ZANTOR_API void wgok_(const int32_t* ip, int32_t* id) try {
  *id = createWidget(*ip, kOk, "WGOK", noFill);
} ZANTOR_CATCH

ZANTOR_API void wgquit_(const int32_t* ip, int32_t* id) try {
  *id = createWidget(*ip, kQuit, "WGQUIT", noFill);
} ZANTOR_CATCH

ZANTOR_API void wgsep_(const int32_t* ip, int32_t* id) try {
  *id = createWidget(*ip, kSeparator, "WGSEP", noFill);
} ZANTOR_CATCH

ZANTOR_API void wgdraw_(const int32_t* ip, int32_t* id) try {
  *id = createWidget(*ip, kDraw, "WGDRAW", noFill);
} ZANTOR_CATCH

// A popup menu behind a menu button in the work area of parent ip,
// instead of the menu bar; wgapp and wgappb fill it as a wgpop menu.
ZANTOR_API void wgpopb_(const int32_t* ip, const char* clab, int32_t* id, size_t clab_len) try {
  *id = -1;
  std::string label;
  if (!copyArg(clab, clab_len, label, "wgpopb")) return;
  *id = createWidget(*ip, kPopup, "WGPOPB", [&](WidgetRecord& r) {
    r.text = toUnicode(label, kTextChars);
    return true;
  }, createMenuButton);
} ZANTOR_CATCH

namespace {

// A menu entry goes into a popup menu made by wgpop or wgpopb, not into a
// parent; with `toggle` it carries an on/off mark (wgappb).
int32_t menuEntry(int32_t ip, const char* clab, size_t clab_len, bool toggle, const char* lower,
                  const char* upper) {
  std::string label;
  if (!copyArg(clab, clab_len, label, lower)) return -1;
  Layer& l = layer();
  if (!l.opened) {
    widgetError("No call to wgini before", upper);
    return -1;
  }
  if (l.closed || l.level == 0) {
    widgetError("No call between wgini and wgfin", upper);
    return -1;
  }
  if (ip < 1 || std::size_t(ip) > l.records.size() ||
      l.records[std::size_t(ip) - 1].type != kPopup || l.handles[std::size_t(ip) - 1] == nullptr) {
    widgetError("Parent must be a Popup widget", upper);
    return -1;
  }
  const int32_t entry = appendRecord(ip, kPopupEntry);
  l.records.back().text = toUnicode(label, kTextChars);
  l.records.back().toggleEntry = toggle;
  if (!(toggle ? createToggleEntry(entry, label) : createMenuEntry(entry, label))) {
    dropLastRecord();
    return -1;
  }
  return entry;
}

}  // namespace

ZANTOR_API void wgapp_(const int32_t* ip, const char* clab, int32_t* id, size_t clab_len) try {
  *id = menuEntry(*ip, clab, clab_len, false, "wgapp", "WGAPP");
} ZANTOR_CATCH

// An entry with an on/off mark, off at first; gwgbut and swgbut read and
// set it.
ZANTOR_API void wgappb_(const int32_t* ip, const char* clab, int32_t* id, size_t clab_len) try {
  *id = menuEntry(*ip, clab, clab_len, true, "wgappb", "WGAPPB");
} ZANTOR_CATCH

// A scrolled text of nlin visible lines; '|' in the text breaks lines.
ZANTOR_API void wgstxt_(const int32_t* ip, const char* cstr, const int32_t* nlin, int32_t* id,
                        size_t cstr_len) try {
  *id = -1;
  std::string text;
  if (!copyArg(cstr, cstr_len, text, "wgstxt")) return;
  if (*nlin < 1) {
    widgetError("Non positive paramter", "WGSTXT");
    return;
  }
  *id = createWidget(*ip, kScrolledText, "WGSTXT", [&](WidgetRecord& r) {
    r.text = toUnicode(text, kTextChars);
    r.ival = *nlin;
    return true;
  });
} ZANTOR_CATCH

// A progress bar from xmin to xmax that moves in steps of xstp; it starts
// at xmin and follows swgval.
ZANTOR_API void wgpbar_(const int32_t* ip, const float* xmin, const float* xmax, const float* xstp,
                        int32_t* id) try {
  *id = -1;
  const double lo = *xmin, hi = *xmax, step = *xstp;
  if (!(std::isfinite(lo) && std::isfinite(hi) && lo < hi)) {
    widgetError("Bad scaling values", "WGPBAR");
    return;
  }
  // The bar counts in integer steps of 10^-ndez, enough for xstp.
  if (!(step > 0) || !std::isfinite(step) || step < 1e-6 * (hi - lo)) {
    widgetError("Too small step size", "WGPBAR");
    return;
  }
  const int ndez = std::clamp(int(std::ceil(-std::log10(step) - 1e-9)), 0, 6);
  const double unit = std::pow(10.0, ndez);
  if (std::abs(lo) * unit > 2e9 || std::abs(hi) * unit > 2e9) {
    widgetError("Bad scaling values", "WGPBAR");
    return;
  }
  *id = createWidget(*ip, kProgress, "WGPBAR", [&](WidgetRecord& r) {
    r.xmin = *xmin;
    r.xmax = *xmax;
    r.xval = *xmin;
    r.ndez = ndez;
    return true;
  });
} ZANTOR_CATCH
