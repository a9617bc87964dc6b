// The guard at the public interface: an exception that a routine meets
// becomes a warning instead of crossing into the calling program.
#include "core/api.h"
#include "core/warnings.h"

namespace zantor {

void publicRoutineFailed() noexcept {
  // Writing the warning allocates too; when even that fails, the routine
  // returns silently rather than let the second exception out.
  try {
    warnin(53);
  } catch (...) {
  }
}

}  // namespace zantor
