// Shared test support: every test starts from a fresh process state in an
// empty working directory, and can capture what the library prints.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace zantor::test {

// Character argument helper: calls name_(s, len) with the hidden length.
inline std::size_t len(const char* s) { return std::char_traits<char>::length(s); }

// Calls a routine with one or two character arguments the way Fortran does.
inline void call(void (*f)(const char*, size_t), const char* s) { f(s, len(s)); }
inline void call(void (*f)(const char*, const char*, size_t, size_t), const char* a,
                 const char* b) {
  f(a, b, len(a), len(b));
}

class LibraryTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs `f` and returns the lines it printed on standard output.
  template <class F>
  std::vector<std::string> printed(F&& f) {
    ::testing::internal::CaptureStdout();
    f();
    return splitLines(::testing::internal::GetCapturedStdout());
  }
  static std::vector<std::string> splitLines(const std::string& s);
  static std::string readFile(const std::filesystem::path& p);
  static void writeFile(const std::filesystem::path& p, const std::string& s);

  std::filesystem::path dir;  // the test's working directory

 private:
  std::filesystem::path previous;
};

}  // namespace zantor::test
