// The screen devices 72..80 ("XWIN", "XWI1".."XWI8", "XWND"): drawing goes
// into the back-up image of the current window through the raster writer
// and is copied to the window; zanfin waits as winmod and winkey say.
// A plot may open further windows and switch between them.
#pragma once
#include <chrono>
#include <string>

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

  // Further windows of the plot, of the plot window's size (opnwin,
  // selwin, clswin, hidwin); the texts of their errors, or "" when done.
  std::string openWindow(int n);
  std::string selectWindow(int n);
  std::string closeWindow(int n);
  std::string hideWindow(int n, bool hide);
  int window() const { return window_; }

 private:
  void switchTo(int n);
  int window_;
  int first_;  // the window zanini opened, closed only by zanfin
  bool openGl_;  // "GL  ": the picture is drawn through OpenGL
  std::chrono::steady_clock::time_point lastShown_{};
};

}  // namespace zantor
