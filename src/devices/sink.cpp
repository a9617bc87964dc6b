#include "devices/sink.h"

#include <cstring>
#include <new>

namespace zantor {

void Sink::write(const void* data, std::size_t n) {
  if (failed_ || closed_ || n == 0) return;
  if (!writeRaw(data, n)) {
    failed_ = true;
    return;
  }
  pos_ += n;
}

bool Sink::close() {
  if (!closed_) {
    closed_ = true;
    if (!closeRaw()) failed_ = true;
  }
  return !failed_;
}

FileSink::FileSink(const std::string& path, bool append) {
  f_ = std::fopen(path.c_str(), append ? "ab" : "wb");
  if (f_ == nullptr) {
    fail();
    return;
  }
  // Plot files grow to hundreds of megabytes in short lines: a larger buffer
  // than stdio's block-sized one saves most of the write calls.
  // Without memory for it, stdio's own buffer does.
  buffer_.reset(new (std::nothrow) char[kBufferSize]);
  if (buffer_) std::setvbuf(f_, buffer_.get(), _IOFBF, kBufferSize);
}

FileSink::~FileSink() {
  if (f_ != nullptr) std::fclose(f_);
}

bool FileSink::writeRaw(const void* data, std::size_t n) {
  return f_ != nullptr && std::fwrite(data, 1, n, f_) == n;
}

bool FileSink::closeRaw() {
  if (f_ == nullptr) return false;
  bool ok = std::fflush(f_) == 0 && std::ferror(f_) == 0;
  ok = (std::fclose(f_) == 0) && ok;
  f_ = nullptr;
  return ok;
}

bool MemorySink::writeRaw(const void* data, std::size_t n) {
  const auto* p = static_cast<const uint8_t*>(data);
  bytes_.insert(bytes_.end(), p, p + n);
  return true;
}

bool FaultSink::writeRaw(const void* data, std::size_t n) {
  if (passed_ + n > limit_) {
    std::size_t part = static_cast<std::size_t>(limit_ - passed_);
    target_->write(data, part);
    passed_ = limit_;
    return false;
  }
  passed_ += n;
  target_->write(data, n);
  return !target_->failed();
}

std::unique_ptr<Sink> openOutputSink(const std::string& path,
                                     std::unique_ptr<Sink> (*factory)(const char* path)) {
  if (factory) return factory(path.c_str());
  auto f = std::make_unique<FileSink>(path);
  if (!f->isOpen()) return nullptr;
  return f;
}

}  // namespace zantor
