// Support of the widget dialog tests: every dialog runs in a child process
// on the suite's private X server (the test process itself never opens
// the toolkit), and the child prints what the program got back.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "support/fixture.h"
#include "window/x_server.h"

// The X Toolkit's own widget type, declared here so that its headers stay
// out of the test sources that include this one before gtest.
typedef struct _WidgetRec* Widget;

namespace zantor::test {

class WidgetTest : public LibraryTest {
 protected:
  // Dialog windows come and go while the test looks for them by title: a
  // window gone between listing and reading it must not end the test.
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override {
    LibraryTest::SetUp();
    ASSERT_TRUE(SuiteDisplay::server()->ok()) << "Xvfb could not be started";
  }
  Display* dpy() { return SuiteDisplay::server()->display(); }

  // Centre of window w in root coordinates; the pointer moves there.
  void pointerInto(Window w);
  void click(Window w, unsigned button = 1);
  // Types text of lower-case letters, digits, spaces and the like.
  void type(const std::string& text);
  void pressKey(unsigned long keysym);
  // Gives the child time to take the events in.
  static void pause(int ms = 300);
};

// The lines of the output that start with `key`, without the key.
std::vector<std::string> valuesOf(const std::string& output, const std::string& key);
// Waits up to `seconds` for the file written by a child; its words.
std::vector<std::string> waitForFile(const std::string& path, double seconds);

// Calls of the public routines with character arguments, as a Fortran
// program makes them.
void wgini(const char* copt, int32_t& id);
int32_t wglab(int32_t ip, const char* s);
int32_t wgtxt(int32_t ip, const char* s);
std::string gwgtxt(int32_t id);

// The toolkit widget of dialog widget `id`.
Widget handleOf(int32_t id);
// Class of the widget and whether its parent's widget holds it, as in
// "XmLabel inside".
std::string placeOf(int32_t id);

}  // namespace zantor::test
