#include "cli/GradingCommand.h"

#include <cstdio>
#include <fstream>

#include "cli/ExitStatus.h"
#include "cli/GradeReport.h"
#include "cli/Grader.h"
#include "cli/InterruptFlag.h"
#include "cli/TestFileParser.h"
#include "cli/TextFile.h"

namespace zuvar {

namespace {

void Tell(const std::string& line) {
  std::fprintf(stderr, "zuvar-run: %s\n", line.c_str());
  std::fflush(stderr);
}

bool WriteStandardOutput(const std::string& text) {
  return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
         std::fflush(stdout) == 0;
}

bool WriteFile(const std::string& fileName, const std::string& text) {
  std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  return static_cast<bool>(out);
}

}  // namespace

int GradingCommand::Run(const TRunArguments& arguments) {
  const auto text = TextFile::Read(arguments.TestsFile);
  if (!text) {
    Tell("Nie można odczytać pliku \"" + arguments.TestsFile + "\".");
    return kExitNotStarted;
  }
  std::vector<TTestCase> cases;
  std::string error;
  if (!TestFileParser::Parse(*text, cases, error)) {
    Tell("Błąd w pliku testów \"" + arguments.TestsFile + "\", " + error);
    return kExitUsage;
  }
  const std::vector<TFileResult> results = TGrader(arguments, cases).Grade(arguments.Files);
  if (InterruptFlag::Raised()) return InterruptFlag::ExitStatus();

  const bool jsonToOutput = arguments.JsonTarget == "-";
  const std::string json = arguments.JsonTarget.empty()
                               ? std::string()
                               : GradeReport::Json(arguments.TestsFile, results);
  if (!WriteStandardOutput(jsonToOutput ? json : GradeReport::Table(results))) {
    Tell("Błąd zapisu na standardowe wyjście!");
    return kExitOutputFailed;
  }
  if (!arguments.JsonTarget.empty() && !jsonToOutput && !WriteFile(arguments.JsonTarget, json)) {
    Tell("Nie można zapisać pliku \"" + arguments.JsonTarget + "\".");
    return kExitNotStarted;
  }
  for (const TFileResult& file : results)
    if (!file.Passed()) return kExitOutputDiffers;
  return kExitStopReached;
}

}  // namespace zuvar
