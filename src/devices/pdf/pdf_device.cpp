#include "devices/pdf/pdf_device.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/format.h"
#include "core/state.h"
#include "devices/pdf/pdf_document.h"
#include "draw/colour.h"

namespace zantor {
namespace {

constexpr double kDot = 0.708;  // length of the stroke that shows a zero-length line

pdf::Document& doc() { return pdf::document(); }

// A colour component: "0 ", "1 " or the fraction with three decimals.
void appendComponent(std::string& s, int v) {
  if (v <= 0) s += "0 ";
  else if (v >= 255) s += "1 ";
  else {
    appendFixed(s, v / 255.0, 3);
    s += ' ';
  }
}

int packed(Rgb c) { return (c.r << 16) | (c.g << 8) | c.b; }

}  // namespace

DeviceCaps PdfDevice::caps() const {
  DeviceCaps c;
  c.fillPolygon = c.fillRect = c.hwLineWidth = c.hwClip = c.hwText = true;
  return c;
}

void PdfDevice::line() { doc().line(scratch_); }

// The page is the picture's extent in points; a landscape picture lies on
// a portrait page turned by the viewer (/Rotate 90).
int PdfDevice::start() {
  const Zanglb& g = zanglb;
  const bool rotate = g.ipgmod != 2 && g.nxres > g.nyres;
  pageW_ = (rotate ? g.nyres : g.nxres) * static_cast<double>(g.xscf);
  pageH_ = (rotate ? g.nxres : g.nyres) * static_cast<double>(g.xscf);
  pdf::releaseDocument();
  const int status = doc().begin(g.cfil.str(), pageW_, pageH_, rotate, g.ipdfcm == 1,
                                 g.ipdfbf == 1, std::move(sink_));
  if (status != 0) {
    pdf::releaseDocument();
    return status;
  }
  background();
  return 0;
}

// A page-sized rectangle in colour 0 unless the screen mode leaves the
// paper white.
void PdfDevice::background() {
  if (zanglb.inoers == 2) return;
  fillRect(0, 0, pageW_, pageH_, colourRgb(0));
}

void PdfDevice::endText() {
  if (!textOpen_) return;
  scratch_ = "ET";
  line();
  textOpen_ = false;
  textFont_ = -1;
}

void PdfDevice::point(double x, double y, const char* op) {
  scratch_.clear();
  appendFixed(scratch_, x, 2);
  scratch_ += ' ';
  appendFixed(scratch_, y, 2);
  scratch_ += op;
  line();
}

void PdfDevice::setStroke() {
  const int p = packed(colour_);
  if (strokeSet_ == p) return;
  scratch_.clear();
  for (int v : {colour_.r, colour_.g, colour_.b}) appendComponent(scratch_, v);
  scratch_ += "RG";
  line();
  strokeSet_ = p;
}

void PdfDevice::setFill(Rgb c) {
  const int p = packed(c);
  if (fillSet_ == p) return;
  scratch_.clear();
  for (int v : {c.r, c.g, c.b}) appendComponent(scratch_, v);
  scratch_ += "rg";
  line();
  fillSet_ = p;
}

void PdfDevice::move(double x, double y) {
  flush();
  mx_ = x;
  my_ = y;
  pending_ = 3;
}

namespace {

// A coordinate in hundredths of a point, as the file writes it; kept within
// +-1e7 points so that products of differences fit 64 bits.
int64_t grid(double v) {
  if (!(v == v)) return 0;
  v = std::clamp(v, -1.0e7, 1.0e7);
  return std::llround(v * 100.0);
}

void appendGrid(std::string& s, int64_t v) {
  if (v < 0) {
    s += '-';
    v = -v;
  }
  appendInt(s, v / 100);
  s += '.';
  s += static_cast<char>('0' + (v % 100) / 10);
  s += static_cast<char>('0' + v % 10);
}

}  // namespace

void PdfDevice::writeGrid(const GridPoint& p, const char* op) {
  scratch_.clear();
  appendGrid(scratch_, p.x);
  scratch_ += ' ';
  appendGrid(scratch_, p.y);
  scratch_ += op;
  line();
}

// Points are compared on the grid of the file: a repeated point is
// skipped, and a point that only extends a straight run (the same
// direction as the run) replaces the run's pending end instead of adding
// a corner nobody can see.  The drawn path is the same, the file smaller.
void PdfDevice::draw(double x, double y) {
  const GridPoint n{grid(x), grid(y)};
  if (pending_ == 3) {
    endText();
    setStroke();
    const GridPoint m{grid(mx_), grid(my_)};
    pathOpen_ = true;
    pending_ = 2;
    if (n.x == m.x && n.y == m.y) {
      // A zero-length line becomes a short horizontal stroke.
      point(mx_ - kDot / 2, my_, " m");
      point(mx_ + kDot / 2, my_, " l");
      written_ = m;
      hasTail_ = false;
      return;
    }
    writeGrid(m, " m");
    written_ = m;
    tail_ = n;
    hasTail_ = true;
    return;
  }
  if (!pathOpen_) {
    // A draw after a flush continues from the last point.
    if (!haveLast_) {
      mx_ = x;
      my_ = y;
      pending_ = 3;
      return;
    }
    endText();
    setStroke();
    writeGrid(written_, " m");
    hasTail_ = false;
    pathOpen_ = true;
    pending_ = 2;
  }
  const GridPoint& prev = hasTail_ ? tail_ : written_;
  if (n.x == prev.x && n.y == prev.y) return;  // repeated point
  if (hasTail_) {
    const int64_t ax = tail_.x - written_.x, ay = tail_.y - written_.y;
    const int64_t bx = n.x - tail_.x, by = n.y - tail_.y;
    if (ax * by == ay * bx && ax * bx + ay * by > 0) {
      tail_ = n;
      return;
    }
    writeGrid(tail_, " l");
    written_ = tail_;
  }
  tail_ = n;
  hasTail_ = true;
}

void PdfDevice::flush() {
  if (pathOpen_) {
    if (hasTail_) {
      writeGrid(tail_, " l");
      written_ = tail_;
      hasTail_ = false;
    }
    scratch_ = "S";
    line();
    pathOpen_ = false;
    haveLast_ = true;
  }
  if (pending_ == 3) pending_ = 0;
}

void PdfDevice::colour(Rgb rgb, int32_t /*value*/) {
  flush();
  colour_ = rgb;
}

// The same width as the PostScript writer: 2 units of 1/20 mm per plot
// unit, at least 5 units, scaled by the user's scale factor.
void PdfDevice::writeWidth() {
  const double units = std::max(5.0, 2.0 * width_) * zanglb.xsclfc;
  scratch_.clear();
  appendFixed(scratch_, units * 72.0 / 508.0, 3);
  scratch_ += " w";
  line();
}

void PdfDevice::lineWidth(double w) {
  flush();
  endText();
  width_ = std::isfinite(w) && w > 1.0 ? w : 1.0;
  writeWidth();
}

void PdfDevice::lineJoin(int j) {
  flush();
  endText();
  join_ = std::clamp(j, 0, 2);
  scratch_.clear();
  appendInt(scratch_, join_);
  scratch_ += " j";
  line();
}

void PdfDevice::lineCap(int c) {
  flush();
  endText();
  cap_ = std::clamp(c, 0, 2);
  scratch_.clear();
  appendInt(scratch_, cap_);
  scratch_ += " J";
  line();
}

void PdfDevice::miterLimit(double m) {
  flush();
  endText();
  miter_ = std::isfinite(m) && m > 1.0 ? m : 1.0;
  scratch_.clear();
  appendFixed(scratch_, miter_, 3);
  scratch_ += " M";
  line();
}

// "Q" forgets everything set since "q": the attributes are written again.
void PdfDevice::restoreAfterClip() {
  scratch_ = "Q";
  line();
  strokeSet_ = fillSet_ = -1;
  if (width_ != 1.0 || zanglb.xsclfc != 1.0f) writeWidth();
  if (cap_ != 2) lineCap(cap_);
  if (join_ != 2) lineJoin(join_);
  if (miter_ > 0) miterLimit(miter_);
}

void PdfDevice::applyClip() {
  scratch_ = "q";
  line();
  point(clip_x1_, clip_y1_, " m");
  point(clip_x2_, clip_y1_, " l");
  point(clip_x2_, clip_y2_, " l");
  point(clip_x1_, clip_y2_, " l");
  scratch_ = "h W n";
  line();
}

void PdfDevice::clipRect(double x1, double y1, double x2, double y2) {
  flush();
  endText();
  if (clip_) restoreAfterClip();
  clip_x1_ = x1;
  clip_y1_ = y1;
  clip_x2_ = x2;
  clip_y2_ = y2;
  applyClip();
  clip_ = true;
}

void PdfDevice::clipReset() {
  flush();
  endText();
  if (!clip_) return;
  restoreAfterClip();
  clip_ = false;
}

void PdfDevice::fillPolygon(const double* x, const double* y, int n) {
  if (x == nullptr || y == nullptr || n < 3) return;
  flush();
  endText();
  setFill(colour_);
  point(x[0], y[0], " m");
  for (int i = 1; i < n; ++i) point(x[i], y[i], " l");
  scratch_ = "h";
  line();
  scratch_ = "f*";
  line();
}

void PdfDevice::fillRect(double x1, double y1, double x2, double y2, Rgb rgb) {
  flush();
  endText();
  setFill(rgb);
  double x = std::min(x1, x2), y = std::min(y1, y2);
  double w = std::fabs(x2 - x1), h = std::fabs(y2 - y1);
  // A rectangle of (almost) no width or height stays visible.
  if (w <= 0.01) {
    x = x + w / 2 - kDot / 2;
    w = kDot;
  }
  if (h <= 0.01) {
    y = y + h / 2 - kDot / 2;
    h = kDot;
  }
  scratch_.clear();
  for (double v : {x, y, w, h}) {
    if (!scratch_.empty()) scratch_ += ' ';
    appendFixed(scratch_, v, 2);
  }
  scratch_ += " re";
  line();
  scratch_ = "f";
  line();
}

// The image as an XObject, placed by translation to its lower-left
// corner, a quarter turn on rotated pages, and scaling to its extent.
bool PdfDevice::image(const ImageCorners& at, const uint8_t* rgb, int pw, int ph) {
  flush();
  endText();
  const int number = doc().addImage(rgb, pw, ph, false);
  const double ax = at.urx - at.ulx, ay = at.ury - at.uly;  // along a row
  const double cx = at.ulx - at.llx, cy = at.uly - at.lly;  // bottom to top
  const bool turned = std::fabs(ax) < std::fabs(ay);
  scratch_ = "q";
  line();
  scratch_ = "1 0 0 1 ";
  appendFixed(scratch_, at.llx, 2);
  scratch_ += ' ';
  appendFixed(scratch_, at.lly, 2);
  scratch_ += " cm";
  line();
  double sx = ax, sy = cy;
  if (turned) {
    // The row runs up the page, the columns to the left.
    scratch_ = "0 1 -1 0 0 0 cm";
    line();
    sx = ay;
    sy = -cx;
  }
  scratch_.clear();
  appendFixed(scratch_, sx, 2);
  scratch_ += " 0 0 ";
  appendFixed(scratch_, sy, 2);
  scratch_ += " 0 0 cm";
  line();
  scratch_ = "/Image";
  appendInt(scratch_, number);
  scratch_ += " Do";
  line();
  scratch_ = "Q";
  line();
  return true;
}

namespace {

bool sameValues(const std::vector<double>& a, const std::vector<double>& b) {
  return a.size() == b.size() &&
         (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0);
}

}  // namespace

// The form drawing `shape` around the origin, written on first use; 0 when
// a polyline of it shrinks to one point on the file's grid (the pipeline
// then draws the dot that shows it).
int PdfDevice::symbolForm(const SymbolShape& shape) {
  if (lastForm_ > 0 && shape.filled == lastShape_.filled && sameValues(shape.x, lastShape_.x) &&
      sameValues(shape.y, lastShape_.y))
    return lastForm_;
  std::string body, fill;
  GridPoint prev;
  int inPolyline = 0;  // points written of the current polyline
  int polyline = 0;    // its index; a filled symbol fills the first
  double box[4] = {HUGE_VAL, HUGE_VAL, -HUGE_VAL, -HUGE_VAL};
  auto add = [&](const GridPoint& p, const char* op) {
    for (std::string* to : {&body, &fill}) {
      if (to == &fill && !(shape.filled && polyline == 0)) break;
      appendGrid(*to, p.x);
      *to += ' ';
      appendGrid(*to, p.y);
      *to += op;
      *to += '\n';
    }
  };
  const std::size_t n = shape.x.size();
  for (std::size_t i = 0; i <= n; ++i) {
    if (i == n || std::isnan(shape.x[i]) || std::isnan(shape.y[i])) {
      if (inPolyline == 1) return 0;
      if (inPolyline > 0) ++polyline;
      inPolyline = 0;
      continue;
    }
    const GridPoint p{grid(shape.x[i]), grid(shape.y[i])};
    if (inPolyline > 0 && p.x == prev.x && p.y == prev.y) continue;
    box[0] = std::min(box[0], p.x / 100.0);
    box[1] = std::min(box[1], p.y / 100.0);
    box[2] = std::max(box[2], p.x / 100.0);
    box[3] = std::max(box[3], p.y / 100.0);
    add(p, inPolyline == 0 ? " m" : " l");
    prev = p;
    ++inPolyline;
  }
  if (body.empty() || box[0] > box[2]) return 0;
  body += "S\n";
  if (shape.filled) body += fill + "h\nf*\n";
  // The strokes reach beyond the outline by half the line width in force
  // where the form is drawn; the box leaves room for any width.
  const double margin = std::max(pageW_, pageH_);
  box[0] -= margin;
  box[1] -= margin;
  box[2] += margin;
  box[3] += margin;
  auto it = forms_.find(body);
  const int form = it != forms_.end() ? it->second : doc().addForm(body, box);
  if (it == forms_.end()) forms_.emplace(std::move(body), form);
  lastShape_ = shape;
  lastForm_ = form;
  return form;
}

// One line per symbol: the form moved to the symbol's centre, in the
// current stroke (and fill) colour and line attributes.
bool PdfDevice::symbol(double x, double y, const SymbolShape& shape) {
  if (!std::isfinite(x) || !std::isfinite(y)) return false;
  flush();
  endText();
  const int form = symbolForm(shape);
  if (form == 0) return false;
  setStroke();
  if (shape.filled) setFill(colour_);
  doc().useForm(form);
  scratch_ = "q 1 0 0 1 ";
  appendGrid(scratch_, grid(x));
  scratch_ += ' ';
  appendGrid(scratch_, grid(y));
  scratch_ += " cm /Form";
  appendInt(scratch_, form);
  scratch_ += " Do Q";
  line();
  return true;
}

void PdfDevice::newPage() {
  flush();
  endText();
  if (clip_) {
    scratch_ = "Q";
    line();
  }
  doc().newPage();
  // A new page starts from the default graphics state.
  strokeSet_ = fillSet_ = -1;
  scratch_ = "0.709 w";
  line();
  scratch_ = "2 J";
  line();
  scratch_ = "2 j";
  line();
  if (width_ != 1.0 || zanglb.xsclfc != 1.0f) writeWidth();
  if (cap_ != 2) lineCap(cap_);
  if (join_ != 2) lineJoin(join_);
  if (miter_ > 0) miterLimit(miter_);
  background();
  if (clip_) applyClip();
  haveLast_ = false;
  hasTail_ = false;
  pending_ = 0;
}

int PdfDevice::finish() {
  flush();
  endText();
  if (clip_) {
    scratch_ = "Q";
    line();
    clip_ = false;
  }
  pdf::Document& d = doc();
  const bool memory = d.output().memory();
  const int status = d.end();
  if (memory) return status == -2 ? -2 : 0;  // kept for pdfbuf
  pdf::releaseDocument();
  // A file that did not arrive whole is not left as if it were a PDF.
  if (status != 0) std::remove(zanglb.cfil.str().c_str());
  return status;
}

}  // namespace zantor
