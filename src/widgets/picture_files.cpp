// Readers of ICO and BMP files and the checks of a picture array.  Every
// size and offset taken from a file is checked against the bytes that are
// really there before anything is allocated or read, in 64-bit arithmetic,
// so no header can make a reader overflow, overread or allocate more than
// its file backs.
#include "widgets/picture_files.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace zantor::widgets {
namespace {

namespace msg = picture_message;

uint32_t u16(std::span<const uint8_t> d, uint64_t at) { return d[at] | (uint32_t(d[at + 1]) << 8); }
uint32_t u32(std::span<const uint8_t> d, uint64_t at) {
  return d[at] | (uint32_t(d[at + 1]) << 8) | (uint32_t(d[at + 2]) << 16) |
         (uint32_t(d[at + 3]) << 24);
}
bool fits(std::span<const uint8_t> d, uint64_t at, uint64_t n) { return at <= d.size() && n <= d.size() - at; }

int32_t explicitColour(uint32_t r, uint32_t g, uint32_t b) {
  return int32_t(0x01000000u + (b << 16) + (g << 8) + r);
}

// One channel of a bit-field pixel: the bits under `mask`, scaled to 0..255.
struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  uint64_t top = 0;  // largest value of the channel
  explicit Channel(uint32_t m = 0) : mask(m) {
    if (m == 0) return;
    shift = std::countr_zero(m);
    top = (uint64_t{1} << std::popcount(m)) - 1;
  }
  uint32_t byte(uint32_t v) const {
    if (mask == 0) return 0;
    const uint64_t x = std::min<uint64_t>((v & mask) >> shift, top);
    return uint32_t((x * 255 + top / 2) / top);
  }
};

// How the bitmap of a BMP file and of an icon differ.
struct DibRules {
  bool icon;                   // the height counts the mask too, which follows
  std::string_view badFormat;  // a header that is no bitmap header
  int32_t maxSide;
};

// The bitmap whose information header starts at `info`; its pixels start
// at `pixelsAt`, or right after the colour table when pixelsAt is 0.
std::string_view decodeDib(std::span<const uint8_t> d, uint64_t info, uint64_t pixelsAt,
                           const DibRules& rules, Picture& out) {
  if (!fits(d, info, 4)) return msg::kTruncated;
  const uint64_t hsize = u32(d, info);
  if (hsize < 40 || hsize > 1024) return rules.badFormat;
  if (!fits(d, info, hsize)) return msg::kTruncated;
  const int64_t width = int32_t(u32(d, info + 4));
  const int64_t rawHeight = int32_t(u32(d, info + 8));
  const uint32_t planes = u16(d, info + 12), bpp = u16(d, info + 14);
  const uint32_t compression = u32(d, info + 16), colorsUsed = u32(d, info + 32);
  if (planes != 1) return rules.badFormat;
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
    return rules.badFormat;
  // 0: plain pixels; 3 and 6: pixels through bit-field masks.  The run
  // length (1, 2), JPEG (4) and PNG (5) forms are not read.
  const bool bitFields = compression == 3 || compression == 6;
  if (compression != 0 && !(bitFields && (bpp == 16 || bpp == 32))) return msg::kCompression;

  bool topDown = false;
  int64_t height = rawHeight;
  if (rules.icon) {
    height = rawHeight / 2;  // the colour rows, then as many mask rows
  } else if (rawHeight < 0) {
    topDown = true;
    height = -rawHeight;
  }
  if (width < 1 || height < 1) return msg::kBadSize;
  if (width > rules.maxSide || height > rules.maxSide) return msg::kTooBig;

  // Bit-field masks: inside a longer header, else right after it.
  uint64_t tableAt = info + hsize;
  Channel red, green, blue, alpha;
  if (bitFields) {
    const uint64_t maskAt = hsize >= 52 ? info + 40 : info + hsize;
    const uint64_t count = hsize >= 56 || compression == 6 ? 4 : 3;
    if (!fits(d, maskAt, count * 4)) return msg::kTruncated;
    red = Channel(u32(d, maskAt));
    green = Channel(u32(d, maskAt + 4));
    blue = Channel(u32(d, maskAt + 8));
    if (count == 4) alpha = Channel(u32(d, maskAt + 12));
    if (hsize < 52) tableAt += count * 4;
  } else if (bpp == 16) {
    red = Channel(0x7C00), green = Channel(0x03E0), blue = Channel(0x001F);
  } else if (bpp == 32) {
    red = Channel(0xFF0000), green = Channel(0xFF00), blue = Channel(0xFF);
    if (rules.icon) alpha = Channel(0xFF000000u);  // a plain bitmap's fourth byte is padding
  }

  // The colour table of 1, 4 and 8 bits.
  std::vector<int32_t> table;
  if (bpp <= 8) {
    const uint64_t entries = colorsUsed != 0 ? colorsUsed : uint64_t{1} << bpp;
    if (entries > (uint64_t{1} << bpp)) return rules.badFormat;
    if (!fits(d, tableAt, entries * 4)) return msg::kTruncated;
    for (uint64_t i = 0; i < entries; ++i) {
      const uint64_t at = tableAt + 4 * i;
      table.push_back(explicitColour(d[at + 2], d[at + 1], d[at]));
    }
    tableAt += entries * 4;
  }
  if (pixelsAt == 0) pixelsAt = tableAt;

  const uint64_t stride = (uint64_t(width) * bpp + 31) / 32 * 4;
  if (!fits(d, pixelsAt, stride * uint64_t(height))) return msg::kTruncated;
  // An icon's transparency mask: one bit a pixel, set where the
  // background shows.  A 32-bit icon may have an alpha channel instead.
  const uint64_t maskStride = (uint64_t(width) + 31) / 32 * 4;
  const uint64_t maskAt = pixelsAt + stride * uint64_t(height);
  bool useMask = false;
  if (rules.icon) {
    const bool maskThere = fits(d, maskAt, maskStride * uint64_t(height));
    if (bpp < 32 && !maskThere) return msg::kTruncated;
    bool anyAlpha = false;
    for (int64_t y = 0; bpp == 32 && y < height && !anyAlpha; ++y)
      for (int64_t x = 0; x < width && !anyAlpha; ++x)
        anyAlpha = d[pixelsAt + uint64_t(y) * stride + uint64_t(x) * 4 + 3] != 0;
    if (bpp == 32 && !anyAlpha) alpha = Channel();  // an old icon: no alpha, maybe a mask
    useMask = maskThere && (bpp < 32 || !anyAlpha);
  }

  Picture pic;
  pic.width = int32_t(width);
  pic.height = int32_t(height);
  pic.pixels.resize(uint64_t(width) * uint64_t(height));
  for (int64_t y = 0; y < height; ++y) {
    const uint64_t fileRow = uint64_t(topDown ? y : height - 1 - y);
    const uint64_t row = pixelsAt + fileRow * stride;
    for (int64_t x = 0; x < width; ++x) {
      int32_t colour;
      if (bpp <= 8) {
        const uint64_t bit = uint64_t(x) * bpp;
        const uint32_t index = (d[row + bit / 8] >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1);
        colour = index < table.size() ? table[index] : explicitColour(0, 0, 0);
      } else if (bpp == 24) {
        const uint64_t at = row + uint64_t(x) * 3;
        colour = explicitColour(d[at + 2], d[at + 1], d[at]);
      } else {
        const uint32_t v = bpp == 16 ? u16(d, row + uint64_t(x) * 2) : u32(d, row + uint64_t(x) * 4);
        colour = explicitColour(red.byte(v), green.byte(v), blue.byte(v));
        if (alpha.mask != 0 && alpha.byte(v) < 128) colour = 0;
      }
      if (useMask) {
        const uint64_t m = maskAt + fileRow * maskStride + uint64_t(x) / 8;
        if ((d[m] >> (7 - x % 8)) & 1) colour = 0;
      }
      pic.pixels[uint64_t(y) * uint64_t(width) + uint64_t(x)] = colour;
    }
  }
  out = std::move(pic);
  return {};
}

