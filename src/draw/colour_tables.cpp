#include "draw/colour_tables.h"

#include <algorithm>

namespace zantor {
namespace {

constexpr int32_t rgb(int r, int g, int b) { return (r << 16) | (g << 8) | b; }

void stored(const int32_t* low, const int32_t* high, int32_t ivlt[256]) {
  std::copy(low, low + 128, ivlt);
  std::copy(high, high + 128, ivlt + 128);
}

void grey(int32_t ivlt[256]) {
  for (int i = 0; i < 256; ++i) ivlt[i] = i * 0x010101;
}

void temperature(int32_t ivlt[256]) {
  for (int i = 0; i < 256; ++i) {
    const int r = i < 150 ? static_cast<int>(1.7 * i + 0.5) : 255;
    const int g = i < 120 ? 0 : static_cast<int>(1.8888888 * (i - 120) + 0.5);
    const int b = i < 190 ? 0 : static_cast<int>(3.9230769 * (i - 190) + 0.5);
    ivlt[i] = rgb(std::min(r, 255), std::min(g, 255), std::min(b, 255));
  }
}

}  // namespace

void fillColourTable(int table, int32_t ivlt[256], bool whitePaper) {
  switch (table) {
    case kSmall: {
      static constexpr int32_t kSmal[9] = {
          0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF,
          0xFFFF00, 0xFF8000, 0x00FFFF, 0xFF00FF};
      std::copy(kSmal, kSmal + 9, ivlt);
      if (whitePaper) std::swap(ivlt[0], ivlt[1]);
      break;
    }
    case kRainbow: stored(kRainbowLow, kRainbowHigh, ivlt); break;
    case kSpectrum: stored(kSpectrumLow, kSpectrumHigh, ivlt); break;
    case kGrey: grey(ivlt); break;
    case kReverseRainbow:
    case kReverseSpectrum:
    case kReverseGrey:
      fillColourTable(table - 3, ivlt, whitePaper);
      std::reverse(ivlt, ivlt + 256);
      break;
    case kVga: {
      static constexpr int32_t kVgaColours[16] = {
          0x000000, 0x0000AA, 0x00AA00, 0x00AAAA, 0xAA0000, 0xAA00AA,
          0xAA5500, 0xAAAAAA, 0x555555, 0x5555FF, 0x55FF55, 0x55FFFF,
          0xFF5555, 0xFF55FF, 0xFFFF55, 0xFFFFFF};
      std::copy(kVgaColours, kVgaColours + 16, ivlt);
      if (whitePaper) std::swap(ivlt[0], ivlt[15]);
      break;
    }
    case kTemperature: temperature(ivlt); break;
    default: break;
  }
}

int searchedEntries(int table) {
  if (table == kSmall) return 9;
  if (table == kVga) return 16;
  return 256;
}

}  // namespace zantor
