#include <gtest/gtest.h>

#include "project/ConversionError.h"
#include "project/DecimalField.h"

namespace zuvar {
namespace {

TEST(DecimalFieldTest, ConvertsSignedThirtyTwoBitDecimals) {
  EXPECT_EQ(TDecimalField::ToInt32("0"), 0);
  EXPECT_EQ(TDecimalField::ToInt32("225"), 225);
  EXPECT_EQ(TDecimalField::ToInt32("-17"), -17);
  EXPECT_EQ(TDecimalField::ToInt32("+17"), 17);
  EXPECT_EQ(TDecimalField::ToInt32("007"), 7);
  EXPECT_EQ(TDecimalField::ToInt32("2147483647"), 2147483647);
  EXPECT_EQ(TDecimalField::ToInt32("-2147483648"), -2147483647 - 1);
}

TEST(DecimalFieldTest, RejectsEverythingElse) {
  for (const char* text : {"", "-", "+", "abc", "12a", " 12", "12 ", "+-1", "--1", "1.5", "0x10",
                           "2147483648", "-2147483649", "99999999999999999999999"}) {
    EXPECT_THROW(TDecimalField::ToInt32(text), TConversionError) << text;
  }
}

TEST(DecimalFieldTest, IdentifiersTakeSignedAndUnsignedForms) {
  EXPECT_EQ(TDecimalField::ToId("5"), 5u);
  EXPECT_EQ(TDecimalField::ToId("-1"), 4294967295u);
  EXPECT_EQ(TDecimalField::ToId("4294967295"), 4294967295u);
  EXPECT_EQ(TDecimalField::ToId("-2147483648"), 2147483648u);
  EXPECT_THROW(TDecimalField::ToId("4294967296"), TConversionError);
  EXPECT_THROW(TDecimalField::ToId("-2147483649"), TConversionError);
  EXPECT_THROW(TDecimalField::ToId(""), TConversionError);
}

TEST(DecimalFieldTest, ErrorNamesTheFieldInPolish) {
  try {
    TDecimalField::ToInt32("ab\xB9");  // "abą" in Windows-1250
    FAIL();
  } catch (const TConversionError& error) {
    EXPECT_STREQ(error.what(), "'abą' nie jest poprawną wartością całkowitą");
  }
  try {
    TDecimalField::ToInt32(std::string(100, 'x'));
    FAIL();
  } catch (const TConversionError& error) {
    EXPECT_EQ(std::string(error.what()),
              "'" + std::string(64, 'x') + "...' nie jest poprawną wartością całkowitą");
  }
}

}  // namespace
}  // namespace zuvar
