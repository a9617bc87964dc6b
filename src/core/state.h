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
#include "charts/chart_fields.h"
#include "core/core_fields.h"
#include "devices/device_fields.h"
#include "devices/postscript/ps_fields.h"
#include "draw/colour_fields.h"
#include "draw/fill_fields.h"
#include "draw/line_fields.h"
#include "draw/page_fields.h"
#include "text/font_fields.h"
#include "text/text_fields.h"

namespace zantor {

struct Zanglb : CoreFields,
                PageFields,
                DeviceFields,
                LineFields,
                ColourFields,
                FillFields,
                PostScriptFields,
                FontFields,
                TextFields,
                AxisFields,
                TickFields,
                LabelFields,
                LegendFields,
                TitleFields,
                CurveFields,
                ChartFields {};

extern Zanglb zanglb;

}  // namespace zantor
