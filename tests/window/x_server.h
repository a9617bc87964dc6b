// A private X server for the window tests: an Xvfb on a free display
// number (never the display of the machine), stopped at the end; and a
// child process runner with a time limit, so that a window that waits
// forever can never hang the test run.
#pragma once
#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

// Xlib's own types, declared here so that its macros (None, Bool, ...)
// stay out of the test sources that include this header before gtest.
typedef struct _XDisplay Display;

namespace zantor::test {

using Window = unsigned long;

class XServer {
 public:
  // Starts Xvfb with a 1280 x 1024 x 24 screen; ok() tells whether it runs.
  XServer();
  ~XServer();
  XServer(const XServer&) = delete;
  XServer& operator=(const XServer&) = delete;
  bool ok() const { return display_ != nullptr; }
  const std::string& name() const { return name_; }
  Display* display() const { return display_; }

 private:
  pid_t pid_ = -1;
  std::string name_;
  Display* display_ = nullptr;  // the test's own connection
};

// The private server as the DISPLAY of the process for one test suite:
// started before the suite's first test, stopped after its last one with
// the former DISPLAY restored.
class SuiteDisplay {
 public:
  static void start();
  static void stop();
  static XServer* server() { return server_; }

 private:
  static XServer* server_;
  static std::string* saved_;
};

// Ends a child that drew through OpenGL without the exit handlers: the GL
// driver keeps two small blocks of its set-up (112 bytes, the same for one
// plot as for a thousand: see the window cycle test) that the sanitizer
// build's leak check cannot trace to an owner and would report.
[[noreturn]] void endOpenGlChild();

// A child process running `body` (exit status 0 unless body calls exit).
// Its standard output goes to the text `out` once it ended.
class Child {
 public:
  explicit Child(const std::function<void()>& body);
  ~Child();
  // Waits up to `seconds`; the exit status, or -1 when the child had to be
  // killed because it did not end in time.
  int wait(double seconds);
  const std::string& output() const { return out_; }

 private:
  pid_t pid_ = -1;
  int pipe_ = -1;
  std::string out_;
  bool done_ = false;
};

// The top-level window whose title starts with `prefix`, waiting up to
// `seconds` for it to appear; 0 when none appeared.
Window findWindow(Display* d, const std::string& prefix, double seconds);
std::string windowTitle(Display* d, Window w);

// The picture of window w as R, G, B bytes, row by row.
std::vector<uint8_t> grabWindow(Display* d, Window w, int& width, int& height);

}  // namespace zantor::test
