// The box around a text: frame (frmess) and filled background (txtbgd).
#include <cmath>

#include "core/state.h"
#include "draw/colour.h"
#include "draw/fill.h"
#include "text/text_engine.h"

namespace zantor {

// The colour model keeps the current colour of the plot; until it exposes
// it, the text engine tracks the colour it sets itself (N command,
// background) so that a pass can return to its starting colour.
int textColourNow() { return zanglb.ncolr; }

void setTextColour(int value) { qqsclr(value); }

namespace {

struct Box {
  float x[4], y[4];  // corners: top left, top right, bottom right, bottom left
  int width, height;
};

// The box of text s whose upper left corner is (nx, ny), rotated by the
// text angle about that corner.
Box textBox(std::string_view s, float nx, float ny) {
  const Zanglb& g = zanglb;
  const float h = static_cast<float>(g.nhchar);
  const float nh1 = h, nh2 = 0.0f;
  const float nl = static_cast<float>(textLength(s));
  const float d = (g.fexp + g.fbasis - 1.0f) * h;
  const float m = (g.xlinsp - 1.0f) * h;
  // Exponent and index marks raise the box.
  int marks = 0;
  if (g.nmix == 1) {
    marks += s.find(g.csex.c[0]) != std::string_view::npos;
    marks += s.find(g.csex.c[1]) != std::string_view::npos;
  }
  const float top = -(m + (nh1 - h) + d * static_cast<float>(marks));
  const float width = nl + 2.0f * m;
  const float height = nh1 + nh2 + 2.0f * m + d * static_cast<float>(marks);
  const float us[4] = {-m, -m + width, -m + width, -m};
  const float ws[4] = {top, top, top + height, top + height};
  Box b{};
  for (int i = 0; i < 4; ++i) {
    b.x[i] = nx + us[i] * g.cosa + ws[i] * g.sina;
    b.y[i] = ny - us[i] * g.sina + ws[i] * g.cosa;
  }
  b.width = static_cast<int>(std::lround(width));
  b.height = static_cast<int>(std::lround(height));
  return b;
}

}  // namespace

void drawTextFrame(std::string_view s, float nx, float ny) {
  const Zanglb& g = zanglb;
  const Box b = textBox(s, nx, ny);
  dframe(static_cast<int>(std::lround(b.x[0])), static_cast<int>(std::lround(b.y[0])), b.width,
         b.height, g.nfrmes, static_cast<float>(g.nangle));
}

void drawTextBackground(std::string_view s, float nx, float ny) {
  const Zanglb& g = zanglb;
  Box b = textBox(s, nx, ny);
  // Filled in the background colour; the pattern stays with the fill
  // model, which fills solid unless a pattern was chosen.
  const int saved = textColourNow();
  setTextColour(g.itxtbg);
  dareaf(b.x, b.y, 4);
  setTextColour(saved);
}

}  // namespace zantor
