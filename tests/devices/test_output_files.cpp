// The device table, output file naming, the line buffers and the GKSL
// metafile.
#include <zantor.h>

#include <sys/stat.h>

#include "core/levels.h"
#include "core/state.h"
#include "devices/files.h"
#include "devices/plot_file.h"
#include "devices/raster/raster_device.h"
#include "devices/sink.h"
#include "support/fixture.h"

namespace zantor::test {
namespace {

class OutputFiles : public LibraryTest {
 protected:
  void plot(const char* device, const char* name = nullptr) {
    metafl_(device, len(device));
    if (name != nullptr) setfil_(name, len(name));
    zanini_();
    zanglb.iproto = 0;
    zanfin_();
  }
  int gfilnn(const std::string& name, std::string& out) {
    FixedString<256> f(name);
    int status = zantor::gfilnn(f);
    out = f.str();
    return status;
  }
};

TEST_F(OutputFiles, DeviceTableKeywords) {
  unsetenv("DISPLAY");
  struct { const char* key; int code; } cases[] = {
      {"GKSL", 201}, {"cgm", 211}, {"HPA1", 405}, {"post", 501}, {"PSCL", 502},
      {"XWIN", 72}, {"XWI8", 79}, {"XWND", 80}, {"TIFF", 601}, {"virt", 603},
      {"PNG", 604}, {"JAVA", 701}, {"EMF", 231}, {"PDF", 511}, {"EPS", 503},
      {"PS", 504}, {"svg", 801}, {"IPE", 802}, {"GIF", 607}, {"MET5", 80},
      {"CONS", 201},  // no display: the metafile
  };
  for (const auto& c : cases) {
    resetProcessState();
    call(metafl_, c.key);
    EXPECT_EQ(zanglb.ndev, c.code) << c.key;
    EXPECT_EQ(zanglb.imetfl, 1);
  }
}

TEST_F(OutputFiles, UnknownDeviceKeepsTheOldOne) {
  call(metafl_, "PDF");
  auto lines = printed([] {
    call(metafl_, "META");
    call(metafl_, "");
  });
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], " <<<< Warning   2: Incorrect parameter in METAFL!   (META)");
  EXPECT_EQ(zanglb.ndev, 511);
  EXPECT_TRUE(zanglb.cmeta.equals("PDF"));
}

TEST_F(OutputFiles, DefaultNamesByDevice) {
  EXPECT_EQ(deviceExtension(504), "ps");
  EXPECT_EQ(deviceExtension(701), "java");
  EXPECT_EQ(deviceExtension(603), "");
  plot("GKSL");
  EXPECT_TRUE(std::filesystem::exists(dir / "zantor.met"));
}

TEST_F(OutputFiles, CountModeNumbersExistingFiles) {
  writeFile(dir / "abcdefgh.met", "x");
  std::string out;
  EXPECT_EQ(gfilnn("abcdefgh.met", out), 0);
  EXPECT_EQ(out, "abcdef_1.met");
  writeFile(dir / "abcdef_1.met", "x");
  EXPECT_EQ(gfilnn("abcdefgh.met", out), 0);
  EXPECT_EQ(out, "abcdef_2.met");
  EXPECT_EQ(gfilnn("new.met", out), 0);
  EXPECT_EQ(out, "new.met");

  zanglb.iflmod = 3;  // VERS keeps the whole stem
  EXPECT_EQ(gfilnn("abcdefgh.met", out), 0);
  EXPECT_EQ(out, "abcdefgh_1.met");
  zanglb.iflsep = 1;
  zanglb.iflnum = 1;
  EXPECT_EQ(gfilnn("abcdefgh.met", out), 0);
  EXPECT_EQ(out, "abcdefgh-0001.met");
  zanglb.iflsep = 2;
  zanglb.iflnum = 0;
  EXPECT_EQ(gfilnn("abcdefgh.met", out), 0);
  EXPECT_EQ(out, "abcdefgh1.met");
}

TEST_F(OutputFiles, NamesWithDirectoriesAndWithoutExtension) {
  std::filesystem::create_directories(dir / "sub.d");
  writeFile(dir / "sub.d/plot", "x");
  std::string out;
  EXPECT_EQ(gfilnn("sub.d/plot", out), 0);
  EXPECT_EQ(out, "sub.d/plot_1");
  writeFile(dir / "sub.d/.hidden", "x");
  EXPECT_EQ(gfilnn("sub.d/.hidden", out), 37);
}

