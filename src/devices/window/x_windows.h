// The windows on the X display: up to eight numbered windows, each with a
// raster context as its back-up image.  Events are only read inside the
// waiting routine; drawing is copied to the window when it is shown.
#pragma once
#include <string>

namespace zantor {

class RasterContext;

constexpr int kMaxWindows = 8;

// Opens the display (once) and creates window n (1..8) at the given
// position and size; `placed` says whether the position was given.  An
// open window n is closed first.  Returns false when the display cannot be
// opened or the window cannot be created.
// With `foreign` (an X window id of the program, setxid) no window is
// created: window n draws into that one at its size, and zanfin neither
// waits for it nor destroys it.
bool openXWindow(int n, int x, int y, int w, int h, bool placed, bool openGl = false,
                 unsigned long foreign = 0);
// The size of an existing window of the display; false when there is no
// such window (or no display).
bool foreignWindowSize(unsigned long id, int& w, int& h);
// The program's window `id` goes away: a plot drawing into it keeps its
// picture in memory but no longer touches the window.
void forgetForeignWindow(unsigned long id);
bool xWindowOpen(int n);
// The back-up image of window n (1..8).
RasterContext& xWindowRaster(int n);
// Copies the back-up image of window n to the screen and flushes.
void showXWindow(int n);
void setXWindowTitle(int n, const std::string& title);
std::string xWindowTitle(int n);
// The X window id of window n, 0 when it is not open.
unsigned long xWindowId(int n);
// Ends the picture of window n: waits in the given mode (0 FULL, 1 NOER,
// 2 NONE, 3 NOHO, 4 DELA, 5 NOMB) for a button 2 or 3 press or the key
// (1 Return, 2 Escape), then closes the window, or (NONE) keeps it on the
// screen with its picture.
void finishXWindow(int n, int mode, int key, int delaySeconds);
void closeXWindow(int n);
// Unmaps (hide) or maps window n again; its picture is kept.
void hideXWindow(int n, bool hide);
// Waits until the display has carried out every request sent so far.
void syncXDisplay();

}  // namespace zantor
