#pragma once

namespace zuvar {

class TNewShape;
class TSchemat;

// The canvas's way of marking the active block, on the model alone: the previous active block
// gets its fill back from its SavedBrush, the new one saves its fill there and turns solid lime.
// Hosts without a canvas (zuvar-run, tests) use it for TSimulationHost::SetActiveBlock.
namespace ActiveBlockHighlight {

void Apply(TSchemat& diagram, TNewShape* block);

}  // namespace ActiveBlockHighlight

}  // namespace zuvar
