#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "interpreter/LanguageTables.h"
#include "interpreter/NumberText.h"

namespace zuvar::test {
namespace {

std::string Fixed(double value, bool roundTo15 = true) {
  std::string out = "<failed>";
  NumberText::FormatFixed(value, roundTo15, out);
  return out;
}

std::string Canonical(uint8_t type, double value) {
  std::string out = "<failed>";
  NumberText::CanonicalText(type, value, out);
  return out;
}

TEST(NumberTextTest, FixedTextHasTenSignificantDigitsAndEighteenDecimals) {
  EXPECT_EQ(Fixed(3.5), "3.500000000000000000");
  EXPECT_EQ(Fixed(1.0 / 3.0), "0.333333333300000000");
  EXPECT_EQ(Fixed(std::sqrt(2.0)), "1.414213562000000000");
  EXPECT_EQ(Fixed(-2.5), "-2.500000000000000000");
  EXPECT_EQ(Fixed(0), "0.000000000000000000");
  EXPECT_EQ(Fixed(-0.0), "0.000000000000000000");
  EXPECT_EQ(Fixed(1234567890.0), "1234567890.000000000000000000");
  EXPECT_EQ(Fixed(123456.789012345), "123456.789000000000000000");
  EXPECT_EQ(Fixed(0.000123456789012), "0.000123456789000000");
  EXPECT_EQ(Fixed(2.0 / 3.0), "0.666666666700000000");
}

TEST(NumberTextTest, TinyValuesRoundAtTheEighteenthDecimal) {
  EXPECT_EQ(Fixed(1.6e-18), "0.000000000000000002");
  EXPECT_EQ(Fixed(1e-20), "0.000000000000000000");
  EXPECT_EQ(Fixed(-1e-20), "0.000000000000000000");
  EXPECT_EQ(Fixed(1.23456789012e-12), "0.000000000001234568");
}

TEST(NumberTextTest, LargeValuesUseExponentNotation) {
  EXPECT_EQ(Fixed(9999999999.0), "9999999999.000000000000000000");
  EXPECT_EQ(Fixed(99999999999.0), "1E11");
  EXPECT_EQ(Fixed(1.5e15), "1.5E15");
  EXPECT_EQ(Fixed(-1.234567891234e20), "-1.234567891E20");
  double back = 0;
  ASSERT_TRUE(NumberText::ParseNumber("1.5E15", back));
  EXPECT_EQ(back, 1.5e15);
}

TEST(NumberTextTest, NonFiniteValuesCannotBeWritten) {
  std::string out = "kept";
  EXPECT_FALSE(NumberText::FormatFixed(std::numeric_limits<double>::infinity(), true, out));
  EXPECT_FALSE(NumberText::FormatFixed(std::nan(""), false, out));
  EXPECT_FALSE(NumberText::FormatFixed(std::numeric_limits<double>::max(), true, out));
  EXPECT_EQ(out, "kept");
}

TEST(NumberTextTest, FifteenDigitRoundingBeforeTen) {
  // 0.1 + 0.2 is 0.30000000000000004; both forms show 0.3.
  EXPECT_EQ(Fixed(0.1 + 0.2), "0.300000000000000000");
  EXPECT_EQ(Fixed(0.1 + 0.2, false), "0.300000000000000000");
}

TEST(NumberTextTest, CanonicalTextsWrap) {
  EXPECT_EQ(Canonical(vtInt, 40000), "-25536");
  EXPECT_EQ(Canonical(vtChar, 200), "-56");
  EXPECT_EQ(Canonical(vtLong, 2.9), "2");
  EXPECT_EQ(Canonical(vtLong, -2.9), "-2");
  EXPECT_EQ(Canonical(vtInt, 3.5), "3");
  EXPECT_EQ(Canonical(vtDouble, 1), "1.000000000000000000");
  EXPECT_EQ(Canonical(vtLong, 4294967296.0 + 5), "5");
  EXPECT_EQ(Canonical(vtLong, 2147483648.0), "-2147483648");
  EXPECT_EQ(Canonical(vtLong, -2147483649.0), "2147483647");
  EXPECT_EQ(Canonical(vtLong, 1e300), "0");
  EXPECT_EQ(Canonical(vtLong, std::numeric_limits<double>::infinity()), "-2147483648");
  EXPECT_EQ(Canonical(vtChar, std::nan("")), "0");
  EXPECT_EQ(Canonical(vtInt, -32769), "32767");
  std::string out;
  EXPECT_FALSE(NumberText::CanonicalText(vtVoid, 1, out));
}

TEST(NumberTextTest, IntegerValues) {
  int32_t v = 0;
  EXPECT_TRUE(NumberText::ParseInteger("-2147483648", v));
  EXPECT_EQ(v, INT32_MIN);
  EXPECT_TRUE(NumberText::ParseInteger("+12", v));
  EXPECT_EQ(v, 12);
  EXPECT_TRUE(NumberText::ParseInteger("007", v));
  for (const char* bad :
       {"", "-", "+", "2147483648", "1.0", "1e3", " 1", "1 ", "+-1", "0x1", "a"}) {
    EXPECT_FALSE(NumberText::ParseInteger(bad, v)) << bad;
  }
}

TEST(NumberTextTest, NumericValues) {
  double v = 0;
  EXPECT_TRUE(NumberText::ParseNumber(".5", v));
  EXPECT_EQ(v, 0.5);
  EXPECT_TRUE(NumberText::ParseNumber("5.", v));
  EXPECT_EQ(v, 5.0);
  EXPECT_TRUE(NumberText::ParseNumber("+2.5e-3", v));
  EXPECT_EQ(v, 0.0025);
  EXPECT_TRUE(NumberText::ParseNumber("-0.333333333300000000", v));
  EXPECT_TRUE(NumberText::ParseNumber(std::string(400, '9'), v));
  EXPECT_TRUE(std::isinf(v));
  EXPECT_TRUE(NumberText::ParseNumber("1e-999", v));
  EXPECT_EQ(v, 0.0);
  for (const char* bad :
       {"", ".", "-", "e5", "1e", "1e+", "inf", "nan", "1.2.3", "1,5", " 1", "a"}) {
    EXPECT_FALSE(NumberText::ParseNumber(bad, v)) << bad;
  }
}

TEST(NumberTextTest, TypeOfNamelessTexts) {
  EXPECT_EQ(NumberText::TypeOfText("0"), vtChar);
  EXPECT_EQ(NumberText::TypeOfText("255"), vtChar);
  EXPECT_EQ(NumberText::TypeOfText("256"), vtInt);
  EXPECT_EQ(NumberText::TypeOfText("65535"), vtInt);
  EXPECT_EQ(NumberText::TypeOfText("65536"), vtLong);
  EXPECT_EQ(NumberText::TypeOfText("-1"), vtLong);
  EXPECT_EQ(NumberText::TypeOfText("1.5"), vtDouble);
  EXPECT_EQ(NumberText::TypeOfText("abc"), vtDouble);
  EXPECT_EQ(NumberText::TypeOfText("99999999999"), vtDouble);
}

}  // namespace
}  // namespace zuvar::test

