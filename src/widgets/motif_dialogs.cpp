// The ready-made dialogs: a message, a yes/no question, a text input, a
// file selection and a list selection, each in its own window and with its
// own event loop that ends when the user answers.
#include <Xm/FileSB.h>
#include <Xm/List.h>
#include <Xm/MessageB.h>
#include <Xm/Protocols.h>
#include <Xm/SelectioB.h>
#include <X11/Shell.h>

#include "widgets/motif_internal.h"
#include "widgets/motif_toolkit.h"

namespace zantor::widgets {
namespace {

enum Answer { kWaiting = -1, kAnswerOk = 0, kAnswerCancel = 1 };

// One open ready-made dialog: its shell, box and the answer.
struct Dialog {
  Widget shell = nullptr;
  Widget box = nullptr;
  int answer = kWaiting;
  std::string value;  // text of a text or file dialog
  int32_t position = 0;  // selected entry of a list dialog
};

void onOk(Widget, XtPointer data, XtPointer call) {
  auto* d = static_cast<Dialog*>(data);
  auto* cb = static_cast<XmSelectionBoxCallbackStruct*>(call);
  // File and selection boxes hand their text over; message boxes have none.
  if (XmIsSelectionBox(d->box) && cb != nullptr && cb->value != nullptr) d->value = plainText(cb->value);
  if (XmIsSelectionBox(d->box) && !XmIsFileSelectionBox(d->box)) {
    int* pos = nullptr;
    int n = 0;
    if (XmListGetSelectedPos(XmSelectionBoxGetChild(d->box, XmDIALOG_LIST), &pos, &n) && n > 0)
      d->position = pos[0];
    XtFree(reinterpret_cast<char*>(pos));
  }
  d->answer = kAnswerOk;
}

void onCancel(Widget, XtPointer data, XtPointer) { static_cast<Dialog*>(data)->answer = kAnswerCancel; }

// The text of a message with '|' as line break.
std::string lines(std::string s) {
  for (char& c : s)
    if (c == '|') c = '\n';
  return s;
}

// Creates the shell of a dialog; `make` creates the box inside it.
template <class Make>
int runDialog(Dialog& d, Make make) {
  if (!openToolkit()) return 2;
  Toolkit& t = toolkit();
  d.shell = XtVaAppCreateShell("zantor", "Zantor", topLevelShellWidgetClass, t.display, XmNtitle,
                               layer().set.title.c_str(), XmNdeleteResponse, XmDO_NOTHING, nullptr);
  XmAddWMProtocolCallback(d.shell, t.wmDelete, onCancel, &d);
  d.box = make(d.shell);
  XtAddCallback(d.box, XmNokCallback, onOk, &d);
  XtAddCallback(d.box, XmNcancelCallback, onCancel, &d);
  if (Widget help = XmIsMessageBox(d.box) ? XmMessageBoxGetChild(d.box, XmDIALOG_HELP_BUTTON)
                                          : XmSelectionBoxGetChild(d.box, XmDIALOG_HELP_BUTTON))
    XtUnmanageChild(help);
  XtManageChild(d.box);
  XtRealizeWidget(d.shell);
  while (d.answer == kWaiting) {
    XEvent e;
    XtAppNextEvent(t.app, &e);
    XtDispatchEvent(&e);
  }
  XtDestroyWidget(d.shell);
  XFlush(t.display);
  processPendingEvents();
  return d.answer;
}

}  // namespace

int messageDialog(const std::string& text) {
  Dialog d;
  return runDialog(d, [&](Widget shell) {
    XmText s(lines(text));
    Widget box = XmCreateMessageBox(shell, const_cast<char*>("message"), nullptr, 0);
    XtVaSetValues(box, XmNmessageString, static_cast<XmString>(s), XmNdialogType,
                  XmDIALOG_INFORMATION, nullptr);
    XtUnmanageChild(XmMessageBoxGetChild(box, XmDIALOG_CANCEL_BUTTON));
    return box;
  });
}

int questionDialog(const std::string& text, int32_t& answer) {
  Dialog d;
  const int status = runDialog(d, [&](Widget shell) {
    XmText s(lines(text)), yes("Yes"), no("No");
    Widget box = XmCreateMessageBox(shell, const_cast<char*>("question"), nullptr, 0);
    XtVaSetValues(box, XmNmessageString, static_cast<XmString>(s), XmNdialogType,
                  XmDIALOG_QUESTION, XmNokLabelString, static_cast<XmString>(yes),
                  XmNcancelLabelString, static_cast<XmString>(no), XmNdefaultButtonType,
                  answer != 0 ? XmDIALOG_OK_BUTTON : XmDIALOG_CANCEL_BUTTON, nullptr);
    return box;
  });
  if (status != 2) answer = status == kAnswerOk ? 1 : 0;
  return status == 2 ? 2 : kAnswerOk;  // "No" is an answer, not a cancel
}

int textDialog(const std::string& label, std::string& text) {
  Dialog d;
  const int status = runDialog(d, [&](Widget shell) {
    XmText lab(label), value(text);
    Widget box = XmCreateSelectionBox(shell, const_cast<char*>("text"), nullptr, 0);
    XtVaSetValues(box, XmNselectionLabelString,
                  static_cast<XmString>(lab), XmNtextString, static_cast<XmString>(value), nullptr);
    // Only the text is asked for: the list of the box is not shown.
    XtUnmanageChild(XtParent(XmSelectionBoxGetChild(box, XmDIALOG_LIST)));
    XtUnmanageChild(XmSelectionBoxGetChild(box, XmDIALOG_LIST_LABEL));
    return box;
  });
  if (status == kAnswerOk) text = d.value;
  return status;
}

int fileDialog(const std::string& label, std::string& file, const std::string& mask) {
  Dialog d;
  const int status = runDialog(d, [&](Widget shell) {
    Widget box = XmCreateFileSelectionBox(shell, const_cast<char*>("file"), nullptr, 0);
    XmText lab(label);
    XtVaSetValues(box, XmNselectionLabelString, static_cast<XmString>(lab), nullptr);
    if (!mask.empty()) {
      XmText pattern(mask);
      XtVaSetValues(box, XmNpattern, static_cast<XmString>(pattern), nullptr);
    }
    if (!file.empty()) {
      XmText value(file);
      XtVaSetValues(box, XmNtextString, static_cast<XmString>(value), nullptr);
    }
    return box;
  });
  if (status == kAnswerOk) file = d.value;
  return status;
}

int listDialog(const std::string& label, const std::vector<std::string>& entries,
               int32_t& selected) {
  Dialog d;
  const int status = runDialog(d, [&](Widget shell) {
    XmText lab(label);
    Arg a[1];
    XtSetArg(a[0], XmNdialogType, XmDIALOG_SELECTION);
    Widget box = XmCreateSelectionBox(shell, const_cast<char*>("list"), a, 1);
    XtVaSetValues(box, XmNlistLabelString,
                  static_cast<XmString>(lab), nullptr);
    // Only the entries can be chosen: the text field is not shown.
    XtUnmanageChild(XmSelectionBoxGetChild(box, XmDIALOG_TEXT));
    XtUnmanageChild(XmSelectionBoxGetChild(box, XmDIALOG_SELECTION_LABEL));
    Widget list = XmSelectionBoxGetChild(box, XmDIALOG_LIST);
    for (const std::string& e : entries) XmListAddItemUnselected(list, XmText(e), 0);
    if (selected >= 1 && std::size_t(selected) <= entries.size()) XmListSelectPos(list, selected, False);
    return box;
  });
  if (status == kAnswerOk && d.position >= 1) selected = d.position;
  return status;
}

}  // namespace zantor::widgets
