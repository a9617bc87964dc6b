// Where a PDF document goes: a file on disk, or a memory buffer that grows
// in steps of 512000 bytes and that the caller copies with pdfbuf.  The
// byte count is kept in both cases (the cross-reference table needs exact
// offsets); a failing write is sticky and reported once, at the end.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "devices/sink.h"

namespace zantor::pdf {

class Output {
 public:
  static constexpr std::size_t kMemoryStep = 512000;

  // A file: false when it cannot be opened.
  bool openFile(const std::string& path);
  // Any sink (tests: failing sinks).
  void openSink(std::unique_ptr<Sink> sink);
  // The memory buffer: false when the first 512000 bytes are not available.
  bool openMemory();

  void write(const void* data, std::size_t n);
  void write(std::string_view s) { write(s.data(), s.size()); }
  uint64_t position() const { return pos_; }

  // True once a write failed (disk full) or the memory stopped growing.
  bool failed() const;
  bool memory() const { return memory_; }
  bool memoryFailed() const { return memoryFailed_; }
  // Closes the file (true if every byte arrived).
  bool close();
  // The memory document (valid while this output lives).
  const uint8_t* data() const { return buf_.get(); }
  std::size_t size() const { return memoryFailed_ ? 0 : static_cast<std::size_t>(pos_); }

 private:
  bool grow(std::size_t need);

  std::unique_ptr<Sink> sink_;
  bool memory_ = false, memoryFailed_ = false;
  std::unique_ptr<uint8_t[]> buf_;
  std::size_t capacity_ = 0;
  uint64_t pos_ = 0;
};

// Tests: the memory buffer refuses to grow beyond `bytes` (0 = no limit),
// as if the allocation failed.
void setMemoryLimitForTests(std::size_t bytes);

}  // namespace zantor::pdf
