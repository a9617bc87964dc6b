// The plot file on unit nub and the line buffer through which the text
// formats (and, in 80-byte records, CGM) are written.
#pragma once
#include <string>
#include <string_view>

#include "devices/sink.h"

namespace zantor {

// Opens the plot file; a text file unless `records` (direct access with
// records of nbmax bytes).  Returns false if it cannot be opened.
bool openPlotFile(const std::string& path, bool records = false);
// Uses `sink` as the plot file (tests: memory and failing sinks).
void attachPlotSink(std::unique_ptr<Sink> sink, bool records = false);
bool plotFileOpen();
Sink* plotSink();
// Writes one whole line (text formats) after the buffered characters.
void writePlotLine(std::string_view line);
// Flushes the line buffer (CGM: pads the last record with zero bytes) and
// closes the file; returns false if any write failed.
bool closePlotFile();
// Drops the plot file without flushing (open failures, level reset).
void discardPlotFile();

// Token-wise writer for PostScript; n = -1 writes the buffer as a line.
void qpsbuf(std::string_view text, int n);
// Appends text to the line buffer (text formats) or to the record (CGM).
void qqsbuf(std::string_view text);

}  // namespace zantor
