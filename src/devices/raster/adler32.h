// Adler-32, the checksum that closes a zlib stream.  Filtered rows of
// plots are mostly zero bytes: eight of them at a time only add eight
// times the first sum to the second, so zero runs cost one test per word.
#pragma once
#include <cstddef>
#include <cstdint>

namespace zantor {

// Continues a checksum over more bytes; a new one starts from 1.
uint32_t adler32Update(uint32_t adler, const uint8_t* data, std::size_t n);

}  // namespace zantor
