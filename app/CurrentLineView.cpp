#include "app/CurrentLineView.h"

#include <QMetaObject>
#include <utility>

#include "app/MainWindow.h"
#include "app/SourceWindow.h"
#include "app/ZuvarApp.h"
#include "editor/SchematView.h"
#include "interpreter/Interpreter.h"
#include "model/NewShape.h"
#include "simulation/SimulationEngine.h"

namespace zuvar {

void TCurrentLineView::LineRun(const TInterpreter&, TNewShape* block, int line) {
  block_ = block;
  line_ = line;
  if (pending_) return;
  pending_ = true;
  QMetaObject::invokeMethod(
      &window_,
      [this] {
        if (!std::exchange(pending_, false)) return;  // the run has ended meanwhile
        Show(block_, line_);
      },
      Qt::QueuedConnection);
}

void TCurrentLineView::StepUndone(const TInterpreter& run) {
  TNewShape* block = run.CurrentBlock;
  LineRun(run, block, block != nullptr ? TSimulationEngine::LineRunAt(*block, run.Line) : 0);
}

void TCurrentLineView::RunEnded(const TInterpreter&) {
  pending_ = false;
  block_ = nullptr;
  line_ = 0;
  Show(nullptr, 0);
}

void TCurrentLineView::Show(const TNewShape* block, int line) {
  if (TForm2* source = window_.App().SourceWindow()) source->SetCurrentLine(line);
  if (TSchematView* canvas = window_.Schemat()) {
    const int count = block != nullptr ? static_cast<int>(block->Code.size()) : 0;
    canvas->SetLineMark(block, line, count);
  }
}

}  // namespace zuvar
