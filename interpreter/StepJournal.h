#pragma once

#include <cstddef>
#include <cstdint>

#include "interpreter/Interpreter.h"

namespace zuvar {

class TNewShape;

// Told of every change that a step makes in place, before it is made, so that the step can be
// undone: a value of a variable that existed before the statement is about to be overwritten,
// or the condition result of the current block is about to be set. Variables declared by a
// step are not reported: they are the tail of the list and are undone by cutting it.
class TStepJournal {
 public:
  virtual ~TStepJournal() = default;
  virtual void ValueOverwriting(TInterpreter::variables& variable, std::size_t index) = 0;
  virtual void ConditionSetting(TNewShape& block, uint8_t result) = 0;
};

}  // namespace zuvar
