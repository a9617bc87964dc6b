// Fields of the state record owned by axis labels, axis names, the
// per-part axis colours and the date and time labels.
#pragma once
#include <cstdint>

#include "core/fixed_string.h"

namespace zantor {

struct LabelFields {
  int32_t ixlabc[3] = {0, 0, 0};     // labels at ticks 0, centred 1, shifted 2
  int32_t ixljus[3] = {0, 0, 0};     // AUTO, LEFT, RIGH, OUTW, INWA
  int32_t nnumx[3] = {24, 24, 24};   // distance ticks - labels, plot units
  FixedString<132> cxnam, cynam, cznam;  // axis names
  int32_t nnamx[3] = {30, 30, 30};   // distance labels - name
  int32_t ixjnam[3] = {0, 0, 0};     // name: CENT, LEFT, RIGH
  int32_t nhname = 36;               // height of axis names
  int32_t ixclr[4] = {-1, -1, -1, -1};  // X: line, ticks, labels, name
  int32_t iyclr[4] = {-1, -1, -1, -1};  // Y: line, ticks, labels, name
  FixedString<40> cmylab[3][100];    // user label strings (mylab)
  int32_t nmylab[3] = {0, 0, 0};     // highest mylab index set per axis
  int32_t itimop = 0;                // 1: time labels with ":" separators
  // Date labels: base date (day 0) and the labmod/ticmod options per axis.
  int32_t ndbday = 1, ndbmon = 1, ndbyea = 1900;
  int32_t ixdyea[3] = {0, 0, 0};     // year: 0 FULL, 1 SHOR, 2 NONE
  int32_t ixdday[3] = {1, 1, 1};     // day: 0 NONE, 1 FULL, 2 LONG, 3 NAME, 4 SHOR
  int32_t ixdmon[3] = {1, 1, 1};     // month: as days, 5 TINY
  int32_t ixdlan[3] = {0, 0, 0};     // 0 ENGL, 1 GERM, 2 SPAN
  int32_t ixdfmt[3] = {0, 0, 0};     // DMY, DYM, MDY, MYD, YDM, YMD
  int32_t ixdsep[3] = {45, 45, 45};  // separator character code
  int32_t ixdcas[3] = {0, 0, 0};     // 0 NONE, 1 UPPE
  int32_t ixdstp[3] = {0, 0, 0};     // DAYS MONT QUAR HALF YEAR DMON DYEA QYEA
  int32_t ixdtic[3] = {0, 0, 0};     // NONE DAYS MONT QUAR HALF YEAR DMON HOUR
};

}  // namespace zantor
