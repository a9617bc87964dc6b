// The current colour and its hand-over to the device.
#include <cmath>

#include "core/state.h"
#include "devices/dispatch.h"
#include "draw/colour.h"
#include "draw/pipeline.h"

namespace zantor {

int colourByte(double c) {
  const long v = std::lround(255.0 * c);
  return static_cast<int>(v < 0 ? 0 : v > 255 ? 255 : v);
}

bool validComponent(double c) { return c >= -0.001 && c <= 1.001; }

Rgb colourRgb(int32_t value) {
  auto byte = [](int32_t v, int shift) { return static_cast<uint8_t>((v >> shift) & 255); };
  if (isExplicitColour(value)) return {byte(value, 0), byte(value, 8), byte(value, 16)};
  const int32_t e = zanglb.ivlt[((value % 256) + 256) % 256];
  return {byte(e, 16), byte(e, 8), byte(e, 0)};
}

void qqsclr(int32_t value) {
  qqstrk();
  Zanglb& g = zanglb;
  g.ncolr = value;
  Device* d = currentDevice();
  if (d == nullptr) return;
  int32_t handed = value;
  const bool screen = g.ndev < 101;
  // Screen windows resolve explicit colours themselves; raster files and
  // the other devices of depth 8 or less draw with table indices only.
  if (!screen && g.ndepth <= 8 && isExplicitColour(value)) {
    const Rgb c = colourRgb(value);
    handed = nearestColourIndex(c.r, c.g, c.b);
  }
  d->colour(colourRgb(handed), handed);
}

}  // namespace zantor
