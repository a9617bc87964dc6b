// Pictures of icon and image widgets: given by the program as an array, or
// read from an icon (ICO) or bitmap (BMP) file.  The readers take any bytes:
// a truncated or hostile file ends in one of the messages below, never in a
// read outside the data or an allocation its bytes cannot back.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zantor::widgets {

// width x height pixels, row by row from the top.  A pixel is 0 (the
// widget's background shows through), 1 (the widget's foreground) or an
// explicit colour 0x01BBGGRR as intrgb returns it.
struct Picture {
  int32_t width = 0, height = 0;
  std::vector<int32_t> pixels;
};

constexpr int32_t kMaxIconSide = 256;    // icons (wgicon, wgpicon)
constexpr int32_t kMaxImageSide = 4096;  // images (wgimg, wgpimg)

// The messages of the readers (text of the widget layer's error line).
namespace picture_message {
inline constexpr std::string_view kFile = "File Error!";
inline constexpr std::string_view kNoIco = "No ICO format";
inline constexpr std::string_view kFewIcons = "Not enough icons in ICO file";
inline constexpr std::string_view kNoBmp = "File has not BMP format!";
inline constexpr std::string_view kCompression = "Bad compression modus";
inline constexpr std::string_view kTruncated = "Unexpected end of BMP file";
inline constexpr std::string_view kBadSize = "Bad icon size";    // a side < 1
inline constexpr std::string_view kTooBig = "Out of icon size";  // a side beyond the limit
inline constexpr std::string_view kIndex = "Not allowed index";
inline constexpr std::string_view kValue = "Bad value";
}  // namespace picture_message

// Each returns an empty view on success, else the message; `out` is only
// written on success.

// A BMP file: uncompressed 1, 4, 8, 16, 24 or 32 bits per pixel (16 and
// 32 also with bit-field masks), bottom-up or top-down; sides up to
// kMaxImageSide.
std::string_view decodeBmp(std::span<const uint8_t> file, Picture& out);
// Icon number `index` (1-based) of an ICO file; its bitmap is a BMP
// bitmap without the file header, with the transparency mask below it
// (or an alpha channel at 32 bits).  Sides up to kMaxIconSide.
std::string_view decodeIco(std::span<const uint8_t> file, int32_t index, Picture& out);
// The same from a named file ("File Error!" when it cannot be read).
std::string_view readBmpFile(const std::string& path, Picture& out);
std::string_view readIcoFile(const std::string& path, int32_t index, Picture& out);

// nw x nh values of the program, sides up to maxSide, each 0, 1 or an
// explicit colour.
std::string_view pictureFromArray(const int32_t* iray, int32_t nw, int32_t nh, int32_t maxSide,
                                  Picture& out);

}  // namespace zantor::widgets
