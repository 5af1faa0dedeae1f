#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/ArgumentParser.h"
#include "cli/ExitStatus.h"
#include "cli/InterruptFlag.h"
#include "cli/Runner.h"

int main(int argc, char** argv) {
  using namespace zuvar;
  const std::vector<std::string> args(argv + 1, argv + argc);
  ArgumentParser parser;
  const auto arguments = parser.Parse(args);
  if (!arguments) {
    std::fprintf(stderr, "zuvar-run: %s\n%.*s", parser.Error().c_str(),
                 static_cast<int>(ArgumentParser::Usage().size()), ArgumentParser::Usage().data());
    return kExitUsage;
  }
  InterruptFlag::Install();
  // A file-size limit makes a write fail (and be reported) instead of ending the process.
  std::signal(SIGXFSZ, SIG_IGN);
  return Runner(*arguments).Run();
}
