#include "editor/commands/ResizeSheetCommand.h"

#include "editor/SchematView.h"
#include "model/Schemat.h"

namespace zuvar {

TResizeSheetCommand::TResizeSheetCommand(TSchematView& view, const TSheetChange& change,
                                         const QString& text)
    : TDiagramCommand(view, text),
      change_(change),
      oldWidth_(view.Document().SheetWidth),
      oldHeight_(view.Document().SheetHeight) {
  for (const TNewShape* b = Document().FirstBlock; b != nullptr; b = b->Next)
    places_.push_back(TPlace{b->Left, b->Top});
}

void TResizeSheetCommand::redo() {
  TSheetFitter::Apply(Document(), change_);
  Document().Saved = false;
}

// The blocks go back by list order, which is the order they were recorded in.
void TResizeSheetCommand::undo() {
  TSchemat& document = Document();
  document.SetSheetSize(oldWidth_, oldHeight_);
  auto place = places_.begin();
  for (TNewShape* b = document.FirstBlock; b != nullptr && place != places_.end(); b = b->Next) {
    b->MoveTo(place->Left, place->Top);
    ++place;
  }
  for (TNewShape* b = document.FirstBlock; b != nullptr; b = b->Next) b->LinksRedraw();
  RestoreFoundState();
}

}  // namespace zuvar
