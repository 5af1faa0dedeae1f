#include "cli/ArgumentParser.h"

#include <charconv>

namespace zuvar {

namespace {

bool ParseCount(const std::string& text, std::uint64_t& value) {
  if (text.empty()) return false;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end;
}

}  // namespace

std::string_view ArgumentParser::Usage() {
  return "usage: zuvar-run [OPTIONS] FILE\n"
         "  --check           validate only, as the Check command (F10) does\n"
         "  --check-code      check the code of every block before the run\n"
         "  --log             print every log line to stderr\n"
         "  --vars            print the variables grid to stderr when the run ends\n"
         "  --no-array-index  show an array as one grid row\n"
         "  --max-steps N     end the run after N steps (exit 3); 0 means no limit\n"
         "  --resave OUT      read FILE and write it back to OUT\n";
}

bool ArgumentParser::Fail(std::string message) {
  error_ = std::move(message);
  return false;
}

bool ArgumentParser::ParseOption(const std::vector<std::string>& args, std::size_t& i,
                                 TRunArguments& out) {
  const std::string& arg = args[i];
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
  } else if (arg == "--max-steps") {
    if (i + 1 >= args.size()) return Fail("--max-steps needs a number");
    if (!ParseCount(args[++i], out.MaxSteps)) return Fail("bad step count: " + args[i]);
  } else if (arg == "--resave") {
    if (i + 1 >= args.size()) return Fail("--resave needs a file name");
    out.Resave = true;
    out.ResaveTarget = args[++i];
  } else {
    return Fail("unknown option: " + arg);
  }
  return true;
}

std::optional<TRunArguments> ArgumentParser::Parse(const std::vector<std::string>& args) {
  TRunArguments out;
  bool haveFile = false;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
      if (!ParseOption(args, i, out)) return std::nullopt;
    } else if (haveFile) {
      Fail("more than one file given");
      return std::nullopt;
    } else {
      out.File = arg;
      haveFile = true;
    }
  }
  if (!haveFile) {
    Fail("no file given");
    return std::nullopt;
  }
  return out;
}

}  // namespace zuvar
