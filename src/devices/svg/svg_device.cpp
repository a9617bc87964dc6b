#include "devices/svg/svg_device.h"

#include <algorithm>
#include <cmath>

#include "core/clock.h"
#include "core/format.h"
#include "core/state.h"
#include "devices/latin1.h"
#include "devices/plot_file.h"
#include "draw/colour.h"

namespace zantor {
namespace {

struct FontStyle {
  const char* family;
  const char* weight;
  const char* style;
};

// Family, weight and style of the 35 standard fonts.
FontStyle fontStyle(int k) {
  static constexpr const char* kWeight[4] = {"normal", "bold", "normal", "bold"};
  static constexpr const char* kItalic[4] = {"normal", "normal", "italic", "italic"};
  static constexpr const char* kOblique[4] = {"normal", "normal", "oblique", "oblique"};
  if (k >= 0 && k < 4) return {"Times", kWeight[k], kItalic[k]};
  if (k >= 4 && k < 12) return {"Helvetica", kWeight[(k - 4) % 4], kOblique[(k - 4) % 4]};
  if (k >= 18 && k < 22) return {"Courier", kWeight[k - 18], kOblique[k - 18]};
  if (k == 34) return {"Symbol", "normal", "normal"};
  return {"Times", "normal", "normal"};
}

}  // namespace

std::string libraryVersionText() {
  return fmtF(ZANTOR_VERSION_MAJOR + ZANTOR_VERSION_MINOR / 10.0, 4, 1);
}

std::string svgColour(Rgb c) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string s = "#";
  for (int v : {c.r, c.g, c.b}) {
    s += kDigits[(v >> 4) & 15];
    s += kDigits[v & 15];
  }
  return s;
}

DeviceCaps SvgDevice::caps() const {
  DeviceCaps c;
  c.fillPolygon = c.fillRect = c.hwLineWidth = c.hwText = c.hwClip = true;
  return c;
}

