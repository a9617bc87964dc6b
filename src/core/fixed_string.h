// Fixed-length, blank-padded character fields of the state record.
// They are never NUL-terminated; trailing blanks are never significant.
#pragma once
#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace zantor {

template <std::size_t N>
struct FixedString {
  char c[N];

  FixedString() { clear(); }
  FixedString(std::string_view s) { set(s); }  // NOLINT: implicit by design

  void clear() { std::fill(c, c + N, ' '); }
  // Copies the first min(len, N) characters and pads with blanks.
  void set(std::string_view s) {
    std::size_t n = std::min(s.size(), N);
    std::copy(s.data(), s.data() + n, c);
    std::fill(c + n, c + N, ' ');
  }
  FixedString& operator=(std::string_view s) { set(s); return *this; }

  static constexpr std::size_t size() { return N; }
  std::string_view view() const { return {c, N}; }
  // Length up to the last non-blank character.
  std::size_t trimmedLength() const {
    std::size_t n = N;
    while (n > 0 && c[n - 1] == ' ') --n;
    return n;
  }
  std::string_view trimmed() const { return {c, trimmedLength()}; }
  std::string str() const { return std::string(trimmed()); }
  bool equals(std::string_view s) const {
    std::string_view t = trimmed();
    std::size_t n = s.size();
    while (n > 0 && s[n - 1] == ' ') --n;
    return t == s.substr(0, n);
  }
};

}  // namespace zantor
