// The cells of a table widget: what the program wrote and the user typed,
// kept in the widget's record so that they outlive the dialog, and the
// toolkit side that shows them in a grid of text fields and reads them
// back (motif_table.cpp).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "widgets/widget_layer.h"

namespace zantor::widgets {

constexpr int32_t kMostTableCells = 10000;  // one text field each
constexpr int32_t kCellColumns = 8;         // natural width of a cell, in characters

struct TableData {
  int32_t rows = 0, cols = 0;
  std::vector<std::u16string> cells;  // row by row
  std::vector<float> widths;          // of the columns in characters, 0 natural (swgray)
  std::vector<float> heights;         // of the rows in text lines, 0 natural (swgray)
  bool fitWidth = true, fitHeight = true;  // the window follows the table's size
  int naturalMargin = -1;             // above and below the text of a cell, in pixels
  // The text field of every cell, row by row, while the dialog is shown:
  // valid only while the record's handle is set (wgfin clears it).
  std::vector<Widget> fields;

  std::size_t index(int32_t row, int32_t col) const {
    return std::size_t(row - 1) * std::size_t(cols) + std::size_t(col - 1);
  }
};

// The grid of text fields of table `id` inside the toolkit widget of its
// parent; false when it could not be made.  `args` are the toolkit
// arguments of size and place every child gets.
bool createTable(int32_t id, Widget parent, void* args, unsigned nargs);
// Record -> widget for one cell (row, col >= 1) or the whole table.
void showTableCell(int32_t id, int32_t row, int32_t col);
void showTableCells(int32_t id);
// Widget -> record: the user's typing, for the readers and at OK.
void readTableCell(int32_t id, int32_t row, int32_t col);
void readTableCells(int32_t id);
// The column widths and row heights of swgray on a shown table.
void showTableSizes(int32_t id);

}  // namespace zantor::widgets
