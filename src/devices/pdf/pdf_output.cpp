#include "devices/pdf/pdf_output.h"

#include <cstring>
#include <new>

namespace zantor::pdf {
namespace {
std::size_t memoryLimit = 0;
}  // namespace

void setMemoryLimitForTests(std::size_t bytes) { memoryLimit = bytes; }

bool Output::openFile(const std::string& path) {
  auto f = std::make_unique<FileSink>(path);
  if (!f->isOpen()) return false;
  sink_ = std::move(f);
  return true;
}

void Output::openSink(std::unique_ptr<Sink> sink) { sink_ = std::move(sink); }

bool Output::openMemory() {
  memory_ = true;
  return grow(1);
}

// Grows the buffer by whole steps until `need` bytes fit; false (and the
// old buffer kept) when the memory is not available.
bool Output::grow(std::size_t need) {
  std::size_t cap = capacity_;
  while (cap < need) cap += kMemoryStep;
  if (memoryLimit != 0 && cap > memoryLimit) return false;
  std::unique_ptr<uint8_t[]> b(new (std::nothrow) uint8_t[cap]);
  if (!b) return false;
  if (capacity_ != 0) std::memcpy(b.get(), buf_.get(), static_cast<std::size_t>(pos_));
  buf_ = std::move(b);
  capacity_ = cap;
  return true;
}

void Output::write(const void* data, std::size_t n) {
  if (memory_) {
    // After a failed growth the bytes are only counted.
    if (!memoryFailed_ && pos_ + n > capacity_ && !grow(static_cast<std::size_t>(pos_ + n))) {
      memoryFailed_ = true;
      buf_.reset();
      capacity_ = 0;
    }
    if (!memoryFailed_ && n != 0) std::memcpy(buf_.get() + pos_, data, n);
  } else if (sink_) {
    sink_->write(data, n);
  }
  pos_ += n;
}

bool Output::failed() const {
  if (memory_) return memoryFailed_;
  return !sink_ || sink_->failed();
}

bool Output::close() {
  if (memory_) return !memoryFailed_;
  if (!sink_) return false;
  const bool ok = sink_->close();
  sink_.reset();
  return ok;
}

}  // namespace zantor::pdf
