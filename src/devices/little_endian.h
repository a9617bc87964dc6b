// Little-endian integers appended to a byte vector (BMP, TIFF, WMF).
#pragma once
#include <cstdint>
#include <vector>

namespace zantor {

inline void putLe16(std::vector<uint8_t>& v, uint32_t x) {
  v.push_back(uint8_t(x));
  v.push_back(uint8_t(x >> 8));
}

inline void putLe32(std::vector<uint8_t>& v, uint32_t x) {
  putLe16(v, x & 0xFFFF);
  putLe16(v, x >> 16);
}

}  // namespace zantor
