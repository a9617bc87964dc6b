// The routines that choose a hardware font: psfont (a standard PostScript
// font by name), x11fnt, winfnt and bmpfnt (the standard font of the same
// family and style as a screen font), ttfont (a TrueType file) and hwfont
// (the standard hardware font of the device).
#include <string>
#include <string_view>
#include <sys/stat.h>

#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "hwfonts/font_families.h"
#include "hwfonts/font_metrics.h"
#include "hwfonts/hwfont_state.h"
#include "hwfonts/outline_fonts.h"
#include "text/font_store.h"

namespace zantor {
namespace {

bool vectorTextDevice(int dev) { return (dev >= 501 && dev <= 511) || dev == 801 || dev == 802; }
bool outlineDevice(int dev) { return dev <= 100 || (dev >= 601 && dev <= 607); }

std::string_view leftTrimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  return s;
}

// On raster and window devices the standard font is drawn from its
// installed outline; without it the text stays with the stroke font.
bool outlineReady(int font) {
  if (!outlineDevice(zanglb.ndev)) return true;
  if (standardOutlineFont(font) != nullptr) return true;
  warnc1(36, std::string(kFontMetrics[font].file) + ": stroke font used");
  return false;
}

void selectStandardFont(int font, std::string_view name, FontKind kind = FontKind::PostScript) {
  Zanglb& g = zanglb;
  g.cpsfnt = name;
  hwFontState().font = font;
  hwFontState().kind = kind;
  hwFontState().trueType.clear();
  g.ipsfnt = outlineReady(font) ? (outlineDevice(g.ndev) ? 4 : 1) : 0;
}

void warnNotStandard(std::string_view name) {
  if (zanglb.ierrmd != 0)
    writeMessageLine(" <<<< Warning: " + std::string(name) + " is not a standard font!");
}

// The screen font routines: a name of another font system leads to the
// standard font of its family; an unknown family is reported and text
// takes Times-Roman, as with psfont.
void selectByFamily(std::string_view name, int font, FontKind kind) {
  if (name.empty()) {
    warnin(2);
    return;
  }
  if (font < 0) {
    warnNotStandard(name);
    font = kTimesRoman;
  }
  selectStandardFont(font, kFontMetrics[font].name, kind);
}

}  // namespace

HwFontState& hwFontState() {
  static HwFontState state;
  return state;
}

}  // namespace zantor

using namespace zantor;

// Any name is accepted (the interpreter of a PostScript file may know more
// fonts than the standard ones); an unknown one is reported and measured
// and shown elsewhere as Times-Roman.
ZANTOR_API void psfont_(const char* cfont, size_t cfont_len) try {
  if (jqqlev(1, 3, "PSFONT") != 0) return;
  const std::string_view name = leftTrimmed(trimmedArg(cfont, cfont_len));
  if (name.empty()) {
    warnin(2);
    return;
  }
  int font = standardFontIndex(name);
  if (font < 0) {
    warnNotStandard(name);
    font = kTimesRoman;
  }
  selectStandardFont(font, name);
} ZANTOR_CATCH

// An X logical font description or family name; `copt` names the
// character set of the description ("STANDARD", "ISO1" or "ISO-8859-1").
// Text is Latin-1 on every device, so the sets give the same characters.
ZANTOR_API void x11fnt_(const char* cfont, const char* copt, size_t cfont_len,
                        size_t copt_len) try {
  if (jqqlev(1, 3, "X11FNT") != 0) return;
  if (jqqind("STAN+ISO1+ISO-", 3, trimmedArg(copt, copt_len)) == 0) return;
  const std::string_view name = leftTrimmed(trimmedArg(cfont, cfont_len));
  selectByFamily(name, x11FontIndex(name), FontKind::X11);
} ZANTOR_CATCH

// A face name of office systems ("Arial Bold", "Times New Roman Italic").
ZANTOR_API void winfnt_(const char* cfont, size_t cfont_len) try {
  if (jqqlev(1, 3, "WINFNT") != 0) return;
  const std::string_view name = leftTrimmed(trimmedArg(cfont, cfont_len));
  selectByFamily(name, faceNameFontIndex(name), FontKind::Windows);
} ZANTOR_CATCH

// A bitmap font by face name: the standard font drawn black and white on
// raster and window devices, with the wider spacing of screen bitmaps.
ZANTOR_API void bmpfnt_(const char* cfont, size_t cfont_len) try {
  if (jqqlev(1, 3, "BMPFNT") != 0) return;
  const std::string_view name = leftTrimmed(trimmedArg(cfont, cfont_len));
  selectByFamily(name, faceNameFontIndex(name), FontKind::Bitmap);
} ZANTOR_CATCH

// A TrueType (or other outline) file for the text of raster and window
// devices.  A file that is missing or that FreeType cannot read leaves the
// text with the stroke font.
ZANTOR_API void ttfont_(const char* cfile, size_t cfile_len) try {
  if (jqqlev(1, 3, "TTFONT") != 0) return;
  const std::string file(leftTrimmed(trimmedArg(cfile, cfile_len)));
  if (file.empty()) {
    warnin(2);
    return;
  }
  Zanglb& g = zanglb;
  if (openOutlineFont(file, false, true) == nullptr) {
    struct stat st {};
    warnc1(::stat(file.c_str(), &st) == 0 ? 56 : 36, file);
    g.ipsfnt = 0;
    return;
  }
  hwFontState().trueType = file;
  g.ipsfnt = 4;
} ZANTOR_CATCH

// The device's own font: Times-Roman on PostScript, PDF, SVG and IPE and,
// drawn from its outline, on raster and window devices; the complex
// stroke font elsewhere.
ZANTOR_API void hwfont_() try {
  if (jqqlev(1, 3, "HWFONT") != 0) return;
  const int dev = zanglb.ndev;
  if (vectorTextDevice(dev) || outlineDevice(dev)) {
    selectStandardFont(kTimesRoman, kFontMetrics[kTimesRoman].name);
    if (zanglb.ipsfnt != 0) return;
  }
  loadFont(3);
} ZANTOR_CATCH
