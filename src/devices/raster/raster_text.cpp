// Hardware characters of the raster devices: glyphs of the outline font
// of the text, rendered by FreeType (antialiased in 32-bit pictures, black
// and white and hinted in 8-bit ones) and laid onto the picture.
#include <algorithm>
#include <cmath>

#include "core/state.h"
#include "devices/latin1.h"
#include "devices/raster/raster.h"
#include "devices/raster/raster_device.h"
#include "hwfonts/font_metrics.h"
#include "hwfonts/hwfont_state.h"
#include "hwfonts/outline_fonts.h"

namespace zantor {

void RasterContext::blendCoverage(int x, int y, const uint8_t* coverage, int w, int h) {
  if (coverage == nullptr || pixels_ == nullptr) return;
  // Only the rows and columns inside the clip rectangle.
  const int y0 = std::max(y, cymin_), y1 = std::min(y + h - 1, cymax_);
  const int x0 = std::max(x, cxmin_), x1 = std::min(x + w - 1, cxmax_);
  for (int py = y0; py <= y1; ++py) {
    const uint8_t* row = coverage + std::size_t(py - y) * std::size_t(w);
    for (int px = x0; px <= x1; ++px) {
      const uint8_t a = row[px - x];
      if (a == 0) continue;
      if (!trueColour_) {
        if (a >= 128) setPixel(px, py);
      } else {
        blendPixel(px, py, a / 255.0f);
      }
    }
  }
}

void RasterDevice::character(const DeviceChar& c) {
  if (!std::isfinite(c.x) || !std::isfinite(c.y)) return;
  const bool standard = hwFontState().trueType.empty();
  OutlineFont* font = standard ? standardOutlineFont(c.font) : currentOutlineFont();
  if (font == nullptr) return;
  raster_->flush();
  const int code = standard ? fontCode(c.font, c.code) : latin1Code(c.code);
  if (std::fabs(c.x) > 1e6 || std::fabs(c.y) > 1e6) return;
  // Smooth glyphs are placed to a quarter of a pixel, so that the spaces
  // between letters stay even; black and white ones to whole pixels.
  const bool smooth = raster_->trueColour() && hwFontState().kind != FontKind::Bitmap;
  const int steps = smooth ? 4 : 1;
  const long qx = std::lround(c.x * steps), qy = std::lround(c.y * steps);
  const long x = qx >= 0 ? qx / steps : -((-qx + steps - 1) / steps);
  const long y = qy >= 0 ? qy / steps : -((-qy + steps - 1) / steps);
  const GlyphBitmap* glyph = renderGlyph(*font, code, c.height, c.angle, c.widthScale, smooth,
                                         static_cast<int>(qx - x * steps),
                                         static_cast<int>(qy - y * steps));
  if (glyph == nullptr || glyph->width == 0) return;
  raster_->blendCoverage(static_cast<int>(x) + glyph->left, static_cast<int>(y) - glyph->top,
                        glyph->coverage.data(), glyph->width, glyph->height);
}

}  // namespace zantor
