#include "cli/RunPlace.h"

#include "interpreter/Interpreter.h"
#include "model/NewShape.h"

namespace zuvar {

std::string RunPlace::Describe(const TInterpreter& run) {
  const TNewShape* block = run.CurrentBlock;
  if (block == nullptr) return "przed pierwszym blokiem";
  std::string text = "w bloku " + std::to_string(block->Id) + " \"" + block->Caption + "\"";
  if (run.Line >= 1 && static_cast<std::size_t>(run.Line) <= block->Code.size()) {
    text += ", wiersz kodu " + std::to_string(run.Line) + ": \"";
    text += block->Code[static_cast<std::size_t>(run.Line) - 1];
    text += "\"";
  }
  return text;
}

}  // namespace zuvar
