// Placeholder colour model until the colour tables land: every value is
// handed to the device as black or white.
#include "draw/colour.h"

#include "core/state.h"
#include "devices/dispatch.h"
#include "draw/pipeline.h"

namespace zantor {

void qqsclr(int32_t value) {
  qqstrk();
  zanglb.ncolr = value;
  if (Device* d = currentDevice()) d->colour(colourRgb(value), value);
}

Rgb colourRgb(int32_t value) {
  uint8_t v = value == 0 ? 0 : 255;
  return {v, v, v};
}

void resetColourDefaults() { zanglb.ncolr = 0; }

}  // namespace zantor
