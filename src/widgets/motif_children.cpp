// The toolkit widget of each kind of child, the internal callbacks that
// keep the records up to date, and values set by the program.
#include <Xm/BulletinB.h>
#include <Xm/CascadeB.h>
#include <Xm/ComboBox.h>
#include <Xm/DrawingA.h>
#include <Xm/FileSB.h>
#include <Xm/Form.h>
#include <Xm/Label.h>
#include <Xm/List.h>
#include <Xm/PushB.h>
#include <Xm/RowColumn.h>
#include <Xm/Scale.h>
#include <Xm/Separator.h>
#include <Xm/Text.h>
#include <Xm/TextF.h>
#include <Xm/ToggleB.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "widgets/motif_internal.h"
#include "widgets/motif_toolkit.h"
#include "widgets/table_cells.h"
#include "widgets/widget_appearance.h"

namespace zantor::widgets {
namespace {

WidgetRecord& rec(int32_t id) { return layer().records[std::size_t(id) - 1]; }
Widget& handle(int32_t id) { return layer().handles[std::size_t(id) - 1]; }

// Arguments of the size and place every child gets from the settings.
struct Placement {
  Arg args[12];
  int n = 0;
  void add(String name, XtArgVal v) {
    if (n < 12) {
      XtSetArg(args[n], name, v);
      ++n;
    }
  }
  bool has(String name) const {
    for (int i = 0; i < n; ++i)
      if (std::strcmp(args[i].name, name) == 0) return true;
    return false;
  }
};

Placement placementIn(const WidgetRecord& parent) {
  const Settings& s = layer().set;
  Placement p;
  if (parent.layout == kForm) {
    p.add(XmNx, s.posX);
    p.add(XmNy, s.posY);
    if (s.sizeW > 0) p.add(XmNwidth, s.sizeW);
    if (s.sizeH > 0) p.add(XmNheight, s.sizeH);
  } else if (s.width > 0) {
    p.add(XmNwidth, s.width * characterWidth());
  } else if (s.width < 0) {
    const int screen = WidthOfScreen(DefaultScreenOfDisplay(toolkit().display));
    p.add(XmNwidth, std::abs(s.width) * screen / 100);
  }
  return p;
}

// ---- internal callbacks: the record follows the widget, then the user's
// routine runs.

void onToggle(Widget, XtPointer data, XtPointer call) {
  const int32_t id = idOf(data);
  rec(id).ival = static_cast<XmToggleButtonCallbackStruct*>(call)->set ? 1 : 0;
  runCallback(id);
}

void onPush(Widget, XtPointer data, XtPointer) { runCallback(idOf(data)); }

void onCommand(Widget, XtPointer data, XtPointer) {
  const int32_t id = idOf(data);
  if (!rec(id).command.empty()) {
    const int status = std::system(rec(id).command.c_str());
    (void)status;  // the command's own outcome is its business
  }
  runCallback(id);
}

void onListSelect(Widget, XtPointer data, XtPointer call) {
  const int32_t id = idOf(data);
  rec(id).ival = static_cast<XmListCallbackStruct*>(call)->item_position;
  runCallback(id);
}

void onComboSelect(Widget, XtPointer data, XtPointer call) {
  const int32_t id = idOf(data);
  auto* cb = static_cast<XmComboBoxCallbackStruct*>(call);
  if (cb->item_or_text == nullptr) return;
  const std::string chosen = plainText(cb->item_or_text);
  WidgetRecord& r = rec(id);
  for (std::size_t i = 0; i < r.entries.size(); ++i)
    if (r.entries[i] == chosen) r.ival = int32_t(i + 1);
  runCallback(id);
}

// A toggle of a radio box carries the box id and its entry number.
struct RadioEntry {
  int32_t id;
  int32_t entry;
};

void onRadio(Widget, XtPointer data, XtPointer call) {
  auto* e = static_cast<RadioEntry*>(data);
  if (!static_cast<XmToggleButtonCallbackStruct*>(call)->set) return;
  rec(e->id).ival = e->entry;
  runCallback(e->id);
}

void freeRadioEntry(Widget, XtPointer data, XtPointer) { delete static_cast<RadioEntry*>(data); }

void onText(Widget, XtPointer data, XtPointer) {
  const int32_t id = idOf(data);
  readText(id);
  runCallback(id);
}

void onScale(Widget, XtPointer data, XtPointer call) {
  const int32_t id = idOf(data);
  WidgetRecord& r = rec(id);
  r.xval = float(static_cast<XmScaleCallbackStruct*>(call)->value / std::pow(10.0, r.ndez));
  runCallback(id);
}

void onOk(Widget, XtPointer data, XtPointer) {
  const int32_t id = idOf(data);
  runCallback(id);
  finishLevelsFrom(rec(id).level);
}

void onQuit(Widget, XtPointer, XtPointer) { std::exit(0); }

// The file selection of a file field: the chosen name goes into the field.
void onFileChosen(Widget box, XtPointer data, XtPointer call) {
  const int32_t id = idOf(data);
  auto* cb = static_cast<XmFileSelectionBoxCallbackStruct*>(call);
  if (handle(id) != nullptr && cb->value != nullptr) {
    const std::string name = plainText(cb->value);
    XmTextFieldSetString(handle(id), const_cast<char*>(name.c_str()));
    readText(id);
  }
  XtDestroyWidget(XtParent(box));
  runCallback(id);
}

void onFileCancel(Widget box, XtPointer, XtPointer) { XtDestroyWidget(XtParent(box)); }

void onFileButton(Widget button, XtPointer data, XtPointer) {
  const int32_t id = idOf(data);
  const WidgetRecord& r = rec(id);
  Arg a[1];
  int n = 0;
  std::unique_ptr<XmText> mask;
  if (!r.mask.empty()) {
    mask = std::make_unique<XmText>(r.mask);
    XtSetArg(a[n], XmNpattern, static_cast<XmString>(*mask)); ++n;
  }
  Widget box = XmCreateFileSelectionDialog(button, const_cast<char*>("File"), a, n);
  XtAddCallback(box, XmNokCallback, onFileChosen, data);
  XtAddCallback(box, XmNcancelCallback, onFileCancel, nullptr);
  XtManageChild(box);
}

// A label on the left and a text field taking `percent` of the width.
Widget labelledField(Widget parent, const Placement& p, std::string_view label, int percent,
                     Widget* labelOut) {
  Widget form = XmCreateForm(parent, const_cast<char*>("labelled"), const_cast<Arg*>(p.args), p.n);
  XtVaSetValues(form, XmNfractionBase, 100, nullptr);
  XmText text(label);
  Widget lab = XtVaCreateManagedWidget("label", xmLabelWidgetClass, form, XmNlabelString,
                                       static_cast<XmString>(text), XmNtopAttachment,
                                       XmATTACH_FORM, XmNbottomAttachment, XmATTACH_FORM,
                                       XmNleftAttachment, XmATTACH_FORM, XmNalignment,
                                       XmALIGNMENT_BEGINNING, nullptr);
  Widget field = XtVaCreateManagedWidget(
      "text", xmTextFieldWidgetClass, form, XmNtopAttachment, XmATTACH_FORM, XmNbottomAttachment,
      XmATTACH_FORM, XmNrightAttachment, XmATTACH_FORM, XmNleftAttachment, XmATTACH_POSITION,
      XmNleftPosition, 100 - percent, nullptr);
  XtVaSetValues(lab, XmNrightAttachment, XmATTACH_WIDGET, XmNrightWidget, field, nullptr);
  XtManageChild(form);
  if (labelOut != nullptr) *labelOut = lab;
  return field;
}

int32_t scaled(float x, int32_t ndez) { return int32_t(std::lround(double(x) * std::pow(10.0, ndez))); }

// The program writes line breaks of a scrolled text as '|'.
std::string withLineBreaks(std::string s) {
  std::replace(s.begin(), s.end(), '|', '\n');
  return s;
}

}  // namespace

bool createChildWidget(int32_t id) {
  Layer& l = layer();
  WidgetRecord& r = rec(id);
  const WidgetRecord& parentRec = rec(r.parent);
  Widget parent = handle(r.parent);
  if (parent == nullptr) return false;
  Placement p = placementIn(parentRec);
  const std::string text = fromUnicode(r.text);
  Widget w = nullptr;
  switch (r.type) {
    case kBase:
      if (r.layout == kForm) {
        w = XmCreateBulletinBoard(parent, const_cast<char*>("base"), p.args, p.n);
      } else {
        p.add(XmNorientation, r.layout == kVertical ? XmVERTICAL : XmHORIZONTAL);
        p.add(XmNspacing, spacingPixels(r.layout));
        p.add(XmNentryAlignment, XmALIGNMENT_BEGINNING);
        w = XmCreateRowColumn(parent, const_cast<char*>("base"), p.args, p.n);
      }
      break;
    case kLabel: {
      XmText s(text);
      p.add(XmNlabelString, XtArgVal(static_cast<XmString>(s)));
      p.add(XmNalignment, XmALIGNMENT_BEGINNING);
      w = XmCreateLabel(parent, const_cast<char*>("label"), p.args, p.n);
      break;
    }
    case kToggle: {
      XmText s(text);
      p.add(XmNlabelString, XtArgVal(static_cast<XmString>(s)));
      p.add(XmNset, r.ival != 0 ? XmSET : XmUNSET);
      w = XmCreateToggleButton(parent, const_cast<char*>("toggle"), p.args, p.n);
      XtAddCallback(w, XmNvalueChangedCallback, onToggle, idData(id));
      break;
    }
    case kPush:
    case kCommand:
    case kOk:
    case kQuit: {
      const std::string label = r.type == kOk ? "OK" : r.type == kQuit ? "Quit" : text;
      XmText s(label);
      p.add(XmNlabelString, XtArgVal(static_cast<XmString>(s)));
      w = XmCreatePushButton(parent, const_cast<char*>(r.type == kOk ? "OK" : "push"), p.args, p.n);
      XtAddCallback(w, XmNactivateCallback,
                    r.type == kOk ? onOk : r.type == kQuit ? onQuit
                                       : r.type == kCommand ? onCommand : onPush,
                    idData(id));
      break;
    }
    case kList: {
      p.add(XmNselectionPolicy, XmBROWSE_SELECT);
      p.add(XmNlistSizePolicy, listSizePolicy());  // fixed when the list is made
      p.add(XmNvisibleItemCount, r.entries.size() < 8 ? std::max<int>(1, int(r.entries.size())) : 8);
      w = XmCreateScrolledList(parent, const_cast<char*>("list"), p.args, p.n);
      for (const std::string& e : r.entries) XmListAddItemUnselected(w, XmText(e), 0);
      if (r.ival >= 1) XmListSelectPos(w, r.ival, False);
      XtAddCallback(w, XmNbrowseSelectionCallback, onListSelect, idData(id));
      XtManageChild(w);
      handle(id) = w;
      return true;  // the list is managed; its scrolled window with it
    }
    case kDropList: {
      w = XmCreateDropDownList(parent, const_cast<char*>("droplist"), p.args, p.n);
      for (const std::string& e : r.entries) XmComboBoxAddItem(w, XmText(e), 0, False);
      if (r.ival >= 1) XmComboBoxSelectItem(w, XmText(r.entries[std::size_t(r.ival) - 1]));
      XtAddCallback(w, XmNselectionCallback, onComboSelect, idData(id));
      break;
    }
    case kRadioBox: {
      w = XmCreateRadioBox(parent, const_cast<char*>("radiobox"), p.args, p.n);
      for (std::size_t i = 0; i < r.entries.size(); ++i) {
        XmText s(r.entries[i]);
        Widget t = XtVaCreateManagedWidget("entry", xmToggleButtonWidgetClass, w, XmNlabelString,
                                           static_cast<XmString>(s), XmNset,
                                           int32_t(i + 1) == r.ival ? XmSET : XmUNSET, nullptr);
        auto* entry = new RadioEntry{id, int32_t(i + 1)};
        XtAddCallback(t, XmNvalueChangedCallback, onRadio, entry);
        XtAddCallback(t, XmNdestroyCallback, freeRadioEntry, entry);
      }
      break;
    }
    case kText:
      p.add(XmNvalue, XtArgVal(text.c_str()));
      w = XmCreateTextField(parent, const_cast<char*>("text"), p.args, p.n);
      XtAddCallback(w, XmNactivateCallback, onText, idData(id));
      break;
    case kLabelText:
    case kFile: {
      const int percent = r.type == kFile ? 60 : std::clamp(r.fieldPercent, 1, 99);
      Widget field;
      if (r.type == kFile) {
        Widget row = XmCreateRowColumn(parent, const_cast<char*>("file"), p.args, p.n);
        XtVaSetValues(row, XmNorientation, XmHORIZONTAL, nullptr);
        Placement none;
        field = labelledField(row, none, r.label, percent, nullptr);
        XmText s("File");
        Widget b = XtVaCreateManagedWidget("File", xmPushButtonWidgetClass, row, XmNlabelString,
                                           static_cast<XmString>(s), nullptr);
        XtAddCallback(b, XmNactivateCallback, onFileButton, idData(id));
        XtManageChild(row);
      } else {
        field = labelledField(parent, p, r.label, percent, nullptr);
      }
      XmTextFieldSetString(field, const_cast<char*>(text.c_str()));
      XtAddCallback(field, XmNactivateCallback, onText, idData(id));
      handle(id) = field;
      return true;
    }
    case kScale: {
      XmText s(r.label);
      p.add(XmNtitleString, XtArgVal(static_cast<XmString>(s)));
      p.add(XmNorientation, XmHORIZONTAL);
      p.add(XmNshowValue, True);
      w = XmCreateScale(parent, const_cast<char*>("scale"), p.args, p.n);
      XtVaSetValues(w, XmNminimum, scaled(r.xmin, r.ndez), XmNmaximum, scaled(r.xmax, r.ndez),
                    XmNdecimalPoints, r.ndez, XmNvalue, scaled(r.xval, r.ndez), nullptr);
      XtAddCallback(w, XmNvalueChangedCallback, onScale, idData(id));
      break;
    }
    case kScrolledText: {
      const std::string lines = withLineBreaks(text);
      p.add(XmNeditMode, XmMULTI_LINE_EDIT);
      p.add(XmNrows, r.ival);
      p.add(XmNvalue, XtArgVal(lines.c_str()));
      w = XmCreateScrolledText(parent, const_cast<char*>("stext"), p.args, p.n);
      XtAddCallback(w, XmNvalueChangedCallback, onText, idData(id));
      XtManageChild(w);
      handle(id) = w;
      return true;  // managed with its scrolled window
    }
    case kProgress: {
      // A scale the user cannot move, filled up to its value.
      p.add(XmNorientation, XmHORIZONTAL);
      p.add(XmNshowValue, True);
      p.add(XmNeditable, False);
      p.add(XmNslidingMode, XmTHERMOMETER);
      w = XmCreateScale(parent, const_cast<char*>("progress"), p.args, p.n);
      XtVaSetValues(w, XmNminimum, scaled(r.xmin, r.ndez), XmNmaximum, scaled(r.xmax, r.ndez),
                    XmNdecimalPoints, r.ndez, XmNvalue, scaled(r.xval, r.ndez), nullptr);
      break;
    }
    case kTable:
      return createTable(id, parent, p.args, unsigned(p.n));  // managed with its scrolled window
    case kSeparator:
      w = XmCreateSeparator(parent, const_cast<char*>("separator"), p.args, p.n);
      break;
    case kDraw:
      // 200 pixels square unless the settings gave a size.
      if (!p.has(XmNwidth)) p.add(XmNwidth, 200);
      if (!p.has(XmNheight)) p.add(XmNheight, 200);
      w = XmCreateDrawingArea(parent, const_cast<char*>("draw"), p.args, p.n);
      break;
    case kPopup: {
      Widget bar = toolkit().menuBars[r.level];
      if (bar == nullptr) return false;
      w = XmCreatePulldownMenu(bar, const_cast<char*>("popup"), nullptr, 0);
      XmText s(text);
      Widget cascade = XtVaCreateManagedWidget("cascade", xmCascadeButtonWidgetClass, bar,
                                               XmNlabelString, static_cast<XmString>(s),
                                               XmNsubMenuId, w, nullptr);
      (void)cascade;
      handle(id) = w;
      return true;  // a pull-down menu is never managed itself
    }
    default:
      return false;
  }
  if (w == nullptr) return false;
  XtManageChild(w);
  handle(id) = w;
  return true;
}

bool createMenuEntry(int32_t id, std::string_view label) {
  Widget menu = handle(rec(id).parent);
  if (menu == nullptr) return false;
  XmText s(label);
  Widget w = XtVaCreateManagedWidget("entry", xmPushButtonWidgetClass, menu, XmNlabelString,
                                     static_cast<XmString>(s), nullptr);
  XtAddCallback(w, XmNactivateCallback, onPush, idData(id));
  handle(id) = w;
  return true;
}

Cardinal childPlacement(int32_t ip, Arg* args, Cardinal max) {
  const Placement p = placementIn(rec(ip));
  const Cardinal n = std::min<Cardinal>(Cardinal(p.n), max);
  std::copy(p.args, p.args + n, args);
  return n;
}

void showValue(int32_t id) {
  Widget w = handle(id);
  if (w == nullptr) return;
  const WidgetRecord& r = rec(id);
  switch (r.type) {
    case kToggle:
    case kPopupEntry:  // an entry with an on/off mark; a plain entry has no state
      XmToggleButtonSetState(w, r.ival != 0, False);
      break;
    case kList:
      if (r.ival >= 1) XmListSelectPos(w, r.ival, False);
      break;
    case kDropList:
      if (r.ival >= 1) XmComboBoxSelectItem(w, XmText(r.entries[std::size_t(r.ival) - 1]));
      break;
    case kRadioBox: {
      WidgetList children = nullptr;
      Cardinal n = 0;
      XtVaGetValues(w, XmNchildren, &children, XmNnumChildren, &n, nullptr);
      for (Cardinal i = 0; i < n; ++i)
        XmToggleButtonSetState(children[i], int32_t(i + 1) == r.ival, False);
      break;
    }
    case kScale:
    case kProgress:
      XmScaleSetValue(w, scaled(r.xval, r.ndez));
      break;
    case kScrolledText:
      XmTextSetString(w, const_cast<char*>(withLineBreaks(fromUnicode(r.text)).c_str()));
      break;
    case kText:
    case kLabelText:
    case kFile:
      XmTextFieldSetString(w, const_cast<char*>(fromUnicode(r.text).c_str()));
      break;
    default:
      break;
  }
}

}  // namespace zantor::widgets
