// Keyword lists, range checks and the small string helpers shared by every
// setter.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace zantor {

// Position 1..n of the keyword in a "+"-separated list of four-character
// entries, or 0 after warning 2 with the keyword.
int jqqind(std::string_view list, int n, std::string_view keyword);

// 0 if lo <= value (and value <= hi when hi >= lo), else warning 2: 1.
int jqqval(int32_t value, int32_t lo, int32_t hi);

// 0 for a valid calendar date, else warning 2: 1.
int jqqdat(int32_t day, int32_t month, int32_t year);

int jqqyea(int32_t year);  // 1 for a leap year

std::string upstr(std::string_view s);
std::size_t trmlen(std::string_view s);
std::string dsblnk(std::string_view s);  // all blanks removed

}  // namespace zantor
