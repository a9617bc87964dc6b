// Icons and images in dialogs: the widgets in the tree, their pixels read
// back from the X server against the arrays and files given, the pixmaps
// gone after wgfin, the refusals; the menu variants; and the callback
// kinds 2 and 3 fired by presses through XTest.
#include <zantor.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "widgets/widget_layer.h"
#include "widgets/widget_test_support.h"
// After gtest: Xlib defines macros (None, Bool) that clash with its names.
#include <Xm/Xm.h>
#include <Xm/ToggleB.h>
#include <X11/IntrinsicP.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace zantor::test {
namespace {

int32_t rgb(int r, int g, int b) { return 0x01000000 + b * 65536 + g * 256 + r; }

// A PPM of w x h pixels whose pixel (x, y) has colour f(x, y), turned into
// `file` by ImageMagick.
template <class F>
void writePicture(const std::string& file, int w, int h, F f) {
  {
    std::ofstream out("picture.ppm");
    out << "P3\n" << w << ' ' << h << "\n255\n";
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const int32_t c = f(x, y);
        out << (c & 255) << ' ' << ((c >> 8) & 255) << ' ' << ((c >> 16) & 255) << '\n';
      }
  }
  ASSERT_EQ(std::system(("/usr/bin/convert picture.ppm " + file).c_str()), 0);
}

// Distinct colours for up to 60 x 40 pixels.
int32_t gradient(int x, int y) { return rgb(20 + 3 * x, 30 + 5 * y, 200 - 2 * x - y); }

// Where in the window of widget w the picture `expected` (nw x nh, values
// as the program gives them) shows, pixel for pixel: "x y", or "none".
// The window is read again while the widget may still be drawing.
std::string findPicture(Widget w, const std::vector<int32_t>& expected, int nw, int nh) {
  Display* d = XtDisplay(w);
  Pixel bg = 0, fg = 0;
  XtVaGetValues(w, XmNbackground, &bg, XmNforeground, &fg, nullptr);
  for (int attempt = 0; attempt < 50; ++attempt) {
    doevnt_();
    XWindowAttributes a;
    XGetWindowAttributes(d, XtWindow(w), &a);
    XImage* img = XGetImage(d, XtWindow(w), 0, 0, unsigned(a.width), unsigned(a.height), AllPlanes,
                            ZPixmap);
    if (img != nullptr) {
      auto pixelOf = [&](int32_t v) -> unsigned long {
        if (v == 0) return bg;
        if (v == 1) return fg;
        return (unsigned long)((v & 255) << 16 | ((v >> 8) & 255) << 8 | ((v >> 16) & 255));
      };
      for (int oy = 0; oy + nh <= a.height; ++oy)
        for (int ox = 0; ox + nw <= a.width; ++ox) {
          bool all = true;
          for (int y = 0; y < nh && all; ++y)
            for (int x = 0; x < nw && all; ++x)
              all = XGetPixel(img, ox + x, oy + y) == pixelOf(expected[std::size_t(y * nw + x)]);
          if (all) {
            XDestroyImage(img);
            return std::to_string(ox) + " " + std::to_string(oy);
          }
        }
      XDestroyImage(img);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(40));
  }
  return "none";
}

bool pixmapAlive = false;
int noteBadPixmap(Display*, XErrorEvent*) {
  pixmapAlive = false;
  return 0;
}

// Whether the server still knows pixmap pm.
bool pixmapExists(Display* d, Pixmap pm) {
  XSync(d, False);
  XErrorHandler previous = XSetErrorHandler(noteBadPixmap);
  pixmapAlive = true;
  Window root;
  int x, y;
  unsigned w, h, border, depth;
  XGetGeometry(d, pm, &root, &x, &y, &w, &h, &border, &depth);
  XSync(d, False);
  XSetErrorHandler(previous);
  return pixmapAlive;
}

