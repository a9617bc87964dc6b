// The library's special characters (codes 127 to 187) as ISO Latin-1
// codes, shared by the PDF and SVG writers.
#pragma once

namespace zantor {

// Latin-1 code of library character `code` for codes 127..187; other codes
// are returned unchanged.
inline int latin1Code(int code) {
  static constexpr unsigned char kMap[61] = {
      196, 214, 220, 228, 246, 252, 223, 197, 216, 198, 229, 248, 230, 209, 241, 199,
      231, 203, 207, 235, 239, 193, 201, 205, 211, 218, 225, 233, 237, 243, 250, 192,
      200, 204, 210, 217, 224, 232, 236, 242, 249, 194, 202, 206, 212, 219, 226, 234,
      238, 244, 251, 195, 227, 213, 245, 221, 253, 255, 161, 191, 169};
  if (code >= 127 && code <= 187) return kMap[code - 127];
  return code;
}

}  // namespace zantor
