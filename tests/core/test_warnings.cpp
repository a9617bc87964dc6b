// Warning lines, message switches, the error file and the protocol box.
#include <zantor.h>

#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "devices/trace/trace_device.h"
#include "support/fixture.h"

namespace zantor::test {
namespace {

class Warnings : public LibraryTest {};

TEST_F(Warnings, LineLayouts) {
  setRoutineName("GRAF");
  auto lines = printed([] {
    warnin(11);
    warni1(3, 2);
    warni1(2, 10000);
    warni1(2, -1000);
    warni1(2, -999);
    warnc1(2, "XYZ   ");
    qqerror(163, "File is already open");
  });
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[0], " <<<< Warning  11: Axis length < 2 in GRAF!");
  EXPECT_EQ(lines[1], " <<<< Warning   3: Incorrect level in GRAF!   (   2)");
  EXPECT_EQ(lines[2], " <<<< Warning   2: Incorrect parameter in GRAF!   (   10000)");
  EXPECT_EQ(lines[3], " <<<< Warning   2: Incorrect parameter in GRAF!   (   -1000)");
  EXPECT_EQ(lines[4], " <<<< Warning   2: Incorrect parameter in GRAF!   (-999)");
  EXPECT_EQ(lines[5], " <<<< Warning   2: Incorrect parameter in GRAF!   (XYZ)");
  EXPECT_EQ(lines[6], " <<<< Warning 163: File is already open in GRAF!");
  EXPECT_EQ(zanglb.nplerr, 7);
}

TEST_F(Warnings, NumbersWithoutTableTextReportErrmes) {
  setRoutineName("X");
  auto lines = printed([] { warnin(77); });
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], " <<<< Incorrect parameter in ERRMES!  77");
  EXPECT_EQ(lines[1], " <<<< Warning  77:  in X!");
}

TEST_F(Warnings, TextsAboveHundredComeFromQqserr) {
  setRoutineName("METAFL");
  qqserr("OPENGL is not supported");
  auto lines = printed([] { warnin(181); });
  EXPECT_EQ(lines.at(0), " <<<< Warning 181: OPENGL is not supported in METAFL!");
}

TEST_F(Warnings, WrongLevelNamesTheRoutineAndLevel) {
  auto lines = printed([] { zanfin_(); });
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], " <<<< Warning   3: Incorrect level in ZANFIN!   (   0)");
}

TEST_F(Warnings, SuppressedWarningsAreStillCounted) {
  auto lines = printed([] {
    zanini_();
    call(errmod_, "WARN", "OFF");
    call(setpag_, "USAL");      // wrong level, silent
    call(pagorg_, "MIDDLE");    // unknown keyword, silent
    zanfin_();
  });
  // Nothing but the protocol; its warning count includes the silent ones.
  ASSERT_GE(lines.size(), 6u);
  EXPECT_EQ(lines[0], "   ");
  EXPECT_NE(lines[4].find("Warnings: 2 "), std::string::npos) << lines[4];
}

TEST_F(Warnings, UnitZeroSilencesWarningsAndProtocol) {
  auto lines = printed([] {
    zanini_();
    const int32_t zero = 0;
    unit_(&zero);
    call(setpag_, "USAL");
    zanfin_();
  });
  EXPECT_TRUE(lines.empty());
}

TEST_F(Warnings, UnitRejectsReservedUnits) {
  for (int32_t u : {15, 16, -1, 1001}) {
    auto lines = printed([&] {
      zanini_();
      unit_(&u);
      zanglb.iproto = 0;
      zanfin_();
    });
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("Incorrect parameter in UNIT!"), std::string::npos);
  }
}

TEST_F(Warnings, ProtocolOffKeepsWarnings) {
  auto lines = printed([] {
    zanini_();
    call(errmod_, "PROT", "OFF");
    call(setpag_, "USAL");
    zanfin_();
  });
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("Incorrect level in SETPAG!"), std::string::npos);
}

TEST_F(Warnings, ErrmodAllSetsEverySwitch) {
  zanini_();
  call(errmod_, "ALL", "OFF");
  EXPECT_EQ(zanglb.ierrmd, 0);
  EXPECT_EQ(zanglb.nchek, 0);
  EXPECT_EQ(zanglb.iproto, 0);
  call(errmod_, "PROT", "FILE");
  EXPECT_EQ(zanglb.iproto, 2);
  call(errmod_, "CHEC", "FILE");  // FILE is only a protocol mode
  EXPECT_EQ(zanglb.nchek, 0);
  zanfin_();
}

