// The conversion of user coordinates for rlmess and rlnumb.
//
// TO BE FILLED BY THE AXIS SYSTEMS: this is the one place that turns user
// coordinates into plot coordinates for the text routines.  It needs the
// scaling of the current axis system (xa, xdelta, xrel, ya, ydelta, yrel
// and the logarithmic flags), which does not exist yet; until then no
// position can be converted and rlmess / rlnumb draw nothing.
#include "text/text_user.h"

namespace zantor {

bool userToPlot(float, float, float&, float&) { return false; }

}  // namespace zantor
