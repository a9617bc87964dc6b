// User coordinates of the current axis system for the text and number
// routines that take them (rlmess, rlnumb).
#pragma once
#include <string_view>

namespace zantor {

// Converts user coordinates (x, y) of the current axis system to plot
// coordinates; false when no axis system can convert them.
bool userToPlot(float x, float y, float& xp, float& yp);

// Text routines shared by messag and number.
void justifiedMessage(std::string_view s, float nx, float ny);

}  // namespace zantor
