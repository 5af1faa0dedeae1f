#pragma once

#include <string>

namespace zuvar {

class TInterpreter;

// Where a run stands, in the program's words, for the lines that tell why a run ended.
namespace RunPlace {

// "w bloku ID "caption"" followed, when the run stands on one of the block's code lines, by
// ", wiersz kodu N: "code"". Before the first step: "przed pierwszym blokiem".
std::string Describe(const TInterpreter& run);

}  // namespace RunPlace

}  // namespace zuvar
