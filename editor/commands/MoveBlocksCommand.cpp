#include "editor/commands/MoveBlocksCommand.h"

#include "editor/SchematView.h"
#include "model/Schemat.h"

namespace zuvar {

TMoveBlocksCommand::TMoveBlocksCommand(TSchematView& view, std::vector<TMove> moves,
                                       bool savedAtPress)
    : TDiagramCommand(view, QStringLiteral("Przesunięcie bloków")), moves_(std::move(moves)) {
  SetSavedFound(savedAtPress);
}

void TMoveBlocksCommand::redo() {
  if (!done_) MoveAll(false);
  done_ = false;
  Document().Saved = false;
}

void TMoveBlocksCommand::undo() {
  MoveAll(true);
  RestoreFoundState();
}

// Every block first, then the links of each, so that no link is routed to a block that has
// yet to move.
void TMoveBlocksCommand::MoveAll(bool back) {
  for (const TMove& move : moves_) {
    if (TNewShape* block = Block(move.Id))
      block->MoveTo(back ? move.FromLeft : move.ToLeft, back ? move.FromTop : move.ToTop);
  }
  for (const TMove& move : moves_) Document().RedrawLinksTouching(Block(move.Id));
}

}  // namespace zuvar
