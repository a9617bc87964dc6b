// Mixed alphabets and the instruction alphabet: shift characters switch
// alphabets for a part of a string; instruction codes change the layout
// of the following characters.
#include <cctype>
#include <cmath>
#include <string>

#include "axes/symbols.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/pipeline.h"
#include "text/text_engine.h"

namespace zantor {

namespace {

constexpr int kInstructionAlphabet = 7;

int nint(double v) { return static_cast<int>(std::lround(v)); }

enum class Param { None, X, Integer, Real, Bad };

// Parses the parameter of an instruction code: nothing, "X", or a number
// with an optional "-" and ".".
Param parseParam(std::string_view p, double& value) {
  value = 0.0;
  if (p.empty()) return Param::None;
  if (p == "X" || p == "x") return Param::X;
  std::size_t i = 0;
  bool negative = false, point = false, digits = false;
  double scale = 0.1;
  if (p[0] == '-') negative = true, i = 1;
  for (; i < p.size(); ++i) {
    const char c = p[i];
    if (c == '.' && !point) {
      point = true;
    } else if (c >= '0' && c <= '9') {
      digits = true;
      if (point) value += (c - '0') * scale, scale /= 10.0;
      else value = value * 10.0 + (c - '0');
    } else {
      return Param::Bad;
    }
  }
  if (!digits) return Param::Bad;
  if (negative) value = -value;
  return point ? Param::Real : Param::Integer;
}

void advancePen(float a) {
  Zanglb& g = zanglb;
  g.xalf += a * g.cosa;
  g.yalf -= a * g.sina;
}

// Distance of the pen from the baseline start along the baseline.
float penDistance() {
  const Zanglb& g = zanglb;
  return (g.xalf - g.xbas) * g.cosa - (g.yalf - g.ybas) * g.sina;
}

// A line along the baseline from distance t1 to t2, v above the baseline.
void baselineLine(float t1, float t2, float v) {
  const Zanglb& g = zanglb;
  auto px = [&](float t) { return g.xbas + t * g.cosa - v * g.sina - g.nx0; };
  auto py = [&](float t) { return g.ybas - t * g.sina - v * g.cosa - g.ny0; };
  strtqq(px(t1), py(t1));
  connqq(px(t2), py(t2));
}

}  // namespace

bool smixal(int code) {
  Zanglb& g = zanglb;
  if (g.imixop == 0) {
    for (int s = 0; s < 6; ++s) {
      if (g.nalfbt[s] != 0 && g.ialfbt[s] == code) {
        g.nalf = g.nalfbt[s];
        g.imixop = 1;
        g.imixsl = s;
        g.nccmd = 0;
        return true;
      }
    }
    return false;
  }
  if (code == g.ialfb2[g.imixsl]) {
    if (g.nalf == kInstructionAlphabet) flushInstruction();
    g.nalf = g.ntpbas;
    g.imixop = 0;
    return true;
  }
  if (g.nalf != kInstructionAlphabet) return false;
  if (code == ' ') return true;
  const bool param = (code >= '0' && code <= '9') || code == 'X' || code == 'x' ||
                     code == '.' || code == '-';
  if (!param) flushInstruction();
  if (g.nccmd < 20 && code > 0 && code < 256) g.ccmd[g.nccmd++] = static_cast<char>(code);
  return true;
}

void flushInstruction() {
  Zanglb& g = zanglb;
  if (g.nccmd == 0) return;
  const std::string cmd(g.ccmd, static_cast<std::size_t>(g.nccmd));
  g.nccmd = 0;
  inscmd(cmd);
}

void inscmd(std::string_view cmd) {
  Zanglb& g = zanglb;
  if (cmd.empty()) return;
  const std::string text(cmd);
  auto bad = [&](int n) { warnc1(n, text); };
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(cmd[0])));
  double v = 0.0;
  const Param p = parseParam(cmd.substr(1), v);
  if (p == Param::Bad) return bad(43);
  const float h = static_cast<float>(g.nhchar);
  const bool none = p == Param::None, isX = p == Param::X;
  const float x = static_cast<float>(v);
  // Tabulator commands take integers only.
  auto tabIndex = [&](bool checkRange, int dflt, int& n) {
    if (p == Param::Real || isX) return bad(45), false;
    n = none ? dflt : static_cast<int>(v);
    if (checkRange && (n < 1 || n > 20)) return bad(44), false;
    return true;
  };
  int n = 0;
  switch (letter) {
    case 'A':
      if (isX) return bad(43);
      advancePen((none ? 1.0f : x) * h);
      return;
    case 'C':
    case 'F': {
      if (isX || p == Param::Real) return bad(43);
      n = none ? 1 : static_cast<int>(v);
      salfpa(g.ntpbas);
      float step = g.xspc;
      if (letter == 'F') {
        step = g.itpfix != 0 ? g.xtpfix * g.xfixfc * g.xtpwth * (h - 1.0f)
                             : static_cast<float>(g.nblksp) * g.xfalf;
      }
      advancePen(static_cast<float>(n) * step);
      return;
    }
    case 'U':
    case 'D': {
      if (isX) {
        g.xtpoff = 0.0f;
        return;
      }
      const float a = none ? 1.0f : std::fabs(x);
      const float off = (none || x > 0) ? a * static_cast<float>(g.nhbas) : a * h;
      g.xtpoff = letter == 'U' ? off : -off;
      return;
    }
    case 'E':
    case 'I':
      if (isX) {
        g.xtpoff = 0.0f;
        setPassHeight(g.nhbas);
      } else if (none) {
        g.xtpoff += letter == 'E' ? 0.75f * h : -0.35f * h;
        setPassHeight(nint(0.6 * h));
      } else {
        bad(43);
      }
      return;
    case 'R':
      if (!none) return bad(43);
      g.xtpoff = 0.0f;
      setPassHeight(g.nhbas);
      return;
    case 'H':
      if (isX) setPassHeight(g.nhbas);
      else setPassHeight(nint(h * (none ? 0.6f : x)));
      return;
    case 'O':
      g.xtpbas = isX ? 0.0f : (none ? 1.0f : x) * h;
      return;
    case 'W':
      g.xtpwth = isX ? g.xcwth : (none ? 1.0f : x);
      g.iswopt = 0;
      return;
    case 'Y':
      g.xtpspc = isX ? g.xcspc : (none ? 0.0f : x);
      g.iswopt = 0;
      return;
    case 'Z':
      if (isX) {
        g.xtpslp = g.xcslp;
      } else if (!none && (x < -60.0f || x > 60.0f)) {
        bad(43);
      } else if (none || std::fabs(x) < 0.5f) {
        g.xtpslp = 0.0f;
      } else {
        g.xtpslp = static_cast<float>(1.0 / std::tan((90.0 - v) * 3.14159265358979 / 180.0));
      }
      return;
    case 'K':
      if (isX) {
        g.itpfix = 0;
      } else {
        g.itpfix = 1;
        g.xtpfix = none ? 0.8f : x;
      }
      g.iswopt = 0;
      return;
    case 'M':
      if (isX) {
        g.ntpbas = g.nbasbt;
      } else {
        n = none ? 1 : static_cast<int>(v);
        if (p == Param::Real || n < 1 || n > 6) return bad(43);
        g.ntpbas = n;
      }
      return;
    case 'N':
      if (isX) {
        n = g.ntpclr;
      } else {
        n = none ? 1 : static_cast<int>(v);
        if (p == Param::Real || n < 0 || n > 255) return bad(43);
      }
      if (g.inoplt == 0) setTextColour(n);
      return;
    case 'S':
      n = none ? 0 : static_cast<int>(v);
      if (isX || p == Param::Real || n < 0 || n > 21) return bad(43);
      salfpa(g.ntpbas);
      if (g.inoplt == 0) {
        // Centred half a height right of the pen and half a height (plus
        // the current shift) above the baseline, turned with the text.
        const float r = 0.5f * h + g.xtpoff + g.xtpbas;
        const float cx = g.xalf + 0.5f * h * g.cosa - r * g.sina;
        const float cy = g.yalf - r * g.cosa - 0.5f * h * g.sina;
        const float deg = static_cast<float>(std::atan2(g.sina, g.cosa) * 180.0 / 3.14159265358979);
        drawSymbol(n, cx - static_cast<float>(zanglb.nx0), cy - static_cast<float>(zanglb.ny0), h,
                   deg);
      }
      advancePen(h + g.xspc);
      return;
    case 'P':
      if (tabIndex(true, 1, n)) g.xtab[n - 1] = penDistance();
      return;
    case 'G':
      if (tabIndex(true, 1, n)) {
        g.xalf = g.xbas + g.xtab[n - 1] * g.cosa;
        g.yalf = g.ybas - g.xtab[n - 1] * g.sina;
      }
      return;
    case 'T':
      if (tabIndex(false, 0, n)) {
        g.xalf = g.xbas + static_cast<float>(n) * g.cosa;
        g.yalf = g.ybas - static_cast<float>(n) * g.sina;
      }
      return;
    case 'L':
    case 'J':
    case 'V': {
      if (!tabIndex(true, 1, n) || g.inoplt != 0) return;
      const float from = g.xtab[n - 1], to = penDistance() - g.xspc;
      const float r = g.xtpoff + g.xtpbas;
      if (letter == 'V') {
        baselineLine(from, to, r + 0.5f * h);
      } else {
        baselineLine(from, to, r - 0.2f * h);
        if (letter == 'J') baselineLine(from, to, r - 0.4f * h);
      }
      return;
    }
    default:
      bad(46);
  }
}

}  // namespace zantor
