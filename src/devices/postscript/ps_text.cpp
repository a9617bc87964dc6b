// Hardware characters of the PostScript writer: each character is one
// "code x y angle c" line (the centre of the character on its baseline);
// fonts are re-encoded once per file so that the library's special
// characters and the straight quotes reach the right glyphs.
#include <cmath>
#include <string>

#include "core/state.h"
#include "devices/plot_file.h"
#include "devices/postscript/ps_device.h"
#include "devices/postscript/ps_format.h"
#include "hwfonts/font_metrics.h"

namespace zantor {
namespace {

constexpr double kPointsPerUnit = 0.1417322835;  // points per 1/20 mm

void put(std::string_view s) { qpsbuf(s, static_cast<int>(s.size())); }

}  // namespace

// The name written for a font: the program's own name when psfont was
// given one outside the standard set, else the standard name.
std::string PostScriptDevice::fontName(int font) const {
  const std::string_view chosen = zanglb.cpsfnt.trimmed();
  if (font == kTimesRoman && !chosen.empty() && standardFontIndex(chosen) < 0)
    return std::string(chosen);
  return kFontMetrics[font].name;
}

void PostScriptDevice::selectFont(int font, double size, double widthScale) {
  const std::string name = fontName(font);
  const bool symbolic = font == kSymbolFont || font == kDingbatsFont;
  std::string selected = "/" + name;
  if (!symbolic) {
    if (!vectorExtended_) {
      // The prolog's vector with the straight quotes and the copyright
      // sign added (codes 39, 96 and 187 of the library).
      put("/GermanVec [ GermanVec aload pop 8#047 /quotesingle 8#140 /grave "
          "8#273 /copyright ] def ");
      vectorExtended_ = true;
    }
    if (definedFonts_.insert(name).second)
      put("/" + name + " /" + name + "-German GermanVec ReEncodeSmall ");
    selected += "-German";
  }
  put(selected + " ");
  const double h = size * kPointsPerUnit;
  if (std::fabs(widthScale - 1.0) < 1e-6) {
    put(ps::fieldF(h, 5, 1) + " font ");
  } else {
    put(ps::fieldF(h, 5, 1) + " " + ps::fieldF(h * widthScale, 5, 1) + " font2 ");
  }
}

void PostScriptDevice::character(const DeviceChar& c) {
  if (!std::isfinite(c.x) || !std::isfinite(c.y) || !std::isfinite(c.angle)) return;
  if (!(c.height > 0 && c.height < 1e6) || !(c.widthScale > 0 && c.widthScale < 100)) return;
  flush();
  const int font = c.font >= 0 && c.font < kStandardFontCount ? c.font : kTimesRoman;
  const double size = std::round(c.height * kPointsPerUnit * 10) / 10 / kPointsPerUnit;
  if (font != textFont_ || size != textSize_ || c.widthScale != textScale_) {
    selectFont(font, size, c.widthScale);
    textFont_ = font;
    textSize_ = size;
    textScale_ = c.widthScale;
  }
  const double r = c.angle * 3.14159265358979323846 / 180.0;
  // The prolog's c centres the character on the point it is given.
  const double half = charWidth(font, c.code) / 1000.0 * c.height * c.widthScale / 2.0;
  std::string s;
  ps::appendInt(s, c.code >= 0 && c.code <= 255 ? c.code : 32, 5);
  s += ' ';
  ps::appendInt(s, ps::roundUnit(c.x + half * std::cos(r)), 5);
  s += ' ';
  ps::appendInt(s, ps::roundUnit(c.y + half * std::sin(r)), 5);
  s += ' ';
  ps::appendInt(s, std::lround(c.angle), 5);
  s += " c ";
  put(s);
}

}  // namespace zantor
