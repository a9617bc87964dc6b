// The text pass: one code after the other through the stroke fonts and the
// line pipeline, with exponent, index and reset characters.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/format.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/fill.h"
#include "draw/pipeline.h"
#include "hwfonts/hardware_text.h"
#include "text/font_store.h"
#include "text/text_engine.h"

namespace zantor {

namespace {

int nint(double v) { return static_cast<int>(std::lround(v)); }

// Longest pen distance seen by a measuring pass.
int measured = 0;

// Plot point of a glyph point (x', y') relative to the pen, with the raise r.
void glyphPoint(float xp, float yp, float& px, float& py) {
  const Zanglb& g = zanglb;
  const float r = g.xtpoff + g.xtpbas;
  px = g.xalf - r * g.sina + xp * g.cosa - yp * g.sina;
  py = g.yalf - r * g.cosa - yp * g.cosa - xp * g.sina;
}

// The pipeline adds the user origin; the pen already contains it.
void penMove(float x, float y) {
  strtqq(x - static_cast<float>(zanglb.nx0), y - static_cast<float>(zanglb.ny0));
}
void penDraw(float x, float y) {
  connqq(x - static_cast<float>(zanglb.nx0), y - static_cast<float>(zanglb.ny0));
}

// Whether the character is sheared like italic: the slanted italic
// alphabet, the Gothic italic, and letters borrowed by the script alphabet
// (fonts other than Gothic) or by the complx italic alphabet.
bool italicShear(int started, int drawn, bool borrowed) {
  const Zanglb& g = zanglb;
  if (drawn == 4 && (g.istalf[3] == g.istalf[0] || g.ialf == 7)) return true;
  if (!borrowed) return false;
  return (started == 5 && g.ialf != 7) || (started == 4 && g.ialf == 3);
}

void drawGlyph(int alphabet, int glyph, float shift, bool italic) {
  const Zanglb& g = zanglb;
  const bool outline = isOutlineFont(g.ialf) &&
                       (alphabet == 1 || (alphabet == 4 && g.istalf[3] == g.istalf[0]));
  std::vector<float> polyX, polyY;
  float lastX = 0.0f, lastY = 0.0f;
  bool first = true;
  forEachStroke(alphabet, glyph, [&](const float* u, const float* v, int n) {
    float px = 0.0f, py = 0.0f, p0x = 0.0f, p0y = 0.0f;
    for (int i = 0; i < n; ++i) {
      const float yp = v[i] * g.yfalf;
      float xp = u[i] * g.xfalf + yp * g.xtpslp + shift;
      if (italic) xp += yp / g.xitalc;
      glyphPoint(xp, yp, px, py);
      if (i == 0) {
        penMove(px, py);
        p0x = px, p0y = py;
      } else {
        penDraw(px, py);
      }
      if (outline && g.nshade != 0) {
        polyX.push_back(px - static_cast<float>(g.nx0));
        polyY.push_back(py - static_cast<float>(g.ny0));
      }
    }
    if (outline && n > 1) penDraw(p0x, p0y);  // contours are closed
    if (outline && g.nshade != 0) {
      // All contours form one polygon; returning to the previous contour
      // makes the inner ones holes under even-odd filling.
      if (!first) {
        polyX.push_back(lastX - static_cast<float>(g.nx0));
        polyY.push_back(lastY - static_cast<float>(g.ny0));
      }
      lastX = px, lastY = py;
      first = false;
    }
  });
  if (polyX.size() > 2) {
    // Filled glyphs are solid whatever pattern the areas use.
    const int32_t pattern = g.nshd;
    setShadingPattern(16);
    dareaf(polyX.data(), polyY.data(), static_cast<int>(polyX.size()));
    setShadingPattern(pattern);
  }
}

}  // namespace

void setPassHeight(int n) {
  zanglb.nhchar = std::max(1, n);
  zanglb.iswopt = 0;
}

void salfpa(int alphabet) {
  Zanglb& g = zanglb;
  const int a = std::clamp(alphabet, 1, 6) - 1;
  const float h = static_cast<float>(g.nhchar);
  const float gx = static_cast<float>(g.npxalf[a] > 0 ? g.npxalf[a] : 6);
  const float gy = static_cast<float>(g.npyalf[a] > 0 ? g.npyalf[a] : 7);
  g.xfalf = (h - 1.0f) * g.xtpwth / gx;
  g.yfalf = (h - 1.0f) / gy;
  g.xspc = g.itpfix != 0 ? h * g.xtpspc : (g.xfspc[a] + g.xtpspc) * h;
  g.iswopt = alphabet;
}

void alfcha(int code) {
  Zanglb& g = zanglb;
  if (g.imixbt == 1 && smixal(code)) return;
  const int started = g.nalf;
  int alphabet = g.nalf, c = code;
  qqgcod(code, alphabet, c);
  if (g.ipsfnt != 0) {
    // A hardware font draws the character unless the device has none.
    if (const float a = hardwareCharacter(alphabet, c); a >= 0.0f) {
      g.xalf += a * g.cosa;
      g.yalf -= a * g.sina;
      g.nalf = started;
      return;
    }
  }
  int drawn = 1, glyph = c;
  bool borrowed = false;
  if (alphabet >= 2 && alphabet <= 6) {
    const GlyphRef ref = gcspec(alphabet, c);
    drawn = ref.alphabet, glyph = ref.glyph, borrowed = ref.borrowed;
  }
  salfpa(drawn);
  const float w = glyphWidth(drawn, glyph) * g.xfalf;
  float shift = 0.0f, advance = w + g.xspc;
  if (g.itpfix != 0) {
    const float cell = g.xtpfix * g.xfixfc * g.xtpwth * static_cast<float>(g.nhchar - 1);
    shift = (cell - w) / 2.0f;
    advance = cell + g.xspc;
  }
  if (g.inoplt == 0 && hasGlyph(drawn, glyph))
    drawGlyph(drawn, glyph, shift, italicShear(started, drawn, borrowed));
  g.xalf += advance * g.cosa;
  g.yalf -= advance * g.sina;
  g.nalf = started;
}

void reportOutOfPage(const char* which, std::string_view s) {
  Zanglb& g = zanglb;
  const float x = g.xalf - (which[0] == 'E' ? g.xspc * g.cosa : 0.0f);
  const float y = g.yalf + (which[0] == 'E' ? g.xspc * g.sina : 0.0f);
  if (x >= 0 && x <= g.nxres && y >= 0 && y <= g.nyres) return;
  ++g.nplerr;
  if (g.nunit == 0 || g.ierrmd == 0) return;
  qqerrfil();
  std::string head(s.substr(0, std::min<std::size_t>(8, s.size())));
  writeMessageLine(" <<<< Warning: " + std::string(which) + " (" + fmtI(nint(x), 5) + "/" +
                   fmtI(nint(y), 5) + ") in MESSAG out of page - (" + head + "...)");
}

namespace {

// Emits the decoded codes; exponent, index and reset characters shift the
// baseline (only the height while measuring).
void emitCodes() {
  Zanglb& g = zanglb;
  const int cexp = static_cast<unsigned char>(g.csex.c[0]);
  const int cind = static_cast<unsigned char>(g.csex.c[1]);
  const int cres = static_cast<unsigned char>(g.csex.c[2]);
  const bool shifts = g.inoplt == 0;
  float dx = 0.0f, dy = 0.0f;
  auto move = [&](float s) {  // s > 0 raises
    if (!shifts) return;
    g.xalf -= s * g.sina, g.yalf -= s * g.cosa;
    dx -= s * g.sina, dy -= s * g.cosa;
  };
  for (int i = 0; i < g.nlexan; ++i) {
    const int c = g.clexan[i];
    if (g.nmix == 1 && c == cexp) {
      move(static_cast<float>(g.nhchar) * g.fbasis);
      setPassHeight(nint(g.nhchar * g.fexp));
      g.itxexp = 1;
    } else if (g.nmix == 1 && c == cind) {
      setPassHeight(nint(g.nhchar * g.fexp));
      move(-static_cast<float>(g.nhchar) * g.fbasis);
      g.itxind = 1;
    } else if (g.nmix == 1 && c == cres) {
      setPassHeight(g.nhbas);
      if (shifts) g.xalf -= dx, g.yalf -= dy;
      dx = dy = 0.0f;
    } else {
      alfcha(c);
    }
    if (g.inoplt != 0) {
      const double ex = g.xalf - g.xspc * g.cosa, ey = g.yalf + g.xspc * g.sina;
      measured = std::max(measured, nint(std::hypot(ex, ey)));
    }
  }
  flushInstruction();  // a command still pending at the end of the string
  g.xalf -= dx, g.yalf -= dy;
}

// Starts a pass: the pass copies of the settings.
void startPass() {
  Zanglb& g = zanglb;
  g.nhbas = g.nhchar;
  g.nalf = g.ntpbas = g.nbasbt;
  g.ntpclr = textColourNow();
  g.itpfix = g.ifixsp, g.xtpfix = g.xfixsp;
  g.xtpspc = g.xcspc, g.xtpwth = g.xcwth, g.xtpslp = g.xcslp;
  g.xtpoff = g.xtpbas = 0.0f;
  g.imixop = 0, g.imixsl = 0, g.nccmd = 0;
  g.itxexp = g.itxind = 0;
  g.iswopt = 0;
  g.xspc = 0.0f;
}

void finishPass() {
  Zanglb& g = zanglb;
  g.nhchar = g.nhbas;
  if (g.inoplt == 0 && textColourNow() != g.ntpclr) setTextColour(g.ntpclr);
}

}  // namespace

void qqmess(std::string_view s, float nx, float ny) {
  Zanglb& g = zanglb;
  const bool cont = nx == 999.0f && ny == 999.0f;
  if (g.itxtbg != -1 && g.inoplt == 0 && !cont) drawTextBackground(s, nx, ny);
  if (jqqutf(s) != 0 || g.nlexan == 0) return;
  strsft();
  if (g.nlexan == 0) return;
  startPass();
  if (!cont) {
    const float h1 = static_cast<float>(g.nhchar - 1);
    g.xalf = nx + static_cast<float>(g.nx0) + h1 * g.sina;
    g.yalf = ny + static_cast<float>(g.ny0) + h1 * g.cosa;
    g.xbas = g.xalf, g.ybas = g.yalf;
    if (g.imixbt == 1) std::fill(g.xtab, g.xtab + 20, 0.0f);
  }
  if (g.inoplt == 0) reportOutOfPage("Startpoint", s);
  if (g.itexop == 1) {
    // Formula mode: measure first, draw from the same start only if the
    // formula parsed.
    const float x0 = g.xalf, y0 = g.yalf;
    int above = 0, below = 0;
    const int keep = g.inoplt;
    g.inoplt = 1;
    const bool ok = formulaPass(above, below);
    g.inoplt = keep;
    g.nhchar = g.nhbas;
    if (ok && keep == 0) {
      g.xalf = x0, g.yalf = y0;
      formulaPass(above, below);
    }
  } else {
    emitCodes();
  }
  if (g.inoplt == 0) reportOutOfPage("Endpoint  ", s);
  finishPass();
  if (g.nfrmes != 0 && g.inoplt == 0 && !cont) drawTextFrame(s, nx, ny);
}

int textLength(std::string_view s) {
  Zanglb& g = zanglb;
  const TextFields saved = g;  // every text setting, restored below
  g.inoplt = 1;
  measured = 0;
  int result = 0;
  if (jqqutf(s) == 0 && g.nlexan > 0) {
    strsft();
    startPass();
    g.xalf = g.yalf = g.xbas = g.ybas = 0.0f;
    if (g.itexop == 1) {
      int above = 0, below = 0;
      if (formulaPass(above, below)) result = measured;
    } else {
      emitCodes();
      result = measured;
    }
  }
  static_cast<TextFields&>(g) = saved;
  return result;
}

// Measuring passes of the formula parser report their pen positions here.
void noteMeasuredPen() {
  const Zanglb& g = zanglb;
  const double ex = g.xalf - g.xspc * g.cosa, ey = g.yalf + g.xspc * g.sina;
  measured = std::max(measured, nint(std::hypot(ex, ey)));
}

}  // namespace zantor
