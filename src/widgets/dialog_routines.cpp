// The ready-made dialogs: each shows one window, waits for the answer and
// returns it; dwgerr tells how the last one ended.
#include "core/api.h"
#include "core/args.h"
#include "widgets/motif_toolkit.h"
#include "widgets/widget_layer.h"

using namespace zantor;
using namespace zantor::widgets;

namespace {

// Keeps the status of the last dialog; 2 (no display) is reported.
void finished(int status, const char* routine) {
  if (status == 2) widgetError("Can't open X Window display", routine);
  layer().dialogStatus = status;
}

}  // namespace

ZANTOR_API void dwgmsg_(const char* cstr, size_t cstr_len) try {
  std::string s;
  if (copyArg(cstr, cstr_len, s, "dwgmsg")) finished(messageDialog(s), "DWGMSG");
} ZANTOR_CATCH

ZANTOR_API void msgbox_(const char* cstr, size_t cstr_len) try {
  std::string s;
  if (copyArg(cstr, cstr_len, s, "msgbox")) finished(messageDialog(s), "MSGBOX");
} ZANTOR_CATCH

// A yes/no question: ival 1 for yes, 0 for no; its value on entry chooses
// the default button.
ZANTOR_API void dwgbut_(const char* cstr, int32_t* ival, size_t cstr_len) try {
  std::string s;
  if (copyArg(cstr, cstr_len, s, "dwgbut")) finished(questionDialog(s, *ival), "DWGBUT");
} ZANTOR_CATCH

// Text input: cstr holds the initial text and gets the answer; it is left
// alone when the dialog is cancelled.
ZANTOR_API void dwgtxt_(const char* clab, char* cstr, size_t clab_len, size_t cstr_len) try {
  std::string label, text;
  if (!copyArg(clab, clab_len, label, "dwgtxt") || !copyArg(cstr, cstr_len, text, "dwgtxt")) return;
  const int status = textDialog(label, text);
  if (status == 0) putArg(cstr, cstr_len, fromUnicode(toUnicode(text, kTextChars)));
  finished(status, "DWGTXT");
} ZANTOR_CATCH

ZANTOR_API void dwgfil_(const char* clab, char* cfil, const char* cmask, size_t clab_len,
                        size_t cfil_len, size_t cmask_len) try {
  std::string label, file, mask;
  if (!copyArg(clab, clab_len, label, "dwgfil") || !copyArg(cfil, cfil_len, file, "dwgfil") ||
      !copyArg(cmask, cmask_len, mask, "dwgfil"))
    return;
  const int status = fileDialog(label, file, mask);
  if (status == 0) putArg(cfil, cfil_len, file);
  finished(status, "DWGFIL");
} ZANTOR_CATCH

ZANTOR_API void dwglis_(const char* clab, const char* clis, int32_t* isel, size_t clab_len,
                        size_t clis_len) try {
  std::string label, list;
  if (!copyArg(clab, clab_len, label, "dwglis") || !copyArg(clis, clis_len, list, "dwglis")) return;
  const std::vector<std::string> entries = splitEntries(list);
  if (entries.empty()) {
    widgetError("Selected list element out of range", "DWGLIS");
    return;
  }
  finished(listDialog(label, entries, *isel), "DWGLIS");
} ZANTOR_CATCH

// 0 when the last ready-made dialog ended with OK, 1 when it was cancelled
// or closed, 2 when it could not be shown.
ZANTOR_API void dwgerr_(int32_t* ival) try {
  *ival = layer().dialogStatus;
} ZANTOR_CATCH
