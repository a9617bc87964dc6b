// Per-plot defaults loaded by zanini (and reset("ALL")).
#pragma once

namespace zantor {

void resall();

}  // namespace zantor
