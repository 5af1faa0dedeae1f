#include "editor/commands/MoveBlocksCommand.h"

#include "editor/SchematView.h"
#include "model/Schemat.h"

namespace zuvar {

TMoveBlocksCommand::TMoveBlocksCommand(TSchematView& view, std::vector<TMove> moves,
                                       bool savedAtPress)
    : TDiagramCommand(view, QStringLiteral("Przesunięcie bloków")), moves_(std::move(moves)) {
  SetSavedFound(savedAtPress);
}

TMoveBlocksCommand::TMoveBlocksCommand(TSchematView& view, std::vector<TMove> moves,
                                       const QString& text)
    : TDiagramCommand(view, text), moves_(std::move(moves)), done_(false) {}

void TMoveBlocksCommand::redo() {
  if (!done_) MoveAll(false);
  done_ = false;
  Document().Saved = false;
}

void TMoveBlocksCommand::undo() {
  MoveAll(true);
  RestoreFoundState();
}

// The blocks are found through one index and moved first; then every link that leaves or enters
// one of them is routed once, so that no link is routed to a block that has yet to move.
void TMoveBlocksCommand::MoveAll(bool back) {
  TSchemat& document = Document();
  const auto index = document.BuildIdIndex();
  std::vector<TNewShape*> moved;
  moved.reserve(moves_.size());
  for (const TMove& move : moves_) {
    const auto it = index.find(move.Id);
    if (it == index.end()) continue;
    it->second->MoveTo(back ? move.FromLeft : move.ToLeft, back ? move.FromTop : move.ToTop);
    moved.push_back(it->second);
  }
  document.RedrawLinksTouching(moved);
}

}  // namespace zuvar
