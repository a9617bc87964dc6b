#include "core/clock.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace zantor {

DateTime now() {
  std::time_t t = std::time(nullptr);
  bool utc = false;
  if (const char* e = std::getenv("SOURCE_DATE_EPOCH"); e != nullptr && *e != '\0') {
    char* end = nullptr;
    long long v = std::strtoll(e, &end, 10);
    if (end != nullptr && *end == '\0' && v >= 0) {
      t = static_cast<std::time_t>(v);
      utc = true;  // reproducible builds use UTC
    }
  }
  std::tm tm{};
  if (utc) gmtime_r(&t, &tm); else localtime_r(&t, &tm);
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::string dateDMY(const DateTime& t) {
  char b[32];
  std::snprintf(b, sizeof b, "%02d.%02d.%04d", t.day, t.month, t.year);
  return b;
}

std::string timeHMS(const DateTime& t) {
  char b[32];
  std::snprintf(b, sizeof b, "%02d:%02d:%02d", t.hour, t.minute, t.second);
  return b;
}

std::string dateYMD(const DateTime& t) {
  char b[32];
  std::snprintf(b, sizeof b, "%04d%02d%02d", t.year, t.month, t.day);
  return b;
}

}  // namespace zantor
