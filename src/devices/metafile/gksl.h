// The library's own metafile: normalised device coordinates as text fields.
#pragma once
#include "devices/device.h"

namespace zantor {

class GkslDevice : public Device {
 public:
  int start() override;
  void move(double x, double y) override { point(x, y, 3); }
  void draw(double x, double y) override { point(x, y, 2); }
  int finish() override;

 private:
  void point(double x, double y, int pen);
  int pen_ = 0;  // pen state of the last record: 2 drawing, 3 moving
};

}  // namespace zantor
