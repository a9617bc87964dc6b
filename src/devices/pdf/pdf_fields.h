// Fields of the state record owned by the PDF writer's settings (pdfmod).
#pragma once
#include <cstdint>

namespace zantor {

struct PdfFields {
  int32_t ipdfcm = 1;  // content and image streams compressed (COMP ON)
  int32_t ipdfbf = 0;  // the document goes to memory for pdfbuf (BUFF ON)
};

}  // namespace zantor
