#include "devices/files.h"

#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>

#include "core/format.h"
#include "core/state.h"

namespace zantor {

bool fileExists(const std::string& path) {
  struct stat st{};
  return !path.empty() && ::stat(path.c_str(), &st) == 0;
}

std::string_view gfilnnMessage(int status) {
  switch (status) {
    case 37: return "Syntax error in filename.";
    case 168: return "Plotfile cannot be deleted";
    case 169: return "Plotfile does exist";
    case 170: return "Too many file versions";
    default: return "";
  }
}

int gfilnn(FixedString<256>& name) {
  const Zanglb& g = zanglb;
  const std::string path = name.str();
  switch (g.iflmod) {
    case 1:  // DELE
      if (fileExists(path) && std::remove(path.c_str()) != 0) return 168;
      return 0;
    case 2:  // BREA
      return fileExists(path) ? 169 : 0;
    default:  // COUN, VERS
      break;
  }
  if (!fileExists(path)) return 0;

  std::size_t slash = path.rfind('/');
  std::size_t base = slash == std::string::npos ? 0 : slash + 1;
  std::size_t dot = path.rfind('.');
  if (dot == std::string::npos || dot < base) dot = path.size();
  const std::string dir = path.substr(0, base);
  std::string stem = path.substr(base, dot - base);
  const std::string ext = path.substr(dot);
  if (stem.empty()) return 37;

  const std::string sep = g.iflsep == 0 ? "_" : g.iflsep == 1 ? "-" : "";
  int64_t limit = 1;
  for (int i = 0; i < g.ifldig; ++i) limit *= 10;
  for (int64_t k = 1;; ++k) {
    if (k >= limit) return 170;
    std::string number = g.iflnum == 1 ? fmtIm(k, 0, g.ifldig) : fmtInt(k);
    std::string s = stem;
    if (g.iflmod == 0) {  // COUN keeps names short: stem + number within 8
      std::size_t keep = 8 - std::min<std::size_t>(8, sep.size() + number.size());
      if (s.size() > keep) s.resize(keep);
    }
    std::string candidate = dir + s + sep + number + ext;
    if (candidate.size() > FixedString<256>::size()) return 37;
    if (!fileExists(candidate)) {
      name = candidate;
      return 0;
    }
  }
}

// The build names the installation directory after its install prefix.
#ifndef ZANTOR_DEFAULT_DIR
#define ZANTOR_DEFAULT_DIR "/usr/local/zantor"
#endif

std::string qqgetenv(std::string_view name) {
  std::string key(name);
  const char* v = std::getenv(key.c_str());
  std::string value = v == nullptr ? std::string() : std::string(v);
  bool blank = value.find_first_not_of(' ') == std::string::npos;
  if (key == "ZANTOR" && blank) return ZANTOR_DEFAULT_DIR;
  return value;
}

std::string_view deviceExtension(int code) {
  switch (code) {
    case 201: return "met";
    case 211: return "cgm";
    case 221: return "wmf";
    case 231: return "emf";
    case 401: case 402: case 403: case 404: case 405: return "hpg";
    case 501: case 502: return "psc";
    case 503: return "eps";
    case 504: return "ps";
    case 511: return "pdf";
    case 601: return "tif";
    case 602: return "img";
    case 604: return "png";
    case 605: return "ppm";
    case 606: return "bmp";
    case 607: return "gif";
    case 701: return "java";
    case 801: return "svg";
    case 802: return "ipe";
    default: return "";
  }
}

}  // namespace zantor
