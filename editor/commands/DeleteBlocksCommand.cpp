#include "editor/commands/DeleteBlocksCommand.h"

#include <algorithm>
#include <unordered_set>

#include "editor/SchematView.h"
#include "model/Schemat.h"

namespace zuvar {

TDeleteBlocksCommand::TDeleteBlocksCommand(TSchematView& view, std::vector<uint32_t> ids,
                                           const QString& text)
    : TDiagramCommand(view, text), ids_(std::move(ids)) {}

// The blocks of the Ids, found through one index, in the order of the Ids, each once.
std::vector<TNewShape*> TDeleteBlocksCommand::Doomed() const {
  std::vector<TNewShape*> doomed;
  if (ids_.size() == 1) {
    if (TNewShape* block = Block(ids_.front())) doomed.push_back(block);
    return doomed;
  }
  const auto index = Document().BuildIdIndex();
  std::unordered_set<const TNewShape*> taken;
  for (uint32_t id : ids_) {
    const auto it = index.find(id);
    if (it != index.end() && taken.insert(it->second).second) doomed.push_back(it->second);
  }
  return doomed;
}

// What is about to go, taken while every block is still in its place; the active block has
// given its code back and shows its own fill by then.
void TDeleteBlocksCommand::Capture(const std::vector<TNewShape*>& doomed) {
  for (TNewShape* block : doomed) LeaveIfActive(block);
  const std::unordered_set<const TNewShape*> picked(doomed.begin(), doomed.end());
  blocks_.clear();
  std::size_t index = 0;
  for (const TNewShape* b = Document().FirstBlock; b != nullptr; b = b->Next, ++index) {
    if (picked.count(b) != 0) blocks_.push_back(TBlockRecord::Capture(*b, index));
  }
  links_ = TLinkRecord::Touching(
      Document(), [&picked](const TNewShape* block) { return picked.count(block) != 0; });
}

void TDeleteBlocksCommand::redo() {
  const std::vector<TNewShape*> doomed = Doomed();
  Capture(doomed);
  View().DeleteBlocks(doomed);
}

void TDeleteBlocksCommand::undo() {
  TBlockRecord::RestoreAll(Document(), blocks_);
  TLinkRecord::RestoreAll(Document(), links_);
  RestoreFoundState();
}

}  // namespace zuvar