TEST_F(OutputFiles, TooManyVersions) {
  call(filopt_, "2", "DIGI");
  EXPECT_EQ(zanglb.ifldig, 2);
  writeFile(dir / "p.met", "x");
  for (int k = 1; k <= 99; ++k) writeFile(dir / ("p_" + std::to_string(k) + ".met"), "x");
  std::string out;
  EXPECT_EQ(gfilnn("p.met", out), 170);
}

TEST_F(OutputFiles, DeleteAndBreakModes) {
  writeFile(dir / "p.met", "old");
  std::string out;
  call(filmod_, "BREA");
  EXPECT_EQ(gfilnn("p.met", out), 169);
  call(filmod_, "DELE");
  EXPECT_EQ(gfilnn("p.met", out), 0);
  EXPECT_FALSE(std::filesystem::exists(dir / "p.met"));
}

TEST_F(OutputFiles, ExistingFileRefusedStopsThePlot) {
  writeFile(dir / "p.met", "old");
  call(filmod_, "BREA");
  call(setfil_, "p.met");
  auto lines = printed([] { zanini_(); });
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], " <<<< Warning 169: Plotfile does exist in ZANINI!");
  EXPECT_EQ(zanglb.nlev, 0);
  EXPECT_EQ(readFile(dir / "p.met"), "old");
  lines = printed([] { call(pagorg_, "TOP"); });
  EXPECT_EQ(lines.at(0), " <<<< Warning   3: Incorrect level in PAGORG!   (   0)");
}

TEST_F(OutputFiles, UnwritableDirectoryGivesFileError) {
  call(setfil_, "/nonexistent-dir/plot.met");
  auto lines = printed([] { zanini_(); });
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], " <<<< Warning  36: File error in ZANINI!");
  EXPECT_EQ(zanglb.nlev, 0);
}

TEST_F(OutputFiles, OverlongFileNameIsCut) {
  std::string longName(300, 'a');
  call(setfil_, longName.c_str());
  EXPECT_EQ(zanglb.cfil.str(), std::string(256, 'a'));
  auto lines = printed([] { zanini_(); });
  EXPECT_EQ(zanglb.nlev, 0);  // a 256-character name is too long for the system
  EXPECT_EQ(lines.at(0), " <<<< Warning  36: File error in ZANINI!");
}

TEST_F(OutputFiles, SetfilNameIsReusedByLaterPlots) {
  plot("GKSL", "mine.met");
  zanini_();
  zanglb.iproto = 0;
  zanfin_();
  EXPECT_TRUE(std::filesystem::exists(dir / "mine.met"));
  EXPECT_TRUE(std::filesystem::exists(dir / "mine_1.met"));
}

TEST_F(OutputFiles, FiloptAndScreenModeKeywords) {
  call(filopt_, "HYPH", "SEPA");
  call(filopt_, "LONG", "NUMB");
  call(filopt_, "ON", "SCAL");
  EXPECT_EQ(zanglb.iflsep, 1);
  EXPECT_EQ(zanglb.iflnum, 1);
  EXPECT_EQ(zanglb.iflscl, 1);
  auto lines = printed([] { call(filopt_, "7", "DIGI"); });
  EXPECT_EQ(lines.at(0), " <<<< Warning   2: Incorrect parameter in FILOPT!   (7)");
  EXPECT_EQ(zanglb.ifldig, 4);
  call(scrmod_, "NORE");
  EXPECT_EQ(zanglb.iscrmd, 0);
  call(scrmod_, "REVERSE");
  EXPECT_EQ(zanglb.iscrmd, 2);
}

TEST_F(OutputFiles, ScreenModeResolvesPerDevice) {
  zanini_();
  EXPECT_EQ(zanglb.inoers, 0);
  zanglb.iproto = 0;
  zanfin_();
  call(metafl_, "EPS");
  zanini_();
  EXPECT_EQ(zanglb.inoers, 2);
  zanglb.iproto = 0;
  zanfin_();
}

TEST_F(OutputFiles, TextLineBufferBreaksAtCallBoundaries) {
  auto sink = std::make_unique<MemorySink>();
  MemorySink* mem = sink.get();
  attachPlotSink(std::move(sink));
  zanglb.nbmax = 80;
  for (int i = 0; i < 9; ++i) qqsbuf("0123456789");
  qqsbuf(std::string(30, 'x'));
  setRoutineName("QQSBUF");
  auto lines = printed([] { qqsbuf(std::string(81, 'y')); });
  EXPECT_EQ(lines.at(0), " <<<< Warning 176: Internal overflow in qqsbuf in QQSBUF!");
  writePlotLine("end");
  std::string all = mem->str();
  closePlotFile();
  EXPECT_EQ(all,
            "01234567890123456789012345678901234567890123456789012345678901234567890123456789\n"
            "0123456789" + std::string(30, 'x') + "\nend\n");
}

