// HPGL plotter files ("HPGL" and the sheets "HPA4" to "HPA1"): pen-up and
// pen-down commands in plotter units through the line buffer, a pen per
// colour.  Fills arrive as software hatching (the device has none); wide
// lines are drawn by the plotter with a pen width command.
#pragma once
#include <string_view>

#include "devices/device.h"

namespace zantor {

class HpglDevice : public Device {
 public:
  DeviceCaps caps() const override;
  int start() override;
  void move(double x, double y) override { command("PU", x, y); }
  void draw(double x, double y) override { command("PD", x, y); }
  void colour(Rgb rgb, int32_t value) override;
  // "PW" with the width in millimetres for lines wider than 1.5 plotter
  // units, "PW;" (the plotter's own pen) when thin lines follow again.
  void lineWidth(double w) override;
  void newPage() override;
  int finish() override;

  // The pen (1 to 7) that draws a colour on a plotter with the usual
  // carousel: 1 black, 2 red, 3 green, 4 blue, 5 cyan, 6 magenta, 7 yellow.
  static int penFor(Rgb rgb);

 private:
  void command(std::string_view pen, double x, double y);
  int pen_ = 1;
  double width_ = 0;  // millimetres of the last "PW", 0: the plotter's own pen
};

}  // namespace zantor
