// Java applet source: the picture as drawing calls of a paint method.
#pragma once
#include "devices/device.h"

namespace zantor {

class JavaDevice : public Device {
 public:
  int start() override;
  void move(double x, double y) override;
  void draw(double x, double y) override;
  void colour(Rgb rgb, int32_t value) override;
  void erase() override;
  int finish() override;

 private:
  long x_ = 0, y_ = 0;  // current point in window pixels
};

}  // namespace zantor
