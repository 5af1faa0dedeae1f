#pragma once

#include <string>
#include <vector>

namespace zuvar {

// One named case of a test file: the entries given to `read`, one per line, and the output the
// program must write (each line ended by a line end; empty when nothing is to be written).
struct TTestCase {
  std::string Name;
  std::vector<std::string> Input;
  std::string Expected;
};

}  // namespace zuvar
