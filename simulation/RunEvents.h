#pragma once

#include <cstddef>
#include <initializer_list>

namespace zuvar {

// The events that a run tells its observers.
enum class TRunEvent : unsigned {
  RunStarting,
  RunStarted,
  VariablesChanged,
  ActiveBlockChanged,
  LineRun,
  StepDone,
  StepUndone,
  RunEnded,
  StateChanged,
};

// A set of run events: those that an observer takes. Several events come at every step, so a
// run tells each only to the observers that take it.
class TRunEvents {
 public:
  static constexpr std::size_t kCount = static_cast<std::size_t>(TRunEvent::StateChanged) + 1;

  constexpr TRunEvents(std::initializer_list<TRunEvent> events) {
    for (const TRunEvent event : events) bits_ |= Bit(event);
  }
  static constexpr TRunEvents All() {
    TRunEvents all{};
    all.bits_ = (1u << kCount) - 1;
    return all;
  }
  constexpr bool Has(TRunEvent event) const { return (bits_ & Bit(event)) != 0; }

 private:
  static constexpr unsigned Bit(TRunEvent event) { return 1u << static_cast<unsigned>(event); }

  unsigned bits_ = 0;
};

}  // namespace zuvar
