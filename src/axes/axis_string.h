// The axis argument of the axis setters: any combination of X, Y and Z.
#pragma once
#include <string_view>

namespace zantor {

// Bit 0 X, bit 1 Y, bit 2 Z; 0 after warning 2 for anything else.
int axisMask(std::string_view cax);

// Defaults of the axis settings, loaded by zanini.
void resetAxisDefaults();

// Defaults of labels, names, axis colours and date labels.
void resetLabelDefaults();

}  // namespace zantor
