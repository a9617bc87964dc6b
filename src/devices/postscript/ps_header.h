// Header, prolog and trailer of the PostScript and EPS files (inipsc).
#pragma once
#include <array>
#include <string_view>

#include "devices/device.h"

namespace zantor {

// The prolog: the short procedures every drawing line of the file calls.
extern const std::array<std::string_view, 83> kPostScriptProlog;

// How a page lies on the sheet: landscape pages are turned onto the
// portrait paper (unless the page mode is NONE).
bool postScriptLandscape();

// inipsc mode 0: header comments, prolog, placement and background.
// `background` is the colour of the page rectangle.
void writePostScriptHeader(int code, Rgb background);

// inipsc mode 1: the trailer (the pending path is already flushed).
void writePostScriptTrailer(int code);

}  // namespace zantor
