// Hardware characters of the PDF writer: text objects in the 35 standard
// Type 1 fonts.
#include <algorithm>
#include <cmath>

#include "core/format.h"
#include "devices/latin1.h"
#include "devices/pdf/pdf_device.h"
#include "devices/pdf/pdf_document.h"

namespace zantor {

void PdfDevice::character(const DeviceChar& c) {
  flush();
  const int font = std::clamp(c.font, 0, pdf::kFontCount - 1);
  const double size = std::isfinite(c.height) && c.height > 0 ? c.height : 1.0;
  const double scale = std::isfinite(c.widthScale) && c.widthScale > 0 ? c.widthScale : 1.0;
  if (!std::isfinite(c.x) || !std::isfinite(c.y)) return;
  // A change of font or size closes the open text object.
  if (textOpen_ && (font != textFont_ || size != textSize_ || scale != textScale_)) endText();
  setFill(colour_);
  if (!textOpen_) {
    scratch_ = "BT";
    line();
    scratch_ = "/F";
    appendInt(scratch_, font + 1);
    scratch_ += ' ';
    appendFixed(scratch_, size, 1);
    scratch_ += " Tf";
    line();
    scratch_.clear();
    appendInt(scratch_, std::lround(scale * 100));
    scratch_ += " Tz";
    line();
    pdf::document().useFont(font);
    textOpen_ = true;
    textFont_ = font;
    textSize_ = size;
    textScale_ = scale;
  }
  const double a = std::isfinite(c.angle) ? c.angle : 0.0;
  if (a == 0) {
    scratch_ = "1 0 0 1 ";
  } else if (a == 90) {
    scratch_ = "0 1 -1 0 ";
  } else {
    const double r = a * 3.14159265358979323846 / 180.0;
    scratch_.clear();
    for (double v : {std::cos(r), std::sin(r), -std::sin(r), std::cos(r)}) {
      appendFixed(scratch_, v, 2);
      scratch_ += ' ';
    }
  }
  appendFixed(scratch_, c.x, 2);
  scratch_ += ' ';
  appendFixed(scratch_, c.y, 2);
  scratch_ += " Tm";
  line();
  int code = c.code;
  scratch_ = "(";
  if (code >= 32 && code < 127 && code != '(' && code != ')' && code != '\\') {
    scratch_ += static_cast<char>(code);
  } else {
    // Special characters by their Latin-1 code; codes from 188 and control
    // characters are blanks.
    code = (code >= 127 && code <= 187) ? latin1Code(code) : (code > 187 || code < 32 ? 32 : code);
    scratch_ += '\\';
    scratch_ += static_cast<char>('0' + ((code >> 6) & 7));
    scratch_ += static_cast<char>('0' + ((code >> 3) & 7));
    scratch_ += static_cast<char>('0' + (code & 7));
  }
  scratch_ += ") Tj";
  line();
}

}  // namespace zantor
