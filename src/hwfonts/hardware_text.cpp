// Hardware characters of the text engine.  The size of a hardware font is
// chosen so that its capital letters are nhchar high, the height the
// stroke fonts give their capitals; widths come from the font's metrics,
// so that measured and drawn text agree on every device.
#include "hwfonts/hardware_text.h"

#include <cmath>
#include <vector>

#include "core/state.h"
#include "devices/dispatch.h"
#include "devices/latin1.h"
#include "draw/fill.h"
#include "draw/page.h"
#include "draw/pipeline.h"
#include "hwfonts/font_metrics.h"
#include "hwfonts/hwfont_state.h"
#include "hwfonts/outline_fonts.h"

namespace zantor {
namespace {

constexpr double kPi = 3.14159265358979323846;

bool rasterDevice(int dev) { return dev <= 100 || (dev >= 601 && dev <= 607); }

// Advance width (1/1000 of the size) and cap height of the current font.
struct FontSizes {
  int advance = 0, capHeight = 1;
};

FontSizes fontSizes(HardwareRoute route, int font, int code) {
  FontSizes f;
  if (route == HardwareRoute::Outline && font < 0) {
    if (OutlineFont* file = currentOutlineFont()) {
      f.advance = outlineAdvance(*file, fontCode(kTimesRoman, code));
      f.capHeight = outlineCapHeight(*file);
      return f;
    }
  }
  const int k = font >= 0 ? font : hwFontState().font;
  f.advance = charWidth(k, code);
  f.capHeight = kFontMetrics[k].capHeight > 0 ? kFontMetrics[k].capHeight : 700;
  return f;
}

// Device position of the baseline start and the angle of the baseline,
// counter-clockwise as seen on the page (rotated pages included).
void placeOnDevice(double px, double py, DeviceChar& c) {
  const Zanglb& g = zanglb;
  double x0, y0, xu, yu, xv, yv;
  const double far = 1000.0;
  deviceTransform(px, py, x0, y0);
  deviceTransform(px + far * g.cosa, py - far * g.sina, xu, yu);  // along the baseline
  deviceTransform(px - far * g.sina, py - far * g.cosa, xv, yv);  // up
  const double ux = xu - x0, uy = yu - y0, vx = xv - x0, vy = yv - y0;
  // Devices with y downwards turn the other way round.
  const double turn = ux * vy - uy * vx >= 0 ? 1.0 : -1.0;
  c.x = x0, c.y = y0;
  if (rasterDevice(g.ndev)) {
    // The transformation rounds to whole pixels; glyphs are placed finer.
    const double sc = g.xscf;
    if (g.ipgmod == 1) c.x = sc * py, c.y = sc * (g.nxres - px);
    else c.x = sc * px, c.y = sc * py;
  }
  c.angle = std::atan2(turn * uy, ux) * 180.0 / kPi;
  const double whole = static_cast<double>(std::lround(c.angle));
  if (std::fabs(c.angle - whole) < 1e-6) c.angle = whole;
  if (c.angle == -180.0) c.angle = 180.0;
}

}  // namespace

HardwareRoute hardwareRoute() {
  const Zanglb& g = zanglb;
  if (g.ipsfnt == 0) return HardwareRoute::Strokes;
  Device* d = currentDevice();
  if (d == nullptr || !d->caps().hwText) return HardwareRoute::Strokes;
  if (rasterDevice(g.ndev))
    return currentOutlineFont() != nullptr ? HardwareRoute::Outline : HardwareRoute::Strokes;
  // A TrueType file of the program is not known to the readers of vector
  // files: such text is drawn with the stroke font there.
  if (g.ipsfnt == 4 && !hwFontState().trueType.empty()) return HardwareRoute::Strokes;
  return HardwareRoute::Vector;
}

bool hardwareCharacterAvailable(int code) { return code >= 32 && code <= 187; }

namespace {

// The italic (or oblique) twin of a standard font; the families differ in
// the order of their four styles.
int italicTwin(int k) {
  if (k >= 12 && k <= 15) return k | 1;                    // New Century
  if ((k >= 26 && k <= 33)) return k | 1;                  // Bookman, Palatino
  if ((k >= 0 && k <= 11) || (k >= 18 && k <= 25)) return k | 2;  // Times, Helvetica, ...
  return k;
}

// The Symbol font has Gamma and Upsilon where the Greek alphabet has
// them at other letters.
int symbolLetter(int code) {
  switch (code) {
    case 'C': return 'G';
    case 'G': return 'C';
    case 'U': return 'Y';
    case 'Y': return 'U';
    case 'c': return 'g';
    case 'g': return 'c';
    case 'u': return 'y';
    case 'y': return 'u';
    default: return code;
  }
}

// Space between hardware characters beyond the font's own advance, in
// units of the character height: the standard fonts keep a tenth of the
// height on every device, so that a string measures the same on paper
// and on screen; a TrueType file of the program takes 0.18, bitmap fonts
// 0.15 (0.18 on small devices, where their pixels crowd).  Fixed spacing
// adds nothing: its cell already holds the space.
double extraSpacing(HardwareRoute route, int font, bool trueType) {
  const Zanglb& g = zanglb;
  if (g.itpfix != 0) return 0.0;
  if (route == HardwareRoute::Outline && font < 0 && trueType) return 0.18;
  if (hwFontState().kind == FontKind::Bitmap) return g.xscf < 0.3 ? 0.18 : 0.15;
  return 0.1;
}

// The glyph as one area with its pen at (px, py), `unit` plot units per
// 1/1000 of the size: all contours form one polygon, each returning to the
// end of the one before, so inner contours are holes under even-odd
// filling.
void fillGlyph(OutlineFont& font, int code, double px, double py, double unit) {
  const Zanglb& g = zanglb;
  std::vector<float> xs, ys;
  for (const GlyphContour& c : glyphContours(font, code)) {
    const size_t back = xs.size();
    for (const auto& [u, v] : c) {
      const double along = u * unit * g.xtpwth, up = v * unit;
      xs.push_back(static_cast<float>(px + along * g.cosa - up * g.sina - g.nx0));
      ys.push_back(static_cast<float>(py - along * g.sina - up * g.cosa - g.ny0));
    }
    if (back > 0 && !c.empty()) xs.push_back(xs[back - 1]), ys.push_back(ys[back - 1]);
  }
  if (xs.size() < 3) return;
  // Text is solid whatever pattern the areas use.
  const int32_t pattern = g.nshd;
  setShadingPattern(16);
  dareaf(xs.data(), ys.data(), static_cast<int>(xs.size()));
  setShadingPattern(pattern);
}

}  // namespace

float hardwareCharacter(int alphabet, int code) {
  Zanglb& g = zanglb;
  const HardwareRoute route = hardwareRoute();
  if (route == HardwareRoute::Strokes || !hardwareCharacterAvailable(code)) return -1.0f;
  // -1: the font of psfont or ttfont.
  int font = -1;
  const bool trueType = !hwFontState().trueType.empty();
  if (alphabet == 2 && (g.ipsmod == 1 || g.ipsmod == 3) && !trueType && code < 127) {
    font = kSymbolFont;
    code = symbolLetter(code);
  } else if (alphabet == 4 && (g.ipsmod == 2 || g.ipsmod == 3) && !trueType) {
    font = italicTwin(hwFontState().font);
  } else if (alphabet != 1) {
    return -1.0f;
  }
  // A device character cannot follow a plane of 3D space: there the glyph
  // is filled as an area from its outline, which the plane projects; the
  // stroke font draws it when no outline is installed.
  const bool inPlane = g.igrfit == 1;
  OutlineFont* outline = nullptr;
  if (route == HardwareRoute::Outline || inPlane) {
    outline = font >= 0 ? standardOutlineFont(font) : currentOutlineFont();
    if (outline == nullptr && (font >= 0 || inPlane)) return -1.0f;
  }
  const FontSizes f = fontSizes(route, font, code);
  const double h = static_cast<double>(g.nhchar);
  const double size = h * 1000.0 / f.capHeight;  // plot units
  const double w = f.advance / 1000.0 * size * g.xtpwth;
  g.xspc = static_cast<float>((g.xtpspc + extraSpacing(route, font, trueType)) * h);
  double shift = 0.0, advance = w + g.xspc;
  if (g.itpfix != 0) {
    const double cell = g.xtpfix * g.xfixfc * g.xtpwth * (h - 1.0);
    shift = (cell - w) / 2.0;
    advance = cell + g.xspc;
  }
  if (g.inoplt == 0 && code != 32) {
    const double r = g.xtpoff + g.xtpbas;
    const double px = g.xalf - r * g.sina + shift * g.cosa;
    const double py = g.yalf - r * g.cosa - shift * g.sina;
    // The clip circle of some plots hides characters whose centre lies on
    // or beyond it; they still advance the pen.
    // The centre is compared in the coordinates of the line clipper, where
    // points carry the origin, so that characters and lines part at the
    // same circle.
    const double cx = px + w / 2 * g.cosa - h / 2 * g.sina;
    const double cy = py - w / 2 * g.sina - h / 2 * g.cosa;
    const bool circle = g.iclphw != 0 || g.iazclp == 1;
    const bool hidden = circle && std::hypot(cx - g.xmit, cy - g.ymit) >= g.rad;
    if (!hidden && inPlane) {
      const int glyph =
          trueType ? latin1Code(code) : fontCode(font >= 0 ? font : hwFontState().font, code);
      fillGlyph(*outline, glyph, px, py, size / 1000.0);
    } else if (!hidden) {
      qqstrk();  // lines drawn before the text stay below it
      DeviceChar c;
      c.code = code;
      c.font = font >= 0 ? font : hwFontState().font;
      c.height = size * g.xscf;
      c.widthScale = g.xtpwth;
      placeOnDevice(px, py, c);
      if (Device* d = currentDevice()) d->character(c);
    }
  }
  return static_cast<float>(advance);
}

}  // namespace zantor
