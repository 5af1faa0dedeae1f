#include <gtest/gtest.h>

#include "model/Cp1250.h"

namespace zuvar {
namespace {

TEST(Cp1250, PolishLettersSurviveTheRoundTrip) {
  const std::string polish = "Zażółć gęślą jaźń ĄĆĘŁŃÓŚŹŻ";
  const std::string bytes = Cp1250::FromUtf8(polish);
  EXPECT_EQ(bytes.size(), 27u);
  EXPECT_EQ(static_cast<unsigned char>(Cp1250::FromUtf8("ą")[0]), 0xB9);
  EXPECT_EQ(Cp1250::ToUtf8(bytes), polish);
}

TEST(Cp1250, UnrepresentableAndInvalidTextBecomesQuestionMarks) {
  EXPECT_EQ(Cp1250::FromUtf8("a€b"),
            "a\x80"
            "b");
  EXPECT_EQ(Cp1250::FromUtf8("日本"), "??");
  EXPECT_EQ(Cp1250::FromUtf8("x\xC3"), "x?");
  EXPECT_EQ(Cp1250::FromUtf8("\xE2\x82"), "??");
}

TEST(Cp1250, UndefinedBytesRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(Cp1250::FromUtf8(Cp1250::ToUtf8(all)), all);
}

}  // namespace
}  // namespace zuvar
