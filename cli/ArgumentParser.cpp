#include "cli/ArgumentParser.h"

#include <charconv>
#include <cmath>

namespace zuvar {

namespace {

bool ParseCount(const std::string& text, std::uint64_t& value) {
  if (text.empty()) return false;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end;
}

bool ParseSeconds(const std::string& text, double& value) {
  if (text.empty()) return false;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end && std::isfinite(value) && value > 0;
}

}  // namespace

std::string_view TArgumentParser::Usage() {
  return "usage: zuvar-run [OPTIONS] FILE\n"
         "       zuvar-run --tests CASES [OPTIONS] FILE...\n"
         "  --check           validate only, as the Check command (F10) does\n"
         "  --check-code      check the code of every block before the run\n"
         "  --log             print every log line to stderr\n"
         "  --vars            print the variables grid to stderr when the run ends\n"
         "  --no-array-index  show an array as one grid row\n"
         "  --max-steps N     end the run after N steps (exit 3); 0 means no limit\n"
         "  --timeout SECONDS end the run after this wall-clock time (exit 3)\n"
         "  --input FILE      take the entries of read from FILE instead of stdin\n"
         "  --expect FILE     compare the output with FILE (exit 5 when they differ)\n"
         "  --ignore-trailing-space\n"
         "                    compare lines without trailing blanks and final empty lines\n"
         "  --resave OUT      read FILE and write it back to OUT\n"
         "  --tests CASES     run every case of CASES on every FILE and print a summary\n"
         "  --json PATH       with --tests: also write the report as JSON (- for stdout)\n"
         "  -j N              with --tests: grade up to N files at once\n"
         "  --help            print this text\n"
         "  --version         print the version\n";
}

bool TArgumentParser::Fail(std::string message) {
  error_ = std::move(message);
  return false;
}

bool TArgumentParser::TakeValue(const std::vector<std::string>& args, std::size_t& i,
                                std::string& value) {
  if (i + 1 >= args.size()) return Fail(args[i] + " needs a value");
  value = args[++i];
  return true;
}

bool TArgumentParser::ParseOption(const std::vector<std::string>& args, std::size_t& i,
                                  TRunArguments& out) {
  const std::string& arg = args[i];
  std::string value;
  if (arg == "--check") {
    out.CheckOnly = true;
  } else if (arg == "--check-code") {
    out.CheckCode = true;
  } else if (arg == "--log") {
    out.PrintLog = true;
  } else if (arg == "--vars") {
    out.PrintVariables = true;
  } else if (arg == "--no-array-index") {
    out.ArrayIndices = false;
  } else if (arg == "--help" || arg == "-h") {
    out.Help = true;
  } else if (arg == "--version") {
    out.Version = true;
  } else if (arg == "--ignore-trailing-space") {
    out.IgnoreTrailingSpace = true;
  } else if (arg == "--max-steps") {
    if (i + 1 >= args.size()) return Fail("--max-steps needs a number");
    if (!ParseCount(args[++i], out.MaxSteps)) return Fail("bad step count: " + args[i]);
  } else if (arg == "--timeout") {
    if (!TakeValue(args, i, value)) return false;
    if (!ParseSeconds(value, out.TimeoutSeconds)) return Fail("bad time limit: " + value);
  } else if (arg == "-j") {
    if (!TakeValue(args, i, value)) return false;
    std::uint64_t jobs = 0;
    if (!ParseCount(value, jobs) || jobs == 0 || jobs > 256) return Fail("bad job count: " + value);
    out.Jobs = static_cast<unsigned>(jobs);
  } else if (arg == "--resave") {
    if (i + 1 >= args.size()) return Fail("--resave needs a file name");
    out.Resave = true;
    out.ResaveTarget = args[++i];
  } else if (arg == "--input") {
    return TakeValue(args, i, out.InputFile);
  } else if (arg == "--expect") {
    return TakeValue(args, i, out.ExpectFile);
  } else if (arg == "--tests") {
    return TakeValue(args, i, out.TestsFile);
  } else if (arg == "--json") {
    return TakeValue(args, i, out.JsonTarget);
  } else {
    return Fail("unknown option: " + arg);
  }
  return true;
}

// Options that only make sense in one mode are refused in the others.
bool TArgumentParser::CheckCombination(const TRunArguments& out, bool jobsGiven) {
  const bool grading = !out.TestsFile.empty();
  if (grading) {
    if (out.CheckOnly || out.Resave || out.PrintLog || out.PrintVariables ||
        !out.InputFile.empty() || !out.ExpectFile.empty())
      return Fail("--tests takes no --check, --resave, --log, --vars, --input or --expect");
    return true;
  }
  if (!out.JsonTarget.empty() || jobsGiven) return Fail("--json and -j need --tests");
  if (out.Files.size() > 1) return Fail("more than one file given");
  return true;
}

std::optional<TRunArguments> TArgumentParser::Parse(const std::vector<std::string>& args) {
  TRunArguments out;
  bool optionsEnded = false;
  bool jobsGiven = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
      jobsGiven = jobsGiven || arg == "-j";
      if (!ParseOption(args, i, out)) return std::nullopt;
    } else {
      out.Files.push_back(arg);
    }
  }
  if (out.Help || out.Version) return out;
  if (out.Files.empty()) {
    Fail("no file given");
    return std::nullopt;
  }
  out.File = out.Files.front();
  if (!CheckCombination(out, jobsGiven)) return std::nullopt;
  return out;
}

}  // namespace zuvar
