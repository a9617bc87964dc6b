// The marker symbol table and its drawing.
#include "axes/symbols.h"

#include <cmath>
#include <vector>

#include "core/state.h"
#include "devices/dispatch.h"
#include "draw/fill.h"
#include "draw/page.h"
#include "draw/pipeline.h"

namespace zantor {

namespace {

constexpr SymbolPoint B{kBreak, kBreak};

#define SQUARE {-50, -50}, {-50, 50}, {50, 50}, {50, -50}, {-50, -50}
#define OCTAGON                                                                       \
  {-20, -50}, {-50, -20}, {-50, 20}, {-20, 50}, {20, 50}, {50, 20}, {50, -20}, {20, -50}, \
      {-20, -50}
#define TRI_UP {0, -50}, {50, 50}, {-50, 50}, {0, -50}
#define PLUS {-50, 0}, {50, 0}, B, {0, -50}, {0, 50}
#define CROSS {-50, -50}, {50, 50}, B, {50, -50}, {-50, 50}
#define DIAMOND {0, -50}, {50, 0}, {0, 50}, {-50, 0}, {0, -50}
#define TRI_DOWN {-50, -50}, {0, 50}, {50, -50}, {-50, -50}
#define CIRCLE                                                                              \
  {49, 0}, {49, -9}, {42, -27}, {27, -42}, {9, -49}, {-9, -49}, {-27, -42}, {-42, -27},       \
      {-49, -9}, {-49, 0}, {-49, 9}, {-42, 27}, {-27, 42}, {-9, 49}, {9, 49}, {27, 42},       \
      {42, 27}, {49, 9}, {49, -9}
#define HALF                                                                          \
  {49, 0}, {49, -9}, {42, -27}, {27, -42}, {9, -49}, {-9, -49}, {-27, -42}, {-42, -27}, \
      {-49, -9}, {-49, 0}, {49, 0}

const SymbolPoint s0[] = {SQUARE};
const SymbolPoint s1[] = {OCTAGON};
const SymbolPoint s2[] = {TRI_UP};
const SymbolPoint s3[] = {PLUS};
const SymbolPoint s4[] = {CROSS};
const SymbolPoint s5[] = {DIAMOND};
const SymbolPoint s6[] = {TRI_DOWN};
const SymbolPoint s7[] = {SQUARE, B, CROSS};
const SymbolPoint s8[] = {PLUS, B, CROSS};
const SymbolPoint s9[] = {DIAMOND, B, PLUS};
const SymbolPoint s10[] = {OCTAGON, B, PLUS};
const SymbolPoint s11[] = {TRI_DOWN, B, TRI_UP};
const SymbolPoint s12[] = {SQUARE, B, PLUS};
const SymbolPoint s13[] = {OCTAGON, B, CROSS};
const SymbolPoint s14[] = {SQUARE, B, TRI_UP};
const SymbolPoint s15[] = {CIRCLE};
const SymbolPoint s22[] = {HALF};

struct Entry {
  const SymbolPoint* p;
  int n;
};
#define E(a) Entry{a, static_cast<int>(sizeof(a) / sizeof(a[0]))}
const Entry kTable[kSymbolCount] = {
    E(s0),  E(s1),  E(s2),  E(s3),  E(s4),  E(s5),  E(s6),  E(s7),
    E(s8),  E(s9),  E(s10), E(s11), E(s12), E(s13), E(s14), E(s15),
    E(s0),  E(s1),  E(s2),  E(s5),  E(s6),  E(s15), E(s22), E(s22)};
#undef E

// Saves the dash pattern and the fill pattern, makes lines solid and
// single, and restores everything at the end.
class SolidPen {
 public:
  SolidPen() : g_(zanglb) {
    ityp_ = g_.ityp; nmrk_ = g_.nmrk; nmrind_ = g_.nmrind; xmrlen_ = g_.xmrlen;
    nmrpen_ = g_.nmrpen; nmrkc_ = g_.nmrkc; xoff_ = g_.xoff; nshd_ = g_.nshd;
    for (int i = 0; i < LineFields::kPatternSize; ++i) nmray_[i] = g_.nmray[i];
    g_.nmrk = 1; g_.nmrkc = 0; g_.xoff = 0.0f; g_.nmrpen = 0;
  }
  ~SolidPen() {
    g_.ityp = ityp_; g_.nmrk = nmrk_; g_.nmrind = nmrind_; g_.xmrlen = xmrlen_;
    g_.nmrpen = nmrpen_; g_.nmrkc = nmrkc_; g_.xoff = xoff_;
    for (int i = 0; i < LineFields::kPatternSize; ++i) g_.nmray[i] = nmray_[i];
    if (g_.nshd != nshd_) setShadingPattern(nshd_);
  }
  SolidPen(const SolidPen&) = delete;
  SolidPen& operator=(const SolidPen&) = delete;

