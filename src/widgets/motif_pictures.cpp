// Pixmaps of pictures, the widgets that show them, and the menu variants.
#include "widgets/motif_pictures.h"

#include <Xm/CascadeB.h>
#include <Xm/LabelP.h>
#include <Xm/PushB.h>
#include <Xm/RowColumn.h>
#include <Xm/ToggleB.h>

#include <bit>
#include <cstdlib>
#include <unordered_map>

#include "widgets/motif_internal.h"

namespace zantor::widgets {
namespace {

WidgetRecord& rec(int32_t id) { return layer().records[std::size_t(id) - 1]; }
Widget& handle(int32_t id) { return layer().handles[std::size_t(id) - 1]; }

// Explicit colours 0x01BBGGRR -> pixel values of the widget's visual: from
// the channel masks of a true-colour visual, else allocated in the colour
// map (once per colour).
class PixelMapper {
 public:
  PixelMapper(Display* d, Visual* v, Colormap cmap) : d_(d), v_(v), cmap_(cmap) {}
  unsigned long operator()(int32_t colour) {
    const unsigned r = colour & 0xFF, g = (colour >> 8) & 0xFF, b = (colour >> 16) & 0xFF;
    if (v_->c_class == TrueColor || v_->c_class == DirectColor)
      return channel(r, v_->red_mask) | channel(g, v_->green_mask) | channel(b, v_->blue_mask);
    const auto known = cache_.find(colour);
    if (known != cache_.end()) return known->second;
    XColor c{};
    c.red = uint16_t(r * 257);
    c.green = uint16_t(g * 257);
    c.blue = uint16_t(b * 257);
    c.flags = DoRed | DoGreen | DoBlue;
    const unsigned long pixel = XAllocColor(d_, cmap_, &c) != 0 ? c.pixel : BlackPixel(d_, DefaultScreen(d_));
    cache_.emplace(colour, pixel);
    return pixel;
  }