TEST_F(Warnings, ProtocolBoxLayout) {
  auto lines = printed([] {
    call(setfil_, "box.met");
    zanini_();
    const int32_t a = 0, b = 100;
    line_(&a, &a, &b, &b);
    line_(&b, &a, &a, &b);
    zanfin_();
  });
  std::vector<std::string> want = {
      "   ",
      "  " + std::string(66, '<'),
      "  <<                END  OF  ZANTOR / VERSION 11.6                <<",
      "  <<  Date    : 14.11.2023  Time    : 22:13:20  Pageformat: DA4L  <<",
      "  <<  Vectors : 2           Warnings: 0         Fileformat: GKSL  <<",
      "  <<  Metafile: box.met                                           <<",
      "  " + std::string(66, '<'),
      "   ",
  };
  EXPECT_EQ(lines, want);
  for (std::size_t i = 1; i + 1 < lines.size(); ++i) EXPECT_EQ(lines[i].size(), 68u);
}

TEST_F(Warnings, ProtocolWithoutPlotFileHasAnEmptyName) {
  installTraceDevice();  // like a screen: no plot file is written
  auto lines = printed([] {
    zanini_();
    zanfin_();
  });
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[5], "  <<  Metafile:" + std::string(51, ' ') + "<<");
}

TEST_F(Warnings, ProtocolShowsNaNCount) {
  auto lines = printed([] {
    zanini_();
    zanglb.nnans = 12;
    zanfin_();
  });
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[5], "  <<  NaN:      12                                                <<");
}

TEST_F(Warnings, ErrorFileCollectsWarningsAndProtocolStaysOnConsole) {
  call(errdev_, "FILE");
  auto lines = printed([] {
    zanini_();
    call(pagorg_, "MIDDLE");
    zanfin_();
  });
  std::string err = readFile(dir / "zantor.err");
  EXPECT_EQ(err, " <<<< Warning   2: Incorrect parameter in PAGORG!   (MIDDLE)\n");
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[5].substr(0, 16), "  <<  Metafile: ");
  EXPECT_EQ(lines[6].substr(0, 16), "  <<  Err-file: ");
  EXPECT_EQ(lines[6].substr(16, 17), "/tmp/zantor-tests");  // the full path
}

TEST_F(Warnings, ErrorFileFollowsExistingFileModesOrAppends) {
  writeFile(dir / "zantor.err", "old\n");
  call(errdev_, "FILE");
  printed([] {
    zanini_();
    call(pagorg_, "MIDDLE");
    zanfin_();
  });
  EXPECT_EQ(readFile(dir / "zantor.err"), "old\n");
  EXPECT_NE(readFile(dir / "zantor_1.err").find("PAGORG"), std::string::npos);

  call(errdev_, "APPE");
  printed([] {
    zanini_();
    call(pagorg_, "LEFT");
    zanfin_();
  });
  EXPECT_EQ(readFile(dir / "zantor.err"),
            "old\n <<<< Warning   2: Incorrect parameter in PAGORG!   (LEFT)\n");
}

TEST_F(Warnings, ProtocolIntoTheErrorFile) {
  call(errdev_, "FILE");
  call(errfil_, "plot.log");
  auto lines = printed([] {
    zanini_();
    call(errmod_, "PROT", "FILE");
    zanfin_();
  });
  EXPECT_TRUE(lines.empty());
  std::string log = readFile(dir / "plot.log");
  EXPECT_NE(log.find("END  OF  ZANTOR"), std::string::npos);
  EXPECT_NE(log.find("Err-file:"), std::string::npos);
}

TEST_F(Warnings, UnwritableErrorFileLosesMessagesQuietly) {
  call(errdev_, "FILE");
  call(errfil_, "/nonexistent-dir/x.err");
  auto lines = printed([] {
    zanini_();
    call(pagorg_, "MIDDLE");
    zanfin_();
  });
  EXPECT_EQ(zanglb.nplerr, 1);
  ASSERT_FALSE(lines.empty());  // the protocol itself still reaches the console
  EXPECT_EQ(lines[0], "   ");
}

}  // namespace
}  // namespace zantor::test
