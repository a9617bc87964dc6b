#include "core/warnings.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/format.h"
#include "core/state.h"
#include "core/clock.h"
#include "devices/files.h"

namespace zantor {

namespace {

constexpr const char* kMessages[58] = {
    "Negative parameter",
    "Incorrect parameter",
    "Incorrect level",
    "X coordinate out of page",
    "Y coordinate out of page",
    "Same tick number as in a call before",
    "First radius greater than second radius",
    "Start angle greater/equal end angle",
    "Step equal zero",
    "Begin and end of scaling are equal",
    "Axis length < 2",
    "Startlabel out of scaling",
    "Linear scaling must be used",
    "Linear interpolation must be used",
    "No call to LEGINI before",
    "String too long for legend line",
    "Not enough store for the legend buffer",
    "Incorrect character after the EUSHFT operator",
    "The basealphabet cannot be used",
    "No metafile",
    "The routine must be called after ZANFIN",
    "The metafile is deleted before",
    "Non positive minimum for log scaling (set to 0.1)",
    "Non positive maximum for log scaling (set to 1.0)",
    "Minimum equal maximum (added -1 and +1)",
    "Too many intersections",
    "Non positive values for log scaling",
    "Number of bars unequal number of main ticks",
    "Sum of data is zero",
    "Incorrect number of points",
    "Incorrect number of points for spline interpolation",
    "No increasing X coordinates for spline interpolation",
    "Incorrect viewpoint",
    "No call to GRFINI before",
    "Confusion of GRAF3D and GRAF3",
    "File error",
    "Incorrect filename",
    "Singular matrix",
    "Too many pages for CGM-File (max. length * 327 cm)",
    "Fileformat and output device are incompatible",
    "Incorrect device for HPGL file",
    "More legend lines than calls to curve",
    "Instruction code: incorrect parameter",
    "Instruction code: incorrect tabulator index",
    "Instruction code: no integer value",
    "Instruction code: unknown command",
    "Blanking buffer overflow",
    "No call to PSFONT",
    "Fileformat is not PostScript",
    "Incorrect sign for step",
    "Non positive parameter",
    "Hiddenline overflow",
    "Not enough memory",
    "No call to IMGFIN",
    "No call to IMGINI",
    "Incorrect file format",
    "Control characters must be different",
    "Array is out of screen",
};

constexpr int kErrorUnit = 17;

// The error file on unit 17.
std::FILE* errorFile = nullptr;

std::string head(int n) {
  return " <<<< Warning" + fmtI(n, 4) + ": ";
}

std::string tail() {
  return " in " + std::string(zanglb.crout.trimmed());
}

bool messagesOff() { return zanglb.nunit == 0 || zanglb.ierrmd == 0; }

std::string fullPath(const std::string& name) {
  char buf[PATH_MAX];
  if (realpath(name.c_str(), buf) != nullptr) return buf;
  return name;
}

}  // namespace

void writeMessageLine(std::string_view line) {
  if (zanglb.nunit == 0) return;
  std::FILE* f = stdout;
  if (zanglb.nunit == kErrorUnit) {
    // Messages for the error file are lost when it could not be opened.
    if (errorFile == nullptr) return;
    f = errorFile;
  }
  std::fwrite(line.data(), 1, line.size(), f);
  std::fputc('\n', f);
  std::fflush(f);
}

void errmes(int n) {
  if (messagesOff()) return;
  if (n > 100) return;  // cerr keeps the text stored by qqserr
  if (n >= 1 && n <= 58) {
    zanglb.cerr = kMessages[n - 1];
    return;
  }
  writeMessageLine(" <<<< Incorrect parameter in ERRMES!" + fmtI(n, 4));
  zanglb.cerr.clear();
}

void qqserr(std::string_view text) { zanglb.cerr = text; }

void qqerror(int n, std::string_view text) {
  ++zanglb.nplerr;
  if (messagesOff()) return;
  qqerrfil();
  std::string_view t = text.substr(0, text.find_last_not_of(' ') + 1);
  writeMessageLine(head(n) + std::string(t) + tail() + "!");
}

void warnin(int n) {
  errmes(n);
  qqerror(n, zanglb.cerr.trimmed());
}

void warni1(int n, int32_t value) {
  ++zanglb.nplerr;
  if (messagesOff()) return;
  errmes(n);
  qqerrfil();
  int w = (value >= -999 && value <= 9999) ? 4 : 8;
  writeMessageLine(head(n) + std::string(zanglb.cerr.trimmed()) + tail() + "!   (" +
                   fmtI(value, w) + ")");
}

void warnc1(int n, std::string_view value) {
  ++zanglb.nplerr;
  if (messagesOff()) return;
  errmes(n);
  qqerrfil();
  std::string v(value.substr(0, value.find_last_not_of(' ') + 1));
  // The value is echoed as the caller passed it, but control bytes (NUL,
  // escape, line ends) would garble the line or the terminal: each is
  // shown as "?".
  for (char& c : v)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
  writeMessageLine(head(n) + std::string(zanglb.cerr.trimmed()) + tail() + "!   (" + v + ")");
}

bool messagesGoToFile() {
  return (zanglb.nub == 6) || zanglb.iwinap == 1 || zanglb.ierrdv != 0;
}

void qqerrfil() {
  Zanglb& g = zanglb;
  if (g.ierrop != 0) return;
  bool wanted = (g.nub == 6 && g.nlev != 0) || g.iwinap == 1 || g.ierrdv != 0;
  if (!wanted) return;
  if (g.ierrfl == 0) g.cerrfl = "zantor.err";
  if (g.cerrfl.equals("/dev/null")) {
    errorFile = std::fopen("/dev/null", "w");
    if (errorFile != nullptr) g.ierrop = 1;
    return;
  }
  if (g.ierrdv == 2) {
    // Appending: an existing file is continued, never renamed.
    errorFile = std::fopen(g.cerrfl.str().c_str(), "a");
  } else {
    FixedString<256> name = g.cerrfl;
    if (gfilnn(name) != 0) return;
    g.cerrfl = name;
    errorFile = std::fopen(g.cerrfl.str().c_str(), "w");
  }
  if (errorFile == nullptr) return;
  g.cerrfl = fullPath(g.cerrfl.str());
  g.ierrop = 1;
}

void closeErrorFile() {
  if (errorFile != nullptr) {
    std::fclose(errorFile);
    errorFile = nullptr;
  }
  zanglb.ierrop = 0;
}

void dprcol(int code) {
  const Zanglb& g = zanglb;
  if (g.iproto == 0 || g.nunit == 0) return;
  auto left = [](int64_t v, int w) {
    std::string s = fmtInt(v);
    if (static_cast<int>(s.size()) < w) s.append(static_cast<std::size_t>(w) - s.size(), ' ');
    return s;
  };
  auto field58 = [](std::string s) {
    s.resize(58, ' ');
    return "  <<  " + s + "  <<";
  };
  DateTime t = now();
  const std::string rule = "  " + std::string(66, '<');
  writeMessageLine("   ");
  writeMessageLine(rule);
  writeMessageLine("  <<" + std::string(16, ' ') + "END  OF  ZANTOR / VERSION " +
                   fmtF(11.6, 4, 1) + "   " + std::string(13, ' ') + "<<");
  writeMessageLine("  <<  Date    : " + dateDMY(t) + "  Time    : " + timeHMS(t) +
                   "  Pageformat: " + std::string(g.cpage.view()) + "  <<");
  writeMessageLine("  <<  Vectors : " + left(g.nplvec, 10) + "  Warnings: " +
                   left(g.nplerr, 8) + "  Fileformat: " + std::string(g.cmeta.view()) +
                   "  <<");
  if (g.nnans > 0) writeMessageLine(field58("NaN:      " + left(g.nnans, 10)));
  if (code != 10) {
    std::string name = code % 10 == 0 ? std::string() : std::string(g.cfil.view().substr(0, 48));
    writeMessageLine(field58("Metafile: " + name));
  }
  if (code >= 10) writeMessageLine(field58("Err-file: " + std::string(g.cerrfl.view().substr(0, 48))));
  writeMessageLine(rule);
  writeMessageLine("   ");
}

void finishMessages(int protocolCode) {
  Zanglb& g = zanglb;
  if (!messagesGoToFile()) {
    dprcol(protocolCode);
    return;
  }
  if (g.iproto == 2) {
    // The protocol goes into the error file itself.
    int saved = g.nunit;
    g.nunit = kErrorUnit;
    int savedLev = g.nlev;
    g.nlev = 1;  // the file may still be opened for the protocol
    qqerrfil();
    g.nlev = savedLev;
    if (g.ierrop == 1) dprcol(protocolCode % 10 + 10);
    closeErrorFile();
    g.nunit = saved == kErrorUnit ? 6 : saved;
    return;
  }
  closeErrorFile();
  if (g.nunit == kErrorUnit) g.nunit = 6;
  dprcol(protocolCode);
}

}  // namespace zantor
