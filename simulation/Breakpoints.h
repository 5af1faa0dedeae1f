#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace zuvar {

class TInterpreter;
class TNewShape;

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
  // Whether a run entering the block stops there: the block has a breakpoint whose condition
  // is empty or true (a number other than zero) on the run's variables as they are now. The
  // condition is evaluated read-only, without any message. One that cannot be evaluated stops
  // the run too, and error then says why, naming the block; otherwise error is left empty.
  bool StopsAt(TInterpreter& run, const TNewShape& block, std::string& error) const;
  bool Empty() const { return points_.empty(); }

 private:
  std::map<std::int32_t, std::string> points_;
};

}  // namespace zuvar
