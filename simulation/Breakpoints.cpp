#include "simulation/Breakpoints.h"

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

}  // namespace zuvar
