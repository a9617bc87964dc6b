// The hardware font of the current text: the standard font and the
// TrueType file a program chose.  (The font kind ipsfnt and the name given
// to psfont live in the state record with the text and PostScript
// settings.)
#pragma once
#include <string>

namespace zantor {

// How the program chose the standard font: the screen fonts of x11fnt and
// winfnt space their characters like the PostScript fonts; the bitmap
// fonts of bmpfnt space them wider and stay black and white on raster
// devices.
enum class FontKind { PostScript, X11, Windows, Bitmap };

struct HwFontState {
  int font = 0;            // standard font 0..34
  FontKind kind = FontKind::PostScript;
  std::string trueType;    // file named by ttfont; empty: the standard font
};

HwFontState& hwFontState();

}  // namespace zantor
