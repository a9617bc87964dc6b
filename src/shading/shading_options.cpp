// The options of shaded surfaces: flat or smooth shading (through shdmod)
// and their mesh lines (surmsh).
#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "shading/shaded_mesh.h"

namespace zantor {

void setSurfaceShading(const char* copt, std::size_t len) {
  const int i = jqqind("SMOO+FLAT", 2, arg(copt, len));
  if (i != 0) zanglb.ishsrf = i - 1;
}

}  // namespace zantor

using namespace zantor;

ZANTOR_API void surmsh_(const char* copt, size_t copt_len) try {
  if (jqqlev(1, 3, "SURMSH") != 0) return;
  const int i = jqqind("OFF +ON  +ONLY", 3, arg(copt, copt_len));
  if (i != 0) zanglb.isrmsh = i - 1;
} ZANTOR_CATCH
