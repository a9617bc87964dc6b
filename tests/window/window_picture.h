// The picture the window tests draw, and the same picture as a PNG file
// read back as R, G, B bytes, for comparing a window with the file.
#pragma once
#include <zantor.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "support/fixture.h"

namespace zantor::test {

// Thick and thin lines, a filled rectangle and a circle in several colours.
inline void drawPicture() {
  call(color_, "RED");
  int32_t w = 5;
  linwid_(&w);
  int32_t a = 100, b = 100, c = 2800, d = 1900;
  line_(&a, &b, &c, &d);
  w = 1;
  linwid_(&w);
  call(color_, "GREEN");
  int32_t pat = 16;
  shdpat_(&pat);
  int32_t x = 300, y = 300, rw = 900, rh = 600;
  rectan_(&x, &y, &rw, &rh);
  call(color_, "BLUE");
  int32_t cx = 2000, cy = 800, r = 400;
  circle_(&cx, &cy, &r);
  call(color_, "WHITE");
  pagera_();
}

// The picture written as a w x h PNG file `file`, read back with ImageMagick.
inline std::vector<uint8_t> pngPicture(int32_t w, int32_t h, const std::string& file) {
  call(metafl_, "PNG");
  setfil_(file.c_str(), file.size());
  winsiz_(&w, &h);
  zanini_();
  drawPicture();
  zanfin_();
  std::vector<uint8_t> rgb;
  FILE* p = popen(("/usr/bin/convert " + file + " -depth 8 rgb:-").c_str(), "r");
  if (p == nullptr) return rgb;
  char buf[65536];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) rgb.insert(rgb.end(), buf, buf + n);
  pclose(p);
  return rgb;
}

}  // namespace zantor::test
