// The contour keys of the shared label setters (labels, labtyp, labdis
// with "CON" or "CONT").
#pragma once
#include <cstdint>
#include <string_view>

namespace zantor {

// True when cax names contour labels ("CON", "CONT", any case).
bool isContourKey(std::string_view cax);
// labclr for the contour keys: the colour of contour labels (-1: the line's).
void setContourLabelColour(int32_t ic);

void setContourLabelMode(std::string_view copt);      // labels
void setContourLabelType(std::string_view copt);      // labtyp
void setContourLabelDistance(int32_t n);              // labdis

// reset for a contour setter (first four letters, upper case); false when
// the name is not one of them.
bool resetContourSetting(std::string_view key);

}  // namespace zantor
