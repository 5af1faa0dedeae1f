#pragma once

#include <string>
#include <vector>

#include "cli/CaseResult.h"
#include "cli/RunArguments.h"
#include "cli/TestCase.h"

namespace zuvar {

// Runs every case on every project file. Each case is a run of its own (TCaseRun); with more
// than one job, up to that many files are graded at once on threads of their own, and the
// results keep the order of the files whatever the order they finish in.
class TGrader {
 public:
  TGrader(const TRunArguments& arguments, const std::vector<TTestCase>& cases)
      : arguments_(arguments), cases_(cases) {}

  std::vector<TFileResult> Grade(const std::vector<std::string>& files) const;

 private:
  TFileResult GradeFile(const std::string& file) const;

  const TRunArguments& arguments_;
  const std::vector<TTestCase>& cases_;
};

}  // namespace zuvar