 private:
  Zanglb& g_;
  int32_t ityp_, nmrk_, nmrind_, nmrpen_, nmrkc_, nshd_;
  int32_t nmray_[LineFields::kPatternSize];
  float xmrlen_, xoff_;
};

// Hands the symbol to a device that draws one stored copy of it at every
// place (thousands of markers then cost one line each).  Only when the
// device would receive exactly what the pipeline sends: the whole symbol
// inside the clipping window and no stage changing the strokes.  (u, v)
// of point i is its offset from the centre in plot units.
bool deviceSymbol(int n, const SymbolPoint* p, int count, double x, double y, double c,
                  double s, double f) {
  Device* d = currentDevice();
  if (d == nullptr || !strokesReachDevice()) return false;
  Zanglb& g = zanglb;
  const double ax = g.nx0 + static_cast<double>(x), ay = g.ny0 + static_cast<double>(y);
  static SymbolShape shape;  // kept: no allocation per marker
  shape.x.clear();
  shape.y.clear();
  shape.filled = symbolFilled(n);
  double ox = 0, oy = 0;
  deviceTransform(0, 0, ox, oy);
  double lastU = 0, lastV = 0;
  int segments = 0;
  bool first = true;
  for (int i = 0; i < count; ++i) {
    if (p[i].x == kBreak) {
      shape.x.push_back(NAN);
      shape.y.push_back(NAN);
      first = true;
      continue;
    }
    const double u = p[i].x * f, v = p[i].y * f;
    lastU = u * c - v * s;
    lastV = u * s + v * c;
    // The clipping window is convex: all points inside, all lines inside.
    if (jqqclp(static_cast<float>(ax + lastU), static_cast<float>(ay + lastV)) != 0) return false;
    double dx = 0, dy = 0;
    deviceTransform(lastU, lastV, dx, dy);
    shape.x.push_back(dx - ox);
    shape.y.push_back(dy - oy);
    if (!first) ++segments;
    first = false;
  }
  double cx = 0, cy = 0;
  deviceTransform(ax, ay, cx, cy);
  if (!d->symbol(cx, cy, shape)) return false;
  // As after the drawn polylines: the line continues from the symbol's end.
  g.nplvec += segments;
  g.xlstpl = static_cast<float>(ax + lastU);
  g.ylstpl = static_cast<float>(ay + lastV);
  g.ilstpl = 1;
  return true;
}

}  // namespace

int symbolOutline(int n, const SymbolPoint** points) {
  if (n < 0 || n >= kSymbolCount) return 0;
  *points = kTable[n].p;
  return kTable[n].n;
}

bool symbolFilled(int n) { return (n >= 16 && n <= 21) || n == 23; }

void drawSymbol(int n, float x, float y, float size, float angle) {
  const SymbolPoint* p = nullptr;
  const int count = symbolOutline(n, &p);
  if (count == 0 || !std::isfinite(x) || !std::isfinite(y) || !std::isfinite(size)) return;
  // y grows downwards, so a counter-clockwise turn on the page is the
  // negative angle in plot coordinates.
  const double a = -static_cast<double>(angle) * 3.14159265358979323846 / 180.0;
  const double c = std::cos(a), s = std::sin(a), f = size / 100.0;
  qqstrk();
  if (deviceSymbol(n, p, count, x, y, c, s, f)) return;
  SolidPen pen;
  std::vector<float> px, py;
  px.reserve(count);
  py.reserve(count);
  bool first = true;
  for (int i = 0; i < count; ++i) {
    if (p[i].x == kBreak) {
      first = true;
      continue;
    }
    const double u = p[i].x * f, v = p[i].y * f;
    const float xp = static_cast<float>(x + u * c - v * s);
    const float yp = static_cast<float>(y + u * s + v * c);
    if (first) strtqq(xp, yp);
    else connqq(xp, yp);
    first = false;
    px.push_back(xp);
    py.push_back(yp);
  }
  qqstrk();
  if (symbolFilled(n)) {
    setShadingPattern(16);
    dareaf(px.data(), py.data(), static_cast<int>(px.size()));
  }
}

}  // namespace zantor
