#include "app/EditCommands.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QUndoStack>

#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "app/RecoveryKeeper.h"
#include "app/SimulationCommands.h"
#include "app/ZuvarApp.h"
#include "editor/BlockArranging.h"
#include "editor/BlockClipboard.h"
#include "editor/SchematView.h"
#include "model/Schemat.h"

namespace zuvar {

TEditCommands::TEditCommands(TZUVAR& window) : window_(window) {
  ConnectTools();
  ConnectCommands();
  ConnectHistory();
  ConnectBreakpoints();
}

void TEditCommands::ConnectTools() {
  TMainMenu& m = window_.Menu;
  const std::pair<QAction*, TNewShapeType> tools[] = {{m.Start1, nstStart},
                                                      {m.SpeedButton10, nstStart},
                                                      {m.Stop1, nstStop},
                                                      {m.SpeedButton11, nstStop},
                                                      {m.Obliczenia1, nstCalc},
                                                      {m.SpeedButton12, nstCalc},
                                                      {m.WejWyj1, nstInOut},
                                                      {m.SpeedButton13, nstInOut},
                                                      {m.Warunek1, nstChoice},
                                                      {m.SpeedButton17, nstChoice},
                                                      {m.Kontynuacja1, nstContinuum},
                                                      {m.SpeedButton14, nstContinuum},
                                                      {m.Wze1, nstNode},
                                                      {m.SpeedButton15, nstNode}};
  for (const auto& [action, tool] : tools) {
    const int type = tool;
    connect(action, &QAction::triggered, this, [this, type] { SelectTool(type); });
  }
}

void TEditCommands::ConnectCommands() {
  TMainMenu& m = window_.Menu;
  for (QAction* a : {m.Usu2, m.SpeedButton16})
    connect(a, &QAction::triggered, this, &TEditCommands::Usu2Click);
  for (QAction* a : {m.Usuzaznaczoneelementy1, m.SpeedButton2})
    connect(a, &QAction::triggered, this, &TEditCommands::Usuzaznaczoneelementy1Click);
  for (QAction* a : {m.Zaznaczwszystkieelementy1, m.SpeedButton1})
    connect(a, &QAction::triggered, this, &TEditCommands::Zaznaczwszystkieelementy1Click);
  connect(m.Kopiuj1, &QAction::triggered, this, &TEditCommands::Kopiuj1Click);
  connect(m.Wklej1, &QAction::triggered, this, &TEditCommands::Wklej1Click);
  connect(m.Wyrwnajwpionie1, &QAction::triggered, this, &TEditCommands::Wyrwnajwpionie1Click);
  connect(m.Wyrwnajwpoziomie1, &QAction::triggered, this, &TEditCommands::Wyrwnajwpoziomie1Click);
}

// Undo and redo act while the diagram may be edited and the history has a step to take.
void TEditCommands::ConnectHistory() {
  TMainMenu& m = window_.Menu;
  QUndoStack* history = &window_.UndoStack();
  for (QAction* a : {m.Cofnij1, m.SpeedButtonCofnij})
    connect(a, &QAction::triggered, this, &TEditCommands::Cofnij1Click);
  for (QAction* a : {m.Ponw1, m.SpeedButtonPonw})
    connect(a, &QAction::triggered, this, &TEditCommands::Ponw1Click);
  connect(history, &QUndoStack::canUndoChanged, this, &TEditCommands::UpdateHistoryActions);
  connect(history, &QUndoStack::canRedoChanged, this, &TEditCommands::UpdateHistoryActions);
  connect(m.Edycja1->menuAction(), &QAction::changed, this, &TEditCommands::UpdateHistoryActions);
  connect(history, &QUndoStack::indexChanged, this, &TEditCommands::FollowCleanState);
  // After the clean state was followed: the copy knows whether there is anything to keep.
  connect(history, &QUndoStack::indexChanged, &window_.Recovery(),
          &TRecoveryKeeper::DocumentChanged);
}

void TEditCommands::ConnectBreakpoints() {
  TMainMenu& m = window_.Menu;
  connect(m.Punktzatrzymania1, &QAction::triggered, this, &TEditCommands::Punktzatrzymania1Click);
  connect(m.Warunekzatrzymania1, &QAction::triggered, this,
          &TEditCommands::Warunekzatrzymania1Click);
}

void TEditCommands::UpdateHistoryActions() {
  const QUndoStack& history = window_.UndoStack();
  const bool editing = EditingAllowed();
  const bool undo = editing && history.canUndo();
  const bool redo = editing && history.canRedo();
  TMainMenu& m = window_.Menu;
  for (QAction* a : {m.Cofnij1, m.SpeedButtonCofnij}) a->setEnabled(undo);
  for (QAction* a : {m.Ponw1, m.SpeedButtonPonw}) a->setEnabled(redo);
}

// The history's clean step is the diagram as last saved or opened: reaching it again by undo or
// redo marks the diagram saved, leaving it marks it modified.
void TEditCommands::FollowCleanState() {
  if (TSchemat* document = window_.Document()) document->Saved = window_.UndoStack().isClean();
}

bool TEditCommands::EditingAllowed() const {
  return window_.Schemat() != nullptr && window_.Menu.Edycja1->menuAction()->isEnabled();
}

void TEditCommands::Cofnij1Click() {
  QUndoStack& history = window_.UndoStack();
  if (EditingAllowed() && history.canUndo()) history.undo();
}

void TEditCommands::Ponw1Click() {
  QUndoStack& history = window_.UndoStack();
  if (EditingAllowed() && history.canRedo()) history.redo();
}

void TEditCommands::SelectTool(int tool) {
  if (EditingAllowed()) window_.Schemat()->SelectTool(static_cast<TNewShapeType>(tool));
}

void TEditCommands::Usu2Click() {
  if (EditingAllowed()) window_.Schemat()->Usu2Click();
}

// What goes is put on the clipboard first, so that it can be pasted again.
void TEditCommands::Usuzaznaczoneelementy1Click() {
  if (!EditingAllowed()) return;
  BlockClipboard::Copy(*window_.Schemat());
  window_.Schemat()->Usuzaznaczoneelementy1Click();
}

void TEditCommands::Zaznaczwszystkieelementy1Click() {
  if (EditingAllowed()) window_.Schemat()->Zaznaczwszystkieelementy1Click();
}

void TEditCommands::Kopiuj1Click() {
  if (EditingAllowed()) BlockClipboard::Copy(*window_.Schemat());
}

// Pressed as Ctrl+V over the sheet, the blocks go where the pointer is; from the menu they go
// next to where they were copied from.
void TEditCommands::Wklej1Click() {
  if (!EditingAllowed()) return;
  TSchematView& canvas = *window_.Schemat();
  const bool fromKeyboard = QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier;
  BlockClipboard::Paste(canvas, fromKeyboard ? canvas.PointerOnSheet() : std::optional<QPoint>());
}

void TEditCommands::Wyrwnajwpionie1Click() {
  if (EditingAllowed()) BlockArranging::Align(*window_.Schemat(), BlockAlignment::TAxis::Vertical);
}

void TEditCommands::Wyrwnajwpoziomie1Click() {
  if (EditingAllowed())
    BlockArranging::Align(*window_.Schemat(), BlockAlignment::TAxis::Horizontal);
}

// ---- breakpoints ----------------------------------------------------------------------------

void TEditCommands::ToggleBreakpoint(TNewShape& block) {
  TSchematView* canvas = window_.Schemat();
  if (canvas == nullptr) return;
  const bool on = window_.Simulation().Controller().Breakpoints().Toggle(block.Id);
  canvas->SetBreakpointMark(&block, on);
}

void TEditCommands::Punktzatrzymania1Click() {
  TSchemat* document = window_.Document();
  if (document != nullptr && document->ActiveBlock != nullptr)
    ToggleBreakpoint(*document->ActiveBlock);
}

// An empty answer leaves an unconditional breakpoint; a block without one gets one.
void TEditCommands::EditBreakpointCondition(TNewShape& block) {
  if (window_.Schemat() == nullptr) return;
  TBreakpoints& points = window_.Simulation().Controller().Breakpoints();
  QString condition = QString::fromStdString(points.Condition(block.Id));
  const QString prompt =
      QStringLiteral("Zatrzymaj w bloku \"%1\", gdy wyrażenie jest prawdziwe (puste: zawsze):")
          .arg(QString::fromStdString(block.Caption));
  if (!window_.App().Dialogs().AskText(&window_, QStringLiteral("Warunek zatrzymania"), prompt,
                                       condition))
    return;
  condition = condition.trimmed();
  points.Set(block.Id, condition.toStdString());
  window_.Schemat()->SetBreakpointMark(&block, true, condition);
}

bool TEditCommands::HasBreakpoint(const TNewShape& block, QString& condition) const {
  const TBreakpoints& points = window_.Simulation().Controller().Breakpoints();
  if (!points.Has(block.Id)) return false;
  condition = QString::fromStdString(points.Condition(block.Id));
  return true;
}

void TEditCommands::Warunekzatrzymania1Click() {
  TSchemat* document = window_.Document();
  if (document != nullptr && document->ActiveBlock != nullptr)
    EditBreakpointCondition(*document->ActiveBlock);
}

}  // namespace zuvar
