#include <gtest/gtest.h>

#include "model/DroppedLines.h"
#include "model/OutputLines.h"

namespace zuvar {
namespace {

TEST(DroppedLinesTest, NoticeAgreesWithItsCount) {
  EXPECT_EQ(DroppedLines::Notice(1, "wyjścia"), "(pominięto 1 najstarszy wiersz wyjścia)");
  for (std::size_t few : {2u, 4u, 22u, 104u, 1002u})
    EXPECT_EQ(DroppedLines::Notice(few, "x"),
              "(pominięto " + std::to_string(few) + " najstarsze wiersze x)");
  for (std::size_t many : {5u, 11u, 12u, 14u, 21u, 112u, 1000000u})
    EXPECT_EQ(DroppedLines::Notice(many, "x"),
              "(pominięto " + std::to_string(many) + " najstarszych wierszy x)");
}

TEST(OutputLinesTest, KeepsTheNewestLinesAndCountsTheRest) {
  TOutputLines output(2);
  output.AppendText("a");
  output.AddLine();
  output.AppendText("b");
  output.AddLine();
  output.AppendText("c");
  EXPECT_EQ(output.Lines(), (std::vector<std::string>{"b", "c"}));
  EXPECT_EQ(output.LineCount(), 3u);
  EXPECT_EQ(output.Dropped(), 1u);
  EXPECT_FALSE(output.LastLineEmpty());
  output.SetLimit(1);
  EXPECT_EQ(output.Lines(), (std::vector<std::string>{"c"}));
  output.Clear();
  EXPECT_EQ(output.LineCount(), 0u);
  EXPECT_EQ(output.Dropped(), 0u);
}

// With no lines kept the list still knows what a streaming front end asks: whether a line is
// open and whether the last one is empty.
TEST(OutputLinesTest, WithoutALimitOfLinesItKeepsNoText) {
  TOutputLines output(0);
  EXPECT_TRUE(output.LastLineEmpty());
  output.AppendText("");
  EXPECT_EQ(output.LineCount(), 1u);
  EXPECT_TRUE(output.LastLineEmpty());
  for (int i = 0; i < 1000; ++i) {
    output.AppendText("wiersz");
    output.AddLine();
  }
  EXPECT_EQ(output.Size(), 0u);
  EXPECT_EQ(output.LineCount(), 1001u);
  EXPECT_TRUE(output.LastLineEmpty());
  output.AppendText("x");
  EXPECT_FALSE(output.LastLineEmpty());
}

}  // namespace
}  // namespace zuvar
