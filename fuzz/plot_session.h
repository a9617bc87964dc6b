// A plot kept open across fuzz inputs: GKSL output into the scratch
// directory, warnings and protocol off, so targets exercise the library
// through its public routines without filling the terminal.
#pragma once
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "zantor.h"

namespace fuzz {

inline std::string scratchPath(const std::string& stem) {
  const char* tmp = std::getenv("TMPDIR");
  return std::string(tmp && *tmp ? tmp : "/tmp") + "/zantor_fuzz_" +
         std::to_string(static_cast<long>(getpid())) + "_" + stem;
}

inline void s(void (*f)(const char*, size_t), const std::string& v) { f(v.data(), v.size()); }

// Opens the plot on first use and returns.
inline void ensurePlot() {
  static bool open = false;
  if (open) return;
  open = true;
  errmod_("ALL", "OFF", 3, 3);
  s(metafl_, "GKSL");
  s(filmod_, "DELE");
  s(setfil_, scratchPath("plot.met"));
  zanini_();
  errmod_("ALL", "OFF", 3, 3);
}

}  // namespace fuzz
