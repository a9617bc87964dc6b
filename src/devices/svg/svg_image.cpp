// Images of the SVG writer: an <image> element holding the picture as a
// PNG in a data URL.
#include <cmath>
#include <cstring>

#include "core/format.h"
#include "devices/plot_file.h"
#include "devices/raster/image_files.h"
#include "devices/svg/svg_device.h"

namespace zantor {
namespace {

void appendBase64(std::string& out, const std::vector<uint8_t>& in) {
  static constexpr char kAlphabet[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::size_t i = 0;
  for (; i + 3 <= in.size(); i += 3) {
    const uint32_t v = (uint32_t(in[i]) << 16) | (uint32_t(in[i + 1]) << 8) | in[i + 2];
    for (int s = 18; s >= 0; s -= 6) out += kAlphabet[(v >> s) & 63];
  }
  if (const std::size_t rest = in.size() - i; rest != 0) {
    uint32_t v = uint32_t(in[i]) << 16;
    if (rest == 2) v |= uint32_t(in[i + 1]) << 8;
    out += kAlphabet[(v >> 18) & 63];
    out += kAlphabet[(v >> 12) & 63];
    out += rest == 2 ? kAlphabet[(v >> 6) & 63] : '=';
    out += '=';
  }
}

}  // namespace

// The picture of pw x ph pixels fills the unit square scaled by its pixel
// size; the transformation maps it onto the corners.
bool SvgDevice::image(const ImageCorners& at, const uint8_t* rgb, int pw, int ph) {
  ImageSource src;
  src.width = pw;
  src.height = ph;
  src.rgb = true;
  src.readRow = [&](int y, uint8_t* out) {
    std::memcpy(out, rgb + static_cast<std::size_t>(y) * pw * 3, static_cast<std::size_t>(pw) * 3);
  };
  MemorySink png;
  if (writePng(png, src, false) != kImageOk) return false;
  flush();
  closeGroup();
  std::string s = "<image x=\"0\" y=\"0\" width=\"";
  appendInt(s, pw);
  s += "\" height=\"";
  appendInt(s, ph);
  // Pixels stay sharp squares, as on the other devices.
  s += "\" preserveAspectRatio=\"none\" image-rendering=\"optimizeSpeed\""
       " style=\"image-rendering:pixelated\" transform=\"matrix(";
  const double m[6] = {(at.urx - at.ulx) / pw, (at.ury - at.uly) / pw, (at.llx - at.ulx) / ph,
                       (at.lly - at.uly) / ph, at.ulx,                 at.uly};
  for (int i = 0; i < 6; ++i) {
    if (i != 0) s += ' ';
    appendFixed(s, m[i], 6);
  }
  s += ")\" xlink:href=\"data:image/png;base64,";
  appendBase64(s, png.bytes());
  s += "\"/>";
  writePlotLine(s);
  return true;
}

}  // namespace zantor
