#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "editor/commands/DiagramCommand.h"

namespace zuvar {

// Typing into the source code window: the block's code becomes the editor's lines, the block is
// laid out again and its connections follow. Consecutive typing into the same block is one
// command.
class TEditCodeCommand : public TDiagramCommand {
 public:
  static constexpr int CommandId = 1;

  TEditCodeCommand(TSchematView& view, uint32_t blockId, std::vector<std::string> code);

  void redo() override;
  void undo() override;
  int id() const override { return CommandId; }
  bool mergeWith(const QUndoCommand* other) override;

 private:
  void Apply(const std::vector<std::string>& code);

  uint32_t blockId_;
  std::vector<std::string> oldCode_;
  std::vector<std::string> newCode_;
  int32_t oldWidth_ = 0;
  int32_t oldHeight_ = 0;
};

}  // namespace zuvar
