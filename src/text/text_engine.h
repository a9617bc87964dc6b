// The text engine: decoding, the text pass, measuring and the internal
// helpers shared by the text routines and number formatting.
#pragma once
#include <string>
#include <string_view>

namespace zantor {

// Decodes s (trailing blanks ignored) into clexan / nlexan: UTF-8 with the
// UTF8 coding, one code per byte otherwise.  Returns 0, or after warning
// 174 ("Syntax error in UTF string") or 175 ("Internal string overflow")
// the warning number.
int jqqutf(std::string_view s);

// Replaces European shift sequences in clexan by the accented letters.
void strsft();

// Character code of the active coding to (alphabet, code in that
// alphabet): Latin, Cyrillic and Greek code pages, blanks for codes a
// coding does not have.
void qqgcod(int code, int& alphabet, int& glyph);

// Factors of the alphabet that draws the next character.
void salfpa(int alphabet);

// Emits one code at the pen (or only advances it while measuring).
void alfcha(int code);

// Mixed alphabets: true when the code was a shift character or belongs to
// the instruction alphabet (nothing is drawn for it).
bool smixal(int code);

// Executes the pending command of the instruction alphabet, if any.
void flushInstruction();

// Executes one instruction code ("A1.5", "GX", "M2", ...).
void inscmd(std::string_view cmd);

// The text pass without justification.  nx, ny are plot coordinates of the
// upper left corner; 999, 999 continues after the previous text.
void qqmess(std::string_view s, float nx, float ny);

// Length of s in plot units with the current settings (no level check).
int textLength(std::string_view s);

// Height for the rest of the pass (internal form of `height`).
void setPassHeight(int n);

// Frame and background box of a text whose upper left corner is (nx, ny).
void drawTextBackground(std::string_view s, float nx, float ny);
void drawTextFrame(std::string_view s, float nx, float ny);

// Colour bookkeeping of the text engine: the colour a pass starts with and
// the colour changes it makes itself.
int textColourNow();
void setTextColour(int value);

// Formula mode: measures (inoplt = 1) or draws the decoded codes from the
// pen position; returns false after a parser error.
bool formulaPass(int& above, int& below);

// Records the pen of a measuring formula pass for the length.
void noteMeasuredPen();

// Text defaults of a new plot, including the default font.
void resetTextDefaults();

// Out-of-page line of the text pass ("Startpoint" or "Endpoint   ").
void reportOutOfPage(const char* which, std::string_view s);

}  // namespace zantor
