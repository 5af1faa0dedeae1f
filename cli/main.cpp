#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/ArgumentParser.h"
#include "cli/ExitStatus.h"
#include "cli/GradingCommand.h"
#include "cli/InterruptFlag.h"
#include "cli/Runner.h"

namespace {

// --input: the file takes the place of standard input, as a redirection would.
bool UseAsStandardInput(const std::string& fileName) {
  const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return false;
  const int flags = ::fcntl(fd, F_GETFL);
  const bool moved = flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0 &&
                     ::dup2(fd, STDIN_FILENO) == STDIN_FILENO;
  ::close(fd);
  return moved;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace zuvar;
  const std::vector<std::string> args(argv + 1, argv + argc);
  TArgumentParser parser;
  const auto arguments = parser.Parse(args);
  if (!arguments) {
    std::fprintf(stderr, "zuvar-run: %s\n%.*s", parser.Error().c_str(),
                 static_cast<int>(TArgumentParser::Usage().size()),
                 TArgumentParser::Usage().data());
    return kExitUsage;
  }
  if (arguments->Help) {
    std::fwrite(TArgumentParser::Usage().data(), 1, TArgumentParser::Usage().size(), stdout);
    return std::fflush(stdout) == 0 ? kExitStopReached : kExitOutputFailed;
  }
  if (arguments->Version) {
    std::printf("zuvar-run %s\n", ZUVAR_VERSION);
    return std::fflush(stdout) == 0 ? kExitStopReached : kExitOutputFailed;
  }
  if (!arguments->InputFile.empty() && !UseAsStandardInput(arguments->InputFile)) {
    std::fprintf(stderr, "zuvar-run: Nie można odczytać pliku \"%s\".\n",
                 arguments->InputFile.c_str());
    return kExitNotStarted;
  }
  InterruptFlag::Install();
  // A file-size limit makes a write fail (and be reported) instead of ending the process.
  std::signal(SIGXFSZ, SIG_IGN);
  if (!arguments->TestsFile.empty()) return GradingCommand::Run(*arguments);
  return TRunner(*arguments).Run();
}
