#pragma once

#include <cstdint>
#include <vector>

#include "editor/commands/DiagramCommand.h"

namespace zuvar {

// One drag of a block or of a selected group, from the press to the release. The blocks moved
// live while the mouse moved; the command is made at the release and only records where they
// were and where they are, so its first redo moves nothing. Other moves of several blocks at
// once (alignment) are this edit too, moving the blocks in their first redo.
class TMoveBlocksCommand : public TDiagramCommand {
 public:
  struct TMove {
    uint32_t Id = 0;
    int32_t FromLeft = 0, FromTop = 0;
    int32_t ToLeft = 0, ToTop = 0;
  };

  // savedAtPress: the Saved flag as the drag found it.
  TMoveBlocksCommand(TSchematView& view, std::vector<TMove> moves, bool savedAtPress);
  // Blocks that have not moved yet (an alignment): the first redo moves them.
  TMoveBlocksCommand(TSchematView& view, std::vector<TMove> moves, const QString& text);

  void redo() override;
  void undo() override;

 private:
  void MoveAll(bool back);

  std::vector<TMove> moves_;
  bool done_ = true;
};

}  // namespace zuvar
