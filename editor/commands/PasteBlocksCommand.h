#pragma once

#include <cstdint>
#include <vector>

#include "editor/commands/BlockRecord.h"
#include "editor/commands/DiagramCommand.h"
#include "editor/commands/LinkRecord.h"
#include "project/BlockRecordFields.h"

namespace zuvar {

// Pastes a set of blocks: they are appended to the diagram with new Ids, moved by an offset,
// laid out, and connected among themselves as the set connects them. Undoing it deletes them;
// doing it again brings them back with the same Ids.
class TPasteBlocksCommand : public TDiagramCommand {
 public:
  TPasteBlocksCommand(TSchematView& view, std::vector<TBlockRecordFields> records, int32_t dx,
                      int32_t dy);

  void redo() override;
  void undo() override;

 private:
  void Paste();

  std::vector<TBlockRecordFields> records_;
  int32_t dx_;
  int32_t dy_;
  bool pasted_ = false;
  std::vector<TBlockRecord> blocks_;
  std::vector<TLinkRecord> links_;
  uint32_t lastIdAfter_ = 0;
};

}  // namespace zuvar
