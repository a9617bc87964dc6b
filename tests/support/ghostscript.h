// Rendering test output with Ghostscript, the independent reader of our
// PostScript and EPS files, and looking at the pixels it produces.
#pragma once
#include <string>
#include <vector>

#include "devices/device.h"

namespace zantor::test {

// A decoded raw PPM (3 bytes a pixel) or PGM (1 byte a pixel) picture,
// rows from the top of the sheet.
struct Image {
  int w = 0, h = 0, channels = 3;
  std::vector<unsigned char> pixels;

  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
  // The colour of a pixel inside the picture; grey pictures give r = g = b.
  Rgb at(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(y) * w + x) * channels;
    if (channels == 1) return {pixels[i], pixels[i], pixels[i]};
    return {pixels[i], pixels[i + 1], pixels[i + 2]};
  }
  // Inside the picture and darker than `below` on average over r, g, b.
  bool dark(int x, int y, int below = 128) const {
    if (!inside(x, y)) return false;
    const Rgb c = at(x, y);
    return c.r + c.g + c.b < 3 * below;
  }
};

// Each component of `c` within `tolerance` of (r, g, b).
inline bool nearColour(const Rgb& c, int r, int g, int b, int tolerance = 60) {
  auto close = [tolerance](int u, int v) { return (u > v ? u - v : v - u) < tolerance; };
  return close(c.r, r) && close(c.g, g) && close(c.b, b);
}

struct Pixel {
  int x, y;
};

// The pixel of a point in PostScript device units (508 to the inch) on an
// A4 sheet rendered at `dpi`, for the writer's default placement of the page.
Pixel sheetPixel(const Image& im, int dpi, double dx, double dy);
// The same for a plot point, through the device transformation of the plot.
Pixel plotPixel(const Image& im, int dpi, double x, double y);

// Reads a binary 8-bit RGB PPM file (pdftoppm, ImageMagick); empty image
// (w == 0) if it is anything else.
Image readPpm(const std::string& file);

bool haveGhostscript();

// Runs Ghostscript quietly in batch and safe mode with `args`; returns its
// exit status and its messages in `messages` (also left in "gs.out").
int runGhostscript(const std::string& args, std::string& messages);

enum class Pixels { Colour, Grey };

// The sheet Ghostscript renders on: a fixed A4 sheet, or the EPS bounding box.
inline const char* const kA4Sheet = "-sPAPERSIZE=a4 -dFIXEDMEDIA";
inline const char* const kEpsBox = "-dEPSCrop";

// Renders the first page of `file` at `dpi` and decodes it.  A file that
// Ghostscript rejects, or a picture that cannot be read, is a test failure
// and gives an empty image (w == 0).
Image renderPage(const std::string& file, int dpi, Pixels kind, const char* sheet = kA4Sheet);

}  // namespace zantor::test
