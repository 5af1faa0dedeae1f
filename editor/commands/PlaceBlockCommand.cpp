#include "editor/commands/PlaceBlockCommand.h"

#include "editor/SchematView.h"
#include "model/Schemat.h"

namespace zuvar {

TPlaceBlockCommand::TPlaceBlockCommand(TSchematView& view, TNewShapeType shape, int32_t x,
                                       int32_t y)
    : TDiagramCommand(view, QStringLiteral("Wstawienie bloku")), shape_(shape), x_(x), y_(y) {}

// The first time the block is made and laid out, so that it is centred with its final size;
// afterwards it comes back as it was then.
void TPlaceBlockCommand::redo() {
  if (!placed_) {
    Place();
    return;
  }
  record_.Restore(Document());
  Document().LastId = lastIdAfter_;
}

void TPlaceBlockCommand::Place() {
  TSchemat& document = Document();
  TNewShape* block = document.AddBlock(shape_);
  if (block == nullptr) {
    setObsolete(true);
    return;
  }
  block->MoveTo(x_, y_);
  View().LayoutBlock(*block);
  block->MoveTo(block->Left - block->Width / 2, block->Top - block->Height / 2);
  record_ = TBlockRecord::Capture(document, *block);
  lastIdAfter_ = document.LastId;
  placed_ = true;
}

void TPlaceBlockCommand::undo() {
  TNewShape* block = Block(record_.Id);
  LeaveIfActive(block);
  Document().DeleteBlock(block);
  RestoreFoundState();
}

}  // namespace zuvar
