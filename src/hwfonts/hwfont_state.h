// The hardware font of the current text: the standard font and the
// TrueType file a program chose.  (The font kind ipsfnt and the name given
// to psfont live in the state record with the text and PostScript
// settings.)
#pragma once
#include <string>

namespace zantor {

struct HwFontState {
  int font = 0;            // standard font 0..34
  std::string trueType;    // file named by ttfont; empty: the standard font
};

HwFontState& hwFontState();

}  // namespace zantor
