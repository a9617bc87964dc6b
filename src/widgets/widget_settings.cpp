// Appearance and layout settings of the following widgets, callbacks, and
// running the dialog without wgfin.
#include <cmath>

#include "core/api.h"
#include "core/args.h"
#include "widgets/motif_toolkit.h"
#include "widgets/widget_layer.h"

using namespace zantor;
using namespace zantor::widgets;

ZANTOR_API void swgwth_(const int32_t* nw) try {
  if (*nw < -100 || *nw > 1000) {
    widgetError("Parameter is out of range", "SWGWTH");
    return;
  }
  layer().set.width = *nw;
} ZANTOR_CATCH

ZANTOR_API void swgspc_(const float* xspc, const float* yspc) try {
  if (!(*xspc >= 0 && *xspc <= 100 && *yspc >= 0 && *yspc <= 100)) {
    widgetError("Parameter is out of range", "SWGSPC");
    return;
  }
  layer().set.hspace = *xspc;
  layer().set.vspace = *yspc;
} ZANTOR_CATCH

ZANTOR_API void swgsiz_(const int32_t* nw, const int32_t* nh) try {
  if (*nw < 1 || *nh < 1 || *nw > 32767 || *nh > 32767) {
    widgetError("Non positive paramter", "SWGSIZ");
    return;
  }
  layer().set.sizeW = *nw;
  layer().set.sizeH = *nh;
} ZANTOR_CATCH

ZANTOR_API void swgpos_(const int32_t* nx, const int32_t* ny) try {
  if (*nx < 0 || *ny < 0 || *nx > 32767 || *ny > 32767) {
    widgetError("Parameter is out of range", "SWGPOS");
    return;
  }
  layer().set.posX = *nx;
  layer().set.posY = *ny;
} ZANTOR_CATCH

ZANTOR_API void swgwin_(const int32_t* nx, const int32_t* ny, const int32_t* nw,
                        const int32_t* nh) try {
  if (*nw < 1 || *nh < 1 || *nw > 32767 || *nh > 32767 || std::abs(*nx) > 32767 ||
      std::abs(*ny) > 32767) {
    widgetError("Parameter is out of range", "SWGWIN");
    return;
  }
  Settings& s = layer().set;
  s.winX = *nx;
  s.winY = *ny;
  s.winW = *nw;
  s.winH = *nh;
} ZANTOR_CATCH

ZANTOR_API void swgtit_(const char* ctitle, size_t ctitle_len) try {
  std::string t;
  if (copyArg(ctitle, ctitle_len, t, "swgtit")) layer().set.title = t;
} ZANTOR_CATCH

ZANTOR_API void swghlp_(const char* cstr, size_t cstr_len) try {
  std::string t;
  if (!copyArg(cstr, cstr_len, t, "swghlp")) return;
  for (char& c : t)
    if (c == '|') c = '\n';  // '|' breaks the help text into lines
  layer().set.help = t;
} ZANTOR_CATCH

// The widget that gets the keyboard focus when the dialog is shown.
ZANTOR_API void swgfoc_(const int32_t* id) try {
  if (recordOf(*id, "SWGFOC") != nullptr) layer().set.focus = *id;
} ZANTOR_CATCH

// swgopt("UTF8"|"ANSI", "CODE"): how the strings of the program are
// encoded.
ZANTOR_API void swgopt_(const char* copt, const char* ckey, size_t copt_len, size_t ckey_len) try {
  if (keywordIndex("CODE", trimmedArg(ckey, ckey_len), "swgopt") == 0) return;
  const int i = keywordIndex("ANSI+UTF8", trimmedArg(copt, copt_len), "swgopt");
  if (i != 0) layer().set.utf8 = i == 2;
} ZANTOR_CATCH

namespace {

// The record that may get a callback, else null after the error.
WidgetRecord* callbackTarget(int32_t id, const char* routine) {
  WidgetRecord* r = recordOf(id, routine);
  if (r == nullptr) return nullptr;
  if (r->type == kMain || r->type == kBase || r->type == kPopup) {
    widgetError("Callbacks cannot be defined for Parent widgets", routine);
    return nullptr;
  }
  // Icons and images are labels that show a picture; their push buttons
  // take callbacks.
  if (r->type == kLabel || r->type == kIcon || r->type == kImage) {
    widgetError("Callbacks cannot be defined for Label widgets", routine);
    return nullptr;
  }
  return r;
}

// The callback of widget id and the kind of arguments it gets.
void setCallback(int32_t id, void (*routine)(), uint8_t kind, const int32_t* iray,
                 const char* name) {
  if (WidgetRecord* r = callbackTarget(id, name)) {
    r->callback = routine;
    r->callbackKind = kind;
    r->userArray = iray;
  }
}

}  // namespace

ZANTOR_API void swgcbk_(const int32_t* id, void (*routine)()) try {
  setCallback(*id, routine, 1, nullptr, "SWGCBK");
} ZANTOR_CATCH

ZANTOR_API void swgcb_(const int32_t* id, void (*routine)(), const int32_t* iray) try {
  setCallback(*id, routine, 0, iray, "SWGCB");
} ZANTOR_CATCH

// routine(id, xval): xval is the widget's value as a real number (see
// runCallback).
ZANTOR_API void swgcb2_(const int32_t* id, void (*routine)()) try {
  setCallback(*id, routine, 2, nullptr, "SWGCB2");
} ZANTOR_CATCH

// routine(id, i1, i2): the column and row clicked in a picture, a table's
// cell, or the selected entry of a list or radio box and 1.
ZANTOR_API void swgcb3_(const int32_t* id, void (*routine)()) try {
  setCallback(*id, routine, 3, nullptr, "SWGCB3");
} ZANTOR_CATCH

namespace {

bool dialogRunning(const char* routine) {
  const Layer& l = layer();
  if (!l.opened) {
    widgetError("No call to wgini before", routine);
    return false;
  }
  if (l.closed || l.level == 0) {
    widgetError("No call between wgini and wgfin", routine);
    return false;
  }
  return true;
}

}  // namespace

ZANTOR_API void reawgt_() try {
  if (dialogRunning("REAWGT")) realizeLevel();
} ZANTOR_CATCH

ZANTOR_API void doevnt_() try {
  if (dialogRunning("DOEVNT")) processPendingEvents();
} ZANTOR_CATCH

ZANTOR_API void sendok_() try {
  if (dialogRunning("SENDOK")) finishLevelsFrom(layer().level);
} ZANTOR_CATCH

// sendmb(id, nb): a press and release of mouse button nb over widget id.
ZANTOR_API void sendmb_(const int32_t* id, const int32_t* nb) try {
  if (!dialogRunning("SENDMB") || recordOf(*id, "SENDMB") == nullptr) return;
  if (*nb < 1 || *nb > 5) {
    widgetError("Parameter is out of range", "SENDMB");
    return;
  }
  if (!sendButton(*id, *nb)) widgetError("Widget is not realized", "SENDMB");
} ZANTOR_CATCH
