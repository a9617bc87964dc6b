// Shared helpers of the PDF, SVG and IPE writer tests: the independent
// readers (qpdf, pdftoppm, pdftotext, xmllint, rsvg-convert, ImageMagick)
// and pixel comparison of their renderings.
#pragma once
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/ghostscript.h"

namespace zantor::test {

// Runs a shell command; its output (stdout and stderr) goes to `output`.
inline int runTool(const std::string& cmd, std::string& output) {
  const int rc = std::system((cmd + " > tool.out 2>&1").c_str());
  std::ifstream in("tool.out");
  output.assign(std::istreambuf_iterator<char>(in), {});
  return rc;
}

inline bool haveTool(const char* path) { return std::filesystem::exists(path); }

// qpdf finds no fault in the file.
inline ::testing::AssertionResult qpdfAccepts(const std::string& file) {
  std::string out;
  if (runTool("qpdf --check " + file, out) != 0 ||
      out.find("No syntax or stream encoding errors") == std::string::npos)
    return ::testing::AssertionFailure() << "qpdf rejects " << file << ":\n" << out;
  return ::testing::AssertionSuccess();
}

// xmllint reads the file as well-formed XML.
inline ::testing::AssertionResult xmllintAccepts(const std::string& file) {
  std::string out;
  if (runTool("xmllint --noout " + file, out) != 0 || !out.empty())
    return ::testing::AssertionFailure() << "xmllint rejects " << file << ":\n" << out;
  return ::testing::AssertionSuccess();
}

// The first page of a PDF rendered by pdftoppm at `dpi`.
inline Image renderPdf(const std::string& file, int dpi) {
  std::string out;
  if (runTool("pdftoppm -r " + std::to_string(dpi) + " -singlefile " + file + " pdfpage", out) !=
          0 ||
      !out.empty()) {
    ADD_FAILURE() << "pdftoppm rejects " << file << ":\n" << out;
    return {};
  }
  return readPpm("pdfpage.ppm");
}

// The text pdftotext finds in a PDF.
inline std::string pdfText(const std::string& file) {
  std::string out;
  if (runTool("pdftotext " + file + " -", out) != 0) ADD_FAILURE() << "pdftotext: " << out;
  return out;
}

// A PNG file decoded through ImageMagick.
inline Image pngToImage(const std::string& png) {
  std::string out;
  if (runTool("convert " + png + " -background white -flatten -depth 8 png.ppm", out) != 0) {
    ADD_FAILURE() << "ImageMagick cannot read " << png << ":\n" << out;
    return {};
  }
  return readPpm("png.ppm");
}

// An SVG rendered by rsvg-convert at its own size.
inline Image renderSvg(const std::string& file) {
  std::string out;
  if (runTool("rsvg-convert -b white -o svgpage.png " + file, out) != 0 || !out.empty()) {
    ADD_FAILURE() << "rsvg-convert rejects " << file << ":\n" << out;
    return {};
  }
  return pngToImage("svgpage.png");
}

// The share of pixels (0..1) whose colour differs by more than `tolerance`
// in some component; 1 when the sizes differ.
inline double differingShare(const Image& a, const Image& b, int tolerance = 64) {
  if (a.w != b.w || a.h != b.h || a.w == 0) return 1.0;
  long differ = 0;
  for (int y = 0; y < a.h; ++y)
    for (int x = 0; x < a.w; ++x)
      if (!nearColour(a.at(x, y), b.at(x, y).r, b.at(x, y).g, b.at(x, y).b, tolerance)) ++differ;
  return static_cast<double>(differ) / (static_cast<double>(a.w) * a.h);
}

// The share of pixels that are not white.
inline double inkShare(const Image& a) {
  if (a.w == 0) return 0;
  long ink = 0;
  for (int y = 0; y < a.h; ++y)
    for (int x = 0; x < a.w; ++x)
      if (!nearColour(a.at(x, y), 255, 255, 255, 30)) ++ink;
  return static_cast<double>(ink) / (static_cast<double>(a.w) * a.h);
}

}  // namespace zantor::test
