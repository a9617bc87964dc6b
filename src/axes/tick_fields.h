// Fields of the state record owned by the ticks, labels and names of axes.
#pragma once
#include <cstdint>

namespace zantor {

struct TickFields {
  int32_t nticx[3] = {2, 2, 2};   // tick intervals per label step
  int32_t ntic1 = 16, ntic2 = 24; // minor and major tick lengths
  int32_t nrvx[3] = {0, 0, 0};    // 0 label side, 1 reverse side, 2 centred
  int32_t ilgtic = 0;             // log minor ticks: 0 automatic, 1 full
};

}  // namespace zantor
