#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/TestCase.h"

namespace zuvar {

// Reads the test file of a grading run (UTF-8, LF or CR LF line ends):
//   lines before the first case that are empty or begin with "#" are comments;
//   "=== name" begins a case; the lines after it, up to "---", are the entries of `read`;
//   the lines after "---", up to the next "===" line or the end of the file, are the expected
//   output, without the empty lines at its end.
namespace TestFileParser {

// The cases of the file, or false with `error` naming the line at fault ("wiersz 3: ...").
bool Parse(std::string_view text, std::vector<TTestCase>& cases, std::string& error);

}  // namespace TestFileParser

}  // namespace zuvar
