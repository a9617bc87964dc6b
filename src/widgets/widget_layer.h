// The widget layer: the table of widgets of the open dialogs, the nesting
// levels, the settings of the swg... routines, and the one way errors are
// reported.  The toolkit side (motif_toolkit.cpp) creates and reads the
// toolkit widgets; the public routines only talk to this layer.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The toolkit's widget handle, declared as the toolkit declares it, so that
// its headers stay inside the toolkit source.
typedef struct _WidgetRec* Widget;

namespace zantor::widgets {

enum Type : uint8_t {
  kMain = 0, kBase = 1, kLabel = 2, kToggle = 3, kPush = 4, kCommand = 5, kList = 6,
  kDropList = 7, kRadioBox = 8, kText = 9, kLabelText = 10, kScrolledText = 11, kFile = 12,
  kScale = 14, kOk = 15, kQuit = 16, kPopup = 17, kPopupEntry = 18, kDraw = 19,
  kProgress = 20, kTable = 21, kSeparator = 25,
  kIcon = 28, kImage = 29, kPushIcon = 30, kPushImage = 31
};
enum Layout : uint8_t { kVertical = 0, kHorizontal = 1, kForm = 2 };

constexpr int kMaxLevels = 8;
constexpr std::size_t kTableStep = 100;  // the table grows by this many records
constexpr std::size_t kTextChars = 256;  // characters kept of a text
constexpr std::size_t kFileChars = 80;   // ... of a file name

using UserRoutine = void (*)();

struct TableData;  // cells of a table widget (table_cells.h)

struct WidgetRecord {
  uint8_t type = kMain;
  uint8_t layout = kVertical;
  uint8_t callbackKind = 0;  // 0 id and user array, 1 id only, 2 id and value, 3 id and two numbers
  uint8_t level = 0;
  int32_t parent = 0;        // id of the parent, 0 for a main widget
  int32_t ival = 0;          // toggle state, selected entry (1-based)
  bool toggleEntry = false;  // a menu entry with an on/off mark (wgappb)
  float xval = 0;            // scale value
  float xmin = 0, xmax = 1;  // scale range
  int32_t ndez = 0;          // digits after the point of a scale
  std::u16string text;       // text of a text or file field
  std::string command;       // command of a command button
  std::string label;         // label of a labelled field, file field or scale
  int32_t fieldPercent = 50; // width of the field of a labelled text, in percent
  std::string mask;          // file mask of a file field
  std::vector<std::string> entries;  // list and radio box entries
  std::shared_ptr<TableData> table;  // cells of a table
  UserRoutine callback = nullptr;
  const int32_t* userArray = nullptr;
  bool active = true;        // swgatt STATUS: takes input
  bool visible = true;       // swgatt VISIBLE: shown
};

struct Settings {
  int32_t width = 0;                // swgwth: > 0 characters, < 0 percent of the screen
  float hspace = 0.5f, vspace = 0.5f;  // swgspc, in average character widths
  int32_t posX = 0, posY = 0;       // swgpos, inside a FORM parent
  int32_t sizeW = 0, sizeH = 0;     // swgsiz
  int32_t winX = -1, winY = -1, winW = 0, winH = 0;  // swgwin
  std::string title = "zantor";     // swgtit
  std::string help;                 // swghlp
  int32_t focus = 0;                // swgfoc: widget id getting the keyboard focus
  bool utf8 = false;                // strings are UTF-8 instead of Latin-1
};

struct Layer {
  std::vector<WidgetRecord> records;
  std::vector<Widget> handles;      // parallel to records
  int level = 0;                    // current nesting level, 0 when none
  int32_t top[kMaxLevels + 1] = {};     // id of the main widget of each level
  std::size_t start[kMaxLevels + 1] = {};  // widget count when the level started
  bool finished[kMaxLevels + 1] = {};
  bool opened = false;              // wgini was called
  bool closed = false;              // the last dialog ended (wgfin returned)
  Settings set;
  int32_t dialogStatus = 0;         // of the last ready-made dialog (dwgerr)
};

Layer& layer();

// Prints ">>>> message (routine)" on standard output.
void widgetError(std::string_view message, std::string_view routine);

// The record of id, or null after "Not allowed widget ID".
WidgetRecord* recordOf(int32_t id, std::string_view routine);

// The checks before creating a widget in parent ip; the parent's record,
// or null after the error.
WidgetRecord* checkParent(int32_t ip, std::string_view routine);
// Appends a record of the given type in parent ip; returns its id.
int32_t appendRecord(int32_t ip, uint8_t type);
// Removes the last record again (its toolkit widget could not be made).
void dropLastRecord();

// Strings of the program (Latin-1, or UTF-8 after swgopt) and the 16-bit
// texts of the records.
std::u16string toUnicode(std::string_view s, std::size_t limit);
std::string fromUnicode(const std::u16string& s);
// Splits list entries separated by '|' (or the character of swgmix).
std::vector<std::string> splitEntries(std::string_view s);
// A character argument without trailing blanks; false after "Not enough
// memory" for the routine when it cannot be copied.
bool copyArg(const char* p, std::size_t len, std::string& out, std::string_view routine);

// A keyword among the '+'-separated list (the first four characters count,
// case does not); 0 after "Not allowed parameter" for the routine.
int keywordIndex(std::string_view list, std::string_view key, std::string_view routine);

// Calls the user callback of widget id, if any, the way the program set it.
// Kind 3 gets i1 and i2: the pixel column and row of a click in a picture,
// a table cell's row and column; for lists and radio boxes without them,
// the selected entry and 1.
void runCallback(int32_t id, int32_t i1 = 0, int32_t i2 = 0);

}  // namespace zantor::widgets
