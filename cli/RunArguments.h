#pragma once

#include <cstdint>
#include <string>

namespace zuvar {

// What the command line of zuvar-run asks for.
struct TRunArguments {
  std::string File;
  bool CheckOnly = false;
  bool CheckCode = false;
  bool PrintLog = false;
  bool PrintVariables = false;
  bool ArrayIndices = true;
  std::uint64_t MaxSteps = 0;  // 0: no limit
  bool Resave = false;
  std::string ResaveTarget;
};

}  // namespace zuvar
