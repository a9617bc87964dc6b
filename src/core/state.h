// The process-wide state record.  Every area of the library owns one group
// of fields (a struct in the area's own header); the record joins them so
// that every field keeps its plain name: zanglb.nlev, zanglb.xfcuni, ...
#pragma once
#include "axes/axis_fields.h"
#include "axes/curve_fields.h"
#include "axes/legend_fields.h"
#include "axes/tick_fields.h"
#include "axes/label_fields.h"
#include "axes/title_fields.h"
#include "contour/contour_fields.h"
#include "colourplot/colour_plot_fields.h"
#include "shading/shading_fields.h"
#include "charts/chart_fields.h"
#include "core/core_fields.h"
#include "devices/cgm/cgm_fields.h"
#include "devices/device_fields.h"
#include "devices/postscript/ps_fields.h"
#include "devices/pdf/pdf_fields.h"
#include "devices/window/window_fields.h"
#include "draw/colour_fields.h"
#include "draw/fill_fields.h"
#include "draw/line_fields.h"
#include "draw/page_fields.h"
#include "maps/map_fields.h"
#include "plot3d/plot3d_fields.h"
#include "quickplot/quick_plot_fields.h"
#include "text/font_fields.h"
#include "text/text_fields.h"

namespace zantor {

struct Zanglb : CoreFields,
                PageFields,
                DeviceFields,
                CgmFields,
                LineFields,
                ColourFields,
                FillFields,
                PostScriptFields,
                PdfFields,
                FontFields,
                TextFields,
                AxisFields,
                TickFields,
                LabelFields,
                LegendFields,
                TitleFields,
                CurveFields,
                ContourFields,
                MapFields,
                ColourPlotFields,
                Plot3dFields,
                ShadingFields,
                ChartFields,
                QuickPlotFields,
                WindowFields {};

extern Zanglb zanglb;

}  // namespace zantor
