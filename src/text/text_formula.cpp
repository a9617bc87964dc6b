// Formula mode: a small TeX-like parser over the decoded codes.
//
// Supported: groups { }, exponents ^ and indices _ (nested), Greek letters,
// the mathematical symbols of the font tables, function names set upright,
// spacing commands, font, size and style switches.  Structures (frac,
// sqrt, overline, ...) draw their parts in a row without the 2D layout;
// colour commands are accepted and ignored.  Blanks are drawn as blanks.
#include <algorithm>
#include <cmath>
#include <string>

#include "core/state.h"
#include "core/warnings.h"
#include "text/fontdata/font_data.h"
#include "text/text_engine.h"

namespace zantor {

namespace {

// Parser errors share one warning number beside the decoding errors.
constexpr int kFormulaWarning = 176;
constexpr int kMaxNesting = 8;

int nint(double v) { return static_cast<int>(std::lround(v)); }

bool among(const std::string& w, std::initializer_list<const char*> list) {
  for (const char* s : list)
    if (w == s) return true;
  return false;
}

class Formula {
 public:
  explicit Formula(int command) : cmd_(command) {}

  bool run(int& above, int& below) {
    const Zanglb& g = zanglb;
    top_ = static_cast<float>(g.nhchar);
    sequence(false);
    above = nint(top_);
    below = nint(bottom_);
    return ok_;
  }

 private:
  int peek() const { return i_ < zanglb.nlexan ? zanglb.clexan[i_] : -1; }

  void fail(const char* text) {
    if (ok_) qqerror(kFormulaWarning, text);
    ok_ = false;
  }

  void glyph(int code) {
    Zanglb& g = zanglb;
    alfcha(code);
    if (g.inoplt != 0) noteMeasuredPen();
    top_ = std::max(top_, g.xtpoff + static_cast<float>(g.nhchar));
    bottom_ = std::max(bottom_, -g.xtpoff);
  }

  void advance(float a) {
    Zanglb& g = zanglb;
    g.xalf += a * g.cosa;
    g.yalf -= a * g.sina;
  }

  // Elements until the end (or the closing brace of a group).
  void sequence(bool group) {
    Zanglb& g = zanglb;
    const int alphabet = g.nalf, height = g.nhchar;
    while (ok_) {
      const int c = peek();
      if (c < 0) {
        if (group) fail("Unbalanced parenthesis");
        break;
      }
      if (c == '}') {
        ++i_;
        if (!group) fail("Unbalanced parenthesis");
        break;
      }
      element();
    }
    g.nalf = alphabet;  // font and size switches end with their group
    setPassHeight(height);
  }

  void element() {
    const int c = peek();
    if (c == '^' || c == '_') {
      ++i_;
      script(c == '^');
    } else {
      atom();
    }
  }

  void atom() {
    const int c = peek();
    if (c < 0) return fail("Syntax error for Indices/Exponents");
    ++i_;
    if (c == '{') {
      if (++depth_ > kMaxNesting) return fail("Too many nested parenthesis");
      sequence(true);
      --depth_;
    } else if (c == cmd_) {
      command();
    } else {
      glyph(c);
    }
  }

  void script(bool up) {
    Zanglb& g = zanglb;
    if (peek() < 0 || peek() == '}') return fail("Syntax error for Indices/Exponents");
    if (++scripts_ > kMaxNesting) return fail("Too many nested exponents/indices");
    const int h = g.nhchar;
    const float off = g.xtpoff;
    if (up) {
      g.xtpoff += static_cast<float>(h) * g.fbasis;
      setPassHeight(nint(h * g.fexp));
    } else {
      setPassHeight(nint(h * g.fexp));
      g.xtpoff -= static_cast<float>(g.nhchar) * g.fbasis;
    }
    atom();
    g.xtpoff = off;
    setPassHeight(h);
    --scripts_;
  }

  void command() {
    Zanglb& g = zanglb;
    std::string w;
    while (true) {
      const int c = peek();
      const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
      if (!letter) break;
      w += static_cast<char>(c);
      ++i_;
    }
    const float h = static_cast<float>(g.nhchar);
    if (w.empty()) {  // one-character commands
      const int c = peek();
      if (c < 0) return fail("Unknown TeX command");
      ++i_;
      if (c == ',') return advance(0.17f * h);
      if (c == ':') return advance(0.22f * h);
      if (c == ';') return advance(0.28f * h);
      if (c == '!') return advance(-0.17f * h);
      return glyph(c);  // an escaped character stands for itself
    }
    for (const auto& e : fontdata::kGreekLetters)
      if (w == e.name) return inAlphabet(2, e.code);
    for (const auto& e : fontdata::kMathSymbols)
      if (w == e.name) return inAlphabet(3, e.code);
    if (w == "quad") return advance(h);
    if (w == "qquad") return advance(2.0f * h);
    if (among(w, {"rm", "gr", "it", "cal", "ru"})) {
      g.nalf = w == "rm" ? 1 : w == "gr" ? 2 : w == "it" ? 4 : w == "cal" ? 5 : 6;
      return;
    }
    static const char* const kSizes[] = {"tiny", "scriptsize", "footnotesize", "small",
                                         "normalsize", "large", "Large", "LARGE",
                                         "huge", "Huge"};
    static const float kFactors[] = {0.5f, 0.7f, 0.8f, 0.9f, 1.0f,
                                     1.2f, 1.44f, 1.73f, 2.07f, 2.49f};
    for (int k = 0; k < 10; ++k)
      if (w == kSizes[k]) return setPassHeight(nint(g.nhbas * kFactors[k]));
    if (among(w, {"arccos", "arcsin", "arctan", "arg", "cos", "cosh", "cot", "coth", "csc",
                  "dec", "dim", "exp", "hom", "ln", "log", "sec", "sin", "sinh", "tan",
                  "tanh"})) {
      const int keep = g.nalf;
      g.nalf = 1;
      for (char c : w) glyph(c);
      g.nalf = keep;
      return;
    }
    if (among(w, {"displaystyle", "textstyle", "scriptstyle", "scriptscriptstyle", "limits",
                  "nolimits", "black", "red", "green", "blue", "cyan", "yellow", "orange",
                  "magenta", "white", "fore", "back", "big", "Big", "bigg", "Bigg", "left",
                  "right", "frac", "sqrt", "overline", "underline", "vec", "hat", "tilde",
                  "dot", "lim", "oint"}))
      return;  // layout-only commands: their arguments follow in a row
    fail("Unknown TeX command");
  }

  void inAlphabet(int alphabet, int code) {
    Zanglb& g = zanglb;
    const int keep = g.nalf;
    g.nalf = alphabet;
    glyph(code);
    g.nalf = keep;
  }

  int cmd_;
  int i_ = 0, depth_ = 0, scripts_ = 0;
  bool ok_ = true;
  float top_ = 0.0f, bottom_ = 0.0f;
};

}  // namespace

bool formulaPass(int& above, int& below) {
  Zanglb& g = zanglb;
  const int mixed = g.imixbt;
  g.imixbt = 0;  // mixed alphabets are suspended in formulas
  Formula f(static_cast<unsigned char>(g.csex.c[4]));
  const bool ok = f.run(above, below);
  g.imixbt = mixed;
  g.xtpoff = 0.0f;
  return ok;
}

}  // namespace zantor
