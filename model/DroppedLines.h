#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zuvar {

// The notice that heads a list of lines (the log, the output panel) which keeps only its newest
// lines: it says how many of the oldest ones were dropped, in good Polish for every count.
namespace DroppedLines {

// "(pominięto 1 najstarszy wiersz <of>)", "(pominięto 3 najstarsze wiersze <of>)",
// "(pominięto 5 najstarszych wierszy <of>)".
std::string Notice(std::size_t dropped, std::string_view of);

}  // namespace DroppedLines

}  // namespace zuvar
