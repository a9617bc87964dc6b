// Dialogs answered through the X server as a user would: the widget tree
// of a dialog, text typed and OK pressed (XTest), callbacks of buttons,
// the window closed by the window manager, and the ready-made dialogs.
// Every dialog runs in a child that is killed when it does not end in
// time, so a dialog left waiting never hangs the test run.
#include <zantor.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "core/args.h"
#include "widgets/widget_layer.h"
#include "widgets/widget_test_support.h"
// After gtest: Xlib defines macros (None, Bool) that clash with its names.
#include <X11/IntrinsicP.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace zantor::test {
namespace {

// Writes the window ids of the widgets to `path` for the test to find them.
void publish(const char* path, std::initializer_list<int32_t> ids) {
  std::ofstream out(path);
  for (int32_t id : ids) out << gwgxid_(&id) << ' ';
  out << "end\n";
}

Window windowId(const std::string& word) { return Window(std::stoul(word)); }

TEST_F(WidgetTest, WidgetTreeHoldsEveryKindInItsParent) {
  Child child([] {
    int32_t top = 0, id = 0;
    wgini("VERT", top);
    int32_t ip = top;
    std::vector<int32_t> ids;
    auto keep = [&] { ids.push_back(id); };
    wgbas_(&ip, "HORI", &id, 4); keep();
    const int32_t row = id;
    id = wglab(row, "label"); keep();
    int32_t on = 1;
    wgbut_(&row, "toggle", &on, &id, 6); keep();
    wgpbut_(&ip, "push", &id, 4); keep();
    id = wgtxt(ip, "text"); keep();
    int32_t nw = 40;
    wgltxt_(&ip, "name", "value", &nw, &id, 4, 5); keep();
    wgfil_(&ip, "file", "a.txt", "*.txt", &id, 4, 5, 5); keep();
    int32_t sel = 1;
    wglis_(&ip, "one|two|three", &sel, &id, 13); keep();
    wgdlis_(&ip, "one|two", &sel, &id, 7); keep();
    wgbox_(&ip, "red|green|blue", &sel, &id, 14); keep();
    float lo = 0, hi = 1, v = 0.5f;
    int32_t nd = 2;
    wgscl_(&ip, "scale", &lo, &hi, &v, &nd, &id, 5); keep();
    wgsep_(&ip, &id); keep();
    wgdraw_(&ip, &id); keep();
    wgok_(&ip, &id); keep();
    wgquit_(&ip, &id); keep();
    wgpop_(&ip, "Menu", &id, 4); keep();
    const int32_t menu = id;
    wgapp_(&menu, "Entry", &id, 5); keep();
    reawgt_();
    const widgets::Layer& l = widgets::layer();
    for (int32_t w : ids) {
      Widget h = l.handles[std::size_t(w) - 1];
      Widget parent = l.handles[std::size_t(l.records[std::size_t(w) - 1].parent) - 1];
      bool inside = false;
      for (Widget p = XtParent(h); p != nullptr && !inside; p = XtParent(p)) inside = p == parent;
      std::printf("widget %d %s %d %d\n", w, XtClass(h)->core_class.class_name, inside ? 1 : 0,
                  XtIsRealized(h) ? 1 : 0);
    }
    sendok_();
    wgfin_();
  });
  ASSERT_EQ(child.wait(30), 0) << child.output();
  const std::vector<std::string> expected = {
      "2 XmRowColumn 1 1",  "3 XmLabel 1 1",      "4 XmToggleButton 1 1", "5 XmPushButton 1 1",
      "6 XmTextField 1 1",  "7 XmTextField 1 1",  "8 XmTextField 1 1",    "9 XmList 1 1",
      "10 XmComboBox 1 1",  "11 XmRowColumn 1 1", "12 XmScale 1 1",       "13 XmSeparator 1 1",
      "14 XmDrawingArea 1 1", "15 XmPushButton 1 1", "16 XmPushButton 1 1",
      // The popup menu hangs in the dialog's menu bar, not in the work
      // area of its parent; its entry is inside it.
      "17 XmRowColumn 0 1", "18 XmPushButton 1 1"};
  EXPECT_EQ(valuesOf(child.output(), "widget "), expected) << child.output();
}

TEST_F(WidgetTest, TypedTextIsReturnedAfterOk) {
  Child child([] {
    swgtit_("text dialog", 11);
    int32_t x = 50, y = 60, w = 320, h = 200;
    swgwin_(&x, &y, &w, &h);
    int32_t top = 0, ok = 0;
    wgini("VERT", top);
    wglab(top, "Your name:");
    const int32_t text = wgtxt(top, "");
    wgok_(&top, &ok);
    swgfoc_(&text);
    reawgt_();
    std::printf("before=%s|\n", gwgtxt(text).c_str());
    publish("ids", {text, ok});
    wgfin_();
    std::printf("text=%s|\n", gwgtxt(text).c_str());
    // After wgfin the value is kept, the widget is gone.
    std::printf("xid=%d\n", gwgxid_(&text));
  });
  const std::vector<std::string> ids = waitForFile("ids", 30);
  ASSERT_EQ(ids.size(), 2u) << child.output();
  const Window shell = findWindow(dpy(), "text dialog", 10);
  ASSERT_NE(shell, 0u);
  XWindowAttributes a;
  ASSERT_TRUE(XGetWindowAttributes(dpy(), shell, &a));
  EXPECT_EQ(a.x, 50);
  EXPECT_EQ(a.y, 60);
  EXPECT_EQ(a.width, 320);
  EXPECT_EQ(a.height, 200);
  click(windowId(ids[0]));
  type("hello 42");
  click(windowId(ids[1]));
  ASSERT_EQ(child.wait(20), 0) << child.output();
  EXPECT_EQ(valuesOf(child.output(), "before="), std::vector<std::string>{"|"});
  EXPECT_EQ(valuesOf(child.output(), "text="), std::vector<std::string>{"hello 42|"});
  EXPECT_EQ(valuesOf(child.output(), "xid="), std::vector<std::string>{"-1"});
  EXPECT_EQ(valuesOf(child.output(), ">>>> Widget is not realized (GWGXID)").size(), 1u);
}

int32_t toggleId = 0;

void onToggle(const int32_t* id, const int32_t* user) {
  int32_t state = -1;
  gwgbut_(id, &state);
  std::printf("toggle callback=%d %d %d %d\n", *id, user[0], user[1], state);
  std::fflush(stdout);
}

// The push button's routine ends the dialog itself.
void onPush(const int32_t* id) {
  std::printf("push callback=%d\n", *id);
  std::fflush(stdout);
  sendok_();
}

TEST_F(WidgetTest, CallbacksGetTheIdAndUserArray) {
  Child child([] {
    swgtit_("callback dialog", 15);
    static const int32_t user[2] = {7, 8};
    int32_t top = 0, push = 0, off = 0;
    wgini("HORI", top);
    wgbut_(&top, "switch", &off, &toggleId, 6);
    wgpbut_(&top, "done", &push, 4);
    swgcb_(&toggleId, reinterpret_cast<void (*)()>(onToggle), user);
    swgcbk_(&push, reinterpret_cast<void (*)()>(onPush));
    reawgt_();
    publish("ids", {toggleId, push});
    wgfin_();
    int32_t state = -1;
    gwgbut_(&toggleId, &state);
    std::printf("final=%d\n", state);
  });
  const std::vector<std::string> ids = waitForFile("ids", 30);
  ASSERT_EQ(ids.size(), 2u) << child.output();
  click(windowId(ids[0]));
  click(windowId(ids[0]));
  click(windowId(ids[0]));
  click(windowId(ids[1]));
  ASSERT_EQ(child.wait(20), 0) << child.output();
  const std::string& out = child.output();
  EXPECT_EQ(valuesOf(out, "toggle callback="),
            (std::vector<std::string>{"2 7 8 1", "2 7 8 0", "2 7 8 1"}));
  EXPECT_EQ(valuesOf(out, "push callback="), std::vector<std::string>{"3"});
  EXPECT_EQ(valuesOf(out, "final="), std::vector<std::string>{"1"});
}

// The window manager's close message ends the dialog the way OK does.
TEST_F(WidgetTest, ClosingTheWindowEndsTheDialogWithItsTexts) {
  Child child([] {
    swgtit_("close dialog", 12);
    int32_t top = 0;
    wgini("VERT", top);
    const int32_t text = wgtxt(top, "");
    swgtxt_(&text, "set by program", 14);
    reawgt_();
    publish("ids", {text});
    wgfin_();
    std::printf("text=%s|\n", gwgtxt(text).c_str());
  });
  ASSERT_EQ(waitForFile("ids", 30).size(), 1u) << child.output();
  const Window shell = findWindow(dpy(), "close dialog", 10);
  ASSERT_NE(shell, 0u);
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = shell;
  e.xclient.message_type = XInternAtom(dpy(), "WM_PROTOCOLS", False);
  e.xclient.format = 32;
  e.xclient.data.l[0] = long(XInternAtom(dpy(), "WM_DELETE_WINDOW", False));
  e.xclient.data.l[1] = CurrentTime;
  XSendEvent(dpy(), shell, False, NoEventMask, &e);
  XSync(dpy(), False);
  ASSERT_EQ(child.wait(20), 0) << child.output();
  EXPECT_EQ(valuesOf(child.output(), "text="), std::vector<std::string>{"set by program|"});
}

TEST_F(WidgetTest, ReadyMadeDialogsReturnTheAnswers) {
  Child child([] {
    swgtit_("ask text", 8);
    char text[12];
    putArg(text, sizeof text, "old");
    dwgtxt_("Name", text, 4, sizeof text);
    int32_t status = -1;
    dwgerr_(&status);
    std::printf("text=%.12s| %d\n", text, status);
    std::fflush(stdout);
    swgtit_("ask question", 12);
    int32_t answer = 1;
    dwgbut_("Sure?", &answer, 5);
    std::printf("answer=%d\n", answer);
    std::fflush(stdout);
    swgtit_("ask list", 8);
    int32_t sel = 2;
    dwglis_("Colour", "red|green|blue", &sel, 6, 14);
    dwgerr_(&status);
    std::printf("selected=%d %d\n", sel, status);
  });
  Window w = findWindow(dpy(), "ask text", 30);
  ASSERT_NE(w, 0u) << child.output();
  pointerInto(w);
  pause();
  pressKey(XK_End);
  type("x1");
  pressKey(XK_Return);
  w = findWindow(dpy(), "ask question", 20);
  ASSERT_NE(w, 0u) << child.output();
  pointerInto(w);
  pause();
  pressKey(XK_Escape);  // the No button
  w = findWindow(dpy(), "ask list", 20);
  ASSERT_NE(w, 0u) << child.output();
  pointerInto(w);
  pause();
  pressKey(XK_Down);  // from the second entry to the third
  pressKey(XK_Return);
  ASSERT_EQ(child.wait(20), 0) << child.output();
  EXPECT_EQ(valuesOf(child.output(), "selected="), std::vector<std::string>{"3 0"});
  EXPECT_EQ(valuesOf(child.output(), "text="), std::vector<std::string>{"oldx1       | 0"});
  EXPECT_EQ(valuesOf(child.output(), "answer="), std::vector<std::string>{"0"});
}

}  // namespace
}  // namespace zantor::test
