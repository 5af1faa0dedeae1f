#include "app/AppSimulationHost.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QThread>
#include <QToolBar>

#include "app/MainWindow.h"
#include "app/SourceWindow.h"
#include "app/ZuvarApp.h"
#include "editor/SchematView.h"
#include "simulation/ActiveBlockHighlight.h"

namespace zuvar {

void TAppSimulationHost::SetEditingMenus(bool enabled) {
  window_.Menu.ToolBar1->setEnabled(enabled);
  window_.Menu.Edycja1->menuAction()->setEnabled(enabled);
  window_.Menu.Schematblokowy1->menuAction()->setEnabled(enabled);
  // A run holds on to the blocks where they are: the sheet keeps its size meanwhile.
  window_.Menu.Rozmiarptna1->menuAction()->setEnabled(enabled);
}

void TAppSimulationHost::SetSheetEnabled(bool enabled) {
  if (TSchematView* canvas = window_.Schemat()) canvas->SetSheetEnabled(enabled);
}

// A run is being prepared (a start or a check): nothing may be edited until it ends.
void TAppSimulationHost::RunStarting(const TInterpreter&) {
  scrolled_ = TScrolled{};
  SetEditingMenus(false);
  if (TForm2* source = window_.App().SourceWindow()) source->SetRunning(true);
  SetSheetEnabled(false);
}

void TAppSimulationHost::RunStarted(const TInterpreter&) { window_.Menu.ToolBar1->hide(); }

// The tool bar comes back only when its view option is checked.
void TAppSimulationHost::RunEnded(const TInterpreter&) {
  SetSheetEnabled(true);
  if (window_.Menu.Standardowy1->isChecked()) window_.Menu.ToolBar1->show();
  if (TForm2* source = window_.App().SourceWindow()) source->SetRunning(false);
  SetEditingMenus(true);
}

void TAppSimulationHost::SetActiveBlock(TSchemat& diagram, TNewShape* block) {
  TSchematView* canvas = window_.Schemat();
  if (canvas != nullptr && &canvas->Document() == &diagram)
    canvas->SetActiveBlock(block);
  else
    ActiveBlockHighlight::Apply(diagram, block);
}

// A run asks for the same block at many steps in a row: while neither the block nor the
// canvas's scroll position and size have changed since, it is still in view.
void TAppSimulationHost::ScrollIntoView(const TRect& area) {
  TSchematView* canvas = window_.Schemat();
  if (canvas == nullptr) return;
  if (canvas->Deferred()) {
    canvas->RequestScrollInView(QRectF(area.Left, area.Top, area.Width, area.Height));
    return;
  }
  if (Scrolled(*canvas, area) == scrolled_) return;
  canvas->ScrollInView(QRectF(area.Left, area.Top, area.Width, area.Height));
  scrolled_ = Scrolled(*canvas, area);
}

TAppSimulationHost::TScrolled TAppSimulationHost::Scrolled(const TSchematView& canvas,
                                                           const TRect& area) {
  const QSize size = canvas.viewport()->size();
  return TScrolled{&canvas,      area,          canvas.HorzPosition(),   canvas.VertPosition(),
                   size.width(), size.height(), canvas.transform().m11()};
}

// The pauses of the animation wait on the millisecond clock while the window keeps painting
// and handling input; a step requested meanwhile only interrupts the animation.
void TAppSimulationHost::Sleep(unsigned milliseconds) { BusyWait(milliseconds); }

void TAppSimulationHost::BusyWait(unsigned milliseconds) {
  QElapsedTimer clock;
  clock.start();
  const qint64 total = static_cast<qint64>(milliseconds);
  for (qint64 left = total; left > 0; left = total - clock.elapsed()) {
    ProcessMessages();
    if (total - clock.elapsed() > 1) QThread::msleep(1);
  }
}

// Every place of a run that lets the windows work (the animation's waits and the run to the
// end between its steps) comes here.
void TAppSimulationHost::ProcessMessages() { QCoreApplication::processEvents(); }

void TAppSimulationHost::ShowBall(const TRect& bounds) {
  if (TSchematView* canvas = window_.Schemat())
    canvas->ShowBall(QRectF(bounds.Left, bounds.Top, bounds.Width, bounds.Height));
}

void TAppSimulationHost::RemoveBall() {
  if (TSchematView* canvas = window_.Schemat()) canvas->RemoveBall();
}

}  // namespace zuvar
