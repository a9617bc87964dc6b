// Shared helpers of the PostScript writer tests.
#pragma once
#include <zantor.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "core/state.h"
#include "devices/dispatch.h"
#include "support/fixture.h"

namespace zantor::test {

class PostScriptTest : public LibraryTest {
 protected:
  // One plot on device `format` (file zantor.<ext>): `before` runs at
  // level 0, `draw` inside the plot; returns the file name.
  std::string plot(const char* format, const std::function<void()>& draw = {},
                   const std::function<void()>& before = {}) {
    call(metafl_, format);
    if (before) before();
    zanini_();
    EXPECT_EQ(zanglb.nlev, 1);
    zanglb.iproto = 0;
    if (draw) draw();
    const std::string name = zanglb.cfil.str();
    zanfin_();
    return name;
  }

  std::vector<std::string> lines(const std::string& file) {
    return splitLines(readFile(file));
  }

  // The drawing part of a file: every token after the header's last line
  // "2 setlinecap 2 setlinejoin" (or the placement line in SING mode).
  static std::vector<std::string> body(const std::vector<std::string>& l) {
    std::size_t i = 0;
    for (std::size_t k = 0; k < l.size(); ++k)
      if (l[k] == "2 setlinecap 2 setlinejoin" || l[k].find(" scale") != std::string::npos)
        i = k + 1;
    std::vector<std::string> tokens;
    for (; i < l.size(); ++i) {
      std::istringstream in(l[i]);
      for (std::string t; in >> t;) tokens.push_back(t);
    }
    // Every plot starts with its foreground colour and default line width.
    if (tokens.size() >= 4 && tokens[3] == "f") tokens.erase(tokens.begin(), tokens.begin() + 4);
    if (tokens.size() >= 3 && tokens[2] == "setlinewidth")
      tokens.erase(tokens.begin(), tokens.begin() + 3);
    return tokens;
  }

  // The writer of the open plot; a failed zanini is a test failure, never a
  // crash.
  static Device& dev() {
    struct Nothing : Device {
      void move(double, double) override {}
      void draw(double, double) override {}
    };
    static Nothing nothing;
    if (Device* d = currentDevice()) return *d;
    ADD_FAILURE() << "no plot is open";
    return nothing;
  }
};

}  // namespace zantor::test
