#include "cli/Grader.h"

#include <algorithm>
#include <atomic>
#include <thread>

#include "cli/CaseRun.h"
#include "cli/InterruptFlag.h"

namespace zuvar {

TFileResult TGrader::GradeFile(const std::string& file) const {
  TFileResult result;
  result.File = file;
  for (const TTestCase& test : cases_) {
    if (InterruptFlag::Raised()) break;
    result.Cases.push_back(TCaseRun(arguments_, test).Run(file));
  }
  return result;
}

std::vector<TFileResult> TGrader::Grade(const std::vector<std::string>& files) const {
  std::vector<TFileResult> results(files.size());
  std::atomic<std::size_t> next{0};
  const auto work = [&] {
    for (std::size_t i = next++; i < files.size(); i = next++) results[i] = GradeFile(files[i]);
  };
  const std::size_t jobs = std::min<std::size_t>(arguments_.Jobs, files.size());
  std::vector<std::thread> helpers;
  for (std::size_t j = 1; j < jobs; ++j) helpers.emplace_back(work);
  work();
  for (std::thread& helper : helpers) helper.join();
  return results;
}

}  // namespace zuvar
