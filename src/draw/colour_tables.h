// The nine predefined colour tables of setvlt.
#pragma once
#include <cstdint>

namespace zantor {

// Table numbers in the order of the setvlt keyword list.
enum ColourTable : int {
  kSmall = 0, kRainbow, kSpectrum, kGrey, kReverseRainbow, kReverseSpectrum,
  kReverseGrey, kVga, kTemperature
};

inline constexpr const char* kColourTableKeywords =
    "SMAL+RAIN+SPEC+GREY+RRAI+RSPE+RGRE+VGA +TEMP";

// The stored rainbow and spectrum tables (entries 0..127 and 128..255).
extern const int32_t kRainbowLow[128], kRainbowHigh[128];
extern const int32_t kSpectrumLow[128], kSpectrumHigh[128];

// Writes table `table` into `ivlt` (entries 0xRRGGBB).  SMAL and VGA set
// only their first 9 and 16 entries and leave the others as they are.
// `whitePaper` exchanges black and white of SMAL (entries 0 and 1) and of
// VGA (entries 0 and 15) for devices that draw on white paper.
void fillColourTable(int table, int32_t ivlt[256], bool whitePaper);

// Entries searched for the nearest colour: 9 (SMAL), 16 (VGA) or 256.
int searchedEntries(int table);

}  // namespace zantor
