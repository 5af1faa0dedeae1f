#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zuvar {

// How one case of a grading run ended.
enum class TCaseStatus {
  Passed,       // the stop block was reached and the output is the expected one
  WrongOutput,  // the stop block was reached with another output
  RunError,     // a step failed
  StepLimit,    // --max-steps ran out
  TimeLimit,    // --timeout ran out
  InputEnded,   // `read` wanted more entries than the case gives
  NotStarted,   // the diagram may not run (validation failed)
  Unreadable,   // the project file could not be read
};

// The result of one case on one project file.
struct TCaseResult {
  std::string Name;
  TCaseStatus Status = TCaseStatus::Passed;
  std::uint64_t Steps = 0;
  double Seconds = 0;
  // What the program wrote, as zuvar-run would write it.
  std::string Output;
  // Why the case failed, in the program's words; empty when it passed.
  std::string Message;
};

// Every case of one project file, in the order of the test file.
struct TFileResult {
  std::string File;
  std::vector<TCaseResult> Cases;

  std::size_t PassedCount() const {
    std::size_t passed = 0;
    for (const TCaseResult& c : Cases) passed += c.Status == TCaseStatus::Passed ? 1 : 0;
    return passed;
  }
  bool Passed() const { return PassedCount() == Cases.size(); }
};

}  // namespace zuvar
