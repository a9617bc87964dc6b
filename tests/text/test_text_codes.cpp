// Decoding, instruction codes, shift characters, setter checks and the
// out-of-page line: the warnings the text engine gives and their texts.
#include <string>

#include "draw/pipeline.h"
#include "text/text_engine.h"
#include "text_support.h"

namespace zantor::test {
namespace {

class TextCodes : public LibraryTest {
 protected:
  void SetUp() override {
    LibraryTest::SetUp();
    openTracedPlot();
  }
  std::vector<std::string> say(const std::string& s, int x = 500, int y = 500) {
    return printed([&] { messag_(s.data(), &x, &y, s.size()); });
  }
  int length(const std::string& s) { return nlmess_(s.data(), s.size()); }
  void instructions() {
    const int slot = 1;
    smxalf_("INST", "{", "}", &slot, 4, 1, 1);
  }
};

TEST_F(TextCodes, InstructionCodesWarnWithTheCommandText) {
  instructions();
  EXPECT_EQ(say("A{GX}B"), std::vector<std::string>{
      " <<<< Warning  45: Instruction code: no integer value in MESSAG!   (GX)"});
  EXPECT_EQ(say("A{G21}B"), std::vector<std::string>{
      " <<<< Warning  44: Instruction code: incorrect tabulator index in MESSAG!   (G21)"});
  EXPECT_EQ(say("A{Q}B"), std::vector<std::string>{
      " <<<< Warning  46: Instruction code: unknown command in MESSAG!   (Q)"});
  EXPECT_EQ(say("A{E5}B"), std::vector<std::string>{
      " <<<< Warning  43: Instruction code: incorrect parameter in MESSAG!   (E5)"});
  // A bad command is skipped and the pass goes on: both letters are drawn.
  EXPECT_EQ(length("A{Q}B"), 70);
}

TEST_F(TextCodes, InstructionCodesMoveAndResize) {
  instructions();
  EXPECT_EQ(length("A{A2}B"), 35 + 72 + 35);    // advance two heights
  EXPECT_EQ(length("A{H0.5}B"), 35 + 17);       // half height: (18 - 1)
  EXPECT_EQ(length("A{H0.5 HX}B"), 35 + 35);    // X returns to the pass height
  EXPECT_EQ(length("A{W0.5}BC"), 35 + 18 + 17);
  EXPECT_EQ(length("{T300}A"), 335);            // tabulator position
  EXPECT_EQ(length("AB{P3}CD{G3}E"), 140);      // back to tab 3: E over C
  EXPECT_EQ(zanglb.nhchar, 36);
  // Shift characters of the instruction alphabet draw nothing.
  EXPECT_EQ(length("{}"), 0);
}

TEST_F(TextCodes, DecodingErrors) {
  std::string longText(257, 'a');
  EXPECT_EQ(say(longText), std::vector<std::string>{
      " <<<< Warning 175: Internal string overflow in MESSAG!"});
  EXPECT_EQ(length(std::string(256, 'a')), 256 * 35);
  call(chacod_, "UTF8");
  for (std::string bad : {"a\x80", "\xC3", "\xE2\x82", "\xC3\x41", "\xF8\x80\x80\x80\x80"}) {
    SCOPED_TRACE(bad);
    EXPECT_EQ(say(bad), std::vector<std::string>{
        " <<<< Warning 174: Syntax error in UTF string in MESSAG!"});
    EXPECT_EQ(length(bad), 0);
  }
  ASSERT_EQ(jqqutf("\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80 "), 0);
  ASSERT_EQ(zanglb.nlexan, 3);
  EXPECT_EQ(zanglb.clexan[0], 0xE4);
  EXPECT_EQ(zanglb.clexan[1], 0x20AC);
  EXPECT_EQ(zanglb.clexan[2], 0x1F600);
}

TEST_F(TextCodes, EuropeanShiftCharacters) {
  call(eushft_, "GERM", "!");
  ASSERT_EQ(jqqutf("a!ob!!c"), 0);
  strsft();
  ASSERT_EQ(zanglb.nlexan, 5);
  EXPECT_EQ(zanglb.clexan[1], 131);  // o umlaut, standard coding
  EXPECT_EQ(zanglb.clexan[3], '!');  // doubled: the character itself
  // A second kind may not take the same character.
  EXPECT_EQ(printed([] { call(eushft_, "ACUT", "!"); }),
            std::vector<std::string>{
                " <<<< Warning  57: Control characters must be different in EUSHFT!"});
  call(chacod_, "ISO1");
  EXPECT_EQ(say("!s!x"), std::vector<std::string>{
      " <<<< Warning  18: Incorrect character after the EUSHFT operator in MESSAG!   (x)"});
  ASSERT_EQ(zanglb.nlexan, 3);
  EXPECT_EQ(zanglb.clexan[0], 223);  // sharp s in Latin-1
  EXPECT_EQ(zanglb.clexan[1], '!');
}

TEST_F(TextCodes, SetterChecks) {
  float ok = 60.0f, bad = 60.5f;
  chaang_(&ok);
  EXPECT_NEAR(zanglb.xcslp, 1.7320508f, 1e-5);
  EXPECT_EQ(printed([&] { chaang_(&bad); }),
            std::vector<std::string>{" <<<< Warning   2: Incorrect parameter in CHAANG!"});
  EXPECT_NEAR(zanglb.xcslp, 1.7320508f, 1e-5);
  float two = 2.0f;
  EXPECT_EQ(printed([&] { chawth_(&two); }).size(), 1u);
  EXPECT_EQ(zanglb.xcwth, 1.0f);
  int zero = 0;
  EXPECT_EQ(printed([&] { height_(&zero); }).size(), 1u);
  EXPECT_EQ(zanglb.nhchar, 36);
  const int slot = 2;
  EXPECT_EQ(printed([&] { smxalf_("STAN", "<", ">", &slot, 4, 1, 1); }),
            std::vector<std::string>{" <<<< Warning  19: The basealphabet cannot be used in SMXALF!"});
  call(setmix_, "#", "EXP");
  EXPECT_EQ(zanglb.csex.view(), "#]$/\\");
}

TEST_F(TextCodes, MixedAlphabetSwitchesAndReturns) {
  const int slot = 1;
  smxalf_("GREE", "<", ">", &slot, 4, 1, 1);
  // Greek letters come from the Greek alphabet, the digit from the
  // standard one (both without spacing in font 1).
  const int greek = length("<a>");
  EXPECT_GT(greek, 0);
  EXPECT_NE(greek, 35);
  EXPECT_EQ(length("<a>1"), greek + 35);
  EXPECT_EQ(length("1<a>1"), 35 + greek + 35);
  EXPECT_EQ(length("1"), 35);
}

TEST_F(TextCodes, OutOfPageLines) {
  // The start is rounded as INT(x + 0.5), truncating toward zero.
  const auto out = say("Outside the page", -100, 500);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0], " <<<< Warning: Startpoint (  -99/  535) in MESSAG out of page - (Outside ...)");
  const int before = zanglb.nplerr;
  const auto end = say("Long", 2950, 500);
  ASSERT_EQ(end.size(), 1u);
  EXPECT_EQ(end[0].substr(0, 40), " <<<< Warning: Endpoint   ( 3090/  535) ");
  EXPECT_EQ(zanglb.nplerr, before + 1);
}

TEST_F(TextCodes, FormulaModeParsesAndReportsErrors) {
  call(texmod_, "ON");
  // x^2 sets the 2 smaller and raised; length as with exponent characters.
  EXPECT_EQ(length("x^2"), 35 + 28);
  EXPECT_EQ(length("x^{22}y"), 35 + 28 + 28 + 35);
  EXPECT_EQ(length("\\alpha"), length("\\beta"));
  EXPECT_GT(length("\\alpha"), 0);
  const auto out = say("x^{2");
  ASSERT_EQ(out.size(), 1u);
  EXPECT_NE(out[0].find("Unbalanced parenthesis"), std::string::npos);
  EXPECT_NE(say("\\nosuchcommand")[0].find("Unknown TeX command"), std::string::npos);
  // Nothing is drawn after an error in the measuring pass.
  qqstrk();
  const size_t before = tracedPoints().size();
  say("a^");
  qqstrk();
  EXPECT_EQ(tracedPoints().size(), before);
}

}  // namespace
}  // namespace zantor::test
