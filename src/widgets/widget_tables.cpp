// Table widgets: a grid of editable cells, the writers that fill cells,
// rows and columns, and the readers that return what the user typed (after
// OK from the record, inside callbacks from the cells themselves).
//
// Argument lists (rows and columns count from 1):
//   wgtbl  (ip, nrows, ncols, id)             table of nrows x ncols empty cells
//   swgtbi (id, ival, irow, icol)             integer into a cell
//   swgtbf (id, xval, ndig, irow, icol)       real with ndig digits after the point
//   swgtbs (id, cstr, irow, icol)             text into a cell
//   swgtbl (id, xray, n, ndig, idx, copt)     reals into row idx ("ROWS", n = ncols)
//                                             or column idx ("COLU", n = nrows)
//   swgray (id, xray, n, copt)                widths of the columns in characters
//                                             ("COLU", n = ncols) or heights of the
//                                             rows in text lines ("ROWS", n = nrows)
//   gwgtbi (id, irow, icol, ival), gwgtbf (id, irow, icol, xval),
//   gwgtbs (id, irow, icol, cstr), gwgtbl (id, xray, n, idx, copt)
// A reader whose cell does not hold a number of its kind reports that the
// verify mask (integer, real) does not match and leaves its output alone.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "core/api.h"
#include "core/args.h"
#include "widgets/motif_toolkit.h"
#include "widgets/table_cells.h"
#include "widgets/widget_layer.h"

using namespace zantor;
using namespace zantor::widgets;

namespace {

constexpr int32_t kMostDigits = 20;
constexpr float kMostCellSize = 1000;  // characters or lines of swgray

// The table of widget id, else null after the error.
TableData* tableOf(int32_t id, const char* routine) {
  WidgetRecord* r = recordOf(id, routine);
  if (r == nullptr) return nullptr;
  if (r->type != kTable || !r->table) {
    widgetError("Widget is not a Table or Parent widget", routine);
    return nullptr;
  }
  return r->table.get();
}

bool cellExists(const TableData& t, int32_t row, int32_t col, const char* routine) {
  if (row < 1 || row > t.rows || col < 1 || col > t.cols) {
    widgetError("Not allowed index", routine);
    return false;
  }
  return true;
}

bool digitsAllowed(int32_t ndig, const char* routine) {
  if (ndig < 0 || ndig > kMostDigits) {
    widgetError("Bad number of digits", routine);
    return false;
  }
  return true;
}

// A finite real with ndig digits after the point, written without the C
// library's locale.
std::string fixedText(float x, int32_t ndig) {
  char buf[80];
  const auto res = std::to_chars(buf, buf + sizeof buf, double(x), std::chars_format::fixed, ndig);
  std::string s(buf, res.ptr);
  if (s.find_first_not_of("-0.") == std::string::npos && s[0] == '-') s.erase(0, 1);  // no "-0.00"
  return s;
}

// The number in a cell between optional blanks; false when there is none.
bool integerIn(const std::string& s, int32_t& v) {
  std::size_t b = s.find_first_not_of(' ');
  const std::size_t e = s.find_last_not_of(' ') + 1;
  if (b == std::string::npos) return false;
  if (s[b] == '+') ++b;
  const auto [end, ec] = std::from_chars(s.data() + b, s.data() + e, v);
  return b < e && ec == std::errc() && end == s.data() + e;
}

bool realIn(const std::string& s, float& v) {
  std::size_t b = s.find_first_not_of(' ');
  const std::size_t e = s.find_last_not_of(' ') + 1;
  if (b == std::string::npos) return false;
  if (s[b] == '+') ++b;
  const auto [end, ec] = std::from_chars(s.data() + b, s.data() + e, v);
  return b < e && ec == std::errc() && end == s.data() + e && std::isfinite(v);
}

// The current text of a cell: a shown table's cell is read first.
std::string cellText(int32_t id, TableData& t, int32_t row, int32_t col) {
  readTableCell(id, row, col);
  return fromUnicode(t.cells[t.index(row, col)]);
}

void setCell(int32_t id, TableData& t, int32_t row, int32_t col, const std::string& text) {
  t.cells[t.index(row, col)] = toUnicode(text, kTextChars);
  showTableCell(id, row, col);
}

// A row or column of a table: copt "ROWS" or "COLU".
enum Line { kNoLine = 0, kRow = 1, kColumn = 2 };

Line lineOf(const char* copt, size_t len, const char* routine) {
  return Line(keywordIndex("ROWS+COLU", trimmedArg(copt, len), routine));
}

// Row or column idx of n elements exists; the cell of its element k (0-based).
bool lineExists(const TableData& t, Line line, int32_t idx, int32_t n, const char* routine) {
  const int32_t count = line == kRow ? t.rows : t.cols;
  const int32_t length = line == kRow ? t.cols : t.rows;
  if (idx < 1 || idx > count) {
    widgetError("Index does not match", routine);
    return false;
  }
  if (n != length) {
    widgetError("Number of elements does not match", routine);
    return false;
  }
  return true;
}

int32_t rowOf(Line line, int32_t idx, int32_t k) { return line == kRow ? idx : k + 1; }
int32_t colOf(Line line, int32_t idx, int32_t k) { return line == kRow ? k + 1 : idx; }

bool allFinite(const float* x, int32_t n) {
  for (int32_t k = 0; k < n; ++k)
    if (!std::isfinite(x[k])) return false;
  return true;
}

}  // namespace

