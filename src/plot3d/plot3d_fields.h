// Fields of the state record owned by 3D axis systems, their projection
// and the surfaces drawn in them with hidden lines removed.
#pragma once
#include <cstdint>

namespace zantor {

struct Plot3dFields {
  // Scaling passed to graf3d (exponents on logarithmic axes), first label
  // and label step per axis.
  float xa3d = 0, xe3d = 1, ya3d = 0, ye3d = 1, za3d = 0, ze3d = 1;
  float xor3d = 0, xstp3d = 1, yor3d = 0, ystp3d = 1, zor3d = 0, zstp3d = 1;
  // Axis limits in user values, ascending (powers of the base on
  // logarithmic axes).
  float xmin3d = 0, xmax3d = 1, ymin3d = 0, ymax3d = 1, zmin3d = 0, zmax3d = 1;

  float x3axis[3] = {2.0f, 2.0f, 2.0f};  // box side lengths, absolute units
  float xvuabs[3] = {0, 0, 0};           // view point as set
  int32_t ivuabs = 0;                    // 0 default, 1 absolute, 2 user, 3 angles
  float xfoc3d[3] = {0, 0, 0};           // focus point as set
  int32_t ifoc3d = 0;                    // 0 box centre, 1 absolute, 2 user
  float xfcabs = 0, yfcabs = 0, zfcabs = 0;  // focus, absolute coordinates
  // View point resolved by the last graf3d, absolute coordinates.
  double xvures = 4.0, yvures = -5.0, zvures = 4.0;
  float xvup3d = 0;                      // rotation about the viewing axis, radians
  float xang3d = 0.24497866f;            // half the view angle, radians
  float xclp3d = 1.0f, uclp3d = -1.0f;   // near and far clipping distances
  int32_t iprj3d = 0;                    // 0 central "PERS", 1 parallel "ORTH"
  float xscl3d = 1.0f;                   // scale of the parallel projection
  // The 4 x 4 transformation matrix, row by row.  Kept in double: the
  // rows are differences of nearly equal products near the view point.
  double xtrmat[16] = {};
  float xcen3 = 0, ycen3 = 0, xlmin3 = 1;  // picture centre and scale
  float xrot3d[3] = {0, 0, 0};           // rotation of 3D objects, degrees
  int32_t irot3d[3] = {0, 0, 0};
  float sina3d[3] = {0, 0, 0}, cosa3d[3] = {1, 1, 1};

  // Surfaces and hidden lines (ihlopt lives with the line pipeline).
  int32_t imkopt = 0;    // 0 test, 1 test and update, 2 update only
  int32_t inohid = 0;    // 1 = surfaces without hidden-line removal
  int32_t isurvs = 0;    // 0 AUTO, 1 TOP, 2 BOTT, 3 BOTH
  int32_t isurop = 0;    // 0 BOTH, 1 XISO, 2 YISO
  int32_t isfclr = 0;    // 1 = side colours set by surclr
  int32_t ictp = -1, icbt = -1;  // upper and lower side colour, -1 current
  int32_t isfcol = 0, isfcop = 0;
  int32_t iblsur = 0;    // 1 = hidden-line mode stays on after a surface
  int32_t isursz = 0;    // 1 = sursze limits set
  float xsursz[4] = {0, 0, 0, 0};  // xa, xe, ya, ye of sursze
};

}  // namespace zantor
