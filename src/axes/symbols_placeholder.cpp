// Placeholder until the marker symbols of curves land: a small cross.
#include "axes/symbols.h"

#include "draw/pipeline.h"

namespace zantor {

void drawSymbol(int, float x, float y, float size, float) {
  const float r = size / 2;
  qqstrk();
  qqmove(x - r, y - r);
  qqdraw(x + r, y + r);
  qqmove(x + r, y - r);
  qqdraw(x - r, y + r);
  qqstrk();
}

}  // namespace zantor
