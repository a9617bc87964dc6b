// Numbers as text: fixed-point strings, exponent forms and the decimal,
// grouping and sign conventions of numode.
#pragma once
#include <string>

namespace zantor {

// The most digits after the point that a number is written with (as for
// labdig); larger requests are cut to it.
constexpr int kMaxNumberDigits = 100;

// Fixed-point string of x with ndig digits after the point (0: a point
// without digits, -1: an integer without point); never "-0.0".
std::string fcha(double x, int ndig);

// Mantissa and exponent of x for the exponent forms: the mantissa
// formatted with ndig digits lies in [1, 10) (sign kept); hasExponent is
// false for a zero value.
struct ExpNumber {
  std::string mantissa;
  int exponent = 0;
  bool hasExponent = false;
};
ExpNumber gexpno(double x, int ndig);

// The conventions of cnumod applied to a fixed-point string: decimal
// character, grouping of the integer digits, front sign character.
std::string gnustr(const std::string& s);

// The complete string `number` draws for x in the number format inufmt,
// with the control characters of csex.
std::string numberString(float x, int ndig);

}  // namespace zantor
