// TIFF files from a picture source.
#include "devices/tiff/tiff_writer.h"

#include <new>
#include <vector>

#include "devices/little_endian.h"

namespace zantor {
namespace {

enum Type { kShort = 3, kLong = 4, kRational = 5 };
constexpr std::size_t kStripBytes = 16384;  // raw bytes per strip, about

struct Entry {
  uint16_t tag, type;
  uint32_t count, value;  // the value itself, or the offset of the values
};

}  // namespace

void packBits(const uint8_t* data, std::size_t n, std::vector<uint8_t>& out) {
  std::size_t i = 0;
  while (i < n) {
    std::size_t run = 1;
    while (i + run < n && run < 128 && data[i + run] == data[i]) ++run;
    if (run >= 2) {  // a repeat: count byte 1 - run, then the byte
      out.push_back(uint8_t(257 - run));
      out.push_back(data[i]);
      i += run;
      continue;
    }
    // A literal stretch up to the next repeat of at least three bytes.
    std::size_t len = 1;
    while (i + len < n && len < 128) {
      if (i + len + 2 < n && data[i + len] == data[i + len + 1] &&
          data[i + len] == data[i + len + 2])
        break;
      ++len;
    }
    out.push_back(uint8_t(len - 1));
    out.insert(out.end(), data + i, data + i + len);
    i += len;
  }
}

int writeTiff(Sink& out, const ImageSource& src, int resolution, int unit) {
  if (src.width < 1 || src.height < 1 || !src.readRow) return kImageMemory;
  const std::size_t rowBytes = std::size_t(src.width) * (src.rgb ? 3 : 1);
  const int rowsPerStrip = int(rowBytes >= kStripBytes ? 1 : kStripBytes / rowBytes);
  const int strips = (src.height + rowsPerStrip - 1) / rowsPerStrip;
  std::vector<uint8_t> data, row;
  std::vector<uint32_t> offsets, counts;
  try {
    row.resize(rowBytes);
    offsets.reserve(std::size_t(strips));
    counts.reserve(std::size_t(strips));
    // Strips first, right after the 8-byte header; every row is coded on
    // its own, as baseline readers require of PackBits.
    for (int s = 0; s < strips; ++s) {
      const std::size_t start = data.size();
      for (int y = s * rowsPerStrip; y < src.height && y < (s + 1) * rowsPerStrip; ++y) {
        src.readRow(y, row.data());
        packBits(row.data(), rowBytes, data);
      }
      offsets.push_back(uint32_t(8 + start));
      counts.push_back(uint32_t(data.size() - start));
    }
    if (data.size() & 1) data.push_back(0);  // word-aligned values follow
    if (data.size() > 0xF0000000u) return kImageMemory;
    // Values that do not fit in an entry follow the strips.
    auto here = [&] { return uint32_t(8 + data.size()); };
    const uint32_t bitsAt = here();
    if (src.rgb) for (int i = 0; i < 3; ++i) putLe16(data, 8);
    const uint32_t offsetsAt = here();
    if (strips > 1) for (uint32_t v : offsets) putLe32(data, v);
    const uint32_t countsAt = here();
    if (strips > 1) for (uint32_t v : counts) putLe32(data, v);
    const uint32_t resAt = here();
    for (int i = 0; i < 2; ++i) {
      putLe32(data, uint32_t(resolution));
      putLe32(data, 1);
    }
    const uint32_t mapAt = here();
    if (!src.rgb) {
      // All reds, then all greens, then all blues, scaled to 16 bits.
      for (int shift = 16; shift >= 0; shift -= 8)
        for (int i = 0; i < 256; ++i) putLe16(data, ((src.palette[i] >> shift) & 255) * 257);
    }
    std::vector<Entry> e = {
        {256, kLong, 1, uint32_t(src.width)},
        {257, kLong, 1, uint32_t(src.height)},
        {258, kShort, src.rgb ? 3u : 1u, src.rgb ? bitsAt : 8u},
        {259, kShort, 1, 32773},  // PackBits
        {262, kShort, 1, src.rgb ? 2u : 3u},
        {273, kLong, uint32_t(strips), strips > 1 ? offsetsAt : offsets[0]},
        {277, kShort, 1, src.rgb ? 3u : 1u},
        {278, kLong, 1, uint32_t(rowsPerStrip)},
        {279, kLong, uint32_t(strips), strips > 1 ? countsAt : counts[0]},
        {282, kRational, 1, resAt},
        {283, kRational, 1, resAt + 8},
        {284, kShort, 1, 1},
        {296, kShort, 1, uint32_t(unit)},
    };
    if (!src.rgb) e.push_back({320, kShort, 768, mapAt});
    const uint32_t ifdAt = here();
    putLe16(data, uint32_t(e.size()));
    for (const Entry& x : e) {
      putLe16(data, x.tag);
      putLe16(data, x.type);
      putLe32(data, x.count);
      if (x.type == kShort && x.count == 1) {
        putLe16(data, x.value);  // a short sits in the first two bytes
        putLe16(data, 0);
      } else {
        putLe32(data, x.value);
      }
    }
    putLe32(data, 0);  // no further directory
    std::vector<uint8_t> head = {'I', 'I', 42, 0};
    putLe32(head, ifdAt);
    out.write(head.data(), head.size());
    out.write(data.data(), data.size());
  } catch (const std::bad_alloc&) {
    return kImageMemory;
  }
  return out.failed() ? kImageIo : kImageOk;
}

}  // namespace zantor
