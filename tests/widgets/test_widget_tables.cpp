// Table widgets: the grid of cells in the widget tree, values written by
// the program and read back (cells, rows, columns), sizes of columns and
// rows, input that is refused without changing a cell, and cells typed by
// a user, read inside a callback and after OK.
#include <zantor.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "core/args.h"
#include "widgets/table_cells.h"
#include "widgets/widget_test_support.h"
// After gtest: Xlib defines macros (None, Bool) that clash with its names.
#include <Xm/TextF.h>
#include <X11/IntrinsicP.h>
#include <X11/keysym.h>

namespace zantor::test {
namespace {

void print(const char* key, const std::string& v) {
  std::printf("%s%s\n", key, v.c_str());
  std::fflush(stdout);
}

int32_t wgtbl(int32_t ip, int32_t rows, int32_t cols) {
  int32_t id = 0;
  wgtbl_(&ip, &rows, &cols, &id);
  return id;
}

widgets::TableData& tableData(int32_t id) { return *widgets::layer().records[std::size_t(id) - 1].table; }
Widget cellField(int32_t id, int32_t row, int32_t col) {
  widgets::TableData& t = tableData(id);
  return t.fields[t.index(row, col)];
}

std::string shown(int32_t id, int32_t row, int32_t col) {
  char* s = XmTextFieldGetString(cellField(id, row, col));
  std::string t = s;
  XtFree(s);
  return t;
}

std::string cell(int32_t id, int32_t row, int32_t col) {
  char buf[40];
  gwgtbs_(&id, &row, &col, buf, sizeof buf);
  return std::string(trimmedArg(buf, sizeof buf));
}

// Every cell as the program reads it, row by row, separated by '|'.
std::string allCells(int32_t id, int32_t rows, int32_t cols) {
  std::string out;
  for (int32_t r = 1; r <= rows; ++r)
    for (int32_t c = 1; c <= cols; ++c) out += cell(id, r, c) + "|";
  return out;
}

std::string real(float x) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%g", double(x));
  return buf;
}

std::size_t count(const std::string& out, const std::string& message) {
  return valuesOf(out, ">>>> " + message).size();
}

TEST_F(WidgetTest, TableIsAGridOfAlignedCellsInItsParent) {
  Child child([] {
    int32_t top = 0, row = 0;
    wgini("VERT", top);
    wgbas_(&top, "HORI", &row, 4);
    const int32_t table = wgtbl(row, 3, 4);
    const widgets::Layer& l = widgets::layer();
    Widget h = l.handles[std::size_t(table) - 1];
    bool inside = false;
    for (Widget p = XtParent(h); p != nullptr && !inside; p = XtParent(p))
      inside = p == l.handles[std::size_t(row) - 1];
    print("table=", std::string(XtClass(h)->core_class.class_name) + (inside ? " inside" : " outside"));
    // Column widths in characters, the second row two lines high.
    const float widths[4] = {4, 12, 8, 8}, heights[3] = {1, 2, 1};
    int32_t n4 = 4, n3 = 3;
    swgray_(&table, widths, &n4, "COLU", 4);
    swgray_(&table, heights, &n3, "ROWS", 4);
    const int32_t large = wgtbl(top, 40, 12);
    reawgt_();
    // A large table shows a part of itself.
    Dimension lw = 0, lh = 0;
    XtVaGetValues(l.handles[std::size_t(large) - 1], XmNwidth, &lw, XmNheight, &lh, nullptr);
    print("large=", std::to_string(lw >= 300 && lw <= 700) + std::to_string(lh >= 150 && lh <= 400));
    std::string cells, columns, lefts;
    for (int32_t r = 1; r <= 3; ++r)
      for (int32_t c = 1; c <= 4; ++c) {
        Widget f = cellField(table, r, c);
        bool under = false;
        for (Widget p = XtParent(f); p != nullptr && !under; p = XtParent(p)) under = p == h;
        cells += std::string(XtClass(f)->core_class.class_name) + (under ? "+ " : "- ");
        short cols = 0;
        XtVaGetValues(f, XmNcolumns, &cols, nullptr);
        if (r == 1) columns += std::to_string(cols) + " ";
        Position x = 0, y = 0;
        XtTranslateCoords(f, 0, 0, &x, &y);
        Position x1 = 0, y1 = 0;
        XtTranslateCoords(cellField(table, 1, c), 0, 0, &x1, &y1);
        lefts += x == x1 ? "=" : "!";
      }
    Dimension h1 = 0, h2 = 0, h3 = 0;
    XtVaGetValues(cellField(table, 1, 1), XmNheight, &h1, nullptr);
    XtVaGetValues(cellField(table, 2, 1), XmNheight, &h2, nullptr);
    XtVaGetValues(cellField(table, 3, 4), XmNheight, &h3, nullptr);
    print("cells=", cells);
    print("columns=", columns);
    print("aligned=", lefts);
    // Two lines add the height of one line of text to a field.
    print("heights=", std::string(h2 >= h1 + h1 / 4 && h2 < 2 * h1 ? "taller" : "same") +
                          (h3 == h1 ? " equal" : " unequal"));
    // A small table is shown whole: its last cell inside the window.
    Position wx = 0, wy = 0, cx = 0, cy = 0;
    Dimension ww = 0, wh = 0, cw = 0, ch = 0;
    XtTranslateCoords(h, 0, 0, &wx, &wy);
    XtVaGetValues(h, XmNwidth, &ww, XmNheight, &wh, nullptr);
    Widget last = cellField(table, 3, 4);
    XtTranslateCoords(last, 0, 0, &cx, &cy);
    XtVaGetValues(last, XmNwidth, &cw, XmNheight, &ch, nullptr);
    print("whole=", std::to_string(cx + cw <= wx + ww && cy + ch <= wy + wh));
    // Refused: no rows, too many cells, a label as parent.
    print("no rows=", std::to_string(wgtbl(top, 0, 3)));
    print("huge=", std::to_string(wgtbl(top, 200, 200)));
    print("label parent=", std::to_string(wgtbl(wglab(top, "label"), 2, 2)));
    sendok_();
    wgfin_();
  });
  ASSERT_EQ(child.wait(30), 0) << child.output();
  const std::string& out = child.output();
  EXPECT_EQ(valuesOf(out, "table="), std::vector<std::string>{"XmScrolledWindow inside"});
  std::string cells;
  for (int i = 0; i < 12; ++i) cells += "XmTextField+ ";
  EXPECT_EQ(valuesOf(out, "cells="), std::vector<std::string>{cells});
  EXPECT_EQ(valuesOf(out, "columns="), std::vector<std::string>{"4 12 8 8 "});
  EXPECT_EQ(valuesOf(out, "aligned="), std::vector<std::string>{"============"});
  EXPECT_EQ(valuesOf(out, "heights="), std::vector<std::string>{"taller equal"}) << out;
  EXPECT_EQ(valuesOf(out, "whole="), std::vector<std::string>{"1"}) << out;
  EXPECT_EQ(valuesOf(out, "large="), std::vector<std::string>{"11"}) << out;
  for (const char* key : {"no rows=", "huge=", "label parent="})
    EXPECT_EQ(valuesOf(out, key), std::vector<std::string>{"-1"}) << key;
  EXPECT_EQ(count(out, "Non positive paramter (WGTBL)"), 1u) << out;
  EXPECT_EQ(count(out, "Parameter is out of range (WGTBL)"), 1u) << out;
  EXPECT_EQ(count(out, "Not allowed parent ID (WGTBL)"), 1u) << out;
}

TEST_F(WidgetTest, TableValuesGoToTheCellsAndComeBack) {
  Child child([] {
    int32_t top = 0;
    wgini("VERT", top);
    const int32_t table = wgtbl(top, 3, 2);
    int32_t r = 1, c = 2, ival = -1234, ndig = 2;
    swgtbi_(&table, &ival, &r, &c);
    float x = 3.14159f;
    r = 2, c = 1;
    swgtbf_(&table, &x, &ndig, &r, &c);
    float nz = -0.001f;
    r = 3, c = 2;
    swgtbf_(&table, &nz, &ndig, &r, &c);
    r = 1, c = 1;
    swgtbs_(&table, "name  ", &r, &c, 6);
    print("shown=", shown(table, 1, 2) + " " + shown(table, 2, 1) + " " + shown(table, 3, 2) + " " +
                        shown(table, 1, 1));
    int32_t back = 0;
    float xback = 0;
    r = 1, c = 2;
    gwgtbi_(&table, &r, &c, &back);
    r = 2, c = 1;
    gwgtbf_(&table, &r, &c, &xback);
    print("read=", std::to_string(back) + " " + real(xback) + " " + cell(table, 1, 1) + "|");
    // Reals as integers and text as numbers do not pass the mask.
    back = 7;
    gwgtbi_(&table, &r, &c, &back);
    r = 1, c = 1;
    xback = 7;
    gwgtbf_(&table, &r, &c, &xback);
    print("unmatched=", std::to_string(back) + " " + real(xback));
    // A whole column, then a whole row over it.
    const float column[3] = {1.5f, -2.25f, 1e6f};
    int32_t n = 3, idx = 2, zero = 0;
    swgtbl_(&table, column, &n, &zero, &idx, "COLU", 4);
    print("column=", allCells(table, 3, 2));
    const float row[2] = {0.125f, 42};
    n = 2, idx = 3, ndig = 3;
    swgtbl_(&table, row, &n, &ndig, &idx, "ROWS", 4);
    print("row=", allCells(table, 3, 2) + " " + shown(table, 3, 1));
    float got[3] = {0, 0, 0};
    n = 3, idx = 2;
    gwgtbl_(&table, got, &n, &idx, "COLU", 4);
    print("got column=", real(got[0]) + " " + real(got[1]) + " " + real(got[2]));
    n = 2, idx = 3;
    gwgtbl_(&table, got, &n, &idx, "rows", 4);
    print("got row=", real(got[0]) + " " + real(got[1]));
    // Column 1 holds "name": the row is not read at all.
    got[0] = got[1] = 9;
    idx = 1;
    gwgtbl_(&table, got, &n, &idx, "ROWS", 4);
    print("text row=", real(got[0]) + " " + real(got[1]));
    sendok_();
    wgfin_();
    // After the dialog the values stay with the table.
    print("after=", allCells(table, 3, 2));
    ival = 5, r = 1, c = 1;
    swgtbi_(&table, &ival, &r, &c);
    gwgtbi_(&table, &r, &c, &back);
    print("after write=", std::to_string(back));
  });
  ASSERT_EQ(child.wait(30), 0) << child.output();
  const std::string& out = child.output();
  EXPECT_EQ(valuesOf(out, "shown="), std::vector<std::string>{"-1234 3.14 0.00 name"});
  EXPECT_EQ(valuesOf(out, "read="), std::vector<std::string>{"-1234 3.14 name|"});
  EXPECT_EQ(valuesOf(out, "unmatched="), std::vector<std::string>{"7 7"});
  EXPECT_EQ(count(out, "Verify mask does not match current cell value (GWGTBI)"), 1u) << out;
  EXPECT_EQ(count(out, "Verify mask does not match current cell value (GWGTBF)"), 1u) << out;
  // 1.5 and -2.25 without digits round to even.
  EXPECT_EQ(valuesOf(out, "column="), std::vector<std::string>{"name|2|3.14|-2||1000000|"}) << out;
  EXPECT_EQ(valuesOf(out, "row="), std::vector<std::string>{"name|2|3.14|-2|0.125|42.000| 0.125"})
      << out;
  EXPECT_EQ(valuesOf(out, "got column="), std::vector<std::string>{"2 -2 42"});
  EXPECT_EQ(valuesOf(out, "got row="), std::vector<std::string>{"0.125 42"});
  EXPECT_EQ(valuesOf(out, "text row="), std::vector<std::string>{"9 9"});
  EXPECT_EQ(count(out, "Verify mask does not match current cell value (GWGTBL)"), 1u) << out;
  EXPECT_EQ(valuesOf(out, "after="), std::vector<std::string>{"name|2|3.14|-2|0.125|42.000|"});
  EXPECT_EQ(valuesOf(out, "after write="), std::vector<std::string>{"5"});
}

TEST_F(WidgetTest, RefusedTableCallsChangeNoCell) {
  Child child([] {
    int32_t top = 0;
    wgini("VERT", top);
    const int32_t table = wgtbl(top, 2, 3);
    const int32_t label = wglab(top, "label");
    for (int32_t r = 1; r <= 2; ++r)
      for (int32_t c = 1; c <= 3; ++c) {
        int32_t v = 10 * r + c;
        swgtbi_(&table, &v, &r, &c);
      }
    const std::string before = allCells(table, 2, 3);
    int32_t v = 99, ndig = 1;
    float x = 1.5f, nan = std::nanf("");
    const float row3[3] = {1, 2, 3}, row2[2] = {1, 2}, bad[3] = {1, nan, 3}, zero[3] = {4, 0, 4};
    // Cells outside the table.
    for (auto [r, c] : {std::pair{0, 1}, {3, 1}, {1, 0}, {1, 4}}) {
      swgtbi_(&table, &v, &r, &c);
      swgtbf_(&table, &x, &ndig, &r, &c);
      swgtbs_(&table, "x", &r, &c, 1);
      gwgtbi_(&table, &r, &c, &v);
      gwgtbf_(&table, &r, &c, &x);
    }
    // Ids that are no tables.
    int32_t one = 1;
    for (int32_t id : {0, -3, 999, int32_t(label)}) swgtbi_(&id, &v, &one, &one);
    // Digits, values and rows or columns that do not fit.
    int32_t minus = -1, many = 21, n3 = 3, n2 = 2, idx = 1, idx3 = 3, idx0 = 0;
    swgtbf_(&table, &x, &minus, &one, &one);
    swgtbf_(&table, &nan, &ndig, &one, &one);
    swgtbl_(&table, row3, &n3, &many, &idx, "ROWS", 4);
    swgtbl_(&table, row2, &n2, &ndig, &idx, "ROWS", 4);  // a row has three cells
    swgtbl_(&table, row3, &n3, &ndig, &idx, "COLU", 4);  // a column has two
    swgtbl_(&table, row3, &n3, &ndig, &idx3, "ROWS", 4);
    swgtbl_(&table, row3, &n3, &ndig, &idx0, "ROWS", 4);
    swgtbl_(&table, bad, &n3, &ndig, &idx, "ROWS", 4);
    swgtbl_(&table, row3, &n3, &ndig, &idx, "DIAG", 4);
    float got[3] = {7, 7, 7};
    gwgtbl_(&table, got, &n2, &idx, "ROWS", 4);
    gwgtbl_(&table, got, &n3, &idx3, "ROWS", 4);
    swgray_(&table, zero, &n3, "COLU", 4);
    swgray_(&table, row3, &n3, "ROWS", 4);
    print("after=", allCells(table, 2, 3));
    print("before=", before);
    print("got=", real(got[0]) + real(got[1]) + real(got[2]) + " " + std::to_string(v) + " " + real(x));
    sendok_();
    wgfin_();
  });
  ASSERT_EQ(child.wait(30), 0) << child.output();
  const std::string& out = child.output();
  EXPECT_EQ(valuesOf(out, "before="), std::vector<std::string>{"11|12|13|21|22|23|"});
  EXPECT_EQ(valuesOf(out, "after="), valuesOf(out, "before="));
  EXPECT_EQ(valuesOf(out, "got="), std::vector<std::string>{"777 99 1.5"});
  for (const char* r : {"SWGTBI", "SWGTBF", "SWGTBS", "GWGTBI", "GWGTBF"})
    EXPECT_EQ(count(out, std::string("Not allowed index (") + r + ")"), 4u) << r << out;
  EXPECT_EQ(count(out, "Not allowed widget ID (SWGTBI)"), 3u) << out;
  EXPECT_EQ(count(out, "Widget is not a Table or Parent widget (SWGTBI)"), 1u) << out;
  EXPECT_EQ(count(out, "Bad number of digits (SWGTBF)"), 1u) << out;
  EXPECT_EQ(count(out, "Bad number of digits (SWGTBL)"), 1u) << out;
  EXPECT_EQ(count(out, "Not allowed value (SWGTBF)"), 1u) << out;
  EXPECT_EQ(count(out, "Number of elements does not match (SWGTBL)"), 2u) << out;
  EXPECT_EQ(count(out, "Index does not match (SWGTBL)"), 2u) << out;
  EXPECT_EQ(count(out, "Not allowed value (SWGTBL)"), 1u) << out;
  EXPECT_EQ(count(out, "Not allowed parameter (swgtbl)"), 1u) << out;
  EXPECT_EQ(count(out, "Number of elements does not match (GWGTBL)"), 1u) << out;
  EXPECT_EQ(count(out, "Index does not match (GWGTBL)"), 1u) << out;
  EXPECT_EQ(count(out, "Not allowed value (SWGRAY)"), 1u) << out;
  EXPECT_EQ(count(out, "Number of elements does not match (SWGRAY)"), 1u) << out;
}

// A callback of kind 3 is told the row and column of the cell.
void onCell(const int32_t* id, const int32_t* row, const int32_t* col) {
  int32_t r = 1, c = 2, v = -1;
  gwgtbi_(id, &r, &c, &v);
  print("callback=", std::to_string(*id) + " " + std::to_string(*row) + "," + std::to_string(*col) +
                         " " + std::to_string(v) + " " + cell(*id, 2, 1) + "|");
}

TEST_F(WidgetTest, CellsTypedByTheUserReachCallbacksAndOk) {
  Child child([] {
    swgtit_("table dialog", 12);
    int32_t top = 0, ok = 0;
    wgini("VERT", top);
    const int32_t table = wgtbl(top, 2, 2);
    wgok_(&top, &ok);
    swgcb3_(&table, reinterpret_cast<void (*)()>(onCell));
    reawgt_();
    {
      std::ofstream ids("ids");
      ids << XtWindow(cellField(table, 1, 2)) << ' ' << XtWindow(cellField(table, 2, 1)) << ' '
          << gwgxid_(&ok) << " end\n";
    }
    wgfin_();
    int32_t r = 1, c = 2, v = -1;
    gwgtbi_(&table, &r, &c, &v);
    print("final=", std::to_string(v) + " " + cell(table, 2, 1) + "|" + cell(table, 1, 1) + "|");
  });
  const std::vector<std::string> ids = waitForFile("ids", 30);
  ASSERT_EQ(ids.size(), 3u) << child.output();
  pause();
  click(Window(std::stoul(ids[0])));
  type("42");
  pressKey(XK_Return);  // the callback sees the cell, the other one still empty
  pause();
  click(Window(std::stoul(ids[1])));
  type("abc");
  click(Window(std::stoul(ids[2])));
  ASSERT_EQ(child.wait(20), 0) << child.output();
  EXPECT_EQ(valuesOf(child.output(), "callback="), std::vector<std::string>{"2 1,2 42 |"});
  EXPECT_EQ(valuesOf(child.output(), "final="), std::vector<std::string>{"42 abc||"});
}

}  // namespace
}  // namespace zantor::test
