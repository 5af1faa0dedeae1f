#include "editor/BlockArranging.h"

#include <QUndoStack>

#include "editor/SchematView.h"
#include "editor/commands/MoveBlocksCommand.h"

namespace zuvar::BlockArranging {

bool Align(TSchematView& view, BlockAlignment::TAxis axis) {
  TSchemat& document = view.Document();
  const TNewShape* anchor = document.ActiveBlock;
  if (anchor == nullptr) return false;
  std::vector<TNewShape*> selected;
  for (TNewShape* block = document.FirstBlock; block != nullptr; block = block->Next) {
    if (TSchematView::IsSelected(*block) && block != anchor) selected.push_back(block);
  }
  const std::vector<BlockAlignment::TPlace> places =
      BlockAlignment::Align(selected, *anchor, axis, document.SheetWidth, document.SheetHeight);
  if (places.empty()) return false;
  std::vector<TMoveBlocksCommand::TMove> moves;
  moves.reserve(places.size());
  for (const BlockAlignment::TPlace& place : places)
    moves.push_back({place.Block->Id, place.Block->Left, place.Block->Top, place.Left, place.Top});
  view.UndoStack().push(
      new TMoveBlocksCommand(view, std::move(moves), QStringLiteral("Wyrównanie bloków")));
  return true;
}

}  // namespace zuvar::BlockArranging
