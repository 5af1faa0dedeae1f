#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zuvar {

class TOutputLines;

// Compares the output of a run with the expected text, line by line.
namespace OutputComparison {

// The output lines as zuvar-run writes them: joined by line ends, and a last line that is not
// empty ended too.
std::string TextOf(const TOutputLines& output);

// The first difference between two texts, in the program's words ("wiersz 3: oczekiwano "a",
// otrzymano "b""), or nothing when they are the same. Exactly, every byte counts, the final
// line end too; ignoring trailing space, each line is compared without its trailing blanks
// (spaces, TABs, CRs) and the empty lines at the end of either text do not count.
std::optional<std::string> FirstDifference(std::string_view expected, std::string_view actual,
                                           bool ignoreTrailingSpace);

}  // namespace OutputComparison

}  // namespace zuvar
