// Baseline TIFF files: little-endian, PackBits-compressed strips, a colour
// map for indexed pictures or three 8-bit samples per pixel for RGB ones,
// and the resolution of tifmod.
#pragma once
#include "devices/raster/image_files.h"

namespace zantor {

// `resolution` pixels per `unit` (2 inch, 3 centimetre).  Returns kImageOk,
// kImageIo or kImageMemory.
int writeTiff(Sink& out, const ImageSource& src, int resolution, int unit);

// PackBits: appends the coded form of `n` bytes to `out`.
void packBits(const uint8_t* data, std::size_t n, std::vector<uint8_t>& out);

}  // namespace zantor
