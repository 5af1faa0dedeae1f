#include "app/CurrentLineView.h"

#include "app/MainWindow.h"
#include "app/SourceWindow.h"
#include "app/ZuvarApp.h"
#include "editor/SchematView.h"
#include "model/NewShape.h"

namespace zuvar {

void TCurrentLineView::LineRun(const TInterpreter&, TNewShape* block, int line) {
  Show(block, line);
}

void TCurrentLineView::RunEnded(const TInterpreter&) { Show(nullptr, 0); }

void TCurrentLineView::Show(const TNewShape* block, int line) {
  if (TForm2* source = window_.App().SourceWindow()) source->SetCurrentLine(line);
  if (TSchematView* canvas = window_.Schemat()) {
    const int count = block != nullptr ? static_cast<int>(block->Code.size()) : 0;
    canvas->SetLineMark(block, line, count);
  }
}

}  // namespace zuvar
