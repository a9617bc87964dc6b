// Public routines of the PDF writer: pdfmod (compression, memory output),
// pdfmrk (bookmarks) and pdfbuf (the in-memory document).
#include <algorithm>
#include <cstring>

#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "devices/pdf/pdf_document.h"
#include "draw/pipeline.h"

using namespace zantor;

// pdfmod("ON"/"OFF", "COMP"/"BUFF"): stream compression (default on) and
// output to memory for pdfbuf (default off), for the next document.
ZANTOR_API void pdfmod_(const char* copt, const char* ckey, size_t copt_len, size_t ckey_len) try {
  if (jqqlev(0, 0, "PDFMOD") != 0) return;
  const int key = jqqind("COMP+BUFF", 2, trimmedArg(ckey, ckey_len));
  if (key == 0) return;
  const int on = jqqind("OFF +ON  ", 2, trimmedArg(copt, copt_len));
  if (on == 0) return;
  if (key == 1) zanglb.ipdfcm = on - 1;
  else zanglb.ipdfbf = on - 1;
} ZANTOR_CATCH

// A bookmark for the current page.  The level may descend one step at a
// time from the previous bookmark (the first is a chapter); a title longer
// than 256 characters is refused with warning 2 (trailing blanks do not
// count).
ZANTOR_API void pdfmrk_(const char* ctext, const char* copt, size_t ctext_len, size_t copt_len) try {
  if (jqqlev(1, 3, "PDFMRK") != 0) return;
  const int level = jqqind("CHAP+SECT+SUBS+PARA+SUBP", 5, trimmedArg(copt, copt_len));
  if (level == 0) return;
  if (zanglb.ndev != 511 || !pdf::haveDocument()) {
    warnin(40);
    return;
  }
  const std::string_view text = trimmedArg(ctext, ctext_len);
  if (text.size() > 256) {
    warnin(2);
    return;
  }
  std::string title;
  title.reserve(text.size() + 8);
  for (char c : text) {
    if (c == '(' || c == ')' || c == '\\') title += '\\';
    title += c;
  }
  qqstrk();
  // The library's message number for a broken bookmark hierarchy.
  if (!pdf::document().addBookmark(level, title)) qqerror(177, "Bad structure for bookmarks");
} ZANTOR_CATCH

// pdfbuf(cbuf, nmax, n): copies the finished in-memory document into cbuf
// and frees it; n = its size.  nmax = 0 asks for the size only.  Status
// in n: -1 the memory buffer failed to grow, -2 no document, -3 cbuf is
// smaller than the document (the document is kept).
ZANTOR_API void pdfbuf_(char* cbuf, const int32_t* nmax, int32_t* n, size_t cbuf_len) try {
  if (jqqlev(0, 0, "PDFBUF") != 0) return;
  if (!pdf::haveDocument() || !pdf::document().output().memory()) {
    *n = -2;
    return;
  }
  const pdf::Output& out = pdf::document().output();
  if (out.memoryFailed()) {
    *n = -1;
    pdf::releaseDocument();
    return;
  }
  const std::size_t size = out.size();
  if (size > static_cast<std::size_t>(INT32_MAX)) {
    *n = -1;
    return;
  }
  if (*nmax == 0) {
    *n = static_cast<int32_t>(size);
    return;
  }
  const std::size_t capacity = std::min<std::size_t>(std::size_t(std::max(*nmax, 0)), cbuf_len);
  if (size > capacity || cbuf == nullptr) {
    *n = -3;
    return;
  }
  std::memcpy(cbuf, out.data(), size);
  *n = static_cast<int32_t>(size);
  pdf::releaseDocument();
} ZANTOR_CATCH
