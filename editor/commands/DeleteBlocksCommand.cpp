#include "editor/commands/DeleteBlocksCommand.h"

#include <algorithm>

#include "editor/SchematView.h"
#include "model/Schemat.h"

namespace zuvar {

TDeleteBlocksCommand::TDeleteBlocksCommand(TSchematView& view, std::vector<uint32_t> ids,
                                           const QString& text)
    : TDiagramCommand(view, text), ids_(std::move(ids)) {}

// What is about to go, taken while every block is still in its place; the active block has
// given its code back and shows its own fill by then.
void TDeleteBlocksCommand::Capture() {
  std::vector<const TNewShape*> doomed;
  for (uint32_t id : ids_) {
    if (TNewShape* block = Block(id)) {
      LeaveIfActive(block);
      doomed.push_back(block);
    }
  }
  blocks_.clear();
  for (const TNewShape* block : doomed)
    blocks_.push_back(TBlockRecord::Capture(Document(), *block));
  std::sort(blocks_.begin(), blocks_.end(),
            [](const TBlockRecord& a, const TBlockRecord& b) { return a.Index < b.Index; });
  links_ = TLinkRecord::Touching(Document(), [&doomed](const TNewShape* block) {
    return std::find(doomed.begin(), doomed.end(), block) != doomed.end();
  });
}

void TDeleteBlocksCommand::redo() {
  Capture();
  for (uint32_t id : ids_) Document().DeleteBlock(Block(id));
}

void TDeleteBlocksCommand::undo() {
  for (const TBlockRecord& block : blocks_) block.Restore(Document());
  for (const TLinkRecord& link : links_) link.Restore(Document());
  RestoreFoundState();
}

}  // namespace zuvar
