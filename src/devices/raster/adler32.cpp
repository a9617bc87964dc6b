#include "devices/raster/adler32.h"

#include <algorithm>
#include <cstring>

namespace zantor {
namespace {

constexpr uint32_t kBase = 65521;
// The most bytes after which the second sum still fits 32 bits before it
// is reduced (255 n (n + 1) / 2 + (n + 1) (kBase - 1) < 2^32).
constexpr std::size_t kBlock = 5552;

}  // namespace

uint32_t adler32Update(uint32_t adler, const uint8_t* p, std::size_t n) {
  uint32_t a = adler & 0xFFFF, b = adler >> 16;
  while (n > 0) {
    const std::size_t len = std::min(n, kBlock);
    n -= len;
    std::size_t i = 0;
    for (; i + 8 <= len; i += 8) {
      uint64_t word;
      std::memcpy(&word, p + i, 8);
      if (word == 0) {
        b += 8 * a;  // a stays: the same as adding eight zero bytes
        continue;
      }
      for (int k = 0; k < 8; ++k) {
        a += p[i + std::size_t(k)];
        b += a;
      }
    }
    for (; i < len; ++i) {
      a += p[i];
      b += a;
    }
    p += len;
    a %= kBase;
    b %= kBase;
  }
  return b << 16 | a;
}

}  // namespace zantor
