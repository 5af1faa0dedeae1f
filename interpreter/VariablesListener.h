#pragma once

namespace zuvar {

// Told when the variables or their values may have changed, so that a view can refresh its
// grid. A view should only mark itself stale here and build its rows later (at most once per
// frame, or at the end of a run): this call happens after every successful statement.
class TVariablesListener {
 public:
  virtual ~TVariablesListener() = default;
  virtual void OnVariablesChanged() = 0;
};

}  // namespace zuvar
