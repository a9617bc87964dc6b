// Fuzz target: binary shoreline files read by world() after mapfil(...,
// "GSHH").  Whatever the headers say (negative or huge point counts, cut
// polygons, coordinates far off the globe), the map is drawn or left out,
// never read past the data.
#include "map_session.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::drawMapFile(data, size, "GSHH");
  return 0;
}
