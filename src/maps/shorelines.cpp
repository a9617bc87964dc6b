// Shoreline files in the binary shoreline format (big-endian 32-bit
// words) and the text map format: reading, and writing the low-resolution
// file of the installation from the built-in map.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>

#include "core/state.h"
#include "core/warnings.h"
#include "devices/files.h"
#include "maps/mapdata/builtin_map.h"
#include "maps/maps.h"

namespace zantor {
namespace {

int32_t word(const unsigned char* p) {
  return static_cast<int32_t>((uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) |
                              (uint32_t{p[2]} << 8) | uint32_t{p[3]});
}

void putWord(std::vector<unsigned char>& out, int32_t v) {
  const uint32_t u = static_cast<uint32_t>(v);
  out.push_back(static_cast<unsigned char>(u >> 24));
  out.push_back(static_cast<unsigned char>(u >> 16));
  out.push_back(static_cast<unsigned char>(u >> 8));
  out.push_back(static_cast<unsigned char>(u));
}

}  // namespace

bool forEachShoreline(const std::vector<unsigned char>& bytes, int levelSelect,
                      const std::function<void(const ShorelinePolygon&)>& visit) {
  size_t pos = 0;
  const size_t size = bytes.size();
  ShorelinePolygon poly;  // one buffer for every polygon
  while (pos < size) {
    if (size - pos < 32) return false;  // a cut header
    const unsigned char* h = bytes.data() + pos;
    const int32_t n = word(h + 4);
    const int32_t flag = word(h + 8);
    const int level = flag & 0xff;
    const int version = (flag >> 8) & 0xff;
    size_t header = 32;
    if (version == 0) header += 4;
    else if (version >= 7) header += 12;
    if (n < 0 || size - pos < header) return false;
    pos += header;
    if (static_cast<uint64_t>(n) * 8 > size - pos) return false;  // cut points
    const bool take = levelSelect == 0 || levelSelect == 3 || level == levelSelect;
    if (take) {
      poly.level = level;
      poly.lon.resize(n);
      poly.lat.resize(n);
      const unsigned char* p = bytes.data() + pos;
      for (int32_t i = 0; i < n; ++i, p += 8) {
        double lon = word(p) * 1e-6;
        if (lon >= 180.0) lon -= 360.0;
        poly.lon[i] = lon;
        poly.lat[i] = word(p + 4) * 1e-6;
      }
      visit(poly);
    }
    pos += static_cast<size_t>(n) * 8;
  }
  return true;
}

bool readShorelines(const std::vector<unsigned char>& bytes, int levelSelect,
                    std::vector<ShorelinePolygon>& out) {
  return forEachShoreline(bytes, levelSelect, [&out](const ShorelinePolygon& p) { out.push_back(p); });
}

bool readWholeFile(const std::string& path, std::vector<unsigned char>& bytes) {
  std::ifstream f(path, std::ios::binary);
  if (!f) return false;
  // One read of the known size (full-resolution files reach 100 MB).
  f.seekg(0, std::ios::end);
  const std::streamoff size = f.tellg();
  // A directory or a pipe has no size to read.
  if (!f || size < 0 || size > (std::streamoff{1} << 36)) return false;
  f.seekg(0, std::ios::beg);
  bytes.resize(static_cast<size_t>(size));
  f.read(reinterpret_cast<char*>(bytes.data()), size);
  bytes.resize(static_cast<size_t>(f.gcount()));
  return !f.bad();
}

std::string shorelinePath(int resolution, bool rivers) {
  static const char kRes[] = {'l', 'l', 'i', 'h', 'f'};
  const char r = kRes[resolution < 0 || resolution > 4 ? 0 : resolution];
  std::string dir = qqgetenv("ZANTOR") + "/map/";
  return dir + (rivers ? "wdb_rivers_" : "gshhs_") + r + ".b";
}

void reportOpenError(const std::string& path) {
  writeMessageLine(" <<<< Open error: " + path);
}

// The built-in coastlines as a low-resolution shoreline file: every
// coastline ring becomes a land polygon (level 1), every lake a lake
// polygon (level 2), each with a full header.
std::vector<unsigned char> builtinShorelineFile() {
  std::vector<unsigned char> out;
  int id = 0;
  for (int k = 0; k < kBuiltinMapLineCount; ++k) {
    const BuiltinMapLine& l = kBuiltinMapLines[k];
    if (l.kind != kMapCoast && l.kind != kMapLake) continue;
    const int level = l.kind == kMapCoast ? 1 : 2;
    const int16_t* p = kBuiltinMapPoints + 2 * l.start;
    int32_t w = 360000000, e = -360000000, s = 90000000, nn = -90000000;
    for (int i = 0; i < l.count; ++i) {
      int32_t x = p[2 * i] * 10000, y = p[2 * i + 1] * 10000;
      if (x < 0) x += 360000000;
      w = std::min(w, x); e = std::max(e, x); s = std::min(s, y); nn = std::max(nn, y);
    }
    putWord(out, id++);
    putWord(out, l.count);
    putWord(out, level | (12 << 8));  // format version 12
    putWord(out, w); putWord(out, e); putWord(out, s); putWord(out, nn);
    putWord(out, 0); putWord(out, 0); putWord(out, -1); putWord(out, -1);
    for (int i = 0; i < l.count; ++i) {
      int32_t x = p[2 * i] * 10000;
      if (x < 0) x += 360000000;
      putWord(out, x);
      putWord(out, p[2 * i + 1] * 10000);
    }
  }
  return out;
}

bool readTextMap(const std::string& path, std::vector<ShorelinePolygon>& out, bool& opened) {
  std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(path.c_str(), "r"), &std::fclose);
  opened = f != nullptr;
  if (!opened) return false;
  char line[512];
  ShorelinePolygon cur;
  auto flush = [&]() {
    if (cur.lon.size() >= 2) out.push_back(cur);
    cur = ShorelinePolygon{};
  };
  while (std::fgets(line, sizeof line, f.get()) != nullptr) {
    if (line[0] == '#') {
      flush();
      continue;
    }
    double x, y;
    if (std::sscanf(line, "%lf %lf", &x, &y) == 2 && std::isfinite(x) && std::isfinite(y) &&
        std::fabs(y) <= 90.0) {
      if (x >= 180.0) x -= 360.0;
      cur.lon.push_back(x);
      cur.lat.push_back(y);
    }
  }
  flush();
  return true;
}

}  // namespace zantor
