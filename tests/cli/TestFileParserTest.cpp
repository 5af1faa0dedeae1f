#include <gtest/gtest.h>

#include "cli/TestFileParser.h"

namespace zuvar {
namespace {

TEST(TestFileParser, ReadsCasesWithInputAndExpectedOutput) {
  std::vector<TTestCase> cases;
  std::string error;
  ASSERT_TRUE(
      TestFileParser::Parse("\xEF\xBB\xBF# silnia\r\n\r\n=== pięć \r\n5\r\n\r\n---\r\nSilnia: "
                            "120\r\n\r\n=== cisza\n---\n",
                            cases, error))
      << error;
  ASSERT_EQ(cases.size(), 2u);
  EXPECT_EQ(cases[0].Name, "pięć");
  EXPECT_EQ(cases[0].Input, (std::vector<std::string>{"5", ""}));
  // Empty lines before the next case are no part of the expected output.
  EXPECT_EQ(cases[0].Expected, "Silnia: 120\n");
  EXPECT_EQ(cases[1].Name, "cisza");
  EXPECT_TRUE(cases[1].Input.empty());
  EXPECT_EQ(cases[1].Expected, "");
}

TEST(TestFileParser, SeparatorsAndHashesInsideTheOutputAreData) {
  std::vector<TTestCase> cases;
  std::string error;
  ASSERT_TRUE(TestFileParser::Parse("=== a\n---\n# x\n---\n\ny\n", cases, error)) << error;
  EXPECT_EQ(cases[0].Expected, "# x\n---\n\ny\n");
}

TEST(TestFileParser, FaultsNameTheirLine) {
  const std::pair<const char*, const char*> faults[] = {
      {"# a\ntekst\n=== a\n---\n", "wiersz 2: tekst przed pierwszym przypadkiem"},
      {"=== \n---\n", "wiersz 1: przypadek bez nazwy"},
      {"=== a\n---\n=== a\n---\n", "wiersz 3: powtórzona nazwa przypadku \"a\""},
      {"=== a\n5\n=== b\n---\n", "wiersz 1: przypadek \"a\" nie ma wiersza \"---\""},
      {"=== a\n5\n", "wiersz 1: przypadek \"a\" nie ma wiersza \"---\""},
      {"# tylko komentarz\n", "wiersz 1: brak przypadków testowych"},
      {"", "wiersz 1: brak przypadków testowych"},
  };
  for (const auto& [text, message] : faults) {
    std::vector<TTestCase> cases;
    std::string error;
    EXPECT_FALSE(TestFileParser::Parse(text, cases, error)) << text;
    EXPECT_EQ(error.rfind(message, 0), 0u) << text << " gave " << error;
  }
}

}  // namespace
}  // namespace zuvar
