// reset: restores one setting, or all of them, to its per-plot default.
#include <array>
#include <string>
#include <string_view>

#include "core/api.h"
#include "core/args.h"
#include "core/defaults.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include <zantor.h>

#include "draw/colour.h"
#include "draw/fill.h"
#include "draw/page.h"
#include "draw/pipeline.h"
#include "charts/charts.h"
#include "contour/contour_settings.h"
#include "maps/maps.h"
#include "plot3d/plot3d.h"
#include "shading/shading.h"

namespace zantor {
namespace {

// The colour table of the device with its named colours and ranges; the
// current colour keeps its value.
void restoreColourTable() {
  zanglb.imyvlt = 0;
  loadColourTable(defaultColourTable());
}

void restoreCurrentColour() { qqsclr(zanglb.nfgclr); }

void restoreColourCycle() {
  for (int32_t& c : zanglb.ncclr) c = -1;
  resetColourCycle();
}

// Restores a setter's parameter through the setter itself, so that its side
// effects (the stroked polyline, the device's line state) take place.
void restoreLineStyle() { const int32_t s = 0; lintyp_(&s); }
void restoreLineWidth() { const int32_t w = 1; linwid_(&w); }
void restoreLineCap() { lncap_("LONG", 4); }
void restoreLineJoin() { lnjoin_("TRUN", 4); }
void restoreMiterLimit() { const float m = 2.0f; lnmlt_(&m); }
void restoreThickCurves() { const int32_t n = 1; thkcrv_(&n); }
void restoreStyleCycle() {
  for (int i = 0; i < LineFields::kStyleCycle; ++i) zanglb.nctyp[i] = i % 8;
}
void restoreClipping() {
  restorePageClipping();
  zanglb.inomch = 0;
}
void restorePattern() { const int32_t p = 0; shdpat_(&p); }
void restoreShadingFactor() { zanglb.xshdfc = 1.0f; }
void restoreHeight() { const int32_t h = lengthUnits(36); height_(&h); }
void restoreAngle() { const int32_t a = 0; angle_(&a); }
void restoreWidthFactor() { zanglb.xcwth = 1.0f; }
void restoreSpacing() { zanglb.xcspc = 0.0f; }
void restoreSlant() { zanglb.xcslp = 0.0f; }
void restoreFixedSpacing() { zanglb.ifixsp = 0; }
void restoreJustification() { zanglb.itxtjs = zanglb.itxtjv = 0; }
void restoreTextBackground() { zanglb.itxtbg = -1; }
void restoreTextFrame() { zanglb.nfrmes = 0; }
void restoreLineSpacing() { zanglb.xlinsp = 1.5f; }
void restoreBaseAlphabet() { basalf_("STAN", 4); }
void restoreMixing() { zanglb.nmix = 0; }
void restoreControlCharacters() { zanglb.csex = "[]$/\\"; }
void restoreExponentHeight() { zanglb.fexp = 0.8f; }
void restoreExponentShift() { zanglb.fbasis = 0.6f; }
void restoreCoding() { zanglb.icdfnt = 0; }
void restoreNumberFormat() { zanglb.inufmt = 0; }
void restoreNumberMode() { zanglb.cnumod = ".000"; }
void restoreDigits() {
  for (int i = 0; i < 3; ++i) zanglb.ndezx[i] = 1, zanglb.ixdgop[i] = 0;
}
void restoreTicks() {
  const int32_t n = 2;
  ticks_(&n, "XYZ", 3);
}
void restoreTickLengths() {
  const int32_t major = lengthUnits(24), minor = lengthUnits(16);
  ticlen_(&major, &minor);
}
void restoreTickPosition() { ticpos_("LABE", "XYZ", 4, 3); }
void restoreLabels() { labels_("FLOA", "XYZ", 4, 3); }
void restoreLabelType() { labtyp_("HORI", "XYZ", 4, 3); }
void restoreLabelPosition() { labpos_("TICK", "XYZ", 4, 3); }
void restoreLabelJustification() { labjus_("AUTO", "XYZ", 4, 3); }
void restoreAxisScaling() { scale_("LIN", "XYZ", 3, 3); }
void restoreAxisLengths() {
  zanglb.nxl = zanglb.nxldef;
  zanglb.nyl = zanglb.nyldef;
  zanglb.nzl = zanglb.nzldef;
}
void restoreAxisPosition() {
  zanglb.nxa = zanglb.nxadef;
  zanglb.nya = zanglb.nyadef;
  zanglb.iaxorg = 0;
}
void restoreFrame() { zanglb.nfra = 1; }
void restoreAxisBackground() { zanglb.naxbgd = -1; }
void restoreSymbolHeight() { zanglb.nhsym = lengthUnits(36); }
void restoreMarker() { zanglb.nsym = 0; }
void restoreSymbolRotation() { zanglb.xsymro = 0.0f; }
void restoreInterpolation() { zanglb.ioppol = 0; }
void restoreSplines() {
  zanglb.nsplin = 3;
  zanglb.nsplpt = 200;
}

struct ResetEntry {
  std::string_view name;  // first four characters of the setter, upper case
  void (*restore)();
};

// One line per setter whose parameter reset restores.
constexpr std::array kResetTable{
    ResetEntry{"SETV", restoreColourTable},  // setvlt
    ResetEntry{"MYVL", restoreColourTable},  // myvlt
    ResetEntry{"SETI", restoreColourTable},  // setind
    ResetEntry{"VLTF", restoreColourTable},  // vltfil LOAD
    ResetEntry{"COLO", restoreCurrentColour},  // color
    ResetEntry{"SETC", restoreCurrentColour},  // setclr
    ResetEntry{"SETR", restoreCurrentColour},  // setrgb
    ResetEntry{"CLRC", restoreColourCycle},  // clrcyc
    ResetEntry{"ORIG", resetOrigin},  // origin
    ResetEntry{"PAGO", resetPageOrigin},  // pagorg
    // Lines: every style routine, myline and lintyp restore solid lines.
    ResetEntry{"SOLI", restoreLineStyle}, ResetEntry{"DOT ", restoreLineStyle},
    ResetEntry{"DASH", restoreLineStyle}, ResetEntry{"CHND", restoreLineStyle},
    ResetEntry{"DOTL", restoreLineStyle}, ResetEntry{"LINT", restoreLineStyle},
    ResetEntry{"MYLI", restoreLineStyle},
    ResetEntry{"LINW", restoreLineWidth}, ResetEntry{"PENW", restoreLineWidth},
    ResetEntry{"LNCA", restoreLineCap}, ResetEntry{"LNJO", restoreLineJoin},
    ResetEntry{"LNML", restoreMiterLimit}, ResetEntry{"THKC", restoreThickCurves},
    ResetEntry{"LINC", restoreStyleCycle},
    ResetEntry{"CLPW", restoreClipping}, ResetEntry{"CLPB", restoreClipping},
    ResetEntry{"CLPM", restoreClipping}, ResetEntry{"NOCL", restoreClipping},
    // Areas.
    ResetEntry{"SHDP", restorePattern}, ResetEntry{"MYPA", restorePattern},
    ResetEntry{"SHDF", restoreShadingFactor},
    // Text and numbers.
    ResetEntry{"HEIG", restoreHeight}, ResetEntry{"ANGL", restoreAngle},
    ResetEntry{"CHAW", restoreWidthFactor}, ResetEntry{"CHAS", restoreSpacing},
    ResetEntry{"CHAA", restoreSlant}, ResetEntry{"FIXS", restoreFixedSpacing},
    ResetEntry{"TXTJ", restoreJustification}, ResetEntry{"TXTB", restoreTextBackground},
    ResetEntry{"FRME", restoreTextFrame}, ResetEntry{"LINE", restoreLineSpacing},
    ResetEntry{"BASA", restoreBaseAlphabet}, ResetEntry{"MIXA", restoreMixing},
    ResetEntry{"SETM", restoreControlCharacters}, ResetEntry{"NEWM", restoreControlCharacters},
    ResetEntry{"SETE", restoreExponentHeight}, ResetEntry{"SETB", restoreExponentShift},
    ResetEntry{"CHAC", restoreCoding}, ResetEntry{"NUMF", restoreNumberFormat},
    ResetEntry{"NUMO", restoreNumberMode}, ResetEntry{"LABD", restoreDigits},
    ResetEntry{"DIGI", restoreDigits},
    // Axis systems.
    ResetEntry{"TICK", restoreTicks}, ResetEntry{"TICL", restoreTickLengths},
    ResetEntry{"TICP", restoreTickPosition}, ResetEntry{"LABE", restoreLabels},
    ResetEntry{"LABT", restoreLabelType}, ResetEntry{"LABP", restoreLabelPosition},
    ResetEntry{"LABJ", restoreLabelJustification}, ResetEntry{"SCAL", restoreAxisScaling},
    ResetEntry{"AXSS", restoreAxisScaling}, ResetEntry{"AXSL", restoreAxisLengths},
    ResetEntry{"AXSP", restoreAxisPosition}, ResetEntry{"FRAM", restoreFrame},
    ResetEntry{"AXSB", restoreAxisBackground},
    // Curves and symbols.
    ResetEntry{"HSYM", restoreSymbolHeight}, ResetEntry{"MARK", restoreMarker},
    ResetEntry{"SYMR", restoreSymbolRotation}, ResetEntry{"POLC", restoreInterpolation},
    ResetEntry{"SPLM", restoreSplines},
};

}  // namespace
}  // namespace zantor

using namespace zantor;

ZANTOR_API void reset_(const char* cname, size_t cname_len) try {
  chkini("RESET");
  std::string key = upstr(arg(cname, cname_len).substr(0, 4));
  key.resize(4, ' ');
  if (key == "ALL ") {
    resall();
    return;
  }
  for (const ResetEntry& e : kResetTable) {
    if (e.name == key) {
      e.restore();
      return;
    }
  }
  // Every area that knows the name restores its part ("SHDM" names the
  // contour and the surface keys of shdmod).
  int known = 0;
  known += resetChartSetting(key);
  known += resetContourSetting(key);
  known += resetPlot3dSetting(key);
  known += resetShadingSetting(key);
  known += resetMapSetting(key);
  if (known == 0) warnc1(2, trimmedArg(cname, cname_len));
} ZANTOR_CATCH
