// Fields of the state record owned by the stroke font store.
#pragma once
#include <cstdint>
#include <memory>

namespace zantor {

struct FontFields {
  // Point and directory arrays, allocated by the first font load and kept
  // for the life of the process.  Point numbers and directory positions in
  // the fields below are 1-based.
  std::unique_ptr<int16_t[]> ixal, iyal;  // glyph points, font units
  std::unique_ptr<int16_t[]> ikey;        // glyph directories
  int32_t ndatld = 0;     // points loaded
  int32_t nkeyld = 0;     // directory words loaded
  int32_t nindld = 0;     // alphabets loaded
  int32_t istalf[6] = {}; // first directory word of alphabets 1..6
  int32_t istdat[6] = {}; // first point of alphabets 1..6
  int32_t istlen[6] = {}; // glyphs per alphabet, counted from glyph 32
  int32_t npxalf[6] = {}, npyalf[6] = {};  // font grid per alphabet
  float xfspc[6] = {};    // spacing after a glyph, in character heights
  int32_t nblksp = 0;     // width of the blank, font units
  float xfixfc = 1.4f;    // cell width factor of fixed spacing
  int32_t ialf = 0;       // loaded font, 0 none
  int32_t nshade = 0;     // 1: outline glyphs are filled (shdcha)
  int32_t ipsfnt = 0;     // active font kind, 0 stroke font
  // Per alphabet: code -> glyph number table of letters-only alphabets
  // (nullptr: the code is the glyph number).
  const int16_t* ialmap[6] = {};
};

}  // namespace zantor
