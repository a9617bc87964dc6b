// The labels of an axis side (labelx): values, texts, placement.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "axes/axis_side.h"
#include "axes/label_text.h"
#include "core/state.h"
#include "draw/pipeline.h"
#include "text/text_engine.h"

namespace zantor {
namespace {

using Scaling = AxisScaling;
Scaling scalingOf(int axis) { return axisScaling(axis); }

// Text settings a label needs for the duration of one call: exponent
// characters, the mathematical alphabet of XEXP, the European shift for
// the accented names of German and Spanish dates; an angle of 0 or 90.
template <class F>
auto withLabelSettings(int type, int axis, bool rotated, F&& f) {
  Zanglb& g = zanglb;
  const int nmix = g.nmix, imixbt = g.imixbt, ieusft = g.ieusft, nangle = g.nangle;
  const float sina = g.sina, cosa = g.cosa;
  const int slot[3] = {g.nalfbt[0], g.ialfbt[0], g.ialfb2[0]};
  int igsft[8];
  std::copy(g.igsft, g.igsft + 8, igsft);
  if (isExponentLabel(type)) g.nmix = 1;
  if (type == kLabXexp) {
    g.nalfbt[0] = 3, g.ialfbt[0] = '{', g.ialfb2[0] = '}';
    g.imixbt = 1;
  }
  if (type == kLabDate && g.ixdlan[axis] != 0) {
    std::fill(g.igsft, g.igsft + 8, 0);
    g.igsft[g.ixdlan[axis] == 1 ? 0 : 4] = '!';  // umlauts or acute accents
    g.ieusft = 1;
  }
  g.nangle = rotated ? 90 : 0;
  g.sina = rotated ? 1.0f : 0.0f;
  g.cosa = rotated ? 0.0f : 1.0f;
  auto result = f();
  g.nmix = nmix, g.imixbt = imixbt, g.ieusft = ieusft, g.nangle = nangle;
  g.sina = sina, g.cosa = cosa;
  g.nalfbt[0] = slot[0], g.ialfbt[0] = slot[1], g.ialfb2[0] = slot[2];
  std::copy(igsft, igsft + 8, g.igsft);
  return result;
}

struct Label {
  double p;          // plot units from the axis start
  std::string text;
  int length = 0;    // text length in plot units
};

int digitsOf(int axis, const Scaling& sc) {
  const Zanglb& g = zanglb;
  if (g.ixdgop[axis] == 1 && g.ioptsc[axis] != 1)
    return std::max(digitsNeeded(sc.o), digitsNeeded(sc.s));
  return g.ndezx[axis];
}

// True when the page box of a label lies wholly outside the clipping
// window: nothing of it could be seen.
bool outsideClipping(double left, double top, double w, double h) {
  const Zanglb& g = zanglb;
  return left > g.nuclip || left + w < g.nxclip || top > g.nvclip || top + h < g.nyclip;
}

// The labels of an axis with their texts and positions.
std::vector<Label> makeLabels(const Side& sd, int type) {
  const Zanglb& g = zanglb;
  const int ax = sd.axis;
  Scaling sc = scalingOf(ax);
  const bool logAxis = g.ixlg[ax] == 1;
  if (type == kLabClog && logAxis) {
    // Every decade of the range is labelled.
    const bool up = sc.e > sc.a;
    sc.o = up ? std::ceil(sc.a - 1e-4) : std::floor(sc.a + 1e-4);
    sc.s = up ? 1.0 : -1.0;
  }
  const int ndig = digitsOf(ax, sc);
  const bool centred = g.ixlabc[ax] == 1;
  std::vector<int> index;
  // Labels closer than one plot unit or one device unit cannot be read: a
  // step that small gets none, like its ticks (our choice; it also bounds
  // the work on huge pages).
  std::vector<double> v;
  if (std::fabs(sc.s * sc.delta) >= std::max(1.0, deviceUnit()))
    v = labelValues(sc.a, sc.e, sc.o, sc.s, centred ? 0 : g.ixend[ax], &index);
  if (type == kLabDate && labelStepMonths(g.ixdstp[ax]) > 0) {
    // Labels at month, quarter, half-year or year boundaries (or every
    // two months, two or four years).
    std::vector<double> all =
        dateSteps(sc.a, sc.e, g.ixdstp[ax], g.ndbday, g.ndbmon, g.ndbyea);
    v.clear();
    index.clear();
    const long last = static_cast<long>(all.size()) - 1;
    for (long i = 0; i <= last; ++i)
      if (centred || keepLabel(i, last, g.ixend[ax])) v.push_back(all[i]), index.push_back(i);
  }
  std::vector<Label> out;
  const long m = static_cast<long>(v.size()) - (centred ? 2 : 0);
  for (long i = 0; i < static_cast<long>(v.size()); ++i) {
    double where = v[i];
    if (centred) {
      // Between neighbouring label positions, one label fewer.
      if (i + 1 >= static_cast<long>(v.size())) break;
      if (!keepLabel(i, m, g.ixend[ax])) continue;
      where = (v[i] + v[i + 1]) / 2;
    }
    // On a crossed system the label at the crossing point would sit on
    // the other axis.
    if (sd.crossed && std::fabs(v[i]) < std::fabs(sc.s) * 1e-5) continue;
    Label l;
    l.p = (where - sc.a) * sc.delta;
    if (type == kLabMyla) {
      const int k = centred ? static_cast<int>(i) : index[i];
      if (k < 100) l.text = g.cmylab[ax][k].str();
    } else {
      l.text = labelText(type, v[i], ndig, ax, logAxis);
    }
    out.push_back(std::move(l));
  }
  return out;
}

}  // namespace

AxisScaling axisScaling(int axis) {
  const Zanglb& g = zanglb;
  if (axis == 0) return {g.xa, g.xe, g.xorig, g.xstep, g.xdelta};
  if (axis == 1) return {g.ya, g.ye, g.yorig, g.ystep, g.ydelta};
  return {g.za, g.ze, g.zorig, g.zstep, g.zdelta};
}

int axisLength(int axis) {
  const Zanglb& g = zanglb;
  return axis == 0 ? g.nxl : axis == 1 ? g.nyl : g.nzl;
}

void textInBox(std::string_view s, double left, double top, bool rotated, int length, int up) {
  const Zanglb& g = zanglb;
  double x = rotated ? left + up : left;
  double y = rotated ? top + length : top + up;
  qqmess(s, static_cast<float>(std::round(x) - g.nx0), static_cast<float>(std::round(y) - g.ny0));
}

int labelDistance(const Side& s, bool ticksDrawn) {
  const Zanglb& g = zanglb;
  int d = g.nnumx[s.axis];
  if (ticksDrawn && g.nticx[s.axis] > 0) {
    if (g.nrvx[s.axis] == 0) d += g.ntic2;
    else if (g.nrvx[s.axis] == 2) d += g.ntic2 / 2;
  }
  return d;
}

LabelReach drawLabels(const Side& sd, bool ticksDrawn) {
  Zanglb& g = zanglb;
  const int ax = sd.axis;
  const int d = labelDistance(sd, ticksDrawn);
  const int type = g.numx[ax];
  LabelReach reach{d, 0};
  if (type == kLabNone) return reach;
  std::vector<Label> labels = makeLabels(sd, type);
  if (labels.empty()) return reach;
  const bool rotated = g.ixlabt[ax] == 1;
  const bool xAxis = sd.oy != 0;               // labels above or below
  const bool alongText = xAxis != rotated;      // text runs along the axis
  const int h = g.nhchar;
  int ext = h;
  if (isExponentLabel(type)) ext = static_cast<int>(std::lround((g.fbasis + g.fexp) * h));
  const int up = std::max(0, ext - h);
  int maxLen = 0;
  withLabelSettings(type, ax, rotated, [&] {
    for (Label& l : labels) l.length = textLength(l.text);
    return 0;
  });
  for (const Label& l : labels) maxLen = std::max(maxLen, l.length);
  // Justification of texts across the axis: 0 near edges at the distance,
  // 1 far edges aligned.
  int jus = g.ixljus[ax];
  bool alignFar = jus == 3;
  if (jus == 1 || jus == 2) {
    // Page left or right (for rotated texts: the start or end of the text).
    const bool farIsLeftOrStart = xAxis ? sd.oy > 0 : sd.ox < 0;
    alignFar = (jus == 1) == farIsLeftOrStart;
  }
  const int pos = g.ixlabc[ax];
  const int axisLen = axisLength(ax);
  const double farEnd = xAxis ? sd.x0 + (axisLen - 1) * sd.ux : sd.y0 + (axisLen - 1) * sd.uy;
  // A label keeps a quarter of the character height clear of what it must
  // not touch.
  const double gap = h / 4.0;
  auto blocked = [&](double from, double to) {
    for (const Side::Span& k : sd.keepOff)
      if (from - gap < k.hi && k.lo < to + gap) return true;
    return false;
  };
  withLabelSettings(type, ax, rotated, [&] {
    for (const Label& l : labels) {
      if (l.text.empty()) continue;
      const double w = rotated ? ext : l.length;   // page box width
      const double hh = rotated ? l.length : ext;  // page box height
      const double perp = xAxis ? hh : w, along = xAxis ? w : hh;
      const double px = sd.x0 + l.p * sd.ux, py = sd.y0 + l.p * sd.uy;
      double near = d;
      if (!alongText && alignFar) near = d + maxLen - l.length;
      // Along the axis: centred, or starting/ending at the tick.  The
      // start of a text is its left end, or its lower end when rotated.
      double start = -along / 2;  // offset of the box's left/top edge
      int mode = alongText ? jus : 0;
      if (pos == 2) mode = 1;
      if (mode == 1) start = xAxis ? 0 : -along;
      else if (mode == 2) start = xAxis ? -along : 0;
      double left, top;
      if (xAxis) {
        left = px + start;
        top = sd.oy > 0 ? py + near : py - near - perp;
      } else {
        top = py + start;
        left = sd.ox > 0 ? px + near : px - near - perp;
      }
      const double from = xAxis ? left : top, to = from + along;
      if (blocked(from, to) || outsideClipping(left, top, w, hh)) continue;
      // How far the label passes the far end (rightwards for X, upwards
      // for Y).
      const double past = xAxis ? to - farEnd : farEnd - from;
      reach.beyondEnd = std::max(reach.beyondEnd, static_cast<int>(std::ceil(past)));
      textInBox(l.text, left, top, rotated, l.length, up);
    }
    return 0;
  });
  reach.across = d + (alongText ? ext : maxLen);
  return reach;
}

}  // namespace zantor
