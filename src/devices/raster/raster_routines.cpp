// Public routines of the raster devices: image format and file options,
// the PNG picture in a caller's buffer, and pixel access.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "devices/device_image.h"
#include "devices/raster/image_files.h"
#include "devices/raster/raster.h"
#include "devices/raster/raster_device.h"
#include "draw/colour.h"
#include "draw/pipeline.h"

using namespace zantor;

namespace {

// The raster of the pixel routines, after the pending lines were drawn;
// null (after warning 40) when the output is no raster.  The pixel
// routines also work after zanfin on the raster VIRT keeps.
RasterContext* pixelRaster(bool warn = true) {
  if (zanglb.nlev > 0) qqstrk();
  RasterContext* r = activeRaster();
  if (r == nullptr && warn) warnin(40);
  return r;
}

// Written pixels on a document format that holds images (PDF, SVG, IPE):
// colour values resolved through the colour table, drawn as an image on
// the grid of the raster picture of this page.  Warning 40 elsewhere.
template <class Colour>
void pixelsToDocument(int ix, int iy, int n, Colour colourAt) {
  std::vector<uint8_t> rgb(static_cast<std::size_t>(n) * 3);
  for (int i = 0; i < n; ++i) {
    const Rgb c = colourRgb(colourAt(i));
    rgb[3 * std::size_t(i)] = c.r;
    rgb[3 * std::size_t(i) + 1] = c.g;
    rgb[3 * std::size_t(i) + 2] = c.b;
  }
  if (!pixelsAsImage(ix, iy, rgb.data(), n)) warnin(40);
}

}  // namespace

// imgfmt: "INDE" 8-bit indexed pictures, "RGB" 32-bit true colour.
ZANTOR_API void imgfmt_(const char* copt, size_t copt_len) try {
  if (jqqlev(0, 0, "IMGFMT") != 0) return;
  const int k = jqqind("INDE+RGB ", 2, trimmedArg(copt, copt_len));
  if (k != 0) zanglb.imagfm = k - 1;
} ZANTOR_CATCH

ZANTOR_API void pngmod_(const char* copt, const char* ckey, size_t copt_len, size_t ckey_len) try {
  if (jqqlev(0, 0, "PNGMOD") != 0) return;
  if (jqqind("TRAN", 1, trimmedArg(ckey, ckey_len)) == 0) return;
  const int k = jqqind("OFF +ON  ", 2, trimmedArg(copt, copt_len));
  if (k != 0) zanglb.ipngtr = k - 1;
} ZANTOR_CATCH

ZANTOR_API void bmpmod_(const int32_t* n, const char* cunit, const char* ckey, size_t cunit_len,
                        size_t ckey_len) try {
  if (jqqlev(0, 0, "BMPMOD") != 0) return;
  if (jqqind("RESO", 1, trimmedArg(ckey, ckey_len)) == 0) return;
  const int k = jqqind("METE+INCH", 2, trimmedArg(cunit, cunit_len));
  if (k == 0) return;
  if (jqqval(*n, 1, -1) != 0) return;
  zanglb.ibmprs = k == 1 ? *n : int32_t(std::lround(*n * 100.0 / 2.54));
} ZANTOR_CATCH

// rbfpng: the current picture as PNG in cbuf.  n = bytes used, 0 when the
// buffer is too small; nmax = 0 asks for the size only.
ZANTOR_API void rbfpng_(char* cbuf, const int32_t* nmax, int32_t* n, size_t cbuf_len) try {
  *n = 0;
  if (jqqlev(1, 3, "RBFPNG") != 0) return;
  RasterContext* r = pixelRaster();
  if (r == nullptr) return;
  MemorySink png;
  const int status = writePng(png, rasterSource(*r), zanglb.ipngtr == 1);
  if (status == kImageMemory) {
    warnin(53);
    return;
  }
  if (status != kImageOk) {
    qqerror(126, "ZLIB error");
    return;
  }
  const auto& bytes = png.bytes();
  if (*nmax == 0) {
    *n = int32_t(std::min<std::size_t>(bytes.size(), INT32_MAX));
    return;
  }
  // Never beyond the buffer: the smaller of nmax and the argument length.
  const std::size_t capacity = std::min<std::size_t>(std::size_t(std::max(*nmax, 0)), cbuf_len);
  if (bytes.size() > capacity) return;
  std::memcpy(cbuf, bytes.data(), bytes.size());
  *n = int32_t(bytes.size());
} ZANTOR_CATCH

// Pixels are colour values: an index for indexed pictures, an explicit
// colour 0x01BBGGRR for true-colour ones.  Outside the picture writes are
// ignored and reads give -1.
ZANTOR_API void wpixel_(const int32_t* ix, const int32_t* iy, const int32_t* iclr) try {
  if (jqqlev(0, 3, "WPIXEL") != 0) return;
  if (RasterContext* r = pixelRaster(false)) r->qqvwpx(*ix, *iy, *iclr);
  else pixelsToDocument(*ix, *iy, 1, [&](int) { return *iclr; });
} ZANTOR_CATCH

ZANTOR_API void rpixel_(const int32_t* ix, const int32_t* iy, int32_t* iclr) try {
  if (jqqlev(0, 3, "RPIXEL") != 0) return;
  *iclr = -1;
  if (RasterContext* r = pixelRaster()) *iclr = r->qqvrpx(*ix, *iy);
} ZANTOR_CATCH

// Rows of n pixels from (ix, iy) to the right, one colour index byte per
// pixel in both picture kinds (true-colour pixels are read as the nearest
// table entry).
ZANTOR_API void wpxrow_(void* iray, const int32_t* ix, const int32_t* iy,
                        const int32_t* n) try {
  if (jqqlev(0, 3, "WPXROW") != 0) return;
  if (*n < 1) return;
  const uint8_t* row = static_cast<const uint8_t*>(iray);
  if (RasterContext* r = pixelRaster(false)) r->qqvrow(row, *ix, *iy, *n);
  else pixelsToDocument(*ix, *iy, *n, [&](int i) { return int32_t(row[i]); });
} ZANTOR_CATCH

ZANTOR_API void rpxrow_(void* iray, const int32_t* ix, const int32_t* iy, const int32_t* n) try {
  if (jqqlev(0, 3, "RPXROW") != 0) return;
  if (*n < 1) return;
  if (RasterContext* r = pixelRaster()) r->qqvrdr(static_cast<uint8_t*>(iray), *ix, *iy, *n);
} ZANTOR_CATCH
