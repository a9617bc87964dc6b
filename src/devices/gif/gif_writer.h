// GIF files: GIF87a (GIF89a with a transparent colour), one global colour
// table of 256 entries, one image of LZW codes in sub-blocks.
#pragma once
#include <cstdint>
#include <vector>

#include "devices/raster/image_files.h"

namespace zantor {

// Writes the picture; a true-colour source is first reduced to 256 colours
// by the octree quantiser.  `background` is the background colour index of
// the screen descriptor and, with `transparent`, the transparent index.
// For a true-colour source `backgroundRgb` (0x00RRGGBB, or -1 to keep
// `background`) names the background colour instead: its nearest palette
// entry becomes the background index.  Returns kImageOk, kImageIo or
// kImageMemory.
int writeGif(Sink& out, const ImageSource& src, int background, bool transparent,
             int64_t backgroundRgb = -1);

// The LZW coder of the image data: clear 256, end 257, codes from 258,
// 9 to 12 bits, least significant bit first.  Appends the packed bytes
// (without sub-block counts) to `out`.
void gifLzwEncode(const uint8_t* pixels, std::size_t n, std::vector<uint8_t>& out);

}  // namespace zantor
