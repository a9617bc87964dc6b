#include "support/fixture.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include <zantor.h>

#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "devices/dispatch.h"
#include "devices/plot_file.h"

namespace zantor::test {

void LibraryTest::SetUp() {
  previous = std::filesystem::current_path();
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  // One directory per test and process, so that test runs side by side
  // never share files.
  dir = std::filesystem::temp_directory_path() / "zantor-tests" /
        (std::string(info->test_suite_name()) + "." + info->name() + "." +
         std::to_string(getpid()));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  std::filesystem::current_path(dir);
  setenv("ZANTOR", dir.c_str(), 1);
  setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
  resetProcessState();
}

void LibraryTest::TearDown() {
  if (zanglb.nlev > 0) {  // a test that stopped inside a plot
    zanglb.nunit = 0;
    zanglb.iproto = 0;
    zanfin_();
  }
  discardPlotFile();
  closeErrorFile();
  setDeviceFactoryOverride({});
  resetProcessState();
  std::filesystem::current_path(previous);
  if (!HasFailure()) std::filesystem::remove_all(dir);  // keep failures to look at
}

std::vector<std::string> LibraryTest::splitLines(const std::string& s) {
  std::vector<std::string> lines;
  std::istringstream in(s);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string LibraryTest::readFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void LibraryTest::writeFile(const std::filesystem::path& p, const std::string& s) {
  std::ofstream out(p, std::ios::binary);
  out << s;
}

}  // namespace zantor::test
