// PNG files: signature, IHDR, PLTE, tRNS, one IDAT, IEND.
#include <zlib.h>

#include <cstdlib>
#include <memory>

#include "devices/raster/crc32.h"
#include "devices/raster/image_files.h"

namespace zantor {
namespace {

struct FreeDeleter {
  void operator()(uint8_t* p) const { std::free(p); }
};
using Buffer = std::unique_ptr<uint8_t, FreeDeleter>;

void put32(uint8_t* p, uint32_t v) {
  p[0] = uint8_t(v >> 24);
  p[1] = uint8_t(v >> 16);
  p[2] = uint8_t(v >> 8);
  p[3] = uint8_t(v);
}

// One chunk: length, type, data, CRC over type and data.
void chunk(Sink& out, const char* type, const uint8_t* data, uint32_t n) {
  uint8_t head[8];
  put32(head, n);
  for (int i = 0; i < 4; ++i) head[4 + i] = uint8_t(type[i]);
  uint32_t crc = crc32Update(0, head + 4, 4);
  if (n > 0) crc = crc32Update(crc, data, n);
  uint8_t tail[4];
  put32(tail, crc);
  out.write(head, 8);
  out.write(data, n);
  out.write(tail, 4);
}

// Ends the zlib stream on every path.
struct Deflater {
  z_stream z{};
  bool open = false;
  ~Deflater() {
    if (open) deflateEnd(&z);
  }
};

}  // namespace

int writePng(Sink& out, const ImageSource& src, bool transparent) {
  if (src.width < 1 || src.height < 1 || !src.readRow) return kImageMemory;
  const uint64_t rowBytes = uint64_t(src.width) * (src.rgb ? 3 : 1);
  const uint64_t raw = (rowBytes + 1) * uint64_t(src.height);
  const uint64_t packedCap = raw + raw / 100 + 13;
  if (packedCap > 0xFFFFFFFFu) return kImageMemory;  // beyond one zlib call

  Buffer image(static_cast<uint8_t*>(std::malloc(raw)));
  if (!image) return kImageMemory;
  for (int y = 0; y < src.height; ++y) {
    uint8_t* r = image.get() + uint64_t(y) * (rowBytes + 1);
    r[0] = 0;  // filter type None
    src.readRow(y, r + 1);
  }
  Buffer packed(static_cast<uint8_t*>(std::malloc(packedCap)));
  if (!packed) return kImageMemory;

  Deflater d;
  if (deflateInit(&d.z, Z_DEFAULT_COMPRESSION) != Z_OK) return kZlibInit;
  d.open = true;
  d.z.next_in = image.get();
  d.z.avail_in = uInt(raw);
  d.z.next_out = packed.get();
  d.z.avail_out = uInt(packedCap);
  if (deflate(&d.z, Z_FINISH) != Z_STREAM_END) return kZlibDeflate;
  const uint32_t packedSize = uint32_t(d.z.total_out);
  d.open = false;
  if (deflateEnd(&d.z) != Z_OK) return kZlibEnd;
  image.reset();

  static const uint8_t signature[8] = {137, 80, 78, 71, 13, 10, 26, 10};
  out.write(signature, 8);
  uint8_t ihdr[13];
  put32(ihdr, uint32_t(src.width));
  put32(ihdr + 4, uint32_t(src.height));
  ihdr[8] = 8;                  // bit depth
  ihdr[9] = src.rgb ? 2 : 3;    // truecolour or palette
  ihdr[10] = ihdr[11] = ihdr[12] = 0;
  chunk(out, "IHDR", ihdr, 13);
  if (!src.rgb) {
    uint8_t plte[768];
    for (int i = 0; i < 256; ++i) {
      plte[3 * i] = uint8_t(src.palette[i] >> 16);
      plte[3 * i + 1] = uint8_t(src.palette[i] >> 8);
      plte[3 * i + 2] = uint8_t(src.palette[i]);
    }
    chunk(out, "PLTE", plte, 768);
  }
  if (transparent) {
    if (src.rgb) {
      static const uint8_t white[6] = {0, 255, 0, 255, 0, 255};
      chunk(out, "tRNS", white, 6);
    } else {
      static const uint8_t entry0[1] = {0};
      chunk(out, "tRNS", entry0, 1);
    }
  }
  chunk(out, "IDAT", packed.get(), packedSize);
  chunk(out, "IEND", nullptr, 0);
  return out.failed() ? kImageIo : kImageOk;
}

}  // namespace zantor
