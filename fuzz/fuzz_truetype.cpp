// Fuzz target: font files named by ttfont.  Whatever the bytes, the font
// is taken or refused with a warning, and text drawn with it (or with the
// stroke font it falls back to) into a small true-colour raster neither
// reads outside its data nor crashes.
#include <cstdint>
#include <cstdio>
#include <string>

#include "plot_session.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool open = false;
  if (!open) {
    open = true;
    errmod_("ALL", "OFF", 3, 3);
    fuzz::s(metafl_, "VIRT");
    fuzz::s(imgfmt_, "RGB");
    int32_t w = 120, h = 80;
    winsiz_(&w, &h);
    zanini_();
    errmod_("ALL", "OFF", 3, 3);
  }
  static const std::string path = fuzz::scratchPath("font.ttf");
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  fuzz::s(ttfont_, path);
  // Sizes and angles from the input, so glyphs are scaled and turned too.
  int32_t height = 10 + (size > 0 ? data[0] % 200 : 0);
  int32_t angle = size > 1 ? data[1] % 360 : 0;
  height_(&height);
  angle_(&angle);
  int32_t x = 200, y = 400;
  messag_("Ag", &x, &y, 2);
  std::remove(path.c_str());
  return 0;
}
