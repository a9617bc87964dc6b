// Appearance of dialogs (fonts, colours, scroll bars, alignment, margins,
// menus, attributes) read back from the widgets' resources and pixels, and
// plots drawn into a drawing area of a dialog through setxid, compared
// with the same plot written as PNG.
#include <zantor.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "support/fixture.h"
#include "widgets/widget_layer.h"
#include "widgets/widget_test_support.h"
#include "window/window_picture.h"
// After gtest: Xlib defines macros (None, Bool) that clash with its names.
#include <Xm/Xm.h>
#include "widgets/motif_internal.h"
#include <Xm/List.h>
#include <Xm/MwmUtil.h>
#include <Xm/RowColumn.h>
#include <Xm/Scale.h>
#include <Xm/TextF.h>
#include <X11/IntrinsicP.h>
#include <X11/Shell.h>

namespace zantor::test {
namespace {

void print(const char* key, const std::string& v) {
  std::printf("%s%s\n", key, v.c_str());
  std::fflush(stdout);
}
void print(const char* key, long v) { print(key, std::to_string(v)); }

long resource(Widget w, const char* name) {
  XtArgVal v = 0;  // wide enough for every resource read here
  unsigned char c = 0;
  short s = 0;
  Dimension d = 0;
  int i = 0;
  // Read as the type the resource has.
  const std::string n = name;
  if (n == XmNalignment || n == XmNorientation || n == XmNscrollBarDisplayPolicy ||
      n == XmNlistSizePolicy || n == XmNpacking) {
    XtVaGetValues(w, name, &c, nullptr);
    return c;
  }
  if (n == XmNnumColumns) {
    XtVaGetValues(w, name, &s, nullptr);
    return s;
  }
  if (n == XmNwidth || n == XmNheight || n == XmNmarginLeft) {
    XtVaGetValues(w, name, &d, nullptr);
    return d;
  }
  if (n == XmNvisibleItemCount || n == XmNscaleMultiple || n == XmNmaxLength || n == XmNitemCount ||
      n == XmNmwmFunctions) {
    XtVaGetValues(w, name, &i, nullptr);
    return i;
  }
  XtVaGetValues(w, name, &v, nullptr);
  return long(v);
}

int32_t listWidget(void (*f)(const int32_t*, const char*, const int32_t*, int32_t*, size_t),
                   int32_t ip, const char* entries, int32_t sel) {
  int32_t id = 0;
  f(&ip, entries, &sel, &id, len(entries));
  return id;
}

// The red, green, blue of the pixel x, y of a widget's window.
long pixelAt(Widget w, int x, int y) {
  XImage* im = XGetImage(XtDisplay(w), XtWindow(w), x, y, 1, 1, AllPlanes, ZPixmap);
  if (im == nullptr) return -1;
  const long p = long(XGetPixel(im, 0, 0) & 0xFFFFFF);
  XDestroyImage(im);
  return p;
}

// Calls with character arguments, as a Fortran program makes them.
void swgclr(float r, float g, float b, const char* copt) { swgclr_(&r, &g, &b, copt, len(copt)); }
void swgfnt(const char* name, int32_t pts) { swgfnt_(name, &pts, len(name)); }
void swgiop(int32_t v, const char* copt) { swgiop_(&v, copt, len(copt)); }
void swgmrg(int32_t v, const char* copt) { swgmrg_(&v, copt, len(copt)); }
void swgatt(int32_t id, const char* cval, const char* copt) {
  swgatt_(&id, cval, copt, len(cval), len(copt));
}
int32_t gwgatt(int32_t id, const char* copt) { return gwgatt_(&id, copt, len(copt)); }
void setxid(int32_t iwin, const char* copt) { setxid_(&iwin, copt, len(copt)); }

TEST_F(WidgetTest, FontsAndColoursReachTheWidgets) {
  Child child([] {
    float one = 1, zero = 0, half = 0.5f, two = 2;
    swgclr(one, zero, zero, "BACK");  // the following widgets: red on blue
    swgclr(zero, zero, one, "FORE");
    int32_t top = 0;
    wgini("VERT", top);
    const int32_t plain = wglab(top, "Wide enough label");
    int32_t pts = 24;
    swgfnt("helvetica", pts);
    const int32_t big = wglab(top, "Wide enough label");
    pts = 8;
    swgfnt("helvetica", pts);
    const int32_t small = wglab(top, "Wide enough label");
    swgfnt("DEFAULT", pts);
    const int32_t back = wglab(top, "Wide enough label");
    print("bg=", resource(handleOf(plain), XmNbackground));
    print("fg=", resource(handleOf(plain), XmNforeground));
    const long hp = resource(handleOf(plain), XmNheight), hb = resource(handleOf(big), XmNheight),
               hs = resource(handleOf(small), XmNheight), hd = resource(handleOf(back), XmNheight);
    print("taller=", long(hb > hs + 10 && hd == hp));
    // An existing widget changes colour at once.
    swgbgd_(&plain, &zero, &one, &zero);
    swgfgd_(&plain, &half, &half, &half);
    print("bg=", resource(handleOf(plain), XmNbackground));
    print("fg=", resource(handleOf(plain), XmNforeground));
    reawgt_();
    print("pixel=", pixelAt(handleOf(plain), 1, 1));
    print("pixel=", pixelAt(handleOf(big), 1, 1));
    // Refused: an unknown font, more fonts than the layer keeps, colours
    // outside 0..1, unknown keywords and ids.
    swgfnt("no such family", pts);
    for (int32_t p = 9; p <= 30; ++p) swgfnt("courier", p);
    swgclr(two, zero, zero, "BACK");
    swgclr(one, zero, zero, "PINK");
    int32_t bad = 999;
    swgbgd_(&bad, &one, &one, &one);
    swgfgd_(&plain, &one, &one, &two);
    print("gui=", long(gwggui_()));
    sendok_();
    wgfin_();
    // The widgets of a finished dialog take no colours.
    swgbgd_(&plain, &one, &one, &one);
  });
  ASSERT_EQ(child.wait(40), 0) << child.output();
  const std::string& out = child.output();
  EXPECT_EQ(valuesOf(out, "bg="), (std::vector<std::string>{"16711680", "65280"})) << out;
  EXPECT_EQ(valuesOf(out, "fg="), (std::vector<std::string>{"255", "8421504"})) << out;
  EXPECT_EQ(valuesOf(out, "taller="), std::vector<std::string>{"1"}) << out;
  EXPECT_EQ(valuesOf(out, "pixel="), (std::vector<std::string>{"65280", "16711680"})) << out;
  EXPECT_EQ(valuesOf(out, ">>>> Font cannot be loaded (SWGFNT)").size(), 1u) << out;
  EXPECT_GE(valuesOf(out, ">>>> Too many fonts (SWGFNT)").size(), 1u) << out;
  EXPECT_EQ(valuesOf(out, ">>>> Parameter is out of range (SWGCLR)").size(), 1u) << out;
  EXPECT_EQ(valuesOf(out, ">>>> Not allowed parameter (swgclr)").size(), 1u) << out;
  EXPECT_EQ(valuesOf(out, ">>>> Not allowed widget ID (SWGBGD)").size(), 2u) << out;
  EXPECT_EQ(valuesOf(out, ">>>> Parameter is out of range (SWGFGD)").size(), 1u) << out;
  EXPECT_EQ(valuesOf(out, "gui="), std::vector<std::string>{"1"});
}

TEST_F(WidgetTest, TypesAlignmentAndOptionsShowInResources) {
  Child child([] {
    call(swgpop_, "OK");
    call(swgpop_, "NOQUIT");
    call(swghlp_, "help text");
    call(swgpop_, "NOHELP");
    // Without a connection yet, the font is loaded (and refused) with the
    // first widget.
    swgfnt("no such family", 12);
    print("font refused before=", long(0));
    int32_t nx = 40, ny = 30;
    swgoff_(&nx, &ny);
    call(swgtyp_, "NORESIZE", "WINDOW");
    int32_t top = 0;
    wgini("VERT", top);
    // Lists: scroll bars always, none (every entry shown), three lines.
    call(swgtyp_, "SCROLL", "LIST");
    const int32_t always = listWidget(wglis_, top, "a|b|c|d|e|f|g|h|i|j|k|l", 1);
    call(swgtyp_, "NOSCROLL", "LIST");
    const int32_t all = listWidget(wglis_, top, "a|b|c|d|e|f|g|h|i|j|k|l", 1);
    call(swgtyp_, "AUTO", "LIST");
    int32_t three = 3;
    swgiop(three, "LIST");
    const int32_t few = listWidget(wglis_, top, "a|b|c|d|e|f|g|h|i|j|k|l", 1);
    for (int32_t id : {always, all, few})
      print("list=", std::to_string(resource(handleOf(id), XmNscrollBarDisplayPolicy) == XmSTATIC) +
                         std::to_string(resource(handleOf(id), XmNlistSizePolicy) == XmCONSTANT) +
                         " " + std::to_string(resource(handleOf(id), XmNvisibleItemCount)));
    // A vertical scale moving by 0.5.
    call(swgtyp_, "VERT", "SCALE");
    float step = 0.5f, lo = 0, hi = 10, v = 2;
    swgstp_(&step);
    int32_t ndez = 1, scale = 0;
    wgscl_(&top, "scale", &lo, &hi, &v, &ndez, &scale, 5);
    print("scale=", std::to_string(resource(handleOf(scale), XmNorientation) == XmVERTICAL) + " " +
                        std::to_string(resource(handleOf(scale), XmNscaleMultiple)));
    // A radio box of five entries in two columns.
    call(swgtyp_, "GRID", "BOX");
    int32_t two = 2;
    swgiop(two, "BOX");
    const int32_t box = listWidget(wgbox_, top, "1|2|3|4|5", 1);
    print("box=", std::to_string(resource(handleOf(box), XmNpacking) == XmPACK_COLUMN) + " " +
                      std::to_string(resource(handleOf(box), XmNnumColumns)));
    // Alignment and margins of labels and buttons.
    const int32_t before = wglab(top, "x");
    call(swgjus_, "RIGHT", "LABEL");
    call(swgjus_, "CENTER", "BUTTON");
    int32_t seven = 7;
    swgmrg(seven, "LEFT");
    const int32_t after = wglab(top, "x");
    int32_t off = 0, toggle = 0;
    wgbut_(&top, "toggle", &off, &toggle, 6);
    print("align=", std::to_string(resource(handleOf(before), XmNalignment) == XmALIGNMENT_BEGINNING) +
                        std::to_string(resource(handleOf(after), XmNalignment) == XmALIGNMENT_END) +
                        std::to_string(resource(handleOf(toggle), XmNalignment) == XmALIGNMENT_CENTER) +
                        " " + std::to_string(resource(handleOf(after), XmNmarginLeft)));
    // Text fields of at most five characters; lists split at ';'.
    int32_t five = 5;
    swgiop(five, "TEXT");
    const int32_t text = wgtxt(top, "abc");
    print("maxlength=", resource(handleOf(text), XmNmaxLength));
    call(swgmix_, ";", "LIST");
    const int32_t semi = listWidget(wgdlis_, top, "x;y;z", 2);
    print("entries=", long(gwgatt(semi, "LIST")));
    // Drawing areas half as high as wide, a quarter of the screen wide.
    float ratio = 0.5f;
    swgdrw_(&ratio);
    int32_t quarter = -25, natural = 0, draw = 0;
    swgwth_(&quarter);
    wgdraw_(&top, &draw);
    swgwth_(&natural);
    print("draw=", std::to_string(resource(handleOf(draw), XmNwidth)) + "x" +
                       std::to_string(resource(handleOf(draw), XmNheight)));
    // Attributes: greyed, hidden, new entries.
    swgatt(text, "INACTIVE", "STATUS");
    swgatt(few, "OFF", "VISIBLE");
    swgatt(semi, "p;q", "LIST");
    print("attributes=", std::to_string(gwgatt(text, "STATUS")) +
                             std::to_string(gwgatt(few, "VISIBLE")) +
                             std::to_string(gwgatt(semi, "LIST")) + " " +
                             std::to_string(XtIsSensitive(handleOf(text))) +
                             std::to_string(XtIsManaged(XtParent(handleOf(few)))) + " " +
                             std::to_string(resource(handleOf(semi), XmNitemCount)));
    swgatt(text, "ON", "STATUS");
    print("active again=", long(XtIsSensitive(handleOf(text))));
    // The window: its menus, place and resizing.
    reawgt_();
    Widget shell = handleOf(top);
    while (!XtIsShell(shell)) shell = XtParent(shell);
    print("place=", std::to_string(resource(shell, XmNx)) + "," + std::to_string(resource(shell, XmNy)));
    print("resize=", long((resource(shell, XmNmwmFunctions) & MWM_FUNC_RESIZE) != 0));
    std::string menus;
    WidgetList children = nullptr;
    Cardinal n = 0;
    XtVaGetValues(widgets::toolkit().menuBars[1], XmNchildren, &children, XmNnumChildren, &n, nullptr);
    for (Cardinal k = 0; k < n; ++k)
      if (XtIsManaged(children[k])) menus += std::string(XtName(children[k])) + ";";
    print("menus=", menus);
    // Refused keywords and values.
    call(swgtyp_, "GRID", "LIST");
    call(swgtyp_, "AUTO", "TABLEAU");
    call(swgjus_, "UP", "LABEL");
    int32_t zero = 0;
    swgiop(zero, "LIST");
    call(swgmix_, "ab", "LIST");
    int32_t minus = -1;
    swgmrg(minus, "TOP");
    float fzero = 0;
    swgdrw_(&fzero);
    swgstp_(&fzero);
    call(swgpop_, "MAYBE");
    const int32_t label = wglab(top, "l");
    swgatt(label, "a|b", "LIST");
    swgatt(top, "OFF", "VISIBLE");
    int32_t bad = 999;
    print("bad id=", long(gwgatt(bad, "STATUS")));
    sendok_();
    wgfin_();
  });
  ASSERT_EQ(child.wait(40), 0) << child.output();
  const std::string& out = child.output();
  EXPECT_EQ(valuesOf(out, "list="), (std::vector<std::string>{"11 8", "00 12", "00 3"})) << out;
  EXPECT_EQ(valuesOf(out, "scale="), std::vector<std::string>{"1 5"});
  EXPECT_EQ(valuesOf(out, "box="), std::vector<std::string>{"1 3"});
  EXPECT_EQ(valuesOf(out, "align="), std::vector<std::string>{"111 7"});
  EXPECT_EQ(valuesOf(out, "maxlength="), std::vector<std::string>{"5"});
  EXPECT_EQ(valuesOf(out, "entries="), std::vector<std::string>{"3"});
  ASSERT_EQ(valuesOf(out, "draw=").size(), 1u) << out;
  const std::string draw = valuesOf(out, "draw=")[0];
  const int w = std::stoi(draw), h = std::stoi(draw.substr(draw.find('x') + 1));
  EXPECT_EQ(w, 1280 / 4) << draw;  // the test server's screen is 1280 wide
  EXPECT_EQ(h, (w + 1) / 2) << draw;
  EXPECT_EQ(valuesOf(out, "attributes="), std::vector<std::string>{"002 00 2"}) << out;
  EXPECT_EQ(valuesOf(out, "active again="), std::vector<std::string>{"1"});
  EXPECT_EQ(valuesOf(out, "place="), std::vector<std::string>{"40,30"});
  EXPECT_EQ(valuesOf(out, "resize="), std::vector<std::string>{"0"});
  EXPECT_EQ(valuesOf(out, "menus="), std::vector<std::string>{"OK;"});
  const std::size_t before = out.find("font refused before=");
  const std::size_t refused = out.find(">>>> Font cannot be loaded (SWGFNT)");
  EXPECT_TRUE(before != std::string::npos && refused != std::string::npos && refused > before) << out;
  EXPECT_EQ(valuesOf(out, ">>>> Font cannot be loaded (SWGFNT)").size(), 1u) << out;
  EXPECT_EQ(valuesOf(out, ">>>> Not allowed parameter (swgtyp)").size(), 2u) << out;
  EXPECT_EQ(valuesOf(out, ">>>> Not allowed parameter (swgjus)").size(), 1u) << out;
  EXPECT_EQ(valuesOf(out, ">>>> Not allowed parameter (swgpop)").size(), 1u) << out;
  EXPECT_EQ(valuesOf(out, ">>>> Parameter is out of range (SWGIOP)").size(), 1u) << out;
  EXPECT_EQ(valuesOf(out, ">>>> Not allowed value (SWGMIX)").size(), 1u) << out;
  EXPECT_EQ(valuesOf(out, ">>>> Parameter is out of range (SWGMRG)").size(), 1u) << out;
  EXPECT_EQ(valuesOf(out, ">>>> Parameter is out of range (SWGDRW)").size(), 1u) << out;
  EXPECT_EQ(valuesOf(out, ">>>> Too small step size (SWGSTP)").size(), 1u) << out;
  EXPECT_EQ(valuesOf(out, ">>>> Not allowed widget type (SWGATT)").size(), 2u) << out;
  EXPECT_EQ(valuesOf(out, ">>>> Not allowed widget ID (GWGATT)").size(), 1u) << out;
  EXPECT_EQ(valuesOf(out, "bad id="), std::vector<std::string>{"-1"});
}

void touch(const char* path) { std::ofstream(path) << "x\n"; }

bool exists(const char* path) { return std::ifstream(path).good(); }

// A plot through setxid draws into the drawing area of a dialog: no window
// of its own, no wait at zanfin, the area shows exactly the PNG picture and
// keeps it.  After wgfin the area is handed back: the next plot opens its
// own window.
TEST_F(WidgetTest, PlotIntoDrawingAreaShowsThePngPicture) {
  Child child([] {
    float ratio = 0.75f;
    swgdrw_(&ratio);
    int32_t top = 0, draw = 0, w = 0, h = 0;
    wgini("VERT", top);
    wgdraw_(&top, &draw);
    reawgt_();
    gwgsiz_(&draw, &w, &h);
    setxid(draw, "WIDGET");
    call(metafl_, "XWIN");
    zanini_();
    drawPicture();
    zanfin_();  // returns at once: the dialog's window shows the plot
    {
      std::ofstream ids("ids");
      ids << gwgxid_(&draw) << ' ' << w << ' ' << h << " end\n";
    }
    for (int k = 0; k < 400 && !exists("grabbed"); ++k) {
      doevnt_();
      usleep(50000);
    }
    sendok_();
    wgfin_();
    // Handed back: the widget has no window now, and a new plot opens its own.
    setxid(draw, "WIDGET");
    call(winmod_, "NONE");
    call(metafl_, "XWIN");
    zanini_();
    int32_t own = 0;
    winid_(&own);
    zanfin_();
    print("own=", long(own));
    print("area=", long(gwgxid_(&draw)));
  });
  const std::vector<std::string> ids = waitForFile("ids", 30);
  ASSERT_EQ(ids.size(), 3u) << child.output();
  const Window area = std::stoul(ids[0]);
  const int w = std::stoi(ids[1]), h = std::stoi(ids[2]);
  EXPECT_EQ(h, int(w * 0.75 + 0.5));
  EXPECT_EQ(findWindow(dpy(), "ZANTOR", 0), 0u) << "the plot opened a window of its own";
  int gw = 0, gh = 0;
  const std::vector<uint8_t> shown = grabWindow(dpy(), area, gw, gh);
  touch("grabbed");
  ASSERT_EQ(child.wait(30), 0) << child.output();
  ASSERT_EQ(gw, w);
  ASSERT_EQ(gh, h);
  const std::vector<uint8_t> png = pngPicture(w, h, "area.png");
  ASSERT_EQ(png.size(), shown.size());
  int differing = 0, coloured = 0;
  for (std::size_t i = 0; i < png.size(); i += 3) {
    differing += png[i] != shown[i] || png[i + 1] != shown[i + 1] || png[i + 2] != shown[i + 2];
    coloured += png[i] != png[i + 1] || png[i + 1] != png[i + 2];
  }
  EXPECT_EQ(differing, 0);
  EXPECT_GT(coloured, 100);  // the picture is not empty
  // What the area showed, for a look: in the test's directory on failure,
  // or in the directory named by ZANTOR_KEEP_PICTURES.
  const char* keep = std::getenv("ZANTOR_KEEP_PICTURES");
  if (differing != 0 || keep != nullptr) {
    std::ofstream ppm(std::string(keep != nullptr ? keep : ".") + "/area_shown.ppm", std::ios::binary);
    ppm << "P6\n" << w << ' ' << h << "\n255\n";
    ppm.write(reinterpret_cast<const char*>(shown.data()), std::streamsize(shown.size()));
  }
  const std::string& out = child.output();
  EXPECT_EQ(valuesOf(out, ">>>> Widget is not realized (SETXID)").size(), 1u) << out;
  ASSERT_EQ(valuesOf(out, "own=").size(), 1u) << out;
  EXPECT_NE(valuesOf(out, "own=")[0], "0");
  EXPECT_NE(valuesOf(out, "own=")[0], ids[0]);
  EXPECT_EQ(valuesOf(out, "area="), std::vector<std::string>{"-1"});
  // Handed back quietly: the next plot does not look for the area again.
  EXPECT_EQ(out.find("does not exist any more"), std::string::npos) << out;
}

// A dialog that ends while a plot still draws into its area, a window id
// that no longer exists, and the ids and keywords setxid refuses.
TEST_F(WidgetTest, SetxidSurvivesWindowsThatGoAway) {
  Child child([] {
    int32_t top = 0, draw = 0;
    wgini("VERT", top);
    wgdraw_(&top, &draw);
    const int32_t label = wglab(top, "label");
    setxid(draw, "WIDGET");  // not realized yet
    setxid(label, "WIDGET");
    setxid(999, "WIDGET");
    setxid(draw, "PANE");
    reawgt_();
    setxid(draw, "WIDGET");
    const long xid = gwgxid_(&draw);
    call(metafl_, "XWIN");
    zanini_();
    drawPicture();
    sendok_();
    wgfin_();  // the area goes while the plot draws
    drawPicture();
    zanfin_();
    print("finished=", 1);
    // The X id of the area that is gone.
    setxid(int32_t(xid), "WINDOW");
    call(winmod_, "NONE");
    call(metafl_, "XWIN");
    zanini_();
    int32_t own = 0;
    winid_(&own);
    zanfin_();
    print("own differs=", long(own != 0 && own != xid));
  });
  ASSERT_EQ(child.wait(30), 0) << child.output();
  const std::string& out = child.output();
  EXPECT_EQ(valuesOf(out, "finished="), std::vector<std::string>{"1"}) << out;
  EXPECT_EQ(valuesOf(out, "own differs="), std::vector<std::string>{"1"}) << out;
  EXPECT_EQ(valuesOf(out, ">>>> Widget is not realized (SETXID)").size(), 1u) << out;
  EXPECT_EQ(valuesOf(out, ">>>> Not allowed widget type (SETXID)").size(), 1u) << out;
  EXPECT_EQ(valuesOf(out, ">>>> Not allowed widget ID (SETXID)").size(), 1u) << out;
  EXPECT_NE(out.find("PANE"), std::string::npos) << out;
  EXPECT_NE(out.find("The window of SETXID does not exist any more"), std::string::npos) << out;
}

}  // namespace
}  // namespace zantor::test
