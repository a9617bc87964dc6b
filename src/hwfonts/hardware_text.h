// The hardware way of the text engine: characters of the standard fonts
// (or of a TrueType file) handed to the device as characters, measured
// with the fonts' own metrics.
#pragma once

namespace zantor {

// How the current device shows hardware text.
enum class HardwareRoute {
  Strokes,  // no hardware font, or a device without characters
  Vector,   // PostScript, PDF, SVG, IPE: characters with font name and size
  Outline,  // raster and window devices: glyphs drawn from outline fonts
};
HardwareRoute hardwareRoute();

// One character through the hardware way: `alphabet` and `code` as the
// coding gave them.  Alphabet 1 uses the current font; with the special
// character modes of psmode, Greek (alphabet 2) is taken from the Symbol
// font and italic (alphabet 4) from the italic twin of the current font.
// Draws the character (unless measuring), sets xspc and returns the
// advance of the pen in plot units.  Returns a negative value when the
// character has to be drawn with the stroke font instead.
float hardwareCharacter(int alphabet, int code);

// Characters drawn with the stroke font because no device font has them.
bool hardwareCharacterAvailable(int code);

}  // namespace zantor
