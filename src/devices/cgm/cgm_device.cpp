#include "devices/cgm/cgm_device.h"

#include <algorithm>
#include <cmath>

#include "core/clock.h"
#include "core/format.h"
#include "core/state.h"
#include "devices/plot_file.h"

namespace zantor {
namespace {

constexpr float kVersion = 11.6f;

void word(std::string& s, int v) {
  s.push_back(char((v >> 8) & 255));
  s.push_back(char(v & 255));
}

// Device coordinates as 16-bit integers: rounded by adding 0.5 and
// truncating, kept inside the range of the integer type.
int vdc(double v) {
  const double r = std::trunc(v + 0.5);
  return int(std::clamp(r, -32768.0, 32767.0));
}

void element(int cls, int id, std::string_view params, bool longForm = false) {
  qqsbuf(cgmElement(cls, id, params, longForm));
}

}  // namespace

std::string cgmHeader(int cls, int id, std::size_t length) {
  std::string h;
  const int head = (cls & 15) << 12 | (id & 127) << 5;
  if (length < 31) {
    word(h, head | int(length));
  } else {
    word(h, head | 31);
    word(h, int(std::min<std::size_t>(length, 32767)));  // one partition
  }
  return h;
}

std::string cgmString(std::string_view s) {
  s = s.substr(0, std::min<std::size_t>(s.size(), 32767 - 3));
  std::string p;
  if (s.size() < 255) {
    p.push_back(char(s.size()));
  } else {
    p.push_back(char(255));
    word(p, int(s.size()));
  }
  p.append(s);
  return p;
}

std::string cgmElement(int cls, int id, std::string_view params, bool longForm) {
  std::string e;
  if (longForm && params.size() < 31) {
    word(e, (cls & 15) << 12 | (id & 127) << 5 | 31);
    word(e, int(params.size()));
  } else {
    e = cgmHeader(cls, id, params.size());
  }
  e.append(params);
  if (params.size() & 1) e.push_back('\0');
  return e;
}

DeviceCaps CgmDevice::caps() const {
  DeviceCaps c;
  c.fillPolygon = true;
  c.hwLineWidth = true;  // as filled outlines
  return c;
}

int CgmDevice::start() {
  inicgm(1);
  return 0;
}

void CgmDevice::inicgm(int mode) {
  Zanglb& g = zanglb;
  if (mode == 1) {
    element(0, 1, cgmString(g.cfil.trimmed()), true);  // BEGIN METAFILE
    std::string v;
    word(v, g.ncgver);
    element(1, 1, v);  // METAFILE VERSION
    const std::string q = "\"";
    std::string d = q + (g.ncgver == 1 ? "ProfileId:CALS" : "ProfileId:WebCGM") + q + "," + q +
                    "ProfileEd:1.0" + q + "," + q + "Source:ZANTOR" + fmtF(kVersion, 4, 1) + q +
                    "," + q + "Date:" + dateYMD(now()) + q + "," + q + "ColourClass:colour" + q;
    d.resize(100, ' ');
    element(1, 2, cgmString(d), true);  // METAFILE DESCRIPTION
    std::string list;
    word(list, 1);
    word(list, 0xFFFF);
    word(list, 1);
    element(1, 11, list);  // METAFILE ELEMENT LIST: drawing plus control set
    g.ncgpic = 1;
  } else {
    writePath();
    path_.clear();
    element(0, 5, {});  // END PICTURE
    ++g.ncgpic;
  }
  beginPicture();
}

void CgmDevice::beginPicture() {
  const Zanglb& g = zanglb;
  const std::string name =
      g.icgpic == 1 ? g.ccgpic.str() : "Picture " + fmtInt(g.ncgpic);
  element(0, 3, cgmString(name), true);  // BEGIN PICTURE
  if (g.ncgver != 1) qqsbuf(std::string_view("\x20\x26\x26\x26\x3D\x4C\x4C\x4C", 8));
  std::string mode;
  word(mode, 1);
  element(2, 2, mode);  // COLOUR SELECTION MODE: direct
  long w = std::lround(g.nxres * g.xscf), h = std::lround(g.nyres * g.xscf);
  if (g.ipgmod == 1) std::swap(w, h);
  std::string extent;
  word(extent, 0);
  word(extent, 0);
  word(extent, int(std::min(w, 32767L)));
  word(extent, int(std::min(h, 32767L)));
  element(2, 6, extent);  // VDC EXTENT
  std::string bg;
  bg.push_back(char(g.icgbgd == 1 ? g.ncgrrr : 255));
  bg.push_back(char(g.icgbgd == 1 ? g.ncgggg : 255));
  bg.push_back(char(g.icgbgd == 1 ? g.ncgbbb : 255));
  bg.push_back('\0');
  element(2, 7, bg);  // BACKGROUND COLOUR
  element(0, 4, {});  // BEGIN PICTURE BODY
  interiorSet_ = false;
  colourWritten_ = false;  // a picture starts with the default colours
}

void CgmDevice::writeThinPath() {
  path_.flush([this](const int16_t* x, const int16_t* y, int n) { writePolyline(x, y, n); });
}

void CgmDevice::writePolyline(const int16_t* x, const int16_t* y, int n) {
  writeColour();
  std::string p;
  p.reserve(4 * std::size_t(n));
  for (int i = 0; i < n; ++i) {
    word(p, x[i]);
    word(p, y[i]);
  }
  element(4, 1, p, true);  // POLYLINE
}

void CgmDevice::move(double x, double y) {
  if (wide_.wide()) return wide_.move(x, y, fillWide());
  path_.move(int16_t(vdc(x)), int16_t(vdc(y)),
             [this](const int16_t* px, const int16_t* py, int n) { writePolyline(px, py, n); });
}

void CgmDevice::draw(double x, double y) {
  if (wide_.wide()) return wide_.draw(x, y, fillWide());
  path_.draw(int16_t(vdc(x)), int16_t(vdc(y)),
             [this](const int16_t* px, const int16_t* py, int n) { writePolyline(px, py, n); });
}

void CgmDevice::flush() { writePath(); }

// The colour ends the current line; its elements are written before the
// next primitive, so a page that draws nothing holds no colour elements.
void CgmDevice::colour(Rgb rgb, int32_t) {
  writePath();
  colour_ = rgb;
  colourWritten_ = false;
}

void CgmDevice::writeColour() {
  if (colourWritten_) return;
  colourWritten_ = true;
  const std::string c{char(colour_.r), char(colour_.g), char(colour_.b)};
  element(5, 4, c);   // LINE COLOUR
  element(5, 23, c);  // FILL COLOUR
}

void CgmDevice::fillPolygon(const double* x, const double* y, int n) {
  if (n < 3) return;
  writePath();
  writeColour();
  if (!interiorSet_) {
    std::string solid;
    word(solid, 1);
    element(5, 22, solid);  // INTERIOR STYLE solid
    interiorSet_ = true;
  }
  // One element holds at most 32767 parameter bytes: a polygon is kept to
  // its first 8000 points (the long form's partitions are not written).
  std::string p;
  for (int i = 0; i < n && i < 8000; ++i) {
    word(p, vdc(x[i]));
    word(p, vdc(y[i]));
  }
  element(4, 7, p, true);  // POLYGON
}

void CgmDevice::newPage() { inicgm(2); }

int CgmDevice::finish() {
  writePath();
  element(0, 5, {});  // END PICTURE
  element(0, 2, {});  // END METAFILE
  return 0;
}

}  // namespace zantor
