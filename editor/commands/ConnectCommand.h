#pragma once

#include <cstdint>
#include <optional>

#include "editor/commands/DiagramCommand.h"
#include "editor/commands/LinkRecord.h"

namespace zuvar {

// Connects one exit of a block (the main one, or the FALSE one of a decision) to a target
// from the given sides, replacing what that exit had; a decision's links take their colours.
// Drawing a connection and re-targeting a decision's exit are both this edit.
class TConnectCommand : public TDiagramCommand {
 public:
  TConnectCommand(TSchematView& view, uint32_t sourceId, uint32_t targetId, int32_t exitSide,
                  int32_t entrySide, bool falseExit);

  void redo() override;
  void undo() override;

 private:
  uint32_t sourceId_;
  uint32_t targetId_;
  int32_t exitSide_;
  int32_t entrySide_;
  bool falseExit_;
  int32_t exitSideFound_ = 0;
  int32_t entrySideFound_ = 0;
  // What the exit held before, and the other exit's pen, which the colouring may change.
  std::optional<TLinkRecord> replaced_;
  std::optional<TPen> otherPen_;
};

}  // namespace zuvar
