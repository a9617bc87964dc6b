#include "devices/plot_file.h"

#include <memory>

#include "core/state.h"
#include "core/warnings.h"

namespace zantor {
namespace {

std::unique_ptr<Sink> plotFile;
bool recordFile = false;  // direct access, fixed-length binary records

void writeBufferedLine() {
  Zanglb& g = zanglb;
  if (plotFile) {
    plotFile->write(g.cbuff.c, static_cast<std::size_t>(g.nbuff));
    plotFile->put('\n');
  }
  g.nbuff = 0;
}

void writeRecord() {
  Zanglb& g = zanglb;
  for (int i = g.nbuff; i < g.nbmax; ++i) g.cbuff.c[i] = '\0';
  if (plotFile) plotFile->write(g.cbuff.c, static_cast<std::size_t>(g.nbmax));
  ++g.ndirec;
  g.nbuff = 0;
}

}  // namespace

bool openPlotFile(const std::string& path, bool records) {
  auto f = std::make_unique<FileSink>(path);
  if (!f->isOpen()) return false;
  attachPlotSink(std::move(f), records);
  return true;
}

void attachPlotSink(std::unique_ptr<Sink> sink, bool records) {
  plotFile = std::move(sink);
  recordFile = records;
  zanglb.nbuff = 0;
  zanglb.ndirec = 0;
}

bool plotFileOpen() { return plotFile != nullptr; }
Sink* plotSink() { return plotFile.get(); }

void writePlotLine(std::string_view line) {
  if (zanglb.nbuff > 0) writeBufferedLine();
  if (plotFile) {
    plotFile->write(line);
    plotFile->put('\n');
  }
}

bool closePlotFile() {
  if (!plotFile) return true;
  if (zanglb.nbuff > 0) {
    if (recordFile) writeRecord(); else writeBufferedLine();
  }
  bool ok = plotFile->close();
  plotFile.reset();
  return ok;
}

void discardPlotFile() {
  if (plotFile) plotFile->close();
  plotFile.reset();
  zanglb.nbuff = 0;
}

void qpsbuf(std::string_view text, int n) {
  Zanglb& g = zanglb;
  if (n == -1) {
    writeBufferedLine();
    return;
  }
  if (n < 1) return;
  text = text.substr(0, static_cast<std::size_t>(n));
  std::size_t i = 0;
  while (i < text.size()) {
    // A token is a run of non-blanks with the blank that follows it.
    std::size_t end = text.find(' ', i);
    std::size_t len = end == std::string_view::npos ? text.size() - i : end - i + 1;
    std::string_view token = text.substr(i, len);
    i += len;
    if (token == " " && i < text.size()) continue;  // lone blanks are skipped
    if (g.nbuff > 0 && g.nbuff + static_cast<int>(token.size()) > g.nbmax) writeBufferedLine();
    if (static_cast<int>(token.size()) > g.nbmax) {
      writePlotLine(token);  // an overlong token stands on a line of its own
      continue;
    }
    token.copy(g.cbuff.c + g.nbuff, token.size());
    g.nbuff += static_cast<int>(token.size());
  }
}

void qqsbuf(std::string_view text) {
  Zanglb& g = zanglb;
  const int n = static_cast<int>(text.size());
  if (recordFile) {
    std::size_t at = 0;
    while (g.nbuff + static_cast<int>(text.size() - at) > g.nbmax) {
      std::size_t part = static_cast<std::size_t>(g.nbmax - g.nbuff);
      text.substr(at, part).copy(g.cbuff.c + g.nbuff, part);
      g.nbuff = g.nbmax;
      at += part;
      writeRecord();
    }
    std::size_t rest = text.size() - at;
    text.substr(at).copy(g.cbuff.c + g.nbuff, rest);
    g.nbuff += static_cast<int>(rest);
    return;
  }
  if (g.nbuff > 0 && g.nbuff + n > g.nbmax) writeBufferedLine();
  if (n > g.nbmax) {
    qqserr("Internal overflow in qqsbuf");
    warnin(176);
    return;
  }
  text.copy(g.cbuff.c + g.nbuff, text.size());
  g.nbuff += n;
}

}  // namespace zantor