ZANTOR_API void wgtbl_(const int32_t* ip, const int32_t* nrows, const int32_t* ncols,
                       int32_t* id) try {
  *id = -1;
  const int32_t rows = *nrows, cols = *ncols;
  if (rows < 1 || cols < 1) {
    widgetError("Non positive paramter", "WGTBL");
    return;
  }
  if (int64_t(rows) * cols > kMostTableCells) {
    widgetError("Parameter is out of range", "WGTBL");
    return;
  }
  if (checkParent(*ip, "WGTBL") == nullptr) return;
  auto table = std::make_shared<TableData>();
  table->rows = rows;
  table->cols = cols;
  table->cells.resize(std::size_t(rows) * std::size_t(cols));
  const int32_t table_id = appendRecord(*ip, kTable);
  layer().records.back().table = std::move(table);
  if (!createChildWidget(table_id)) {
    dropLastRecord();
    return;
  }
  *id = table_id;
} ZANTOR_CATCH

// ---- writers

ZANTOR_API void swgtbi_(const int32_t* id, const int32_t* ival, const int32_t* irow,
                        const int32_t* icol) try {
  TableData* t = tableOf(*id, "SWGTBI");
  if (t != nullptr && cellExists(*t, *irow, *icol, "SWGTBI"))
    setCell(*id, *t, *irow, *icol, std::to_string(*ival));
} ZANTOR_CATCH

ZANTOR_API void swgtbf_(const int32_t* id, const float* xval, const int32_t* ndig,
                        const int32_t* irow, const int32_t* icol) try {
  TableData* t = tableOf(*id, "SWGTBF");
  if (t == nullptr || !digitsAllowed(*ndig, "SWGTBF") || !cellExists(*t, *irow, *icol, "SWGTBF"))
    return;
  if (!std::isfinite(*xval)) {
    widgetError("Not allowed value", "SWGTBF");
    return;
  }
  setCell(*id, *t, *irow, *icol, fixedText(*xval, *ndig));
} ZANTOR_CATCH

ZANTOR_API void swgtbs_(const int32_t* id, const char* cstr, const int32_t* irow,
                        const int32_t* icol, size_t cstr_len) try {
  std::string s;
  if (!copyArg(cstr, cstr_len, s, "swgtbs")) return;
  TableData* t = tableOf(*id, "SWGTBS");
  if (t != nullptr && cellExists(*t, *irow, *icol, "SWGTBS")) setCell(*id, *t, *irow, *icol, s);
} ZANTOR_CATCH

