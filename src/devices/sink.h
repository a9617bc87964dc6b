// Byte sinks for the writers.  A sink knows its byte position and keeps the
// first error, so a writer checks once, at the end, whether everything
// arrived (a full disk or a vanished directory becomes a warning, not a
// crash or a silently truncated file).
#pragma once
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zantor {

class Sink {
 public:
  virtual ~Sink() = default;
  // Appends bytes; after the first failure everything is ignored.
  void write(const void* data, std::size_t n);
  void write(std::string_view s) { write(s.data(), s.size()); }
  void put(uint8_t b) { write(&b, 1); }
  uint64_t position() const { return pos_; }
  bool failed() const { return failed_; }
  // Flushes and releases the target; returns false if anything failed.
  bool close();

 protected:
  virtual bool writeRaw(const void* data, std::size_t n) = 0;
  virtual bool closeRaw() { return true; }
  void fail() { failed_ = true; }

 private:
  uint64_t pos_ = 0;
  bool failed_ = false;
  bool closed_ = false;
};

// A file on disk, written through stdio.
class FileSink : public Sink {
 public:
  // Opens `path` for writing ("wb") or appending ("ab"); check isOpen().
  explicit FileSink(const std::string& path, bool append = false);
  ~FileSink() override;
  bool isOpen() const { return f_ != nullptr; }

 protected:
  bool writeRaw(const void* data, std::size_t n) override;
  bool closeRaw() override;

 private:
  static constexpr std::size_t kBufferSize = 1 << 16;
  std::unique_ptr<char[]> buffer_;  // stdio's buffer; outlives f_ (closed first)
  std::FILE* f_ = nullptr;
};

// The sink of a writer's output file: the factory's when tests set one,
// else the file itself; null when the file cannot be opened.
std::unique_ptr<Sink> openOutputSink(const std::string& path,
                                     std::unique_ptr<Sink> (*factory)(const char* path));

// A growing memory buffer.
class MemorySink : public Sink {
 public:
  const std::vector<uint8_t>& bytes() const { return bytes_; }
  std::string str() const { return std::string(bytes_.begin(), bytes_.end()); }

 protected:
  bool writeRaw(const void* data, std::size_t n) override;

 private:
  std::vector<uint8_t> bytes_;
};

// Passes bytes on to another sink and fails once `limit` bytes went through:
// the "disk full" of the tests.
class FaultSink : public Sink {
 public:
  FaultSink(std::unique_ptr<Sink> target, uint64_t limit)
      : target_(std::move(target)), limit_(limit) {}
  Sink& target() { return *target_; }

 protected:
  bool writeRaw(const void* data, std::size_t n) override;
  bool closeRaw() override { return target_->close(); }

 private:
  std::unique_ptr<Sink> target_;
  uint64_t limit_;
  uint64_t passed_ = 0;
};

}  // namespace zantor
