// The floating horizon: visibility of lines against the masks of
// everything drawn before them, the side colours and the run output.
#include "plot3d/horizon.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "core/state.h"
#include "core/warnings.h"
#include "devices/dispatch.h"
#include "draw/colour.h"
#include "draw/pipeline.h"

namespace zantor {
namespace {

constexpr int kColumns = 4001;  // plot x 0..4000
constexpr int kTopInit = -1, kBottomInit = 10000;

struct Horizon {
  std::array<int, kColumns> top;     // imktop: largest y drawn per column
  std::array<int, kColumns> bottom;  // imkbot: smallest y drawn per column
  int penX = 0, penY = 0;            // last point
  bool penValid = false;             // a move has placed the pen
  bool runOpen = false;              // a visible run is being drawn
  int runX = 0, runY = 0;            // last visible pixel of the run
  int outX = 0, outY = 0;            // last point sent to the device
  int side = 1;                      // side of the run: 1 upper, 2 lower
  int preferred = 1;                 // side where both are free
  bool warned = false;               // warning 52 given for this surface
  bool sideColours = false;          // a surface with side colours is drawn
  Horizon() { reset(); }
  void reset() {
    top.fill(kTopInit);
    bottom.fill(kBottomInit);
    penValid = runOpen = false;
    side = preferred;
  }
};

Horizon hz;

void emit(int x, int y, int op) {
  xjdraw(static_cast<float>(x), static_cast<float>(y), op);
  hz.outX = x, hz.outY = y;
}

// Draws the open run on to its last visible pixel.
void flushRun() {
  if (hz.runOpen && (hz.runX != hz.outX || hz.runY != hz.outY)) emit(hz.runX, hz.runY, 2);
}

void closeRun() {
  if (!hz.runOpen) return;
  flushRun();
  hz.runOpen = false;
}

void selectSide(int side) {
  Zanglb& g = zanglb;
  if (!hz.sideColours) return;
  const int c = side == 1 ? g.ictp : g.icbt;
  const int want = c < 0 ? g.isfcol : c;
  g.isfcop = side;
  if (g.ncolr != want) qqsclr(want);
}

// One pixel of a line: test against the masks, emit, update the masks.
inline void pixel(int x, int y) {
  Zanglb& g = zanglb;
  int& top = hz.top[x];
  int& bottom = hz.bottom[x];
  if (g.imkopt != 2) {
    const bool below = y > top && g.isurvs != 1;
    const bool above = y < bottom && g.isurvs != 2;
    if (below || above) {
      // Both sides free (nothing drawn in this column yet): the side the
      // view point is on.
      const int side = above && below ? hz.preferred : (above ? 1 : 2);
      if (side != hz.side) {
        closeRun();
        hz.side = side;
      }
      if (!hz.runOpen) {
        if (hz.sideColours && g.isfcop != side) selectSide(side);
        emit(x, y, 3);
        hz.runOpen = true;
      }
      hz.runX = x, hz.runY = y;
    } else {
      closeRun();
    }
  }
  if (g.imkopt != 0) {
    if (y > top) top = y;
    if (y < bottom) bottom = y;
  }
}

// The pixels after (x0, y0) up to and including (x1, y1), one per step of
// the longer axis.
void walk(int x0, int y0, int x1, int y1) {
  const int dx = std::abs(x1 - x0), dy = std::abs(y1 - y0);
  const int sx = x1 >= x0 ? 1 : -1, sy = y1 >= y0 ? 1 : -1;
  int x = x0, y = y0;
  if (dx >= dy) {
    int err = 2 * dy - dx;
    for (int i = 0; i < dx; ++i) {
      x += sx;
      if (err > 0) {
        y += sy;
        err -= 2 * dx;
      }
      err += 2 * dy;
      pixel(x, y);
    }
  } else {
    int err = 2 * dx - dy;
    for (int i = 0; i < dy; ++i) {
      y += sy;
      if (err > 0) {
        x += sx;
        err -= 2 * dy;
      }
      err += 2 * dx;
      pixel(x, y);
    }
  }
}

// The band of picture rows the masks need: rows beyond it are off any
// page.  A steep line walked row by row far beyond it would take a step
// for every row it passes.
constexpr long kBandLow = -4000, kBandHigh = kBottomInit + 4000;

// walk() for a steep line that leaves the band: the rows inside the band
// are walked as usual (the column of each row rounded from the line);
// beyond the band every column the line passes gets one pixel on the
// band's edge.  Tests and masks inside the band come out as for the whole
// line, and the work is bounded by the band and the columns.
void walkInBand(int x0, int y0, int x1, int y1) {
  const long dx = std::labs(long(x1) - x0), dy = std::labs(long(y1) - y0);
  if (dx >= dy || (std::min(y0, y1) >= kBandLow && std::max(y0, y1) <= kBandHigh)) {
    walk(x0, y0, x1, y1);
    return;
  }
  const long sy = y1 > y0 ? 1 : -1;
  const int sx = x1 >= x0 ? 1 : -1;
  auto column = [&](long y) {
    return static_cast<int>(std::lround(x0 + double(x1 - x0) * double(y - y0) / double(y1 - y0)));
  };
  int lastX = x0;
  long lastY = y0;
  auto put = [&](int x, long y) {
    if (x == lastX && y == lastY) return;
    pixel(x, static_cast<int>(y));
    lastX = x, lastY = y;
  };
  // Rows `from` to `to` beyond the band: their columns on the edge.
  auto beyond = [&](long from, long to) {
    const long edge = std::clamp(from, kBandLow, kBandHigh);
    for (int c = column(from);; c += sx) {
      put(c, edge);
      if (c == column(to)) break;
    }
  };
  const long first = long(y0) + sy, last = y1;
  const long bandFirst = sy > 0 ? std::max(first, kBandLow) : std::min(first, kBandHigh);
  const long bandLast = sy > 0 ? std::min(last, kBandHigh) : std::max(last, kBandLow);
  if (sy > 0 ? bandFirst > bandLast : bandFirst < bandLast) {
    beyond(first, last);  // the line stays on one side of the band
    return;
  }
  if (bandFirst != first) beyond(first, bandFirst - sy);
  for (long y = bandFirst;; y += sy) {
    put(column(y), y);
    if (y == bandLast) break;
  }
  if (bandLast != last) beyond(bandLast + sy, last);
}

int roundCoord(double v) {
  if (!(std::fabs(v) < 1e8)) return v > 0 ? 100000000 : -100000000;
  return static_cast<int>(std::floor(v + 0.5));
}

bool columnInside(int x) { return x >= 0 && x < kColumns; }

}  // namespace

void resetHorizon() {
  closeRun();
  hz.reset();
  hz.warned = false;
}

void setSideColours(bool on) { hz.sideColours = on && zanglb.isfclr != 0; }

void setHorizonSide(int side) { hz.preferred = hz.side = side == 2 ? 2 : 1; }

void dhline(double xf, double yf, int ipen) {
  const int x = roundCoord(xf), y = roundCoord(yf);
  if (ipen != 2 && ipen != 3) {
    closeRun();
    hz.reset();
    return;
  }
  if (!columnInside(x) || (ipen == 2 && hz.penValid && !columnInside(hz.penX))) {
    if (!hz.warned) {
      warnin(52);
      hz.warned = true;
    }
    closeRun();
    hz.penX = x, hz.penY = y;
    hz.penValid = true;
    return;
  }
  if (ipen == 3 || !hz.penValid) {
    closeRun();
    hz.penX = x, hz.penY = y;
    hz.penValid = true;
    pixel(x, y);
    return;
  }
  walkInBand(hz.penX, hz.penY, x, y);
  hz.penX = x, hz.penY = y;
  // The end of the line closes an open run; a line going on from here
  // continues it without a new move.
  flushRun();
}

void hiddenLineSegment(float x1, float y1, float x2, float y2) {
  // A segment that starts where the last one ended continues it: its
  // first pixel was tested (and entered in the masks) already.
  if (!hz.penValid || roundCoord(x1) != hz.penX || roundCoord(y1) != hz.penY) dhline(x1, y1, 3);
  dhline(x2, y2, 2);
}

void installHorizon() { setHiddenLineRoutine(hiddenLineSegment); }

}  // namespace zantor