TEST_F(WidgetTest, PicturesShowTheirPixelsAndTheirPixmapsEndWithWgfin) {
  writePicture("image.bmp", 8, 6, gradient);
  writePicture("icon.ico", 6, 5, gradient);
  Child child([] {
    int32_t top = 0, zero = 0, id = 0;
    wgini("VERT", top);
    // A 5 x 4 icon: background, foreground and colours.
    const int32_t red = rgb(255, 0, 0), teal = rgb(0, 128, 128);
    const std::vector<int32_t> icon = {red, 0, 0, 0, teal,  1, red, 1, teal, 1,
                                       0, 0, red, 0, 0,     teal, 1, 1, 1, red};
    int32_t nw = 5, nh = 4;
    wgicon_(&top, " ", &nw, &nh, icon.data(), &id, 1);
    const int32_t iconId = id;
    const int32_t first = 1;
    wgimg_(&top, "image.bmp", nullptr, &zero, &zero, &id, 9);
    const int32_t imageId = id;
    wgpicon_(&top, "icon.ico", &zero, &zero, &first, &id, 8);
    const int32_t picon = id;
    std::vector<int32_t> big(60 * 40);
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 60; ++x) big[std::size_t(y * 60 + x)] = gradient(x, y);
    int32_t bw = 60, bh = 40;
    wgpimg_(&top, "Caption", big.data(), &bw, &bh, &id, 7);
    const int32_t pimg = id;
    reawgt_();
    for (int32_t w : {iconId, imageId, picon, pimg}) std::printf("widget %d %s\n", w, placeOf(w).c_str());
    std::vector<int32_t> image(8 * 6), small(6 * 5);
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 8; ++x) image[std::size_t(y * 8 + x)] = gradient(x, y);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 6; ++x) small[std::size_t(y * 6 + x)] = gradient(x, y);
    std::printf("icon at %s\n", findPicture(handleOf(iconId), icon, 5, 4).c_str() );
    std::printf("image at %s\n", findPicture(handleOf(imageId), image, 8, 6).c_str());
    std::printf("file icon at %s\n", findPicture(handleOf(picon), small, 6, 5).c_str());
    std::printf("big at %s\n", findPicture(handleOf(pimg), big, 60, 40).c_str());
    // A changed pixel is not found: the search can fail.
    std::vector<int32_t> wrong = icon;
    wrong[7] = rgb(1, 2, 3);
    std::printf("wrong at %s\n", findPicture(handleOf(iconId), wrong, 5, 4).c_str());

    Display* d = XtDisplay(handleOf(iconId));
    std::vector<Pixmap> pixmaps;
    for (int32_t w : {iconId, imageId, picon, pimg}) {
      Pixmap pm = 0;
      XtVaGetValues(handleOf(w), XmNlabelPixmap, &pm, nullptr);
      pixmaps.push_back(pm);
    }
    int alive = 0;
    for (Pixmap pm : pixmaps) alive += pixmapExists(d, pm) ? 1 : 0;
    std::printf("pixmaps before=%d\n", alive);
    sendok_();
    wgfin_();
    alive = 0;
    for (Pixmap pm : pixmaps) alive += pixmapExists(d, pm) ? 1 : 0;
    std::printf("pixmaps after=%d\n", alive);
  });
  ASSERT_EQ(child.wait(60), 0) << child.output();
  const std::string& out = child.output();
  EXPECT_EQ(valuesOf(out, "widget "),
            (std::vector<std::string>{"2 XmLabel inside", "3 XmLabel inside",
                                      "4 XmPushButton inside", "5 XmPushButton inside"}));
  for (const char* key : {"icon at ", "image at ", "file icon at ", "big at "}) {
    const std::vector<std::string> at = valuesOf(out, key);
    ASSERT_EQ(at.size(), 1u) << key << out;
    EXPECT_NE(at[0], "none") << key << out;
  }
  EXPECT_EQ(valuesOf(out, "wrong at "), std::vector<std::string>{"none"});
  EXPECT_EQ(valuesOf(out, "pixmaps before="), std::vector<std::string>{"4"});
  EXPECT_EQ(valuesOf(out, "pixmaps after="), std::vector<std::string>{"0"});
}

