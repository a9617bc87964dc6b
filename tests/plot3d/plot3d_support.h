// Test support for 3D axis systems: a plot on the trace device and short
// forms of the 3D routines.
#pragma once
#include <zantor.h>

#include "core/state.h"
#include "draw/line_trace.h"

namespace zantor::test {

class Plot3dTest : public LineTest {
 protected:
  void SetUp() override {
    LineTest::SetUp();
    startPlot();
  }
  void TearDown() override {
    zanfin_();
    LineTest::TearDown();
  }
  static void graf3d(float xa, float xe, float xo, float xs, float ya, float ye, float yo,
                     float ys, float za, float ze, float zo, float zs) {
    graf3d_(&xa, &xe, &xo, &xs, &ya, &ye, &yo, &ys, &za, &ze, &zo, &zs);
  }
  // The unit box: every axis from -1 to 1, so that user and absolute
  // coordinates agree.
  static void unitBox() { graf3d(-1, 1, -1, 1, -1, 1, -1, 1, -1, 1, -1, 1); }
  static void view(float x, float y, float z, const char* opt = "ABS") {
    view3d_(&x, &y, &z, opt, len(opt));
  }
  static int32_t level() {
    int32_t l = 0;
    getlev_(&l);
    return l;
  }
};

}  // namespace zantor::test
