// Metrics of the 35 standard PostScript fonts, generated from AFM files
// (fontdata/font_metrics.cpp).  All lengths are in 1/1000 of the font size.
#pragma once
#include <cstdint>
#include <string_view>

namespace zantor {

inline constexpr int kStandardFontCount = 35;
inline constexpr int kSymbolFont = 34, kDingbatsFont = 17, kTimesRoman = 0;

struct FontMetrics {
  const char* name;      // PostScript name ("Times-Roman")
  const char* file;      // file name stem of the outline font on the system
  int16_t capHeight;     // height of the capital letters
  int16_t ascender, descender;
  int16_t bbox[4];       // llx lly urx ury
  float italicAngle;
  bool fixedPitch, bold;
  // Advance widths of codes 32..255 (Latin-1 codes for the text fonts, the
  // built-in codes for Symbol and ZapfDingbats); 0: no glyph.
  uint16_t widths[224];
};

extern const FontMetrics kFontMetrics[kStandardFontCount];

// Index 0..34 of a standard font name, or -1.
int standardFontIndex(std::string_view name);

// True for the fonts every PDF reader has (no widths needed).
bool isBaseFourteen(int font);

// Advance width (1/1000 of the size) of library character `code` in font
// `font`: library special characters are looked up by their Latin-1 code;
// a code without glyph takes the width of the blank.
int charWidth(int font, int code);

// The code the writers send for a library character code in a font: the
// Latin-1 code, except for the symbolic fonts, which take the code as is.
int fontCode(int font, int code);

}  // namespace zantor
