// PNG files: signature, IHDR, PLTE, tRNS, one IDAT, IEND.
#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <memory>

#include "devices/raster/adler32.h"
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

// Row filters of true-colour rows (3 bytes per pixel).  Plots are mostly
// flat colour: a row equal to the one above becomes zeros under "Up", any
// other row turns its runs into zeros under "Sub"; zeros compress fastest
// and smallest.  (The per-row minimum-sum choice among all filters costs
// more than it gains on pictures of flat colour.)
void filterRow(const uint8_t* __restrict cur, const uint8_t* prev, std::size_t n,
               uint8_t* __restrict out) {
  if (prev != nullptr && std::memcmp(cur, prev, n) == 0) {
    out[0] = 2;
    std::memset(out + 1, 0, n);
    return;
  }
  out[0] = 1;
  const std::size_t head = n < 3 ? n : 3;
  std::memcpy(out + 1, cur, head);
  // Eight bytes at a time: each byte minus the byte three before it, with
  // no borrow crossing from one byte into the next.
  constexpr uint64_t kHigh = 0x8080808080808080u;
  std::size_t i = 3;
  for (; i + 8 <= n; i += 8) {
    uint64_t a, b;
    std::memcpy(&a, cur + i, 8);
    std::memcpy(&b, cur + i - 3, 8);
    const uint64_t d = ((a | kHigh) - (b & ~kHigh)) ^ ((a ^ ~b) & kHigh);
    std::memcpy(out + 1 + i, &d, 8);
  }
  for (; i < n; ++i) out[1 + i] = uint8_t(cur[i] - cur[i - 3]);
}

// Work memory kept from one file to the next: a program that writes many
// pictures of one size allocates it once.  Areas beyond kKeepBytes are
// released after the file.
constexpr uint64_t kKeepBytes = uint64_t(64) << 20;

// zlib moves its 64 K window back by half after 64 K - 262 bytes of input.
constexpr uint64_t kPiece = 65000;

struct PngWork {
  Buffer image, packed, rows;
  uint64_t imageCap = 0, packedCap = 0, rowsCap = 0;
  z_stream z{};
  bool zReady = false;  // z holds an initialised stream, reset for reuse
  int strategy = Z_DEFAULT_STRATEGY;
  ~PngWork() {
    if (zReady) deflateEnd(&z);
  }
  static bool reserve(Buffer& b, uint64_t& cap, uint64_t n) {
    if (cap >= n) return true;
    b.reset(static_cast<uint8_t*>(std::malloc(n)));
    cap = b ? n : 0;
    return bool(b);
  }
  void trim() {
    if (imageCap > kKeepBytes) image.reset(), imageCap = 0;
    if (packedCap > kKeepBytes) packed.reset(), packedCap = 0;
    if (rowsCap > kKeepBytes) rows.reset(), rowsCap = 0;
  }
};

PngWork& work() {
  static PngWork w;
  return w;
}

}  // namespace

