// Internal helpers shared by legends, titles and grids.
#pragma once
#include <string_view>
#include <vector>

namespace zantor {

// Defaults of a new plot (called by resall).
void resetLegendDefaults();
void resetTitleDefaults();

// Draws s horizontally (angle 0 for this text only, no justification) with
// its upper left corner at (x, y), plot coordinates with the origin offset
// already added.
void horizontalText(std::string_view s, double x, double y);

// Box layout of the legend held in `buffer` (the legend buffer of the
// caller).  Positions are relative to the box's upper left corner.
struct LegendEntry {
  int line = 0;                        // legend line 1..80
  std::vector<std::string_view> parts; // text lines split at the separator
  double textWidth = 0, height = 0;
  double x = 0, y = 0;                 // upper left corner of the sample
  bool defined = false;                // attributes recorded or set
};

struct LegendLayout {
  std::vector<LegendEntry> entries;
  double h = 0;          // character height
  double sample = 0;     // sample length P (0: no samples)
  double space = 0;      // between sample and text, between columns
  double pitch = 0;      // distance between text lines
  double symbol = 0;     // marker size
  double distance = 0;   // distance from the corner
  double frame = 0;      // frame thickness the contents are inset by
  double titleX = 0, titleY = 0, titleWidth = 0;
  bool title = false;
  int width = 0, height = 0;  // box size in plot units
};

// Computes the layout; false (after warning 17) when the buffer is shorter
// than the legend needs.
bool layoutLegend(std::string_view buffer, LegendLayout& out);

// Whether legend line `line` (1-based) has attributes to draw a sample.
bool legendLineDefined(int line);

}  // namespace zantor
