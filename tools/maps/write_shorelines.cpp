// Writes the low-resolution shoreline file "gshhs_l.b" of the installation
// from the built-in map (its coastlines as land polygons), so that the map
// base "GSHL" works on a fresh machine.  Run by the build for the test
// installation.
//
// Usage: zantor_shorelines <map directory>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "maps/maps.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <map directory>\n", argv[0]);
    return 2;
  }
  std::error_code ec;
  std::filesystem::create_directories(argv[1], ec);
  const std::vector<unsigned char> b = zantor::builtinShorelineFile();
  const auto path = std::filesystem::path(argv[1]) / "gshhs_l.b";
  std::ofstream f(path, std::ios::binary);
  f.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
  f.close();
  if (!f) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], path.c_str());
    return 1;
  }
  return 0;
}
