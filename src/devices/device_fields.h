// Fields of the state record owned by the device table and output files.
#pragma once
#include <cstdint>
#include "core/fixed_string.h"

namespace zantor {

struct DeviceFields {
  int32_t ndev = 0;          // device code, 0 = none chosen yet
  FixedString<4> cmeta;      // format keyword
  int32_t imetfl = 0;        // 1 once metafl accepted a keyword
  FixedString<256> cfil;     // output file name
  int32_t nfil = 0;          // 0 default name, 1 set by setfil, 2 remembered
  int32_t iflmod = 0;        // existing files: 0 COUN, 1 DELE, 2 BREA, 3 VERS
  int32_t iflsep = 0;        // 0 "_", 1 "-", 2 none
  int32_t iflnum = 0;        // 0 SHOR, 1 LONG
  int32_t ifldig = 4;        // digits of a file number, 2..6
  int32_t iflscl = 0;        // filopt SCAL (stored only)
  int32_t iscrmd = 4;        // screen mode: 0 ERAS, 1 NOER, 2 REVE, 4 AUTO
  int32_t inoers = 0;        // resolved screen mode of the current plot
  int32_t nub = 15;          // unit of the plot file
  FixedString<80> cbuff;     // output line buffer
  int32_t nbuff = 0;         // characters in cbuff
  int32_t nbmax = 80;        // maximum line (record) length
  int32_t ndirec = 0;        // last record of a direct-access file

  // Level-0 format options read by the writers.
  int32_t iclrmd = 0, ix11md = 0, iwintp = 0;
  int32_t nwmflw = 1, icgpic = 0, icgbgd = 0, ncgver = 1;
  int32_t ioptdt = 0, ipdfmd = 1, imagfm = 0, iwmffm = 0;
  int32_t ixidop = 0, ibmprs = 2500, itifrs = 100, itifmd = 2;
  int32_t ipngtr = 0, ihpgpl = 0, igiftr = 0, nsypts = 0;
  int32_t ipsold = 0, idsenv = 0;
  int32_t iclphw = 0, ipsinf = 0;
};

}  // namespace zantor
