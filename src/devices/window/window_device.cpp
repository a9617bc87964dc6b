#include "devices/window/window_device.h"

#include <cstdio>

#include "core/state.h"
#include "devices/raster/raster.h"
#include "devices/window/foreign_window.h"
#include "devices/window/x_windows.h"

namespace zantor {
namespace {

// While a plot is drawn no events are read; the picture is copied to the
// window at most this often from the flushes of the line pipeline (and at
// once by sendbf, erase and zanfin), so that large plots do not spend
// their time converting images.
constexpr auto kShowInterval = std::chrono::milliseconds(100);

int windowNumber(int code) { return (code >= 72 && code <= 79) ? code - 71 : 1; }

}  // namespace

WindowDevice::WindowDevice(int code)
    : RasterDevice(code, xWindowRaster(windowNumber(code))),
      window_(windowNumber(code)),
      first_(window_),
      openGl_(code == 81) {}

int WindowDevice::start() {
  Zanglb& g = zanglb;
  if (!openXWindow(window_, g.nxwind, g.nywind, g.nwwind, g.nhwind, g.iwind == 1, openGl_,
                   adoptedForeignWindow()) ||
      RasterDevice::start() != 0) {
    closeXWindow(window_);
    std::fflush(stdout);
    std::puts(" <<<< Not enough memory for windows output!");
    std::fflush(stdout);
    return -2;
  }
  g.ndepth = raster().trueColour() ? 24 : 8;
  showXWindow(window_);
  lastShown_ = std::chrono::steady_clock::now();
  return 0;
}

void WindowDevice::flush() {
  RasterDevice::flush();
  const auto now = std::chrono::steady_clock::now();
  if (now - lastShown_ >= kShowInterval) {
    showXWindow(window_);
    lastShown_ = now;
  }
}

void WindowDevice::toScreen() {
  RasterDevice::flush();
  showXWindow(window_);
  lastShown_ = std::chrono::steady_clock::now();
}

void WindowDevice::erase() {
  RasterDevice::erase();
  toScreen();
}

int WindowDevice::finish() {
  RasterDevice::flush();
  const Zanglb& g = zanglb;
  // The other windows are shown while the current one waits, then closed
  // with it (or kept with it when the plot does not wait).
  for (int n = 1; n <= kMaxWindows; ++n)
    if (n != window_ && xWindowOpen(n)) showXWindow(n);
  finishXWindow(window_, g.iwinmd, g.ikeyop, g.iwinsc);
  for (int n = 1; n <= kMaxWindows; ++n)
    if (n != window_ && xWindowOpen(n)) finishXWindow(n, g.iwinmd == 2 ? 2 : 3, 0, 0);
  return 0;
}

namespace {
std::string windowText(int n, const char* what) {
  return "Window " + std::to_string(n) + what;
}
}  // namespace

void WindowDevice::switchTo(int n) {
  RasterContext& from = raster();
  from.flush();
  showXWindow(window_);
  xWindowRaster(n).copyPenFrom(from);
  useRaster(xWindowRaster(n));
  window_ = n;
  zanglb.iwinid = n;
  lastShown_ = std::chrono::steady_clock::now();
}

std::string WindowDevice::openWindow(int n) {
  if (xWindowOpen(n)) return windowText(n, " is already open");
  const Zanglb& g = zanglb;
  const bool placed = g.iwind == 1;
  if (!openXWindow(n, placed ? g.nxusrw : 0, placed ? g.nyusrw : 0, g.nwwind, g.nhwind, placed) ||
      startRaster(xWindowRaster(n)) != 0) {
    closeXWindow(n);
    return windowText(n, " cannot be opened");
  }
  switchTo(n);
  showXWindow(n);
  return "";
}

std::string WindowDevice::selectWindow(int n) {
  if (!xWindowOpen(n)) return windowText(n, " is not open");
  if (n != window_) switchTo(n);
  return "";
}

std::string WindowDevice::closeWindow(int n) {
  if (n == first_) return windowText(n, " cannot be closed");
  if (!xWindowOpen(n)) return windowText(n, " is not open");
  if (n == window_) switchTo(first_);
  closeXWindow(n);
  return "";
}

std::string WindowDevice::hideWindow(int n, bool hide) {
  if (!xWindowOpen(n)) return windowText(n, " is not open");
  if (n == window_) toScreen();
  hideXWindow(n, hide);
  return "";
}

}  // namespace zantor
