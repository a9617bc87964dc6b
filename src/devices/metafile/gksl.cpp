#include "devices/metafile/gksl.h"

#include <algorithm>

#include "core/format.h"
#include "core/state.h"
#include "devices/plot_file.h"

namespace zantor {

DeviceCaps GkslDevice::caps() const {
  DeviceCaps c;
  c.hwLineWidth = true;
  return c;
}

void GkslDevice::lineWidth(double w) {
  // Widths of about one plot unit are the thin line of the reader.
  // The pipeline gives plot units; the record holds device units.
  const double d = w * zanglb.xscf, thin = 1.5 * zanglb.xscf;
  width_ = d > thin ? d : -1;
}

int GkslDevice::start() {
  const Zanglb& g = zanglb;
  // The page in centimetres: extent times the scale factor of the page.
  const double f = static_cast<double>(g.xsclfc) * g.xfcuni;
  double w = g.nxres * f / 100.0, h = g.nyres * f / 100.0;
  if (g.ipgmod == 1) std::swap(w, h);
  writePlotLine(fmtF(w, 10, 1) + fmtF(h, 10, 1));
  pen_ = 0;
  return 0;
}

void GkslDevice::point(double x, double y, int pen) {
  // Two fields per point, millions of points: format without allocating.
  FieldBuf field;
  if (width_ != recordedWidth_) {
    qqsbuf(" 6.0000000");
    qqsbuf(fmtFTo(field, std::min(width_ < 0 ? zanglb.xscf : width_, 1.0), 10, 7));
    recordedWidth_ = width_;
  }
  if (pending_) {
    qqsbuf(" 5.0000000");
    qqsbuf(fmtFTo(field, colour_.r / 255.0, 10, 7));
    qqsbuf(fmtFTo(field, colour_.g / 255.0, 10, 7));
    qqsbuf(fmtFTo(field, colour_.b / 255.0, 10, 7));
    recorded_ = colour_;
    pending_ = false;
  }
  qqsbuf(fmtFTo(field, x, 10, 7));
  qqsbuf(fmtFTo(field, y, 10, 7));
  if (pen != pen_) {
    qqsbuf(pen == 2 ? " 2.0000000" : " 3.0000000");
    pen_ = pen;
  }
}

void GkslDevice::colour(Rgb rgb, int32_t) {
  colour_ = rgb;
  if (!started_) {
    started_ = true;
    recorded_ = rgb;
  }
  pending_ = rgb.r != recorded_.r || rgb.g != recorded_.g || rgb.b != recorded_.b;
}

int GkslDevice::finish() {
  point(0.0, 0.0, 3);  // the pen returns to the origin
  qqsbuf(" 9.0000000");
  pen_ = 0;
  return 0;
}

}  // namespace zantor
