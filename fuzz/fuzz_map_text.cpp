// Fuzz target: text map files read by world() after mapfil(..., "MAPG"):
// lines of longitude and latitude, "#" lines between the polygons.  Long
// lines, numbers beyond every range, NaN and control bytes are skipped or
// drawn, never read past the data.
#include "map_session.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::drawMapFile(data, size, "MAPG");
  return 0;
}
