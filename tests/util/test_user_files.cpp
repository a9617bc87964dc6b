// Byte-stream files of the calling program.
#include <zantor.h>

#include "core/state.h"
#include "support/fixture.h"

namespace zantor::test {
namespace {

class UserFiles : public LibraryTest {
 protected:
  int32_t open(const char* name, int32_t unit, int32_t mode) {
    int32_t st = 99;
    openfl_(name, &unit, &mode, &st, len(name));
    return st;
  }
  void close(int32_t unit) { closfl_(&unit); }
};

TEST_F(UserFiles, WriteReadSkipPosition) {
  ASSERT_EQ(open("data.bin", 5, 1), 0);
  int32_t unit = 5, n = 6, st = 0, pos = 0;
  char out[] = "abcdef";
  writfl_(&unit, out, &n, &st);
  EXPECT_EQ(st, 6);
  tellfl_(&unit, &pos);
  EXPECT_EQ(pos, 6);
  close(5);

  ASSERT_EQ(open("data.bin", 5, 0), 0);
  char in[16] = {};
  int32_t two = 2;
  skipfl_(&unit, &two, &st);
  EXPECT_EQ(st, 0);
  int32_t ten = 10;
  readfl_(&unit, in, &ten, &st);
  EXPECT_EQ(st, 4);  // a short read at the end of the file
  EXPECT_EQ(std::string(in, 4), "cdef");
  int32_t zero = 0;
  posifl_(&unit, &zero, &st);
  EXPECT_EQ(st, 0);
  tellfl_(&unit, &pos);
  EXPECT_EQ(pos, 0);
  int32_t back = -1;
  skipfl_(&unit, &back, &st);  // before the start of the file
  EXPECT_EQ(st, -1);
  close(5);

  ASSERT_EQ(open("data.bin", 7, 2), 0);
  unit = 7;
  writfl_(&unit, out, &two, &st);
  close(7);
  EXPECT_EQ(readFile(dir / "data.bin"), "abcdefab");
}

TEST_F(UserFiles, WrongModesReturnMinusOneSilently) {
  ASSERT_EQ(open("r.bin", 3, 1), 0);
  int32_t unit = 3, n = 4, st = 0;
  char buf[4] = {};
  auto lines = printed([&] { readfl_(&unit, buf, &n, &st); });
  EXPECT_EQ(st, -1);
  EXPECT_TRUE(lines.empty());
  close(3);
  ASSERT_EQ(open("r.bin", 3, 0), 0);
  writfl_(&unit, buf, &n, &st);
  EXPECT_EQ(st, -1);
  close(3);
  ASSERT_EQ(open("r.bin", 3, 2), 0);
  readfl_(&unit, buf, &n, &st);
  EXPECT_EQ(st, -1);
  close(3);
  for (int32_t bad : {-1, 100, 42}) {
    int32_t pos = 0;
    readfl_(&bad, buf, &n, &st);
    EXPECT_EQ(st, -1);
    tellfl_(&bad, &pos);
    EXPECT_EQ(pos, -1);
    posifl_(&bad, &n, &st);
    EXPECT_EQ(st, -1);
  }
}

TEST_F(UserFiles, OpenFailures) {
  ASSERT_EQ(open("a.bin", 5, 1), 0);
  int32_t st = 0;
  auto lines = printed([&] { st = open("b.bin", 5, 1); });
  EXPECT_EQ(st, 2);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], " <<<< Warning 163: File is already open in OPENFL!");
  // The first stream is still open and usable.
  int32_t unit = 5, n = 1;
  char c = 'z';
  writfl_(&unit, &c, &n, &st);
  EXPECT_EQ(st, 1);
  close(5);

  lines = printed([&] { st = open("missing.bin", 6, 0); });
  EXPECT_EQ(st, 1);
  EXPECT_EQ(lines.at(0), " <<<< Warning  36: File error in OPENFL!");
  lines = printed([&] { st = open("x.bin", 100, 0); });
  EXPECT_EQ(st, -1);
  EXPECT_EQ(lines.at(0), " <<<< Warning   2: Incorrect parameter in OPENFL!   ( 100)");
  lines = printed([&] { st = open("x.bin", 1, 3); });
  EXPECT_EQ(st, -1);
  lines = printed([&] { st = open("", 1, 1); });
  EXPECT_EQ(st, 1);
  lines = printed([&] { close(9); });
  EXPECT_EQ(lines.at(0), " <<<< Warning 164: File is not open in CLOSFL!");
}

TEST_F(UserFiles, DirectoryIsNoFile) {
  std::filesystem::create_directory(dir / "folder");
  int32_t st = 0;
  auto lines = printed([&] { st = open("folder", 4, 0); });
  EXPECT_EQ(st, 1);
  EXPECT_EQ(lines.at(0), " <<<< Warning  36: File error in OPENFL!");
  // The unit stays free for a real file.
  EXPECT_EQ(open("real.bin", 4, 1), 0);
  close(4);
}

}  // namespace
}  // namespace zantor::test
