// The one clock of the library.  Dates and times in the usage log, the
// protocol and file headers come from here; SOURCE_DATE_EPOCH (seconds since
// 1970, UTC) fixes them so that whole output files can be compared.
#pragma once
#include <string>

namespace zantor {

struct DateTime {
  int year, month, day, hour, minute, second;
};

DateTime now();
std::string dateDMY(const DateTime& t);   // "05.12.2026"
std::string timeHMS(const DateTime& t);   // "17:56:10"
std::string dateYMD(const DateTime& t);   // "20261205"

}  // namespace zantor
