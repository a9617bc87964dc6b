#include "devices/window/x_windows.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <sys/select.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <vector>

#include "devices/raster/raster.h"
#include "devices/window/gl_picture.h"

namespace zantor {
namespace {

// X errors (a window the user closed meanwhile, a focus request on an
// unmapped window) are noted and ignored: the program never aborts.
int ignoreXError(Display*, XErrorEvent*) { return 0; }

struct XWindowSlot {
  Window win = 0;
  GC gc = nullptr;
  XImage* image = nullptr;       // the back-up image in the screen's format
  std::vector<uint8_t> rgbRow;   // one row of R, G, B bytes
  RasterContext raster;
  std::string title;
  Pixmap keptPicture = 0;        // background of a window kept after zanfin
  bool gl = false;               // a "GL  " window that draws through OpenGL
  bool foreign = false;          // a window of the program (setxid): never created,
                                 // mapped, titled or destroyed here
  std::vector<uint8_t> picture;  // the whole picture as R, G, B rows for OpenGL
};

struct XConnection;
void closeSlot(XConnection& c, XWindowSlot& s);

struct XConnection {
  Display* display = nullptr;
  Atom deleteAtom = 0, protocolsAtom = 0;
  std::array<XWindowSlot, kMaxWindows> slots;
  ~XConnection() {
    // The display connection ends with the program; the windows with it.
    if (display != nullptr) {
      for (XWindowSlot& s : slots) closeSlot(*this, s);
      releaseGlKit(display);
      XCloseDisplay(display);
      display = nullptr;
    }
  }
};

XConnection& conn() {
  static XConnection c;
  return c;
}

XWindowSlot* slot(int n) {
  if (n < 1 || n > kMaxWindows) return nullptr;
  return &conn().slots[n - 1];
}

Bool eventOfWindow(Display*, XEvent* e, XPointer w) {
  return e->xany.window == *reinterpret_cast<Window*>(w);
}

// Events are read only while a window waits: those of a window that no
// longer takes any (closed, or kept without a wait) are dropped, or the
// queue would grow with every plot.
void dropEvents(Display* d, Window w) {
  XSync(d, False);
  XEvent e;
  while (XCheckIfEvent(d, &e, eventOfWindow, reinterpret_cast<XPointer>(&w))) {
  }
}

void closeSlot(XConnection& c, XWindowSlot& s) {
  Display* d = c.display;
  if (s.image != nullptr) {
    XDestroyImage(s.image);
    s.image = nullptr;
  }
  if (d != nullptr && s.gc != nullptr) XFreeGC(d, s.gc);
  s.gc = nullptr;
  if (d != nullptr && s.keptPicture != 0) XFreePixmap(d, s.keptPicture);
  s.keptPicture = 0;
  s.gl = false;
  std::vector<uint8_t>().swap(s.picture);
  if (d != nullptr && s.win != 0 && !s.foreign) {
    XUnmapWindow(d, s.win);
    XDestroyWindow(d, s.win);
    dropEvents(d, s.win);
  }
  s.win = 0;
  s.foreign = false;
  s.title.clear();
  s.raster.qqvfin();
}

bool ensureDisplay() {
  XConnection& c = conn();
  if (c.display != nullptr) return true;
  c.display = XOpenDisplay(nullptr);
  if (c.display == nullptr) return false;
  XSetErrorHandler(ignoreXError);
  c.deleteAtom = XInternAtom(c.display, "WM_DELETE_WINDOW", False);
  c.protocolsAtom = XInternAtom(c.display, "WM_PROTOCOLS", False);
  return true;
}

// Position of the lowest set bit and the width of a colour mask.
void maskShift(unsigned long mask, int& shift, int& bits) {
  shift = 0;
  bits = 0;
  if (mask == 0) return;
  while (((mask >> shift) & 1) == 0) ++shift;
  while (((mask >> (shift + bits)) & 1) != 0) ++bits;
}

unsigned long scaleTo(uint8_t v, int shift, int bits) {
  unsigned long x = bits >= 8 ? (unsigned long)v << (bits - 8) : (unsigned long)v >> (8 - bits);
  return x << shift;
}

// Converts the raster into the window's XImage.
void convertImage(XWindowSlot& s) {
  XImage* im = s.image;
  const int w = im->width, h = im->height;
  s.rgbRow.resize(std::size_t(w) * 3);
  int rs, rb, gs, gb, bs, bb;
  maskShift(im->red_mask, rs, rb);
  maskShift(im->green_mask, gs, gb);
  maskShift(im->blue_mask, bs, bb);
  const uint16_t one = 1;
  const int hostOrder = *reinterpret_cast<const uint8_t*>(&one) == 1 ? LSBFirst : MSBFirst;
  const bool fast = im->bits_per_pixel == 32 && rb == 8 && gb == 8 && bb == 8 &&
                    im->byte_order == hostOrder;
  for (int y = 0; y < h; ++y) {
    s.raster.readRow(s.rgbRow.data(), 0, y, w, true);
    const uint8_t* p = s.rgbRow.data();
    if (fast) {
      auto* out = reinterpret_cast<uint32_t*>(im->data + std::size_t(y) * im->bytes_per_line);
      for (int x = 0; x < w; ++x, p += 3)
        out[x] = uint32_t(p[0]) << rs | uint32_t(p[1]) << gs | uint32_t(p[2]) << bs;
    } else {
      for (int x = 0; x < w; ++x, p += 3)
        XPutPixel(im, x, y, scaleTo(p[0], rs, rb) | scaleTo(p[1], gs, gb) | scaleTo(p[2], bs, bb));
    }
  }
}

void putImage(XWindowSlot& s, int x, int y, int w, int h) {
  if (s.image == nullptr) return;
  XPutImage(conn().display, s.win, s.gc, s.image, x, y, x, y, unsigned(w), unsigned(h));
}

// Shows a part of the picture: an OpenGL window draws all of it (from the
// copy made when it was last shown), the others copy the part.
void present(XWindowSlot& s, int x, int y, int w, int h) {
  if (s.gl && s.image != nullptr && !s.picture.empty()) {
    if (drawGlPicture(conn().display, s.win, s.picture.data(), s.image->width, s.image->height))
      return;
    s.gl = false;  // reported; the plain way from now on
  }
  putImage(s, x, y, w, h);
}

// The picture of the raster context as R, G, B rows for OpenGL.
void copyPicture(XWindowSlot& s) {
  const int w = s.image->width, h = s.image->height;
  s.picture.resize(std::size_t(w) * std::size_t(h) * 3);
  for (int y = 0; y < h; ++y)
    s.raster.readRow(s.picture.data() + std::size_t(y) * std::size_t(w) * 3, 0, y, w, true);
}

// Keeps the picture of a window that stays on the screen without a
// program reading its events: the server redraws it from a pixmap.
void keepPicture(XWindowSlot& s) {
  Display* d = conn().display;
  XWindowAttributes a;
  if (s.image == nullptr || !XGetWindowAttributes(d, s.win, &a)) return;
  s.keptPicture = XCreatePixmap(d, s.win, unsigned(s.image->width), unsigned(s.image->height),
                                unsigned(a.depth));
  XPutImage(d, s.keptPicture, s.gc, s.image, 0, 0, 0, 0, unsigned(s.image->width),
            unsigned(s.image->height));
  XSetWindowBackgroundPixmap(d, s.win, s.keptPicture);
  XClearWindow(d, s.win);
  XSelectInput(d, s.win, NoEventMask);  // the server repaints it alone
  dropEvents(d, s.win);
}

bool endsWait(const XEvent& e, int key) {
  if (e.type == ButtonPress) return e.xbutton.button == Button2 || e.xbutton.button == Button3;
  if (e.type == KeyPress) {
    XKeyEvent k = e.xkey;
    const KeySym sym = XLookupKeysym(&k, 0);
    if (key == 1) return sym == XK_Return || sym == XK_KP_Enter;
    if (key == 2) return sym == XK_Escape;
  }
  return false;
}

// The open window with the X id w, or null.
XWindowSlot* slotOf(Window w) {
  for (XWindowSlot& s : conn().slots)
    if (s.win != 0 && s.win == w) return &s;
  return nullptr;
}

// Answers the events of window s until the user ends the wait (or, with a
// limit, until the time is up).  Returns when the window was closed by the
// window manager as well.  The other windows of the plot are redrawn on
// expose meanwhile, and a button or key in them ends the wait too.
void eventLoop(XWindowSlot& s, int key, double limitSeconds) {
  Display* d = conn().display;
  using Clock = std::chrono::steady_clock;
  const auto end = Clock::now() + std::chrono::duration<double>(limitSeconds);
  const int fd = ConnectionNumber(d);
  for (;;) {
    while (XPending(d) > 0) {
      XEvent e;
      XNextEvent(d, &e);
      XWindowSlot* w = slotOf(e.xany.window);
      if (w == nullptr) continue;
      if (e.type == Expose) {
        present(*w, e.xexpose.x, e.xexpose.y, e.xexpose.width, e.xexpose.height);
      } else if (e.type == ClientMessage && e.xclient.message_type == conn().protocolsAtom &&
                 Atom(e.xclient.data.l[0]) == conn().deleteAtom) {
        if (w == &s) return;
      } else if (limitSeconds < 0 && endsWait(e, key)) {
        return;
      }
    }
    XFlush(d);
    double waitSeconds = 1.0;
    if (limitSeconds >= 0) {
      waitSeconds = std::chrono::duration<double>(end - Clock::now()).count();
      if (waitSeconds <= 0) return;
    }
    fd_set fds;
    FD_ZERO(&fds);
    FD_SET(fd, &fds);
    timeval tv{};
    tv.tv_sec = static_cast<long>(waitSeconds);
    tv.tv_usec = static_cast<long>((waitSeconds - double(tv.tv_sec)) * 1e6);
    select(fd + 1, &fds, nullptr, nullptr, &tv);
  }
}

}  // namespace

namespace {

// The back-up image of slot s in the screen's format, w x h pixels.
bool createImage(XWindowSlot& s, Display* d, int screen, int w, int h) {
  s.image = XCreateImage(d, DefaultVisual(d, screen), unsigned(DefaultDepth(d, screen)), ZPixmap,
                         0, nullptr, unsigned(w), unsigned(h), 32, 0);
  if (s.image == nullptr) return false;
  s.image->data = static_cast<char*>(std::calloc(std::size_t(s.image->bytes_per_line), std::size_t(h)));
  if (s.image->data == nullptr) {
    XDestroyImage(s.image);
    s.image = nullptr;
  }
  return s.image != nullptr;
}

// Window n draws into the program's window `foreign` (setxid): its size is
// the window's own (asked for at zanini), and it gets no title, hints or mapping from us.
bool adoptWindow(XWindowSlot& s, Window foreign, int w, int h) {
  XConnection& c = conn();
  Display* d = c.display;
  XWindowAttributes a;
  if (!XGetWindowAttributes(d, foreign, &a) || a.c_class != InputOutput ||
      a.depth != DefaultDepth(d, DefaultScreen(d))) {
    closeSlot(c, s);
    return false;
  }
  s.win = foreign;
  s.foreign = true;
  s.gl = false;  // drawn the plain way: the window's visual is not ours
  s.gc = XCreateGC(d, foreign, 0, nullptr);
  const bool ok = createImage(s, d, DefaultScreen(d), w, h);
  XFlush(d);
  return ok;
}

}  // namespace

bool foreignWindowSize(unsigned long id, int& w, int& h) {
  if (id == 0 || !ensureDisplay()) return false;
  Display* d = conn().display;
  XWindowAttributes a;
  XSync(d, False);  // the window may have been made by another connection just now
  if (!XGetWindowAttributes(d, Window(id), &a) || a.c_class != InputOutput) return false;
  w = a.width;
  h = a.height;
  return w >= 1 && h >= 1;
}

void forgetForeignWindow(unsigned long id) {
  XConnection& c = conn();
  if (id == 0 || c.display == nullptr) return;
  for (XWindowSlot& s : c.slots) {
    if (!s.foreign || s.win != Window(id)) continue;
    // A plot still drawing keeps its back-up image; only the window goes.
    if (s.image != nullptr) XDestroyImage(s.image);
    s.image = nullptr;
    if (s.gc != nullptr) XFreeGC(c.display, s.gc);
    s.gc = nullptr;
    if (s.keptPicture != 0) XFreePixmap(c.display, s.keptPicture);
    s.keptPicture = 0;
    dropEvents(c.display, s.win);
    s.win = 0;
    s.foreign = false;
  }
}

bool openXWindow(int n, int x, int y, int w, int h, bool placed, bool openGl,
                 unsigned long foreign) {
  XWindowSlot* s = slot(n);
  if (s == nullptr || w < 1 || h < 1 || !ensureDisplay()) return false;
  closeXWindow(n);
  XConnection& c = conn();
  Display* d = c.display;
  if (foreign != 0) return adoptWindow(*s, Window(foreign), w, h);
  const int screen = DefaultScreen(d);
  XSetWindowAttributes a{};
  a.background_pixel = BlackPixel(d, screen);
  a.event_mask = ExposureMask | ButtonPressMask | KeyPressMask | StructureNotifyMask;
  // An OpenGL window needs the visual of its context; without one it is
  // an ordinary window.
  const GlKit* gl = openGl ? glKit(d, screen) : nullptr;
  s->gl = gl != nullptr;
  if (gl != nullptr) {
    a.colormap = gl->colormap;
    a.background_pixel = 0;
    a.border_pixel = 0;
    s->win = XCreateWindow(d, RootWindow(d, screen), x, y, unsigned(w), unsigned(h), 0,
                           gl->visual->depth, InputOutput, gl->visual->visual,
                           CWBackPixel | CWBorderPixel | CWColormap | CWEventMask, &a);
  } else {
    s->win = XCreateWindow(d, RootWindow(d, screen), x, y, unsigned(w), unsigned(h), 0,
                           CopyFromParent, InputOutput, CopyFromParent, CWBackPixel | CWEventMask,
                           &a);
  }
  if (s->win == 0) {
    closeSlot(c, *s);
    return false;
  }
  XSizeHints hints{};
  hints.flags = placed ? (USPosition | USSize) : PSize;
  hints.x = x;
  hints.y = y;
  hints.width = w;
  hints.height = h;
  XSetWMNormalHints(d, s->win, &hints);
  XSetWMProtocols(d, s->win, &c.deleteAtom, 1);
  s->gc = XCreateGC(d, s->win, 0, nullptr);
  createImage(*s, d, screen, w, h);
  setXWindowTitle(n, s->gl ? "ZANTOR GL" : "ZANTOR");
  XMapRaised(d, s->win);
  XFlush(d);
  return s->image != nullptr;
}

bool xWindowOpen(int n) {
  XWindowSlot* s = slot(n);
  return s != nullptr && s->win != 0;
}

RasterContext& xWindowRaster(int n) { return slot(n)->raster; }

void showXWindow(int n) {
  XWindowSlot* s = slot(n);
  if (s == nullptr || s->win == 0 || s->image == nullptr || !s->raster.allocated()) return;
  convertImage(*s);
  if (s->gl) copyPicture(*s);
  present(*s, 0, 0, s->image->width, s->image->height);
  XFlush(conn().display);
}

void setXWindowTitle(int n, const std::string& title) {
  XWindowSlot* s = slot(n);
  if (s == nullptr || s->win == 0) return;
  s->title = title;
  if (s->foreign) return;  // the program's window keeps its own name
  XStoreName(conn().display, s->win, title.c_str());
  XFlush(conn().display);
}

std::string xWindowTitle(int n) {
  XWindowSlot* s = slot(n);
  return s == nullptr ? std::string() : s->title;
}

unsigned long xWindowId(int n) {
  XWindowSlot* s = slot(n);
  return s == nullptr ? 0 : s->win;
}

void finishXWindow(int n, int mode, int key, int delaySeconds) {
  XWindowSlot* s = slot(n);
  if (s == nullptr) return;
  if (s->win == 0) {  // the window was handed back while the plot drew
    s->raster.qqvfin();
    return;
  }
  showXWindow(n);
  if (s->foreign) {
    // No wait in the program's window: its picture stays as the window's
    // background, which the server repaints by itself; the window is
    // forgotten, not destroyed.
    keepPicture(*s);
    XSync(conn().display, False);
    closeSlot(conn(), *s);
    return;
  }
  const std::string base = s->title;
  if (mode == 4) {
    setXWindowTitle(n, base + " / Delay time " + std::to_string(delaySeconds) + " seconds");
    eventLoop(*s, key, delaySeconds);
  } else if (mode == 0 || mode == 1 || mode == 5) {
    static const char* const kHints[3] = {" / Click MB2 or MB3 to continue ...",
                                          " / Click MB2 or MB3 or RETURN to continue ...",
                                          " / Click MB2 or MB3 or ESC to continue ..."};
    setXWindowTitle(n, base + kHints[key >= 0 && key <= 2 ? key : 0]);
    eventLoop(*s, key, -1.0);
  }
  if (mode == 2) {
    // Not waiting, the window stays with its picture until it is opened
    // again or the program ends.
    setXWindowTitle(n, base);
    keepPicture(*s);
    if (s->image != nullptr) {
      XDestroyImage(s->image);  // frees the pixel buffer as well
      s->image = nullptr;
    }
    s->raster.qqvfin();
    return;
  }
  closeXWindow(n);
}

void closeXWindow(int n) {
  if (XWindowSlot* s = slot(n)) closeSlot(conn(), *s);
}

void hideXWindow(int n, bool hide) {
  XWindowSlot* s = slot(n);
  if (s == nullptr || s->win == 0) return;
  Display* d = conn().display;
  if (hide) {
    XUnmapWindow(d, s->win);
  } else {
    // Mapped at once without a window manager; with one, the expose of
    // the next wait repaints it.
    XMapRaised(d, s->win);
    XSync(d, False);
    if (s->image != nullptr) present(*s, 0, 0, s->image->width, s->image->height);
  }
  XFlush(d);
}

void syncXDisplay() {
  if (conn().display != nullptr) XSync(conn().display, False);
}

}  // namespace zantor