// The whole file, or false when it cannot be read.  Files beyond what the
// largest picture needs are not read.
bool readWhole(const std::string& path, std::vector<uint8_t>& bytes) {
  constexpr long kLargest = 128L << 20;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return false;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "rb"), std::fclose);
  if (!f || std::fseek(f.get(), 0, SEEK_END) != 0) return false;
  const long size = std::ftell(f.get());
  if (size < 0 || size > kLargest || std::fseek(f.get(), 0, SEEK_SET) != 0) return false;
  bytes.resize(std::size_t(size));
  return std::fread(bytes.data(), 1, bytes.size(), f.get()) == bytes.size();
}

}  // namespace

std::string_view decodeBmp(std::span<const uint8_t> file, Picture& out) {
  if (file.size() < 2 || file[0] != 'B' || file[1] != 'M') return msg::kNoBmp;
  if (file.size() < 14) return msg::kTruncated;
  const uint64_t pixelsAt = u32(file, 10);
  if (pixelsAt == 0) return msg::kNoBmp;
  return decodeDib(file, 14, pixelsAt, {false, msg::kNoBmp, kMaxImageSide}, out);
}

std::string_view decodeIco(std::span<const uint8_t> file, int32_t index, Picture& out) {
  if (file.size() < 6 || u16(file, 0) != 0 || u16(file, 2) != 1) return msg::kNoIco;
  const uint32_t count = u16(file, 4);
  if (count == 0 || !fits(file, 6, uint64_t(count) * 16)) return msg::kNoIco;
  if (index < 1) return msg::kIndex;
  if (uint32_t(index) > count) return msg::kFewIcons;
  const uint64_t entry = 6 + uint64_t(index - 1) * 16;
  const uint64_t at = u32(file, entry + 12);
  if (!fits(file, at, 8)) return msg::kNoIco;
  static const uint8_t kPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (std::equal(kPng, kPng + 8, file.begin() + long(at))) return msg::kCompression;
  return decodeDib(file, at, 0, {true, msg::kNoIco, kMaxIconSide}, out);
}

std::string_view readBmpFile(const std::string& path, Picture& out) {
  std::vector<uint8_t> bytes;
  if (!readWhole(path, bytes)) return msg::kFile;
  return decodeBmp(bytes, out);
}

std::string_view readIcoFile(const std::string& path, int32_t index, Picture& out) {
  std::vector<uint8_t> bytes;
  if (!readWhole(path, bytes)) return msg::kFile;
  return decodeIco(bytes, index, out);
}

std::string_view pictureFromArray(const int32_t* iray, int32_t nw, int32_t nh, int32_t maxSide,
                                  Picture& out) {
  if (nw < 1 || nh < 1) return msg::kBadSize;
  if (nw > maxSide || nh > maxSide) return msg::kTooBig;
  const std::size_t n = std::size_t(nw) * std::size_t(nh);
  for (std::size_t i = 0; i < n; ++i)
    if (iray[i] != 0 && iray[i] != 1 && (iray[i] >> 24) != 1) return msg::kValue;
  out.width = nw;
  out.height = nh;
  out.pixels.assign(iray, iray + n);
  return {};
}

}  // namespace zantor::widgets
