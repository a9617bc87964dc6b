#include "core/defaults.h"

#include "axes/axis_string.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/colour.h"
#include "draw/page.h"
#include "draw/pipeline.h"

namespace zantor {

void resall() {
  Zanglb& g = zanglb;
  // Messages go to the error file when the plot itself goes to standard
  // output, in window applications and when errdev asked for a file.
  g.nunit = messagesGoToFile() ? 17 : 6;
  g.nx0 = 0;
  g.ny0 = 0;
  g.ipgorg = 0;
  g.nxa = g.nxadef;
  g.nya = g.nyadef;
  resetClipWindow();
  resetColourDefaults();
  resetAxisDefaults();
  g.ierrmd = 1;
  g.iproto = 1;
  g.nchek = 1;
  if (g.inanop != -1) g.inanop = 0;
}

}  // namespace zantor