void print(const char* key, long v) {
  std::printf("%s%ld\n", key, v);
  std::fflush(stdout);
}

void noteValue(const int32_t* id, const float* v) { std::printf("cb2=%d %g\n", *id, double(*v)); std::fflush(stdout); }

TEST_F(WidgetTest, PictureAndMenuRoutinesRefuseBadInput) {
  writePicture("image.bmp", 2, 2, gradient);
  writeFile("text.ico", "not an icon at all");
  writeFile("text.bmp", "not a bitmap");
  Child child([] {
    int32_t top = 0, id = 0, zero = 0, one = 1, two = 2;
    wgini("VERT", top);
    const int32_t pixels[4] = {1, 0, 5, 1};
    int32_t w0 = 0, w2 = 2, w300 = 300, w5000 = 5000, h3 = 3;
    wgicon_(&top, "", &w0, &h3, pixels, &id, 0);
    print("zero width=", id);
    wgicon_(&top, "", &w300, &one, pixels, &id, 0);
    print("icon 300=", id);
    wgimg_(&top, "", pixels, &w5000, &one, &id, 0);
    print("image 5000=", id);
    wgimg_(&top, "", pixels, &w2, &two, &id, 0);
    print("bad value=", id);
    wgimg_(&top, "missing.bmp", pixels, &zero, &zero, &id, 11);
    print("missing=", id);
    wgpimg_(&top, "text.bmp", pixels, &zero, &zero, &id, 8);
    print("not bmp=", id);
    wgicon_(&top, "image.bmp", &zero, &zero, &one, &id, 9);
    print("bmp as icon=", id);
    wgpicon_(&top, "text.ico", &zero, &zero, &two, &id, 8);
    print("text icon=", id);
    const int32_t label = wglab(top, "label");
    wgicon_(&label, "", &w2, &one, pixels, &id, 0);
    print("label parent=", id);
    // An image 300 wide is fine; icons stop at 256.
    std::vector<int32_t> wide(300, 1);
    wgimg_(&top, "", wide.data(), &w300, &one, &id, 0);
    const int32_t image = id;
    print("image 300=", image);
    swgcb2_(&image, reinterpret_cast<void (*)()>(noteValue));
    swgcb3_(&top, reinterpret_cast<void (*)()>(noteValue));
    wgappb_(&label, "entry", &id, 5);
    print("entry of label=", id);
    wgpopb_(&label, "menu", &id, 4);
    print("menu in label=", id);
    wgpopb_(&top, "Menu", &id, 4);
    const int32_t menu = id;
    wgapp_(&menu, "Plain", &id, 5);
    const int32_t plain = id;
    wgappb_(&menu, "Mark", &id, 4);
    const int32_t mark = id;
    print("menu=", menu);
    print("mark=", mark);
    // gwgbut and swgbut take an entry with a mark, not a plain one.
    int32_t state = -1;
    gwgbut_(&mark, &state);
    print("mark state=", state);
    swgbut_(&mark, &one);
    gwgbut_(&mark, &state);
    print("mark set=", state);
    swgbut_(&plain, &one);
    gwgbut_(&plain, &state);
    print("shown=", XmToggleButtonGetState(handleOf(mark)));
    std::printf("menu place=%s\n", placeOf(menu).c_str());
    sendok_();
    wgfin_();
    gwgbut_(&mark, &state);
    print("mark after=", state);
    wgicon_(&top, "", &w2, &one, pixels, &id, 0);  // the dialog is over
  });
  ASSERT_EQ(child.wait(30), 0) << child.output();
  const std::string& out = child.output();
  for (const char* key : {"zero width=", "icon 300=", "image 5000=", "bad value=", "missing=",
                          "not bmp=", "bmp as icon=", "text icon=", "label parent=",
                          "entry of label=", "menu in label="})
    EXPECT_EQ(valuesOf(out, key), std::vector<std::string>{"-1"}) << key << out;
  for (const char* line :
       {">>>> Bad icon size (WGICON)", ">>>> Out of icon size (WGICON)",
        ">>>> Out of icon size (WGIMG)", ">>>> Bad value (WGIMG)", ">>>> File Error! (WGIMG)",
        ">>>> File has not BMP format! (WGPIMG)", ">>>> No ICO format (WGICON)",
        ">>>> No ICO format (WGPICON)", ">>>> Not allowed parent ID (WGICON)",
        ">>>> Callbacks cannot be defined for Label widgets (SWGCB2)",
        ">>>> Callbacks cannot be defined for Parent widgets (SWGCB3)",
        ">>>> Parent must be a Popup widget (WGAPPB)", ">>>> Not allowed parent ID (WGPOPB)",
        ">>>> Not allowed widget type (SWGBUT)", ">>>> Not allowed widget type (GWGBUT)",
        ">>>> No call between wgini and wgfin (WGICON)"})
    EXPECT_EQ(valuesOf(out, line).size(), 1u) << line << "\n" << out;
  EXPECT_EQ(valuesOf(out, "image 300="), std::vector<std::string>{"3"});
  EXPECT_EQ(valuesOf(out, "menu="), std::vector<std::string>{"4"});
  EXPECT_EQ(valuesOf(out, "mark="), std::vector<std::string>{"6"});
  EXPECT_EQ(valuesOf(out, "mark state="), std::vector<std::string>{"0"});
  EXPECT_EQ(valuesOf(out, "mark set="), std::vector<std::string>{"1"});
  EXPECT_EQ(valuesOf(out, "shown="), std::vector<std::string>{"1"});
  // The menu hangs in a menu bar of its own inside the work area.
  EXPECT_EQ(valuesOf(out, "menu place="), std::vector<std::string>{"XmRowColumn inside"});
  EXPECT_EQ(valuesOf(out, "mark after="), std::vector<std::string>{"1"});
}

