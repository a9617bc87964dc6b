// The public appearance routines of the dialogs: settings for the widgets
// that follow, colours and attributes of existing widgets, and what the
// dialog layer is.  Keywords count by their first four characters.
#include <cctype>
#include <cmath>

#include "core/api.h"
#include "core/args.h"
#include "widgets/widget_appearance.h"
#include "widgets/widget_layer.h"

using namespace zantor;
using namespace zantor::widgets;

namespace {

bool inRange(int32_t v, int32_t lo, int32_t hi, const char* routine) {
  if (v >= lo && v <= hi) return true;
  widgetError("Parameter is out of range", routine);
  return false;
}

// A colour of components between 0 and 1, else the error.
bool colourOf(float r, float g, float b, Colour& c, const char* routine) {
  for (float v : {r, g, b})
    if (!(v >= 0 && v <= 1)) {
      widgetError("Parameter is out of range", routine);
      return false;
    }
  c = {true, r, g, b};
  return true;
}

// The record of an existing widget (not one of a finished dialog).
WidgetRecord* liveRecord(int32_t id, const char* routine) {
  WidgetRecord* r = recordOf(id, routine);
  if (r != nullptr && layer().handles[std::size_t(id) - 1] == nullptr) {
    widgetError("Not allowed widget ID", routine);
    return nullptr;
  }
  return r;
}

}  // namespace

// swgoff(nx, ny): the following dialog windows are placed with their upper
// left corner nx, ny pixels from the screen's; before the position of
// swgwin, keeping the size.
ZANTOR_API void swgoff_(const int32_t* nx, const int32_t* ny) try {
  if (!inRange(*nx, 0, 32767, "SWGOFF") || !inRange(*ny, 0, 32767, "SWGOFF")) return;
  appearance().offsetX = *nx;
  appearance().offsetY = *ny;
} ZANTOR_CATCH

// swgfnt(cfnt, npts): font of the following widgets: a family ("helvetica",
// "courier", "times") at npts points, a full X font name starting with '-',
// or "DEFAULT" for the toolkit's own font again.
ZANTOR_API void swgfnt_(const char* cfnt, const int32_t* npts, size_t cfnt_len) try {
  std::string name;
  if (!copyArg(cfnt, cfnt_len, name, "swgfnt")) return;
  if (name.empty()) {
    widgetError("Not allowed parameter", "swgfnt");
    return;
  }
  if (!inRange(*npts, 1, 500, "SWGFNT")) return;
  Appearance& a = appearance();
  std::string upper;
  for (char c : name) upper.push_back(char(std::toupper(static_cast<unsigned char>(c))));
  const bool standard = upper == "DEFAULT";
  a.font = standard ? std::string() : name;
  a.fontPoints = *npts;
  loadChosenFont("SWGFNT");
} ZANTOR_CATCH

// swgclr(xr, xg, xb, copt): colour (components 0 to 1) of the following
// widgets: "BACK" background, "FORE" text and lines, "SCROLL" the trough
// of scroll bars and scales, "SELECT" the mark of toggles and radio boxes.
ZANTOR_API void swgclr_(const float* xr, const float* xg, const float* xb, const char* copt,
                        size_t copt_len) try {
  const int k = keywordIndex("BACK+FORE+SCRO+SELE", trimmedArg(copt, copt_len), "swgclr");
  Colour c;
  if (k == 0 || !colourOf(*xr, *xg, *xb, c, "SWGCLR")) return;
  Appearance& a = appearance();
  (k == 1 ? a.back : k == 2 ? a.fore : k == 3 ? a.trough : a.select) = c;
} ZANTOR_CATCH

ZANTOR_API void swgbgd_(const int32_t* id, const float* xr, const float* xg, const float* xb) try {
  Colour c;
  if (liveRecord(*id, "SWGBGD") != nullptr && colourOf(*xr, *xg, *xb, c, "SWGBGD"))
    paintWidget(*id, c, true);
} ZANTOR_CATCH

ZANTOR_API void swgfgd_(const int32_t* id, const float* xr, const float* xg, const float* xb) try {
  Colour c;
  if (liveRecord(*id, "SWGFGD") != nullptr && colourOf(*xr, *xg, *xb, c, "SWGFGD"))
    paintWidget(*id, c, false);
} ZANTOR_CATCH

