// Pie charts: segment angles, offsets and label texts.
#include <cmath>
#include <cstdint>

#include "charts/pie.h"
#include "core/state.h"
#include "text/numbers.h"

namespace zantor {

std::vector<PieSegment> pieSegments(const float* xray, int n, double s) {
  const Zanglb& g = zanglb;
  std::vector<PieSegment> out(n);
  // The first segment is centred on the rotation angle; the others follow
  // anticlockwise.
  // The rotation counts modulo a turn: the angles stay small enough for
  // whole degrees to be told apart.
  double a = 360.0 - 180.0 * std::fabs(xray[0]) / s + std::fmod(g.xpiero, 360.0);
  for (int i = 0; i < n; ++i) {
    PieSegment& p = out[i];
    p.value = xray[i];
    p.start = a;
    p.sweep = 360.0 * std::fabs(xray[i]) / s;
    p.full = p.sweep >= 359.999 || n == 1;
    p.offset = g.iexpie == 1 || xray[i] < 0;
    a += p.sweep;
  }
  return out;
}

std::vector<std::string> pieLabelLines(std::string_view cbuf, int nlin, int i, double value,
                                       double s) {
  const Zanglb& g = zanglb;
  std::vector<std::string> lines;
  if (nlin > 0) {
    // Segment i owns the pieces i*nlin .. i*nlin + nlin - 1 of the buffer.
    const char sep = g.csex.c[3];
    std::vector<std::string_view> pieces;
    size_t from = 0;
    while (from <= cbuf.size()) {
      size_t to = cbuf.find(sep, from);
      if (to == std::string_view::npos) to = cbuf.size();
      pieces.push_back(cbuf.substr(from, to - from));
      from = to + 1;
    }
    const int64_t first = int64_t{i} * nlin, last = first + nlin;
    for (int64_t k = first; k < last && k < static_cast<int64_t>(pieces.size()); ++k) {
      std::string_view t = pieces[k];
      while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
      while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
      if (!t.empty()) lines.emplace_back(t);
    }
  }
  auto withText = [&](std::string v) {
    const std::string extra = g.clpie.str();
    if (extra.empty()) return v;
    return g.ipielr == 0 ? extra + v : v + extra;
  };
  if (g.idtpie == 1 || g.idtpie == 3)
    lines.push_back(withText(numberString(static_cast<float>(100.0 * std::fabs(value) / s),
                                          g.ndzpnt) + "%"));
  if (g.idtpie == 2 || g.idtpie == 3)
    lines.push_back(withText(numberString(static_cast<float>(value), g.ndzdta)));
  return lines;
}

int pieMinorAxis(int r) {
  const double v = zanglb.xpiea3;
  const double a = v > 45.0 ? 90.0 - v : v;
  return static_cast<int>(std::lround((std::sqrt(v / 90.0) + a / 500.0) * r));
}

}  // namespace zantor