void notePosition(const int32_t* id, const int32_t* a, const int32_t* b) {
  std::printf("cb3=%d %d %d\n", *id, *a, *b);
  std::fflush(stdout);
}

TEST_F(WidgetTest, CallbackKindsTwoAndThreeFireOnPresses) {
  Child child([] {
    swgtit_("picture callbacks", 17);
    int32_t top = 0, off = 0, id = 0, ok = 0;
    wgini("VERT", top);
    wgbut_(&top, "toggle", &off, &id, 6);
    const int32_t toggle = id;
    swgcb2_(&toggle, reinterpret_cast<void (*)()>(noteValue));
    std::vector<int32_t> big(60 * 40);
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 60; ++x) big[std::size_t(y * 60 + x)] = gradient(x, y);
    int32_t bw = 60, bh = 40;
    wgpimg_(&top, " ", big.data(), &bw, &bh, &id, 1);
    const int32_t pimg = id;
    swgcb3_(&pimg, reinterpret_cast<void (*)()>(notePosition));
    int32_t sel = 1;
    wglis_(&top, "one|two|three", &sel, &id, 13);
    const int32_t list = id;
    swgcb3_(&list, reinterpret_cast<void (*)()>(notePosition));
    const int32_t text = wgtxt(top, "");
    swgcb2_(&text, reinterpret_cast<void (*)()>(noteValue));
    wgok_(&top, &ok);
    reawgt_();
    {
      std::ofstream ids("ids");
      ids << gwgxid_(&toggle) << ' ' << gwgxid_(&pimg) << ' ' << gwgxid_(&list) << ' '
          << gwgxid_(&text) << ' ' << gwgxid_(&ok) << " end\n";
    }
    wgfin_();
    print("toggle=", [&] { int32_t v = -1; gwgbut_(&toggle, &v); return v; }());
  });
  const std::vector<std::string> ids = waitForFile("ids", 30);
  ASSERT_EQ(ids.size(), 5u) << child.output();
  click(Window(std::stoul(ids[0])));
  // The picture's pixel (17, 9) of the button, found in its window.
  const Window button = Window(std::stoul(ids[1]));
  int w = 0, h = 0;
  std::vector<uint8_t> rgbBytes;
  int ox = -1, oy = -1;
  for (int attempt = 0; attempt < 50 && ox < 0; ++attempt) {
    pause(40);
    rgbBytes = grabWindow(dpy(), button, w, h);
    for (int y = 0; y + 40 <= h && ox < 0; ++y)
      for (int x = 0; x + 60 <= w && ox < 0; ++x) {
        bool all = true;
        for (int k : {0, 17, 59}) {
          for (int j : {0, 9, 39}) {
            const int32_t c = gradient(k, j);
            const uint8_t* p = &rgbBytes[std::size_t(((y + j) * w + x + k) * 3)];
            all = all && p[0] == (c & 255) && p[1] == ((c >> 8) & 255) && p[2] == ((c >> 16) & 255);
          }
        }
        if (all) {
          ox = x;
          oy = y;
        }
      }
  }
  ASSERT_GE(ox, 0) << "picture not found in its button";
  int rx = 0, ry = 0;
  Window childWindow = 0;
  XTranslateCoordinates(dpy(), button, DefaultRootWindow(dpy()), ox + 17, oy + 9, &rx, &ry,
                        &childWindow);
  XTestFakeMotionEvent(dpy(), -1, rx, ry, 0);
  XSync(dpy(), False);
  pause(100);
  XTestFakeButtonEvent(dpy(), 1, True, 0);
  XTestFakeButtonEvent(dpy(), 1, False, 0);
  XSync(dpy(), False);
  pause();
  click(Window(std::stoul(ids[2])));  // the middle of three entries
  click(Window(std::stoul(ids[3])));
  pressKey(XK_minus);
  type("2");
  pressKey(XK_period);
  type("5");
  pressKey(XK_Return);
  click(Window(std::stoul(ids[4])));
  ASSERT_EQ(child.wait(20), 0) << child.output();
  const std::string& out = child.output();
  // The toggle's state, then the number typed into the text field.
  EXPECT_EQ(valuesOf(out, "cb2="), (std::vector<std::string>{"2 1", "5 -2.5"})) << out;
  // Column and row are 1-based; the list reports its entry and 1.
  EXPECT_EQ(valuesOf(out, "cb3="), (std::vector<std::string>{"3 18 10", "4 2 1"})) << out;
  EXPECT_EQ(valuesOf(out, "toggle="), std::vector<std::string>{"1"});
}

