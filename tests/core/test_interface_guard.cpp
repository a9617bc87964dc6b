// No exception crosses the public interface: allocation failures injected
// into the text and raster paths become warning 53 in the routine that met
// them, the program goes on, and the next plot works.
// The test replaces the global allocation functions to make allocations
// fail; the sanitizer build's allocator owns them, so there the sanitizer
// itself watches every allocation instead and this file is left out.
#if !defined(__SANITIZE_ADDRESS__)
#include <zantor.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "core/state.h"
#include "support/fixture.h"

namespace {

// Allocations left before one fails; -1: none fails.  Only this test sets
// it; every other test allocates as usual through the replacement below.
std::atomic<long> allocationsBeforeFailure{-1};

void* allocate(std::size_t n) {
  if (allocationsBeforeFailure.load() >= 0 && allocationsBeforeFailure.fetch_sub(1) == 0)
    throw std::bad_alloc();
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t n) { return allocate(n); }
void* operator new[](std::size_t n) { return allocate(n); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace zantor::test {
namespace {

class InterfaceGuard : public LibraryTest {
 protected:
  // Runs one plot with the k-th allocation failing; returns false when the
  // plot made fewer than k + 1 allocations (nothing was injected).
  bool plotWithFailure(const char* format, long k, bool& warned53) {
    call(metafl_, format);
    int32_t w = 300, h = 200;  // a small picture keeps the many plots quick
    winsiz_(&w, &h);
    std::string out;
    bool injected = false;
    ::testing::internal::CaptureStdout();
    allocationsBeforeFailure = k;
    try {
      zanini_();
      zanglb.iproto = 0;
      // Text: a string, a formula, numbers.
      int32_t nx = 200, ny = 300, ndig = 3, ndigBig = 60;
      const char* text = "Fuzzy $x^{2}_{i}$ text";
      messag_(text, &nx, &ny, len(text));
      float v = 3.14159f;
      number_(&v, &ndig, &nx, &ny);
      number_(&v, &ndigBig, &nx, &ny);
      (void)nlmess_(text, len(text));
      // Raster: a thick polyline longer than the point buffer, a fill.
      int32_t w = 9;
      linwid_(&w);
      float xs[300], ys[300];
      for (int i = 0; i < 300; ++i) xs[i] = 100.0f + 5.0f * i, ys[i] = 500.0f + (i % 7) * 20.0f;
      strtpt_(&xs[0], &ys[0]);
      for (int i = 1; i < 300; ++i) connpt_(&xs[i], &ys[i]);
      int32_t ax[4] = {100, 900, 900, 100}, ay[4] = {900, 900, 1500, 1500}, n4 = 4, pat = 16;
      shdpat_(&pat);
      areaf_(ax, ay, &n4);
      // A curve in an axis system (its point arrays are allocated per call)
      // with a legend.
      float a = 0, e = 10, o = 0, s = 2;
      graf_(&a, &e, &o, &s, &a, &e, &o, &s);
      int32_t n = 300;
      for (int i = 0; i < n; ++i) xs[i] = i / 30.0f, ys[i] = 5.0f + (i % 9) / 3.0f;
      curve_(xs, ys, &n);
      char buf[2 * 40];
      int32_t nlin = 2, nmax = 40, one = 1, corner = 3;
      legini_(buf, &nlin, &nmax, sizeof buf);
      const char* entry = "first curve of the plot";
      leglin_(buf, entry, &one, sizeof buf, len(entry));
      legend_(buf, &corner, sizeof buf);
      endgrf_();
      zanfin_();
    } catch (...) {
      allocationsBeforeFailure = -1;
      out = ::testing::internal::GetCapturedStdout();
      ADD_FAILURE() << "an exception crossed the interface (" << format << ", allocation " << k
                    << ")";
      return false;
    }
    injected = allocationsBeforeFailure.load() < 0;
    allocationsBeforeFailure = -1;
    if (zanglb.nlev > 0) zanfin_();
    out = ::testing::internal::GetCapturedStdout();
    if (out.find("53: Not enough memory") != std::string::npos) warned53 = true;
    return injected;
  }
};

TEST_F(InterfaceGuard, AllocationFailuresInTextAndRasterBecomeWarnings) {
  for (const char* format : {"PNG", "VIRT", "POST"}) {
    bool warned = false;
    long k = 0;
    // Each allocation of the plot fails once in turn (every one for the
    // first hundred, then every seventh).
    // Each of the first 200 allocations fails in turn, then every 13th
    // (a PostScript plot with text makes about 2000).
    while (plotWithFailure(format, k, warned) && !HasFailure()) k += k < 200 ? 1 : 13;
    // Buffers kept between plots are allocated by the first plot only;
    // every plot allocates its strings and point arrays.
    EXPECT_GT(k, 5) << format;
    EXPECT_TRUE(warned) << format;
    // The library is usable afterwards: a plot without failures ends
    // cleanly and writes no warning.
    bool warnedAfter = false;
    EXPECT_FALSE(plotWithFailure(format, 1L << 40, warnedAfter));
    EXPECT_FALSE(warnedAfter) << format;
  }
}

}  // namespace
}  // namespace zantor::test

#endif  // !__SANITIZE_ADDRESS__
