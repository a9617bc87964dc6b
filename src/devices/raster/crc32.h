// CRC-32 of the PNG chunks: reflected polynomial 0xEDB88320, initial value
// all ones, final complement; table driven.
#pragma once
#include <cstddef>
#include <cstdint>

namespace zantor {

// Continues a CRC over more bytes: crc32Update(0, ...) starts one, and the
// result of one call may be passed to the next.
uint32_t crc32Update(uint32_t crc, const uint8_t* data, std::size_t n);

}  // namespace zantor
