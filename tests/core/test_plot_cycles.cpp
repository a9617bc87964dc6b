// Many plots in one process: every file device is opened, drawn on and
// closed a thousand times.  No file descriptor stays open and the heap does
// not grow; under the sanitizer build LeakSanitizer checks every cycle's
// allocations at exit, so fewer cycles suffice there.
#include <dirent.h>
#include <malloc.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "support/fixture.h"
#include "zantor.h"

namespace zantor::test {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int kCycles = 20;
#else
constexpr int kCycles = 1000;
#endif

// The open descriptors with what they name, to show a leaked one.
std::string openDescriptors() {
  std::string n;
  if (DIR* d = opendir("/proc/self/fd")) {
    while (dirent* e = readdir(d)) {
      char buf[256] = {};
      std::string p = std::string("/proc/self/fd/") + e->d_name;
      ssize_t k = readlink(p.c_str(), buf, 255);
      n += std::string(e->d_name) + "=" + (k > 0 ? buf : "") + " ";
    }
    closedir(d);
  }
  return n;
}

// One small plot with lines, a fill, text and numbers.
void plotOnce(const char* keyword) {
  call(metafl_, keyword);
  call(filmod_, "DELE");
  call(errmod_, "ALL", "OFF");
  zanini_();
  call(errmod_, "ALL", "OFF");
  const float xa = 0, xe = 10, xor_ = 0, xs = 2, ya = -1, ye = 1, yor = -1, ys = 0.5;
  graf_(&xa, &xe, &xor_, &xs, &ya, &ye, &yor, &ys);
  float x[16], y[16];
  for (int i = 0; i < 16; ++i) x[i] = i * 0.6f, y[i] = (i % 5) * 0.4f - 0.8f;
  const int32_t n = 16;
  curve_(x, y, &n);
  const int32_t nx = 300, ny = 300, nw = 200, nh = 100, pat = 16;
  shdpat_(&pat);
  int32_t ix[4] = {nx, nx + nw, nx + nw, nx}, iy[4] = {ny, ny, ny + nh, ny + nh};
  const int32_t four = 4;
  areaf_(ix, iy, &four);
  messag_("cycle", &nx, &ny, 5);
  endgrf_();
  zanfin_();
}

class PlotCycles : public LibraryTest {};

TEST_F(PlotCycles, EveryFileDeviceLeavesNoDescriptorAndNoHeapGrowth) {
  const std::vector<const char*> keywords = {
      "GKSL", "CGM", "HPGL", "HPA4", "POST", "PSCL", "EPS", "PS", "PDF", "SVG", "IPE",
      "WMF", "EMF", "JAVA", "TIFF", "IMAG", "VIRT", "PNG", "PPM", "BMP", "GIF"};
  for (const char* k : keywords) {
    ::testing::internal::CaptureStdout();
    plotOnce(k);  // first use allocates what stays for the process
    const std::string fds = openDescriptors();
    const size_t heap = mallinfo2().uordblks;
    for (int i = 1; i < kCycles; ++i) plotOnce(k);
    const size_t grown = mallinfo2().uordblks - std::min(heap, mallinfo2().uordblks);
    EXPECT_EQ(openDescriptors(), fds) << k;
    ::testing::internal::GetCapturedStdout();
#if !defined(__SANITIZE_ADDRESS__)
    // Allocator noise is far below one byte per cycle; a leak is not.
    EXPECT_LT(grown, size_t{kCycles}) << k << " keeps " << grown << " bytes";
#else
    (void)grown;
#endif
  }
}

}  // namespace
}  // namespace zantor::test
