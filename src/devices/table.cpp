// The device table and the level-0 output settings.
#include <array>
#include <string_view>

#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "devices/dispatch.h"

namespace zantor {
namespace {

struct DeviceEntry {
  std::string_view keyword;
  int code;
};

// Searched in this order; the first complete match wins.
constexpr std::array<DeviceEntry, 36> kDevices{{
    {"GKSL", 201}, {"CGM ", 211}, {"HPGL", 401}, {"HPA4", 402}, {"HPA3", 403},
    {"HPA2", 404}, {"HPA1", 405}, {"CONS", 101}, {"POST", 501}, {"PSCL", 502},
    {"XWIN", 72},  {"XWI1", 72},  {"XWI2", 73},  {"XWI3", 74},  {"XWI4", 75},
    {"XWI5", 76},  {"XWI6", 77},  {"XWI7", 78},  {"XWI8", 79},  {"XWND", 80},
    {"TIFF", 601}, {"IMAG", 602}, {"VIRT", 603}, {"PNG ", 604}, {"JAVA", 701},
    {"WMF ", 221}, {"EMF ", 231}, {"PPM ", 605}, {"PDF ", 511}, {"EPS ", 503},
    {"BMP ", 606}, {"PS  ", 504}, {"SVG ", 801}, {"IPE ", 802}, {"GIF ", 607},
    {"GL  ", 81},
}};

// The first four characters, upper-cased and blank padded.
std::string key4(std::string_view s) {
  std::string k(4, ' ');
  for (std::size_t i = 0; i < 4 && i < s.size(); ++i) {
    char c = s[i];
    k[i] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  }
  return k;
}

}  // namespace

int deviceCode(std::string_view keyword) {
  std::string k = key4(keyword);
  if (k >= "MET1" && k <= "MET9") return 80;
  for (const auto& e : kDevices)
    if (e.keyword == k) return e.code;
  return 0;
}

}  // namespace zantor

using namespace zantor;

ZANTOR_API void metafl_(const char* cfmt, size_t cfmt_len) try {
  if (jqqlev(0, 0, "METAFL") != 0) return;
  std::string_view s = arg(cfmt, cfmt_len);
  int code = deviceCode(s);
  if (code == 0) {
    warnc1(2, trimmedArg(cfmt, cfmt_len));
    return;
  }
  if (code == 101) code = displayReachable() ? 80 : 201;
  if (code == 81 && !openGlSupported()) {
    qqserr("OPENGL is not supported");
    warnin(181);
    code = 80;
  }
  zanglb.ndev = code;
  zanglb.cmeta = key4(s);
  zanglb.imetfl = 1;
} ZANTOR_CATCH

ZANTOR_API void setfil_(const char* cfil, size_t cfil_len) try {
  if (jqqlev(0, 0, "SETFIL") != 0) return;
  zanglb.cfil = arg(cfil, cfil_len);
  zanglb.nfil = 1;
} ZANTOR_CATCH

ZANTOR_API void filmod_(const char* cmode, size_t cmode_len) try {
  if (jqqlev(0, 3, "FILMOD") != 0) return;
  int i = jqqind("COUN+DELE+BREA+VERS", 4, arg(cmode, cmode_len));
  if (i != 0) zanglb.iflmod = i - 1;
} ZANTOR_CATCH

ZANTOR_API void filopt_(const char* cval, const char* copt, size_t cval_len, size_t copt_len) try {
  if (jqqlev(0, 3, "FILOPT") != 0) return;
  int opt = jqqind("SEPA+NUMB+DIGI+SCAL", 4, arg(copt, copt_len));
  std::string_view v = arg(cval, cval_len);
  int i = 0;
  switch (opt) {
    case 1:
      if ((i = jqqind("UNDE+HYPH+NONE", 3, v)) != 0) zanglb.iflsep = i - 1;
      break;
    case 2:
      if ((i = jqqind("SHOR+LONG", 2, v)) != 0) zanglb.iflnum = i - 1;
      break;
    case 3:
      if ((i = jqqind("2   +3   +4   +5   +6   ", 5, v)) != 0) zanglb.ifldig = i + 1;
      break;
    case 4:
      if ((i = jqqind("OFF +PAGE+VIEW+ON  ", 4, v)) != 0) zanglb.iflscl = i == 4 ? 1 : i - 1;
      break;
    default:
      break;
  }
} ZANTOR_CATCH

ZANTOR_API void scrmod_(const char* cmode, size_t cmode_len) try {
  if (jqqlev(0, 3, "SCRMOD") != 0) return;
  static constexpr int kModes[5] = {0, 1, 2, 0, 4};
  int i = jqqind("ERAS+NOER+REVE+NORE+AUTO", 5, arg(cmode, cmode_len));
  if (i != 0) zanglb.iscrmd = kModes[i - 1];
} ZANTOR_CATCH

ZANTOR_API void sendbf_() try {
  if (jqqlev(0, 3, "SENDBF") != 0) return;
  if (zanglb.nlev > 0) sendBuffer();
} ZANTOR_CATCH
