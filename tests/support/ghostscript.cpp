#include "support/ghostscript.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "draw/page.h"

namespace zantor::test {

Pixel sheetPixel(const Image& im, int dpi, double dx, double dy) {
  constexpr double kPointsPerUnit = 72.0 / 508.0;
  const double px = (150.0 + dx) * kPointsPerUnit, py = (200.0 + dy) * kPointsPerUnit;
  return {static_cast<int>(px * dpi / 72.0), static_cast<int>(im.h - py * dpi / 72.0)};
}

Pixel plotPixel(const Image& im, int dpi, double x, double y) {
  double dx = 0, dy = 0;
  deviceTransform(x, y, dx, dy);
  return sheetPixel(im, dpi, dx, dy);
}

bool haveGhostscript() { return std::filesystem::exists("/usr/bin/gs"); }

int runGhostscript(const std::string& args, std::string& messages) {
  const std::string cmd = "/usr/bin/gs -q -dNOPAUSE -dBATCH -dSAFER " + args + " > gs.out 2>&1";
  const int rc = std::system(cmd.c_str());
  std::ifstream in("gs.out");
  messages.assign(std::istreambuf_iterator<char>(in), {});
  return rc;
}

namespace {

// Decodes a binary PNM picture of the expected magic ("P6" or "P5") with
// 8-bit samples; an empty image if it is anything else.
Image readPnm(const std::string& name, const std::string& magic, int channels) {
  std::ifstream in(name, std::ios::binary);
  // Header fields, separated by blanks and "#" comment lines.
  auto field = [&in]() {
    std::string t;
    while (in >> t) {
      if (t[0] != '#') return t;
      std::getline(in, t);
    }
    return std::string();
  };
  Image im;
  im.channels = channels;
  const std::string m = field();
  im.w = std::atoi(field().c_str());
  im.h = std::atoi(field().c_str());
  const int maxval = std::atoi(field().c_str());
  in.get();  // the one blank before the samples
  if (m != magic || im.w <= 0 || im.h <= 0 || maxval != 255) return {};
  im.pixels.resize(static_cast<std::size_t>(im.w) * im.h * channels);
  in.read(reinterpret_cast<char*>(im.pixels.data()),
          static_cast<std::streamsize>(im.pixels.size()));
  if (!in) return {};
  return im;
}

}  // namespace

Image readPpm(const std::string& file) { return readPnm(file, "P6", 3); }

Image renderPage(const std::string& file, int dpi, Pixels kind, const char* sheet) {
  const bool grey = kind == Pixels::Grey;
  const std::string out = grey ? "page.pgm" : "page.ppm";
  std::string messages;
  const int rc = runGhostscript(std::string("-sDEVICE=") + (grey ? "pgmraw" : "ppmraw") + " -r" +
                                    std::to_string(dpi) + " " + sheet + " -sOutputFile=" + out +
                                    " " + file,
                                messages);
  if (rc != 0) {
    ADD_FAILURE() << "Ghostscript rejects " << file << ":\n" << messages;
    return {};
  }
  Image im = readPnm(out, grey ? "P5" : "P6", grey ? 1 : 3);
  if (im.w == 0) ADD_FAILURE() << "no picture from " << file;
  return im;
}

}  // namespace zantor::test
