#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/RunArguments.h"

namespace zuvar {

// Parses the command line of zuvar-run. A bad command line yields no arguments and an error
// text; the caller prints it with the usage text and exits with status 64.
class TArgumentParser {
 public:
  std::optional<TRunArguments> Parse(const std::vector<std::string>& args);
  const std::string& Error() const { return error_; }
  static std::string_view Usage();

 private:
  bool ParseOption(const std::vector<std::string>& args, std::size_t& i, TRunArguments& out);
  bool TakeValue(const std::vector<std::string>& args, std::size_t& i, std::string& value);
  bool CheckCombination(const TRunArguments& out, bool jobsGiven);
  bool Fail(std::string message);

  std::string error_;
};

}  // namespace zuvar
