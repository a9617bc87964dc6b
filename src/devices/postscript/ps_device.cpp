#include "devices/postscript/ps_device.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "core/state.h"
#include "devices/plot_file.h"
#include "devices/postscript/ps_format.h"
#include "devices/postscript/ps_header.h"
#include "draw/colour.h"

namespace zantor {
namespace {

void put(std::string_view s) { qpsbuf(s, static_cast<int>(s.size())); }
void endLine() { qpsbuf("", -1); }

// "x y u " / "x y d ": one point of a path, format (I5,1X,I5,A).
void putPoint(int64_t x, int64_t y, std::string_view op) {
  std::string s;
  s.reserve(24);
  ps::appendInt(s, x, 5);
  s += ' ';
  ps::appendInt(s, y, 5);
  s += op;
  put(s);
}

}  // namespace

DeviceCaps PostScriptDevice::caps() const {
  DeviceCaps c;
  c.fillPolygon = true;
  c.fillRect = true;
  c.hwLineWidth = true;
  c.hwClip = true;
  c.hwText = true;
  return c;
}

int PostScriptDevice::start() {
  n_ = 0;
  lastX_ = lastY_ = 0;
  writePostScriptHeader(code_, colourRgb(0));
  return 0;
}

// drwpsc, code 3: a pending path is written; the buffer restarts here.
void PostScriptDevice::move(double x, double y) {
  if (n_ >= 2) writePath();
  px_[0] = lastX_ = ps::roundUnit(x);
  py_[0] = lastY_ = ps::roundUnit(y);
  n_ = 1;
}

// drwpsc, code 2: collects up to 100 points; a draw after a flush
// continues from the end of the previous path.
void PostScriptDevice::draw(double x, double y) {
  if (n_ == 0) {
    px_[0] = lastX_;
    py_[0] = lastY_;
    n_ = 1;
  }
  const int64_t ix = ps::roundUnit(x), iy = ps::roundUnit(y);
  // A repeated point is dropped, except as the second point of a path:
  // a path of two equal points is written as a dot.
  if (n_ >= 2 && ix == px_[n_ - 1] && iy == py_[n_ - 1]) return;
  px_[n_] = ix;
  py_[n_] = iy;
  ++n_;
  if (n_ == kPathSize) {
    writePath();
    px_[0] = ix;
    py_[0] = iy;
    n_ = 1;
  }
}

// drwpsc, code 999: the pending path is written and its last point is
// where the next continuing path starts.
void PostScriptDevice::flush() {
  if (n_ >= 2) writePath();
  if (n_ >= 1) {
    lastX_ = px_[n_ - 1];
    lastY_ = py_[n_ - 1];
  }
  n_ = 0;
}

void PostScriptDevice::writePath() {
  if (n_ == 2 && px_[0] == px_[1] && py_[0] == py_[1]) {
    // A zero-length line becomes a short horizontal stroke (0.2 mm).
    putPoint(px_[0] - 2, py_[0], " u ");
    putPoint(px_[1] + 2, py_[1], " d ");
  } else {
    putPoint(px_[0], py_[0], " u ");
    for (int i = 1; i < n_; ++i) putPoint(px_[i], py_[i], " d ");
  }
  put("p ");
}

void PostScriptDevice::writeColour(Rgb rgb) {
  std::string s;
  for (int v : {rgb.r, rgb.g, rgb.b}) {
    ps::appendInt(s, v, 3);
    s += ' ';
  }
  s += "f ";
  put(s);
}

void PostScriptDevice::colour(Rgb rgb, int32_t /*value*/) {
  flush();
  writeColour(rgb);
  colour_ = rgb;
  haveColour_ = true;
}

double PostScriptDevice::deviceWidth() const {
  return std::max(5.0, 2.0 * width_);
}

void PostScriptDevice::lineWidth(double w) {
  flush();
  width_ = std::isfinite(w) && w > 1.0 ? w : 1.0;
  put(ps::fieldF(deviceWidth() * zanglb.xsclfc, 8, 2) + " cm setlinewidth ");
  if (join_ == 0) writeMiterLimit();
}

void PostScriptDevice::lineJoin(int j) {
  flush();
  join_ = std::clamp(j, 0, 2);
  put(ps::fieldI(join_, 1) + " setlinejoin ");
}

void PostScriptDevice::lineCap(int c) {
  flush();
  cap_ = std::clamp(c, 0, 2);
  put(ps::fieldI(cap_, 1) + " setlinecap ");
}

void PostScriptDevice::miterLimit(double m) {
  flush();
  miter_ = std::isfinite(m) && m > 1.0 ? m : 1.0;
  writeMiterLimit();
}

// The limit is written as a length in device units (2 per plot unit of the
// width); PostScript refuses a limit below 1, so thin lines get the
// smallest length that converts to at least 1.
void PostScriptDevice::writeMiterLimit() {
  int64_t m = ps::roundUnit(2.0 * width_ * miter_);
  m = std::max<int64_t>(m, 8);
  put(ps::fieldI(m, 12) + " cm setmiterlimit ");
}

void PostScriptDevice::clipRect(double x1, double y1, double x2, double y2) {
  flush();
  // PostScript intersects clipping paths; a new window replaces the old one.
  if (clipping_) put("initclip ");
  std::string s;
  for (double v : {x1, y1, x2, y2}) {
    if (!s.empty()) s += ' ';
    ps::appendInt(s, ps::roundUnit(v), 5);
  }
  s += " clp ";
  put(s);
  clipping_ = true;
}

void PostScriptDevice::clipReset() {
  flush();
  put("initclip ");
  clipping_ = false;
}

void PostScriptDevice::fillPolygon(const double* x, const double* y, int n) {
  if (x == nullptr || y == nullptr || n < 3) return;
  flush();
  putPoint(ps::roundUnit(x[0]), ps::roundUnit(y[0]), " u ");
  for (int i = 1; i < n; ++i) putPoint(ps::roundUnit(x[i]), ps::roundUnit(y[i]), " d ");
  put("eofill ");
}

// One path of several subpaths: the first ring opens it with u, every
// further ring closes the previous subpath and moves without newpath.
void PostScriptDevice::fillRings(const double* x, const double* y, const int* counts, int nrings) {
  if (x == nullptr || y == nullptr || nrings < 1) return;
  flush();
  int at = 0;
  bool open = false;
  for (int k = 0; k < nrings; ++k) {
    const int n = counts[k];
    if (n >= 3) {
      const int64_t x0 = ps::roundUnit(x[at]), y0 = ps::roundUnit(y[at]);
      if (!open) {
        putPoint(x0, y0, " u ");
      } else {
        std::string s = "closepath ";
        ps::appendInt(s, x0, 5);
        s += " cm ";
        ps::appendInt(s, y0, 5);
        s += " cm moveto ";
        put(s);
      }
      open = true;
      for (int i = 1; i < n; ++i) putPoint(ps::roundUnit(x[at + i]), ps::roundUnit(y[at + i]), " d ");
    }
    at += n;
  }
  if (open) put("eofill ");
}

void PostScriptDevice::fillRect(double x1, double y1, double x2, double y2, Rgb rgb) {
  flush();
  std::string s;
  for (double v : {x1, y1, x2, y2}) {
    ps::appendInt(s, ps::roundUnit(v), 5);
    s += ' ';
  }
  for (int v : {rgb.r, rgb.g, rgb.b}) {
    ps::appendInt(s, v, 3);
    s += ' ';
  }
  s += "e ";
  put(s);
}

// The image is placed by one matrix that maps the unit square onto the
// parallelogram (the device units converted by "cm"); the samples follow
// as hexadecimal lines of 72 characters, read row by row.
bool PostScriptDevice::cellImage(const ImagePlacement& at, const int32_t* cells, int w, int h) {
  if (cells == nullptr || w < 1 || h < 1) return true;
  flush();
  std::string s = "gsave [";
  for (double v : {at.ux, at.uy, at.vx, at.vy, at.x0, at.y0}) s += ps::fieldF(v, 1, 2) + " cm ";
  s += "] concat ";
  put(s);
  endLine();
  const std::string wh = ps::fieldI(w, 1) + " " + ps::fieldI(h, 1);
  put("/zimgrow " + ps::fieldI(int64_t(w) * 3, 1) + " string def " + wh + " 8 [" +
      ps::fieldI(w, 1) + " 0 0 " + ps::fieldI(h, 1) + " 0 0] ");
  put("{currentfile zimgrow readhexstring pop} false 3 colorimage");
  endLine();
  static const char kHex[] = "0123456789abcdef";
  std::string line;
  line.reserve(80);
  int32_t last = -1;
  Rgb rgb{};
  const std::size_t n = std::size_t(w) * std::size_t(h);
  for (std::size_t i = 0; i < n; ++i) {
    if (cells[i] != last || i == 0) rgb = colourRgb(last = cells[i]);
    for (uint8_t v : {rgb.r, rgb.g, rgb.b}) {
      line += kHex[v >> 4];
      line += kHex[v & 15];
    }
    if (line.size() >= 72) {
      put(line);
      endLine();
      line.clear();
    }
  }
  if (!line.empty()) {
    put(line);
    endLine();
  }
  put("grestore ");
  return true;
}

void PostScriptDevice::newPage() {
  if (eps()) return;  // an EPS file holds one page
  const Zanglb& g = zanglb;
  flush();
  put("copypage ");
  endLine();
  put("%%Page: 1 " + ps::fieldI(g.npagnr, 8) + " ");
  endLine();
  if (g.inoers != 2 && (code_ == 502 || code_ == 504)) {
    // The background of the whole page, one unit beyond its last row and
    // column, in colour 0.
    const double s = g.xscf;
    const double w = (g.nxres + 1) * s, h = (g.nyres + 1) * s;
    if (postScriptLandscape()) fillRect(0, 0, h, w, colourRgb(0));
    else fillRect(0, h, w, 0, colourRgb(0));
  } else {
    put("erasepage ");
  }
  endLine();
  put(ps::fieldI(cap_, 1) + " setlinecap " + ps::fieldI(join_, 1) + " setlinejoin " +
      ps::fieldI(ps::roundUnit(deviceWidth()), 5) + " cm setlinewidth");
  endLine();
  if (haveColour_) writeColour(colour_);
  // Every page defines and selects its fonts anew.
  definedFonts_.clear();
  textFont_ = -1;
}

int PostScriptDevice::finish() {
  flush();
  writePostScriptTrailer(code_);
  return 0;
}

}  // namespace zantor
