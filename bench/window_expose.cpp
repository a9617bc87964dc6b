// Screen windows: repainting an 853 x 603 window from its back-up image
// (what an expose costs), through the X server's image requests ("XWIN")
// and through OpenGL ("GL"), and 1,000,000 points drawn into a window
// against the same points into a PNG file.  Uses $DISPLAY, or starts a
// private Xvfb when none is set.
#include <zantor.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/state.h"
#include "devices/window/x_windows.h"

namespace {

using Clock = std::chrono::steady_clock;

double since(Clock::time_point t0) { return std::chrono::duration<double>(Clock::now() - t0).count(); }

pid_t startServer() {
  const pid_t pid = fork();
  if (pid == 0) {
    execlp("Xvfb", "Xvfb", ":91", "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
           static_cast<char*>(nullptr));
    _exit(127);
  }
  setenv("DISPLAY", ":91", 1);
  usleep(700000);
  return pid;
}

std::vector<float> xs, ys;

struct Times {
  double open = 0, curve = 0, close = 0, repaintMs = -1;
};

// One plot of the million points on device `keyword`: the seconds of
// zanini, of the curve and of zanfin, and for windows the milliseconds of
// one full repaint (best of 50).
Times plot(const char* keyword) {
  Times t;
  metafl_(keyword, std::char_traits<char>::length(keyword));
  filmod_("DELE", 4);
  int32_t w = 853, h = 603;
  winsiz_(&w, &h);
  winmod_("NONE", 4);
  auto t0 = Clock::now();
  zanini_();
  t.open = since(t0);
  zantor::zanglb.iproto = 0;
  const float xa = 0, xe = 1, xor_ = 0, xstp = 0.2f, ya = -1, ye = 1, yor = -1, ystp = 0.5f;
  graf_(&xa, &xe, &xor_, &xstp, &ya, &ye, &yor, &ystp);
  const int32_t n = static_cast<int32_t>(xs.size());
  t0 = Clock::now();
  curve_(xs.data(), ys.data(), &n);
  endgrf_();
  if (zantor::zanglb.ndev < 100) zantor::syncXDisplay();
  t.curve = since(t0);
  if (zantor::zanglb.ndev < 100) {
    zantor::showXWindow(1);
    zantor::syncXDisplay();
    for (int i = 0; i < 50; ++i) {
      const auto r0 = Clock::now();
      zantor::showXWindow(1);
      zantor::syncXDisplay();
      const double ms = since(r0) * 1e3;
      if (t.repaintMs < 0 || ms < t.repaintMs) t.repaintMs = ms;
    }
  }
  t0 = Clock::now();
  zanfin_();
  t.close = since(t0);
  return t;
}

void report(const char* what, const Times& t) {
  std::printf("%-12s zanini %6.1f ms, 1M-point curve %6.1f ms, zanfin %6.1f ms", what,
              t.open * 1e3, t.curve * 1e3, t.close * 1e3);
  if (t.repaintMs >= 0) std::printf(", full repaint %.2f ms", t.repaintMs);
  std::printf("\n");
}

pid_t server = 0;
void stopServer() {
  if (server <= 0) return;
  kill(server, SIGTERM);
  waitpid(server, nullptr, 0);
}

}  // namespace

int main() {
  // Registered before the library's display connection exists, so run
  // after it has closed at exit.
  std::atexit(stopServer);
  if (std::getenv("DISPLAY") == nullptr) server = startServer();
  const int n = 1000000;
  xs.resize(n);
  ys.resize(n);
  for (int i = 0; i < n; ++i) {
    xs[i] = float(i) / float(n);
    ys[i] = std::sin(40.0f * xs[i]) * std::cos(3.0f * xs[i]);
  }
  std::printf("853 x 603 pictures, wall clock:\n");
  report("PNG file", plot("PNG"));
  report("XWIN window", plot("XWIN"));
  report("GL window", plot("GL"));
  return 0;
}
