// The level protocol: which routine may be called when.
#pragma once
#include <string_view>

namespace zantor {

// Returns 0 when lo <= nlev <= hi, otherwise issues "Incorrect level" with
// the current level and returns 1.  Records the routine name for warnings.
// The first call of the process sets the one-time defaults.
int jqqlev(int lo, int hi, std::string_view routine);

// jqqlev with the range 1..3; callers warn and still make their setting.
int chkini(std::string_view routine);

// Sets the one-time defaults if no level check has run yet.
void ensureOneTimeDefaults();

// Tests: back to a fresh process (one-time defaults, level 0).
void resetProcessState();

// Records the routine name for warnings without a level check.
void setRoutineName(std::string_view routine);

}  // namespace zantor
