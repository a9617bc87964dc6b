// The library's own metafile: normalised device coordinates as text fields.
#pragma once
#include "devices/device.h"

namespace zantor {

class GkslDevice : public Device {
 public:
  int start() override;
  void move(double x, double y) override { point(x, y, 3); }
  void draw(double x, double y) override { point(x, y, 2); }
  // A colour record: the code field " 5.0000000" and red, green and blue
  // as fractions of 1 (F10.7 each).  Codes are the fields of 2 and above,
  // as coordinates lie in 0 to 1.  The colour a plot starts with is the
  // reader's default and not recorded; a change is recorded before the
  // next point, so a colour never used leaves no record.
  void colour(Rgb rgb, int32_t value) override;
  // Line widths are recorded like colours: the code field " 6.0000000"
  // and the width in normalised device units (F10.7), before the next
  // point, when it differs from the last one recorded (one plot unit at
  // the start).
  DeviceCaps caps() const override;
  void lineWidth(double w) override;
  int finish() override;

 private:
  void point(double x, double y, int pen);
  int pen_ = 0;  // pen state of the last record: 2 drawing, 3 moving
  bool started_ = false;  // the first colour (the plot's default) was seen
  bool pending_ = false;  // colour_ differs from the last recorded colour
  Rgb colour_, recorded_;
  double width_ = -1, recordedWidth_ = -1;  // -1: one plot unit
};

}  // namespace zantor
