// Chart types: bar graphs, pie charts and polar axis systems.  Shared
// pieces of the chart files and the hooks the axis routines call.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace zantor {

// Which chart a label key names: "BAR", "BARS" (any spelling starting
// with BAR) for bars, "PIE" for pies; 0 for anything else.
enum class ChartKey { None, Bars, Pie };
ChartKey chartKey(std::string_view key);

// labels and labpos with a chart key (the keyword list of that chart).
void setChartLabels(ChartKey key, std::string_view copt);
void setChartLabelPosition(ChartKey key, std::string_view copt);

// reset for a chart setter: `key` is the setter's name cut to four
// characters, upper case.  False when no chart setter has that name.
bool resetChartSetting(std::string_view key);

// Entry k (1-based, 0 meaning 30) of the pattern cycle.
int32_t cyclePattern(int k);
// Entry k (1-based, 0 meaning 30) of the colour cycle of curves and bars.
int32_t cycleColour(int k);

// Polar transformation of a point (radius r, angle t in radians) to plot
// coordinates, and back.
void polarToPlot(double r, double t, double& px, double& py);
void plotToPolar(double px, double py, double& r, double& t);

// Clipping of what is plotted into a polar system, by the mode of clpmod:
// "AUTO" and "CIRC" switch on circular clipping at the frame circle and
// return true; "RECT" and "NONE" return false (the caller clips to the
// axis square or not at all).
bool clipToPolarCircle();

// The polar grid: nx circles per radius label step, ny rays round the
// circle.
void drawPolarGrid(int nx, int ny);

}  // namespace zantor

namespace zantor {

// A polygon in plot coordinates relative to the origin.
struct ChartPolygon {
  double x[64];
  double y[64];
  int n = 0;
  void add(double px, double py) {
    if (n < 64) x[n] = px, y[n] = py, ++n;
  }
};

// Cuts a polygon to the axis rectangle (nxa, nya, nxl, nyl).
ChartPolygon clipToAxisRect(const ChartPolygon& p);

// Fills a polygon with the current pattern in colour `fill`, then draws
// its outline solid in colour `border`; the colour current afterwards is
// `border`.  Arbitrary-length polygons go through the pointer form.
// With `opaque` a hatched polygon first covers what lies behind it with
// the background colour (faces of 3D bars and pies).
void chartPolygon(const double* x, const double* y, int n, int32_t fill, int32_t border,
                  bool opaque = false);
inline void chartPolygon(const ChartPolygon& p, int32_t fill, int32_t border,
                         bool opaque = false) {
  chartPolygon(p.x, p.y, p.n, fill, border, opaque);
}

// A solid line in plot coordinates relative to the origin.
void chartLine(double x1, double y1, double x2, double y2);

// A horizontal text with its upper left corner at (x, y), relative to the
// origin, in colour `colour` (-1: the current colour).
void chartText(const std::string& s, double x, double y, int32_t colour);

// Keeps the current colour and shading pattern of the program for the
// duration of a chart call; `colour(-1)` is that colour.
class ChartAttributes {
 public:
  ChartAttributes();
  ~ChartAttributes();
  ChartAttributes(const ChartAttributes&) = delete;
  ChartAttributes& operator=(const ChartAttributes&) = delete;
  int32_t colour(int32_t c) const { return c < 0 ? colour_ : c; }
  int32_t pattern() const { return pattern_; }
  // The colour and pattern stay as they are at the end of the call.
  void keep() { restore_ = false; }

 private:
  int32_t colour_, pattern_;
  bool restore_ = true;
};

}  // namespace zantor
