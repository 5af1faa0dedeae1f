#include <gtest/gtest.h>

#include "cli/OutputComparison.h"
#include "model/OutputLines.h"

namespace zuvar {
namespace {

TEST(OutputComparison, TextOfEndsALastLineThatIsNotEmpty) {
  TOutputLines lines;
  EXPECT_EQ(OutputComparison::TextOf(lines), "");
  lines.AppendText("a");
  EXPECT_EQ(OutputComparison::TextOf(lines), "a\n");
  lines.AddLine();
  EXPECT_EQ(OutputComparison::TextOf(lines), "a\n");
  lines.AddLine();
  EXPECT_EQ(OutputComparison::TextOf(lines), "a\n\n");
}

TEST(OutputComparison, ExactComparisonNamesTheFirstDifference) {
  using OutputComparison::FirstDifference;
  EXPECT_FALSE(FirstDifference("a\nb\n", "a\nb\n", false));
  EXPECT_EQ(FirstDifference("a\nb\n", "a\nc\n", false),
            "wiersz 2: oczekiwano \"b\", otrzymano \"c\"");
  EXPECT_EQ(FirstDifference("a\nb\n", "a\n", false),
            "wiersz 2: oczekiwano \"b\", otrzymano koniec wyniku");
  EXPECT_EQ(FirstDifference("a\n", "a\nb\n", false),
            "wiersz 2: oczekiwano końca wyniku, otrzymano \"b\"");
  EXPECT_EQ(FirstDifference("a\n", "a", false), "wiersz 1: brak końca wiersza na końcu wyniku");
  EXPECT_EQ(FirstDifference("a ", "a", false), "wiersz 1: oczekiwano \"a \", otrzymano \"a\"");
}

TEST(OutputComparison, LooseComparisonIgnoresTrailingBlanksAndEmptyLinesAtTheEnd) {
  using OutputComparison::FirstDifference;
  EXPECT_FALSE(FirstDifference("a  \nb\t\r\n\n\n", "a\nb", true));
  EXPECT_FALSE(FirstDifference("", "\n\n", true));
  // Leading blanks and empty lines in the middle still count.
  EXPECT_TRUE(FirstDifference(" a\n", "a\n", true));
  EXPECT_TRUE(FirstDifference("a\n\nb\n", "a\nb\n", true));
}

}  // namespace
}  // namespace zuvar
