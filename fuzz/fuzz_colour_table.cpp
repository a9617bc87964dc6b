// Fuzz target: colour table files read by vltfil.  Whatever the bytes, the
// load sets entries or warns, never reads past its data or crashes, and
// every entry of the table stays a colour with components in 0..1.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "plot_session.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::ensurePlot();
  static const std::string path = fuzz::scratchPath("table.txt");
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  vltfil_(path.data(), "LOAD", path.size(), 4);
  std::remove(path.c_str());
  for (int32_t i = 0; i < 256; ++i) {
    float c[3] = {-1, -1, -1};
    getind_(&i, &c[0], &c[1], &c[2]);
    for (float v : c)
      if (!(v >= 0.0f && v <= 1.0f)) std::abort();
  }
  return 0;
}