// swgtyp(ctyp, copt) for the following widgets:
//   "LIST"   lists and scrolled texts: "AUTO" scroll bars when needed,
//            "SCROLL" both always, "VSCROLL" only the vertical one always,
//            "NOSCROLL" none (a list shows all its entries);
//   "SCALE"  scales and progress bars: "HORI" or "VERT";
//   "BOX"    radio boxes: entries in a column "VERT", a row "HORI", or
//            "GRID" (swgiop(n, "BOX") columns);
//   "WINDOW" dialog windows the user may resize ("RESIZE") or not ("NORESIZE").
ZANTOR_API void swgtyp_(const char* ctyp, const char* copt, size_t ctyp_len, size_t copt_len) try {
  const int key = keywordIndex("LIST+SCAL+BOX+WIND", trimmedArg(copt, copt_len), "swgtyp");
  if (key == 0) return;
  static const char* const kValues[4] = {"AUTO+SCRO+NOSC+VSCR", "HORI+VERT", "VERT+HORI+GRID",
                                         "RESI+NORE"};
  const int v = keywordIndex(kValues[key - 1], trimmedArg(ctyp, ctyp_len), "swgtyp");
  if (v == 0) return;
  Appearance& a = appearance();
  if (key == 1) a.scroll = uint8_t(v - 1);
  else if (key == 2) a.scaleVertical = v == 2;
  else if (key == 3) a.box = uint8_t(v - 1);
  else a.resizable = v == 1;
} ZANTOR_CATCH

// swgjus(cjus, copt): "LEFT", "CENTER" or "RIGHT" alignment of the text of
// the following "LABEL"s, "BUTTON"s (toggles and push buttons) or "ALL".
ZANTOR_API void swgjus_(const char* cjus, const char* copt, size_t cjus_len, size_t copt_len) try {
  const int key = keywordIndex("LABE+BUTT+ALL", trimmedArg(copt, copt_len), "swgjus");
  if (key == 0) return;
  const int v = keywordIndex("LEFT+CENT+RIGH", trimmedArg(cjus, cjus_len), "swgjus");
  if (v == 0) return;
  Appearance& a = appearance();
  if (key != 2) a.justLabel = int8_t(v - 1);
  if (key != 1) a.justButton = int8_t(v - 1);
} ZANTOR_CATCH

// swgiop(ival, copt): "LIST" visible entries of lists (1 to 100), "TEXT"
// most characters of text fields (0 any, up to 256), "BOX" columns of grid
// radio boxes (1 to 50).
ZANTOR_API void swgiop_(const int32_t* ival, const char* copt, size_t copt_len) try {
  const int key = keywordIndex("LIST+TEXT+BOX", trimmedArg(copt, copt_len), "swgiop");
  Appearance& a = appearance();
  if (key == 1 && inRange(*ival, 1, 100, "SWGIOP")) a.listLines = *ival;
  if (key == 2 && inRange(*ival, 0, int32_t(kTextChars), "SWGIOP")) a.textLength = *ival;
  if (key == 3 && inRange(*ival, 1, 50, "SWGIOP")) a.boxColumns = *ival;
} ZANTOR_CATCH

// swgmix(cstr, "LIST"): the character that separates the entries of list
// strings (one printable character; '|' at first).
ZANTOR_API void swgmix_(const char* cstr, const char* copt, size_t cstr_len, size_t copt_len) try {
  if (keywordIndex("LIST", trimmedArg(copt, copt_len), "swgmix") == 0) return;
  const std::string_view s = trimmedArg(cstr, cstr_len);
  if (s.size() != 1 || static_cast<unsigned char>(s[0]) <= ' ' || s[0] == 127) {
    widgetError("Not allowed value", "SWGMIX");
    return;
  }
  appearance().listSeparator = s[0];
} ZANTOR_CATCH

// swgmrg(ival, copt): margin in pixels (0 to 1000) on the "LEFT", "RIGHT",
// "TOP" or "BOTTOM" side of the text of the following labels and buttons.
ZANTOR_API void swgmrg_(const int32_t* ival, const char* copt, size_t copt_len) try {
  const int key = keywordIndex("LEFT+RIGH+TOP+BOTT", trimmedArg(copt, copt_len), "swgmrg");
  if (key != 0 && inRange(*ival, 0, 1000, "SWGMRG")) appearance().margins[key - 1] = *ival;
} ZANTOR_CATCH

