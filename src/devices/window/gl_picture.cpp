#include "devices/window/gl_picture.h"

#include <GL/gl.h>
#include <GL/glx.h>

#include <string_view>

#include "core/warnings.h"

namespace zantor {
namespace {

GlKit kit;

void report(std::string_view text) {
  qqserr(text);
  warnin(181);
}

XVisualInfo* chooseVisual(Display* d, int screen) {
  int attributes[] = {GLX_RGBA, GLX_RED_SIZE, 8, GLX_GREEN_SIZE, 8, GLX_BLUE_SIZE, 8, None};
  XVisualInfo* vi = glXChooseVisual(d, screen, attributes);
  if (vi == nullptr) {
    report("No Visual available for OPENGL");
    return nullptr;
  }
  if (vi->c_class != TrueColor) {
    report("Expecting TrueColor visual for OPENGL");
    XFree(vi);
    return nullptr;
  }
  return vi;
}

}  // namespace

bool glxOnDisplay() {
  // Once known, the answer holds for the process: every connection that
  // asks leaves some of the GLX client's data behind.
  static bool offered = false;
  if (offered) return true;
  Display* d = XOpenDisplay(nullptr);
  if (d == nullptr) return false;
  int errorBase = 0, eventBase = 0;
  offered = glXQueryExtension(d, &errorBase, &eventBase) != False;
  XCloseDisplay(d);
  return offered;
}

const GlKit* glKit(Display* d, int screen) {
  if (kit.context != nullptr) return &kit;
  XVisualInfo* vi = chooseVisual(d, screen);
  if (vi == nullptr) return nullptr;
  GLXContext c = glXCreateContext(d, vi, nullptr, True);
  if (c == nullptr) {
    report("Can't create an OPENGL rendering context");
    XFree(vi);
    return nullptr;
  }
  kit.visual = vi;
  kit.context = c;
  kit.colormap = XCreateColormap(d, RootWindow(d, screen), vi->visual, AllocNone);
  return &kit;
}

void releaseGlKit(Display* d) {
  if (kit.context == nullptr) return;
  glXMakeCurrent(d, None, nullptr);
  glXDestroyContext(d, static_cast<GLXContext>(kit.context));
  XFreeColormap(d, kit.colormap);
  XFree(kit.visual);
  kit = GlKit{};
}

bool drawGlPicture(Display* d, Window win, const uint8_t* rgb, int w, int h) {
  if (kit.context == nullptr || !glXMakeCurrent(d, win, static_cast<GLXContext>(kit.context))) {
    report("No rendering context available for OPENGL");
    return false;
  }
  glViewport(0, 0, w, h);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  // The picture's top row goes to the top of the window: drawn from the
  // upper left corner downwards.
  glRasterPos2f(-1.0f, 1.0f);
  glPixelZoom(1.0f, -1.0f);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glDrawPixels(w, h, GL_RGB, GL_UNSIGNED_BYTE, rgb);
  glFinish();
  // Released at once: the window may be destroyed before the next picture.
  glXMakeCurrent(d, None, nullptr);
  return true;
}

}  // namespace zantor
