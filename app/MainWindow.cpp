#include "app/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QSplitter>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "app/AboutBox.h"
#include "app/Dialogs.h"
#include "app/HelpWindow.h"
#include "app/LogWindow.h"
#include "app/OutputPanel.h"
#include "app/ProjectCommands.h"
#include "app/RecoveryKeeper.h"
#include "app/SheetCommands.h"
#include "app/SimulationCommands.h"
#include "app/SimulationWindow.h"
#include "app/SourceWindow.h"
#include "app/ToolWindowPlacement.h"
#include "app/ToolWindowPlacer.h"
#include "app/TraceWindow.h"
#include "app/ZoomCommands.h"
#include "app/ZuvarApp.h"
#include "editor/BlockArranging.h"
#include "editor/BlockClipboard.h"
#include "editor/BlockFont.h"
#include "editor/SchematView.h"
#include "model/Schemat.h"

namespace zuvar {

TZUVAR::TZUVAR(TZuvarApp& app) : app_(app), undoStack_(std::make_unique<QUndoStack>()) {
  setObjectName(QStringLiteral("ZUVAR"));
  setWindowTitle(
      QStringLiteral("ZUVAR 32 Pro - Edytor graficzny i symulator schematów blokowych algorytmów"));
  setMinimumSize(400, 300);
  setFont(TBlockFont::Font());
  setAcceptDrops(true);
  Menu.Build(*this);
  BuildCentralArea();
  project_ = std::make_unique<TProjectCommands>(*this);
  simulation_ = std::make_unique<TSimulationCommands>(*this);
  sheet_ = std::make_unique<TSheetCommands>(*this);
  placer_ = std::make_unique<TToolWindowPlacer>(*this);
  recovery_ = std::make_unique<TRecoveryKeeper>(
      app_.Recovery, app_.AppHost(), [this] { return document_.get(); },
      [this] { return simulation_->Exists(); });
  ConnectCommands();
  zoom_ = std::make_unique<TZoomCommands>(*this);
}

TZUVAR::~TZUVAR() {
  // A run refers to the diagram, so it ends before the canvas goes.
  simulation_->End();
  // The simulation window observes the run controller of the commands below: it goes first.
  delete findChild<TForm3*>(QString(), Qt::FindDirectChildrenOnly);
  delete traceWindow_;
  traceWindow_ = nullptr;
  canvas_.reset();
  document_.reset();
}

void TZUVAR::BuildCentralArea() {
  Splitter2 = new QSplitter(Qt::Vertical, this);
  Splitter2->setObjectName(QStringLiteral("Splitter2"));
  Splitter2->setHandleWidth(3);
  Splitter2->setChildrenCollapsible(false);
  canvasArea_ = new QWidget(Splitter2);
  canvasArea_->setObjectName(QStringLiteral("CanvasArea"));
  auto* layout = new QVBoxLayout(canvasArea_);
  layout->setContentsMargins(0, 0, 0, 0);
  Frame1 = new TFrame1(Splitter2);
  Frame1->setMinimumHeight(1);
  Splitter2->addWidget(canvasArea_);
  Splitter2->addWidget(Frame1);
  Splitter2->setStretchFactor(0, 1);
  Splitter2->setStretchFactor(1, 0);
  setCentralWidget(Splitter2);
  SetOutputHeight(82);
}

void TZUVAR::AppendLog(const char* line) { app_.Log.Append(line); }

void TZUVAR::AppendLogLine(const QString& line) { app_.Log.Append(line.toStdString()); }

// ---- commands -------------------------------------------------------------------------------

void TZUVAR::ConnectCommands() {
  TMainMenu& m = Menu;
  TProjectCommands* p = project_.get();
  connect(m.Schematblokowy1, &QMenu::aboutToShow, this, &TZUVAR::FileMenuOpened);
  for (QAction* a : {m.Nowy1, m.SpeedButton5})
    connect(a, &QAction::triggered, p, &TProjectCommands::Nowy1Click);
  for (QAction* a : {m.Wczytajzpliku1, m.SpeedButton6})
    connect(a, &QAction::triggered, p, &TProjectCommands::Wczytajzpliku1Click);
  for (QAction* a : {m.Zapisz1, m.SpeedButton7})
    connect(a, &QAction::triggered, p, &TProjectCommands::Zapisz1Click);
  connect(m.Zapiszdopliku1, &QAction::triggered, p, &TProjectCommands::Zapiszdopliku1Click);
  for (QAction* a : {m.Usu1, m.SpeedButton8})
    connect(a, &QAction::triggered, p, &TProjectCommands::Usu1Click);
  for (QAction* a : {m.Zakoczprogram1, m.SpeedButton9})
    connect(a, &QAction::triggered, this, &QWidget::close);
  ConnectEditCommands();
  ConnectViewCommands();
  ConnectOptions();
  ConnectSheetCommands();
  TSimulationCommands* s = simulation_.get();
  connect(m.Symulacja1, &QMenu::aboutToShow, this, &TZUVAR::SimulationMenuOpened);
  for (QAction* a : {m.Wykonanie1, m.SpeedButton4})
    connect(a, &QAction::triggered, s, &TSimulationCommands::Wykonanie1Click);
  for (QAction* a : {m.Uruchomiwykonajwczasierzeczywistym1, m.SpeedButton3})
    connect(a, &QAction::triggered, s, &TSimulationCommands::SpeedButton3Click);
  for (QAction* a : {m.Sprawdpoprawnopoprawnopoczeikodurdowego1, m.SpeedButton18})
    connect(a, &QAction::triggered, s, &TSimulationCommands::SpeedButton18Click);
  connect(m.Zakocz1, &QAction::triggered, s, &TSimulationCommands::Zakocz1Click);
  connect(m.Zatrzymaj1, &QAction::triggered, s, &TSimulationCommands::Zatrzymaj1Click);
  connect(m.Steep1, &QAction::triggered, s, &TSimulationCommands::Steep1Click);
  connect(m.Krokwstecz1, &QAction::triggered, s, &TSimulationCommands::StepBack);
  connect(m.Punktzatrzymania1, &QAction::triggered, this, &TZUVAR::Punktzatrzymania1Click);
  connect(m.Warunekzatrzymania1, &QAction::triggered, this, &TZUVAR::Warunekzatrzymania1Click);
  for (QAction* a :
       {m.Wykonanie1, m.Zakocz1, m.Zatrzymaj1, m.Uruchomiwykonajwczasierzeczywistym1, m.Steep1})
    KeepShortcutWhenHidden(a);
  connect(m.Pomoc2, &QAction::triggered, this, &TZUVAR::Pomoc2Click);
  connect(m.Oprogramie1, &QAction::triggered, this, &TZUVAR::Oprogramie1Click);
}

void TZUVAR::ConnectEditCommands() {
  TMainMenu& m = Menu;
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
  for (QAction* a : {m.Usu2, m.SpeedButton16})
    connect(a, &QAction::triggered, this, &TZUVAR::Usu2Click);
  for (QAction* a : {m.Usuzaznaczoneelementy1, m.SpeedButton2})
    connect(a, &QAction::triggered, this, &TZUVAR::Usuzaznaczoneelementy1Click);
  for (QAction* a : {m.Zaznaczwszystkieelementy1, m.SpeedButton1})
    connect(a, &QAction::triggered, this, &TZUVAR::Zaznaczwszystkieelementy1Click);
  connect(m.Kopiuj1, &QAction::triggered, this, &TZUVAR::Kopiuj1Click);
  connect(m.Wklej1, &QAction::triggered, this, &TZUVAR::Wklej1Click);
  connect(m.Wyrwnajwpionie1, &QAction::triggered, this, &TZUVAR::Wyrwnajwpionie1Click);
  connect(m.Wyrwnajwpoziomie1, &QAction::triggered, this, &TZUVAR::Wyrwnajwpoziomie1Click);
  ConnectHistory();
}

// Undo and redo act while the diagram may be edited (the edit menu is on: a diagram is open and
// no run holds it) and the history has a step to take.
void TZUVAR::ConnectHistory() {
  TMainMenu& m = Menu;
  for (QAction* a : {m.Cofnij1, m.SpeedButtonCofnij})
    connect(a, &QAction::triggered, this, &TZUVAR::Cofnij1Click);
  for (QAction* a : {m.Ponw1, m.SpeedButtonPonw})
    connect(a, &QAction::triggered, this, &TZUVAR::Ponw1Click);
  connect(undoStack_.get(), &QUndoStack::canUndoChanged, this, &TZUVAR::UpdateHistoryActions);
  connect(undoStack_.get(), &QUndoStack::canRedoChanged, this, &TZUVAR::UpdateHistoryActions);
  connect(m.Edycja1->menuAction(), &QAction::changed, this, &TZUVAR::UpdateHistoryActions);
  connect(undoStack_.get(), &QUndoStack::indexChanged, this, &TZUVAR::FollowCleanState);
  // After the clean state was followed: the copy knows whether there is anything to keep.
  connect(undoStack_.get(), &QUndoStack::indexChanged, recovery_.get(),
          &TRecoveryKeeper::DocumentChanged);
}

void TZUVAR::UpdateHistoryActions() {
  const bool editing = EditingAllowed();
  const bool undo = editing && undoStack_->canUndo();
  const bool redo = editing && undoStack_->canRedo();
  for (QAction* a : {Menu.Cofnij1, Menu.SpeedButtonCofnij}) a->setEnabled(undo);
  for (QAction* a : {Menu.Ponw1, Menu.SpeedButtonPonw}) a->setEnabled(redo);
}

// The history's clean step is the diagram as last saved or opened: reaching it again by undo or
// redo marks the diagram saved, leaving it marks it modified.
void TZUVAR::FollowCleanState() {
  if (document_ != nullptr) document_->Saved = undoStack_->isClean();
}

void TZUVAR::Cofnij1Click() {
  if (EditingAllowed() && undoStack_->canUndo()) undoStack_->undo();
}

void TZUVAR::Ponw1Click() {
  if (EditingAllowed() && undoStack_->canRedo()) undoStack_->redo();
}

void TZUVAR::ConnectViewCommands() {
  TMainMenu& m = Menu;
  connect(m.Widok1, &QMenu::aboutToShow, this, &TZUVAR::ViewMenuOpened);
  // The view items are check items: a click has inverted the mark when the handler runs.
  connect(m.Interpretator1, &QAction::triggered, this, &TZUVAR::Interpretator1Click);
  connect(m.Kodrdowy1, &QAction::triggered, this, [this](bool checked) {
    if (TForm2* source = app_.SourceWindow()) source->setVisible(checked);
  });
  connect(m.Standardowewyjcie1, &QAction::triggered, this, &TZUVAR::Standardowewyjcie1Click);
  connect(m.PlikLog1, &QAction::triggered, this, &TZUVAR::PlikLog1Click);
  connect(m.Sledzenie1, &QAction::triggered, this, &TZUVAR::Sledzenie1Click);
  connect(m.Standardowy1, &QAction::triggered, this, &TZUVAR::Standardowy1Click);
}

void TZUVAR::ConnectOptions() {
  TMainMenu& m = Menu;
  TOptions& o = app_.Options;
  const std::pair<QAction*, bool*> options[] = {
      {m.BOMBEL1, &o.Simulation.Bubble},
      {m.Trybrzeczywisty1, &o.Simulation.RealTime},
      {m.IndeksyTablic1, &o.Simulation.ShowArrayIndices},
      {m.Odwieajpoczeniapodczasprzesuwaniablokw1, &o.RefreshLinksWhileMoving},
      {m.Kasujlogprzyzaadowaniunowegoschematu1, &o.ClearLogOnNewDiagram},
      {m.Przycigajdosiatki1, &o.SnapToGrid},
      {m.Sprawdskadnikoduprzeduruchomieniemsymulatora1, &o.Simulation.CheckCodeBeforeRun}};
  for (const auto& [action, value] : options) {
    action->setChecked(*value);
    bool* target = value;
    connect(action, &QAction::toggled, this, [target](bool checked) { *target = checked; });
  }
}

void TZUVAR::ConnectSheetCommands() {
  TMainMenu& m = Menu;
  TSheetCommands* c = sheet_.get();
  connect(m.DrukujSchematblokowy1, &QAction::triggered, c,
          &TSheetCommands::DrukujSchematblokowy1Click);
  connect(m.Ustawieniadrukarki1, &QAction::triggered, c, &TSheetCommands::Ustawieniadrukarki1Click);
  connect(m.ExportujSchematblokowy1, &QAction::triggered, c,
          &TSheetCommands::ExportujSchematblokowy1Click);
  // The preview's item is hidden and has no key; its action still runs when triggered.
  connect(m.Poka1, &QAction::triggered, c, &TSheetCommands::Poka1Click);
  connect(m.Zmienrozmiarptna1, &QAction::triggered, c, &TSheetCommands::Zmienrozmiarptna1Click);
  connect(m.Dopasujautomatycznie1, &QAction::triggered, c,
          &TSheetCommands::Dopasujautomatycznie1Click);
}

// A hidden item's shortcut still acts, but Qt disables a hidden action and its key. A stand-in key
// takes over exactly while its item is hidden, so that a key never has two owners at a time (Qt
// then would run neither); the command checks its own state.
void TZUVAR::KeepShortcutWhenHidden(QAction* action) {
  if (action->shortcut().isEmpty()) return;
  auto* shortcut = new QShortcut(action->shortcut(), this);
  shortcut->setContext(Qt::ApplicationShortcut);
  const auto follow = [action, shortcut] {
    shortcut->setKey(action->shortcut());
    shortcut->setEnabled(!action->isVisible());
  };
  follow();
  connect(action, &QAction::changed, shortcut, follow);
  connect(shortcut, &QShortcut::activated, action, [action] { emit action->triggered(false); });
}

bool TZUVAR::EditingAllowed() const {
  return canvas_ != nullptr && Menu.Edycja1->menuAction()->isEnabled();
}

void TZUVAR::SelectTool(int tool) {
  if (EditingAllowed()) canvas_->SelectTool(static_cast<TNewShapeType>(tool));
}

void TZUVAR::Usu2Click() {
  if (EditingAllowed()) canvas_->Usu2Click();
}

// What goes is put on the clipboard first, so that it can be pasted again.
void TZUVAR::Usuzaznaczoneelementy1Click() {
  if (!EditingAllowed()) return;
  BlockClipboard::Copy(*canvas_);
  canvas_->Usuzaznaczoneelementy1Click();
}

void TZUVAR::Zaznaczwszystkieelementy1Click() {
  if (EditingAllowed()) canvas_->Zaznaczwszystkieelementy1Click();
}

void TZUVAR::Kopiuj1Click() {
  if (EditingAllowed()) BlockClipboard::Copy(*canvas_);
}

// Pressed as Ctrl+V over the sheet, the blocks go where the pointer is; from the menu they go
// next to where they were copied from.
void TZUVAR::Wklej1Click() {
  if (!EditingAllowed()) return;
  const bool fromKeyboard = QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier;
  BlockClipboard::Paste(*canvas_,
                        fromKeyboard ? canvas_->PointerOnSheet() : std::optional<QPoint>());
}

void TZUVAR::Wyrwnajwpionie1Click() {
  if (EditingAllowed()) BlockArranging::Align(*canvas_, BlockAlignment::TAxis::Vertical);
}

void TZUVAR::Wyrwnajwpoziomie1Click() {
  if (EditingAllowed()) BlockArranging::Align(*canvas_, BlockAlignment::TAxis::Horizontal);
}

// ---- breakpoints ----------------------------------------------------------------------------

void TZUVAR::ToggleBreakpoint(TNewShape& block) {
  if (canvas_ == nullptr) return;
  const bool on = simulation_->Controller().Breakpoints().Toggle(block.Id);
  canvas_->SetBreakpointMark(&block, on);
}

void TZUVAR::Punktzatrzymania1Click() {
  if (document_ != nullptr && document_->ActiveBlock != nullptr)
    ToggleBreakpoint(*document_->ActiveBlock);
}

// An empty answer leaves an unconditional breakpoint; a block without one gets one.
void TZUVAR::EditBreakpointCondition(TNewShape& block) {
  if (canvas_ == nullptr) return;
  TBreakpoints& points = simulation_->Controller().Breakpoints();
  QString condition = QString::fromStdString(points.Condition(block.Id));
  const QString prompt =
      QStringLiteral("Zatrzymaj w bloku \"%1\", gdy wyrażenie jest prawdziwe (puste: zawsze):")
          .arg(QString::fromStdString(block.Caption));
  if (!app_.Dialogs().AskText(this, QStringLiteral("Warunek zatrzymania"), prompt, condition))
    return;
  condition = condition.trimmed();
  points.Set(block.Id, condition.toStdString());
  canvas_->SetBreakpointMark(&block, true, condition);
}

bool TZUVAR::HasBreakpoint(const TNewShape& block, QString& condition) const {
  const TBreakpoints& points = simulation_->Controller().Breakpoints();
  if (!points.Has(block.Id)) return false;
  condition = QString::fromStdString(points.Condition(block.Id));
  return true;
}

void TZUVAR::Warunekzatrzymania1Click() {
  if (document_ != nullptr && document_->ActiveBlock != nullptr)
    EditBreakpointCondition(*document_->ActiveBlock);
}

// ---- canvas ---------------------------------------------------------------------------------

TSchematView& TZUVAR::CreateCanvas() {
  DestroyCanvas();
  ClearLogForNewDiagram();
  return ShowDocument(std::make_unique<TSchemat>());
}

TSchematView& TZUVAR::ShowDocument(std::unique_ptr<TSchemat> document) {
  DestroyCanvas();
  document_ = std::move(document);
  canvas_ = std::make_unique<TSchematView>(*this, *document_, *undoStack_, canvasArea_);
  // The history starts clean only for a diagram that has nothing to save.
  if (document_->Saved)
    undoStack_->setClean();
  else
    undoStack_->resetClean();
  // Files dropped on the diagram go to the window, which opens them.
  canvas_->setAcceptDrops(false);
  canvas_->viewport()->setAcceptDrops(false);
  canvasArea_->layout()->addWidget(canvas_.get());
  canvas_->show();
  ApplyDiagramState(true);
  zoom_->CanvasChanged();
  if (TForm2* source = app_.SourceWindow()) source->CanvasCreated();
  return *canvas_;
}

void TZUVAR::ClearLogForNewDiagram() {
  if (app_.Options.ClearLogOnNewDiagram) app_.Log.Clear();
}

void TZUVAR::DestroyCanvas() {
  if (canvas_ == nullptr) return;
  undoStack_->clear();
  simulation_->Controller().Breakpoints().Clear();
  canvas_.reset();
  document_.reset();
  recovery_->Discard();
  ApplyDiagramState(false);
  zoom_->CanvasChanged();
  if (TForm2* source = app_.SourceWindow()) source->CanvasDestroyed();
}

void TZUVAR::ApplyDiagramState(bool hasDiagram) {
  for (QMenu* menu : Menu.DiagramMenus()) menu->menuAction()->setEnabled(hasDiagram);
  for (QAction* action : Menu.DiagramItems()) action->setEnabled(hasDiagram);
  if (TForm2* source = app_.SourceWindow()) source->SetEditorEnabled(hasDiagram);
  if (TForm3* simulation = app_.SimulationWindow()) simulation->SetDiagramExists(hasDiagram);
}

// ---- menus opening --------------------------------------------------------------------------

void TZUVAR::FileMenuOpened() { Menu.Zapisz1->setEnabled(Menu.Zapiszdopliku1->isEnabled()); }

void TZUVAR::ViewMenuOpened() {
  Menu.Standardowewyjcie1->setChecked(OutputVisible());
  Menu.Interpretator1->setChecked(simulation_->WindowVisible());
  if (TForm2* source = app_.SourceWindow()) Menu.Kodrdowy1->setChecked(source->isVisible());
  if (TForm5* log = app_.LogWindow()) Menu.PlikLog1->setChecked(log->isVisible());
  Menu.Sledzenie1->setChecked(traceWindow_ != nullptr && traceWindow_->isVisible());
}

void TZUVAR::SimulationMenuOpened() {
  const TRunControls controls = simulation_->Controls();
  Menu.Wykonanie1->setVisible(controls.Start);
  Menu.Zakocz1->setVisible(controls.End);
  Menu.Zatrzymaj1->setVisible(controls.Stop);
  Menu.Uruchomiwykonajwczasierzeczywistym1->setVisible(controls.RealTime);
}

// ---- view -----------------------------------------------------------------------------------

void TZUVAR::Interpretator1Click() {
  if (simulation_->Exists()) {
    Menu.Interpretator1->setChecked(!Menu.Interpretator1->isChecked());
    return;
  }
  simulation_->SetWindowVisible(Menu.Interpretator1->isChecked());
}

void TZUVAR::Standardowewyjcie1Click() { SetOutputVisible(Menu.Standardowewyjcie1->isChecked()); }

void TZUVAR::PlikLog1Click() {
  if (TForm5* log = app_.LogWindow()) log->setVisible(Menu.PlikLog1->isChecked());
}

void TZUVAR::Sledzenie1Click() { TraceWindow().setVisible(Menu.Sledzenie1->isChecked()); }

TTraceWindow& TZUVAR::TraceWindow() {
  if (traceWindow_ != nullptr) return *traceWindow_;
  traceWindow_ =
      new TTraceWindow(simulation_->Controller(), simulation_->Trace(), app_.Dialogs(), this);
  const QRect main = frameGeometry();
  placer_->Place(*traceWindow_,
                 [main](QSize own) { return ToolWindowPlacement::TraceWindow(main, own); });
  return *traceWindow_;
}

void TZUVAR::Standardowy1Click() {
  if (!simulation_->Exists()) Menu.ToolBar1->setVisible(Menu.Standardowy1->isChecked());
}

void TZUVAR::Oprogramie1Click() {
  if (TAboutBox* about = app_.AboutBox()) app_.Dialogs().Exec(*about);
}

void TZUVAR::Pomoc2Click() { THelpWindow::Of(*this).ShowContents(); }

// ---- output panel ---------------------------------------------------------------------------

void TZUVAR::SetOutputVisible(bool visible) {
  Frame1->Memo1->setVisible(visible);
  Frame1->setVisible(visible);
}

bool TZUVAR::OutputVisible() const { return Frame1->isVisibleTo(const_cast<TZUVAR*>(this)); }

void TZUVAR::SetOutputHeight(int height) {
  height = std::min(height, Frame1->maximumHeight());  // a panel without its memo stays shrunk
  const int total = std::max(Splitter2->height(), height + 1);
  Splitter2->setSizes({total - height, height});
  Frame1->resize(Frame1->width(), height);
}

int TZUVAR::OutputHeight() const {
  const QList<int> sizes = Splitter2->sizes();
  return sizes.size() > 1 && Frame1->isVisibleTo(const_cast<TZUVAR*>(this)) ? sizes[1]
                                                                            : Frame1->height();
}

// ---- first paint, close, wheel --------------------------------------------------------------

void TZUVAR::paintEvent(QPaintEvent* event) {
  QMainWindow::paintEvent(event);
  if (!FirstPaint) return;
  FirstPaint = false;
  // The About box is modal: it opens after this paint has finished.
  QMetaObject::invokeMethod(this, &TZUVAR::FirstPaintSteps, Qt::QueuedConnection);
}

void TZUVAR::FirstPaintSteps() {
  AppendLog("Uruchomienie programu");
  PlaceToolWindows();
  SetOutputHeight(1);
  Menu.Standardowewyjcie1->setChecked(!Menu.Standardowewyjcie1->isChecked());
  SetOutputVisible(Menu.Standardowewyjcie1->isChecked());
  Oprogramie1Click();
  project_->OfferRecovery();
  if (!StartFile.isEmpty()) project_->OpenStartFile(StartFile);
}

// The tool windows open in the corners of the main window, on its screen. The output panel and
// its splitter count with the height they have now.
void TZUVAR::PlaceToolWindows() {
  namespace Place = ToolWindowPlacement;
  const QRect main = frameGeometry();
  const int below = Frame1->height() + Splitter2->handleWidth();
  if (TForm2* source = app_.SourceWindow())
    placer_->Place(*source,
                   [main, below](QSize own) { return Place::SourceWindow(main, own, below); });
  if (TForm3* simulation = app_.SimulationWindow())
    placer_->Place(*simulation,
                   [main, below](QSize own) { return Place::SimulationWindow(main, own, below); });
  if (TForm5* log = app_.LogWindow())
    placer_->Place(*log, [main](QSize own) { return Place::LogWindow(main, own); });
}

void TZUVAR::closeEvent(QCloseEvent* event) {
  if (!project_->CloseQuery()) {
    event->ignore();
    return;
  }
  event->accept();
  // The tool windows must not keep the program alive.
  QCoreApplication::quit();
}

void TZUVAR::wheelEvent(QWheelEvent* event) {
  event->accept();
  const int delta = event->angleDelta().y();
  if (canvas_ != nullptr && delta != 0) canvas_->WheelScroll(delta < 0 ? 1 : -1);
}

// ---- dropped project files ------------------------------------------------------------------

// Exactly one local file, at a time when Open is at hand: while a run holds the diagram, the
// file menu is off and a drop is refused like the command.
QString TZUVAR::DroppableProject(const QMimeData* data) const {
  if (data == nullptr || !data->hasUrls()) return QString();
  const QList<QUrl> urls = data->urls();
  if (urls.size() != 1 || !urls.front().isLocalFile()) return QString();
  if (!Menu.Schematblokowy1->menuAction()->isEnabled() || !Menu.Wczytajzpliku1->isEnabled())
    return QString();
  const QString file = urls.front().toLocalFile();
  return QFileInfo(file).isFile() ? file : QString();
}

void TZUVAR::dragEnterEvent(QDragEnterEvent* event) { dragMoveEvent(event); }

void TZUVAR::dragMoveEvent(QDragMoveEvent* event) {
  if (DroppableProject(event->mimeData()).isEmpty()) {
    event->ignore();
    return;
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
}

void TZUVAR::dropEvent(QDropEvent* event) {
  const QString file = DroppableProject(event->mimeData());
  if (file.isEmpty()) {
    event->ignore();
    return;
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
  // The drag's source waits for the drop to end: the question and the reading come after it.
  QMetaObject::invokeMethod(
      this, [this, file] { project_->OpenDropped(file); }, Qt::QueuedConnection);
}

// ---- TCanvasHost ----------------------------------------------------------------------------

TMsgResult TZUVAR::Ask(const QString& text, const QString& caption, TMsgIcon icon,
                       TMsgButtons buttons) {
  return app_.Dialogs().Message(this, text, caption, icon, buttons);
}

QAction* TZUVAR::Popup(QMenu& menu, const QPoint& globalPos) {
  return app_.Dialogs().Popup(menu, globalPos);
}

bool TZUVAR::RefreshLinksWhileMoving() const { return app_.Options.RefreshLinksWhileMoving; }

bool TZUVAR::SnapToGrid() const { return app_.Options.SnapToGrid; }

void TZUVAR::ShowSourceWindow() {
  Menu.Kodrdowy1->setChecked(true);
  if (TForm2* source = app_.SourceWindow()) {
    source->show();
    source->TakeKeyboardLater();
  }
}

void TZUVAR::SourceLinesChanged() {
  if (TForm2* source = app_.SourceWindow()) source->ActiveBlockChanged();
}

// A block made active takes the keyboard into the editor, even when its code is the code the
// editor already shows.
void TZUVAR::SetSourceEditorEnabled(bool enabled) {
  TForm2* source = app_.SourceWindow();
  if (source == nullptr) return;
  source->SetEditorEnabled(enabled);
  if (enabled) source->TakeKeyboardLater();
}

}  // namespace zuvar
