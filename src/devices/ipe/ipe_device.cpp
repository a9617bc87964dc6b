#include "devices/ipe/ipe_device.h"

#include <algorithm>
#include <cmath>

#include "core/clock.h"
#include "core/format.h"
#include "core/state.h"
#include "devices/latin1.h"
#include "devices/plot_file.h"
#include "devices/svg/svg_device.h"
#include "draw/colour.h"

namespace zantor {

std::string ipeColour(Rgb c) {
  std::string s;
  for (int v : {c.r, c.g, c.b}) {
    if (!s.empty()) s += ' ';
    appendFixed(s, v / 255.0, 3);
  }
  return s;
}

DeviceCaps IpeDevice::caps() const {
  DeviceCaps c;
  c.fillPolygon = c.fillRect = c.hwLineWidth = c.hwText = c.hwClip = true;
  return c;
}

int IpeDevice::start() {
  const Zanglb& g = zanglb;
  const DateTime t = now();
  const std::string stamp = "D:" + fmtIm(t.year, 4, 4) + fmtIm(t.month, 2, 2) +
                            fmtIm(t.day, 2, 2) + fmtIm(t.hour, 2, 2) + fmtIm(t.minute, 2, 2) +
                            fmtIm(t.second, 2, 2);
  writePlotLine("<?xml version=\"1.0\"?>");
  writePlotLine("<!DOCTYPE ipe SYSTEM \"ipe.dtd\">");
  writePlotLine("<ipe version=\"70010\" creator=\"Zantor " + libraryVersionText() + "\">");
  writePlotLine("<info created=\"" + stamp + "\" modified=\"" + stamp + "\"/>");
  writePlotLine("<preamble>\\usepackage{times,graphicx}</preamble>");
  writePlotLine("<ipestyle name=\"basic\">");
  std::string size;
  appendInt(size, std::lround(g.nxres * static_cast<double>(g.xscf)));
  size += ' ';
  appendInt(size, std::lround(g.nyres * static_cast<double>(g.xscf)));
  writePlotLine("<layout paper=\"" + size + "\" frame=\"" + size + "\" origin=\"0 0\"/>");
  writePlotLine("</ipestyle>");
  // The page is kept until the end: the pictures it shows are written
  // before it.
  page_.clear();
  bitmaps_.clear();
  bitmapCount_ = 0;
  emit("<page>");
  emit("<layer name=\"alpha\"/>");
  emit("<view layers=\"alpha\" active=\"alpha\"/>");
  thin_ = width_ = g.xscf * 2.5 / g.xfcuni;
  if (g.inoers != 2)
    fillRect(0, 0, g.nxres * static_cast<double>(g.xscf), g.nyres * static_cast<double>(g.xscf),
             colourRgb(0));
  return 0;
}

void IpeDevice::emit(std::string_view line) {
  page_ += line;
  page_ += '\n';
}

// The picture as a bitmap of hexadecimal RGB bytes (one line per row),
// shown by an image of the unit square that the matrix maps onto the
// corners: (0, 0) to the lower left, (1, 0) along the bottom row, (0, 1)
// to the upper left.
bool IpeDevice::image(const ImageCorners& at, const uint8_t* rgb, int pw, int ph) {
  static constexpr char kDigits[] = "0123456789abcdef";
  flush();
  const int id = ++bitmapCount_;
  std::string& b = bitmaps_;
  b += "<bitmap id=\"";
  appendInt(b, id);
  b += "\" width=\"";
  appendInt(b, pw);
  b += "\" height=\"";
  appendInt(b, ph);
  b += "\" length=\"";
  appendInt(b, static_cast<int64_t>(pw) * ph * 3);
  b += "\" ColorSpace=\"DeviceRGB\" BitsPerComponent=\"8\">\n";
  for (int row = 0; row < ph; ++row) {
    const uint8_t* p = rgb + static_cast<std::size_t>(row) * pw * 3;
    for (int i = 0; i < 3 * pw; ++i) {
      b += kDigits[p[i] >> 4];
      b += kDigits[p[i] & 15];
    }
    b += '\n';
  }
  b += "</bitmap>\n";
  line_ = "<image layer=\"alpha\" rect=\"0 0 1 1\" bitmap=\"";
  appendInt(line_, id);
  line_ += "\" matrix=\"";
  const double m[6] = {at.urx - at.ulx, at.ury - at.uly, at.ulx - at.llx,
                       at.uly - at.lly, at.llx,          at.lly};
  for (int i = 0; i < 6; ++i) {
    if (i != 0) line_ += ' ';
    appendFixed(line_, m[i], 3);
  }
  line_ += "\"/>";
  emit(line_);
  return true;
}

void IpeDevice::move(double x, double y) { batch_.move(x, y, writer()); }
void IpeDevice::draw(double x, double y) { batch_.draw(x, y, writer()); }
void IpeDevice::flush() { batch_.flush(writer()); }

void IpeDevice::pathPoint(double x, double y, const char* op) {
  line_.clear();
  appendFixed(line_, x, 1);
  line_ += ' ';
  appendFixed(line_, y, 1);
  line_ += op;
  emit(line_);
}

void IpeDevice::writePath(const double* px, const double* py, int n) {
  line_ = "<path layer=\"alpha\" stroke=\"" + ipeColour(colour_) + "\" pen=\"";
  appendFixed(line_, width_, 3);
  line_ += "\">";
  emit(line_);
  // A zero-length line is a short horizontal stroke of 0.4 points.
  if (n == 2 && px[0] == px[1] && py[0] == py[1]) {
    pathPoint(px[0] - 0.2, py[0], " m");
    pathPoint(px[0] + 0.2, py[0], " l");
  } else {
    for (int i = 0; i < n; ++i) pathPoint(px[i], py[i], i == 0 ? " m" : " l");
  }
  emit("</path>");
}

void IpeDevice::colour(Rgb rgb, int32_t /*value*/) {
  flush();
  colour_ = rgb;
}

void IpeDevice::lineWidth(double w) {
  flush();
  width_ = std::isfinite(w) ? std::max(thin_, w * zanglb.xscf) : thin_;
}

// A closed path filled by the even-odd rule, without outline.
void IpeDevice::filledPath(const double* x, const double* y, int n, Rgb rgb) {
  flush();
  emit("<path layer=\"alpha\" fill=\"" + ipeColour(rgb) + "\" fillrule=\"eofill\">");
  for (int i = 0; i < n; ++i) pathPoint(x[i], y[i], i == 0 ? " m" : " l");
  emit("h");
  emit("</path>");
}

void IpeDevice::fillPolygon(const double* x, const double* y, int n) {
  if (x == nullptr || y == nullptr || n < 3) return;
  filledPath(x, y, n, colour_);
}

void IpeDevice::fillRect(double x1, double y1, double x2, double y2, Rgb rgb) {
  const double x[4] = {x1, x2, x2, x1}, y[4] = {y1, y1, y2, y2};
  filledPath(x, y, 4, rgb);
}

// A label at the baseline start, rotated by the text angle, in the size
// of the character height.
void IpeDevice::character(const DeviceChar& c) {
  if (!std::isfinite(c.x) || !std::isfinite(c.y)) return;
  flush();
  line_ = "<text layer=\"alpha\" transformations=\"translations\" pos=\"";
  appendFixed(line_, c.x, 1);
  line_ += ' ';
  appendFixed(line_, c.y, 1);
  line_ += "\" stroke=\"" + ipeColour(colour_) + "\" type=\"label\" size=\"";
  appendFixed(line_, std::isfinite(c.height) ? c.height : 10.0, 1);
  line_ += '"';
  if (std::isfinite(c.angle) && c.angle != 0) {
    line_ += " matrix=\"";
    const double r = c.angle * 3.14159265358979323846 / 180.0;
    const double m[6] = {std::cos(r), std::sin(r), -std::sin(r), std::cos(r), 0, 0};
    for (int i = 0; i < 6; ++i) {
      if (i != 0) line_ += ' ';
      appendFixed(line_, m[i], 3);
    }
    line_ += '"';
  }
  line_ += " valign=\"baseline\">";
  // TeX's special characters in a label are written as TeX commands.
  const int code = c.code >= 127 && c.code <= 186 ? latin1Code(c.code) : c.code;
  switch (code) {
    case '&': line_ += "\\&amp;"; break;
    case '<': line_ += "&lt;"; break;
    case '>': line_ += "&gt;"; break;
    case '%': case '$': case '#': case '_': case '{': case '}':
      line_ += '\\';
      line_ += static_cast<char>(code);
      break;
    case '\\': line_ += "\\textbackslash{}"; break;
    case '^': line_ += "\\textasciicircum{}"; break;
    case '~': line_ += "\\textasciitilde{}"; break;
    default:
      if (code >= 160 && code <= 255) {  // Latin-1 letters in UTF-8
        line_ += static_cast<char>(0xC0 | (code >> 6));
        line_ += static_cast<char>(0x80 | (code & 0x3F));
      } else {
        line_ += (code < 32 || code > 126) ? ' ' : static_cast<char>(code);
      }
      break;
  }
  line_ += "</text>";
  emit(line_);
}

// Everything drawn within a clipping rectangle stands in a group whose
// clipping path is that rectangle.
void IpeDevice::clipRect(double x1, double y1, double x2, double y2) {
  clipReset();
  if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return;
  line_ = "<group layer=\"alpha\" clip=\"";
  const double x[4] = {x1, x2, x2, x1}, y[4] = {y1, y1, y2, y2};
  for (int i = 0; i < 4; ++i) {
    appendFixed(line_, x[i], 1);
    line_ += ' ';
    appendFixed(line_, y[i], 1);
    line_ += i == 0 ? " m " : " l ";
  }
  line_ += "h\">";
  emit(line_);
  clip_ = true;
}

void IpeDevice::clipReset() {
  flush();
  if (clip_) emit("</group>");
  clip_ = false;
}

int IpeDevice::finish() {
  clipReset();
  emit("</page>");
  for (const std::string* part : {&bitmaps_, &page_}) {
    std::string_view rest = *part;
    for (std::size_t eol; (eol = rest.find('\n')) != std::string_view::npos;) {
      writePlotLine(rest.substr(0, eol));
      rest.remove_prefix(eol + 1);
    }
  }
  writePlotLine("</ipe>");
  return 0;
}

}  // namespace zantor