TEST_F(OutputFiles, PostScriptBufferBreaksBetweenTokens) {
  auto sink = std::make_unique<MemorySink>();
  MemorySink* mem = sink.get();
  attachPlotSink(std::move(sink));
  zanglb.nbmax = 80;
  for (int i = 0; i < 12; ++i) qpsbuf("  100   200 d ", 14);
  qpsbuf("p ", 2);
  qpsbuf(std::string(90, 'z'), 90);  // one token longer than a line
  qpsbuf("", -1);
  std::string s = mem->str();
  closePlotFile();
  std::vector<std::string> lines = splitLines(s);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[3], "");  // flushing an empty buffer writes an empty line
  EXPECT_EQ(lines[0], "100 200 d 100 200 d 100 200 d 100 200 d 100 200 d 100 200 d 100 200 d 100 200 d ");
  EXPECT_EQ(lines[1], "100 200 d 100 200 d 100 200 d 100 200 d p ");
  EXPECT_EQ(lines[2], std::string(90, 'z'));
  for (std::size_t i = 0; i < 2; ++i) EXPECT_LE(lines[i].size(), 80u);
}

TEST_F(OutputFiles, RecordFileWritesPaddedRecords) {
  auto sink = std::make_unique<MemorySink>();
  MemorySink* mem = sink.get();
  attachPlotSink(std::move(sink), true);
  zanglb.nbmax = 80;
  qqsbuf(std::string(100, 'a'));
  qqsbuf(std::string(70, 'b'));
  std::string before = mem->str();
  EXPECT_EQ(before.size(), 160u);
  EXPECT_EQ(zanglb.ndirec, 2);
  EXPECT_EQ(zanglb.nbuff, 10);
  closePlotFile();
}

TEST_F(OutputFiles, FailingSinkKeepsTheFirstError) {
  auto sink = std::make_unique<FaultSink>(std::make_unique<MemorySink>(), 25);
  FaultSink* fault = sink.get();
  fault->write("0123456789");
  fault->write("0123456789");
  EXPECT_FALSE(fault->failed());
  fault->write("0123456789");
  EXPECT_TRUE(fault->failed());
  EXPECT_EQ(fault->position(), 20u);
  fault->write("more");
  EXPECT_EQ(static_cast<MemorySink&>(fault->target()).str().size(), 25u);
  EXPECT_FALSE(fault->close());
}

TEST_F(OutputFiles, GkslMetafileBytes) {
  call(setfil_, "t.met");
  zanini_();
  const int32_t a = 0, b = 2969, c = 2099;
  line_(&a, &a, &b, &c);
  line_(&b, &c, &a, &c);
  zanglb.iproto = 0;
  zanfin_();
  EXPECT_EQ(readFile(dir / "t.met"),
            "      29.7      21.0\n"
            " 0.0000000 0.7069720 3.0000000 1.0000000 0.0000000 2.0000000 1.0000000 0.0000000\n"
            " 3.0000000 0.0000000 0.0000000 2.0000000 0.0000000 0.0000000 3.0000000 9.0000000\n");
}

TEST_F(OutputFiles, GkslPortraitHeaderAndFullDisk) {
  call(pagmod_, "PORT");
  zanini_();
  // The disk fills up after the header.
  attachPlotSink(std::make_unique<FaultSink>(std::make_unique<MemorySink>(), 30));
  const int32_t a = 0, b = 100;
  for (int i = 0; i < 10; ++i) line_(&a, &a, &b, &b);
  auto lines = printed([] { zanfin_(); });
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0], " <<<< Warning  36: File error in ZANFIN!");
  EXPECT_EQ(zanglb.nlev, 0);
  EXPECT_EQ(readFile(dir / "zantor.met"), "      21.0      29.7\n");
}

}  // namespace
}  // namespace zantor::test

