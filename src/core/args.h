// Character arguments arrive as (pointer, hidden length) pairs, blank padded
// and never NUL-terminated.  These helpers turn them into string views.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace zantor {

inline std::string_view arg(const char* p, std::size_t len) {
  if (p == nullptr) return {};
  return {p, len};
}

// The argument without trailing blanks.
inline std::string_view trimmedArg(const char* p, std::size_t len) {
  std::string_view s = arg(p, len);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// Writes `s` into an output character argument, blank padded, cut to len.
inline void putArg(char* p, std::size_t len, std::string_view s) {
  if (p == nullptr) return;
  std::size_t n = s.size() < len ? s.size() : len;
  for (std::size_t i = 0; i < n; ++i) p[i] = s[i];
  for (std::size_t i = n; i < len; ++i) p[i] = ' ';
}

}  // namespace zantor
