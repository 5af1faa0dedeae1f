#include "editor/commands/DiagramCommand.h"

#include "editor/SchematView.h"
#include "model/Schemat.h"

namespace zuvar {

TDiagramCommand::TDiagramCommand(TSchematView& view, const QString& text)
    : QUndoCommand(text),
      view_(view),
      savedFound_(view.Document().Saved),
      lastIdFound_(view.Document().LastId) {}

TSchemat& TDiagramCommand::Document() const { return view_.Document(); }

TNewShape* TDiagramCommand::Block(uint32_t id) const { return Document().FindBlockById(id); }

void TDiagramCommand::LeaveIfActive(TNewShape* block) const {
  if (block != nullptr && Document().ActiveBlock == block) view_.SetActiveBlock(nullptr);
}

void TDiagramCommand::RestoreFoundState() const {
  Document().Saved = savedFound_;
  Document().LastId = lastIdFound_;
}

}  // namespace zuvar
