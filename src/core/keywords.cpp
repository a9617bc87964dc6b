#include "core/keywords.h"

#include "core/warnings.h"

namespace zantor {

std::string upstr(std::string_view s) {
  std::string out(s.substr(0, trmlen(s)));
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

std::size_t trmlen(std::string_view s) {
  std::size_t n = s.size();
  while (n > 0 && s[n - 1] == ' ') --n;
  return n;
}

std::string dsblnk(std::string_view s) {
  std::string out;
  for (char c : s)
    if (c != ' ') out.push_back(c);
  return out;
}

int jqqind(std::string_view list, int n, std::string_view keyword) {
  char key[4] = {' ', ' ', ' ', ' '};
  for (std::size_t i = 0; i < 4 && i < keyword.size(); ++i) {
    char c = keyword[i];
    key[i] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  }
  for (int i = 1; i <= n; ++i) {
    std::size_t start = 5 * static_cast<std::size_t>(i - 1);
    if (start >= list.size()) break;
    std::string_view entry = list.substr(start, 4);
    bool match = true;
    for (std::size_t k = 0; k < 4; ++k) {
      char e = k < entry.size() ? entry[k] : ' ';
      if (e != key[k]) { match = false; break; }
    }
    if (match) return i;
  }
  warnc1(2, keyword.substr(0, trmlen(keyword)));
  return 0;
}

int jqqval(int32_t value, int32_t lo, int32_t hi) {
  if (value < lo || (hi >= lo && value > hi)) {
    warni1(2, value);
    return 1;
  }
  return 0;
}

int jqqyea(int32_t year) {
  return ((year % 4 == 0 && year % 100 != 0) || year % 400 == 0) ? 1 : 0;
}

int jqqdat(int32_t day, int32_t month, int32_t year) {
  bool dayBad = day < 1 || day > 31 ||
                (month == 2 && (day > 29 || (day == 29 && jqqyea(year) == 0)));
  if (dayBad) { warni1(2, day); return 1; }
  if (month < 1 || month > 12) { warni1(2, month); return 1; }
  if (year < 1000) { warni1(2, year); return 1; }
  return 0;
}

}  // namespace zantor
