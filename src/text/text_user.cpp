// The conversion of user coordinates for rlmess and rlnumb: the
// transformation of the current axis system (map projections included).
#include <cmath>

#include "axes/axes.h"
#include "text/text_user.h"

namespace zantor {

bool userToPlot(float x, float y, float& xp, float& yp) {
  double px, py;
  userToPlot(static_cast<double>(x), static_cast<double>(y), px, py);
  if (!std::isfinite(px) || !std::isfinite(py)) return false;  // e.g. log of 0
  xp = static_cast<float>(px);
  yp = static_cast<float>(py);
  return true;
}

}  // namespace zantor
