// Many window plots in one process: every window keyword opens, draws and
// closes its window a thousand times on a private X server.  No file
// descriptor (the X connection above all) stays open and the heap does not
// grow.  The cycles run in a child process so that the X state of the test
// binary stays untouched; the child prints what it measured.
#include <dirent.h>
#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/fixture.h"
#include "window/x_server.h"
#include "zantor.h"

namespace zantor::test {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int kCycles = 20;
#else
constexpr int kCycles = 1000;
#endif

int openDescriptorCount() {
  int n = 0;
  if (DIR* d = opendir("/proc/self/fd")) {
    while (readdir(d)) ++n;
    closedir(d);
  }
  return n;
}

// A window plot that closes its window at once: lines, a fill, text.
void windowOnce(const char* keyword) {
  call(metafl_, keyword);
  call(winmod_, "NOHO");
  int32_t w = 200, h = 150;
  winsiz_(&w, &h);
  zanini_();
  call(errmod_, "ALL", "OFF");
  call(color_, "RED");
  int32_t a = 100, b = 100, c = 2800, d = 1900;
  line_(&a, &b, &c, &d);
  int32_t pat = 16;
  shdpat_(&pat);
  int32_t x = 300, y = 300, rw = 900, rh = 600;
  rectan_(&x, &y, &rw, &rh);
  messag_("cycle", &x, &y, 5);
  zanfin_();
}

class WindowCycles : public LibraryTest {
 protected:
  static void SetUpTestSuite() { SuiteDisplay::start(); }
  static void TearDownTestSuite() { SuiteDisplay::stop(); }
};

TEST_F(WindowCycles, EveryWindowKeywordLeavesNoDescriptorAndNoHeapGrowth) {
  ASSERT_TRUE(SuiteDisplay::server()->ok()) << "Xvfb could not be started";
  for (const char* k : {"XWIN", "XWI2", "XWI5", "XWI8", "XWND", "CONS", "GL"}) {
    Child child([k] {
      std::FILE* report = fdopen(dup(fileno(stdout)), "w");
      std::freopen("/dev/null", "w", stdout);  // the protocol of every plot
      windowOnce(k);  // the first window allocates what stays for the process
      const int fds = openDescriptorCount();
      const size_t heap = mallinfo2().uordblks;
      for (int i = 1; i < kCycles; ++i) windowOnce(k);
      const size_t now = mallinfo2().uordblks;
      std::fprintf(report, "fds %d %d grown %zu\n", fds, openDescriptorCount(),
                   now > heap ? now - heap : 0);
      std::fclose(report);
      if (std::string(k) == "GL") endOpenGlChild();
    });
    ASSERT_EQ(child.wait(300), 0) << k << ": " << child.output();
    int before = -1, after = -2;
    size_t grown = 0;
    ASSERT_EQ(std::sscanf(child.output().c_str(), "fds %d %d grown %zu", &before, &after, &grown),
              3)
        << k << ": " << child.output();
    EXPECT_EQ(after, before) << k;
#if !defined(__SANITIZE_ADDRESS__)
    // Xlib's own caches grow by a few bytes per window now and then; a
    // leaked allocation costs at least 32 bytes in every cycle.
    EXPECT_LT(grown, size_t{16 * kCycles}) << k << " keeps " << grown << " bytes";
#endif
  }
}

}  // namespace
}  // namespace zantor::test
