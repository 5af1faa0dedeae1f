#include "simulation/CodeCheck.h"

#include "interpreter/Interpreter.h"
#include "interpreter/StatementInterpreter.h"
#include "model/Host.h"
#include "model/Schemat.h"
#include "simulation/CriticalFault.h"
#include "simulation/SimulationOptions.h"

namespace zuvar {

namespace {

bool HasCheckedCode(const TNewShape& block) {
  const bool interpreted =
      block.Shape == nstCalc || block.Shape == nstInOut || block.Shape == nstChoice;
  return block.Tag != 0 && interpreted && !block.Code.empty();
}

}  // namespace

TCodeCheck::TCodeCheck(TInterpreter& interpreter, TSchemat& diagram, THost& host,
                       const TSimulationOptions& options)
    : interpreter_(interpreter), diagram_(diagram), host_(host), options_(options) {}

bool TCodeCheck::CheckCode() {
  if (!options_.CheckCodeBeforeRun) return true;
  interpreter_.Checking = 1;
  for (TNewShape* b = diagram_.FirstBlock; b; b = b->Next) {
    if (b->Tag > 0) b->Tag = 1;
  }
  interpreter_.StatementCount = 0;
  interpreter_.BlockStatementCount = 0;
  bool ok = false;
  try {
    ok = CheckBlockLines();
  } catch (...) {
    CriticalFault::Report(host_, false);
    interpreter_.Faulted = 1;
    interpreter_.Checking = 0;
    return false;
  }
  if (!ok) {
    interpreter_.Checking = 0;
    return false;
  }
  interpreter_.Checking = 0;
  interpreter_.StatementCount = 0;
  interpreter_.BlockStatementCount = 0;
  return true;
}

bool TCodeCheck::CheckBlockLines() {
  for (TNewShape* b = diagram_.FirstBlock; b; b = b->Next) {
    if (!HasCheckedCode(*b)) continue;
    interpreter_.CurrentBlock = b;
    interpreter_.BlockStatementCount = 0;
    const auto lines = static_cast<int32_t>(b->Code.size());
    for (interpreter_.Line = 1; interpreter_.Line <= lines; ++interpreter_.Line) {
      if (CheckLine(interpreter_) == 0) return false;
    }
  }
  return true;
}

}  // namespace zuvar
