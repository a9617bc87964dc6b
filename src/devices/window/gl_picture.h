// The OpenGL window ("GL  "): the picture of the back-up image is drawn
// into the window through GLX instead of being copied with the X server's
// image requests.  Every step that fails is reported, and the window then
// shows its picture the plain way.
#pragma once
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdint>

namespace zantor {

// Whether the display offers GLX.
bool glxOnDisplay();

// What every OpenGL window of a display shares: an RGBA TrueColor visual,
// its colour map and one rendering context.  Made at the first OpenGL
// window and kept with the connection (a context per window would leave
// some of the GLX client's data behind each time); null after the report
// of what failed.
struct GlKit {
  XVisualInfo* visual = nullptr;
  Colormap colormap = 0;
  void* context = nullptr;
};
const GlKit* glKit(Display* d, int screen);
// Before the connection closes.
void releaseGlKit(Display* d);

// Draws w x h pixels (rows of R, G, B bytes, top row first) into the
// window; false, after the report, when the context cannot be made
// current there.
bool drawGlPicture(Display* d, Window win, const uint8_t* rgb, int w, int h);

}  // namespace zantor
