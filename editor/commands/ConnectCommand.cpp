#include "editor/commands/ConnectCommand.h"

#include "editor/SchematView.h"
#include "model/Schemat.h"

namespace zuvar {

TConnectCommand::TConnectCommand(TSchematView& view, uint32_t sourceId, uint32_t targetId,
                                 int32_t exitSide, int32_t entrySide, bool falseExit)
    : TDiagramCommand(view, QStringLiteral("Połączenie bloków")),
      sourceId_(sourceId),
      targetId_(targetId),
      exitSide_(exitSide),
      entrySide_(entrySide),
      falseExit_(falseExit) {
  const TNewShape* source = Block(sourceId);
  if (source == nullptr) return;
  exitSideFound_ = source->ExitSide;
  entrySideFound_ = source->EntrySide;
  if ((falseExit ? source->BlockLinkFalse : source->BlockLink) != nullptr)
    replaced_ = TLinkRecord::Capture(*source, falseExit);
  const TLink* other = falseExit ? source->OutLink.get() : source->OutLinkFalse.get();
  if (other != nullptr) otherPen_ = other->Pen;
}

void TConnectCommand::redo() {
  TNewShape* source = Block(sourceId_);
  TNewShape* target = Block(targetId_);
  if (source == nullptr || target == nullptr) return;
  source->ExitSide = exitSide_;
  source->EntrySide = entrySide_;
  if (falseExit_)
    source->SetBlockLinkFalse(target);
  else
    source->SetBlockLink(target);
  source->ColourDecisionLinks();
  Document().Saved = false;
}

void TConnectCommand::undo() {
  TNewShape* source = Block(sourceId_);
  if (source == nullptr) return;
  if (falseExit_)
    source->SetBlockLinkFalse(nullptr);
  else
    source->SetBlockLink(nullptr);
  if (replaced_) replaced_->Restore(Document());
  TLink* other = falseExit_ ? source->OutLink.get() : source->OutLinkFalse.get();
  if (other != nullptr && otherPen_) other->SetPen(*otherPen_);
  source->ExitSide = exitSideFound_;
  source->EntrySide = entrySideFound_;
  RestoreFoundState();
}

}  // namespace zuvar
