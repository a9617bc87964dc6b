// The X window device on a private Xvfb server: window size, position and
// title read back through Xlib, the picture grabbed with XGetImage against
// the same plot written as PNG, expose answered from the back-up image,
// and zanfin waiting for a synthetic key or button (XTest) in the waiting
// modes and returning at once in the others.
#include <zantor.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "core/state.h"
#include "support/fixture.h"
#include "window/window_picture.h"
#include "window/x_server.h"
// After gtest: Xlib defines macros (None) that clash with its names.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace zantor::test {
namespace {

const char* const kReturnHint = "ZANTOR / Click MB2 or MB3 or RETURN to continue ...";
const char* const kButtonHint = "ZANTOR / Click MB2 or MB3 to continue ...";

void pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

int differingPixels(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
  if (a.size() != b.size()) return -1;
  int n = 0;
  for (std::size_t i = 0; i < a.size(); i += 3)
    if (a[i] != b[i] || a[i + 1] != b[i + 1] || a[i + 2] != b[i + 2]) ++n;
  return n;
}

class WindowTest : public LibraryTest {
 protected:
  static void SetUpTestSuite() { SuiteDisplay::start(); }
  static void TearDownTestSuite() { SuiteDisplay::stop(); }
  void SetUp() override {
    LibraryTest::SetUp();
    ASSERT_TRUE(SuiteDisplay::server()->ok()) << "Xvfb could not be started";
  }
  Display* dpy() { return SuiteDisplay::server()->display(); }

