// Keyword lists, range and date checks, and the warning lines they give.
#include <zantor.h>

#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "support/fixture.h"

namespace zantor::test {
namespace {

class Keywords : public LibraryTest {};

TEST_F(Keywords, MatchesFirstFourCharactersWithoutCase) {
  setRoutineName("ERRDEV");
  EXPECT_EQ(jqqind("CONS+FILE+APPE", 3, "file"), 2);
  EXPECT_EQ(jqqind("CONS+FILE+APPE", 3, "FILES"), 2);
  EXPECT_EQ(jqqind("CONS+FILE+APPE", 3, "appe"), 3);
  EXPECT_EQ(jqqind("OFF +ON  +FILE", 3, "ON"), 2);
  EXPECT_EQ(jqqind("WARN+CHEC+PROT+ALL ", 4, "all"), 4);
}

TEST_F(Keywords, UnknownKeywordWarnsWithTheWholeArgument) {
  setRoutineName("ERRDEV");
  int r = -1;
  auto lines = printed([&] { r = jqqind("CONS+FILE+APPE", 3, "fi   "); });
  EXPECT_EQ(r, 0);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], " <<<< Warning   2: Incorrect parameter in ERRDEV!   (fi)");
  EXPECT_EQ(zanglb.nplerr, 1);
}

TEST_F(Keywords, EmptyKeywordMatchesOnlyABlankEntry) {
  setRoutineName("X");
  auto lines = printed([&] { EXPECT_EQ(jqqind("ON  +OFF ", 2, ""), 0); });
  EXPECT_EQ(lines.at(0), " <<<< Warning   2: Incorrect parameter in X!   ()");
  EXPECT_EQ(jqqind("ON  +    ", 2, ""), 2);
}

TEST_F(Keywords, RangeCheckWithoutUpperBound) {
  setRoutineName("SETCLR");
  EXPECT_EQ(jqqval(0, 0, -1), 0);
  EXPECT_EQ(jqqval(2000000000, 0, -1), 0);
  auto lines = printed([&] { EXPECT_EQ(jqqval(-5, 0, -1), 1); });
  EXPECT_EQ(lines.at(0), " <<<< Warning   2: Incorrect parameter in SETCLR!   (  -5)");
  printed([&] { EXPECT_EQ(jqqval(8, 0, 7), 1); });
  EXPECT_EQ(jqqval(7, 0, 7), 0);
}

TEST_F(Keywords, DatesFollowTheLeapYearRule) {
  setRoutineName("BASDAT");
  std::vector<std::string> lines = printed([&] { EXPECT_EQ(jqqdat(29, 2, 1900), 1); });
  EXPECT_EQ(lines.at(0), " <<<< Warning   2: Incorrect parameter in BASDAT!   (  29)");
  EXPECT_EQ(jqqdat(29, 2, 2000), 0);
  EXPECT_EQ(jqqdat(31, 4, 2001), 0);  // month lengths are not checked
  lines = printed([&] { EXPECT_EQ(jqqdat(1, 13, 2001), 1); });
  EXPECT_NE(lines.at(0).find("(  13)"), std::string::npos);
  lines = printed([&] { EXPECT_EQ(jqqdat(1, 1, 999), 1); });
  EXPECT_NE(lines.at(0).find("( 999)"), std::string::npos);
  EXPECT_EQ(jqqyea(2024), 1);
  EXPECT_EQ(jqqyea(2100), 0);
}

TEST_F(Keywords, StringHelpers) {
  EXPECT_EQ(upstr("ab c1z  "), "AB C1Z");
  EXPECT_EQ(trmlen("abc   "), 3u);
  EXPECT_EQ(trmlen("    "), 0u);
  EXPECT_EQ(dsblnk(" a b  c "), "abc");
}

// The echoed keyword shows control bytes as "?", so that a NUL, an escape
// sequence or a line end cannot garble the warning line or the terminal.
TEST_F(Keywords, EchoedKeywordsShowControlBytesAsQuestionMarks) {
  static const char bad[] = {'X', '\0', '\x1b', '[', '2', 'J', '\n', '\x7f', '\xe9'};
  std::vector<std::string> lines = printed([] { errdev_(bad, sizeof bad); });
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], " <<<< Warning   2: Incorrect parameter in ERRDEV!   (X??[2J??\xe9)");
}

}  // namespace
}  // namespace zantor::test
