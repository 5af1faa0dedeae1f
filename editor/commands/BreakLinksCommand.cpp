#include "editor/commands/BreakLinksCommand.h"

#include "editor/SchematView.h"
#include "model/Schemat.h"

namespace zuvar {

TBreakLinksCommand::TBreakLinksCommand(TSchematView& view, const std::vector<TExit>& exits,
                                       const QString& text)
    : TDiagramCommand(view, text) {
  for (const TExit& exit : exits) {
    if (const TNewShape* source = Block(exit.SourceId))
      links_.push_back(TLinkRecord::Capture(*source, exit.FalseExit));
  }
}

void TBreakLinksCommand::redo() {
  for (const TLinkRecord& link : links_) {
    TNewShape* source = Block(link.SourceId);
    if (source == nullptr) continue;
    if (link.FalseExit)
      source->SetBlockLinkFalse(nullptr);
    else
      source->SetBlockLink(nullptr);
  }
}

void TBreakLinksCommand::undo() {
  for (const TLinkRecord& link : links_) link.Restore(Document());
  RestoreFoundState();
}

}  // namespace zuvar
