#pragma once

#include <cstdint>
#include <vector>

#include "editor/commands/BlockRecord.h"
#include "editor/commands/DiagramCommand.h"
#include "editor/commands/LinkRecord.h"

namespace zuvar {

// Deletes blocks in the given order (the active block, the selection). Undoing it puts every
// block back at its place in the list with its Id, and every link that left or entered one.
class TDeleteBlocksCommand : public TDiagramCommand {
 public:
  TDeleteBlocksCommand(TSchematView& view, std::vector<uint32_t> ids, const QString& text);

  void redo() override;
  void undo() override;

 private:
  std::vector<TNewShape*> Doomed() const;
  void Capture(const std::vector<TNewShape*>& doomed);

  std::vector<uint32_t> ids_;
  std::vector<TBlockRecord> blocks_;
  std::vector<TLinkRecord> links_;
};

}  // namespace zuvar