ZANTOR_API void swgtbl_(const int32_t* id, const float* xray, const int32_t* n,
                        const int32_t* ndig, const int32_t* idx, const char* copt,
                        size_t copt_len) try {
  const Line line = lineOf(copt, copt_len, "swgtbl");
  if (line == kNoLine) return;
  TableData* t = tableOf(*id, "SWGTBL");
  if (t == nullptr || !digitsAllowed(*ndig, "SWGTBL") || !lineExists(*t, line, *idx, *n, "SWGTBL"))
    return;
  if (!allFinite(xray, *n)) {
    widgetError("Not allowed value", "SWGTBL");
    return;
  }
  for (int32_t k = 0; k < *n; ++k)
    setCell(*id, *t, rowOf(line, *idx, k), colOf(line, *idx, k), fixedText(xray[k], *ndig));
} ZANTOR_CATCH

ZANTOR_API void swgray_(const int32_t* id, const float* xray, const int32_t* n, const char* copt,
                        size_t copt_len) try {
  const Line line = lineOf(copt, copt_len, "swgray");
  if (line == kNoLine) return;
  TableData* t = tableOf(*id, "SWGRAY");
  if (t == nullptr) return;
  if (*n != (line == kRow ? t->rows : t->cols)) {
    widgetError("Number of elements does not match", "SWGRAY");
    return;
  }
  for (int32_t k = 0; k < *n; ++k)
    if (!(xray[k] > 0 && xray[k] <= kMostCellSize)) {
      widgetError("Not allowed value", "SWGRAY");
      return;
    }
  (line == kRow ? t->heights : t->widths).assign(xray, xray + *n);
  showTableSizes(*id);
} ZANTOR_CATCH

// ---- readers

ZANTOR_API void gwgtbi_(const int32_t* id, const int32_t* irow, const int32_t* icol,
                        int32_t* ival) try {
  TableData* t = tableOf(*id, "GWGTBI");
  if (t == nullptr || !cellExists(*t, *irow, *icol, "GWGTBI")) return;
  int32_t v = 0;
  if (!integerIn(cellText(*id, *t, *irow, *icol), v)) {
    widgetError("Verify mask does not match current cell value", "GWGTBI");
    return;
  }
  *ival = v;
} ZANTOR_CATCH

ZANTOR_API void gwgtbf_(const int32_t* id, const int32_t* irow, const int32_t* icol,
                        float* xval) try {
  TableData* t = tableOf(*id, "GWGTBF");
  if (t == nullptr || !cellExists(*t, *irow, *icol, "GWGTBF")) return;
  float v = 0;
  if (!realIn(cellText(*id, *t, *irow, *icol), v)) {
    widgetError("Verify mask does not match current cell value", "GWGTBF");
    return;
  }
  *xval = v;
} ZANTOR_CATCH

ZANTOR_API void gwgtbs_(const int32_t* id, const int32_t* irow, const int32_t* icol, char* cstr,
                        size_t cstr_len) try {
  TableData* t = tableOf(*id, "GWGTBS");
  if (t != nullptr && cellExists(*t, *irow, *icol, "GWGTBS"))
    putArg(cstr, cstr_len, cellText(*id, *t, *irow, *icol));
} ZANTOR_CATCH

// The whole row or column, or nothing when one of its cells is not a number.
ZANTOR_API void gwgtbl_(const int32_t* id, float* xray, const int32_t* n, const int32_t* idx,
                        const char* copt, size_t copt_len) try {
  const Line line = lineOf(copt, copt_len, "gwgtbl");
  if (line == kNoLine) return;
  TableData* t = tableOf(*id, "GWGTBL");
  if (t == nullptr || !lineExists(*t, line, *idx, *n, "GWGTBL")) return;
  std::vector<float> values(static_cast<std::size_t>(*n));
  for (int32_t k = 0; k < *n; ++k)
    if (!realIn(cellText(*id, *t, rowOf(line, *idx, k), colOf(line, *idx, k)), values[std::size_t(k)])) {
      widgetError("Verify mask does not match current cell value", "GWGTBL");
      return;
    }
  std::copy(values.begin(), values.end(), xray);
} ZANTOR_CATCH
