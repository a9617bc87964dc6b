// Setters of axis labels, names, axis colours and date and time labels.
#include <algorithm>
#include <string>

#include "axes/axis_string.h"
#include "contour/contour_settings.h"
#include "charts/charts.h"
#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/page.h"

namespace zantor {
namespace {

template <class F>
void forAxes(std::string_view cax, F f) {
  const int mask = axisMask(cax);
  for (int i = 0; i < 3; ++i)
    if (mask & (1 << i)) f(i);
}

// Stores keyword index - 1 of copt into field[axis] for the named axes.
void setKeyword(const char* routine, const char* list, int n, int32_t (&field)[3],
                std::string_view copt, std::string_view cax) {
  chkini(routine);
  const int i = jqqind(list, n, copt);
  if (i == 0) return;
  forAxes(cax, [&](int a) { field[a] = i - 1; });
}

void setDistance(const char* routine, int32_t n, int32_t (&field)[3], std::string_view cax) {
  chkini(routine);
  if (jqqval(n, 1, 100000) != 0) return;
  forAxes(cax, [&](int a) { field[a] = n; });
}

}  // namespace

void resetLabelDefaults() {
  Zanglb& g = zanglb;
  static_cast<LabelFields&>(g) = LabelFields{};
  for (int i = 0; i < 3; ++i) {
    g.nnumx[i] = lengthUnits(24);
    g.nnamx[i] = lengthUnits(30);
  }
  g.nhname = lengthUnits(36);
}

}  // namespace zantor

using namespace zantor;

ZANTOR_API void labels_(const char* copt, const char* cax, size_t lopt, size_t lax) try {
  chkini("LABELS");
  if (isContourKey(trimmedArg(cax, lax))) return setContourLabelMode(arg(copt, lopt));
  if (ChartKey k = chartKey(arg(cax, lax)); k != ChartKey::None)
    return setChartLabels(k, arg(copt, lopt));
  const int i = jqqind("NONE+FLOA+EXP +LOG +CLOG+ELOG+MAP +DMAP+LMAP+TIME+HOUR+SECO+MYLA+FEXP+"
                       "DATE+MAPN+XEXP", 17, arg(copt, lopt));
  if (i == 0) return;
  forAxes(trimmedArg(cax, lax), [&](int a) {
    zanglb.numx[a] = i - 1;
    zanglb.ixltim[a] = (i - 1 >= 9 && i - 1 <= 11) ? 1 : 0;
  });
} ZANTOR_CATCH

ZANTOR_API void labtyp_(const char* copt, const char* cax, size_t lopt, size_t lax) try {
  if (isContourKey(trimmedArg(cax, lax))) {
    chkini("LABTYP");
    return setContourLabelType(arg(copt, lopt));
  }
  setKeyword("LABTYP", "HORI+VERT", 2, zanglb.ixlabt, arg(copt, lopt), trimmedArg(cax, lax));
} ZANTOR_CATCH

ZANTOR_API void labpos_(const char* copt, const char* cax, size_t lopt, size_t lax) try {
  if (ChartKey k = chartKey(arg(cax, lax)); k != ChartKey::None) {
    chkini("LABPOS");
    return setChartLabelPosition(k, arg(copt, lopt));
  }
  setKeyword("LABPOS", "TICK+CENT+SHIF", 3, zanglb.ixlabc, arg(copt, lopt), trimmedArg(cax, lax));
} ZANTOR_CATCH

ZANTOR_API void labjus_(const char* copt, const char* cax, size_t lopt, size_t lax) try {
  setKeyword("LABJUS", "AUTO+LEFT+RIGH+OUTW+INWA", 5, zanglb.ixljus, arg(copt, lopt),
             trimmedArg(cax, lax));
} ZANTOR_CATCH

ZANTOR_API void labdis_(const int32_t* n, const char* cax, size_t lax) try {
  if (isContourKey(trimmedArg(cax, lax))) {
    chkini("LABDIS");
    return setContourLabelDistance(*n);
  }
  setDistance("LABDIS", *n, zanglb.nnumx, trimmedArg(cax, lax));
} ZANTOR_CATCH

ZANTOR_API void namdis_(const int32_t* n, const char* cax, size_t lax) try {
  setDistance("NAMDIS", *n, zanglb.nnamx, trimmedArg(cax, lax));
} ZANTOR_CATCH

ZANTOR_API void namjus_(const char* copt, const char* cax, size_t lopt, size_t lax) try {
  setKeyword("NAMJUS", "CENT+LEFT+RIGH", 3, zanglb.ixjnam, arg(copt, lopt), trimmedArg(cax, lax));
} ZANTOR_CATCH

ZANTOR_API void mylab_(const char* cstr, const int32_t* itick, const char* cax, size_t lstr,
                       size_t lax) try {
  chkini("MYLAB");
  if (jqqval(*itick, 1, 100) != 0) return;
  forAxes(trimmedArg(cax, lax), [&](int a) {
    zanglb.cmylab[a][*itick - 1] = arg(cstr, lstr);
    zanglb.nmylab[a] = std::max(zanglb.nmylab[a], *itick);
  });
} ZANTOR_CATCH