namespace zantor::test {
namespace {

class JavaOutput : public LibraryTest {};

TEST_F(JavaOutput, AppletSourceWithLinesAndErase) {
  call(metafl_, "JAVA");
  call(setfil_, "Plot.java");
  zanini_();
  zanglb.iproto = 0;
  const int32_t a = 0, b = 2969, c = 2099;
  line_(&a, &a, &b, &c);
  erase_();
  zanfin_();
  EXPECT_EQ(readFile(dir / "Plot.java"),
            "// ZANTOR Java Metafile\n"
            "// Creator: ZANTOR 11.6\n"
            "// Date   : 14.11.2023 22:13:20\n"
            "// Size   : 853 603\n"
            "import java.applet.*;\n"
            "import java.awt.*;\n"
            "public class Plot extends Applet {\n"
            "public void paint(Graphics g) {\n"
            "  g.setColor (new Color (0,0,0));\n"  // the foreground on paper
            "  g.drawLine (0,0,852,602);\n"
            "  g.clearRect (0,0,853,603);\n"
            "  }\n"
            "}\n");
}

}  // namespace
}  // namespace zantor::test

namespace zantor::test {
namespace {

class ScreenDevices : public LibraryTest {};

TEST_F(ScreenDevices, WindowWithoutDisplayStopsTheProgram) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  unsetenv("DISPLAY");
  call(metafl_, "XWIN");
  EXPECT_EQ(zanglb.ndev, 72);
  EXPECT_EXIT(zanini_(), ::testing::ExitedWithCode(1), "");
}

TEST_F(ScreenDevices, GlWithoutSupportFallsBackToTheDefaultWindow) {
  auto lines = printed([] { call(metafl_, "GL"); });
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], " <<<< Warning 181: OPENGL is not supported in METAFL!");
  EXPECT_EQ(zanglb.ndev, 80);
}

}  // namespace
}  // namespace zantor::test

namespace zantor::test {
namespace {

class FullDisk : public LibraryTest {};

// Every text-file device survives a disk that fills up at any point of
// the plot: the plot ends with warning 36 and level 0, never a crash.
TEST_F(FullDisk, EveryTextDeviceReportsTheFileError) {
  for (const char* device : {"GKSL", "PS", "EPS", "POST", "PSCL", "JAVA"}) {
    for (uint64_t limit : {0u, 1u, 200u, 5000u}) {
      resetProcessState();
      call(metafl_, device);
      call(filmod_, "DELE");
      zanini_();
      ASSERT_EQ(zanglb.nlev, 1) << device;
      zanglb.iproto = 0;
      attachPlotSink(std::make_unique<FaultSink>(std::make_unique<MemorySink>(), limit));
      for (int32_t i = 0; i < 500; ++i) {
        const int32_t a = i, b = 2000 - i;
        line_(&a, &a, &b, &b);
      }
      auto lines = printed([] { zanfin_(); });
      ASSERT_FALSE(lines.empty()) << device << " " << limit;
      EXPECT_EQ(lines[0], " <<<< Warning  36: File error in ZANFIN!") << device << " " << limit;
      EXPECT_EQ(zanglb.nlev, 0);
    }
  }
}

}  // namespace
}  // namespace zantor::test

namespace zantor::test {
namespace {

// After a write failure the protocol names no file, for vector and raster
// devices alike: the warning said that the file could not be written.
TEST_F(FullDisk, ProtocolNamesNoFileThatFailed) {
  for (const char* device : {"POST", "GKSL", "PNG", "PPM"}) {
    resetProcessState();
    call(metafl_, device);
    call(filmod_, "DELE");
    const bool raster = std::string(device) == "PNG" || std::string(device) == "PPM";
    if (raster)
      setRasterSinkFactory([](const std::string& path) {
        return std::make_unique<FaultSink>(std::make_unique<FileSink>(path), 10);
      });
    zanini_();
    ASSERT_EQ(zanglb.nlev, 1) << device;
    if (!raster) attachPlotSink(std::make_unique<FaultSink>(std::make_unique<MemorySink>(), 10));
    const int32_t a = 0, b = 500;
    line_(&a, &a, &b, &b);
    const auto lines = printed([] { zanfin_(); });
    setRasterSinkFactory({});
    ASSERT_FALSE(lines.empty()) << device;
    EXPECT_EQ(lines[0], " <<<< Warning  36: File error in ZANFIN!") << device;
    bool named = false, found = false;
    for (const std::string& l : lines)
      if (l.rfind("  <<  Metafile:", 0) == 0)
        found = true, named = l != "  <<  Metafile:" + std::string(51, ' ') + "<<";
    EXPECT_TRUE(found) << device;
    EXPECT_FALSE(named) << device;
  }
}

}  // namespace
}  // namespace zantor::test
