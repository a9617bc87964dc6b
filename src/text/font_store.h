// The font store: loading the compiled-in glyph sets of a font and
// decoding glyph records for the text engine.
#pragma once
#include <cstdint>
#include <memory>
#include <type_traits>

namespace zantor {

// Fonts with filled outline glyphs on the 200 grid.
constexpr bool isOutlineFont(int ialf) { return ialf > 10; }

// Resets the store for font ialf: counters, grids, spacing, blank width.
// Allocates the arrays on first use; false (after warning 53) when that
// fails.
bool lcinit(int ialf);

// Appends n packed points (low byte x, high byte y, signed).
bool lcsets(const uint16_t* table, int n);

// Loads font ialf (1, 3..7, 11..14) with all six alphabets; false when the
// font is unknown or memory is short.
bool loadFont(int ialf);

// Character code of alphabet 2..6 to the alphabet that draws it and its
// glyph number there: letters the alphabet lacks come from alphabet 1.
struct GlyphRef {
  int alphabet;
  int glyph;
  bool borrowed;
};
GlyphRef gcspec(int alphabet, int code);

// True when glyph g of the alphabet has a record (g = 32 and numbers past
// istlen are blanks).
bool hasGlyph(int alphabet, int g);

// Glyph width in font units: largest x of its points, the blank width for
// blanks, 6 for the standard alphabet of font 1.
float glyphWidth(int alphabet, int g);

// Calls visit once per stroke with its points in font units, offsets
// applied (0.5 units per step for stroke fonts, 2 for outline fonts).  A
// blank calls nothing.
// The visitor is a non-owning reference to the caller's lambda: text draws
// millions of strokes, and a std::function would allocate for every glyph.
class StrokeVisitor {
 public:
  template <class F>
    requires(!std::is_same_v<std::remove_cvref_t<F>, StrokeVisitor>)
  StrokeVisitor(F&& f)  // NOLINT: implicit, so that a lambda can be passed
      : fn_(const_cast<void*>(static_cast<const void*>(std::addressof(f)))),
        call_([](void* fn, const float* x, const float* y, int n) {
          (*static_cast<std::remove_reference_t<F>*>(fn))(x, y, n);
        }) {}
  void operator()(const float* x, const float* y, int n) const { call_(fn_, x, y, n); }

 private:
  void* fn_;
  void (*call_)(void*, const float*, const float*, int);
};
void forEachStroke(int alphabet, int g, const StrokeVisitor& visit);

}  // namespace zantor
