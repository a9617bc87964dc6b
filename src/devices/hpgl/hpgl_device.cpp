#include "devices/hpgl/hpgl_device.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/format.h"
#include "core/state.h"
#include "devices/plot_file.h"

namespace zantor {

DeviceCaps HpglDevice::caps() const {
  DeviceCaps c;
  c.hwLineWidth = true;
  return c;
}

void HpglDevice::lineWidth(double w) {
  constexpr double kMmPerUnit = 0.025;  // plotter units are 1/40 mm
  const double units = w * zanglb.xscf;  // the pipeline gives plot units
  const double mm = w > 1.5 ? std::round(units * kMmPerUnit * 1000) / 1000 : 0;
  if (mm == width_) return;
  width_ = mm;
  qqsbuf(mm == 0 ? std::string("PW;") : "PW" + fmtFixed(mm, 3) + ";");
}

int HpglDevice::start() {
  if (zanglb.ihpgpl == 1) writePlotLine("IN;SP1;LT;PU;");
  writePlotLine(" SP1;");
  pen_ = 1;
  return 0;
}

void HpglDevice::command(std::string_view pen, double x, double y) {
  // (A,2(I8,A)) with the blanks removed: "PD120,45;".
  char buf[64];
  std::size_t n = 0;
  auto append = [&](std::string_view s) {
    for (char c : s)
      if (c != ' ' && n < sizeof buf) buf[n++] = c;
  };
  // Positions beyond the fields (a page of many kilometres) are kept at
  // their edge instead of filling the field with asterisks.
  auto field = [](double v) {
    return fmtI(std::llround(std::clamp(v, -9999999.0, 99999999.0)), 8);
  };
  append(pen);
  append(field(x));
  append(",");
  append(field(y));
  append(";");
  qqsbuf(std::string_view(buf, n));
}

int HpglDevice::penFor(Rgb c) {
  // Each component counts as on from half intensity.  White paper takes
  // no white pen: white (and light grey) draws with the black pen, as the
  // foreground of a white-on-black table must stay visible.
  const int r = c.r >= 128, g = c.g >= 128, b = c.b >= 128;
  static constexpr int kPens[8] = {1, 4, 3, 5, 2, 6, 7, 1};  // index r*4 + g*2 + b
  return kPens[r * 4 + g * 2 + b];
}

void HpglDevice::colour(Rgb rgb, int32_t) {
  const int pen = penFor(rgb);
  if (pen == pen_) return;
  pen_ = pen;
  qqsbuf("SP" + fmtInt(pen) + ";");
}

// A plotter has one sheet: a new page waits for the next one.
void HpglDevice::newPage() { qqsbuf("PU0,0;PG;"); }

int HpglDevice::finish() {
  qqsbuf("PU0,0;");
  return 0;
}

}  // namespace zantor
