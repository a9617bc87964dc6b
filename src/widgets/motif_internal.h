// Shared between the toolkit sources of the widget layer only.
#pragma once
#include <Xm/Xm.h>

#include <string>
#include <string_view>

#include "widgets/widget_layer.h"

namespace zantor::widgets {

struct Toolkit {
  XtAppContext app = nullptr;
  Display* display = nullptr;
  Atom wmDelete = 0;
  Widget shells[kMaxLevels + 1] = {};
  Widget menuBars[kMaxLevels + 1] = {};
};
Toolkit& toolkit();

// A compound string that frees itself.
class XmText {
 public:
  explicit XmText(std::string_view s) : s_(XmStringCreateLocalized(const_cast<char*>(std::string(s).c_str()))) {}
  ~XmText() { XmStringFree(s_); }
  XmText(const XmText&) = delete;
  XmText& operator=(const XmText&) = delete;
  operator XmString() const { return s_; }

 private:
  XmString s_;
};

// The text of a compound string in the program's encoding.
std::string plainText(XmString s);

// Client data carrying a widget id.
inline XtPointer idData(int32_t id) { return reinterpret_cast<XtPointer>(static_cast<intptr_t>(id)); }
inline int32_t idOf(XtPointer p) { return static_cast<int32_t>(reinterpret_cast<intptr_t>(p)); }

// The size and place arguments every new child of parent `ip` gets from
// the settings, into args (at most max); their number.
Cardinal childPlacement(int32_t ip, Arg* args, Cardinal max);

// The average character width of the default font, in pixels.
int characterWidth();
// The spacing of swgspc between the children of a VERT or HORI parent.
inline int spacingPixels(uint8_t layout) {
  const Settings& s = layer().set;
  return int((layout == kVertical ? s.vspace : s.hspace) * float(characterWidth()) + 0.5f);
}

}  // namespace zantor::widgets
