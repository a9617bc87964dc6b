// Fields of the state record owned by legends.
#pragma once
#include <cstdint>

#include "core/fixed_string.h"

namespace zantor {

struct LegendFields {
  static constexpr int kLegendLines = 80;
  static constexpr int kLegendChars = 256;

  int32_t ilgopt = 0;           // 1 after legini
  int32_t nlglin = 0;           // lines of the legend buffer, 1..80
  int32_t nlgmax = 0;           // characters per line, 1..256
  FixedString<132> cleg{"Legende"};  // legend title
  int32_t ilgpos = 1;           // 1 corner by number, 0 explicit position
  int32_t nxlgpo = 0, nylgpo = 0;    // explicit upper left corner (legpos)
  int32_t ilgtyp = 0;           // 0 vertical, 1 horizontal, 2 table (legtyp)
  int32_t ilgtyc = 0;           // the type legini fixed for the current legend
  int32_t ilgdrw = 0;           // 1 once the current legend has been drawn
  int32_t nlgtbl = 3;           // table columns
  int32_t ilgdir = 0;           // table fill direction: 0 vertical, 1 horizontal
  int32_t ilgbgd = -1;          // background colour, -1 none
  int32_t ilgclr = 0;           // 1: texts in the curves' colours
  int32_t ilgpat = 0;           // 1 after legpat
  int32_t nlgsel = 0;           // selected lines, 0 = all
  int32_t nlgsls[kLegendLines] = {};
  // Layout factors: multiples of the character height when >= 0, plot
  // units when negative.
  float flg1 = 4.0f, flg2 = 0.5f, flg3 = 1.0f, flg4 = 0.8f, flg5 = 2.0f, flg6 = 1.0f;

  // Recorded attributes per legend line.
  int32_t nlgcrv = 0;           // curves recorded since legini / endgrf
  int32_t ilgrec = 1;           // 1 while curves are recorded
  int32_t ilgsty[kLegendLines] = {};  // line style, -1 no line
  int32_t ilgcol[kLegendLines] = {};  // colour value, -1 current colour
  int32_t ilgthk[kLegendLines] = {};  // thickness
  int32_t ilgsym[kLegendLines] = {};  // marker, -1 none
  int32_t ilgshd[kLegendLines] = {};  // shading pattern, -1 none
  int32_t ilgdef[kLegendLines] = {};  // 1 once set by legpat
};

}  // namespace zantor
