#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zuvar {

// What the command line of zuvar-run asks for.
struct TRunArguments {
  std::string File;
  bool CheckOnly = false;
  bool CheckCode = false;
  bool PrintLog = false;
  bool PrintVariables = false;
  bool ArrayIndices = true;
  std::uint64_t MaxSteps = 0;  // 0: no limit
  bool Resave = false;
  std::string ResaveTarget;
  // --help and --version answer at once and run nothing.
  bool Help = false;
  bool Version = false;
  // Wall-clock limit of a run in seconds; 0: no limit.
  double TimeoutSeconds = 0;
  // The entries of `read` come from this file instead of standard input (empty: stdin).
  std::string InputFile;
  // The output of the run is compared with this file (empty: no comparison).
  std::string ExpectFile;
  // Lines are compared without their trailing blanks and without the empty lines at the end.
  bool IgnoreTrailingSpace = false;
  // Grading: the test file, every project file (File is then the first), the JSON report's
  // target ("-": standard output, empty: none) and the number of projects graded at once.
  std::string TestsFile;
  std::vector<std::string> Files;
  std::string JsonTarget;
  unsigned Jobs = 1;
};

}  // namespace zuvar
