// The font store: layout of every compiled-in font, glyph decoding,
// accented letters, code pages and a rendered specimen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/state.h"
#include "text/font_store.h"
#include "text/fontdata/font_data.h"

extern "C" void zanalf_();
extern "C" void helve_();

namespace zantor {
namespace {

using Stroke = std::vector<std::pair<float, float>>;

std::vector<Stroke> strokesOf(int alphabet, int g) {
  std::vector<Stroke> out;
  forEachStroke(alphabet, g, [&](const float* x, const float* y, int n) {
    Stroke s;
    for (int i = 0; i < n; ++i) s.emplace_back(x[i], y[i]);
    out.push_back(s);
  });
  return out;
}

std::vector<int> allFonts() {
  std::vector<int> f;
  for (const auto& d : fontdata::kFonts) f.push_back(d.ialf);
  return f;
}

struct Box {
  float x0 = 1e9f, x1 = -1e9f, y0 = 1e9f, y1 = -1e9f;
};
Box boxOf(const std::vector<Stroke>& strokes) {
  Box b;
  for (const auto& s : strokes)
    for (auto [x, y] : s) {
      b.x0 = std::min(b.x0, x), b.x1 = std::max(b.x1, x);
      b.y0 = std::min(b.y0, y), b.y1 = std::max(b.y1, y);
    }
  return b;
}

TEST(FontStore, EveryFontHasAConsistentLayout) {
  for (int ialf : allFonts()) {
    SCOPED_TRACE("font " + std::to_string(ialf));
    ASSERT_TRUE(loadFont(ialf));
    const auto& z = zanglb;
    EXPECT_EQ(z.ialf, ialf);
    ASSERT_EQ(z.nindld, 6);
    EXPECT_LE(z.ndatld, fontdata::kFontPointCapacity);
    EXPECT_LE(z.nkeyld, fontdata::kFontKeyCapacity);
    for (int a = 0; a < 6; ++a) {
      SCOPED_TRACE("alphabet " + std::to_string(a + 1));
      ASSERT_GE(z.istalf[a], 1);
      ASSERT_GE(z.istdat[a], 1);
      int pos = z.istalf[a] - 1;
      for (int r = 0; r < z.istlen[a]; ++r) {
        ASSERT_LT(pos, z.nkeyld);
        const int len = z.ikey[pos];
        ASSERT_GE(len, 1);
        ASSERT_LE(pos + len, z.nkeyld);
        int w = pos + 1;
        while (w < pos + len) {
          const int n = std::abs(z.ikey[w]);
          const int s = z.ikey[w + 1];
          ASSERT_GE(n, 1);
          ASSERT_GE(s, 1);
          // every point of the stroke lies inside the loaded points
          ASSERT_LE(z.istdat[a] - 1 + s - 1 + n, z.ndatld);
          w += z.ikey[w] < 0 ? 3 : 2;
        }
        ASSERT_EQ(w, pos + len) << "stroke entries overrun record " << r;
        pos += len;
      }
    }
    // Letters of the standard alphabet are drawn and fit the font grid.
    for (int g : {int{'A'}, int{'g'}, int{'8'}}) {
      const auto strokes = strokesOf(1, g);
      ASSERT_FALSE(strokes.empty());
      const Box b = boxOf(strokes);
      EXPECT_GE(b.x0, -0.05f * z.npxalf[0]);
      EXPECT_LE(b.y1, z.npyalf[0] * 1.3f);
      EXPECT_GT(glyphWidth(1, g), z.npxalf[0] * 0.2f);
    }
  }
}

TEST(FontStore, LoadingTwiceGivesTheSameContents) {
  ASSERT_TRUE(loadFont(3));
  const auto& z = zanglb;
  const int np = z.ndatld, nk = z.nkeyld;
  std::vector<int16_t> x(z.ixal.get(), z.ixal.get() + np), y(z.iyal.get(), z.iyal.get() + np);
  std::vector<int16_t> k(z.ikey.get(), z.ikey.get() + nk);
  const int16_t* addr = z.ixal.get();
  ASSERT_TRUE(loadFont(11));
  ASSERT_TRUE(loadFont(3));
  EXPECT_EQ(z.ixal.get(), addr) << "the store is allocated only once";
  ASSERT_EQ(z.ndatld, np);
  ASSERT_EQ(z.nkeyld, nk);
  EXPECT_TRUE(std::equal(x.begin(), x.end(), z.ixal.get()));
  EXPECT_TRUE(std::equal(y.begin(), y.end(), z.iyal.get()));
  EXPECT_TRUE(std::equal(k.begin(), k.end(), z.ikey.get()));
}

TEST(FontStore, BlankAndOutOfRangeGlyphs) {
  for (int ialf : {1, 4, 13}) {
    ASSERT_TRUE(loadFont(ialf));
    const auto& z = zanglb;
    for (int a = 1; a <= 6; ++a) {
      for (int g : {32, 32 + z.istlen[a - 1] + 1, 500}) {
        EXPECT_FALSE(hasGlyph(a, g));
        EXPECT_TRUE(strokesOf(a, g).empty());
        if (!(ialf == 1 && a == 1)) {
          EXPECT_EQ(glyphWidth(a, g), z.nblksp);
        }
      }
    }
  }
  ASSERT_TRUE(loadFont(1));
  EXPECT_EQ(glyphWidth(1, 32), 6.0f);
  EXPECT_EQ(glyphWidth(1, 'W'), 6.0f) << "font 1 standard glyphs have a fixed width";
}

// An entry (-n, s, p) draws the stored points shifted by p.
TEST(FontStore, NegativeCountEntryAppliesItsOffset) {
  for (int ialf : {1, 3, 11}) {
    SCOPED_TRACE("font " + std::to_string(ialf));
    ASSERT_TRUE(loadFont(ialf));
    const auto& z = zanglb;
    // Ä: the two dots of the dieresis are one shape, the second shifted.
    int pos = z.istalf[0] - 1;
    for (int r = 0; r < 127 - 33; ++r) pos += z.ikey[pos];
    const int len = z.ikey[pos];
    bool sawOffset = false;
    for (int w = pos + 1; w < pos + len; w += z.ikey[w] < 0 ? 3 : 2) {
      if (z.ikey[w] >= 0) continue;
      sawOffset = true;
      const int n = -z.ikey[w], s = z.ikey[w + 1];
      const auto p = static_cast<uint16_t>(z.ikey[w + 2]);
      const float unit = ialf > 10 ? 2.0f : 0.5f;
      const float ox = static_cast<int8_t>(p & 0xFF) * unit;
      const float oy = static_cast<int8_t>(p >> 8) * unit;
      EXPECT_TRUE(ox != 0.0f || oy != 0.0f);
      // find this stroke among the decoded ones
      const int first = z.istdat[0] - 1 + s - 1;
      bool found = false;
      for (const auto& st : strokesOf(1, 127))
        found |= static_cast<int>(st.size()) == n && st[0].first == z.ixal[first] + ox &&
                 st[0].second == z.iyal[first] + oy && st[n - 1].first == z.ixal[first + n - 1] + ox;
      EXPECT_TRUE(found);
    }
    EXPECT_TRUE(sawOffset) << "the dieresis reuses one dot shape";
  }
}

// Accented glyph numbers hold their base letter and an accent above (or a
// mark below for the cedilla letters).
TEST(FontStore, AccentedGlyphsContainBaseLetterAndAccent) {
  struct Case {
    int glyph;
    int base;
    bool below;
  };
  std::vector<Case> cases = {{127, 'A', false}, {128, 'O', false}, {129, 'U', false},
                             {131, 'o', false}, {134, 'A', false}, {140, 'N', false},
                             {141, 'n', false}, {142, 'C', true},  {143, 'c', true},
                             {144, 'E', false}, {196, 'S', true},  {206, 's', true},
                             {241, 'G', false}, {242, 'I', false}, {243, 'g', false}};
  const char* acc = "AEIOUaeiou";
  for (int k = 0; k < 10; ++k)
    for (int first : {148, 158, 168})
      if (acc[k] != 'i') cases.push_back({first + k, acc[k], false});
  for (int ialf : {1, 3, 4, 5, 6, 7, 11, 12, 13, 14}) {
    SCOPED_TRACE("font " + std::to_string(ialf));
    ASSERT_TRUE(loadFont(ialf));
    for (const auto& c : cases) {
      if (ialf > 10 && c.glyph == 134) continue;  // the outline Å is one drawing
      SCOPED_TRACE("glyph " + std::to_string(c.glyph));
      const auto base = strokesOf(1, c.base);
      const auto acc2 = strokesOf(1, c.glyph);
      ASSERT_GT(acc2.size(), base.size());
      std::vector<Stroke> rest = acc2;
      for (const auto& b : base) {
        auto it = std::find(rest.begin(), rest.end(), b);
        ASSERT_NE(it, rest.end()) << "base letter stroke missing";
        rest.erase(it);
      }
      const Box bb = boxOf(base), ab = boxOf(rest);
      if (c.below)
        EXPECT_LT(ab.y0, bb.y0 + 0.01f);
      else
        EXPECT_GT(ab.y0, bb.y1 - 0.01f) << "accent lies above the letter";
    }
  }
}

TEST(FontStore, FontOneStaysInsideItsGrid) {
  ASSERT_TRUE(loadFont(1));
  const auto& z = zanglb;
  EXPECT_EQ(z.npxalf[0], 6);
  EXPECT_EQ(z.npyalf[0], 7);
  for (int a : {1, 2}) {
    for (int g = 33; g <= 31 + z.istlen[a - 1]; ++g) {
      const auto strokes = strokesOf(a, g);
      if (strokes.empty()) continue;
      const Box b = boxOf(strokes);
      const bool ascii = g < 127;
      SCOPED_TRACE("alphabet " + std::to_string(a) + " glyph " + std::to_string(g));
      EXPECT_GE(b.x0, ascii ? 0.0f : -1.0f);
      EXPECT_LE(b.x1, ascii ? 4.0f : 5.5f);
      EXPECT_GE(b.y0, -2.0f);
      EXPECT_LE(b.y1, ascii ? 8.0f : 10.0f);
    }
  }
}

TEST(FontStore, BorrowedCharactersAndCodePages) {
  ASSERT_TRUE(loadFont(3));
  // Greek letters are the Greek alphabet's own, digits come from alphabet 1.
  GlyphRef alpha = gcspec(2, 'a');
  EXPECT_EQ(alpha.alphabet, 2);
  EXPECT_FALSE(alpha.borrowed);
  EXPECT_TRUE(hasGlyph(2, alpha.glyph));
  GlyphRef one = gcspec(2, '1');
  EXPECT_EQ(one.alphabet, 1);
  EXPECT_TRUE(one.borrowed);
  EXPECT_EQ(one.glyph, '1');
  // Cyrillic: every letter of the code pages has a glyph.
  for (const auto& e : fontdata::kCyrillicIso5) {
    if (e.alphabet != 6) continue;
    GlyphRef r = gcspec(6, e.code);
    EXPECT_EQ(r.alphabet, 6);
    EXPECT_TRUE(hasGlyph(6, r.glyph)) << e.code;
  }
  EXPECT_EQ(fontdata::kCyrillicUtf8[0x410 - 1024].alphabet, 6);  // А
  EXPECT_EQ(fontdata::kCyrillicKoi8[0xE1 - 192].code, fontdata::kCyrillicIso5[0xB0 - 160].code);
  // Latin-1 letters reach the fixed glyph numbers.
  EXPECT_EQ(fontdata::kLatin1Letters[0xE9 - 191], 154);  // é
  EXPECT_EQ(fontdata::kLatin1Letters[0xC4 - 191], 127);  // Ä
  EXPECT_EQ(fontdata::kLatin1Letters[0xDF - 191], 133);  // ß
  EXPECT_EQ(fontdata::kLatin1Letters[191 - 191], 186);   // ¿
  // Latin-2 Ł contains L; Latin-3 Ğ is glyph 241.
  const int lstroke = fontdata::kLatin2[0xA3 - 160];
  ASSERT_GT(lstroke, 0);
  auto l = strokesOf(1, 'L');
  auto ll = strokesOf(1, lstroke);
  EXPECT_GT(ll.size(), l.size());
  EXPECT_EQ(fontdata::kLatin3[0xAB - 160], 241);
  // Greek code pages land in alphabet 2 on letters the alphabet has.
  for (const auto& e : fontdata::kGreekUtf8)
    if (e.alphabet == 2) {
      EXPECT_TRUE(hasGlyph(2, gcspec(2, e.code).glyph)) << e.code;
    }
}

TEST(FontStore, FontRoutinesSelectFontsAndShading) {
  helve_();
  EXPECT_EQ(zanglb.ialf, 11);
  EXPECT_EQ(zanglb.npxalf[0], 200);
  EXPECT_EQ(zanglb.npxalf[1], 20);
  EXPECT_EQ(zanglb.nblksp, 60);
  EXPECT_FLOAT_EQ(zanglb.xfspc[0], 0.2f);
  zanalf_();
  EXPECT_EQ(zanglb.ialf, 1);
  EXPECT_EQ(zanglb.nblksp, 6);
  EXPECT_EQ(zanglb.ipsfnt, 0);
  // The slanted italic alphabet is the standard one.
  EXPECT_EQ(zanglb.istalf[3], zanglb.istalf[0]);
}

// Outline glyph contours are closed.
TEST(FontStore, OutlineContoursAreClosed) {
  ASSERT_TRUE(loadFont(14));
  for (int g : {int{'B'}, int{'e'}, int{'&'}, 127, 133}) {
    const auto strokes = strokesOf(1, g);
    ASSERT_FALSE(strokes.empty());
    for (const auto& s : strokes) EXPECT_EQ(s.front(), s.back()) << g;
  }
}

// Draws every alphabet of every font into a picture: every alphabet leaves
// ink inside its cells.  The pictures are written only when
// ZANTOR_FONT_SPECIMEN names a directory for them (for looking at the
// glyphs).
TEST(FontStore, Specimen) {
  const char* env = std::getenv("ZANTOR_FONT_SPECIMEN");
  const std::string dir = env ? env : "";
  for (int ialf : allFonts()) {
    ASSERT_TRUE(loadFont(ialf));
    const int cell = 44, cols = 24;
    int rows = 0;
    for (int a = 1; a <= 6; ++a) rows += (zanglb.istlen[a - 1] + cols - 1) / cols;
    const int w = cols * cell, h = rows * cell;
    std::vector<unsigned char> img(static_cast<size_t>(w) * h, 255);
    auto plot = [&](float x, float y) {
      int ix = static_cast<int>(std::lround(x)), iy = static_cast<int>(std::lround(y));
      if (ix >= 0 && ix < w && iy >= 0 && iy < h) img[static_cast<size_t>(iy) * w + ix] = 0;
    };
    int row = 0;
    for (int a = 1; a <= 6; ++a) {
      const size_t inkBefore = std::count(img.begin(), img.end(), 0);
      const float sx = 28.0f / zanglb.npyalf[a - 1], sy = sx;
      for (int k = 0; k < zanglb.istlen[a - 1]; ++k) {
        const float ox = (k % cols) * cell + 6.0f, oy = (row + k / cols) * cell + 34.0f;
        forEachStroke(a, 33 + k, [&](const float* x, const float* y, int n) {
          for (int i = 0; i + 1 < n; ++i)
            for (int t = 0; t <= 20; ++t) {
              const float u = t / 20.0f;
              plot(ox + (x[i] + (x[i + 1] - x[i]) * u) * sx, oy - (y[i] + (y[i + 1] - y[i]) * u) * sy);
            }
        });
      }
      row += (zanglb.istlen[a - 1] + cols - 1) / cols;
      if (zanglb.istlen[a - 1] > 0) {
        EXPECT_GT(static_cast<size_t>(std::count(img.begin(), img.end(), 0)), inkBefore)
            << "font " << ialf << " alphabet " << a << " draws nothing";
      }
    }
    if (dir.empty()) continue;
    const std::string path = dir + "/font" + std::to_string(ialf) + ".pgm";
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fprintf(f, "P5 %d %d 255\n", w, h);
    std::fwrite(img.data(), 1, img.size(), f);
    std::fclose(f);
  }
}

}  // namespace
}  // namespace zantor
