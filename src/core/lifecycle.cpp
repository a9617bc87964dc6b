// zanini, zanfin and the page-level routines of the level protocol.
#include <cstdio>
#include <string>

#include "core/api.h"
#include "core/clock.h"
#include "core/defaults.h"
#include "core/format.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "devices/dispatch.h"
#include "devices/files.h"
#include "draw/colour.h"
#include "draw/page.h"
#include "draw/pipeline.h"
#include "hwfonts/outline_fonts.h"

namespace zantor {

constexpr float kVersion = 11.6f;
// The build tag that closes every usage log line.
constexpr const char* kBuildTag = "GNU";

namespace {
bool usageLogged = false;  // one usage line per process
}  // namespace

void resetUsageLog() { usageLogged = false; }

// Appends one line per process to zantor.log in the installation
// directory; an unwritable log is silently retried by the next call.
void zanlog() {
  if (usageLogged) return;
  std::string path = qqgetenv("ZANTOR");
  if (!path.empty() && path.back() != '/') path += '/';
  path += "zantor.log";
  std::FILE* f = std::fopen(path.c_str(), "a");
  if (f == nullptr) return;
  usageLogged = true;
  std::string user = qqgetenv("LOGNAME").substr(0, 20);
  user.resize(13, ' ');
  DateTime t = now();
  std::string line = user + dateDMY(t) + "  " + timeHMS(t) + " " + fmtF(kVersion, 4, 1) +
                     "  " + kBuildTag + "\n";
  std::fputs(line.c_str(), f);
  std::fclose(f);
}

}  // namespace zantor

using namespace zantor;

ZANTOR_API void zanini_() try {
  if (jqqlev(0, 0, "ZANINI") != 0) return;
  Zanglb& g = zanglb;
  g.nlev = 1;
  g.nplvec = g.nplerr = g.nplray = g.nnouts = g.nnans = 0;
  g.isymfl = 0;
  const int32_t one = 1;
  g.ibytor = *reinterpret_cast<const unsigned char*>(&one) == 1 ? 1 : 0;
  g.ihwcop = 2;
  if (g.ndev == 0) {
    g.ndev = 201;
    g.cmeta = "GKSL";
  }
  g.inoers = g.iscrmd;
  if (g.iscrmd == 4) {
    const int d = g.ndev;
    g.inoers = (d == 511 || d == 503 || d == 504 || d == 801 || d == 802) ? 2 : 0;
  }
  zanlog();
  defvar();
  g.nxwind = g.nywind = 0;
  if (g.iwind == 1) {
    g.nxwind = g.nxusrw; g.nywind = g.nyusrw;
    g.nwwind = g.nwusrw; g.nhwind = g.nhusrw;
  } else if (g.iwind == 2) {
    g.nwwind = g.nwusrw; g.nhwind = g.nhusrw;
  } else if (g.nxres <= g.nyres) {
    g.nwwind = 603; g.nhwind = 853;
  } else {
    g.nwwind = 853; g.nhwind = 603;
  }
  g.ndepth = 8;
  // The device's default colour table is known before its header is
  // written: backgrounds are drawn in colour 0 of that table.
  resetColourDefaults();
  if (g.ndev >= 101) {
    zani02();
    if (g.nlev != 0) zani03();
  } else {
    zani01();
  }
  if (g.nlev != 0) {
    g.inanop = -1;
    resall();
  }
} catch (...) {
  // A plot that could not be set up is not open: as for a device without
  // memory, warning 53 and level 0.
  zanglb.nlev = 0;
  publicRoutineFailed();
}

ZANTOR_API void zanfin_() try {
  if (jqqlev(1, 3, "ZANFIN") != 0) return;
  Zanglb& g = zanglb;
  qqstrk();
  int code = finishDevice();
  g.nlev = 0;
  g.isymfl = 1;
  releaseOutlineFonts();  // the faces and glyphs of the hardware fonts
  zanlog();
  if (g.ierrop == 1) code += 10;
  finishMessages(code);
} ZANTOR_CATCH

ZANTOR_API void getlev_(int32_t* nlev) try {
  ensureOneTimeDefaults();
  *nlev = zanglb.nlev;
} ZANTOR_CATCH

ZANTOR_API float getver_() try { return kVersion; } ZANTOR_CATCH_RETURN(0)

ZANTOR_API void erase_() try {
  if (jqqlev(1, 3, "ERASE") != 0) return;
  qqstrk();
  if (Device* d = currentDevice()) d->erase();
} ZANTOR_CATCH

ZANTOR_API void newpag_() try {
  if (jqqlev(1, 1, "NEWPAG") != 0) return;
  qqstrk();
  ++zanglb.npagnr;
  // The writer's new page restores cap, join, width and colour itself.
  if (Device* d = currentDevice()) d->newPage();
} ZANTOR_CATCH
