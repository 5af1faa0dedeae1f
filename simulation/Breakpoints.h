#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace zuvar {

// The breakpoints of the open diagram: the Ids of the blocks at which a run to the end stops
// when it enters them, each with an optional condition (an expression of the block language;
// empty: always stop). They live as long as the program runs and are cleared with the diagram;
// they are never stored in a project file.
class TBreakpoints {
 public:
  // Sets a breakpoint on the block, or removes the one it has; true when it has one now.
  bool Toggle(std::int32_t id);
  bool Has(std::int32_t id) const { return points_.count(id) != 0; }
  // The block's condition (empty: none, or no breakpoint).
  std::string Condition(std::int32_t id) const;
  // Gives the block a breakpoint with this condition (empty: an unconditional one).
  void Set(std::int32_t id, std::string condition);
  void Clear() { points_.clear(); }
  bool Empty() const { return points_.empty(); }

 private:
  std::map<std::int32_t, std::string> points_;
};

}  // namespace zuvar
