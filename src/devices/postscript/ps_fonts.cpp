// PostScript settings of the calling program: psmode and psmeta (psfont
// belongs to the hardware fonts).
#include <string_view>

#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "devices/postscript/ps_fonts.h"
#include "hwfonts/font_metrics.h"

namespace zantor {

bool isStandardPostScriptFont(std::string_view name) { return standardFontIndex(name) >= 0; }

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
