#include "editor/commands/PasteBlocksCommand.h"

#include <vector>

#include "editor/SchematView.h"
#include "model/Schemat.h"
#include "project/BlockSetText.h"

namespace zuvar {

TPasteBlocksCommand::TPasteBlocksCommand(TSchematView& view,
                                         std::vector<TBlockRecordFields> records, int32_t dx,
                                         int32_t dy)
    : TDiagramCommand(view, QStringLiteral("Wklejenie bloków")),
      records_(std::move(records)),
      dx_(dx),
      dy_(dy) {}

void TPasteBlocksCommand::redo() {
  if (!pasted_) {
    Paste();
    return;
  }
  TSchemat& document = Document();
  for (const TBlockRecord& block : blocks_) block.Restore(document, nullptr);
  TLinkRecord::RestoreAll(document, links_);
  document.LastId = lastIdAfter_;
}

// The first time the blocks are made from the records; what they became is kept, so that later
// they come back exactly so. The records are not needed any more.
void TPasteBlocksCommand::Paste() {
  TSchemat& document = Document();
  const std::size_t firstIndex = document.BlockCount();
  const std::vector<TNewShape*> added = BlockSetText::Add(document, records_, dx_, dy_);
  records_.clear();
  if (added.empty()) {
    setObsolete(true);
    return;
  }
  // Laid out with the canvas's font; the links of those whose size changed are routed once.
  std::vector<TNewShape*> resized;
  for (TNewShape* block : added) {
    if (block->UpdateLayout(View().Measurer())) resized.push_back(block);
  }
  document.RedrawLinksTouching(resized);
  for (std::size_t i = 0; i < added.size(); ++i)
    blocks_.push_back(TBlockRecord::Capture(*added[i], firstIndex + i));
  for (const TNewShape* block : added) {
    if (block->BlockLink != nullptr) links_.push_back(TLinkRecord::Capture(*block, false));
    if (block->BlockLinkFalse != nullptr) links_.push_back(TLinkRecord::Capture(*block, true));
  }
  lastIdAfter_ = document.LastId;
  pasted_ = true;
}

// The pasted blocks are the last ones of the list: they go from the end, so that no walk for
// exits pointing at them passes the rest of the diagram.
void TPasteBlocksCommand::undo() {
  const auto index = Document().BuildIdIndex();
  std::vector<TNewShape*> doomed;
  for (auto it = blocks_.rbegin(); it != blocks_.rend(); ++it) {
    const auto found = index.find(it->Id);
    if (found == index.end()) continue;
    LeaveIfActive(found->second);
    doomed.push_back(found->second);
  }
  View().DeleteBlocks(doomed);
  RestoreFoundState();
}

}  // namespace zuvar
