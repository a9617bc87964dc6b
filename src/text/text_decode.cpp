// Decoding of text strings into character codes, European shift
// characters and the code pages of the character codings.
#include <string>

#include "core/keywords.h"
#include "core/state.h"
#include "core/warnings.h"
#include "text/fontdata/font_data.h"
#include "text/text_engine.h"

namespace zantor {

namespace {

constexpr int kMaxCodes = 256;
constexpr int kUtf8 = 6;

bool push(int code) {
  Zanglb& g = zanglb;
  if (g.nlexan >= kMaxCodes) return false;
  g.clexan[g.nlexan++] = code;
  return true;
}

// Accented letters per shift kind as glyph numbers of the standard
// alphabet, in the order of the followers.
struct ShiftKind {
  const char* followers;
  int glyphs[12];
};
constexpr ShiftKind kShiftKinds[8] = {
    {"AOUaous", {127, 128, 129, 130, 131, 132, 133}},
    {"AOEaoe", {134, 135, 136, 137, 138, 139}},
    {"Nn!?", {140, 141, 185, 186}},
    {"CcEIei", {142, 143, 144, 145, 146, 147}},
    {"AEIOUaeiou", {148, 149, 150, 151, 152, 153, 154, 155, 156, 157}},
    {"AEIOUaeiou", {158, 159, 160, 161, 162, 163, 164, 165, 166, 167}},
    {"AEIOUaeiou", {168, 169, 170, 171, 172, 173, 174, 175, 176, 177}},
    {"CcGgIiOoSsUu", {142, 143, 241, 243, 242, 244, 128, 131, 196, 206, 129, 132}},
};

// Code of a standard glyph in the active coding (blank when the coding has
// no such letter).
int codeOfGlyph(int glyph) {
  const int coding = zanglb.icdfnt;
  if (coding == 0) return glyph;
  const int16_t* table = nullptr;
  int first = 0, n = 0;
  if (coding == 1 || coding == kUtf8) {
    if (glyph == 185) return 161;
    table = fontdata::kLatin1Letters, first = 191, n = 65;
  } else if (coding == 2) {
    table = fontdata::kLatin2, first = 160, n = 96;
  } else if (coding == 3) {
    table = fontdata::kLatin3, first = 160, n = 96;
  }
  for (int i = 0; table && i < n; ++i)
    if (table[i] == glyph) return first + i;
  return 32;
}

void fromEntry(const fontdata::CodeEntry& e, int& alphabet, int& glyph) {
  if (e.code == 0) {
    alphabet = 1, glyph = 32;
  } else {
    alphabet = e.alphabet, glyph = e.code;
  }
}

}  // namespace

int jqqutf(std::string_view s) {
  Zanglb& g = zanglb;
  s = s.substr(0, trmlen(s));
  g.nlexan = 0;
  auto overflow = [] {
    zanglb.nlexan = 0;
    qqerror(175, "Internal string overflow");
    return 175;
  };
  if (g.icdfnt != kUtf8) {
    for (unsigned char c : s)
      if (!push(c)) return overflow();
    return 0;
  }
  std::size_t i = 0;
  while (i < s.size()) {
    const unsigned char c = static_cast<unsigned char>(s[i++]);
    int more = 0, code = c;
    if (c >= 192 && c <= 223) more = 1, code = c & 0x1F;
    else if (c >= 224 && c <= 239) more = 2, code = c & 0x0F;
    else if (c >= 240 && c <= 247) more = 3, code = c & 0x07;
    else if (c >= 128) more = -1;  // stray continuation or lead byte >= 248
    bool bad = more < 0 || i + static_cast<std::size_t>(more) > s.size();
    for (int k = 0; !bad && k < more; ++k) {
      const unsigned char d = static_cast<unsigned char>(s[i++]);
      if (d < 128 || d > 191) bad = true;
      code = (code << 6) | (d & 0x3F);
    }
    if (bad) {
      g.nlexan = 0;
      qqerror(174, "Syntax error in UTF string");
      return 174;
    }
    if (!push(code)) return overflow();
  }
  return 0;
}

void strsft() {
  Zanglb& g = zanglb;
  if (g.ieusft == 0 || g.icdfnt == 4 || g.icdfnt == 5 || g.icdfnt == 7) return;
  int out = 0;
  for (int i = 0; i < g.nlexan; ++i) {
    const int c = g.clexan[i];
    int kind = -1;
    for (int k = 0; k < 8 && i + 1 < g.nlexan; ++k)
      if (g.igsft[k] != 0 && g.igsft[k] == c) kind = k;
    if (kind < 0) {
      g.clexan[out++] = c;
      continue;
    }
    const int next = g.clexan[i + 1];
    if (next == c) {  // doubled: the shift character itself
      g.clexan[out++] = c;
      ++i;
      continue;
    }
    const std::string_view f = kShiftKinds[kind].followers;
    const std::size_t pos = next > 0 && next < 128 ? f.find(static_cast<char>(next))
                                                   : std::string_view::npos;
    if (pos == std::string_view::npos) {
      warnc1(18, std::string(1, static_cast<char>(next > 0 && next < 256 ? next : '?')));
      g.clexan[out++] = c;
      continue;
    }
    g.clexan[out++] = codeOfGlyph(kShiftKinds[kind].glyphs[pos]);
    ++i;
  }
  g.nlexan = out;
}

void qqgcod(int code, int& alphabet, int& glyph) {
  const Zanglb& g = zanglb;
  if (code < 32) code = 32;
  const int coding = g.icdfnt;
  const bool mathInside = alphabet == 3 && code <= 31 + g.istlen[2];
  if (coding == 0 || code < 127 || mathInside) {
    glyph = code;
    return;
  }
  alphabet = 1;
  glyph = 32;
  if ((coding == 1 || coding == kUtf8) && code < 256) {
    if (code == 161) glyph = 185;
    else if (code == 164) glyph = 263;
    else if (code == 169) glyph = 264;
    else if (code >= 191) glyph = fontdata::kLatin1Letters[code - 191];
  } else if ((coding == 2 || coding == 3) && code >= 160 && code <= 255) {
    glyph = (coding == 2 ? fontdata::kLatin2 : fontdata::kLatin3)[code - 160];
  } else if (coding == 4 && code >= 160 && code <= 255) {
    fromEntry(fontdata::kCyrillicIso5[code - 160], alphabet, glyph);
  } else if (coding == 5 && code >= 192 && code <= 255) {
    fromEntry(fontdata::kCyrillicKoi8[code - 192], alphabet, glyph);
  } else if (coding == kUtf8 && code >= 1024 && code <= 1119) {
    fromEntry(fontdata::kCyrillicUtf8[code - 1024], alphabet, glyph);
  } else if (coding == kUtf8 && code >= 902 && code <= 974) {
    fromEntry(fontdata::kGreekUtf8[code - 902], alphabet, glyph);
  } else if (coding == 7 && code >= 160 && code <= 255) {
    fromEntry(fontdata::kGreekIso7[code - 160], alphabet, glyph);
  }
  if (glyph == 0) glyph = 32;
}

}  // namespace zantor