// swgpop(copt): the menus of the menu bar of the following dialogs: "OK"
// (ends the dialog as the OK button), "QUIT" (ends the program), "HELP"
// (with a help text); "NOOK", "NOQUIT", "NOHELP" leave them out.
ZANTOR_API void swgpop_(const char* copt, size_t copt_len) try {
  const int k = keywordIndex("NOOK+OK+NOQU+QUIT+NOHE+HELP", trimmedArg(copt, copt_len), "swgpop");
  if (k == 0) return;
  Appearance& a = appearance();
  bool& flag = k <= 2 ? a.menuOk : k <= 4 ? a.menuQuit : a.menuHelp;
  flag = k % 2 == 0;
} ZANTOR_CATCH

// swgdrw(xf): the following drawing areas are xf times as high as wide
// (0 < xf <= 100).
ZANTOR_API void swgdrw_(const float* xf) try {
  if (!(*xf > 0 && *xf <= 100)) {
    widgetError("Parameter is out of range", "SWGDRW");
    return;
  }
  appearance().drawRatio = *xf;
} ZANTOR_CATCH

// swgstp(xstp): the step of the following scales (keys and clicks beside
// the slider move by it), at least one unit of their last digit.
ZANTOR_API void swgstp_(const float* xstp) try {
  if (!(*xstp > 0) || !std::isfinite(*xstp)) {
    widgetError("Too small step size", "SWGSTP");
    return;
  }
  appearance().step = *xstp;
} ZANTOR_CATCH

// swgatt(id, cval, copt): "STATUS" "ACTIVE"/"ON" or "INACTIVE"/"OFF" (the
// widget takes input or is greyed), "VISIBLE" "ON"/"OFF" (shown or taken
// out of the layout), "LIST" new entries of a list or dropping list.
ZANTOR_API void swgatt_(const int32_t* id, const char* cval, const char* copt, size_t cval_len,
                        size_t copt_len) try {
  const int key = keywordIndex("STAT+VISI+LIST", trimmedArg(copt, copt_len), "swgatt");
  if (key == 0) return;
  std::string value;
  if (!copyArg(cval, cval_len, value, "swgatt")) return;
  WidgetRecord* r = liveRecord(*id, "SWGATT");
  if (r == nullptr) return;
  if (key == 1) {
    const int v = keywordIndex("ACTI+INAC+ON+OFF", value, "swgatt");
    if (v == 0) return;
    r->active = v == 1 || v == 3;
    setWidgetActive(*id, r->active);
  } else if (key == 2) {
    if (r->type == kMain || r->type == kPopup || r->type == kPopupEntry) {
      widgetError("Not allowed widget type", "SWGATT");
      return;
    }
    const int v = keywordIndex("ON+OFF", value, "swgatt");
    if (v == 0) return;
    r->visible = v == 1;
    setWidgetVisible(*id, r->visible);
  } else {
    if (r->type != kList && r->type != kDropList) {
      widgetError("Not allowed widget type", "SWGATT");
      return;
    }
    std::vector<std::string> entries = splitEntries(value);
    if (r->type == kDropList && entries.empty()) {
      widgetError("Bad value", "SWGATT");
      return;
    }
    r->entries = std::move(entries);
    if (r->ival > int32_t(r->entries.size())) r->ival = r->type == kList ? 0 : 1;
    showEntries(*id);
  }
} ZANTOR_CATCH

// gwgatt(id, copt): "STATUS" 1 active, 0 inactive; "VISIBLE" 1 shown,
// 0 hidden; "LIST" the number of entries of a list, dropping list or radio
// box.  -1 after an error.
ZANTOR_API int32_t gwgatt_(const int32_t* id, const char* copt, size_t copt_len) try {
  const int key = keywordIndex("STAT+VISI+LIST", trimmedArg(copt, copt_len), "gwgatt");
  if (key == 0) return -1;
  const WidgetRecord* r = recordOf(*id, "GWGATT");
  if (r == nullptr) return -1;
  if (key == 1) return r->active ? 1 : 0;
  if (key == 2) return r->visible ? 1 : 0;
  if (r->type != kList && r->type != kDropList && r->type != kRadioBox) {
    widgetError("Not allowed widget type", "GWGATT");
    return -1;
  }
  return int32_t(r->entries.size());
} ZANTOR_CATCH_RETURN(-1)

// gwggui(): the kind of dialog layer: 1 the X Toolkit with Motif and a
// display to show dialogs on, 0 when no display can be reached.
ZANTOR_API int32_t gwggui_() try {
  return dialogDisplayReachable() ? 1 : 0;
} ZANTOR_CATCH_RETURN(0)
