// Contour points handed back to the caller instead of drawn (conpts,
// tripts): curve k has counts[k] points, stored one after another.
#pragma once
#include <cstdint>

#include "contour/trace.h"
#include "core/warnings.h"

namespace zantor {

class PointStore : public ContourSink {
 public:
  PointStore(float* x, float* y, int maxpts, int32_t* counts, int maxcrv, int32_t& ncurvs)
      : x_(x), y_(y), maxpts_(maxpts), counts_(counts), maxcrv_(maxcrv), ncurvs_(ncurvs) {}
  void startLine() override {
    if (ncurvs_ >= maxcrv_) {
      qqerror(168, "Overflow - Too many contour lines");
      return;  // the points go on into the last curve
    }
    counts_[ncurvs_++] = 0;
  }
  void point(double x, double y) override {
    if (stored_ >= maxpts_) {
      if (!pointsReported_) qqerror(169, "Overflow - Too many contour points");
      pointsReported_ = true;
      return;
    }
    x_[stored_] = static_cast<float>(x);
    y_[stored_] = static_cast<float>(y);
    ++stored_;
    if (ncurvs_ > 0) ++counts_[ncurvs_ - 1];
  }
  void endLine() override {}

 private:
  float* x_;
  float* y_;
  int maxpts_;
  int32_t* counts_;
  int maxcrv_;
  int32_t& ncurvs_;
  int stored_ = 0;
  bool pointsReported_ = false;
};

}  // namespace zantor
