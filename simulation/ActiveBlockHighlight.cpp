#include "simulation/ActiveBlockHighlight.h"

#include "model/Schemat.h"

namespace zuvar {

void ActiveBlockHighlight::Apply(TSchemat& diagram, TNewShape* block) {
  TNewShape* previous = diagram.ActiveBlock;
  diagram.SetActiveBlock(block);
  if (previous) previous->SetBrush(previous->SavedBrush);
  if (block) {
    block->SavedBrush = block->Brush;
    block->SetBrush(TBrush::Solid(clLime));
  }
}

}  // namespace zuvar
