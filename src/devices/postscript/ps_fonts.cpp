// PostScript settings of the calling program: psmode, psmeta and psfont.
#include <array>
#include <string_view>

#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "devices/postscript/ps_fonts.h"

namespace zantor {
namespace {

// The 35 fonts every PostScript interpreter provides.
constexpr std::array<std::string_view, 35> kStandardFonts = {
    "Times-Roman", "Times-Bold", "Times-Italic", "Times-BoldItalic",
    "Helvetica", "Helvetica-Bold", "Helvetica-Oblique", "Helvetica-BoldOblique",
    "Helvetica-Narrow", "Helvetica-Narrow-Bold", "Helvetica-Narrow-Oblique",
    "Helvetica-Narrow-BoldOblique", "NewCenturySchlbk-Roman", "NewCenturySchlbk-Italic",
    "NewCenturySchlbk-Bold", "NewCenturySchlbk-BoldItalic", "ZapfChancery-MediumItalic",
    "ZapfDingbats", "Courier", "Courier-Bold", "Courier-Oblique", "Courier-BoldOblique",
    "AvantGarde-Book", "AvantGarde-Demi", "AvantGarde-BookOblique", "AvantGarde-DemiOblique",
    "Bookman-Light", "Bookman-LightItalic", "Bookman-Demi", "Bookman-DemiItalic",
    "Palatino-Roman", "Palatino-Italic", "Palatino-Bold", "Palatino-BoldItalic", "Symbol",
};

}  // namespace

bool isStandardPostScriptFont(std::string_view name) {
  for (std::string_view f : kStandardFonts)
    if (f == name) return true;
  return false;
}

}  // namespace zantor

using namespace zantor;

// NONE, GREE, ITAL and BOTH choose how special characters of hardware text
// are drawn (a setting of the current plot); MULT and SING choose between a
// multi-page document and a single page and must precede zanini.
ZANTOR_API void psmode_(const char* copt, size_t copt_len) try {
  if (jqqlev(0, 3, "PSMODE") != 0) return;
  const int i = jqqind("NONE+GREE+ITAL+BOTH+MULT+SING", 6, arg(copt, copt_len));
  if (i == 0) return;
  if (i >= 5) {
    if (jqqlev(0, 0, "PSMODE") != 0) return;
    zanglb.ipsold = i - 5;
  } else {
    if (jqqlev(1, 3, "PSMODE") != 0) return;
    zanglb.ipsmod = i - 1;
  }
} ZANTOR_CATCH

// One line of the calling program's own text for the file header, for
// example a "%%Title:" comment.  A blank text removes it.
ZANTOR_API void psmeta_(const char* cstr, size_t cstr_len) try {
  if (jqqlev(0, 0, "PSMETA") != 0) return;
  std::string_view s = trimmedArg(cstr, cstr_len);
  zanglb.cpsinf = s;
  zanglb.ipsinf = s.empty() ? 0 : 1;
} ZANTOR_CATCH

// Any name is accepted (the interpreter may know more fonts than the
// standard ones); an unknown one is only reported.
ZANTOR_API void psfont_(const char* cfont, size_t cfont_len) try {
  if (jqqlev(1, 3, "PSFONT") != 0) return;
  std::string_view name = trimmedArg(cfont, cfont_len);
  while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
  if (name.empty()) {
    warnin(2);
    return;
  }
  if (!isStandardPostScriptFont(name) && zanglb.ierrmd != 0)
    writeMessageLine(" <<<< Warning: " + std::string(name) + " is not a standard font!");
  zanglb.cpsfnt = name;
} ZANTOR_CATCH
