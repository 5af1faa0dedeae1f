#include "simulation/HeadlessSimulationHost.h"

#include "simulation/ActiveBlockHighlight.h"

namespace zuvar {

void THeadlessSimulationHost::SetActiveBlock(TSchemat& diagram, TNewShape* block) {
  ActiveBlockHighlight::Apply(diagram, block);
}

}  // namespace zuvar
