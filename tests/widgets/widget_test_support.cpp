#include "widgets/widget_test_support.h"

#include <zantor.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "widgets/widget_layer.h"

#include <X11/IntrinsicP.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

// The X Toolkit and Motif keep caches and class records for the life of
// the program; the leak checker of the sanitizer build is told to leave
// allocations made inside those two libraries alone.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libXm.so\nleak:libXt.so\n";
}

namespace zantor::test {
namespace {

int ignoreXError(Display*, XErrorEvent*) { return 0; }
int (*previousHandler)(Display*, XErrorEvent*) = nullptr;

}  // namespace

void WidgetTest::SetUpTestSuite() {
  SuiteDisplay::start();
  previousHandler = XSetErrorHandler(ignoreXError);
}

void WidgetTest::TearDownTestSuite() {
  XSetErrorHandler(previousHandler);
  SuiteDisplay::stop();
}

void WidgetTest::pointerInto(Window w) {
  // Keys and buttons reach only a window on the screen: wait until it is.
  XWindowAttributes a{};
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (XGetWindowAttributes(dpy(), w, &a) != 0 && a.map_state != IsViewable &&
         std::chrono::steady_clock::now() < end)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  int rx = 0, ry = 0;
  Window child = 0;
  XTranslateCoordinates(dpy(), w, DefaultRootWindow(dpy()), a.width / 2, a.height / 2, &rx, &ry,
                        &child);
  XTestFakeMotionEvent(dpy(), -1, rx, ry, 0);
  XSync(dpy(), False);
}

void WidgetTest::click(Window w, unsigned button) {
  pointerInto(w);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  XTestFakeButtonEvent(dpy(), button, True, 0);
  XTestFakeButtonEvent(dpy(), button, False, 0);
  XSync(dpy(), False);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
}

void WidgetTest::pressKey(unsigned long keysym) {
  const KeyCode k = XKeysymToKeycode(dpy(), keysym);
  XTestFakeKeyEvent(dpy(), k, True, 0);
  XTestFakeKeyEvent(dpy(), k, False, 0);
  XSync(dpy(), False);
}

void WidgetTest::type(const std::string& text) {
  for (char c : text) {
    const char name[2] = {c, 0};
    pressKey(c == ' ' ? XK_space : XStringToKeysym(name));
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
}

std::vector<std::string> valuesOf(const std::string& output, const std::string& key) {
  std::vector<std::string> out;
  std::istringstream in(output);
  std::string line;
  while (std::getline(in, line))
    if (line.rfind(key, 0) == 0) out.push_back(line.substr(key.size()));
  return out;
}

std::vector<std::string> waitForFile(const std::string& path, double seconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  std::vector<std::string> words;
  do {
    std::ifstream in(path);
    std::string w;
    while (in >> w) words.push_back(w);
    if (!words.empty() && words.back() == "end") {
      words.pop_back();
      return words;
    }
    words.clear();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  } while (std::chrono::steady_clock::now() < end);
  return words;
}

void wgini(const char* copt, int32_t& id) { wgini_(copt, &id, len(copt)); }

int32_t wglab(int32_t ip, const char* s) {
  int32_t id = 0;
  wglab_(&ip, s, &id, len(s));
  return id;
}

int32_t wgtxt(int32_t ip, const char* s) {
  int32_t id = 0;
  wgtxt_(&ip, s, &id, len(s));
  return id;
}

std::string gwgtxt(int32_t id) {
  char buf[300];
  gwgtxt_(&id, buf, sizeof buf);
  std::string s(buf, sizeof buf);
  s.erase(s.find_last_not_of(' ') + 1);
  return s;
}

}  // namespace zantor::test

namespace zantor::test {
void WidgetTest::pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
Widget handleOf(int32_t id) { return widgets::layer().handles[std::size_t(id) - 1]; }

std::string placeOf(int32_t id) {
  const widgets::Layer& l = widgets::layer();
  Widget h = handleOf(id);
  Widget parent = handleOf(l.records[std::size_t(id) - 1].parent);
  bool inside = false;
  for (Widget p = XtParent(h); p != nullptr && !inside; p = XtParent(p)) inside = p == parent;
  return std::string(XtClass(h)->core_class.class_name) + (inside ? " inside" : " outside");
}

}  // namespace zantor::test