// Without a display the routines report and make nothing.
TEST_F(WidgetTest, PictureRoutinesWithoutADisplay) {
  Child child([] {
    unsetenv("DISPLAY");
    int32_t top = 0, id = 0, one = 1;
    const int32_t pixels[1] = {1};
    wgini("VERT", top);
    wgicon_(&top, "", &one, &one, pixels, &id, 0);
    print("icon=", id);
    wgpimg_(&top, "", pixels, &one, &one, &id, 0);
    print("image=", id);
    wgpopb_(&top, "m", &id, 1);
    print("menu=", id);
    wgappb_(&top, "m", &id, 1);
    print("entry=", id);
    swgcb3_(&top, reinterpret_cast<void (*)()>(notePosition));
  });
  ASSERT_EQ(child.wait(20), 0) << child.output();
  const std::string& out = child.output();
  for (const char* key : {"icon=", "image=", "menu=", "entry="})
    EXPECT_EQ(valuesOf(out, key), std::vector<std::string>{"-1"}) << key;
  for (const char* line : {">>>> No call to wgini before (WGICON)", ">>>> No call to wgini before (WGPIMG)",
                           ">>>> No call to wgini before (WGPOPB)", ">>>> No call to wgini before (WGAPPB)",
                           ">>>> Not allowed widget ID (SWGCB3)"})
    EXPECT_EQ(valuesOf(out, line).size(), 1u) << line << "\n" << out;
}

}  // namespace
}  // namespace zantor::test
