// The toolkit side of table widgets: a scrolled window holding one row of
// text fields per table row.  Each row packs its fields tightly, and every
// row gives column c the same width, so the columns line up while each may
// have its own width.
#include <Xm/RowColumn.h>
#include <Xm/ScrolledW.h>
#include <Xm/TextF.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "widgets/motif_internal.h"
#include "widgets/table_cells.h"

namespace zantor::widgets {
namespace {

// Largest size of the visible part of a table before it scrolls.
constexpr Dimension kMostVisibleWidth = 600, kMostVisibleHeight = 300;
constexpr Dimension kScrollBarRoom = 24;

TableData* tableOf(int32_t id) { return layer().records[std::size_t(id) - 1].table.get(); }

// The table's fields while it is shown, else null.
TableData* shownTable(int32_t id) {
  Layer& l = layer();
  TableData* t = tableOf(id);
  if (t == nullptr || l.handles[std::size_t(id) - 1] == nullptr ||
      t->fields.size() != t->cells.size())
    return nullptr;
  return t;
}

// A cell's client data: the table id and the cell index (below 2^16).
XtPointer cellData(int32_t id, std::size_t index) {
  return reinterpret_cast<XtPointer>((static_cast<intptr_t>(id) << 16) | static_cast<intptr_t>(index));
}

// Enter in a cell: the record takes the cell, then the user's routine runs.
void onCellActivate(Widget, XtPointer data, XtPointer) {
  const intptr_t v = reinterpret_cast<intptr_t>(data);
  const int32_t id = int32_t(v >> 16);
  TableData* t = shownTable(id);
  if (t == nullptr) return;
  const std::size_t index = std::size_t(v & 0xFFFF);
  const int32_t row = int32_t(index / std::size_t(t->cols)) + 1;
  const int32_t col = int32_t(index % std::size_t(t->cols)) + 1;
  readTableCell(id, row, col);
  runCallback(id, row, col);  // a callback of kind 3 is told the cell
}

// The fields forget the table when they go with their dialog.
void onTableDestroyed(Widget, XtPointer data, XtPointer) {
  const int32_t id = idOf(data);
  Layer& l = layer();
  if (std::size_t(id) <= l.records.size() && l.records[std::size_t(id) - 1].table)
    l.records[std::size_t(id) - 1].table->fields.clear();
}

short columnsOf(const TableData& t, int32_t col) {
  const float w = t.widths.empty() ? 0.0f : t.widths[std::size_t(col - 1)];
  return w > 0 ? short(std::clamp(std::lround(w), 1L, 1000L)) : short(kCellColumns);
}

// The margin above and below the text of a field `lines` text lines
// high: the extra lines are shared between both margins, so that the
// toolkit's own size arithmetic gives the height.
Dimension marginFor(Widget field, const TableData& t, float lines) {
  const int natural = std::max(0, t.naturalMargin);
  if (!(lines > 1)) return Dimension(natural);
  XtWidgetGeometry want{};
  XtQueryGeometry(field, nullptr, &want);
  Dimension margin = 0, shadow = 0, highlight = 0;
  XtVaGetValues(field, XmNmarginHeight, &margin, XmNshadowThickness, &shadow, XmNhighlightThickness,
                &highlight, nullptr);
  const int line = std::max(1, int(want.height) - 2 * (margin + shadow + highlight));
  return Dimension(std::clamp(natural + int(std::lround((lines - 1) * float(line) / 2)), 0, 16000));
}

bool hasArg(const Arg* args, unsigned n, const char* name) {
  for (unsigned i = 0; i < n; ++i)
    if (std::strcmp(args[i].name, name) == 0) return true;
  return false;
}

// The window shows the whole table, or a part of a large one and scrolls
// (the room of the scroll bars added then); sizes set by the program stay.
void fitWindow(Widget window, Widget grid, bool width, bool height) {
  XtWidgetGeometry want{};
  XtQueryGeometry(grid, nullptr, &want);
  Dimension shadow = 0, spacing = 0;
  XtVaGetValues(window, XmNshadowThickness, &shadow, XmNspacing, &spacing, nullptr);
  const bool wide = want.width > kMostVisibleWidth, tall = want.height > kMostVisibleHeight;
  const int frame = 2 * shadow + 2;
  if (width)
    XtVaSetValues(window, XmNwidth,
                  Dimension(std::min(want.width, kMostVisibleWidth) + frame + (tall ? kScrollBarRoom + spacing : 0)),
                  nullptr);
  if (height)
    XtVaSetValues(window, XmNheight,
                  Dimension(std::min(want.height, kMostVisibleHeight) + frame + (wide ? kScrollBarRoom + spacing : 0)),
                  nullptr);
}

}  // namespace

bool createTable(int32_t id, Widget parent, void* argsIn, unsigned nargs) {
  TableData* t = tableOf(id);
  if (t == nullptr) return false;
  Arg* args = static_cast<Arg*>(argsIn);
  Arg a[16];
  unsigned n = 0;
  for (; n < nargs && n < 14; ++n) a[n] = args[n];
  XtSetArg(a[n], XmNscrollingPolicy, XmAUTOMATIC); ++n;
  XtSetArg(a[n], XmNscrollBarDisplayPolicy, XmAS_NEEDED); ++n;
  Widget window = XmCreateScrolledWindow(parent, const_cast<char*>("table"), a, n);
  Widget grid = XtVaCreateWidget("grid", xmRowColumnWidgetClass, window, XmNorientation, XmVERTICAL,
                                 XmNspacing, 0, XmNmarginWidth, 0, XmNmarginHeight, 0, nullptr);
  t->fields.assign(t->cells.size(), nullptr);
  for (int32_t row = 1; row <= t->rows; ++row) {
    Widget line = XtVaCreateWidget("row", xmRowColumnWidgetClass, grid, XmNorientation,
                                   XmHORIZONTAL, XmNpacking, XmPACK_TIGHT, XmNspacing, 0,
                                   XmNmarginWidth, 0, XmNmarginHeight, 0, nullptr);
    for (int32_t col = 1; col <= t->cols; ++col) {
      const std::size_t i = t->index(row, col);
      const std::string text = fromUnicode(t->cells[i]);
      Widget field = XtVaCreateManagedWidget("cell", xmTextFieldWidgetClass, line, XmNcolumns,
                                             columnsOf(*t, col), XmNvalue, text.c_str(), nullptr);
      XtAddCallback(field, XmNactivateCallback, onCellActivate, cellData(id, i));
      t->fields[i] = field;
      if (t->naturalMargin < 0) {
        Dimension margin = 0;
        XtVaGetValues(field, XmNmarginHeight, &margin, nullptr);
        t->naturalMargin = margin;
      }
    }
    XtManageChild(line);
  }
  XtManageChild(grid);
  XtAddCallback(grid, XmNdestroyCallback, onTableDestroyed, idData(id));
  t->fitWidth = !hasArg(args, nargs, XmNwidth);
  t->fitHeight = !hasArg(args, nargs, XmNheight);
  fitWindow(window, grid, t->fitWidth, t->fitHeight);
  XtManageChild(window);
  layer().handles[std::size_t(id) - 1] = window;
  if (!t->heights.empty() || !t->widths.empty()) showTableSizes(id);
  return true;
}

void showTableCell(int32_t id, int32_t row, int32_t col) {
  TableData* t = shownTable(id);
  if (t == nullptr) return;
  const std::size_t i = t->index(row, col);
  XmTextFieldSetString(t->fields[i], const_cast<char*>(fromUnicode(t->cells[i]).c_str()));
}

void showTableCells(int32_t id) {
  TableData* t = shownTable(id);
  if (t == nullptr) return;
  for (int32_t row = 1; row <= t->rows; ++row)
    for (int32_t col = 1; col <= t->cols; ++col) showTableCell(id, row, col);
}

void readTableCell(int32_t id, int32_t row, int32_t col) {
  TableData* t = shownTable(id);
  if (t == nullptr) return;
  const std::size_t i = t->index(row, col);
  char* s = XmTextFieldGetString(t->fields[i]);
  t->cells[i] = toUnicode(s != nullptr ? s : "", kTextChars);
  XtFree(s);
}

void readTableCells(int32_t id) {
  TableData* t = shownTable(id);
  if (t == nullptr) return;
  for (int32_t row = 1; row <= t->rows; ++row)
    for (int32_t col = 1; col <= t->cols; ++col) readTableCell(id, row, col);
}

void showTableSizes(int32_t id) {
  TableData* t = shownTable(id);
  if (t == nullptr) return;
  for (int32_t row = 1; row <= t->rows; ++row) {
    const float lines = t->heights.empty() ? 0.0f : t->heights[std::size_t(row - 1)];
    for (int32_t col = 1; col <= t->cols; ++col) {
      Widget field = t->fields[t->index(row, col)];
      XtVaSetValues(field, XmNcolumns, columnsOf(*t, col), XmNmarginHeight, marginFor(field, *t, lines),
                    nullptr);
    }
  }
  Widget grid = XtParent(XtParent(t->fields[0]));  // field, its row, the grid
  fitWindow(layer().handles[std::size_t(id) - 1], grid, t->fitWidth, t->fitHeight);
}

}  // namespace zantor::widgets
