// reset for the setters of one area (contours, 3D, shading): a table of
// setter names, each with what it restores from the area's defaults.
#pragma once
#include <array>
#include <cstddef>
#include <string_view>

#include "core/state.h"

namespace zantor {

template <class Fields>
struct SettingReset {
  std::string_view name;  // first four characters of the setter, upper case
  void (*restore)(Zanglb& g, const Fields& defaults);
};

// Copies a field array of the defaults.
template <class T, std::size_t N>
void copyArray(T (&to)[N], const T (&from)[N]) {
  for (std::size_t i = 0; i < N; ++i) to[i] = from[i];
}

// Restores the setting named by `key` from `defaults`; false when the
// table does not know the name.
template <class Fields, std::size_t N>
bool restoreSetting(const std::array<SettingReset<Fields>, N>& table, std::string_view key,
                    const Fields& (*defaults)()) {
  for (const SettingReset<Fields>& e : table) {
    if (e.name == key) {
      e.restore(zanglb, defaults());
      return true;
    }
  }
  return false;
}

// The defaults an area's reset function gives a new plot: it runs on the
// state, its result is copied and the area's fields are put back.  Only
// for reset functions that touch nothing but the area's fields.
template <class Fields>
Fields defaultsOf(void (*resetArea)()) {
  Zanglb& g = zanglb;
  const Fields saved = g;
  resetArea();
  const Fields d = g;
  static_cast<Fields&>(g) = saved;
  return d;
}

}  // namespace zantor
