// The font store: lcinit, the set loaders and glyph decoding.
#include "text/font_store.h"

#include <algorithm>
#include <new>
#include <vector>

#include "core/state.h"
#include "core/warnings.h"
#include "text/fontdata/font_data.h"

namespace zantor {

namespace {

using fontdata::AlphabetMode;
using fontdata::GlyphSet;

// The text engine asks for the same glyph several times in a row (mapping,
// width, strokes) and each answer walks the directory from the alphabet's
// first record, so the last answer is kept until the store changes.
struct RecordMemo {
  uint64_t generation = 0;
  const int16_t* keys = nullptr;
  int alphabet = 0, glyph = 0, pos = -1;
};
uint64_t storeGeneration = 1;
RecordMemo lastRecord;

bool allocateStore() {
  auto& z = zanglb;
  if (z.ixal && z.iyal && z.ikey) return true;
  z.ixal.reset(new (std::nothrow) int16_t[fontdata::kFontPointCapacity]);
  z.iyal.reset(new (std::nothrow) int16_t[fontdata::kFontPointCapacity]);
  z.ikey.reset(new (std::nothrow) int16_t[fontdata::kFontKeyCapacity]);
  if (z.ixal && z.iyal && z.ikey) return true;
  z.ixal.reset();
  z.iyal.reset();
  z.ikey.reset();
  warnin(53);
  return false;
}

// Appends x / y tables of an outline set.
bool appendPoints(const int16_t* xs, const int16_t* ys, int n) {
  auto& z = zanglb;
  if (z.ndatld + n > fontdata::kFontPointCapacity) return false;
  std::copy(xs, xs + n, z.ixal.get() + z.ndatld);
  std::copy(ys, ys + n, z.iyal.get() + z.ndatld);
  z.ndatld += n;
  return true;
}

bool appendKeys(const int16_t* words, int n) {
  auto& z = zanglb;
  ++storeGeneration;
  if (z.nkeyld + n > fontdata::kFontKeyCapacity) return false;
  std::copy(words, words + n, z.ikey.get() + z.nkeyld);
  z.nkeyld += n;
  return true;
}

// Appends one alphabet (the next one, nindld + 1) from its compiled set.
bool loadAlphabet(const fontdata::AlphabetDef& def) {
  auto& z = zanglb;
  ++storeGeneration;
  const int a = z.nindld;  // 0-based index of the alphabet being loaded
  if (def.mode == AlphabetMode::SameAsStandard) {
    z.istalf[a] = z.istalf[0];
    z.istdat[a] = z.istdat[0];
    z.istlen[a] = z.istlen[0];
    z.ialmap[a] = z.ialmap[0];
  } else {
    const GlyphSet& s = *def.set;
    if (def.mode == AlphabetMode::SharesStandardPoints) {
      z.istdat[a] = z.istdat[0];
    } else {
      z.istdat[a] = z.ndatld + 1;
      bool ok = s.packed ? lcsets(s.packed, s.npoints)
                         : appendPoints(s.xs, s.ys, s.npoints);
      if (!ok) return false;
    }
    z.istalf[a] = z.nkeyld + 1;
    if (!appendKeys(s.dir, s.ndir)) return false;
    z.istlen[a] = s.nglyphs;
    z.ialmap[a] = s.remap;
  }
  z.nindld = a + 1;
  return true;
}

// Offset step of the alphabet's stroke entries in font units.
float offsetUnit(int alphabet) {
  return zanglb.npxalf[alphabet - 1] == 200 ? 2.0f : 0.5f;
}

// Position in ikey (0-based) of the record of glyph g, -1 for a blank.
int recordOf(int alphabet, int g) {
  const auto& z = zanglb;
  if (alphabet < 1 || alphabet > z.nindld || !z.ikey) return -1;
  const int k = g - 31;
  if (k <= 1 || k - 1 > z.istlen[alphabet - 1]) return -1;
  RecordMemo& m = lastRecord;
  if (m.generation == storeGeneration && m.keys == z.ikey.get() && m.alphabet == alphabet &&
      m.glyph == g)
    return m.pos;
  int pos = z.istalf[alphabet - 1] - 1;
  for (int r = 0; r < k - 2; ++r) pos += z.ikey[pos];
  m = {storeGeneration, z.ikey.get(), alphabet, g, z.ikey[pos] > 1 ? pos : -1};
  return m.pos;
}

}  // namespace

bool lcinit(int ialf) {
  auto& z = zanglb;
  ++storeGeneration;
  z.ipsfnt = 0;
  z.nindld = z.ndatld = z.nkeyld = 0;
  z.ialf = ialf;
  z.istalf[0] = z.istdat[0] = 1;
  z.istlen[0] = 102;
  int gx = 20, gy = 21, blank = 9;
  float spc = 0.25f, spc2 = 0.25f;
  if (ialf == 1) {
    gx = 6, gy = 7, blank = 6, spc = spc2 = 0.0f;
  } else if (ialf == 2) {
    gx = 12, gy = 13, blank = 5, spc = spc2 = 1.0f / 6.0f;
  } else if (ialf > 10) {
    gx = gy = 200, blank = 60, spc = 0.2f;
  }
  for (int a = 0; a < 6; ++a) {
    z.npxalf[a] = 20;
    z.npyalf[a] = 21;
    z.xfspc[a] = 0.25f;
    z.ialmap[a] = nullptr;
  }
  for (int a : {0, 1, 3}) {
    z.npxalf[a] = gx;
    z.npyalf[a] = gy;
  }
  if (ialf > 10) z.npxalf[1] = 20, z.npyalf[1] = 21;
  z.xfspc[0] = z.xfspc[3] = spc;
  z.xfspc[1] = spc2;
  z.xfspc[4] = ialf == 7 ? 0.25f : 0.0f;
  z.xfixfc = 1.4f;
  z.nblksp = blank;
  return allocateStore();
}

bool lcsets(const uint16_t* table, int n) {
  auto& z = zanglb;
  if (z.ndatld + n > fontdata::kFontPointCapacity) return false;
  for (int i = 0; i < n; ++i) {
    z.ixal[z.ndatld + i] = static_cast<int8_t>(table[i] & 0xFF);
    z.iyal[z.ndatld + i] = static_cast<int8_t>(table[i] >> 8);
  }
  z.ndatld += n;
  return true;
}

bool loadFont(int ialf) {
  const fontdata::FontDef* def = nullptr;
  for (const auto& f : fontdata::kFonts)
    if (f.ialf == ialf) def = &f;
  if (!def || !lcinit(ialf)) return false;
  for (const auto& a : def->alphabets)
    if (!loadAlphabet(a)) return false;  // the capacity holds every font
  return true;
}

GlyphRef gcspec(int alphabet, int code) {
  if (alphabet < 2 || alphabet > 6) return {alphabet, code, false};
  const int16_t* map = zanglb.ialmap[alphabet - 1];
  if (!map) {
    if (hasGlyph(alphabet, code)) return {alphabet, code, false};
    return {1, code, true};
  }
  int g = code >= 0 && code < 256 ? map[code] : 0;
  if (g == 0) return {1, code, true};
  return {alphabet, g, false};
}

bool hasGlyph(int alphabet, int g) { return recordOf(alphabet, g) >= 0; }

float glyphWidth(int alphabet, int g) {
  const auto& z = zanglb;
  if (z.ialf == 1 && (alphabet == 1 || (alphabet == 4 && z.istalf[3] == z.istalf[0])))
    return 6.0f;
  const int pos = recordOf(alphabet, g);
  if (pos < 0) return static_cast<float>(z.nblksp);
  float w = 0.0f;
  bool any = false;
  forEachStroke(alphabet, g, [&](const float* x, const float*, int n) {
    for (int i = 0; i < n; ++i) {
      w = any ? std::max(w, x[i]) : x[i];
      any = true;
    }
  });
  return w;
}

void forEachStroke(int alphabet, int g, const StrokeVisitor& visit) {
  const auto& z = zanglb;
  const int pos = recordOf(alphabet, g);
  if (pos < 0) return;
  const int len = z.ikey[pos];
  const int base = z.istdat[alphabet - 1] - 1;
  const float unit = offsetUnit(alphabet);
  // Strokes are short: a stack buffer, the heap only for a longer one.
  constexpr int kLocal = 128;
  float localX[kLocal], localY[kLocal];
  std::vector<float> longX, longY;
  for (int w = pos + 1; w < pos + len;) {
    int n = z.ikey[w];
    const int s = z.ikey[w + 1];
    float ox = 0.0f, oy = 0.0f;
    if (n < 0) {
      const auto p = static_cast<uint16_t>(z.ikey[w + 2]);
      ox = static_cast<int8_t>(p & 0xFF) * unit;
      oy = static_cast<int8_t>(p >> 8) * unit;
      n = -n;
      w += 3;
    } else {
      w += 2;
    }
    float* xs = localX;
    float* ys = localY;
    if (n > kLocal) {
      longX.resize(static_cast<std::size_t>(n));
      longY.resize(static_cast<std::size_t>(n));
      xs = longX.data();
      ys = longY.data();
    }
    for (int i = 0; i < n; ++i) {
      xs[i] = z.ixal[base + s - 1 + i] + ox;
      ys[i] = z.iyal[base + s - 1 + i] + oy;
    }
    visit(xs, ys, n);
  }
}

}  // namespace zantor
