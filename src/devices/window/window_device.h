// The screen devices 72..80 ("XWIN", "XWI1".."XWI8", "XWND"): drawing goes
// into the back-up image of the current window through the raster writer
// and is copied to the window; zanfin waits as winmod and winkey say.
#pragma once
#include <chrono>

#include "devices/raster/raster_device.h"

namespace zantor {

class WindowDevice : public RasterDevice {
 public:
  explicit WindowDevice(int code);
  // Opens the window and its back-up image: 0, or -2 (with the message
  // about memory for windows output) when either cannot be created.
  int start() override;
  void flush() override;
  void toScreen() override;
  void erase() override;
  int finish() override;
  bool wroteFile() const override { return false; }

 private:
  int window_;
  std::chrono::steady_clock::time_point lastShown_{};
};

}  // namespace zantor
