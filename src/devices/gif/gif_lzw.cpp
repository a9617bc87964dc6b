// The LZW coder of GIF image data.
#include <array>
#include <cstring>

#include "devices/gif/gif_writer.h"

namespace zantor {
namespace {

constexpr int kClear = 256, kEnd = 257, kFirstFree = 258;
constexpr int kTableSize = 5021;  // a prime above 4096
constexpr int kLastCode = 4095;   // reaching it empties the table
constexpr uint32_t kEmpty = 0xFFFFFFFFu;

class BitPacker {
 public:
  explicit BitPacker(std::vector<uint8_t>& out) : out_(out) {}
  void put(int code, int width) {
    bits_ |= uint32_t(code) << count_;
    count_ += width;
    while (count_ >= 8) {
      out_.push_back(uint8_t(bits_));
      bits_ >>= 8;
      count_ -= 8;
    }
  }
  void flush() {
    if (count_ > 0) out_.push_back(uint8_t(bits_));
    bits_ = 0;
    count_ = 0;
  }

 private:
  std::vector<uint8_t>& out_;
  uint32_t bits_ = 0;
  int count_ = 0;
};

}  // namespace

void gifLzwEncode(const uint8_t* pixels, std::size_t n, std::vector<uint8_t>& out) {
  // Hash slots: key (prefix << 8 | pixel) and the code of that string.
  std::array<uint32_t, kTableSize> keys;
  std::array<uint16_t, kTableSize> codes;
  keys.fill(kEmpty);
  BitPacker bits(out);
  int width = 9, next = kFirstFree;
  bits.put(kClear, width);
  if (n == 0) {
    bits.put(kEnd, width);
    bits.flush();
    return;
  }
  // A data code is emitted with the current width.  A reader adds its
  // table entry one code later than the coder (it cannot know the string
  // before it has seen the next code), so the width grows when the code
  // the reader is about to define, `next`, no longer fits: after the
  // emission, not as soon as the coder's own table reaches the power of
  // two.  Growing at the coder's table would be one code early.
  auto emitData = [&](int code) {
    bits.put(code, width);
    if (next >= (1 << width) && width < 12) ++width;
  };
  int prefix = pixels[0];
  for (std::size_t i = 1; i < n; ++i) {
    const int p = pixels[i];
    const uint32_t key = uint32_t(prefix) << 8 | uint32_t(p);
    int h = (p << 4) ^ prefix;
    const int step = h == 0 ? 1 : kTableSize - h;
    bool found = false;
    while (keys[h] != kEmpty) {
      if (keys[h] == key) {
        found = true;
        break;
      }
      h -= step;
      if (h < 0) h += kTableSize;
    }
    if (found) {
      prefix = codes[h];
      continue;
    }
    emitData(prefix);
    keys[h] = key;
    codes[h] = uint16_t(next++);
    prefix = p;
    if (next >= kLastCode) {
      bits.put(kClear, width);
      keys.fill(kEmpty);
      width = 9;
      next = kFirstFree;
    }
  }
  emitData(prefix);
  bits.put(kEnd, width);
  bits.flush();
}

}  // namespace zantor
