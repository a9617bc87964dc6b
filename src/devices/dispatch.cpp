#include "devices/dispatch.h"

#include <X11/Xlib.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/format.h"
#include "core/state.h"
#include "core/warnings.h"
#include "devices/cgm/cgm_device.h"
#include "devices/files.h"
#include "devices/hpgl/hpgl_device.h"
#include "devices/wmf/emf_device.h"
#include "devices/wmf/wmf_device.h"
#include "devices/java/java_device.h"
#include "devices/metafile/gksl.h"
#include "devices/plot_file.h"
#include "devices/raster/raster_device.h"
#include "devices/ipe/ipe_device.h"
#include "devices/pdf/pdf_device.h"
#include "devices/svg/svg_device.h"
#include "devices/postscript/ps_device.h"
#include "devices/window/foreign_window.h"
#include "devices/window/gl_picture.h"
#include "devices/window/window_device.h"
#include "draw/page.h"
#include "draw/pipeline.h"

namespace zantor {
namespace {

std::unique_ptr<Device> device;
DeviceFactory factoryOverride;
double clipCornerX = 0, clipCornerY = 0;  // first corner of op 16

// Devices whose writer is part of this build (the raster device reports
// its missing TIFF and GIF files itself).
bool hasWriter(int code) {
  return factoryOverride || code == 201 || code == 701 || (code >= 501 && code <= 504) ||
         (code >= 601 && code <= 607) || code == 211 || code == 221 || code == 231 ||
         (code >= 401 && code <= 405) ||
         code == 511 || code == 801 || code == 802;
}

// The writer of formats that this build cannot write yet: the program runs
// on unchanged, is told once per plot, and no (empty, unreadable) file is
// left behind.
class NullDevice : public Device {
 public:
  int start() override {
    qqerror(40, std::string(zanglb.cmeta.trimmed()) + " output is not available yet");
    return 0;
  }
  void move(double, double) override {}
  void draw(double, double) override {}
  bool wroteFile() const override { return false; }
};

std::unique_ptr<Device> makeDevice(int code) {
  if (factoryOverride) return factoryOverride(code);
  if (code == 201) return std::make_unique<GkslDevice>();
  if (code == 701) return std::make_unique<JavaDevice>();
  if (code >= 601 && code <= 607) return std::make_unique<RasterDevice>(code);
  if (code >= 501 && code <= 504) return std::make_unique<PostScriptDevice>(code);
  if (code == 211) return std::make_unique<CgmDevice>();
  if (code == 221) return std::make_unique<WmfDevice>();
  if (code == 231) return std::make_unique<EmfDevice>();
  if (code >= 401 && code <= 405) return std::make_unique<HpglDevice>();
  if (code == 511) return std::make_unique<PdfDevice>();
  if (code == 801) return std::make_unique<SvgDevice>();
  if (code == 802) return std::make_unique<IpeDevice>();
  if (code >= 72 && code <= 81) return std::make_unique<WindowDevice>(code);
  return std::make_unique<NullDevice>();
}

void stopNoDisplay() {
  std::fflush(stdout);
  std::puts(" <<<< X-Window display cannot be opened!");
  std::puts("        **** STOP in ZANINI ****");
  std::fflush(stdout);
  std::exit(1);
}

}  // namespace

bool displayReachable() {
  Display* d = XOpenDisplay(nullptr);
  if (d == nullptr) return false;
  XCloseDisplay(d);
  return true;
}

bool openGlSupported() { return glxOnDisplay(); }

Device* currentDevice() { return device.get(); }

void setDeviceFactoryOverride(DeviceFactory factory) { factoryOverride = std::move(factory); }

void zani01() {
  Zanglb& g = zanglb;
  g.nub = 15;
  g.iwinid = (g.ndev == 80 || g.ndev == 81) ? 1 : g.ndev - 71;
  if (!factoryOverride && !displayReachable()) stopNoDisplay();
  adoptForeignWindow();  // setxid: the plot takes the size of the program's window
  device = makeDevice(g.ndev);
  g.xscf = deviceScale();
  const int k = g.iwinid - 1;
  if (k >= 0 && k < 8) {
    g.xsclwn[k] = g.xscf;
    g.nxarwn[k] = g.nxwind; g.nyarwn[k] = g.nywind;
    g.nwarwn[k] = g.nwwind; g.nharwn[k] = g.nhwind;
    g.nxpgwn[k] = g.ipgmod == 1 ? g.nyres : g.nxres;
    g.nypgwn[k] = g.ipgmod == 1 ? g.nxres : g.nyres;
  }
  if (device->start() != 0) g.nlev = 0;
}

void zani02() {
  Zanglb& g = zanglb;
  static FixedString<256> rememberedName;
  if (g.nfil == 1) {
    rememberedName = g.cfil;
    g.nfil = 2;
  } else if (g.nfil == 2) {
    g.cfil = rememberedName;
  } else {
    g.cfil = "zantor." + std::string(deviceExtension(g.ndev));
  }
  g.nub = 15;
  g.nbmax = 80;
  g.nbuff = 0;

  const int dev = g.ndev;
  if (!hasWriter(dev)) return;  // nothing will be written
  const bool openNow = dev == 801 || dev == 802 || dev == 701 || dev < 601;
  const bool nameNow = openNow || dev == 601 || dev == 602 || dev == 604 || dev == 605;
  if (nameNow) {
    if (int status = gfilnn(g.cfil); status != 0) {
      qqserr(gfilnnMessage(status));
      warnin(status);
      g.nlev = 0;
      return;
    }
  }
  if (openNow && dev != 511 && dev != 221 && dev != 231) {
    if (!factoryOverride && !openPlotFile(g.cfil.str(), dev == 211)) {
      warnin(36);
      g.nlev = 0;
    }
  }
}

void zani03() {
  Zanglb& g = zanglb;
  const int dev = g.ndev;
  if ((dev >= 501 && dev <= 600) || dev == 211 || dev == 221 || dev == 231 || dev == 801 || dev == 802 ||
      dev == 701 || dev == 605 || ((dev >= 601 && dev <= 700) && g.imagfm == 1))
    g.ndepth = 24;
  g.xscf = deviceScale();
  device = makeDevice(dev);
  switch (device->start()) {
    case 0: break;
    case -2: warnin(53); g.nlev = 0; break;
    default: warnin(36); g.nlev = 0; break;
  }
  if (g.nlev == 0) {
    device.reset();
    discardPlotFile();
  }
}

void xjdraw(float x, float y, int op) {
  Device* d = device.get();
  if (d == nullptr) return;
  double dx = 0, dy = 0;
  switch (op) {
    case 2:
      deviceTransform(x, y, dx, dy);
      d->draw(dx, dy);
      ++zanglb.nplvec;
      break;
    case 3:
      deviceTransform(x, y, dx, dy);
      d->move(dx, dy);
      break;
    case 4: d->newPage(); break;
    // Attribute values arrive divided by xscf; scaled back here, the
    // writer receives them as the sender meant them (plot units).
    case 6: d->lineWidth(static_cast<double>(x) * zanglb.xscf); break;
    case 7: d->lineJoin(static_cast<int>(std::lround(x * zanglb.xscf))); break;
    case 8: d->lineCap(static_cast<int>(std::lround(x * zanglb.xscf))); break;
    case 9: d->miterLimit(static_cast<double>(x) * zanglb.xscf); break;
    // Hardware clipping: 16 and 17 give the two corners, 18 removes it.
    case 16:
      deviceTransform(x, y, clipCornerX, clipCornerY);
      break;
    case 17:
      deviceTransform(x, y, dx, dy);
      d->clipRect(clipCornerX, clipCornerY, dx, dy);
      break;
    case 18: d->clipReset(); break;
    case 999: d->flush(); break;
    default: break;
  }
}

void sendBuffer() {
  qqstrk();
  if (device) {
    device->flush();
    device->toScreen();
  }
}

int finishDevice() {
  if (!device) return 0;
  int status = device->finish();
  const bool wrote = device->wroteFile();
  device.reset();
  const bool ok = closePlotFile();
  if (status == -2) warnin(53);
  else if (status != 0 || !ok) warnin(36);
  // A file that failed to be written is not named in the protocol, for
  // every device alike (the raster writers report their own failures and
  // say so through wroteFile).
  return wrote && status == 0 && ok ? 1 : 0;
}

}  // namespace zantor
