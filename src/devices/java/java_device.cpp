#include "devices/java/java_device.h"

#include <string>

#include "core/clock.h"
#include "core/format.h"
#include "core/state.h"
#include "devices/plot_file.h"

namespace zantor {

int JavaDevice::start() {
  const Zanglb& g = zanglb;
  // The applet class must carry the name of its file.
  std::string name = g.cfil.str();
  if (std::size_t slash = name.rfind('/'); slash != std::string::npos) name.erase(0, slash + 1);
  if (std::size_t dot = name.find('.'); dot != std::string::npos) name.erase(dot);
  DateTime t = now();
  writePlotLine("// ZANTOR Java Metafile");
  writePlotLine("// Creator: ZANTOR " + fmtF(11.6, 4, 1));
  writePlotLine("// Date   : " + dateDMY(t) + " " + timeHMS(t));
  writePlotLine("// Size   : " + fmtInt(g.nwwind) + " " + fmtInt(g.nhwind));
  writePlotLine("import java.applet.*;");
  writePlotLine("import java.awt.*;");
  writePlotLine("public class " + name + " extends Applet {");
  writePlotLine("public void paint(Graphics g) {");
  return 0;
}

void JavaDevice::move(double x, double y) {
  x_ = static_cast<long>(x);
  y_ = static_cast<long>(y);
}

void JavaDevice::draw(double x, double y) {
  long nx = static_cast<long>(x), ny = static_cast<long>(y);
  writePlotLine("  g.drawLine (" + fmtInt(x_) + "," + fmtInt(y_) + "," + fmtInt(nx) + "," +
                fmtInt(ny) + ");");
  x_ = nx;
  y_ = ny;
}

void JavaDevice::colour(Rgb c, int32_t) {
  writePlotLine("  g.setColor (new Color (" + fmtInt(c.r) + "," + fmtInt(c.g) + "," +
                fmtInt(c.b) + "));");
}

void JavaDevice::erase() {
  writePlotLine("  g.clearRect (0,0," + fmtInt(zanglb.nwwind) + "," + fmtInt(zanglb.nhwind) + ");");
}

int JavaDevice::finish() {
  writePlotLine("  }");
  writePlotLine("}");
  return 0;
}

}  // namespace zantor