int writePng(Sink& out, const ImageSource& src, bool transparent) {
  if (src.width < 1 || src.height < 1 || !src.readRow) return kImageMemory;
  const uint64_t rowBytes = uint64_t(src.width) * (src.rgb ? 3 : 1);
  const uint64_t raw = (rowBytes + 1) * uint64_t(src.height);
  // Room for every piece's end marker (below) besides zlib's own bound.
  const uint64_t packedCap = raw + raw / 100 + 13 + 16 * (raw / kPiece + 1);
  if (packedCap > 0xFFFFFFFFu) return kImageMemory;  // beyond one zlib call

  PngWork& w = work();
  struct Trim {
    PngWork& w;
    ~Trim() { w.trim(); }
  } trimAfter{w};
  if (!PngWork::reserve(w.image, w.imageCap, raw)) return kImageMemory;
  uint8_t* image = w.image.get();
  // The zlib checksum is taken row by row while the row is fresh in the
  // cache; zlib itself writes a raw stream (see below).
  uint32_t adler = 1;
  if (src.rgb) {
    // Two rows of plain pixels: the current one and the one above.
    if (!PngWork::reserve(w.rows, w.rowsCap, 2 * rowBytes)) return kImageMemory;
    uint8_t* cur = w.rows.get();
    uint8_t* prev = cur + rowBytes;
    for (int y = 0; y < src.height; ++y) {
      src.readRow(y, cur);
      uint8_t* row = image + uint64_t(y) * (rowBytes + 1);
      filterRow(cur, y > 0 ? prev : nullptr, rowBytes, row);
      adler = adler32Update(adler, row, rowBytes + 1);
      std::swap(cur, prev);
    }
  } else {
    for (int y = 0; y < src.height; ++y) {
      uint8_t* r = image + uint64_t(y) * (rowBytes + 1);
      r[0] = 0;  // filter type None
      src.readRow(y, r + 1);
      adler = adler32Update(adler, r, rowBytes + 1);
    }
  }
  if (!PngWork::reserve(w.packed, w.packedCap, packedCap)) return kImageMemory;

  // One stream, initialised once and reset for every further file.  The
  // level is zlib's default; filtered true-colour rows are coded as runs
  // (Z_RLE): after the filters they are long runs of zeros, which run
  // coding finds at a fraction of the cost of the full string search,
  // while indexed rows (unfiltered) keep the default strategy.  zlib
  // writes raw deflate data: the two header bytes and the checksum, which
  // zlib would compute in a second pass of its own, are added here.  Run
  // coding never looks at zlib's string hash, which zlib still clears at
  // every reset: memory level 4 keeps that table small, and its blocks of
  // 1 K symbols even compress plots a little better than the default 16 K.
  const int strategy = src.rgb ? Z_RLE : Z_DEFAULT_STRATEGY;
  const int memLevel = src.rgb ? 4 : 8;
  if (w.zReady && (w.strategy != strategy || deflateReset(&w.z) != Z_OK)) {
    deflateEnd(&w.z);
    w.zReady = false;
  }
  if (!w.zReady) {
    w.z = z_stream{};
    if (deflateInit2(&w.z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -15, memLevel, strategy) != Z_OK)
      return kZlibInit;
    w.zReady = true;
    w.strategy = strategy;
  }
  uint8_t* packed = w.packed.get();
  packed[0] = 0x78;  // deflate, 32 K window
  packed[1] = 0x9C;  // default level; header divisible by 31
  w.z.next_out = packed + 2;
  w.z.avail_out = uInt(packedCap - 6);
  // Rows go in pieces of at most kPiece bytes, each ending on a byte
  // boundary and the stream reset after it, so that zlib never has to
  // move its window and rewrite its tables, which cost more than run
  // coding itself.  Run coding looks back one byte only and loses nothing;
  // the string search of indexed rows loses only the matches into the
  // piece before, which left no plot file larger in our measurements.
  const uint64_t rows = std::max<uint64_t>(1, kPiece / (rowBytes + 1));
  for (uint64_t y = 0; y < uint64_t(src.height); y += rows) {
    const bool last = y + rows >= uint64_t(src.height);
    const uint64_t n = (std::min(y + rows, uint64_t(src.height)) - y) * (rowBytes + 1);
    if (y > 0 && deflateReset(&w.z) != Z_OK) return kZlibDeflate;
    w.z.next_in = image + y * (rowBytes + 1);
    w.z.avail_in = uInt(n);
    const int status = deflate(&w.z, last ? Z_FINISH : Z_SYNC_FLUSH);
    if (last ? status != Z_STREAM_END : status != Z_OK || w.z.avail_out == 0) return kZlibDeflate;
  }
  const uint32_t packedSize = uint32_t(w.z.next_out - packed) + 4;
  put32(packed + packedSize - 4, adler);

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
  chunk(out, "IDAT", w.packed.get(), packedSize);
  chunk(out, "IEND", nullptr, 0);
  return out.failed() ? kImageIo : kImageOk;
}

}  // namespace zantor
