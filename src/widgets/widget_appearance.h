// The appearance settings of the swg... routines that shape the following
// widgets (fonts, colours, scroll bars, alignment, margins, the menu bar,
// drawing areas, scale steps), and the toolkit side that applies them.
// Kept apart from the layout settings of widget_layer.h.
#pragma once
#include <cstdint>
#include <string>

namespace zantor::widgets {

struct Colour {
  bool set = false;
  float r = 0, g = 0, b = 0;  // 0..1
};

// swgtyp values: scroll bars of lists and scrolled texts, the direction of
// scales and of radio box entries, and whether the user may resize the
// dialog window.
enum Scroll : uint8_t { kScrollAuto = 0, kScrollAlways = 1, kScrollNone = 2, kScrollVertical = 3 };
enum BoxLayout : uint8_t { kBoxVertical = 0, kBoxHorizontal = 1, kBoxGrid = 2 };
enum Justify : int8_t { kJustifyUnset = -1, kJustifyLeft = 0, kJustifyCentre = 1, kJustifyRight = 2 };

struct Appearance {
  int32_t offsetX = -1, offsetY = -1;  // swgoff: place of the dialog window, -1 free
  std::string font;                    // swgfnt: font family or full X font name, "" default
  int32_t fontPoints = 0;
  Colour back, fore, trough, select;   // swgclr: BACK, FORE, SCRO(LL), SELE(CT)
  uint8_t scroll = kScrollAuto;        // swgtyp(..., "LIST")
  bool scaleVertical = false;          // swgtyp(..., "SCALE")
  uint8_t box = kBoxVertical;          // swgtyp(..., "BOX")
  bool resizable = true;               // swgtyp(..., "WINDOW")
  int8_t justLabel = kJustifyUnset;    // swgjus(..., "LABEL")
  int8_t justButton = kJustifyUnset;   // swgjus(..., "BUTTON")
  int32_t listLines = 8;               // swgiop(..., "LIST"): visible entries at most
  int32_t textLength = 0;              // swgiop(..., "TEXT"): characters of fields, 0 any
  int32_t boxColumns = 2;              // swgiop(..., "BOX"): columns of a GRID radio box
  char listSeparator = '|';            // swgmix(..., "LIST")
  int32_t margins[4] = {-1, -1, -1, -1};  // swgmrg LEFT, RIGHT, TOP, BOTTOM; -1 the toolkit's
  bool menuOk = false, menuQuit = true, menuHelp = true;  // swgpop
  float drawRatio = 0;                 // swgdrw: height / width of drawing areas, 0 square 200
  float step = 0;                      // swgstp: step of scales, 0 the smallest
};

Appearance& appearance();

// ---- toolkit side (motif_appearance.cpp)

// Loads the font of swgfnt when the toolkit is open; false after "Too many
// fonts" or "Font cannot be loaded" (the default font is used then).  When
// the toolkit is not open yet it is loaded with the first widget.
bool loadChosenFont(const char* routine);
// Gives widget `id` (just created) the settings above.
void applyAppearance(int32_t id);
// The list size policy of new lists (how the horizontal scroll bar shows).
unsigned char listSizePolicy();
// Background or foreground of an existing widget and its parts.
void paintWidget(int32_t id, const Colour& c, bool background);
// Active (sensitive) and visible (managed) state of an existing widget.
void setWidgetActive(int32_t id, bool active);
void setWidgetVisible(int32_t id, bool visible);
// New entries of a list or dropping list that exists.
void showEntries(int32_t id);
// 1 when a display for dialogs can be reached.
bool dialogDisplayReachable();

}  // namespace zantor::widgets
