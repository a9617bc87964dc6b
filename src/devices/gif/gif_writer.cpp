// GIF files from a picture source.
#include "devices/gif/gif_writer.h"

#include <memory>
#include <new>

#include "devices/raster/octree_quantiser.h"

namespace zantor {
namespace {

void put16(Sink& out, int v) {
  const uint8_t b[2] = {uint8_t(v), uint8_t(v >> 8)};
  out.write(b, 2);
}

// The data in sub-blocks of at most 255 bytes, then the zero-length block.
void writeSubBlocks(Sink& out, const std::vector<uint8_t>& data) {
  std::size_t at = 0;
  while (at < data.size()) {
    const std::size_t n = data.size() - at < 255 ? data.size() - at : 255;
    out.put(uint8_t(n));
    out.write(data.data() + at, n);
    at += n;
  }
  out.put(0);
}

int nearestEntry(const uint8_t* red, const uint8_t* green, const uint8_t* blue, int n,
                 int64_t rgb) {
  const int r = int(rgb >> 16) & 255, g = int(rgb >> 8) & 255, b = int(rgb) & 255;
  int best = 0, bestDistance = 1 << 30;
  for (int i = 0; i < n; ++i) {
    const int dr = red[i] - r, dg = green[i] - g, db = blue[i] - b;
    const int d = dr * dr + dg * dg + db * db;
    if (d < bestDistance) {
      best = i;
      bestDistance = d;
    }
  }
  return best;
}

}  // namespace

int writeGif(Sink& out, const ImageSource& src, int background, bool transparent,
             int64_t backgroundRgb) {
  // A GIF screen is at most 65535 pixels in each direction.
  if (src.width < 1 || src.height < 1 || src.width > 65535 || src.height > 65535 || !src.readRow)
    return kImageMemory;
  const std::size_t w = std::size_t(src.width), n = w * std::size_t(src.height);
  std::unique_ptr<uint8_t[]> pixels;  // filled below: no zeroing first
  std::vector<uint8_t> packed;
  uint8_t table[768];
  try {
    pixels.reset(new uint8_t[n]);
    if (src.rgb) {
      uint8_t red[256], green[256], blue[256];
      const int colours =
          qqquantRows(src.width, src.height, src.readRow, pixels.get(), red, green, blue);
      if (colours < 0) return kImageMemory;
      if (backgroundRgb >= 0) background = nearestEntry(red, green, blue, colours, backgroundRgb);
      for (int i = 0; i < 256; ++i) {
        table[3 * i] = red[i];
        table[3 * i + 1] = green[i];
        table[3 * i + 2] = blue[i];
      }
    } else {
      for (int y = 0; y < src.height; ++y) src.readRow(y, pixels.get() + w * std::size_t(y));
      for (int i = 0; i < 256; ++i) {
        table[3 * i] = uint8_t(src.palette[i] >> 16);
        table[3 * i + 1] = uint8_t(src.palette[i] >> 8);
        table[3 * i + 2] = uint8_t(src.palette[i]);
      }
    }
    packed.reserve(n / 4 + 64);
    gifLzwEncode(pixels.get(), n, packed);
  } catch (const std::bad_alloc&) {
    return kImageMemory;
  }
  const uint8_t bg = uint8_t(background & 255);
  out.write(transparent ? "GIF89a" : "GIF87a");
  put16(out, src.width);
  put16(out, src.height);
  const uint8_t screen[3] = {0xF7, bg, 0};  // global table of 256 entries
  out.write(screen, 3);
  out.write(table, 768);
  if (transparent) {
    const uint8_t control[8] = {0x21, 0xF9, 4, 1, 0, 0, bg, 0};
    out.write(control, 8);
  }
  out.put(0x2C);
  put16(out, 0);
  put16(out, 0);
  put16(out, src.width);
  put16(out, src.height);
  out.put(0);  // no local table, not interlaced
  out.put(8);  // minimum code size
  writeSubBlocks(out, packed);
  out.put(0x3B);
  return out.failed() ? kImageIo : kImageOk;
}

}  // namespace zantor
