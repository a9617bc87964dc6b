// ScopedValue: a state field changed for a scope and given back at its
// end, also when an allocation fails inside and the exception leaves the
// scope.
#pragma once

namespace zantor {

template <class T>
class ScopedValue {
 public:
  explicit ScopedValue(T& field) : field_(field), saved_(field) {}
  ScopedValue(T& field, T value) : field_(field), saved_(field) { field = value; }
  ~ScopedValue() { field_ = saved_; }
  ScopedValue(const ScopedValue&) = delete;
  ScopedValue& operator=(const ScopedValue&) = delete;

 private:
  T& field_;
  T saved_;
};

}  // namespace zantor
