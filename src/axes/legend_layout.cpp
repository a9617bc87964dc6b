// The box arithmetic of legends, shared by legend, nxlegn and nylegn.
#include <algorithm>
#include <cmath>

#include "axes/decorations.h"
#include "core/api.h"
#include "core/args.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "text/text_engine.h"

namespace zantor {
namespace {

// Layout factors: times the height when >= 0, plot units when negative.
double factor(float f, double unit) { return f >= 0 ? f * unit : -static_cast<double>(f); }

bool blank(std::string_view s) { return s.find_first_not_of(' ') == std::string_view::npos; }

std::vector<std::string_view> splitLines(std::string_view s, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t k = s.find(separator, start);
    std::string_view p = s.substr(start, k == std::string_view::npos ? s.npos : k - start);
    while (!p.empty() && p.back() == ' ') p.remove_suffix(1);
    parts.push_back(p);
    if (k == std::string_view::npos) break;
    start = k + 1;
  }
  return parts;
}

// The shown lines in order: the legsel list (entries beyond the legend
// are left out) or every line, without blank ones.
std::vector<int> shownLines(std::string_view buffer) {
  const Zanglb& g = zanglb;
  std::vector<int> lines;
  auto add = [&](int i) {
    if (i < 1 || i > g.nlglin) return;
    if (!blank(buffer.substr(static_cast<std::size_t>(i - 1) * g.nlgmax, g.nlgmax)))
      lines.push_back(i);
  };
  if (g.nlgsel > 0) {
    for (int k = 0; k < g.nlgsel; ++k) add(g.nlgsls[k]);
  } else {
    for (int i = 1; i <= g.nlglin; ++i) add(i);
  }
  return lines;
}

}  // namespace

bool layoutLegend(std::string_view buffer, LegendLayout& out) {
  const Zanglb& g = zanglb;
  out = LegendLayout{};
  if (buffer.size() < static_cast<std::size_t>(g.nlglin) * g.nlgmax) {
    warnin(17);
    return false;
  }
  const double h = g.nhchar, lsp = g.xlinsp;
  out.h = h;
  out.pitch = factor(g.flg3, lsp * h);
  out.space = factor(g.flg5, h);
  out.symbol = factor(g.flg4, h);
  out.distance = factor(g.flg6, h);
  out.frame = std::fabs(static_cast<double>(g.nfra));
  const double margin = factor(g.flg2, lsp * h);
  const char separator = g.csex.c[3];

  bool anyLine = false;
  for (int line : shownLines(buffer)) {
    LegendEntry e;
    e.line = line;
    e.parts = splitLines(buffer.substr(static_cast<std::size_t>(line - 1) * g.nlgmax, g.nlgmax),
                         separator);
    for (auto p : e.parts) e.textWidth = std::max<double>(e.textWidth, textLength(p));
    e.height = h + (static_cast<double>(e.parts.size()) - 1) * out.pitch;
    e.defined = legendLineDefined(line);
    if (e.defined && g.ilgsty[line - 1] >= 0) anyLine = true;
    out.entries.push_back(e);
  }
  // Markers only: half the sample length.  A length of (almost) zero
  // leaves out the samples.
  out.sample = std::abs(g.flg1) < 0.001f ? 0.0 : factor(g.flg1, h);
  if (!anyLine) out.sample /= 2;
  const double sampleRoom = out.sample > 0 ? out.sample + out.space : 0.0;

  // Rows and columns of the types vertical, horizontal and table.
  const int m = static_cast<int>(out.entries.size());
  int cols = 1, rows = std::max(m, 1);
  if (g.ilgtyc == 1) {
    cols = std::max(m, 1);
    rows = 1;
  } else if (g.ilgtyc == 2) {
    cols = std::clamp(g.nlgtbl, 1, std::max(m, 1));
    rows = (m + cols - 1) / cols;
    rows = std::max(rows, 1);
    if (g.ilgdir == 0) cols = std::max(1, (m + rows - 1) / rows);
  }
  std::vector<int> col(m), row(m);
  for (int k = 0; k < m; ++k) {
    const bool byColumn = g.ilgtyc == 0 || (g.ilgtyc == 2 && g.ilgdir == 0);
    col[k] = byColumn ? k / rows : k % cols;
    row[k] = byColumn ? k % rows : k / cols;
  }
  std::vector<double> colWidth(cols, 0.0), rowHeight(rows, 0.0);
  for (int k = 0; k < m; ++k) {
    colWidth[col[k]] = std::max(colWidth[col[k]], sampleRoom + out.entries[k].textWidth);
    rowHeight[row[k]] = std::max(rowHeight[row[k]], out.entries[k].height);
  }
  const double gap = std::max(0.0, out.pitch - h);
  double contentWidth = 0, contentHeight = 0;
  std::vector<double> colX(cols), rowY(rows);
  for (int c = 0; c < cols; ++c) {
    colX[c] = contentWidth;
    contentWidth += colWidth[c] + (c + 1 < cols ? out.space : 0.0);
  }
  for (int r = 0; r < rows; ++r) {
    rowY[r] = contentHeight;
    contentHeight += rowHeight[r] + (r + 1 < rows && m > 0 ? gap : 0.0);
  }

  // The title, centred, one margin below the top; the first legend line
  // 1.5 line spacings below the title's top.
  const std::string_view title = g.cleg.trimmed();
  out.title = !blank(title);
  const double titleRoom = out.title ? 1.5 * lsp * h : 0.0;
  if (out.title) out.titleWidth = textLength(title);
  const double inner = std::max(contentWidth, out.titleWidth);
  const double left = out.frame + margin, top = out.frame + margin;
  out.width = static_cast<int>(std::lround(2 * left + inner));
  out.height = static_cast<int>(std::lround(2 * top + titleRoom + contentHeight));
  out.titleX = (out.width - out.titleWidth) / 2;
  out.titleY = top;
  for (int k = 0; k < m; ++k) {
    out.entries[k].x = left + colX[col[k]];
    out.entries[k].y = top + titleRoom + rowY[row[k]];
  }
  return true;
}

}  // namespace zantor

using namespace zantor;

namespace {
int32_t legendSize(const char* cbuf, size_t len, const char* routine, bool width) {
  if (jqqlev(1, 3, routine) != 0) return 0;
  if (zanglb.ilgopt != 1) {
    warnin(15);
    return 0;
  }
  LegendLayout l;
  if (!layoutLegend(arg(cbuf, len), l)) return 0;
  return width ? l.width : l.height;
}
}  // namespace

ZANTOR_API int32_t nxlegn_(const char* cbuf, size_t len) try {
  return legendSize(cbuf, len, "NXLEGN", true);
} ZANTOR_CATCH_RETURN(0)

ZANTOR_API int32_t nylegn_(const char* cbuf, size_t len) try {
  return legendSize(cbuf, len, "NYLEGN", false);
} ZANTOR_CATCH_RETURN(0)