namespace zuvar::test {
namespace {

double Reference(const std::string& text) {
  double value = 0;
  const char* first = text.data();
  if (*first == '+') ++first;
  std::from_chars(first, text.data() + text.size(), value);
  return value;
}

// The operators' fixed text is the fixed text of the value rounded to 15 digits and read back.
TEST(NumberTextTest, FifteenDigitRoundingIsWriteAndReadBack) {
  std::mt19937_64 random(99);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  std::uniform_int_distribution<int> exponent(-22, 22);
  std::vector<double> values = {1.23456789050000, 1.2345678905, 9.9999999995, 0.99999999995,
                                1234567890.5,     9999999999.5, 1e-10,        5.55555555550000e-3};
  for (int i = 0; i < 300000; ++i)
    values.push_back(mantissa(random) * std::pow(10.0, exponent(random)));
  for (int i = 0; i < 20000; ++i) {
    // Values whose digits 11 to 15 are 50000 or near it.
    const double base = std::floor(mantissa(random) * 1e9) / 1e9;
    values.push_back(base + 5e-10);
    values.push_back(base + 4.9999e-10);
    values.push_back(base + 5.0001e-10);
  }
  for (const double value : values) {
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    double rounded = 0;
    std::from_chars(buffer, end.ptr, rounded);
    std::string direct, reference;
    ASSERT_TRUE(NumberText::FormatFixed(value, true, direct));
    ASSERT_TRUE(NumberText::FormatFixed(rounded, false, reference));
    ASSERT_EQ(direct, reference) << std::string(buffer, end.ptr);
  }
}

TEST(NumberTextTest, FastReadingAgreesWithFullConversion) {
  std::mt19937_64 random(12345);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  std::uniform_int_distribution<int> exponent(-25, 25);
  for (int i = 0; i < 200000; ++i) {
    const double value = mantissa(random) * std::pow(10.0, exponent(random));
    for (const bool round : {true, false}) {
      std::string text;
      double readBack = 0;
      ASSERT_TRUE(NumberText::FormatFixed(value, round, text, &readBack));
      double parsed = 0;
      ASSERT_TRUE(NumberText::ParseNumber(text, parsed)) << text;
      ASSERT_EQ(parsed, Reference(text)) << text;
      ASSERT_EQ(readBack, parsed) << text;
    }
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                                   static_cast<int>(random() % 20));
    const std::string plain(buffer, end.ptr);
    double parsed = 0;
    ASSERT_TRUE(NumberText::ParseNumber(plain, parsed)) << plain;
    ASSERT_EQ(parsed, Reference(plain)) << plain;
  }
}

}  // namespace
}  // namespace zuvar::test
