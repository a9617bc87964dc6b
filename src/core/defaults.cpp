// resall: the per-plot defaults, loaded by every zanini and by
// reset("ALL").  Each area restores its own settings; the order of the
// steps matters where a later step reads an earlier one (the colour table
// needs the device, the axis corner the page size).
#include "core/defaults.h"

#include "axes/axis_string.h"
#include "axes/decorations.h"
#include "axes/curve_fields.h"
#include "contour/contour_fields.h"
#include "colourplot/colour_plot.h"
#include "shading/shading.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/colour.h"
#include "draw/fill.h"
#include "draw/page.h"
#include "draw/pipeline.h"
#include "maps/maps.h"
#include "plot3d/plot3d.h"
#include "text/text_engine.h"

namespace zantor {

void resall() {
  Zanglb& g = zanglb;

  // 1. Solid lines (the whole line state is set in step 12) and colour
  // value 0.
  g.ncolr = 0;

  // 2. The device's default colour table with its named colours,
  // foreground, background, colour range and curve colour cycle; the
  // foreground becomes the current colour.
  resetColourDefaults();

  // 3. Text settings: line spacing 1.5, height u(36), angle 0, the
  // control characters and the default stroke font (zanalf).
  resetTextDefaults();

  // 4. Messages go to the error file when the plot itself goes to standard
  // output, in window applications and when errdev asked for a file.
  g.nunit = messagesGoToFile() ? 17 : 6;

  // 5. Origin and axis corner from the page-derived defaults (the clipping
  // window over the whole page comes with the line defaults of step 12).
  resetOrigin();
  resetPageOrigin();
  g.nxa = g.nxadef;
  g.nya = g.nyadef;

  // 6. Axis settings; symbol, legend, title, bar, pie, map, 3D, lighting,
  // streamline and image defaults join here with their areas.
  resetAxisDefaults();
  resetLegendDefaults();
  resetTitleDefaults();
  resetCurveDefaults();
  resetContourDefaults();
  resetMapDefaults();
  resetColourPlotDefaults();
  resetPlot3dDefaults();
  resetShadingDefaults();
  resetChartDefaults();

  // 7. angle(0), height(u(36)) and shdpat(0) through their setters; the
  // angle and height join here with the text engine.
  resetFillDefaults();

  // 8. Cycles of automatic curve attributes: the colour cycle was rebuilt
  // from the named colours in step 2; the line style and shading pattern
  // cycles join here with curves and area filling.  Curves start their
  // attribute counters at the first cycle entry.
  restartCurveCounters();

  // 9. Warnings on, protocol on, data checks on.
  g.ierrmd = 1;
  g.iproto = 1;
  g.nchek = 1;

  // 10. NaN option off, unless zanini marked it with -1.
  if (g.inanop != -1) g.inanop = 0;

  // 11. PostScript information of a previous plot: the special-character
  // mode of hardware text.
  g.ipsmod = 0;

  // 12. Line style, width (linwid(1) reaches the device), cap, join and
  // clipping; the default stroke font joins here with the text engine.
  resetLineDefaults();
}

}  // namespace zantor
