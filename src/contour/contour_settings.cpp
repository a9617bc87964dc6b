// Settings of contour lines and shaded contours.
#include "contour/contour_settings.h"

#include "contour/contour_fields.h"
#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "shading/shaded_mesh.h"

namespace zantor {

void resetContourDefaults() {
  Zanglb& g = zanglb;
  static_cast<ContourFields&>(g) = ContourFields{};
  g.xdiscr = 500.0f / g.xfcuni;
}

// "CON", "CONT", "CONTOUR": the word or a cut of it of at least three letters.
bool isContourKey(std::string_view cax) {
  const std::string k = upstr(cax);
  return k.size() >= 3 && std::string_view("CONTOUR").substr(0, k.size()) == k;
}

void setContourLabelMode(std::string_view copt) {
  const int i = jqqind("NONE+FLOA+CONL", 3, copt);
  if (i != 0) zanglb.nlincr = i - 1;
}

void setContourLabelType(std::string_view copt) {
  const int i = jqqind("HORI+VERT", 2, copt);
  if (i != 0) zanglb.icontp = i - 1;
}

void setContourLabelDistance(int32_t n) {
  if (jqqval(n, 1, 100000) != 0) return;
  zanglb.xdiscr = static_cast<float>(n);
}

}  // namespace zantor

using namespace zantor;

ZANTOR_API void conlab_(const char* cstr, size_t len) try {
  if (jqqlev(1, 3, "CONLAB") != 0) return;
  zanglb.conlb = arg(cstr, len);  // the first 20 characters, blank padded
} ZANTOR_CATCH

ZANTOR_API void conmod_(const float* xfac, const float* xquot) try {
  if (jqqlev(1, 3, "CONMOD") != 0) return;
  if (!(*xfac >= 0.0f) || !(*xquot > 1.0f)) return warnin(2);
  zanglb.xconf1 = *xfac;
  zanglb.xconf2 = *xquot;
} ZANTOR_CATCH

ZANTOR_API void congap_(const float* xfac) try {
  if (jqqlev(1, 3, "CONGAP") != 0) return;
  // Left open by the rules: a negative space would let labels overlap the
  // line, so it is refused like the other factors.
  if (!(*xfac >= 0.0f)) return warnin(2);
  zanglb.xcongp = *xfac;
} ZANTOR_CATCH

ZANTOR_API void conang_(const float* ang) try {
  if (jqqlev(1, 3, "CONANG") != 0) return;
  if (!(*ang >= 0.0f && *ang <= 360.0f)) return warnin(2);
  zanglb.xangcr = *ang;
} ZANTOR_CATCH

namespace zantor {
// The contour part of labclr: -1 draws labels in the line's colour.
void setContourLabelColour(int32_t ic) {
  if (ic < -1) return warni1(2, ic);
  zanglb.iccon = ic;
}
}  // namespace zantor

ZANTOR_API void conclr_(const int32_t* nray, const int32_t* n) try {
  if (jqqlev(1, 3, "CONCLR") != 0) return;
  if (*n < 0 || *n > 256) return warni1(2, *n);
  Zanglb& g = zanglb;
  for (int i = 0; i < *n; ++i) g.nconcl[i] = nray[i];
  g.iclrcr = *n;
} ZANTOR_CATCH

ZANTOR_API void shdmod_(const char* copt, const char* ckey, size_t lopt, size_t lkey) try {
  if (jqqlev(1, 3, "SHDMOD") != 0) return;
  Zanglb& g = zanglb;
  const std::string key = upstr(trimmedArg(ckey, lkey)).substr(0, 4);
  const std::string_view opt = arg(copt, lopt);
  int i = 0;
  if (key == "CONT") {
    if ((i = jqqind("CELL+POLY", 2, opt)) != 0) g.ishcon = i - 1;
  } else if (key == "CELL") {
    if ((i = jqqind("BOTH+UPPE+LOWE+NONE", 4, opt)) != 0) g.icellm = i - 1;
  } else if (key == "COLO") {
    if ((i = jqqind("LOWE+MIDD+UPPE", 3, opt)) != 0) g.ishclr = i - 1;
  } else if (key == "SURF") {
    setSurfaceShading(copt, lopt);
  } else {
    // The curve keys belong to their own area.
    warnc1(2, trimmedArg(ckey, lkey));
  }
} ZANTOR_CATCH
