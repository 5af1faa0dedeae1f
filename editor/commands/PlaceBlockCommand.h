#pragma once

#include <cstdint>

#include "editor/commands/BlockRecord.h"
#include "editor/commands/DiagramCommand.h"

namespace zuvar {

// Places a new block of a type centred on a sheet point, with the size its first paint gives it.
class TPlaceBlockCommand : public TDiagramCommand {
 public:
  TPlaceBlockCommand(TSchematView& view, TNewShapeType shape, int32_t x, int32_t y);

  void redo() override;
  void undo() override;

 private:
  void Place();

  TNewShapeType shape_;
  int32_t x_;
  int32_t y_;
  bool placed_ = false;
  TBlockRecord record_;
  uint32_t lastIdAfter_ = 0;
};

}  // namespace zuvar