 private:
  static unsigned long channel(unsigned byte, unsigned long mask) {
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    const unsigned long top = mask >> shift;
    return ((byte * top + 127) / 255) << shift;
  }
  Display* d_;
  Visual* v_;
  Colormap cmap_;
  std::unordered_map<int32_t, unsigned long> cache_;
};

bool pixmapFailed = false;
int notePixmapError(Display*, XErrorEvent*) {
  pixmapFailed = true;
  return 0;
}

// The picture as a pixmap of the widget's depth; 0 and 1 take the
// widget's background and foreground.  0 when the server refuses it.
Pixmap makePixmap(Widget w, const Picture& pic) {
  Display* d = XtDisplay(w);
  Screen* screen = XtScreen(w);
  Pixel background = 0, foreground = 0;
  Colormap cmap = 0;
  Cardinal depth = 0;
  XtVaGetValues(w, XmNbackground, &background, XmNforeground, &foreground, XmNcolormap, &cmap,
                XmNdepth, &depth, nullptr);
  Visual* visual = DefaultVisualOfScreen(screen);
  const unsigned width = unsigned(pic.width), height = unsigned(pic.height);
  XImage* image = XCreateImage(d, visual, depth, ZPixmap, 0, nullptr, width, height, 32, 0);
  if (image == nullptr) return 0;
  image->data = static_cast<char*>(std::malloc(std::size_t(image->bytes_per_line) * height));
  if (image->data == nullptr) {
    XDestroyImage(image);
    return 0;
  }
  PixelMapper pixelOf(d, visual, cmap);
  for (unsigned y = 0; y < height; ++y)
    for (unsigned x = 0; x < width; ++x) {
      const int32_t v = pic.pixels[std::size_t(y) * width + x];
      XPutPixel(image, int(x), int(y), v == 0 ? background : v == 1 ? foreground : pixelOf(v));
    }
  // A pixmap the server cannot hold is an error event, not a return
  // value: it is caught here instead of ending the program.
  XSync(d, False);
  pixmapFailed = false;
  XErrorHandler previous = XSetErrorHandler(notePixmapError);
  Pixmap pm = XCreatePixmap(d, RootWindowOfScreen(screen), width, height, depth);
  GC gc = XCreateGC(d, pm, 0, nullptr);
  XPutImage(d, pm, gc, image, 0, 0, 0, 0, width, height);
  XFreeGC(d, gc);
  XSync(d, False);
  if (pixmapFailed) {
    XFreePixmap(d, pm);
    XSync(d, False);
    pm = 0;
  }
  XSetErrorHandler(previous);
  XDestroyImage(image);  // frees the pixel data too
  return pm;
}

void freePixmap(Widget w, XtPointer pixmap, XtPointer) {
  XFreePixmap(XtDisplay(w), Pixmap(reinterpret_cast<uintptr_t>(pixmap)));
}

// A push button showing a picture: the callback learns where in the
// picture the button was released (1-based column and row, 0 0 when
// pressed from the keyboard or outside the picture).
void onPicturePush(Widget w, XtPointer data, XtPointer call) {
  const XEvent* e = static_cast<XmPushButtonCallbackStruct*>(call)->event;
  int32_t column = 0, row = 0;
  if (e != nullptr && (e->type == ButtonPress || e->type == ButtonRelease)) {
    const XmLabelPart& lab = reinterpret_cast<XmLabelWidget>(w)->label;
    const int x = e->xbutton.x - lab.TextRect.x - lab.PixmapRect.x;
    const int y = e->xbutton.y - lab.TextRect.y - lab.PixmapRect.y;
    if (x >= 0 && y >= 0 && x < lab.PixmapRect.width && y < lab.PixmapRect.height) {
      column = x + 1;
      row = y + 1;
    }
  }
  runCallback(idOf(data), column, row);
}

void onToggleEntry(Widget, XtPointer data, XtPointer call) {
  const int32_t id = idOf(data);
  rec(id).ival = static_cast<XmToggleButtonCallbackStruct*>(call)->set ? 1 : 0;
  runCallback(id);
}

}  // namespace

bool createPictureWidget(int32_t id, const Picture& picture, std::string_view caption,
                         std::string_view routine) {
  const WidgetRecord& r = rec(id);
  Widget parent = handle(r.parent);
  if (parent == nullptr) return false;
  Arg args[12];
  const Cardinal n = childPlacement(r.parent, args, 12);
  const bool push = r.type == kPushIcon || r.type == kPushImage;
  Widget w = push ? XmCreatePushButton(parent, const_cast<char*>("picture"), args, n)
                  : XmCreateLabel(parent, const_cast<char*>("picture"), args, n);
  const Pixmap pm = makePixmap(w, picture);
  if (pm == 0) {
    XtDestroyWidget(w);
    widgetError("Cannot create pixmap", routine);
    return false;
  }
  XtAddCallback(w, XmNdestroyCallback, freePixmap, reinterpret_cast<XtPointer>(uintptr_t(pm)));
  if (caption.empty()) {
    XtVaSetValues(w, XmNlabelType, XmPIXMAP, XmNlabelPixmap, pm, nullptr);
  } else {
    XmText s(caption);
    XtVaSetValues(w, XmNlabelType, XmPIXMAP_AND_STRING, XmNlabelPixmap, pm, XmNlabelString,
                  static_cast<XmString>(s), XmNpixmapPlacement, XmPIXMAP_TOP, nullptr);
  }
  if (push) XtAddCallback(w, XmNactivateCallback, onPicturePush, idData(id));
  XtManageChild(w);
  handle(id) = w;
  return true;
}

bool createMenuButton(int32_t id) {
  const WidgetRecord& r = rec(id);
  Widget parent = handle(r.parent);
  if (parent == nullptr) return false;
  Arg args[12];
  const Cardinal n = childPlacement(r.parent, args, 12);
  // A menu bar of one button, placed like any other child.
  Widget bar = XmCreateMenuBar(parent, const_cast<char*>("popupbar"), args, n);
  Widget menu = XmCreatePulldownMenu(bar, const_cast<char*>("popup"), nullptr, 0);
  XmText s(fromUnicode(r.text));
  XtVaCreateManagedWidget("cascade", xmCascadeButtonWidgetClass, bar, XmNlabelString,
                          static_cast<XmString>(s), XmNsubMenuId, menu, nullptr);
  XtManageChild(bar);
  handle(id) = menu;  // the entries go into the menu, as for wgpop
  return true;
}

bool createToggleEntry(int32_t id, std::string_view label) {
  Widget menu = handle(rec(id).parent);
  if (menu == nullptr) return false;
  XmText s(label);
  Widget w = XtVaCreateManagedWidget("entry", xmToggleButtonWidgetClass, menu, XmNlabelString,
                                     static_cast<XmString>(s), XmNset,
                                     rec(id).ival != 0 ? XmSET : XmUNSET, XmNvisibleWhenOff, True,
                                     nullptr);
  XtAddCallback(w, XmNvalueChangedCallback, onToggleEntry, idData(id));
  handle(id) = w;
  return true;
}

}  // namespace zantor::widgets
