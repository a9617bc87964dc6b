// PPM, BMP and the library's own image file, and the row reader of the
// raster context.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/format.h"
#include "devices/raster/image_files.h"
#include "devices/little_endian.h"
#include "devices/raster/raster.h"

namespace zantor {
namespace {

// Row buffers are allocated without throwing: a failure is status -2.
bool allocate(std::vector<uint8_t>& v, uint64_t n) {
  try {
    v.assign(std::size_t(n), 0);
    return true;
  } catch (...) {
    return false;
  }
}

void put16(std::vector<uint8_t>& v, uint32_t x) { putLe16(v, x); }
void put32(std::vector<uint8_t>& v, uint32_t x) { putLe32(v, x); }

}  // namespace

ImageSource rasterSource(const RasterContext& raster) {
  ImageSource s;
  s.width = raster.width();
  s.height = raster.height();
  s.rgb = raster.trueColour();
  for (int i = 0; i < 256; ++i) s.palette[i] = raster.tableEntry(i);
  const RasterContext* r = &raster;
  s.readRow = [r](int y, uint8_t* out) { r->readRow(out, 0, y, r->width(), r->trueColour()); };
  return s;
}

int writePpm(Sink& out, const ImageSource& src) {
  if (src.width < 1 || src.height < 1) return kImageMemory;
  std::vector<uint8_t> row, rgb;
  if (!allocate(row, uint64_t(src.width) * (src.rgb ? 3 : 1))) return kImageMemory;
  if (!src.rgb && !allocate(rgb, uint64_t(src.width) * 3)) return kImageMemory;
  out.write("P6\n" + std::to_string(src.width) + " " + std::to_string(src.height) + "\n255\n");
  for (int y = 0; y < src.height && !out.failed(); ++y) {
    src.readRow(y, row.data());
    if (src.rgb) {
      out.write(row.data(), row.size());
      continue;
    }
    for (int x = 0; x < src.width; ++x) {
      const uint32_t c = src.palette[row[x]];
      rgb[3 * x] = uint8_t(c >> 16);
      rgb[3 * x + 1] = uint8_t(c >> 8);
      rgb[3 * x + 2] = uint8_t(c);
    }
    out.write(rgb.data(), rgb.size());
  }
  return out.failed() ? kImageIo : kImageOk;
}

int writeBmp(Sink& out, const ImageSource& src, int resolution) {
  if (src.width < 1 || src.height < 1) return kImageMemory;
  const uint64_t data = uint64_t(src.width) * (src.rgb ? 3 : 1);
  const uint64_t rowBytes = (data + 3) / 4 * 4;
  const uint32_t colours = src.rgb ? 0 : 256;
  const uint64_t image = rowBytes * uint64_t(src.height);
  if (image + 4 * colours + 54 > 0xFFFFFFFFu) return kImageMemory;
  std::vector<uint8_t> head;
  head.reserve(54 + 4 * colours);
  head.push_back('B');
  head.push_back('M');
  put32(head, uint32_t(image + 4 * colours + 54));  // file size
  put16(head, 0);
  put16(head, 0);
  put32(head, 4 * colours + 54);  // offset of the pixels
  put32(head, 40);
  put32(head, uint32_t(src.width));
  put32(head, uint32_t(src.height));  // positive: bottom-up rows
  put16(head, 1);
  put16(head, src.rgb ? 24 : 8);
  put32(head, 0);  // no compression
  put32(head, uint32_t(image));
  put32(head, uint32_t(resolution));
  put32(head, uint32_t(resolution));
  put32(head, colours);
  put32(head, colours);
  for (uint32_t i = 0; i < colours; ++i) {
    head.push_back(uint8_t(src.palette[i]));
    head.push_back(uint8_t(src.palette[i] >> 8));
    head.push_back(uint8_t(src.palette[i] >> 16));
    head.push_back(0);
  }
  std::vector<uint8_t> row;
  if (!allocate(row, rowBytes)) return kImageMemory;
  out.write(head.data(), head.size());
  for (int y = src.height - 1; y >= 0 && !out.failed(); --y) {
    src.readRow(y, row.data());
    if (src.rgb)
      for (int x = 0; x < src.width; ++x) std::swap(row[3 * x], row[3 * x + 2]);
    out.write(row.data(), row.size());  // padding bytes stay 0
  }
  return out.failed() ? kImageIo : kImageOk;
}

int writeImag(Sink& out, const ImageSource& src, std::string_view tag) {
  if (src.width < 1 || src.height < 1) return 2;
  const int w = src.width, h = src.height;
  const int bits = src.rgb ? 24 : 8;
  const int values[9] = {w, h, bits, src.rgb ? 3 * w : w, bits, 32, 0, src.rgb ? 5 : 1, 0};
  std::string head = "!Bitmap ZANTOR ";
  std::string t(tag.substr(0, 5));
  t.resize(5, ' ');
  head += t;
  for (int i = 0; i < 9; ++i) {
    if (i > 0) head += ' ';
    head += fmtI(values[i], 5);
  }
  head.resize(80, ' ');
  std::vector<uint8_t> row;
  if (!allocate(row, uint64_t(w) * (src.rgb ? 3 : 1))) return 2;
  out.write(head);
  for (int y = 0; y < h && !out.failed(); ++y) {
    src.readRow(y, row.data());
    out.write(row.data(), row.size());
  }
  return out.failed() ? 1 : 0;
}

int readImag(const std::string& path, RasterContext& raster) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return 1;
  char head[81] = {};
  int status = 1;
  int v[9] = {};
  if (std::fread(head, 1, 80, f) == 80 && std::memcmp(head, "!Bitmap ZANTOR ", 15) == 0 &&
      std::sscanf(head + 20, "%d %d %d %d %d %d %d %d %d", &v[0], &v[1], &v[2], &v[3], &v[4],
                  &v[5], &v[6], &v[7], &v[8]) == 9 &&
      v[0] > 0 && v[1] > 0 && v[0] <= (1 << 20) && (v[2] == 8 || v[2] == 24)) {
    const bool rgb = v[2] == 24;
    std::vector<uint8_t> row(std::size_t(v[0]) * (rgb ? 3 : 1));
    status = 0;
    for (int y = 0; y < v[1]; ++y) {
      if (std::fread(row.data(), 1, row.size(), f) != row.size()) {
        status = 1;
        break;
      }
      if (y >= raster.height()) continue;
      for (int x = 0; x < v[0] && x < raster.width(); ++x) {
        const int32_t c = rgb ? int32_t(0x01000000u | uint32_t(row[3 * x + 2]) << 16 |
                                        uint32_t(row[3 * x + 1]) << 8 | row[3 * x])
                              : row[x];
        raster.qqvwpx(x, y, c);
      }
    }
  }
  std::fclose(f);
  return status;
}

}  // namespace zantor
