#include "core/levels.h"

#include "core/state.h"
#include "core/warnings.h"

namespace zantor {

Zanglb zanglb;

namespace {
bool oneTimeDone = false;

int byteOrderTest() {
  const int32_t one = 1;
  return *reinterpret_cast<const unsigned char*>(&one) == 1 ? 1 : 0;
}

// Settings that persist from one plot to the next: made once per process,
// never reset by zanini or zanfin.
void setOneTimeDefaults() {
  Zanglb& g = zanglb;
  g.nunit = 6; g.ierrmd = 1; g.ndev = 0; g.nlev = 0;
  g.iscrmd = 4; g.nfil = 0; g.iflmod = 0; g.iwind = 0;
  g.ihwori = 0; g.ihwpag = 0; g.xhwscl = 1.0f; g.nwmflw = 1;
  g.xcmres = 2969.0f; g.ycmres = 2099.0f; g.cpage = "DA4L"; g.isclmd = 0;
  g.xsclfc = 1.0f; g.xsclf2 = 1.0f; g.ipgmod = 0; g.xpgoff = 0.0f;
  g.ix11md = 0; g.ibytor = byteOrderTest(); g.ierrfl = 0; g.ierrdv = 0;
  g.iwinap = 0; g.icgpic = 0; g.icgbgd = 0; g.ncgver = 1;
  g.ioptdt = 0; g.ipdfmd = 1; g.imagfm = 0; g.iwmffm = 0;
  g.ixidop = 0; g.iflgco = 0; g.xfcuni = 1.0f; g.ibmprs = 2500;
  g.itifrs = 100; g.itifmd = 2; g.ipngtr = 0; g.ihpgpl = 0;
  g.igiftr = 0; g.nsypts = 0; g.ierrop = 0; g.ipsold = 0;
  g.iflsep = 0; g.iflnum = 0; g.ifldig = 4; g.iflscl = 0;
  g.idsenv = 0; g.iopqp[0] = g.iopqp[1] = g.iopqp[2] = 0;
  g.inanop = 0; g.iclphw = 0; g.iwinjs = 0; g.ipsinf = 0;
  g.xpi = 3.1415927f; g.fpi = 0.017453292f; g.eps = 1.0e-35f;
  g.cerrfl = "zantor.err";
}
}  // namespace

void ensureOneTimeDefaults() {
  if (!oneTimeDone) {
    oneTimeDone = true;
    setOneTimeDefaults();
  }
}

void resetUsageLog();  // lifecycle.cpp

void resetProcessState() {
  zanglb = Zanglb{};
  resetUsageLog();
  oneTimeDone = true;
  setOneTimeDefaults();
}

void setRoutineName(std::string_view routine) { zanglb.crout = routine; }

int jqqlev(int lo, int hi, std::string_view routine) {
  ensureOneTimeDefaults();
  setRoutineName(routine);
  if (lo <= zanglb.nlev && zanglb.nlev <= hi) return 0;
  warni1(3, zanglb.nlev);
  return 1;
}

int chkini(std::string_view routine) { return jqqlev(1, 3, routine); }

}  // namespace zantor
