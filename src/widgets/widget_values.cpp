// Reading and setting the values of widgets: after wgfin from the records,
// while the dialog runs (in callbacks) from the widgets themselves.
#include <charconv>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>

#include "core/api.h"
#include "core/args.h"
#include "widgets/motif_toolkit.h"
#include "widgets/widget_layer.h"

using namespace zantor;
using namespace zantor::widgets;

namespace {

// The record of id when its type is one of `types`, else null after the
// error.
WidgetRecord* typed(int32_t id, std::initializer_list<uint8_t> types, const char* routine) {
  WidgetRecord* r = recordOf(id, routine);
  if (r == nullptr) return nullptr;
  for (uint8_t t : types)
    if (r->type == t) return r;
  widgetError("Not allowed widget type", routine);
  return nullptr;
}

constexpr std::initializer_list<uint8_t> kTextTypes = {kText, kLabelText, kFile, kScrolledText};

// The current text of a text widget: a running dialog's widget is read.
std::string currentText(int32_t id) {
  readText(id);
  return fromUnicode(layer().records[std::size_t(id) - 1].text);
}

// A toggle button, or a menu entry with an on/off mark (wgappb).
WidgetRecord* toggleRecord(int32_t id, const char* routine) {
  WidgetRecord* r = typed(id, {kToggle, kPopupEntry}, routine);
  if (r != nullptr && r->type == kPopupEntry && !r->toggleEntry) {
    widgetError("Not allowed widget type", routine);
    return nullptr;
  }
  return r;
}

}  // namespace

ZANTOR_API void gwgbut_(const int32_t* id, int32_t* ival) try {
  if (const WidgetRecord* r = toggleRecord(*id, "GWGBUT")) *ival = r->ival;
} ZANTOR_CATCH

ZANTOR_API void gwglis_(const int32_t* id, int32_t* isel) try {
  if (const WidgetRecord* r = typed(*id, {kList, kDropList}, "GWGLIS")) *isel = r->ival;
} ZANTOR_CATCH

ZANTOR_API void gwgbox_(const int32_t* id, int32_t* isel) try {
  if (const WidgetRecord* r = typed(*id, {kRadioBox}, "GWGBOX")) *isel = r->ival;
} ZANTOR_CATCH

ZANTOR_API void gwgscl_(const int32_t* id, float* xval) try {
  if (const WidgetRecord* r = typed(*id, {kScale, kProgress}, "GWGSCL")) *xval = r->xval;
} ZANTOR_CATCH

ZANTOR_API void gwgtxt_(const int32_t* id, char* cstr, size_t cstr_len) try {
  if (typed(*id, kTextTypes, "GWGTXT") != nullptr) putArg(cstr, cstr_len, currentText(*id));
} ZANTOR_CATCH

ZANTOR_API void gwgfil_(const int32_t* id, char* cfil, size_t cfil_len) try {
  if (typed(*id, {kFile}, "GWGFIL") != nullptr) putArg(cfil, cfil_len, currentText(*id));
} ZANTOR_CATCH

// The number in a text field; the value is left alone when the text is not
// a number.
ZANTOR_API void gwgint_(const int32_t* id, int32_t* ival) try {
  if (typed(*id, kTextTypes, "GWGINT") == nullptr) return;
  const std::string s = currentText(*id);
  char* end = nullptr;
  errno = 0;
  const long v = std::strtol(s.c_str(), &end, 10);
  while (end != nullptr && *end == ' ') ++end;
  if (end == s.c_str() || *end != '\0' || errno != 0 || v < INT32_MIN || v > INT32_MAX) {
    widgetError("Value does not match verify mask", "GWGINT");
    return;
  }
  *ival = int32_t(v);
} ZANTOR_CATCH

ZANTOR_API void gwgflt_(const int32_t* id, float* xval) try {
  if (typed(*id, kTextTypes, "GWGFLT") == nullptr) return;
  const std::string s = currentText(*id);
  // Read without the C library's locale: the point is always '.'.
  const std::size_t first = s.find_first_not_of(" +");
  const std::size_t last = s.find_last_not_of(' ');
  float v = 0;
  const char* b = first == std::string::npos ? s.data() + s.size() : s.data() + first;
  const char* e = last == std::string::npos ? b : s.data() + last + 1;
  const auto [end, ec] = std::from_chars(b, e, v);
  if (b == e || ec != std::errc() || end != e || !std::isfinite(v)) {
    widgetError("Value does not match verify mask", "GWGFLT");
    return;
  }
  *xval = v;
} ZANTOR_CATCH

