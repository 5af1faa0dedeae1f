#pragma once

#include <cstdint>
#include <vector>

#include "editor/commands/DiagramCommand.h"
#include "editor/commands/LinkRecord.h"

namespace zuvar {

// Clears exits of blocks, in the given order: the outgoing connections of a block or the
// connections that enter it. Breaking connections leaves the Saved flag as it is.
class TBreakLinksCommand : public TDiagramCommand {
 public:
  struct TExit {
    uint32_t SourceId = 0;
    bool FalseExit = false;
  };

  // Every exit named must be set.
  TBreakLinksCommand(TSchematView& view, const std::vector<TExit>& exits, const QString& text);

  void redo() override;
  void undo() override;

 private:
  std::vector<TLinkRecord> links_;
};

}  // namespace zuvar