ZANTOR_API void name_(const char* cstr, const char* cax, size_t lstr, size_t lax) try {
  chkini("NAME");
  forAxes(trimmedArg(cax, lax), [&](int a) {
    Zanglb& g = zanglb;
    (a == 0 ? g.cxnam : a == 1 ? g.cynam : g.cznam) = arg(cstr, lstr);
  });
} ZANTOR_CATCH

ZANTOR_API void hname_(const int32_t* n) try {
  chkini("HNAME");
  if (jqqval(*n, 1, 10000) != 0) return;
  zanglb.nhname = *n;
} ZANTOR_CATCH

ZANTOR_API void axclrs_(const int32_t* n, const char* copt, const char* cax, size_t lopt,
                        size_t lax) try {
  chkini("AXCLRS");
  if (jqqval(*n, -1, -2) != 0) return;
  const int i = jqqind("LINE+TICK+LABE+NAME+ALL ", 5, arg(copt, lopt));
  if (i == 0) return;
  forAxes(trimmedArg(cax, lax), [&](int a) {
    if (a > 1) return;  // colours exist for the X and Y axes
    int32_t* c = a == 0 ? zanglb.ixclr : zanglb.iyclr;
    for (int k = 0; k < 4; ++k)
      if (i == 5 || i - 1 == k) c[k] = *n;
  });
} ZANTOR_CATCH

ZANTOR_API void basdat_(const int32_t* iday, const int32_t* imon, const int32_t* iyear) try {
  if (jqqlev(0, 3, "BASDAT") != 0) return;
  if (jqqdat(*iday, *imon, *iyear) != 0) return;
  zanglb.ndbday = *iday, zanglb.ndbmon = *imon, zanglb.ndbyea = *iyear;
} ZANTOR_CATCH

ZANTOR_API void labmod_(const char* ckey, const char* copt, const char* cax, size_t lkey,
                        size_t lopt, size_t lax) try {
  chkini("LABMOD");
  Zanglb& g = zanglb;
  const std::string key = upstr(trimmedArg(ckey, lkey)).substr(0, 3);
  const std::string_view opt = arg(copt, lopt), axes = trimmedArg(cax, lax);
  // Option keyword -> stored code, per key.
  auto pick = [&](const char* list, int n, const int* codes, int32_t (&field)[3]) {
    const int i = jqqind(list, n, opt);
    if (i == 0) return;
    forAxes(axes, [&](int a) { field[a] = codes[i - 1]; });
  };
  static constexpr int kYear[] = {0, 1, 2};
  static constexpr int kDays[] = {3, 4, 0, 1, 2};
  static constexpr int kMonth[] = {3, 4, 0, 1, 2, 5};
  static constexpr int kSeq[] = {0, 1, 2, 3, 4, 5, 6, 7};
  if (key == "YEA") pick("FULL+SHOR+NONE", 3, kYear, g.ixdyea);
  else if (key == "DAY") pick("NAME+SHOR+NONE+FULL+LONG", 5, kDays, g.ixdday);
  else if (key == "MON") pick("NAME+SHOR+NONE+FULL+LONG+TINY", 6, kMonth, g.ixdmon);
  else if (key == "LAN") pick("ENGL+GERM+SPAN", 3, kSeq, g.ixdlan);
  else if (key == "FOR") pick("DMY +DYM +MDY +MYD +YDM +YMD ", 6, kSeq, g.ixdfmt);
  else if (key == "CAS") pick("NONE+UPPE", 2, kSeq, g.ixdcas);
  else if (key == "STE") pick("DAYS+MONT+QUAR+HALF+YEAR+DMON+DYEA+QYEA", 8, kSeq, g.ixdstp);
  else if (key == "SEP") {
    const char c = opt.empty() ? ' ' : opt[0];
    forAxes(axes, [&](int a) { g.ixdsep[a] = static_cast<unsigned char>(c); });
  } else {
    warnc1(2, trimmedArg(ckey, lkey));
  }
} ZANTOR_CATCH

ZANTOR_API void ticmod_(const char* copt, const char* cax, size_t lopt, size_t lax) try {
  setKeyword("TICMOD", "NONE+DAYS+MONT+QUAR+HALF+YEAR+DMON+HOUR", 8, zanglb.ixdtic,
             arg(copt, lopt), trimmedArg(cax, lax));
} ZANTOR_CATCH

ZANTOR_API void timopt_() try {
  chkini("TIMOPT");
  zanglb.itimop = 1;
} ZANTOR_CATCH

ZANTOR_API void intax_() try {
  chkini("INTAX");
  for (int i = 0; i < 3; ++i) zanglb.ndezx[i] = -1, zanglb.ixdgop[i] = 0;
} ZANTOR_CATCH
