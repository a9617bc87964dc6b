// A map axis system for the map data targets: the bytes become a map file
// that world() reads and draws into the open plot, and ones that fail are
// the file's problem, not the library's: it must not crash, hang or leave
// the axis system open.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

#include "plot_session.h"

namespace fuzz {

// Draws the map file made of `data` with the file format `format`
// ("GSHH" binary shorelines, "MAPG" text map), once in a cylindrical and
// once in an azimuthal projection.
inline void drawMapFile(const uint8_t* data, size_t size, const char* format) {
  ensurePlot();
  static const std::string path = scratchPath("map.bin");
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  static const char* kProjections[] = {"CYLI", "ORTH"};
  for (const char* p : kProjections) {
    s(projct_, p);
    float xa = -180, xe = 180, xo = -180, xs = 90, ya = -90, ye = 90, yo = -90, ys = 30;
    grafmp_(&xa, &xe, &xo, &xs, &ya, &ye, &yo, &ys);
    mapfil_(path.data(), format, path.size(), 4);
    world_();
    s(maplev_, "LAND");
    world_();
    s(maplev_, "ALL");
    endgrf_();
  }
  std::remove(path.c_str());
}

}  // namespace fuzz
