#include "devices/device_image.h"

#include <cmath>
#include <vector>

#include "core/state.h"
#include "devices/dispatch.h"
#include "draw/colour.h"
#include "draw/fill.h"
#include "draw/page.h"
#include "draw/pipeline.h"

namespace zantor {

void deviceImage(double x, double y, double w, double h, const uint8_t* rgb, int pw, int ph) {
  Device* d = currentDevice();
  if (d == nullptr || rgb == nullptr || pw < 1 || ph < 1) return;
  if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(w) || !std::isfinite(h)) return;
  if (w <= 0 || h <= 0) return;
  qqstrk();
  ImageCorners at{};
  deviceTransform(x, y, at.ulx, at.uly);
  deviceTransform(x + w, y, at.urx, at.ury);
  deviceTransform(x, y + h, at.llx, at.lly);
  if (d->image(at, rgb, pw, ph)) return;
  // Software: one rectangle per run of equal pixels, in the current
  // clipping window (dbox clips).
  const double cw = w / pw, ch = h / ph;
  for (int row = 0; row < ph; ++row) {
    const uint8_t* p = rgb + static_cast<std::size_t>(row) * pw * 3;
    int start = 0;
    for (int i = 1; i <= pw; ++i) {
      if (i < pw && p[3 * i] == p[3 * start] && p[3 * i + 1] == p[3 * start + 1] &&
          p[3 * i + 2] == p[3 * start + 2])
        continue;
      const int32_t colour = explicitColour(p[3 * start], p[3 * start + 1], p[3 * start + 2]);
      dbox(static_cast<float>(x + start * cw), static_cast<float>(y + row * ch),
           static_cast<float>(x + i * cw), static_cast<float>(y + (row + 1) * ch), colour);
      start = i;
    }
  }
}

bool pixelsAsImage(int ix, int iy, const uint8_t* rgb, int n) {
  const Zanglb& g = zanglb;
  // The writers that hold images as objects; the others would paint
  // every pixel as a rectangle.
  if (g.nlev < 1 || !(g.ndev == 511 || g.ndev == 801 || g.ndev == 802)) return false;
  if (currentDevice() == nullptr || rgb == nullptr || n < 1) return false;
  const double s = deviceScaleOf(604);  // pixels per plot unit
  if (!(s > 0) || !std::isfinite(s)) return false;
  // Pixel k covers k to k + 1 pixel widths, as the pixels of a picture
  // rendered from the page.
  const double u = 1.0 / s;
  if (g.ipgmod != 1) {
    if (ix < 0 || iy < 0 || ix + static_cast<double>(n) > g.nxres * s + 1 || iy > g.nyres * s + 1)
      return false;
    deviceImage(ix * u, iy * u, n * u, u, rgb, n, 1);
    return true;
  }
  // A portrait page turned on the screen: pixel rows run down the page's
  // plot y axis, pixel columns leftwards from its right side.
  if (ix < 0 || iy < 0 || ix + static_cast<double>(n) > g.nyres * s + 1 || iy > g.nxres * s + 1)
    return false;
  deviceImage(g.nxres - (iy + 1) * u, ix * u, u, n * u, rgb, 1, n);
  return true;
}

// Cells become RGB pixels for the devices that embed pictures; one
// allocation per image, not per cell.
bool Device::cellImage(const ImagePlacement& at, const int32_t* cells, int w, int h) {
  if (cells == nullptr || w < 1 || h < 1) return false;
  std::vector<uint8_t> rgb(static_cast<size_t>(w) * static_cast<size_t>(h) * 3);
  int32_t last = -1;
  Rgb c{};
  for (size_t i = 0, n = static_cast<size_t>(w) * h; i < n; ++i) {
    if (cells[i] != last) c = colourRgb(last = cells[i]);
    rgb[3 * i] = c.r, rgb[3 * i + 1] = c.g, rgb[3 * i + 2] = c.b;
  }
  const ImageCorners corners{at.x0, at.y0, at.x0 + at.ux, at.y0 + at.uy, at.x0 + at.vx,
                             at.y0 + at.vy};
  return image(corners, rgb.data(), w, h);
}

}  // namespace zantor
