// The peak memory of zuvar-run on an endless loop that writes a line at every pass, run for a
// given number of steps (--max-steps) with its output thrown away. The child's peak comes from
// wait4; two step counts give the growth per million steps. Prints the figures; never fails.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/WritingLoop.h"
#include "project/ProjectFile.h"
#include "tests/support/RecordingHost.h"

extern char** environ;

using namespace zuvar;

namespace {

struct TChildRun {
  long peakKilobytes = -1;
  double seconds = 0;
  int status = -1;
};

// Runs zuvar-run --max-steps `steps` on the project with stdout and stderr on /dev/null.
TChildRun RunChild(const std::string& runner, const std::string& project, long long steps) {
  TChildRun run;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  std::string stepsText = std::to_string(steps);
  std::vector<char*> argv{const_cast<char*>(runner.c_str()), const_cast<char*>("--max-steps"),
                          stepsText.data(), const_cast<char*>(project.c_str()), nullptr};
  const auto started = std::chrono::steady_clock::now();
  pid_t child = 0;
  const int spawned = posix_spawn(&child, runner.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return run;
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child) return run;
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  run.peakKilobytes = usage.ru_maxrss;
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

void Print(long long steps, const TChildRun& run) {
  std::printf("  %11lld steps: peak %8.1f MB, %7.2f s, exit status %d\n", steps,
              bench::WritingLoop::Megabytes(run.peakKilobytes), run.seconds, run.status);
}

}  // namespace

// Arguments: [zuvar-run] [steps, 50000000 by default]
int main(int argc, char** argv) {
  const std::string runner = argc > 1 ? argv[1] : ZUVAR_RUN_PROGRAM;
  const long long steps = argc > 2 ? std::atoll(argv[2]) : 50'000'000LL;
  const std::string project = (std::filesystem::temp_directory_path() /
                               ("zuvar-writing-loop-" + std::to_string(getpid()) + ".bin"))
                                  .string();
  {
    TSchemat diagram;
    bench::WritingLoop::Draw(diagram);
    test::TRecordingHost host;
    if (!WriteProjectFile(project, diagram, host)) {
      std::printf("could not write %s\n", project.c_str());
      return 0;
    }
  }
  const long long small = std::max(1LL, steps / 10);
  std::printf("zuvar-run --max-steps N on an endless loop writing a line every two steps\n");
  const TChildRun few = RunChild(runner, project, small);
  Print(small, few);
  const TChildRun many = RunChild(runner, project, steps);
  Print(steps, many);
  const double millions = static_cast<double>(steps - small) / 1e6;
  if (millions > 0)
    std::printf("  growth: %.3f MB per million steps\n",
                bench::WritingLoop::Megabytes(many.peakKilobytes - few.peakKilobytes) / millions);
  std::filesystem::remove(project);
  return 0;
}
