// Colour tables as the devices see them: the named colours, foreground and
// background, the colour ranges and the device rules applied by every
// setvlt, and the colour defaults of a new plot.
#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "core/state.h"
#include "core/warnings.h"
#include "draw/colour.h"

#include "devices/dispatch.h"
#include "draw/colour_tables.h"

namespace zantor {
namespace {

constexpr int32_t kBlack = 0x01000000;
constexpr int32_t kWhite = 0x01FFFFFF;
constexpr int kWhit = 0, kBlac = 8;  // positions in nrclrd

bool isPost501() { return zanglb.ndev == 501; }
bool isCgm() { return zanglb.ndev == 211; }
bool isWmf() { return zanglb.ndev == 221; }
bool isEmf() { return zanglb.ndev == 231; }
bool isJava() { return zanglb.ndev == 701; }

// Devices that exchange the ends of the table in reverse screen mode
// (white background): EMF, screen windows, PSCL, EPS, PS, PDF and every
// device above 600 (raster, Java, SVG, IPE).
bool reversesOnWhite() {
  const int d = zanglb.ndev;
  return d == 231 || d < 101 || d == 502 || d == 503 || d == 504 || d == 511 || d > 600;
}

bool isReverseTable(int t) {
  return t == kReverseRainbow || t == kReverseSpectrum || t == kReverseGrey;
}
bool isGreyTable(int t) { return t == kGrey || t == kReverseGrey; }

void setNamedColours(int table) {
  Zanglb& g = zanglb;
  // WHIT RED GREE YELL BLUE ORAN CYAN MAGE as red, green, blue.
  static constexpr int kColours[8][3] = {{255, 255, 255}, {255, 0, 0}, {0, 255, 0},
                                         {255, 255, 0},   {0, 0, 255}, {255, 128, 0},
                                         {0, 255, 255},   {255, 0, 255}};
  static constexpr int kGreys[8] = {0xFF, 0xE6, 0xB9, 0x96, 0x5F, 0xD7, 0xAF, 0x6E};
  for (int i = 0; i < 8; ++i) {
    const int* c = kColours[i];
    g.nrclrd[i] = isGreyTable(table) ? explicitColour(kGreys[i], kGreys[i], kGreys[i])
                                     : explicitColour(c[0], c[1], c[2]);
  }
  const bool blackIsForeground = table == kSmall || isGreyTable(table);
  g.nrclrd[kBlac] = blackIsForeground ? g.nrclrd[kWhit] : kBlack;

  int32_t& whit = g.nrclrd[kWhit];
  int32_t& blac = g.nrclrd[kBlac];
  const bool paper = isPost501() || isCgm() || isWmf();
  if (table == kSmall && paper) {
    whit = blac = kBlack;
  } else if ((table == kRainbow || table == kSpectrum || table == kGrey ||
              table == kTemperature) && (isCgm() || isWmf())) {
    whit = kBlack;
    // For GREY, BLAC stays equal to WHIT, the foreground on white paper.
    if (table == kGrey) blac = kBlack;
  } else if (isReverseTable(table)) {
    if (paper) whit = blac = kBlack;
    else if (g.ndepth <= 8) std::swap(whit, blac);
  } else if (table == kVga) {
    whit = kBlack;
    blac = kWhite;
  }
}

void setForegroundAndRanges(int table) {
  Zanglb& g = zanglb;
  g.nfgclr = 255;
  g.nbgclr = 0;
  g.ncmin = 0;
  g.ncmax = 255;
  const bool plain = table == kRainbow || table == kSpectrum || table == kGrey ||
                     table == kTemperature;
  if (plain && (isPost501() || isCgm() || isWmf() || isJava())) {
    g.nfgclr = 0;
    g.nbgclr = 255;
  } else if (table == kSmall) {
    g.ncmax = 9;
    g.nfgclr = 1;
  } else if (table == kVga) {
    g.ncmax = 15;
    g.nfgclr = 15;
  } else if (isReverseTable(table) && !isWmf() && !isEmf() && !isPost501() && g.ndepth > 8) {
    g.nfgclr = 0;
    g.nbgclr = 255;
  }
  g.nca = 1;
  g.nce = g.ncmax - 1;
}

// White background on devices that start black: the ends of the table,
// the colour range and the named black and white change places.
void applyReverseScreen(int table, bool tableLoaded) {
  Zanglb& g = zanglb;
  if (g.inoers != 2 || !reversesOnWhite()) return;
  if (tableLoaded) {
    const int last = table == kSmall ? 1 : table == kVga ? 15 : 255;
    std::swap(g.ivlt[0], g.ivlt[last]);
  }
  g.ncmin = g.ncmax;
  g.ncmax = 0;
  if (table == kSmall || isGreyTable(table))
    g.nrclrd[kWhit] = g.nrclrd[kBlac] = kBlack;
  else
    std::swap(g.nrclrd[kWhit], g.nrclrd[kBlac]);
}

}  // namespace

int defaultColourTable() { return isPost501() ? kReverseGrey : kRainbow; }

void loadColourTable(int table) {
  Zanglb& g = zanglb;
  if (g.ndev >= 301 && g.ndev <= 400) table = kSmall;
  g.nclrtb = table;
  const bool keepUserTable = g.imyvlt == 1;
  if (!keepUserTable) {
    const bool whitePaper = table == kSmall ? (isPost501() || isCgm() || isWmf())
                                            : (isPost501() || isWmf());
    fillColourTable(table, g.ivlt, whitePaper);
  }
  g.imyvlt = 0;  // only the next setvlt keeps a myvlt table
  setNamedColours(table);
  setForegroundAndRanges(table);
  applyReverseScreen(table, !keepUserTable);
  resetColourCycle();
  notifyColourTable();
}

void notifyColourTable() {
  if (Device* d = currentDevice()) d->colourTable(zanglb.ivlt, zanglb.nclrtb);
}

void resetColourCycle() {
  Zanglb& g = zanglb;
  for (int i = 0; i < 30; ++i)
    g.nclrcr[i] = g.ncclr[i] >= 0 ? g.ncclr[i] : g.nrclrd[i % 8];
}

int nearestColourIndex(int r, int g, int b) {
  const int k = searchedEntries(zanglb.nclrtb);
  int best = 0, bestDistance = 1 << 30;
  for (int i = 0; i < k; ++i) {
    const int32_t e = zanglb.ivlt[i];
    const int d = std::abs(((e >> 16) & 255) - r) + std::abs(((e >> 8) & 255) - g) +
                  std::abs((e & 255) - b);
    if (d < bestDistance) {  // strictly smaller: ties keep the lower index
      best = i;
      bestDistance = d;
    }
  }
  return best;
}

void setColourEntry(int32_t index, float r, float g, float b) {
  if (index < 0 || index > 255) {
    warni1(2, index);
    return;
  }
  if (!validComponent(r) || !validComponent(g) || !validComponent(b)) {
    warnin(2);
    return;
  }
  // The entry changes in place; a screen palette that mirrors the table
  // picks it up at the next colour change.
  zanglb.ivlt[index] = (colourByte(r) << 16) | (colourByte(g) << 8) | colourByte(b);
  notifyColourTable();
}

void resetColourDefaults() {
  Zanglb& g = zanglb;
  g.imyvlt = 0;
  std::fill(std::begin(g.ncclr), std::end(g.ncclr), -1);
  loadColourTable(defaultColourTable());
  qqsclr(g.nfgclr);
}

}  // namespace zantor
