#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "interpreter/Interpreter.h"
#include "simulation/SimulationEngine.h"

namespace zuvar {

class TNewShape;

// What one step changed, enough to undo it: the run's position and counters before the step,
// how many variables and how much output there were, and the old texts of the values and the
// old condition results that the step overwrote. Values and results are kept only when a step
// overwrites them, so a record stays small whatever the size of the variables.
struct TStepRecord {
  struct TOverwrite {
    TInterpreter::variables* Variable = nullptr;
    std::size_t Index = 0;
    std::string Text;
  };
  struct TCondition {
    TNewShape* Block = nullptr;
    uint8_t Result = 0;
  };

  TNewShape* CurrentBlock = nullptr;
  int32_t Line = 0;
  uint32_t StatementCount = 0;
  uint32_t BlockStatementCount = 0;
  uint8_t Finished = 0;
  bool InputEnded = false;
  TSimulationEngine::TPosition Engine;
  std::size_t VariableCount = 0;
  std::size_t OutputLineCount = 0;
  std::size_t LastLineLength = 0;
  // Oldest first. Only the first OverwriteCount entries belong to this step: a record is reused
  // for later steps, and its entries keep their strings' storage.
  std::vector<TOverwrite> Overwrites;
  std::size_t OverwriteCount = 0;
  std::vector<TCondition> Conditions;
};

}  // namespace zuvar
