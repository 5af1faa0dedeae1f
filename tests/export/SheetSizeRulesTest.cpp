#include <gtest/gtest.h>

#include "export/SheetSizeRules.h"

namespace zuvar {
namespace {

TEST(SheetSizeRules, RefusesSizesBelowOneHundredWidthFirst) {
  EXPECT_EQ(TSheetSizeRules::Check(99, 500), TSheetSizeFault::Width);
  EXPECT_EQ(TSheetSizeRules::Check(100, 100), TSheetSizeFault::None);
  EXPECT_EQ(TSheetSizeRules::Check(500, 99), TSheetSizeFault::Height);
  EXPECT_EQ(TSheetSizeRules::Check(0, 0), TSheetSizeFault::Width);
  EXPECT_EQ(TSheetSizeRules::Check(1000, 2000), TSheetSizeFault::None);
}

TEST(SheetSizeRules, FieldTexts) {
  EXPECT_EQ(TSheetSizeRules::FieldValue(""), 0);
  EXPECT_EQ(TSheetSizeRules::FieldValue("0"), 0);
  EXPECT_EQ(TSheetSizeRules::FieldValue("00120"), 120);
  EXPECT_EQ(TSheetSizeRules::FieldValue("99999999999999"), 2147483647);
  EXPECT_EQ(TSheetSizeRules::Check("", "500"), TSheetSizeFault::Width);
  EXPECT_EQ(TSheetSizeRules::Check("100", ""), TSheetSizeFault::Height);
  EXPECT_EQ(TSheetSizeRules::Check("100", "100"), TSheetSizeFault::None);
  EXPECT_STREQ(TSheetSizeRules::RefusalText, "Nie przeginaj! Jaki to ma sens?");
  EXPECT_STREQ(TSheetSizeRules::RefusalCaption, "Czy wiesz co robisz?!");
}

}  // namespace
}  // namespace zuvar
