#pragma once

#include "simulation/SimulationHost.h"

namespace zuvar {

// A simulation host without a canvas, for runs on the terminal and in tools: the active block
// is highlighted on the document only, nothing scrolls, no ball is drawn and nothing waits.
class THeadlessSimulationHost : public TSimulationHost {
 public:
  void SetActiveBlock(TSchemat& diagram, TNewShape* block) override;
  void ScrollIntoView(const TRect& /*area*/) override {}
  void Sleep(unsigned /*milliseconds*/) override {}
  void BusyWait(unsigned /*milliseconds*/) override {}
  void ProcessMessages() override {}
  void ShowBall(const TRect& /*bounds*/) override {}
  void RemoveBall() override {}
};

}  // namespace zuvar