int SvgDevice::start() {
  const Zanglb& g = zanglb;
  writePlotLine(R"(<?xml version="1.0" encoding="ISO-8859-1" standalone="no"?>)");
  writePlotLine(R"(<!DOCTYPE svg PUBLIC "-//W3C//DTD SVG 20010904//EN")");
  writePlotLine(R"(  "http://www.w3.org/TR/2001/REC-SVG-20010904/DTD/svg10.dtd">)");
  const DateTime t = now();
  writePlotLine("<!-- Created by ZANTOR");
  writePlotLine("Version: " + libraryVersionText());
  writePlotLine("Date   : " + dateDMY(t) + " " + timeHMS(t));
  writePlotLine("-->");
  // Width and height: int(1.5 + x) of the last pixel positions.
  std::string s = "<svg width=\"";
  appendInt(s, static_cast<int64_t>(1.5 + (g.nwwind - 1)));
  s += "\" height=\"";
  appendInt(s, static_cast<int64_t>(1.5 + (g.nhwind - 1)));
  s += '"';
  writePlotLine(s);
  writePlotLine(R"(  xmlns="http://www.w3.org/2000/svg")");
  writePlotLine(R"(  xmlns:xlink="http://www.w3.org/1999/xlink">)");
  writePlotLine("");
  group_ = 0;
  width_ = 1.0;
  if (g.inoers != 2) fillRect(0, 0, g.nwwind, g.nhwind, colourRgb(0));
  return 0;
}

void SvgDevice::closeGroup() {
  if (group_ != 0) writePlotLine("</g>");
  group_ = 0;
}

void SvgDevice::openLineGroup() {
  if (group_ == 1) return;
  closeGroup();
  line_ = "<g fill=\"none\" stroke=\"" + svgColour(colour_) + "\" stroke-width=\"";
  appendFixed(line_, width_, 3);
  line_ += "\">";
  writePlotLine(line_);
  group_ = 1;
}

void SvgDevice::appendPoint(double x, double y) {
  appendFixed(line_, x, 2);
  line_ += ',';
  appendFixed(line_, y, 2);
}

void SvgDevice::move(double x, double y) { batch_.move(x, y, writer()); }
void SvgDevice::draw(double x, double y) { batch_.draw(x, y, writer()); }
void SvgDevice::flush() { batch_.flush(writer()); }

void SvgDevice::writePath(const double* px, const double* py, int n) {
  openLineGroup();
  if (n == 2) {
    double x1 = px[0], x2 = px[1];
    // A zero-length line is a short horizontal stroke of one unit.
    if (x1 == x2 && py[0] == py[1]) {
      x1 -= 0.5;
      x2 += 0.5;
    }
    line_ = "<line x1=\"";
    appendFixed(line_, x1, 2);
    line_ += "\" y1=\"";
    appendFixed(line_, py[0], 2);
    line_ += "\" x2=\"";
    appendFixed(line_, x2, 2);
    line_ += "\" y2=\"";
    appendFixed(line_, py[1], 2);
    line_ += "\"/>";
    writePlotLine(line_);
    return;
  }
  writePlotLine("<polyline points=\"");
  line_.clear();
  for (int i = 0; i < n; ++i) {
    if (i % 5 != 0) line_ += ' ';
    appendPoint(px[i], py[i]);
    if (i == n - 1) {
      line_ += "\"/>";
    } else if (i % 5 != 4) {
      continue;
    }
    writePlotLine(line_);
    line_.clear();
  }
}

void SvgDevice::colour(Rgb rgb, int32_t /*value*/) {
  flush();
  closeGroup();
  colour_ = rgb;
}

// Wide lines in device units: the plot-unit width times the scale, never
// thinner than the default of one unit.
void SvgDevice::lineWidth(double w) {
  flush();
  closeGroup();
  const double d = std::isfinite(w) ? w * zanglb.xscf : 1.0;
  width_ = std::max(1.0, d);
}

// A rectangle element with its position and size, left open for more
// attributes.
void SvgDevice::startRect(double x1, double y1, double x2, double y2) {
  line_ = "<rect x=\"";
  appendFixed(line_, std::min(x1, x2), 2);
  line_ += "\" y=\"";
  appendFixed(line_, std::min(y1, y2), 2);
  line_ += "\" width=\"";
  appendFixed(line_, std::fabs(x2 - x1), 2);
  line_ += "\" height=\"";
  appendFixed(line_, std::fabs(y2 - y1), 2);
  line_ += '"';
}

void SvgDevice::fillRect(double x1, double y1, double x2, double y2, Rgb rgb) {
  flush();
  openLineGroup();
  startRect(x1, y1, x2, y2);
  writePlotLine(line_);
  writePlotLine("fill=\"" + svgColour(rgb) + "\" stroke=\"none\"/>");
}

// Polygons stand outside the groups, so that no group stroke outlines them.
void SvgDevice::fillPolygon(const double* x, const double* y, int n) {
  if (x == nullptr || y == nullptr || n < 3) return;
  flush();
  closeGroup();
  line_ = "<polygon fill=\"" + svgColour(colour_) + "\" points=\"";
  for (int i = 0; i < n; ++i) {
    if (i != 0) line_ += ' ';
    appendPoint(x[i], y[i]);
  }
  line_ += "\"/>";
  writePlotLine(line_);
}

void SvgDevice::character(const DeviceChar& c) {
  if (!std::isfinite(c.x) || !std::isfinite(c.y)) return;
  flush();
  const int font = std::clamp(c.font, 0, 34);
  const int size = static_cast<int>(std::isfinite(c.height) ? std::lround(c.height) : 1);
  if (group_ != 2 || font != textFont_ || size != textSize_) {
    closeGroup();
    const FontStyle f = fontStyle(font);
    line_ = "<g font-family=\"";
    line_ += f.family;
    line_ += "\" font-weight=\"";
    line_ += f.weight;
    line_ += "\" font-style=\"";
    line_ += f.style;
    line_ += '"';
    writePlotLine(line_);
    line_ = "font-size=\"";
    appendInt(line_, size);
    line_ += "\" stroke=\"none\" fill=\"" + svgColour(colour_) + "\">";
    writePlotLine(line_);
    group_ = 2;
    textFont_ = font;
    textSize_ = size;
  }
  line_ = "<text x=\"";
  appendFixed(line_, c.x, 2);
  line_ += "\" y=\"";
  appendFixed(line_, c.y, 2);
  line_ += '"';
  const long angle = std::isfinite(c.angle) ? std::lround(c.angle) : 0;
  if (angle != 0) {
    line_ += " rotate=\"";
    appendInt(line_, -angle);
    line_ += '"';
  }
  line_ += '>';
  const int code = c.code >= 127 && c.code <= 186 ? latin1Code(c.code) : c.code;
  if (code == '&') line_ += "&amp;";
  else if (code == '<') line_ += "&lt;";
  else if (code == '>') line_ += "&gt;";
  else if (code < 32 || code > 255) line_ += ' ';
  else line_ += static_cast<char>(code);
  line_ += "</text>";
  writePlotLine(line_);
}

// The clipping rectangle is a clipPath; everything drawn until the next
// change stands in a group that refers to it.
void SvgDevice::clipRect(double x1, double y1, double x2, double y2) {
  clipReset();
  if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return;
  const std::string id = "clip" + std::to_string(++clipCount_);
  writePlotLine("<clipPath id=\"" + id + "\">");
  startRect(x1, y1, x2, y2);
  line_ += "/>";
  writePlotLine(line_);
  writePlotLine("</clipPath>");
  writePlotLine("<g clip-path=\"url(#" + id + ")\">");
  clip_ = true;
}

void SvgDevice::clipReset() {
  flush();
  closeGroup();
  if (clip_) writePlotLine("</g>");
  clip_ = false;
}

int SvgDevice::finish() {
  clipReset();
  writePlotLine("</svg>");
  return 0;
}

}  // namespace zantor
