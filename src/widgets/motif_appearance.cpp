// The toolkit side of the appearance settings: fonts, colours, scroll
// bars, alignment, margins, directions and sizes of new widgets, and the
// attributes of existing ones.
#include <Xm/ComboBox.h>
#include <Xm/List.h>
#include <Xm/MwmUtil.h>
#include <Xm/RowColumn.h>
#include <Xm/Scale.h>
#include <Xm/ScrolledW.h>
#include <Xm/Text.h>
#include <Xm/TextF.h>
#include <X11/Shell.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <vector>

#include "widgets/motif_internal.h"
#include "widgets/motif_toolkit.h"
#include "widgets/widget_appearance.h"

namespace zantor::widgets {
namespace {

constexpr std::size_t kMaxFonts = 16;  // distinct fonts a program may load

struct LoadedFont {
  std::string name;
  int32_t points;
  XmFontList list;
};
std::vector<LoadedFont>& fonts() {
  static auto* f = new std::vector<LoadedFont>();  // kept with the connection
  return *f;
}
XmFontList currentFont = nullptr;  // null: the toolkit's default
bool fontResolved = true;          // swgfnt's request has been loaded (or refused)

// The X font names tried for a family at a size: a full name as it is,
// else the usual weights, else the name as an alias ("fixed").
std::vector<std::string> candidateNames(const std::string& family, int32_t points) {
  if (!family.empty() && family[0] == '-') return {family};
  std::string f;
  for (char c : family) f.push_back(char(std::tolower(static_cast<unsigned char>(c))));
  const std::string size = "-*-" + std::to_string(points * 10) + "-*-*-*-*-iso8859-1";
  return {"-*-" + f + "-medium-r-normal-" + size, "-*-" + f + "-regular-r-normal-" + size,
          "-*-" + f + "-*-r-*-" + size, f};
}

Widget handle(int32_t id) { return layer().handles[std::size_t(id) - 1]; }
WidgetRecord& rec(int32_t id) { return layer().records[std::size_t(id) - 1]; }

// The widget holding all parts of id: the labelled field's form, the file
// field's row, the scrolled window of a list or text, the shell of a main
// widget.
Widget outerOf(int32_t id) {
  Widget w = handle(id);
  if (w == nullptr) return nullptr;
  switch (rec(id).type) {
    case kLabelText:
    case kList:
    case kScrolledText:
      return XtParent(w);
    case kFile:
      return XtParent(XtParent(w));
    case kMain:
      return toolkit().shells[rec(id).level];
    default:
      return w;
  }
}

// Calls f for w and every widget inside it.
template <class F>
void forTree(Widget w, F f) {
  f(w);
  if (!XtIsComposite(w)) return;
  WidgetList children = nullptr;
  Cardinal n = 0;
  XtVaGetValues(w, XmNchildren, &children, XmNnumChildren, &n, nullptr);
  const std::vector<Widget> copy(children, children + n);  // f may change the list
  for (Widget c : copy) forTree(c, f);
}

Pixel pixelOf(const Colour& c) {
  Display* d = toolkit().display;
  XColor x{};
  x.red = static_cast<unsigned short>(std::lround(c.r * 65535.0f));
  x.green = static_cast<unsigned short>(std::lround(c.g * 65535.0f));
  x.blue = static_cast<unsigned short>(std::lround(c.b * 65535.0f));
  x.flags = DoRed | DoGreen | DoBlue;
  if (!XAllocColor(d, DefaultColormap(d, DefaultScreen(d)), &x)) return BlackPixel(d, DefaultScreen(d));
  return x.pixel;
}

unsigned char scrollPolicy(uint8_t scroll) {
  // The toolkit's constants belong to different enumerations.
  const bool always = scroll == kScrollAlways || scroll == kScrollVertical;
  return always ? static_cast<unsigned char>(XmSTATIC) : static_cast<unsigned char>(XmAS_NEEDED);
}

unsigned char alignmentOf(int8_t j) {
  return j == kJustifyLeft ? XmALIGNMENT_BEGINNING : j == kJustifyRight ? XmALIGNMENT_END
                                                                        : XmALIGNMENT_CENTER;
}

void applyColours(Widget outer) {
  const Appearance& a = appearance();
  if (a.back.set) {
    const Pixel p = pixelOf(a.back);
    forTree(outer, [&](Widget w) { XmChangeColor(w, p); });
  }
  if (a.fore.set) {
    const Pixel p = pixelOf(a.fore);
    forTree(outer, [&](Widget w) { XtVaSetValues(w, XmNforeground, p, nullptr); });
  }
  if (a.trough.set) {
    const Pixel p = pixelOf(a.trough);
    forTree(outer, [&](Widget w) { XtVaSetValues(w, XmNtroughColor, p, nullptr); });
  }
  if (a.select.set) {
    const Pixel p = pixelOf(a.select);
    forTree(outer, [&](Widget w) { XtVaSetValues(w, XmNselectColor, p, nullptr); });
  }
}

// Resources a class does not have are passed over by the toolkit, so the
// whole tree of a widget gets them.
void applyFontAndMargins(Widget outer) {
  const Appearance& a = appearance();
  if (!fontResolved) loadChosenFont("SWGFNT");
  if (currentFont != nullptr)
    forTree(outer, [&](Widget w) { XtVaSetValues(w, XmNfontList, currentFont, nullptr); });
  static const char* const kMargins[4] = {XmNmarginLeft, XmNmarginRight, XmNmarginTop,
                                          XmNmarginBottom};
  for (int k = 0; k < 4; ++k)
    if (a.margins[k] >= 0)
      forTree(outer, [&](Widget w) { XtVaSetValues(w, kMargins[k], Dimension(a.margins[k]), nullptr); });
}

void applyWindow(int32_t id) {
  const Appearance& a = appearance();
  Widget shell = outerOf(id);
  if (shell == nullptr) return;
  if (a.offsetX >= 0 && a.offsetY >= 0)
    XtVaSetValues(shell, XmNx, Position(a.offsetX), XmNy, Position(a.offsetY), nullptr);
  if (!a.resizable)
    XtVaSetValues(shell, XmNmwmFunctions,
                  int(MWM_FUNC_MOVE | MWM_FUNC_MINIMIZE | MWM_FUNC_CLOSE), XmNmwmDecorations,
                  int(MWM_DECOR_BORDER | MWM_DECOR_TITLE | MWM_DECOR_MENU | MWM_DECOR_MINIMIZE),
                  nullptr);
}

}  // namespace

Appearance& appearance() {
  static Appearance a;
  return a;
}

bool loadChosenFont(const char* routine) {
  Appearance& a = appearance();
  Display* d = toolkit().display;
  if (d == nullptr) {
    fontResolved = false;  // loaded with the first widget
    return true;
  }
  fontResolved = true;
  currentFont = nullptr;
  if (a.font.empty()) return true;
  for (const LoadedFont& f : fonts())
    if (f.name == a.font && f.points == a.fontPoints) {
      currentFont = f.list;
      return true;
    }
  if (fonts().size() >= kMaxFonts) {
    widgetError("Too many fonts", routine);
    a.font.clear();
    return false;
  }
  for (const std::string& name : candidateNames(a.font, a.fontPoints)) {
    XFontStruct* probe = XLoadQueryFont(d, name.c_str());
    if (probe == nullptr) continue;
    XFreeFont(d, probe);
    XmFontListEntry e = XmFontListEntryLoad(d, const_cast<char*>(name.c_str()), XmFONT_IS_FONT,
                                            const_cast<char*>(XmFONTLIST_DEFAULT_TAG));
    if (e == nullptr) continue;
    XmFontList list = XmFontListAppendEntry(nullptr, e);
    XmFontListEntryFree(&e);
    fonts().push_back({a.font, a.fontPoints, list});
    currentFont = list;
    return true;
  }
  widgetError("Font cannot be loaded", routine);
  a.font.clear();
  return false;
}

unsigned char listSizePolicy() {
  const uint8_t s = appearance().scroll;
  return s == kScrollAlways ? XmCONSTANT : XmVARIABLE;
}

void applyAppearance(int32_t id) {
  Widget w = handle(id);
  Widget outer = outerOf(id);
  if (w == nullptr || outer == nullptr) return;
  const Appearance& a = appearance();
  const WidgetRecord& r = rec(id);
  if (r.type == kMain) applyWindow(id);
  applyFontAndMargins(outer);
  applyColours(outer);
  switch (r.type) {
    case kLabel:
      if (a.justLabel != kJustifyUnset) XtVaSetValues(w, XmNalignment, alignmentOf(a.justLabel), nullptr);
      break;
    case kToggle:
    case kPush:
    case kCommand:
    case kOk:
    case kQuit:
      if (a.justButton != kJustifyUnset)
        XtVaSetValues(w, XmNalignment, alignmentOf(a.justButton), nullptr);
      break;
    case kList: {
      const int n = std::max<int>(1, int(r.entries.size()));
      const int lines = a.scroll == kScrollNone ? n : std::min(n, a.listLines);
      XtVaSetValues(w, XmNvisibleItemCount, lines, XmNscrollBarDisplayPolicy,
                    scrollPolicy(a.scroll),
                    nullptr);
      break;
    }
    case kScrolledText:
      XtVaSetValues(outer, XmNscrollBarDisplayPolicy,
                    scrollPolicy(a.scroll),
                    nullptr);
      if (a.textLength > 0) XtVaSetValues(w, XmNmaxLength, a.textLength, nullptr);
      break;
    case kText:
    case kLabelText:
    case kFile:
      if (a.textLength > 0) XtVaSetValues(w, XmNmaxLength, a.textLength, nullptr);
      break;
    case kScale:
    case kProgress: {
      if (a.scaleVertical)
        XtVaSetValues(w, XmNorientation, XmVERTICAL, XmNprocessingDirection, XmMAX_ON_TOP, nullptr);
      if (r.type == kScale && a.step > 0) {
        const double units = std::round(double(a.step) * std::pow(10.0, r.ndez));
        XtVaSetValues(w, XmNscaleMultiple, int(std::clamp(units, 1.0, 2e9)), nullptr);
      }
      break;
    }
    case kRadioBox:
      if (a.box == kBoxHorizontal) {
        XtVaSetValues(w, XmNorientation, XmHORIZONTAL, XmNpacking, XmPACK_TIGHT, nullptr);
      } else if (a.box == kBoxGrid) {
        // Entries run across the columns, row by row.
        XtVaSetValues(w, XmNorientation, XmHORIZONTAL, XmNpacking, XmPACK_COLUMN, XmNnumColumns,
                      short(std::max<int32_t>(1, (int32_t(r.entries.size()) + a.boxColumns - 1) /
                                                      a.boxColumns)),
                      nullptr);
      }
      break;
    case kDraw:
      if (a.drawRatio > 0) {
        Dimension width = 0;
        XtVaGetValues(w, XmNwidth, &width, nullptr);
        const double h = std::clamp(std::round(double(width) * a.drawRatio), 1.0, 32767.0);
        XtVaSetValues(w, XmNheight, Dimension(h), nullptr);
      }
      break;
    default:
      break;
  }
}

void paintWidget(int32_t id, const Colour& c, bool background) {
  Widget outer = outerOf(id);
  if (outer == nullptr) return;
  const Pixel p = pixelOf(c);
  forTree(outer, [&](Widget w) {
    if (background) XmChangeColor(w, p);
    else XtVaSetValues(w, XmNforeground, p, nullptr);
  });
}

void setWidgetActive(int32_t id, bool active) {
  if (Widget w = outerOf(id)) XtSetSensitive(w, active ? True : False);
}

void setWidgetVisible(int32_t id, bool visible) {
  Widget w = outerOf(id);
  if (w == nullptr) return;
  if (visible) XtManageChild(w);
  else XtUnmanageChild(w);
}

void showEntries(int32_t id) {
  Widget w = handle(id);
  if (w == nullptr) return;
  const WidgetRecord& r = rec(id);
  if (r.type == kList) {
    XmListDeleteAllItems(w);
    for (const std::string& e : r.entries) XmListAddItemUnselected(w, XmText(e), 0);
    if (r.ival >= 1) XmListSelectPos(w, r.ival, False);
  } else if (r.type == kDropList) {
    int old = 0;
    XtVaGetValues(w, XmNitemCount, &old, nullptr);
    for (; old > 0; --old) XmComboBoxDeletePos(w, old);
    for (const std::string& e : r.entries) XmComboBoxAddItem(w, XmText(e), 0, False);
    if (r.ival >= 1) XmComboBoxSelectItem(w, XmText(r.entries[std::size_t(r.ival) - 1]));
  }
}

bool dialogDisplayReachable() {
  if (toolkit().display != nullptr) return true;
  Display* d = XOpenDisplay(nullptr);
  if (d == nullptr) return false;
  XCloseDisplay(d);
  return true;
}

}  // namespace zantor::widgets
