// Shared set-up of the colour tests: a traced plot on a chosen device.
#pragma once
#include <zantor.h>

#include <string>
#include <vector>

#include "core/state.h"
#include "devices/trace/trace_device.h"
#include "support/fixture.h"

namespace zantor::test {

class ColourTest : public LibraryTest {
 protected:
  // Opens a traced plot on the device of `format` (and the screen mode).
  void open(const char* format = "GKSL", const char* screen = "AUTO") {
    installTraceDevice();
    call(metafl_, format);
    call(scrmod_, screen);
    zanini_();
    zanglb.iproto = 0;
  }
  static void table(const char* name) { call(setvlt_, name); }
  static int32_t entry(int i) { return zanglb.ivlt[i]; }
  static int32_t rgbValue(float r, float g, float b) { return intrgb_(&r, &g, &b); }
  // A warning line of `routine` with message number `n` among `lines`.
  static bool warned(const std::vector<std::string>& lines, int n, const std::string& routine) {
    char head[32];
    std::snprintf(head, sizeof head, " <<<< Warning%4d:", n);
    for (const auto& l : lines)
      if (l.rfind(head, 0) == 0 && l.find(" in " + routine + "!") != std::string::npos)
        return true;
    return false;
  }
};

constexpr int32_t kBlack = 0x01000000, kWhite = 0x01FFFFFF;

}  // namespace zantor::test
