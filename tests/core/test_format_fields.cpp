// Fw.d fields: the allocating and the buffer formatter give the same bytes.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/format.h"

namespace zantor {
namespace {

TEST(FormatFields, FieldRulesHoldForBothFormatters) {
  struct Case {
    double v;
    int w, d;
    const char* want;
  };
  const Case cases[] = {
      {0.0336814, 10, 7, " 0.0336814"},
      {-0.25, 9, 7, "-.2500000"},        // too wide with its zero: the zero goes
      {0.5, 8, 7, ".5000000"},
      {-1e-9, 10, 7, " 0.0000000"},       // negative zero folds
      {123.5, 10, 7, "**********"},       // too wide even without a zero
      {3.0, 10, 1, "       3.0"},
      {std::nan(""), 5, 2, "  NaN"},
      {-INFINITY, 3, 1, "***"},
      {1.5, 70, 2, nullptr},  // wider than the buffer: 66 blanks and "1.50"
  };
  for (const Case& c : cases) {
    const std::string want = c.want ? std::string(c.want) : std::string(66, ' ') + "1.50";
    EXPECT_EQ(fmtF(c.v, c.w, c.d), want) << c.v << " F" << c.w << "." << c.d;
    FieldBuf buf;
    EXPECT_EQ(std::string(fmtFTo(buf, c.v, c.w, c.d)), want) << c.v << " F" << c.w << "." << c.d;
  }
}

TEST(FormatFields, BufferIsReusedFieldByField) {
  FieldBuf buf;
  std::string line;
  for (double v : {-0.75, 1.0, 0.125}) line += fmtFTo(buf, v, 8, 4);
  EXPECT_EQ(line, " -0.7500  1.0000  0.1250");
  EXPECT_EQ(fmtFixed(-0.00001, 3), "0.000");
}

}  // namespace
}  // namespace zantor
