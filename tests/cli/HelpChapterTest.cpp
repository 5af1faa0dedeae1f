// The help document's chapter on zuvar-run describes the program as it is: the two usage lines,
// every option that --help lists (written as --help writes it) and every exit status.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/ArgumentParser.h"
#include "cli/ExitStatus.h"

namespace zuvar {
namespace {

// The help document from the chapter on zuvar-run to its end.
std::string RunnerChapter() {
  std::ifstream file(ZUVAR_HELP_FILE, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  const std::string all = text.str();
  const std::size_t from = all.find("id=\"zuvar-run\"");
  return from == std::string::npos ? std::string() : all.substr(from);
}

// Each option of the usage text as it names itself ("--timeout SECONDS"): the first word of an
// indented line, with its value's name when an upper-case word follows.
std::vector<std::string> UsageOptions() {
  std::vector<std::string> options;
  std::istringstream usage{std::string(TArgumentParser::Usage())};
  for (std::string line; std::getline(usage, line);) {
    if (line.rfind("  -", 0) != 0) continue;
    std::istringstream words(line);
    std::string option, value;
    words >> option >> value;
    const bool named = !value.empty() && std::all_of(value.begin(), value.end(),
                                                     [](char c) { return c >= 'A' && c <= 'Z'; });
    options.push_back(named ? option + " " + value : option);
  }
  return options;
}

TEST(HelpChapterTest, ListsTheUsageLinesAndEveryOptionAsHelpPrintsThem) {
  const std::string chapter = RunnerChapter();
  ASSERT_FALSE(chapter.empty());
  EXPECT_NE(chapter.find("zuvar-run [OPTIONS] FILE\n"), std::string::npos);
  EXPECT_NE(chapter.find("zuvar-run --tests CASES [OPTIONS] FILE..."), std::string::npos);
  const std::vector<std::string> options = UsageOptions();
  ASSERT_GE(options.size(), 16u);
  for (const std::string& option : options)
    EXPECT_NE(chapter.find("<code>" + option + "</code>"), std::string::npos) << option;
  // The short and the closing forms that --help does not list.
  EXPECT_NE(chapter.find("<code>-h</code>"), std::string::npos);
  EXPECT_NE(chapter.find("<code>--</code>"), std::string::npos);
}

TEST(HelpChapterTest, ExplainsEveryExitStatus) {
  const std::string chapter = RunnerChapter();
  for (int status :
       {kExitStopReached, kExitNotStarted, kExitStepFailed, kExitStepLimit, kExitInputEnded,
        kExitOutputDiffers, kExitUsage, kExitOutputFailed, kExitInterrupted, kExitTerminated})
    EXPECT_NE(chapter.find("<tr><td>" + std::to_string(status) + "</td>"), std::string::npos)
        << status;
}

}  // namespace
}  // namespace zuvar
