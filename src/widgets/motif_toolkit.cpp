// Connection, shells, the event loop and OK for the widget dialogs.
#include "widgets/motif_toolkit.h"

#include <Xm/CascadeB.h>
#include <Xm/Form.h>
#include <Xm/Frame.h>
#include <Xm/MainW.h>
#include <Xm/MessageB.h>
#include <Xm/Protocols.h>
#include <Xm/PushB.h>
#include <Xm/RowColumn.h>
#include <Xm/BulletinB.h>
#include <Xm/Text.h>
#include <Xm/TextF.h>
#include <X11/Shell.h>

#include <algorithm>
#include <cstdlib>

#include "devices/window/foreign_window.h"
#include "widgets/motif_internal.h"
#include "widgets/table_cells.h"
#include "widgets/widget_appearance.h"

namespace zantor::widgets {

Toolkit& toolkit() {
  static Toolkit* t = new Toolkit();  // the connection lives until the program ends
  return *t;
}

std::string plainText(XmString s) {
  char* text = static_cast<char*>(XmStringUnparse(s, nullptr, XmCHARSET_TEXT, XmCHARSET_TEXT,
                                                  nullptr, 0, XmOUTPUT_ALL));
  std::string out = text ? text : "";
  XtFree(text);
  return out;
}

int characterWidth() {
  static int width = 0;
  if (width == 0) {
    XFontStruct* f = XLoadQueryFont(toolkit().display, "fixed");
    width = 8;
    if (f != nullptr) {
      width = (f->min_bounds.width + f->max_bounds.width + 1) / 2;
      if (width < 1) width = 8;
      XFreeFont(toolkit().display, f);
    }
  }
  return width;
}

bool openToolkit() {
  Toolkit& t = toolkit();
  if (t.display != nullptr) return true;
  static bool initialised = false;
  if (!initialised) {
    XtToolkitInitialize();
    initialised = true;
  }
  if (t.app == nullptr) t.app = XtCreateApplicationContext();
  int argc = 0;
  t.display = XtOpenDisplay(t.app, nullptr, "zantor", "Zantor", nullptr, 0, &argc, nullptr);
  if (t.display == nullptr) return false;
  t.wmDelete = XmInternAtom(t.display, const_cast<char*>("WM_DELETE_WINDOW"), False);
  return true;
}

namespace {

// Closing a dialog window through the window manager ends that dialog as
// OK does: the program goes on with the values shown.
void onWindowClose(Widget, XtPointer level, XtPointer) { finishLevelsFrom(idOf(level)); }

void onExit(Widget, XtPointer, XtPointer) { std::exit(0); }

// The OK menu (swgpop) ends its dialog as the OK button does.
void onMenuOk(Widget, XtPointer level, XtPointer) { finishLevelsFrom(idOf(level)); }

void onHelp(Widget w, XtPointer, XtPointer) {
  Arg a[2];
  XmText text(layer().set.help);
  XtSetArg(a[0], XmNmessageString, static_cast<XmString>(text));
  Widget box = XmCreateInformationDialog(w, const_cast<char*>("Help"), a, 1);
  XtUnmanageChild(XmMessageBoxGetChild(box, XmDIALOG_CANCEL_BUTTON));
  XtUnmanageChild(XmMessageBoxGetChild(box, XmDIALOG_HELP_BUTTON));
  XtManageChild(box);
}

// A pull-down menu of the menu bar with one entry.
void addMenu(Widget bar, const char* title, const char* entry, XtCallbackProc action,
             XtPointer data = nullptr) {
  Widget menu = XmCreatePulldownMenu(bar, const_cast<char*>(title), nullptr, 0);
  Arg a[1];
  XtSetArg(a[0], XmNsubMenuId, menu);
  Widget cascade = XmCreateCascadeButton(bar, const_cast<char*>(title), a, 1);
  XtManageChild(cascade);
  Widget item = XmCreatePushButton(menu, const_cast<char*>(entry), nullptr, 0);
  XtAddCallback(item, XmNactivateCallback, action, data);
  XtManageChild(item);
  if (std::string_view(title) == "Help") XtVaSetValues(bar, XmNmenuHelpWidget, cascade, nullptr);
}

}  // namespace

bool createMainWidget(int32_t id) {
  Toolkit& t = toolkit();
  Layer& l = layer();
  const int level = l.level;
  Arg a[10];
  int n = 0;
  XtSetArg(a[n], XmNtitle, l.set.title.c_str()); ++n;
  XtSetArg(a[n], XmNdeleteResponse, XmDO_NOTHING); ++n;
  if (l.set.winW > 0 && l.set.winH > 0) {
    XtSetArg(a[n], XmNwidth, l.set.winW); ++n;
    XtSetArg(a[n], XmNheight, l.set.winH); ++n;
  }
  if (l.set.winX >= 0 && l.set.winY >= 0) {
    XtSetArg(a[n], XmNx, l.set.winX); ++n;
    XtSetArg(a[n], XmNy, l.set.winY); ++n;
  }
  Widget shell = XtAppCreateShell("zantor", "Zantor", topLevelShellWidgetClass, t.display, a, n);
  if (shell == nullptr) return false;
  t.shells[level] = shell;
  XmAddWMProtocolCallback(shell, t.wmDelete, onWindowClose, idData(level));

  Widget main = XmCreateMainWindow(shell, const_cast<char*>("main"), nullptr, 0);
  XtManageChild(main);
  Widget bar = XmCreateMenuBar(main, const_cast<char*>("menubar"), nullptr, 0);
  const Appearance& look = appearance();  // swgpop: the menus of the bar
  if (look.menuOk) addMenu(bar, "OK", "OK", onMenuOk, idData(level));
  if (look.menuQuit) addMenu(bar, "Quit", "Exit", onExit);
  if (look.menuHelp && !l.set.help.empty()) addMenu(bar, "Help", "Help", onHelp);
  XtManageChild(bar);
  t.menuBars[level] = bar;

  Widget frame = XmCreateFrame(main, const_cast<char*>("Frame"), nullptr, 0);
  XtManageChild(frame);
  Widget form = XmCreateForm(frame, const_cast<char*>("Form"), nullptr, 0);
  XtManageChild(form);
  n = 0;
  XtSetArg(a[n], XmNtopAttachment, XmATTACH_FORM); ++n;
  XtSetArg(a[n], XmNbottomAttachment, XmATTACH_FORM); ++n;
  XtSetArg(a[n], XmNleftAttachment, XmATTACH_FORM); ++n;
  XtSetArg(a[n], XmNrightAttachment, XmATTACH_FORM); ++n;
  const WidgetRecord& r = l.records[std::size_t(id) - 1];
  Widget box;
  if (r.layout == kForm) {
    box = XmCreateBulletinBoard(form, const_cast<char*>("box"), a, n);
  } else {
    XtSetArg(a[n], XmNorientation, r.layout == kVertical ? XmVERTICAL : XmHORIZONTAL); ++n;
    XtSetArg(a[n], XmNspacing, spacingPixels(r.layout)); ++n;
    XtSetArg(a[n], XmNentryAlignment, XmALIGNMENT_BEGINNING); ++n;  // labels start at the left
    box = XmCreateRowColumn(form, const_cast<char*>("box"), a, n);
  }
  XtManageChild(box);
  XmMainWindowSetAreas(main, bar, nullptr, nullptr, nullptr, frame);
  l.handles[std::size_t(id) - 1] = box;
  return true;
}

void realizeLevel() {
  Toolkit& t = toolkit();
  Layer& l = layer();
  Widget shell = t.shells[l.level];
  if (shell == nullptr) return;
  if (!XtIsRealized(shell)) XtRealizeWidget(shell);
  XSync(t.display, False);
  processPendingEvents();
}

void processPendingEvents() {
  Toolkit& t = toolkit();
  if (t.app == nullptr) return;
  while (XtAppPending(t.app) != 0) XtAppProcessEvent(t.app, XtIMAll);
}

void runLevel() {
  Toolkit& t = toolkit();
  Layer& l = layer();
  const int level = l.level;
  realizeLevel();
  const int32_t focus = l.set.focus;
  if (focus >= 1 && std::size_t(focus) <= l.handles.size() && l.handles[std::size_t(focus) - 1] &&
      l.records[std::size_t(focus) - 1].level == level)
    XmProcessTraversal(l.handles[std::size_t(focus) - 1], XmTRAVERSE_CURRENT);
  while (!l.finished[level]) {
    XEvent e;
    XtAppNextEvent(t.app, &e);
    XtDispatchEvent(&e);
  }
  // The level's widgets go; their values stay in the records.  Drawing
  // areas hand their windows back to the window device first.
  for (std::size_t i = l.start[level]; i < l.records.size(); ++i) {
    if (l.records[i].level != level) continue;
    if (l.records[i].type == kDraw && l.handles[i] != nullptr && XtIsRealized(l.handles[i]))
      releaseForeignWindow(XtWindow(l.handles[i]));
    l.handles[i] = nullptr;
  }
  XtDestroyWidget(t.shells[level]);
  t.shells[level] = nullptr;
  t.menuBars[level] = nullptr;
  XFlush(t.display);
  processPendingEvents();
}

void finishLevelsFrom(int level) {
  Layer& l = layer();
  if (level < 1) level = 1;
  for (std::size_t i = l.start[level]; i < l.records.size(); ++i) {
    const WidgetRecord& r = l.records[i];
    if (r.level >= level && (r.type == kText || r.type == kLabelText || r.type == kFile ||
                               r.type == kScrolledText))
      readText(int32_t(i + 1));
    if (r.level >= level && r.type == kTable) readTableCells(int32_t(i + 1));
  }
  for (int k = level; k <= kMaxLevels; ++k) l.finished[k] = true;
}

void destroyAllShells() {
  Toolkit& t = toolkit();
  for (int k = 0; k <= kMaxLevels; ++k) {
    if (t.shells[k] != nullptr) XtDestroyWidget(t.shells[k]);
    t.shells[k] = nullptr;
    t.menuBars[k] = nullptr;
  }
  if (t.display != nullptr) XFlush(t.display);
}

void readText(int32_t id) {
  Layer& l = layer();
  Widget w = l.handles[std::size_t(id) - 1];
  if (w == nullptr) return;
  WidgetRecord& r = l.records[std::size_t(id) - 1];
  char* s = r.type == kScrolledText ? XmTextGetString(w) : XmTextFieldGetString(w);
  std::string text = s ? s : "";
  XtFree(s);
  // The record keeps the program's form of line breaks.
  if (r.type == kScrolledText) std::replace(text.begin(), text.end(), '\n', '|');
  r.text = toUnicode(text, r.type == kFile ? kFileChars : kTextChars);
}

unsigned long widgetWindow(int32_t id) {
  Widget w = layer().handles[std::size_t(id) - 1];
  if (w == nullptr || !XtIsRealized(w)) return 0;
  return XtWindow(w);
}

bool widgetSize(int32_t id, int32_t& w, int32_t& h) {
  Widget wd = layer().handles[std::size_t(id) - 1];
  if (wd == nullptr) return false;
  Dimension dw = 0, dh = 0;
  XtVaGetValues(wd, XmNwidth, &dw, XmNheight, &dh, nullptr);
  w = dw;
  h = dh;
  return true;
}

bool sendButton(int32_t id, int button) {
  Toolkit& t = toolkit();
  const unsigned long win = widgetWindow(id);
  if (win == 0) return false;
  XEvent e{};
  for (int type : {ButtonPress, ButtonRelease}) {
    e.xbutton.type = type;
    e.xbutton.display = t.display;
    e.xbutton.window = win;
    e.xbutton.button = unsigned(button);
    e.xbutton.x = e.xbutton.y = 1;
    e.xbutton.same_screen = True;
    e.xbutton.time = CurrentTime;
    XSendEvent(t.display, win, True, type == ButtonPress ? ButtonPressMask : ButtonReleaseMask, &e);
  }
  XFlush(t.display);
  return true;
}

}  // namespace zantor::widgets
