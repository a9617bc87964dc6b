// Plots into a window of the program (setxid): a drawing area of a dialog
// or any X window given by its id.  The window device then creates no
// window of its own, does not wait at zanfin and leaves the window alive.
#pragma once

namespace zantor {

// At zanini of a screen plot: when setxid named a window that still
// exists, the plot takes its size and the id is returned; 0 otherwise
// (a window gone meanwhile is reported and forgotten).
unsigned long adoptForeignWindow();
// The window adopted by the last zanini (for the device's start).
unsigned long adoptedForeignWindow();

// The owner takes the window away (wgfin for the drawing areas of its
// dialog): later plots open their own windows again, and a plot still
// drawing stops touching it.
void releaseForeignWindow(unsigned long id);

}  // namespace zantor
