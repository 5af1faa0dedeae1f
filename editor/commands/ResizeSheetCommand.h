#pragma once

#include <cstdint>
#include <vector>

#include "editor/commands/DiagramCommand.h"
#include "export/SheetFitter.h"

namespace zuvar {

// A new size of the drawing sheet, set by hand or fitted to the diagram, with the blocks moved
// so that none is cut off and every link re-routed.
class TResizeSheetCommand : public TDiagramCommand {
 public:
  TResizeSheetCommand(TSchematView& view, const TSheetChange& change, const QString& text);

  void redo() override;
  void undo() override;

 private:
  struct TPlace {
    int32_t Left = 0, Top = 0;
  };

  TSheetChange change_;
  int32_t oldWidth_;
  int32_t oldHeight_;
  // Where every block stood, in list order.
  std::vector<TPlace> places_;
};

}  // namespace zuvar
