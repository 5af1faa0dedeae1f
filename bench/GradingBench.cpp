// Grades a class of 30 project files against 5 test cases, as `zuvar-run --tests` does: the
// factorial of tests/data/grading in four versions (right, wrong result, failing step, endless
// loop stopped by the step limit), one after another and on two threads.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "cli/Grader.h"
#include "cli/RunArguments.h"
#include "cli/TestFileParser.h"

namespace zuvar {
namespace {

const char* const kCases =
    "=== pięć\n5\n---\nSilnia: 120\n"
    "=== zero\n0\n---\nSilnia: 1\n"
    "=== jeden\n1\n---\nSilnia: 1\n"
    "=== dziesięć\n10\n---\nSilnia: 3628800\n"
    "=== dwanaście\n12\n---\nSilnia: 479001600\n";

std::vector<std::string> ClassOf30() {
  const std::string folder = ZUVAR_GRADING_DIR;
  const char* const students[] = {"anna.bin", "bartek.bin", "celina.bin", "darek.bin"};
  std::vector<std::string> files;
  // Mostly right answers, as in a real class; every fifth file loops until the step limit.
  for (int i = 0; i < 30; ++i) files.push_back(folder + "/" + students[i % 5 == 4 ? 3 : i % 3]);
  return files;
}

void BM_GradeClass(benchmark::State& state) {
  std::vector<TTestCase> cases;
  std::string error;
  if (!TestFileParser::Parse(kCases, cases, error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  TRunArguments arguments;
  arguments.MaxSteps = 100000;
  arguments.Jobs = static_cast<unsigned>(state.range(0));
  const std::vector<std::string> files = ClassOf30();
  for (auto _ : state) {
    auto results = TGrader(arguments, cases).Grade(files);
    benchmark::DoNotOptimize(results);
  }
  state.counters["files"] = static_cast<double>(files.size());
  state.counters["cases"] = static_cast<double>(files.size() * cases.size());
}
BENCHMARK(BM_GradeClass)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace zuvar
