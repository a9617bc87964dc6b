// The strings between the program and the widget records: Latin-1 or
// UTF-8 to 16-bit texts and back, the length limits, list entries split
// at '|', and the keywords of the wrappers.
#include <gtest/gtest.h>

#include <cstdio>

#include "widgets/widget_layer.h"

namespace zantor::widgets {
namespace {

class WidgetStrings : public ::testing::Test {
 protected:
  void TearDown() override { layer().set.utf8 = false; }
};

TEST_F(WidgetStrings, Latin1AndUtf8RoundTrips) {
  const std::string latin1 = "Gr\xFC\xDF" "e \xE9";
  EXPECT_EQ(toUnicode(latin1, 256), (std::u16string{u'G', u'r', 0xFC, 0xDF, u'e', u' ', 0xE9}));
  EXPECT_EQ(fromUnicode(toUnicode(latin1, 256)), latin1);
  // A character beyond Latin-1 cannot go back to a Latin-1 program.
  EXPECT_EQ(fromUnicode(u"a\u20ACb"), "a?b");

  layer().set.utf8 = true;
  const std::string utf8 = "\xC3\xBC \xE2\x82\xAC \xF0\x9F\x98\x80";  // u-umlaut, euro, an emoji
  EXPECT_EQ(toUnicode(utf8, 256), (std::u16string{0xFC, u' ', 0x20AC, u' ', u'?'}));
  EXPECT_EQ(fromUnicode(u"\u00FC \u20AC"), "\xC3\xBC \xE2\x82\xAC");
  // A broken sequence keeps its bytes as characters of their own.
  EXPECT_EQ(toUnicode("\xC3(", 256), (std::u16string{0xC3, u'('}));
  EXPECT_EQ(toUnicode("\xE2\x82", 256), (std::u16string{0xE2, 0x82}));
}

TEST_F(WidgetStrings, TextsAreCutAtTheirLimit) {
  const std::string longText(300, 'x');
  EXPECT_EQ(toUnicode(longText, kTextChars).size(), 256u);
  EXPECT_EQ(toUnicode(longText, kFileChars).size(), 80u);
  EXPECT_TRUE(toUnicode("", kTextChars).empty());
}

TEST_F(WidgetStrings, EntriesAreSplitAtBars) {
  EXPECT_EQ(splitEntries("red|green|blue"), (std::vector<std::string>{"red", "green", "blue"}));
  EXPECT_EQ(splitEntries("one"), std::vector<std::string>{"one"});
  EXPECT_TRUE(splitEntries("").empty());
  // Empty entries in the middle and at the end are entries too.
  EXPECT_EQ(splitEntries("a||b|"), (std::vector<std::string>{"a", "", "b", ""}));
}

TEST_F(WidgetStrings, KeywordsCountByTheirFirstFourLetters) {
  ::testing::internal::CaptureStdout();
  const int vert = keywordIndex("VERT+HORI+FORM", "vertical", "wgini");
  const int form = keywordIndex("VERT+HORI+FORM", "FORM", "wgini");
  const int utf = keywordIndex("ANSI+UTF8", "UTF8", "swgopt");
  const int none = keywordIndex("VERT+HORI+FORM", "VE", "wgini");
  const std::string out = ::testing::internal::GetCapturedStdout();
  EXPECT_EQ(vert, 1);
  EXPECT_EQ(form, 3);
  EXPECT_EQ(utf, 2);
  EXPECT_EQ(none, 0);
  EXPECT_EQ(out, ">>>> Not allowed parameter (wgini)\n");
}

}  // namespace
}  // namespace zantor::widgets
