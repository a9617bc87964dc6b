// The octree colour quantiser: reduces a true-colour picture to at most
// 256 colours for the writers that need a palette (GIF always; PNG, BMP
// and TIFF for indexed output from a true-colour source).
#pragma once
#include <cstdint>
#include <functional>

namespace zantor {

// Reduces `width` x `height` pixels of R, G, B bytes (rows top to bottom)
// to palette indices, one byte per pixel in `indices`, and fills the
// palette `red`, `green`, `blue` (256 entries each; entries beyond the
// number of colours are black).  Returns the number of palette entries
// (1 to 256), 0 for an empty picture, or -2 when memory is short.
int qqquant(const uint8_t* rgb, int width, int height, uint8_t* indices, uint8_t* red,
            uint8_t* green, uint8_t* blue);

// The same for a picture read row by row (each row is read twice: once to
// build the tree, once to map the pixels), without a copy of the whole
// true-colour picture.
int qqquantRows(int width, int height, const std::function<void(int y, uint8_t* rgb)>& readRow,
                uint8_t* indices, uint8_t* red, uint8_t* green, uint8_t* blue);

}  // namespace zantor
