// The warning channel: numbered warning lines, the error file and the
// protocol box printed by zanfin.
#pragma once
#include <cstdint>
#include <string_view>

namespace zantor {

void errmes(int n);                              // table text into cerr
void warnin(int n);                              // warning with table text
void warni1(int n, int32_t value);               // ... and an integer value
void warnc1(int n, std::string_view value);      // ... and a string value
void qqerror(int n, std::string_view text);      // warning with own text
void qqserr(std::string_view text);              // store a text in cerr
void qqerrfil();                                 // open the error file

// Writes one line to the message unit (no counting, no suppression check).
void writeMessageLine(std::string_view line);

// Protocol box; code 1 = plot file written, +10 = error file open.
void dprcol(int code);

// zanfin's closing of the error file and printing of the protocol.
void finishMessages(int protocolCode);

// Whether messages of the current plot are directed to the error file.
bool messagesGoToFile();

// Closes the error file if it is open (used at exit and by zanfin).
void closeErrorFile();

}  // namespace zantor
