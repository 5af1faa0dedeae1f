#include "editor/commands/EditCodeCommand.h"

#include "editor/CanvasHost.h"
#include "editor/SchematView.h"
#include "model/Schemat.h"

namespace zuvar {

TEditCodeCommand::TEditCodeCommand(TSchematView& view, uint32_t blockId,
                                   std::vector<std::string> code)
    : TDiagramCommand(view, QStringLiteral("Edycja kodu bloku")),
      blockId_(blockId),
      newCode_(std::move(code)) {
  if (const TNewShape* block = Block(blockId)) {
    oldCode_ = block->Code;
    oldWidth_ = block->Width;
    oldHeight_ = block->Height;
  }
}

void TEditCodeCommand::redo() {
  Apply(newCode_);
  Document().Saved = false;
}

void TEditCodeCommand::undo() {
  Apply(oldCode_);
  if (TNewShape* block = Block(blockId_); block != nullptr) {
    block->Resize(oldWidth_, oldHeight_);
    Document().RedrawLinksTouching(block);
  }
  RestoreFoundState();
}

// The active block's code is also held by the source window's lines: they change with it, and
// the window is told when they no longer show what it holds.
void TEditCodeCommand::Apply(const std::vector<std::string>& code) {
  TSchemat& document = Document();
  TNewShape* block = Block(blockId_);
  if (block == nullptr) return;
  block->Code = code;
  if (document.ActiveBlock == block && document.SourceLines != nullptr &&
      *document.SourceLines != code) {
    *document.SourceLines = code;
    View().Host().SourceLinesChanged();
  }
  View().LayoutBlock(*block);
  document.RedrawLinksTouching(block);
}

bool TEditCodeCommand::mergeWith(const QUndoCommand* other) {
  const auto* next = static_cast<const TEditCodeCommand*>(other);
  if (next->blockId_ != blockId_) return false;
  newCode_ = next->newCode_;
  return true;
}

}  // namespace zuvar
