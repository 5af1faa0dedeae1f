#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/FuzzTargets.h"

namespace zuvar::fuzz {
namespace {

namespace fs = std::filesystem;
using Target = void (*)(const std::uint8_t*, std::size_t);

const fs::path kRoot = ZUVAR_SOURCE_DIR;

std::string Bytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Feed(Target target, const std::string& bytes) {
  target(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

// Files of a folder, optionally only those whose name starts with a prefix, in name order.
std::vector<fs::path> Files(const fs::path& folder, const std::string& prefix = "",
                            const std::string& extension = "") {
  std::vector<fs::path> files;
  if (!fs::is_directory(folder)) return files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (!entry.is_regular_file() || name.rfind(prefix, 0) != 0) continue;
    if (!extension.empty() && entry.path().extension() != extension) continue;
    files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

void FeedAll(Target target, const std::vector<fs::path>& files) {
  for (const auto& file : files) {
    SCOPED_TRACE(file.string());
    Feed(target, Bytes(file));
  }
}

std::vector<fs::path> Diagrams() {
  auto files = Files(kRoot / "tests" / "data", "", ".bin");
  const auto examples = Files(kRoot / "examples", "", ".bin");
  files.insert(files.end(), examples.begin(), examples.end());
  return files;
}

const fs::path kInputs = kRoot / "tests" / "fuzz" / "inputs";

TEST(FuzzRegressionTest, SavedInputsOfEveryHarnessPass) {
  FeedAll(&FuzzTargets::ReadProject, Files(kInputs, "reader-"));
  FeedAll(&FuzzTargets::InterpretLine, Files(kInputs, "line-"));
  FeedAll(&FuzzTargets::RunDiagram, Files(kInputs, "diagram-"));
}

TEST(FuzzRegressionTest, SeedCorporaPass) {
  const auto diagrams = Diagrams();
  ASSERT_FALSE(diagrams.empty());
  FeedAll(&FuzzTargets::ReadProject, diagrams);
  FeedAll(&FuzzTargets::RunDiagram, diagrams);
  const auto lines = Files(kRoot / "fuzz" / "corpus" / "line");
  ASSERT_FALSE(lines.empty());
  FeedAll(&FuzzTargets::InterpretLine, lines);
}

// Every prefix of a real diagram is a truncated file: the reader must stop cleanly at any byte.
TEST(FuzzRegressionTest, EveryTruncationOfADiagram) {
  const std::string bytes = Bytes(kRoot / "examples" / "factorial.bin");
  ASSERT_FALSE(bytes.empty());
  for (std::size_t size = 0; size <= bytes.size(); ++size) {
    Feed(&FuzzTargets::ReadProject, bytes.substr(0, size));
  }
}

TEST(FuzzRegressionTest, EmptyAndBinaryInputs) {
  const std::string binary("\0\xff\r\n\x80ZUVAR2.0\r\n\0", 16);
  for (Target target :
       {&FuzzTargets::ReadProject, &FuzzTargets::InterpretLine, &FuzzTargets::RunDiagram}) {
    Feed(target, "");
    Feed(target, binary);
  }
  Feed(&FuzzTargets::InterpretLine, std::string(4096, ';'));
  Feed(&FuzzTargets::InterpretLine, "read(read(read(i)));");
}

}  // namespace
}  // namespace zuvar::fuzz
