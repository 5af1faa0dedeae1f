#include "simulation/Breakpoints.h"

#include "interpreter/ReadOnlyEvaluator.h"
#include "model/NewShape.h"

namespace zuvar {

bool TBreakpoints::Toggle(std::int32_t id) {
  if (points_.erase(id) != 0) return false;
  points_.emplace(id, std::string());
  return true;
}

std::string TBreakpoints::Condition(std::int32_t id) const {
  const auto found = points_.find(id);
  return found == points_.end() ? std::string() : found->second;
}

void TBreakpoints::Set(std::int32_t id, std::string condition) {
  points_[id] = std::move(condition);
}

bool TBreakpoints::StopsAt(TInterpreter& run, const TNewShape& block, std::string& error) const {
  error.clear();
  const auto found = points_.find(static_cast<std::int32_t>(block.Id));
  if (found == points_.end()) return false;
  if (found->second.empty()) return true;
  const TReadOnlyResult result = ReadOnlyEvaluator::Evaluate(run, found->second);
  bool truth = false;
  std::string reason = result.Error;
  if (result.Ok && ReadOnlyEvaluator::Truth(result.Value, truth, reason)) return truth;
  error.assign("Nie można obliczyć warunku zatrzymania w bloku ");
  error.append(block.Caption);
  error.append(": ");
  error.append(reason);
  return true;
}

}  // namespace zuvar
