// The fonts every PostScript interpreter provides.
#pragma once
#include <string_view>

namespace zantor {

bool isStandardPostScriptFont(std::string_view name);

}  // namespace zantor
