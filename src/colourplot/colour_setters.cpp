// Setters of colour axis systems: colour range, rectangle sizes and the
// placement of the colour bar.
#include "axes/axes.h"
#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"

using namespace zantor;

ZANTOR_API void colran_(const int32_t* nca, const int32_t* nce) try {
  if (jqqlev(1, 3, "COLRAN") != 0) return;
  // A range of table indices, first below or equal to last.
  if (*nca < 0 || *nce > 255 || *nca > *nce) {
    warnin(2);
    return;
  }
  zanglb.nca = *nca;
  zanglb.nce = *nce;
} ZANTOR_CATCH

ZANTOR_API void setres_(const int32_t* npb, const int32_t* nph) try {
  if (jqqlev(1, 3, "SETRES") != 0) return;
  if (*npb < 1 || *nph < 1) {
    warnin(2);
    return;
  }
  zanglb.npb = *npb;
  zanglb.nph = *nph;
  zanglb.iautrs = 0;
} ZANTOR_CATCH

ZANTOR_API void autres_(const int32_t* nx, const int32_t* ny) try {
  if (jqqlev(1, 3, "AUTRES") != 0) return;
  if (*nx < 1 || *ny < 1) {
    warnin(2);
    return;
  }
  zanglb.nautx = *nx;
  zanglb.nauty = *ny;
  zanglb.iautrs = 1;
} ZANTOR_CATCH

ZANTOR_API void nobgd_() try {
  if (jqqlev(1, 3, "NOBGD") != 0) return;
  zanglb.inobgd = 1;
} ZANTOR_CATCH

ZANTOR_API void nobar_() try {
  if (jqqlev(1, 3, "NOBAR") != 0) return;
  zanglb.nbar = 0;
} ZANTOR_CATCH

ZANTOR_API void posbar_(const char* copt, size_t copt_len) try {
  if (jqqlev(1, 3, "POSBAR") != 0) return;
  const int i = jqqind("FIXE+LEFT+RIGH+BOTT+TOP ", 5, arg(copt, copt_len));
  if (i != 0) zanglb.iposbr = i - 1;
} ZANTOR_CATCH

ZANTOR_API void jusbar_(const char* copt, size_t copt_len) try {
  if (jqqlev(1, 3, "JUSBAR") != 0) return;
  const int i = jqqind("STAR+CENT+END ", 3, arg(copt, copt_len));
  if (i != 0) zanglb.ijusbr = i - 1;
} ZANTOR_CATCH

ZANTOR_API void widbar_(const int32_t* n) try {
  if (jqqlev(1, 3, "WIDBAR") != 0) return;
  if (jqqval(*n, 1, -1) != 0) return;
  zanglb.nzb = *n;
} ZANTOR_CATCH

ZANTOR_API void spcbar_(const int32_t* n) try {
  if (jqqlev(1, 3, "SPCBAR") != 0) return;
  zanglb.nzzb = *n;
} ZANTOR_CATCH

ZANTOR_API void vkxbar_(const int32_t* n) try {
  if (jqqlev(1, 3, "VKXBAR") != 0) return;
  zanglb.nvfx = *n;
} ZANTOR_CATCH

ZANTOR_API void vkybar_(const int32_t* n) try {
  if (jqqlev(1, 3, "VKYBAR") != 0) return;
  zanglb.nvfy = *n;
} ZANTOR_CATCH

// The axis lengths of 3D and colour axis systems: X, Y and Z (the colour
// bar's length in a colour axis system).
ZANTOR_API void ax3len_(const int32_t* nxl, const int32_t* nyl, const int32_t* nzl) try {
  if (jqqlev(1, 1, "AX3LEN") != 0) return;
  if (jqqval(*nxl, 2, kMaxAxisLength) != 0 || jqqval(*nyl, 2, kMaxAxisLength) != 0 ||
      jqqval(*nzl, 2, kMaxAxisLength) != 0)
    return;
  zanglb.nxl = *nxl;
  zanglb.nyl = *nyl;
  zanglb.nzl = *nzl;
} ZANTOR_CATCH