ZANTOR_API int32_t gwgxid_(const int32_t* id) try {
  if (recordOf(*id, "GWGXID") == nullptr) return -1;
  const unsigned long w = widgetWindow(*id);
  if (w == 0) {
    widgetError("Widget is not realized", "GWGXID");
    return -1;
  }
  return int32_t(w);
} ZANTOR_CATCH_RETURN(-1)

ZANTOR_API void gwgsiz_(const int32_t* id, int32_t* nw, int32_t* nh) try {
  if (recordOf(*id, "GWGSIZ") == nullptr) return;
  if (!widgetSize(*id, *nw, *nh)) widgetError("Widget is not realized", "GWGSIZ");
} ZANTOR_CATCH

// ---- setters: the record, then the widget when it is shown.

ZANTOR_API void swgbut_(const int32_t* id, const int32_t* ival) try {
  if (WidgetRecord* r = toggleRecord(*id, "SWGBUT")) {
    r->ival = *ival != 0 ? 1 : 0;
    showValue(*id);
  }
} ZANTOR_CATCH

namespace {

void setSelection(int32_t id, int32_t isel, std::initializer_list<uint8_t> types,
                  const char* routine, const char* message) {
  WidgetRecord* r = typed(id, types, routine);
  if (r == nullptr) return;
  if (isel < 1 || isel > int32_t(r->entries.size())) {
    widgetError(message, routine);
    return;
  }
  r->ival = isel;
  showValue(id);
}

}  // namespace

ZANTOR_API void swglis_(const int32_t* id, const int32_t* isel) try {
  setSelection(*id, *isel, {kList, kDropList}, "SWGLIS", "Selected list element out of range");
} ZANTOR_CATCH

ZANTOR_API void swgbox_(const int32_t* id, const int32_t* isel) try {
  setSelection(*id, *isel, {kRadioBox}, "SWGBOX", "Selected element out of range");
} ZANTOR_CATCH

ZANTOR_API void swgscl_(const int32_t* id, const float* xval) try {
  WidgetRecord* r = typed(*id, {kScale}, "SWGSCL");
  if (r == nullptr) return;
  if (!(*xval >= r->xmin && *xval <= r->xmax)) {
    widgetError("Value is out of range", "SWGSCL");
    return;
  }
  r->xval = *xval;
  showValue(*id);
} ZANTOR_CATCH

// The value of a scale or a progress bar, inside its range.
ZANTOR_API void swgval_(const int32_t* id, const float* xval) try {
  WidgetRecord* r = typed(*id, {kScale, kProgress}, "SWGVAL");
  if (r == nullptr) return;
  if (!(*xval >= r->xmin && *xval <= r->xmax)) {
    widgetError("Value is out of range", "SWGVAL");
    return;
  }
  r->xval = *xval;
  showValue(*id);
} ZANTOR_CATCH

namespace {

void setText(int32_t id, const std::string& s, std::initializer_list<uint8_t> types,
             const char* routine) {
  WidgetRecord* r = typed(id, types, routine);
  if (r == nullptr) return;
  r->text = toUnicode(s, r->type == kFile ? kFileChars : kTextChars);
  showValue(id);
}

}  // namespace

ZANTOR_API void swgtxt_(const int32_t* id, const char* cstr, size_t cstr_len) try {
  std::string s;
  if (copyArg(cstr, cstr_len, s, "swgtxt")) setText(*id, s, kTextTypes, "SWGTXT");
} ZANTOR_CATCH

ZANTOR_API void swgfil_(const int32_t* id, const char* cfil, size_t cfil_len) try {
  std::string s;
  if (copyArg(cfil, cfil_len, s, "swgfil")) setText(*id, s, {kFile}, "SWGFIL");
} ZANTOR_CATCH

ZANTOR_API void swgint_(const int32_t* id, const int32_t* ival) try {
  setText(*id, std::to_string(*ival), kTextTypes, "SWGINT");
} ZANTOR_CATCH

// The number with ndig digits after the point.
ZANTOR_API void swgflt_(const int32_t* id, const float* xval, const int32_t* ndig) try {
  if (*ndig < 0 || *ndig > 20) {
    widgetError("Bad number of digits", "SWGFLT");
    return;
  }
  if (!std::isfinite(*xval)) {
    widgetError("Not allowed value", "SWGFLT");
    return;
  }
  char buf[80];
  const auto res = std::to_chars(buf, buf + sizeof buf, double(*xval), std::chars_format::fixed, *ndig);
  setText(*id, std::string(buf, res.ptr), kTextTypes, "SWGFLT");
} ZANTOR_CATCH
