// Outline fonts read with FreeType: the TrueType file the program names
// and the installed outlines of the 35 standard fonts, rendered into
// coverage bitmaps for the raster devices.  Faces and rendered glyphs are
// kept until zanfin releases them.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace zantor {

// A rendered glyph: coverage 0..255 (w x h bytes, rows top to bottom) and
// the position of its upper left pixel relative to the pen.
struct GlyphBitmap {
  std::vector<uint8_t> coverage;
  int width = 0, height = 0;
  int left = 0, top = 0;  // pixels right of and above the pen
};

class OutlineFont;

// Where the outline of standard font k (0..34) lies on this system: the
// fonts directory of the installation first, then the system's fonts;
// empty when it is nowhere.
std::string standardFontFile(int font);

// The face of a font file, opened once per plot; null when the file is
// missing or FreeType cannot read it.  `symbolic` selects the font's own
// encoding instead of Unicode.  With `recheck` a file that changed since
// it was read is read again.
OutlineFont* openOutlineFont(const std::string& path, bool symbolic, bool recheck = false);

// The outline of standard font k, looked up once per plot; null when it
// is not installed or unreadable.
OutlineFont* standardOutlineFont(int font);

// The outline font hardware text is drawn with now: the TrueType file of
// ttfont, else the outline of the standard font; null when unreadable.
OutlineFont* currentOutlineFont();

// Advance width in 1/1000 of the size, and the height of the capitals.
int outlineAdvance(OutlineFont& font, int code);
int outlineCapHeight(OutlineFont& font);

// The glyph of character `code` (a Latin-1 code, or the font's own code
// for symbolic fonts) at `pixels` per size unit, turned by `angle` degrees
// counter-clockwise and stretched by `widthScale`; antialiased or hinted
// black and white.  `phaseX`, `phaseY` (quarters of a pixel, 0..3) move
// the pen right and down inside its pixel.  Rendered once and cached;
// null for a missing glyph.
const GlyphBitmap* renderGlyph(OutlineFont& font, int code, double pixels, double angle,
                               double widthScale, bool antialias, int phaseX = 0,
                               int phaseY = 0);

// The contours of character `code` in 1/1000 of the size, y upwards from
// the pen on the base line, curves flattened into short lines; empty for a
// missing glyph.  Used where a glyph must be filled as an area (text in a
// plane of 3D space).
using GlyphContour = std::vector<std::pair<double, double>>;
std::vector<GlyphContour> glyphContours(OutlineFont& font, int code);

// zanfin: closes every face and empties the glyph cache.
void releaseOutlineFonts();

}  // namespace zantor
