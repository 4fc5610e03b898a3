#include "base/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "base/errors.h"

namespace orv {
namespace {

double Parse(const std::string& text, char sep) {
  double v = -777;
  TextToFloat(text, sep, v);
  return v;
}

TEST(TextToFloat, AcceptsTheFieldSyntax) {
  EXPECT_EQ(Parse("1", '.'), 1.0);
  EXPECT_EQ(Parse("12", '.'), 12.0);
  EXPECT_EQ(Parse(" 1000 ", '.'), 1000.0);
  EXPECT_EQ(Parse("1e3", '.'), 1000.0);
  EXPECT_EQ(Parse("1E+3", '.'), 1000.0);
  EXPECT_EQ(Parse("-2.5e-1", '.'), -0.25);
  EXPECT_EQ(Parse("+.5", '.'), 0.5);
  EXPECT_EQ(Parse("7.", '.'), 7.0);
  EXPECT_EQ(Parse(".", '.'), 0.0);  // a lone separator reads as 0
  EXPECT_EQ(Parse("-,", ','), 0.0);
  EXPECT_EQ(Parse("0,18", ','), 0.18);  // the nearest double, as typed
  EXPECT_EQ(Parse("0.00005", '.'), 0.00005);
  EXPECT_EQ(Parse("30.2", '.'), 30.2);
  EXPECT_EQ(Parse("1e-400", '.'), 0.0);  // underflow rounds to zero
}

TEST(TextToFloat, RejectsEverythingElseAndKeepsTheDestination) {
  const char* bad[] = {"",   " ",  "-",   "+",   "0.18", "1 000", "1,000.5", "12kg", "\t1",   "1\t",
                       "e5", "1e", "1e+", "--1", "1..2", "0x10",  "inf",     "nan",  "1e999", "-1e400"};
  for (const char* text : bad) {
    double v = 42;
    const char sep = std::string(text) == "0.18" ? ',' : '.';
    try {
      TextToFloat(text, sep, v);
      ADD_FAILURE() << "accepted '" << text << "'";
    } catch (const ConvertFault& e) {
      EXPECT_EQ(std::string(e.what()), "'" + std::string(text) + "' is not a valid floating point value");
    }
    EXPECT_EQ(v, 42) << text;
  }
}

TEST(TextToFloat, SeparatorFollowsTheLocaleArgument) {
  double v = 0;
  EXPECT_TRUE(TryTextToFloat("0,18", ',', v));
  EXPECT_FALSE(TryTextToFloat("0.18", ',', v));
  EXPECT_TRUE(TryTextToFloat("0.18", '.', v));
  EXPECT_FALSE(TryTextToFloat("0,18", '.', v));
  EXPECT_TRUE(TryTextToFloat("1.7976931348623157e308", '.', v));
  EXPECT_EQ(v, DBL_MAX);
}

TEST(FloatToText, FieldsShowUpToFifteenDigits) {
  EXPECT_EQ(FloatToText(0.18, '.'), "0.18");
  EXPECT_EQ(FloatToText(0.18, ','), "0,18");
  EXPECT_EQ(FloatToText(1.7, '.'), "1.7");
  EXPECT_EQ(FloatToText(30.2, '.'), "30.2");
  EXPECT_EQ(FloatToText(5.0, '.'), "5");
  EXPECT_EQ(FloatToText(0.0, '.'), "0");
  EXPECT_EQ(FloatToText(0.0001, '.'), "0.0001");
  EXPECT_EQ(FloatToText(0.00005, '.'), "5E-5");  // below 0.0001: exponent
  EXPECT_EQ(FloatToText(-0.00005, ','), "-5E-5");
  EXPECT_EQ(FloatToText(0.1 + 0.2, '.'), "0.3");  // 15 digits hide the binary error
  EXPECT_EQ(FloatToText(123456789012345.0, '.'), "123456789012345");
  EXPECT_EQ(FloatToText(1234567890123456.0, '.'), "1.23456789012346E15");
  EXPECT_EQ(FloatToText(2.0 / 3.0, '.'), "0.666666666666667");
}

TEST(FloatToText, RoundTripsThroughTheParser) {
  for (double v : {0.18, 0.00005, 2.1, 1.7, 30.2, 5.0, 0.0001, -12.75, 1e20, 3.25e-7}) {
    double back = 0;
    TextToFloat(FloatToText(v, ','), ',', back);
    EXPECT_DOUBLE_EQ(back, v);
  }
}

TEST(FormatGeneral, ChartLabels) {
  EXPECT_EQ(FormatGeneral(0, 4, 2, '.'), "0");
  EXPECT_EQ(FormatGeneral(1.87, 4, 2, '.'), "1.87");
  EXPECT_EQ(FormatGeneral(1.87, 4, 2, ','), "1,87");
  EXPECT_EQ(FormatGeneral(12.345678, 4, 2, '.'), "12.35");
  EXPECT_EQ(FormatGeneral(1234.4, 4, 2, '.'), "1234");
  EXPECT_EQ(FormatGeneral(12345.0, 4, 2, '.'), "1.235E+04");  // beyond 4 integer digits
  EXPECT_EQ(FormatGeneral(9999.7, 4, 2, '.'), "1E+04");       // decided after rounding
  EXPECT_EQ(FormatGeneral(0.00001, 4, 2, '.'), "0.00001");
  EXPECT_EQ(FormatGeneral(0.000009, 4, 2, '.'), "9E-06");
  EXPECT_EQ(FormatGeneral(-0.5, 3, 1, '.'), "-0.5");
  EXPECT_EQ(FormatGeneral(123456, 3, 1, '.'), "1.23E+5");
  EXPECT_EQ(FormatGeneral(100, 3, 1, '.'), "100");
  EXPECT_EQ(FormatGeneral(2.0, 4, 2, '.'), "2");
}

TEST(RoundToError, ValueToTheErrorsFirstDigit) {
  const auto pair = [](double value, double error, char sep = '.') {
    const ValueAndError r = RoundToError(value, error, sep);
    return r.value + " " + r.error;
  };
  EXPECT_EQ(pair(6.939553561592998, -0.000577804), "6.9396 0.0006");
  EXPECT_EQ(pair(6.939553561592998, 0.000577804, ','), "6,9396 0,0006");
  EXPECT_EQ(pair(-48.52313, 0.0119), "-48.52 0.01");
  EXPECT_EQ(pair(3.842, 0.00096), "3.842 0.001");  // 0.96 thousandths round up a place
  EXPECT_EQ(pair(1234.5, 26), "1230 30");
  EXPECT_EQ(pair(-0.00002, 0.004), "0.000 0.004");  // no "-0.000"
  EXPECT_EQ(pair(1.7, 0), "1.7 0");
  EXPECT_EQ(pair(0.7675999999999318, 1.6e-14), "0.7676 0");  // rounding, not a step's error
  EXPECT_EQ(pair(1e23, 2e23), "1E+23 2E+23");
}

}  // namespace
}  // namespace orv
