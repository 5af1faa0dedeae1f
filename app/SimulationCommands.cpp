#include "app/SimulationCommands.h"

#include <QAction>
#include <QCoreApplication>

#include "app/Dialogs.h"
#include "interpreter/Interpreter.h"
#include "app/LogWindow.h"
#include "app/MainWindow.h"
#include "app/OutputPanel.h"
#include "editor/SchematView.h"
#include "simulation/SimulationEngine.h"
#include "app/SimulationWindow.h"
#include <QToolButton>
#include "app/ZuvarApp.h"

namespace zuvar {

TSimulationCommands::TSimulationCommands(TZUVAR& window)
    : window_(window), ui_(window),
      engine_(std::make_unique<TSimulationEngine>(window.App().AppHost(), ui_,
                                                  window.App().Options.Simulation)) {}

TSimulationCommands::~TSimulationCommands() {
  if (run_) engine_->StopSimulation(run_, true);
}

void TSimulationCommands::Log(const char* line) { window_.App().Log.Append(line); }

void TSimulationCommands::Inform(const char* text) {
  window_.App().Dialogs().Message(&window_, QString::fromUtf8(text), QStringLiteral("Informacja"),
                                  TMsgIcon::Information, TMsgButtons::Ok);
}

// Creates the context for the current canvas and prepares it; false when it may not run.
bool TSimulationCommands::Prepare() {
  run_ = std::make_unique<TInterpreter>(window_.App().AppHost());
  TSchematView* canvas = window_.Schemat();
  engine_->PrepareSimulation(*run_, canvas != nullptr ? &canvas->Document() : nullptr);
  return run_->StartError == 0;
}

void TSimulationCommands::Wykonanie1Click() {
  if (run_) return;
  Log("Uruchomienie symulacji");
  if (!Prepare()) {
    Log("Uruchomienie symulacji anulowano");
    engine_->StopSimulation(run_, true);
    return;
  }
  run_->OutputLines = &window_.Frame1->Lines();
  startEnabled_ = false;
  endEnabled_ = stepEnabled_ = runAllEnabled_ = stopEnabled_ = true;
  window_.Menu.Wykonanie1->setEnabled(false);
  if (form_ != nullptr) form_->RunStarted(*run_);
  ShowRunWindows();
}

void TSimulationCommands::EndRun() {
  if (!run_) return;
  if (form_ != nullptr) form_->RunEnding();
  engine_->StopSimulation(run_, true);
  run_.reset();
}

void TSimulationCommands::VariablesChanged() {
  if (form_ != nullptr) form_->VariablesChanged();
}

bool TSimulationCommands::StartButtonEnabled() const {
  return form_ != nullptr ? form_->SpeedButton6->isEnabled() : startEnabled_;
}
bool TSimulationCommands::EndButtonEnabled() const {
  return form_ != nullptr ? form_->SpeedButton7->isEnabled() : endEnabled_;
}
bool TSimulationCommands::StepButtonEnabled() const {
  return form_ != nullptr ? form_->SpeedButton8->isEnabled() : stepEnabled_;
}
bool TSimulationCommands::StopButtonEnabled() const {
  return form_ != nullptr ? form_->SpeedButton10->isEnabled() : stopEnabled_;
}
bool TSimulationCommands::RealTimeButtonEnabled() const {
  return form_ != nullptr ? form_->SpeedButton3->isEnabled() : realTimeEnabled_;
}

bool TSimulationCommands::WindowVisible() const { return form_ != nullptr && form_->isVisible(); }

void TSimulationCommands::SetWindowVisible(bool visible) {
  if (form_ != nullptr) form_->setVisible(visible);
}

void TSimulationCommands::Zakocz1Click() {
  if (form_ == nullptr) End();
  else if (run_ && form_->SpeedButton7->isEnabled()) form_->SpeedButton7Click();
}

void TSimulationCommands::ShowRunWindows() {
  window_.Menu.Interpretator1->setChecked(true);
  if (form_ != nullptr) {
    form_->show();
    form_->raise();
    form_->activateWindow();
  }
  window_.Menu.Standardowewyjcie1->setChecked(true);
  window_.SetOutputVisible(true);
  if (window_.OutputHeight() <= 1) window_.SetOutputHeight(82);
  TForm5* log = window_.App().LogWindow();
  if (log != nullptr && !log->HiddenOnce()) {
    window_.Menu.PlikLog1->setChecked(true);
    log->show();
  }
}

void TSimulationCommands::SpeedButton3Click() {
  Wykonanie1Click();
  if (!run_) return;
  bool& realTime = window_.App().Options.Simulation.RealTime;
  const bool remembered = realTime;
  realTime = true;
  window_.Menu.Trybrzeczywisty1->setChecked(true);
  RunToEnd();
  if (run_ && run_->Finished) {
    if (form_ != nullptr) form_->SpeedButton7Click();
    else End();
  }
  window_.Menu.Trybrzeczywisty1->setChecked(remembered);
  realTime = remembered;
}

void TSimulationCommands::SpeedButton18Click() {
  if (run_) {
    window_.App().Dialogs().Message(&window_, QStringLiteral("Symulacja jest już uruchomiona...."),
                                    QStringLiteral("Informacja"), TMsgIcon::Information,
                                    TMsgButtons::Ok);
    return;
  }
  Log("Sprawdzenie połączeń bloków w schemacie");
  if (window_.Schemat() == nullptr) {
    Log("Brak schematu do przeprowadzenia kontroli!");
    Inform("Brak schematu do przeprowadzenia kontroli!");
    return;
  }
  if (Prepare()) {
    Log("Schemat blokowy wydaje się być poprawnie zaprojektowany!");
    Inform("Schemat blokowy wydaje się być poprawnie zaprojektowany!");
  }
  engine_->StopSimulation(run_, true);
  ResetControls();
}

void TSimulationCommands::Step() {
  if (form_ != nullptr) {
    if (run_ && form_->SpeedButton8->isEnabled()) form_->SpeedButton8Click();
    return;
  }
  if (!run_ || !stepEnabled_) return;
  if (engine_->Step(*run_) == 0) {
    End();
    return;
  }
  if (run_ && run_->Finished) stepEnabled_ = runAllEnabled_ = stopEnabled_ = false;
}

void TSimulationCommands::Steep1Click() { Step(); }

void TSimulationCommands::Zatrzymaj1Click() {
  if (form_ == nullptr) stopRequested_ = true;
  else if (run_ && form_->SpeedButton10->isEnabled()) form_->SpeedButton10Click();
}

// Steps until the algorithm ends, fails or is stopped, letting the window work in between.
void TSimulationCommands::RunToEnd() {
  if (form_ != nullptr) {
    if (run_ && form_->SpeedButton9->isEnabled()) form_->SpeedButton9Click();
    return;
  }
  if (!run_ || !runAllEnabled_) return;
  realTimeEnabled_ = false;
  stopRequested_ = false;
  while (run_ && !run_->Finished && !stopRequested_) {
    if (engine_->Step(*run_) == 0) {
      End();
      break;
    }
    QCoreApplication::processEvents();
  }
  realTimeEnabled_ = true;
  if (run_ && run_->Finished) stepEnabled_ = runAllEnabled_ = stopEnabled_ = false;
}

void TSimulationCommands::End() {
  if (!run_) return;
  EndRun();
  ResetControls();
}

void TSimulationCommands::ResetControls() {
  if (form_ != nullptr) form_->ResetButtons();
  startEnabled_ = realTimeEnabled_ = true;
  endEnabled_ = stepEnabled_ = runAllEnabled_ = stopEnabled_ = false;
  window_.Menu.Wykonanie1->setEnabled(true);
}

}  // namespace zuvar
