#include "devices/trace/trace_device.h"

#include "core/format.h"
#include "devices/dispatch.h"

namespace zantor {
namespace {

std::vector<std::string> lines;

std::string num(double v) {
  std::string s = fmtFixed(v, 3);
  // Trim trailing zeros so that traces read like the numbers drawn.
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  return s;
}

std::string rgb(Rgb c) {
  return num(c.r) + " " + num(c.g) + " " + num(c.b);
}

}  // namespace

int TraceDevice::start() { add("start"); return 0; }
void TraceDevice::move(double x, double y) { add("move " + num(x) + " " + num(y)); }
void TraceDevice::draw(double x, double y) { add("draw " + num(x) + " " + num(y)); }
void TraceDevice::flush() { add("flush"); }
void TraceDevice::colour(Rgb c, int32_t value) { add("colour " + rgb(c) + " " + num(value)); }
void TraceDevice::lineWidth(double w) { add("width " + num(w)); }
void TraceDevice::lineJoin(int j) { add("join " + num(j)); }
void TraceDevice::lineCap(int c) { add("cap " + num(c)); }
void TraceDevice::miterLimit(double m) { add("miter " + num(m)); }
void TraceDevice::clipRect(double x1, double y1, double x2, double y2) {
  add("clip " + num(x1) + " " + num(y1) + " " + num(x2) + " " + num(y2));
}
void TraceDevice::clipReset() { add("clip reset"); }
void TraceDevice::fillPolygon(const double* x, const double* y, int n) {
  std::string s = "polygon";
  for (int i = 0; i < n; ++i) s += " " + num(x[i]) + "," + num(y[i]);
  add(s);
}
void TraceDevice::fillRect(double x1, double y1, double x2, double y2, Rgb c) {
  add("rect " + num(x1) + " " + num(y1) + " " + num(x2) + " " + num(y2) + " " + rgb(c));
}
void TraceDevice::newPage() { add("newpage"); }
void TraceDevice::erase() { add("erase"); }
int TraceDevice::finish() { add("finish"); return 0; }

void installTraceDevice(DeviceCaps caps) {
  setDeviceFactoryOverride([caps](int) {
    lines.clear();
    return std::make_unique<TraceDevice>(caps, &lines);
  });
}

const std::vector<std::string>& traceLines() { return lines; }

}  // namespace zantor
