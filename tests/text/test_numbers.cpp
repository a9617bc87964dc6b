// Numbers as strings: rounding, exponent forms and the numode conventions,
// and the length of a drawn number.
#include "text/numbers.h"
#include "text_support.h"

namespace zantor::test {
namespace {

class Numbers : public LibraryTest {
 protected:
  void SetUp() override {
    LibraryTest::SetUp();
    openTracedPlot();
  }
};

TEST_F(Numbers, FixedPointRounding) {
  EXPECT_EQ(fcha(-0.04f, 1), "0.0");  // no negative zero
  EXPECT_EQ(fcha(-0.5f, 1), "-0.5");
  EXPECT_EQ(fcha(12.5f, -1), "13");
  EXPECT_EQ(fcha(12.5f, 0), "13.");
  EXPECT_EQ(fcha(-12.5f, -1), "-13");
  EXPECT_EQ(fcha(9.96f, 1), "10.0");
  EXPECT_EQ(fcha(0.125f, 2), "0.13");  // exact tie rounds up
  EXPECT_EQ(fcha(2.675f, 2), "2.67");    // the float lies below the tie
  EXPECT_EQ(fcha(999.95f, 1), "1000.0");  // ... and this one above it
  EXPECT_EQ(fcha(1234567.5f, 1), "1234567.5");
  EXPECT_EQ(fcha(0.0f, 3), "0.000");
}

TEST_F(Numbers, ExponentForms) {
  ExpNumber n = gexpno(9.96f, 1);
  EXPECT_EQ(n.mantissa, "1.0");
  EXPECT_EQ(n.exponent, 1);
  n = gexpno(0.0f, 1);
  EXPECT_EQ(n.mantissa, "0.0");
  EXPECT_FALSE(n.hasExponent);
  n = gexpno(-0.00123f, 2);
  EXPECT_EQ(n.mantissa, "-1.23");
  EXPECT_EQ(n.exponent, -3);
  float x = 1500.0f;
  call(numfmt_, "EXP");
  EXPECT_EQ(numberString(x, 1), "1.5$*10[3$");
  call(numfmt_, "FEXP");
  EXPECT_EQ(numberString(x, 1), "1.5$E3");
  call(numfmt_, "XEXP");
  EXPECT_EQ(numberString(x, 1), "1.5${D}10[3$");
  call(numfmt_, "LOG");
  EXPECT_EQ(numberString(2.0f, -1), "10[2$");
  call(numfmt_, "EXP");
  EXPECT_EQ(numberString(0.0f, 1), "0.0");
}

TEST_F(Numbers, Conventions) {
  numode_("COMM", "POIN", "NONE", "NOEQ", 4, 4, 4, 4);
  EXPECT_EQ(numberString(1234567.5f, 1), "1.234.567,5");
  EXPECT_EQ(numberString(-1234.0f, -1), "-1.234");
  EXPECT_EQ(numberString(123.0f, 0), "123,");
  numode_("POIN", "SPAC", "PLUS", "NOEQ", 4, 4, 4, 4);
  EXPECT_EQ(numberString(1234.25f, 2), "+1 234.25");
  EXPECT_EQ(numberString(-5.0f, -1), "-5");
  // An unknown keyword leaves its character and warns.
  EXPECT_EQ(printed([] { numode_("XXXX", "NONE", "NONE", "NOEQ", 4, 4, 4, 4); }).size(), 1u);
  EXPECT_EQ(zanglb.cnumod.view(), ".000");
}

TEST_F(Numbers, LengthAndDigitSettings) {
  const float x = 12.5f;
  const int one = 1;
  EXPECT_EQ(nlnumb_(&x, &one), 4 * 35);
  call(numfmt_, "EXP");
  const float big = 1500.0f;
  // "1.5" + "*10" at full height, the exponent 3 at 29.
  EXPECT_EQ(nlnumb_(&big, &one), 6 * 35 + 28);
  EXPECT_EQ(zanglb.nmix, 0);  // the exponent characters were for that number only
  const int two = 2, bad = 101, autoDigits = -2;
  labdig_(&two, "XZ", 2);
  EXPECT_EQ(zanglb.ndezx[0], 2);
  EXPECT_EQ(zanglb.ndezx[1], 1);
  EXPECT_EQ(zanglb.ndezx[2], 2);
  digits_(&autoDigits, "Y", 1);
  EXPECT_EQ(zanglb.ixdgop[1], 1);
  EXPECT_EQ(printed([&] { labdig_(&bad, "X", 1); }).size(), 1u);
  EXPECT_EQ(zanglb.ndezx[0], 2);
  labdig_(&two, "PIE", 3);
  EXPECT_EQ(zanglb.ndzpnt, 2);
  EXPECT_EQ(zanglb.ndzdta, 2);
}

TEST_F(Numbers, NumberDrawsItsStringAtThePosition) {
  const float x = 1.0f;
  const int ndig = -1, nx = 700, ny = 700;
  number_(&x, &ndig, &nx, &ny);
  EXPECT_FLOAT_EQ(zanglb.xalf, 700 + 35);
  EXPECT_FLOAT_EQ(zanglb.yalf, 735);
}

// The digit count is cut to 100, so that INT32_MAX neither allocates
// gigabytes nor fails.
TEST_F(Numbers, HugeDigitCountsAreCut) {
  const std::string s = fcha(1.5f, INT32_MAX);
  EXPECT_EQ(s, "1.5" + std::string(kMaxNumberDigits - 1, '0'));
  EXPECT_EQ(fcha(1.5f, INT32_MIN), "2");
  const float x = 2.25f;
  const int32_t big = INT32_MAX, hundred = kMaxNumberDigits;
  EXPECT_EQ(nlnumb_(&x, &big), nlnumb_(&x, &hundred));
  const int32_t nx = 100, ny = 100;
  number_(&x, &big, &nx, &ny);
  call(numfmt_, "EXP");
  EXPECT_EQ(numberString(x, INT32_MAX).size(), numberString(x, kMaxNumberDigits).size());
}

}  // namespace
}  // namespace zantor::test
