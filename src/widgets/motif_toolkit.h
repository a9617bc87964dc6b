// The toolkit side of the widget layer: the connection to the display, one
// shell per nesting level, the toolkit widget of every record, the event
// loop and the ready-made dialogs.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zantor::widgets {

// Opens the display and the application context once; false (nothing
// printed) when there is no display.
bool openToolkit();

// Creates the shell of the current level with its menu bar, frame and form
// and the container of the main widget `id`; false when it failed.
bool createMainWidget(int32_t id);
// Creates the toolkit widget of record `id` inside its parent; false when
// it failed.
bool createChildWidget(int32_t id);
// Creates a menu entry (wgapp) in the popup menu of its parent.
bool createMenuEntry(int32_t id, std::string_view label);

// Realizes the shell of the current level (reawgt, wgfin).
void realizeLevel();
// Runs the event loop until the current level is finished, then takes the
// level's shell down (wgfin).
void runLevel();
// Dispatches the events that are waiting (doevnt).
void processPendingEvents();
// OK for the dialog of `level`: reads the texts of that level and the
// deeper ones into their records and marks the levels finished.
void finishLevelsFrom(int level);
// Destroys every shell (a new dialog after a finished one).
void destroyAllShells();

// Record -> toolkit widget (the swg... routines) and the reverse for texts.
void showValue(int32_t id);
void readText(int32_t id);
// Window id of a realized widget, 0 when it is not realized.
unsigned long widgetWindow(int32_t id);
bool widgetSize(int32_t id, int32_t& w, int32_t& h);
// Sends a button press of `button` to the window of widget id (sendmb).
bool sendButton(int32_t id, int button);

// The ready-made dialogs; each returns 0 for OK, 1 when cancelled or
// closed, 2 when there is no display.  The results go into the arguments.
int messageDialog(const std::string& text);
int questionDialog(const std::string& text, int32_t& answer);
int textDialog(const std::string& label, std::string& text);
int fileDialog(const std::string& label, std::string& file, const std::string& mask);
int listDialog(const std::string& label, const std::vector<std::string>& entries,
               int32_t& selected);

}  // namespace zantor::widgets
