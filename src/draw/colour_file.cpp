// Colour table files (vltfil): one line per entry with the red, green and
// blue components 0..1.
#include <charconv>
#include <cstdio>
#include <memory>
#include <string>

#include "core/api.h"
#include "core/args.h"
#include "core/format.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "devices/files.h"
#include "draw/colour.h"

namespace zantor {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

void saveTable(FixedString<256> name) {
  if (int status = gfilnn(name); status != 0) {
    qqserr(gfilnnMessage(status));
    warnin(status);
    return;
  }
  File f(std::fopen(name.str().c_str(), "w"));
  if (!f) {
    warnin(36);
    return;
  }
  for (int i = 0; i < 256; ++i) {
    const Rgb c = colourRgb(i);
    std::string line = fmtF(c.r / 255.0f, 10, 6) + fmtF(c.g / 255.0f, 10, 6) +
                       fmtF(c.b / 255.0f, 10, 6) + "\n";
    std::fputs(line.c_str(), f.get());
  }
  const bool failed = std::ferror(f.get()) != 0;
  if (std::fclose(f.release()) != 0 || failed) warnin(36);
}

// Reads one line without its end; false at the end of the file.
bool readLine(std::FILE* f, std::string& line) {
  line.clear();
  int c = 0;
  while ((c = std::getc(f)) != EOF && c != '\n') line.push_back(static_cast<char>(c));
  return c != EOF || !line.empty();
}

// Three reals in free format (blanks, tabs or commas between them; a
// Fortran "D" exponent is accepted).  Anything after the third is ignored.
bool parseComponents(std::string line, double v[3]) {
  for (char& c : line) {
    if (c == ',' || c == '\t' || c == '\r') c = ' ';
    else if (c == 'd' || c == 'D') c = 'E';
  }
  const char* p = line.data();
  const char* end = p + line.size();
  for (int k = 0; k < 3; ++k) {
    while (p < end && *p == ' ') ++p;
    if (p < end && *p == '+') ++p;
    auto [next, ec] = std::from_chars(p, end, v[k]);
    if (ec != std::errc() || (next < end && *next != ' ')) return false;
    p = next;
  }
  return true;
}

void loadTable(const std::string& name) {
  File f(std::fopen(name.c_str(), "r"));
  if (!f) {
    warnin(36);
    return;
  }
  std::string line;
  for (int32_t i = 0; i < 256 && readLine(f.get(), line);) {
    // Blank lines (an empty last line, a gap) hold no entry and are passed
    // over; they do not end the table.
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    double v[3] = {};
    if (!parseComponents(line, v)) {
      warnin(56);
      return;
    }
    setColourEntry(i++, static_cast<float>(v[0]), static_cast<float>(v[1]),
                   static_cast<float>(v[2]));
  }
}

}  // namespace
}  // namespace zantor

using namespace zantor;

ZANTOR_API void vltfil_(const char* cfil, const char* cmode, size_t cfil_len,
                        size_t cmode_len) try {
  if (jqqlev(1, 3, "VLTFIL") != 0) return;
  const int mode = jqqind("SAVE+LOAD", 2, arg(cmode, cmode_len));
  if (mode == 0) return;
  FixedString<256> name;
  name = arg(cfil, cfil_len);
  if (mode == 1) saveTable(name);
  else loadTable(name.str());
} ZANTOR_CATCH
