#include "devices/window/window_device.h"

#include <cstdio>

#include "core/state.h"
#include "devices/raster/raster.h"
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
    : RasterDevice(code, xWindowRaster(windowNumber(code))), window_(windowNumber(code)) {}

int WindowDevice::start() {
  Zanglb& g = zanglb;
  if (!openXWindow(window_, g.nxwind, g.nywind, g.nwwind, g.nhwind, g.iwind == 1) ||
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
  finishXWindow(window_, g.iwinmd, g.ikeyop, g.iwinsc);
  return 0;
}

}  // namespace zantor
