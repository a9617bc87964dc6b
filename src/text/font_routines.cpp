// The font routines: each replaces the font store with one font.
#include "core/api.h"
#include "core/levels.h"
#include "core/state.h"
#include "text/font_store.h"

namespace {

void selectFont(const char* routine, int ialf) {
  zantor::chkini(routine);  // warns at a wrong level; the font still loads
  zantor::loadFont(ialf);
}

}  // namespace

ZANTOR_API void zanalf_() try { selectFont("ZANALF", 1); } ZANTOR_CATCH
ZANTOR_API void complx_() try { selectFont("COMPLX", 3); } ZANTOR_CATCH
ZANTOR_API void simplx_() try { selectFont("SIMPLX", 4); } ZANTOR_CATCH
ZANTOR_API void duplx_() try { selectFont("DUPLX", 5); } ZANTOR_CATCH
ZANTOR_API void triplx_() try { selectFont("TRIPLX", 6); } ZANTOR_CATCH
ZANTOR_API void gothic_() try { selectFont("GOTHIC", 7); } ZANTOR_CATCH
ZANTOR_API void helve_() try { selectFont("HELVE", 11); } ZANTOR_CATCH
ZANTOR_API void helves_() try { selectFont("HELVES", 12); } ZANTOR_CATCH
ZANTOR_API void helvet_() try { selectFont("HELVET", 13); } ZANTOR_CATCH
ZANTOR_API void serif_() try { selectFont("SERIF", 14); } ZANTOR_CATCH

ZANTOR_API void shdcha_() try {
  zantor::chkini("SHDCHA");
  zantor::zanglb.nshade = 1;
} ZANTOR_CATCH
