// Binary CGM metafiles: elements of the standard's binary encoding written
// through the line buffer into 80-byte records.  One picture per page.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "devices/device.h"
#include "devices/path_buffer.h"
#include "devices/wide_lines.h"

namespace zantor {

class CgmDevice : public OutlinedLineDevice {
 public:
  DeviceCaps caps() const override;
  int start() override;  // inicgm(1)
  void move(double x, double y) override;
  void draw(double x, double y) override;
  void flush() override;  // drwcgm 999
  void colour(Rgb rgb, int32_t value) override;
  void fillPolygon(const double* x, const double* y, int n) override;
  void newPage() override;  // inicgm(2)
  int finish() override;

 private:
  void inicgm(int mode);
  void beginPicture();
  void writeThinPath() override;
  void writePolyline(const int16_t* x, const int16_t* y, int n);
  void writeColour();
  PathBuffer path_;
  // Thick lines: filled outlines.
  bool interiorSet_ = false;  // INTERIOR STYLE solid written in this picture
  Rgb colour_;                // the current colour and whether the file has it
  bool colourWritten_ = true;
};

// Element encoding, exposed for the tests.
// The header of an element with `length` parameter bytes: the short form,
// or the long form (length 31 and a 16-bit length word) from 31 bytes on.
std::string cgmHeader(int cls, int id, std::size_t length);
// A string parameter: a count byte and the characters; from 255 characters
// on the count byte 255 and a 16-bit length word.
std::string cgmString(std::string_view s);
// A whole element: header, parameters and the padding byte of an odd
// length.
std::string cgmElement(int cls, int id, std::string_view params, bool longForm = false);

}  // namespace zantor
