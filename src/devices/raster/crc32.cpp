#include "devices/raster/crc32.h"

#include <array>

namespace zantor {
namespace {

// Built once at compile time; nothing to release.
constexpr std::array<uint32_t, 256> makeTable() {
  std::array<uint32_t, 256> t{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    t[n] = c;
  }
  return t;
}
constexpr std::array<uint32_t, 256> kTable = makeTable();

}  // namespace

uint32_t crc32Update(uint32_t crc, const uint8_t* data, std::size_t n) {
  uint32_t c = crc ^ 0xFFFFFFFFu;
  for (std::size_t i = 0; i < n; ++i) c = kTable[(c ^ data[i]) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

}  // namespace zantor
