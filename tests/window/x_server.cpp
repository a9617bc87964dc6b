#include "window/x_server.h"

#include <X11/Xutil.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace zantor::test {
namespace {

using Clock = std::chrono::steady_clock;

bool displayNumberFree(int n) {
  namespace fs = std::filesystem;
  std::error_code ec;
  return !fs::exists("/tmp/.X11-unix/X" + std::to_string(n), ec) &&
         !fs::exists("/tmp/.X" + std::to_string(n) + "-lock", ec);
}

void sleepMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

}  // namespace

XServer::XServer() {
  // Numbers from the process id spread parallel test runs apart.
  for (int k = 0; k < 200 && display_ == nullptr; ++k) {
    const int n = 100 + (int(getpid()) + k * 7) % 800;
    if (!displayNumberFree(n)) continue;
    name_ = ":" + std::to_string(n);
    pid_ = fork();
    if (pid_ == 0) {
      const int null = open("/dev/null", O_WRONLY);
      dup2(null, 1);
      dup2(null, 2);
      execlp("Xvfb", "Xvfb", name_.c_str(), "-screen", "0", "1280x1024x24", "-nolisten",
             "tcp", static_cast<char*>(nullptr));
      _exit(127);
    }
    if (pid_ < 0) return;
    const auto end = Clock::now() + std::chrono::seconds(20);
    while (Clock::now() < end && display_ == nullptr) {
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {  // lost the number, try another
        pid_ = -1;
        break;
      }
      sleepMs(50);
      display_ = XOpenDisplay(name_.c_str());
    }
    if (display_ == nullptr && pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
      pid_ = -1;
    }
  }
}

XServer::~XServer() {
  if (display_ != nullptr) XCloseDisplay(display_);
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
}

XServer* SuiteDisplay::server_ = nullptr;
std::string* SuiteDisplay::saved_ = nullptr;

void SuiteDisplay::start() {
  const char* old = std::getenv("DISPLAY");
  saved_ = old ? new std::string(old) : nullptr;
  server_ = new XServer();
  if (server_->ok()) setenv("DISPLAY", server_->name().c_str(), 1);
}

void SuiteDisplay::stop() {
  delete server_;
  server_ = nullptr;
  if (saved_) setenv("DISPLAY", saved_->c_str(), 1);
  else unsetenv("DISPLAY");
  delete saved_;
  saved_ = nullptr;
}

Child::Child(const std::function<void()>& body) {
  int fds[2];
  if (pipe(fds) != 0) return;
  std::fflush(stdout);
  pid_ = fork();
  if (pid_ == 0) {
    close(fds[0]);
    dup2(fds[1], 1);
    alarm(60);  // the last guard: a child never outlives a minute
    body();
    std::fflush(stdout);
    std::exit(0);
  }
  close(fds[1]);
  pipe_ = fds[0];
  fcntl(pipe_, F_SETFL, O_NONBLOCK);
}

Child::~Child() {
  if (!done_) wait(0);
  if (pipe_ >= 0) close(pipe_);
}

int Child::wait(double seconds) {
  if (pid_ <= 0) return -1;
  const auto end = Clock::now() + std::chrono::duration<double>(seconds);
  int status = 0;
  char buf[4096];
  for (;;) {
    ssize_t n;
    while ((n = read(pipe_, buf, sizeof buf)) > 0) out_.append(buf, std::size_t(n));
    if (waitpid(pid_, &status, WNOHANG) == pid_) break;
    if (Clock::now() >= end) {
      kill(pid_, SIGKILL);
      waitpid(pid_, &status, 0);
      done_ = true;
      return -1;
    }
    sleepMs(20);
  }
  ssize_t n;
  while ((n = read(pipe_, buf, sizeof buf)) > 0) out_.append(buf, std::size_t(n));
  done_ = true;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string windowTitle(Display* d, Window w) {
  char* name = nullptr;
  std::string s;
  if (XFetchName(d, w, &name) != 0 && name != nullptr) {
    s = name;
    XFree(name);
  }
  return s;
}

Window findWindow(Display* d, const std::string& prefix, double seconds) {
  const auto end = Clock::now() + std::chrono::duration<double>(seconds);
  do {
    Window root = 0, parent = 0, *children = nullptr;
    unsigned n = 0;
    Window found = 0;
    if (XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &n) != 0) {
      for (unsigned i = 0; i < n && found == 0; ++i)
        if (windowTitle(d, children[i]).rfind(prefix, 0) == 0) found = children[i];
      if (children != nullptr) XFree(children);
    }
    if (found != 0) return found;
    sleepMs(50);
  } while (Clock::now() < end);
  return 0;
}

std::vector<uint8_t> grabWindow(Display* d, Window w, int& width, int& height) {
  XWindowAttributes a;
  std::vector<uint8_t> rgb;
  width = height = 0;
  if (!XGetWindowAttributes(d, w, &a)) return rgb;
  XImage* im = XGetImage(d, w, 0, 0, unsigned(a.width), unsigned(a.height), AllPlanes, ZPixmap);
  if (im == nullptr) return rgb;
  width = a.width;
  height = a.height;
  rgb.reserve(std::size_t(width) * height * 3);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const unsigned long p = XGetPixel(im, x, y);
      // The 24-bit screen of the test server: 8 bits per colour.
      rgb.push_back(uint8_t((p & im->red_mask) >> 16));
      rgb.push_back(uint8_t((p & im->green_mask) >> 8));
      rgb.push_back(uint8_t(p & im->blue_mask));
    }
  XDestroyImage(im);
  return rgb;
}

void endOpenGlChild() {
  std::fflush(nullptr);
  _exit(0);
}

}  // namespace zantor::test
