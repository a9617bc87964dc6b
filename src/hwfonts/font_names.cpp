// Names and widths of the 35 standard fonts.
#include <array>

#include "devices/latin1.h"
#include "hwfonts/font_metrics.h"

namespace zantor {

int standardFontIndex(std::string_view name) {
  for (int k = 0; k < kStandardFontCount; ++k)
    if (name == kFontMetrics[k].name) return k;
  return -1;
}

bool isBaseFourteen(int font) {
  // Times, Helvetica and Courier in their four styles, Symbol and
  // ZapfDingbats.
  return (font >= 0 && font <= 7) || (font >= 18 && font <= 21) || font == kSymbolFont ||
         font == kDingbatsFont;
}

int fontCode(int font, int code) {
  if (font == kSymbolFont || font == kDingbatsFont) return code;
  return latin1Code(code);
}

int charWidth(int font, int code) {
  if (font < 0 || font >= kStandardFontCount) font = kTimesRoman;
  const FontMetrics& m = kFontMetrics[font];
  const int c = fontCode(font, code);
  const int w = c >= 32 && c <= 255 ? m.widths[c - 32] : 0;
  return w != 0 ? w : m.widths[0];
}

}  // namespace zantor