  void pointerInto(Window w) {
    XWindowAttributes a;
    XGetWindowAttributes(dpy(), w, &a);
    XTestFakeMotionEvent(dpy(), -1, a.x + a.width / 2, a.y + a.height / 2, 0);
    XSync(dpy(), False);
  }
  void pressKey(KeySym sym) {
    const KeyCode k = XKeysymToKeycode(dpy(), sym);
    XTestFakeKeyEvent(dpy(), k, True, 0);
    XTestFakeKeyEvent(dpy(), k, False, 0);
    XSync(dpy(), False);
  }
  void pressButton(unsigned b) {
    XTestFakeButtonEvent(dpy(), b, True, 0);
    XTestFakeButtonEvent(dpy(), b, False, 0);
    XSync(dpy(), False);
  }
  // A magenta window over the upper left corner of the screen, mapped and
  // taken away again: what lay below gets exposes.
  void coverAndUncover(unsigned w, unsigned h) {
    XSetWindowAttributes wa{};
    wa.background_pixel = 0x00FF00FF;
    wa.override_redirect = True;
    Window cover = XCreateWindow(dpy(), DefaultRootWindow(dpy()), 0, 0, w, h, 0, CopyFromParent,
                                 InputOutput, CopyFromParent, CWBackPixel | CWOverrideRedirect,
                                 &wa);
    XMapRaised(dpy(), cover);
    XSync(dpy(), False);
    pause(200);
    XDestroyWindow(dpy(), cover);
    XSync(dpy(), False);
    pause(500);
  }
  bool stillThere(Window w) {
    XSync(dpy(), False);
    Window found = findWindow(dpy(), windowTitle(dpy(), w), 0);
    return found == w;
  }
};

// Placement, title, picture and expose: the window is where window() put
// it, shows exactly the PNG picture, repaints it after being covered, and
// zanfin waits until Return is pressed.
TEST_F(WindowTest, PlacedWindowShowsPictureAndWaitsForReturn) {
  Child child([] {
    call(metafl_, "XWIN");
    int32_t x = 40, y = 50, w = 500, h = 400;
    window_(&x, &y, &w, &h);
    call(winkey_, "RETURN");
    zanini_();
    drawPicture();
    zanfin_();
  });
  Window win = findWindow(dpy(), kReturnHint, 30);
  ASSERT_NE(win, 0u) << child.output();
  XWindowAttributes a;
  ASSERT_TRUE(XGetWindowAttributes(dpy(), win, &a));
  EXPECT_EQ(a.x, 40);
  EXPECT_EQ(a.y, 50);
  EXPECT_EQ(a.width, 500);
  EXPECT_EQ(a.height, 400);
  EXPECT_EQ(windowTitle(dpy(), win), kReturnHint);

  const std::vector<uint8_t> png = pngPicture(500, 400, "window.png");
  ASSERT_EQ(png.size(), 500u * 400u * 3u);
  int gw = 0, gh = 0;
  std::vector<uint8_t> shown = grabWindow(dpy(), win, gw, gh);
  EXPECT_EQ(differingPixels(shown, png), 0);
  // Sample pixels: a red line pixel exists, and (10, 390), away from the
  // border and the drawing, is the black background.
  bool red = false;
  for (std::size_t i = 0; i < png.size(); i += 3)
    red = red || (png[i] == 255 && png[i + 1] == 0 && png[i + 2] == 0);
  EXPECT_TRUE(red);
  const std::size_t bg = (390u * 500u + 10u) * 3u;
  ASSERT_GT(shown.size(), bg + 2);
  EXPECT_EQ(shown[bg] + shown[bg + 1] + shown[bg + 2], 0);

  // A window covering ours is taken away: the exposed part is repainted
  // from the back-up image.
  coverAndUncover(400, 300);
  shown = grabWindow(dpy(), win, gw, gh);
  EXPECT_EQ(differingPixels(shown, png), 0);

  // Still waiting; Return ends the wait.
  pause(200);
  EXPECT_TRUE(stillThere(win));
  pointerInto(win);
  pressKey(XK_Return);
  EXPECT_EQ(child.wait(20), 0) << child.output();
}

// Without winkey a key does not end the wait; mouse button 3 does.
// The OpenGL window: "GL" is accepted when the display offers GLX, the
// title says so, and the picture drawn through OpenGL is exactly the PNG
// picture, before and after an expose.
TEST_F(WindowTest, OpenGlWindowShowsThePicture) {
  int glxOpcode = 0, glxEvent = 0, glxError = 0;
  ASSERT_TRUE(XQueryExtension(dpy(), "GLX", &glxOpcode, &glxEvent, &glxError))
      << "the test server offers no GLX";
  Child child([] {
    call(metafl_, "GL");
    int32_t x = 60, y = 30, w = 420, h = 300;
    window_(&x, &y, &w, &h);
    call(winkey_, "RETURN");
    zanini_();
    drawPicture();
    zanfin_();
    endOpenGlChild();
  });
  const char* const title = "ZANTOR GL / Click MB2 or MB3 or RETURN to continue ...";
  Window win = findWindow(dpy(), title, 30);
  ASSERT_NE(win, 0u) << child.output();
  EXPECT_EQ(child.output().find("OPENGL"), std::string::npos) << child.output();
  const std::vector<uint8_t> png = pngPicture(420, 300, "window.png");
  ASSERT_EQ(png.size(), 420u * 300u * 3u);
  int gw = 0, gh = 0;
  EXPECT_EQ(differingPixels(grabWindow(dpy(), win, gw, gh), png), 0);
  coverAndUncover(300, 200);
  EXPECT_EQ(differingPixels(grabWindow(dpy(), win, gw, gh), png), 0);
  pointerInto(win);
  pressKey(XK_Return);
  EXPECT_EQ(child.wait(20), 0) << child.output();
}

TEST_F(WindowTest, ButtonEndsWaitKeyDoesNotWithoutWinkey) {
  Child child([] {
    call(metafl_, "XWI2");
    zanini_();
    drawPicture();
    zanfin_();
  });
  Window win = findWindow(dpy(), kButtonHint, 30);
  ASSERT_NE(win, 0u) << child.output();
  pointerInto(win);
  pressKey(XK_Return);
  pressButton(1);  // button 1 does not end it either
  pause(400);
  EXPECT_TRUE(stillThere(win));
  pressButton(3);
  EXPECT_EQ(child.wait(20), 0) << child.output();
}

// Escape with winkey ESCAPE; the window device of "XWND" has the default
// size of a landscape page.
TEST_F(WindowTest, EscapeEndsWaitAndDefaultSize) {
  Child child([] {
    call(metafl_, "XWND");
    call(winkey_, "ESCAPE");
    zanini_();
    drawPicture();
    zanfin_();
  });
  Window win = findWindow(dpy(), "ZANTOR / Click MB2 or MB3 or ESC to continue ...", 30);
  ASSERT_NE(win, 0u) << child.output();
  XWindowAttributes a;
  ASSERT_TRUE(XGetWindowAttributes(dpy(), win, &a));
  EXPECT_EQ(a.width, 853);
  EXPECT_EQ(a.height, 603);
  pointerInto(win);
  pressKey(XK_Escape);
  EXPECT_EQ(child.wait(20), 0) << child.output();
}

// NONE returns at once and leaves the picture on the screen (repainted by
// the server); NOHO returns at once and closes the window.
TEST_F(WindowTest, NoWaitModesReturnAtOnce) {
  Child keep([] {
    call(metafl_, "XWIN");
    int32_t w = 300, h = 200;
    winsiz_(&w, &h);
    call(winmod_, "NONE");
    zanini_();
    drawPicture();
    zanfin_();
    std::printf("returned\n");
    std::fflush(stdout);
    std::this_thread::sleep_for(std::chrono::seconds(3));
  });
  Window win = findWindow(dpy(), "ZANTOR", 30);
  ASSERT_NE(win, 0u);
  pause(300);
  EXPECT_EQ(windowTitle(dpy(), win), "ZANTOR");
  const std::vector<uint8_t> png = pngPicture(300, 200, "window.png");
  int gw = 0, gh = 0;
  EXPECT_EQ(differingPixels(grabWindow(dpy(), win, gw, gh), png), 0);
  EXPECT_EQ(keep.wait(20), 0);
  EXPECT_NE(keep.output().find("returned\n"), std::string::npos);

  Child close([] {
    call(metafl_, "XWIN");
    call(winmod_, "NOHO");
    zanini_();
    drawPicture();
    zanfin_();
    std::printf("closed %d\n", zanglb.nlev);
  });
  EXPECT_EQ(close.wait(20), 0);
  EXPECT_NE(close.output().find("closed 0\n"), std::string::npos);
}

// Counts pixels of one colour in a grabbed picture.
int pixelsOf(const std::vector<uint8_t>& rgb, uint8_t r, uint8_t g, uint8_t b) {
  int n = 0;
  for (std::size_t i = 0; i + 2 < rgb.size(); i += 3)
    n += rgb[i] == r && rgb[i + 1] == g && rgb[i + 2] == b;
  return n;
}

// A second window: opnwin opens it with the plot's size and makes it
// current, selwin switches back and forth with the colour kept, hidwin
// unmaps it, clswin refuses the first window; the errors name the window.
// The windows keep their own pictures, at the positions window() gave.
TEST_F(WindowTest, SeveralWindowsKeepTheirOwnPictures) {
  Child child([] {
    call(metafl_, "XWIN");
    int32_t x0 = 0, x1 = 350, x2 = 700, y0 = 0, w = 300, h = 200;
    window_(&x0, &y0, &w, &h);
    call(winmod_, "NONE");
    zanini_();
    call(wintit_, "first");
    window_(&x1, &y0, &w, &h);  // where the next window opens
    int32_t two = 2, one = 1, five = 5, id1 = 0, id2 = 0;
    winid_(&id1);
    opnwin_(&two);
    call(wintit_, "second");
    winid_(&id2);
    call(color_, "BLUE");
    int32_t pat = 16;
    shdpat_(&pat);
    int32_t x = 0, y = 0, rw = 3000, rh = 3000;
    rectan_(&x, &y, &rw, &rh);     // window 2 all blue
    selwin_(&one);
    int32_t a = 0, b = 1000, c = 3000, d = 1000, lw = 9;
    linwid_(&lw);
    line_(&a, &b, &c, &d);         // window 1: a blue line on black
    opnwin_(&two);                 // already open
    selwin_(&five);                // not open
    clswin_(&one);                 // the first window
    int32_t three = 3;
    window_(&x2, &y0, &w, &h);
    opnwin_(&three);
    call(wintit_, "third");
    hidwin_(&three, "YES", 3);
    zanfin_();
    std::printf("ids %d %d\n", id1 != 0 && id2 != 0 && id1 != id2, zanglb.iwinid);
    std::fflush(stdout);
    std::this_thread::sleep_for(std::chrono::seconds(3));
  });
  Window first = findWindow(dpy(), "first", 30), second = findWindow(dpy(), "second", 30);
  Window third = findWindow(dpy(), "third", 30);
  ASSERT_NE(first, 0u);
  ASSERT_NE(second, 0u);
  ASSERT_NE(third, 0u);
  pause(500);
  int gw = 0, gh = 0;
  const std::vector<uint8_t> one = grabWindow(dpy(), first, gw, gh);
  EXPECT_EQ(gw, 300);
  const int blueInFirst = pixelsOf(one, 0, 0, 255);
  EXPECT_GT(blueInFirst, 250);  // the line across the window, a pixel thick
  EXPECT_LT(blueInFirst, 300 * 5);
  const std::vector<uint8_t> two = grabWindow(dpy(), second, gw, gh);
  EXPECT_EQ(gw, 300);
  EXPECT_EQ(gh, 200);
  EXPECT_GT(pixelsOf(two, 0, 0, 255), 300 * 200 * 9 / 10);
  XWindowAttributes attr;
  XGetWindowAttributes(dpy(), second, &attr);
  EXPECT_EQ(attr.x, 350);
  XGetWindowAttributes(dpy(), third, &attr);
  EXPECT_EQ(attr.map_state, IsUnmapped);
  EXPECT_EQ(child.wait(20), 0);
  const std::string& out = child.output();
  EXPECT_NE(out.find("Window 2 is already open"), std::string::npos) << out;
  EXPECT_NE(out.find("Window 5 is not open"), std::string::npos) << out;
  EXPECT_NE(out.find("Window 1 cannot be closed"), std::string::npos) << out;
  EXPECT_NE(out.find("ids 1 3\n"), std::string::npos) << out;
}

// The window routines need a plot on a screen device.
TEST_F(WindowTest, WindowRoutinesWithoutAWindow) {
  int32_t two = 2, id = 7;
  ::testing::internal::CaptureStdout();
  opnwin_(&two);  // level 0
  call(metafl_, "PNG");
  call(filmod_, "DELE");
  zanini_();
  opnwin_(&two);
  winid_(&id);
  zanfin_();
  const std::string out = ::testing::internal::GetCapturedStdout();
  EXPECT_EQ(id, 0);
  EXPECT_NE(out.find("OPNWIN needs a window device"), std::string::npos) << out;
  EXPECT_NE(out.find("WINID needs a window device"), std::string::npos) << out;
}

// DELA shows the delay in the title and ends by itself.
TEST_F(WindowTest, DelayModeEndsByItself) {
  Child child([] {
    call(metafl_, "XWIN");
    int32_t n = 1;
    call(winmod_, "DELA");
    winopt_(&n, "DELA", 4);
    zanini_();
    drawPicture();
    zanfin_();
  });
  Window win = findWindow(dpy(), "ZANTOR / Delay time 1 seconds", 30);
  EXPECT_NE(win, 0u);
  EXPECT_EQ(child.wait(20), 0);
}

// Without a display the program stops with the message and status 1.
TEST_F(WindowTest, NoDisplayStopsTheProgram) {
  Child child([] {
    unsetenv("DISPLAY");
    call(metafl_, "XWIN");
    zanini_();
    std::printf("not stopped\n");
  });
  EXPECT_EQ(child.wait(20), 1);
  EXPECT_EQ(child.output(),
            " <<<< X-Window display cannot be opened!\n        **** STOP in ZANINI ****\n");
}

// The settings: keywords map to their values, bad keywords change nothing.
TEST_F(WindowTest, WaitSettings) {
  call(winmod_, "NOMB");
  EXPECT_EQ(zanglb.iwinmd, 5);
  call(winmod_, "XXXX");
  EXPECT_EQ(zanglb.iwinmd, 5);
  call(winkey_, "ESCAPE");
  EXPECT_EQ(zanglb.ikeyop, 2);
  int32_t n = -3;
  winopt_(&n, "DELA", 4);
  EXPECT_EQ(zanglb.iwinsc, 0);
  n = 7;
  winopt_(&n, "MDEL", 4);
  EXPECT_EQ(zanglb.iwinsc, 7);
}

}  // namespace
}  // namespace zantor::test
