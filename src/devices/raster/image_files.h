// The raster file writers (PNG, PPM, BMP and the library's own image
// format).  Each reads the picture row by row from an ImageSource and
// writes through a Sink; the sink keeps the first write error, so a full
// disk becomes status -1 at the end instead of a truncated file nobody
// notices.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

#include "devices/sink.h"

namespace zantor {

class RasterContext;

// Writer status: 0 written, -1 the file cannot be written, -2 not enough
// memory, -3 zlib initialisation failed, -4 compression did not finish,
// -5 zlib end failed.
enum ImageStatus { kImageOk = 0, kImageIo = -1, kImageMemory = -2, kZlibInit = -3,
                   kZlibDeflate = -4, kZlibEnd = -5 };

// A picture to be written: its size, whether rows come as R, G, B bytes
// (else one colour index per pixel), the colour table (0x00RRGGBB) and the
// row reader.  The raster device and the window device each provide one.
struct ImageSource {
  int width = 0, height = 0;
  bool rgb = false;
  std::array<uint32_t, 256> palette{};
  // Fills `out` with row y (0 = top): width bytes, or 3 x width for RGB.
  std::function<void(int y, uint8_t* out)> readRow;
};

// The whole framebuffer of a raster context.
ImageSource rasterSource(const RasterContext& raster);

// PNG: indexed (PLTE) or truecolour; `transparent` adds tRNS (palette entry
// 0, or white).  One IDAT holds the whole zlib stream.
int writePng(Sink& out, const ImageSource& src, bool transparent);
int writePpm(Sink& out, const ImageSource& src);
// BMP with `resolution` pixels per metre in both directions.
int writeBmp(Sink& out, const ImageSource& src, int resolution);
// The library's own image file: an 80-byte text header with the source tag
// ("VIRT ", "X11  ", ...), then the pixels.  Status 0, 1 (cannot write) or
// 2 (no row buffer), as the IMAG callers expect.
int writeImag(Sink& out, const ImageSource& src, std::string_view tag);
// Reads an own image file into the raster (as far as it fits): 0, 1 the
// file cannot be read or is not an image file.
int readImag(const std::string& path, RasterContext& raster);

}  // namespace zantor
