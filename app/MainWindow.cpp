#include "app/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFileInfo>
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
#include "app/EditCommands.h"
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
  edit_ = std::make_unique<TEditCommands>(*this);
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
  for (QAction* a :
       {m.Wykonanie1, m.Zakocz1, m.Zatrzymaj1, m.Uruchomiwykonajwczasierzeczywistym1, m.Steep1})
    KeepShortcutWhenHidden(a);
  connect(m.Pomoc2, &QAction::triggered, this, &TZUVAR::Pomoc2Click);
  connect(m.Oprogramie1, &QAction::triggered, this, &TZUVAR::Oprogramie1Click);
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

// ---- breakpoints ----------------------------------------------------------------------------

void TZUVAR::ToggleBreakpoint(TNewShape& block) { edit_->ToggleBreakpoint(block); }

void TZUVAR::EditBreakpointCondition(TNewShape& block) { edit_->EditBreakpointCondition(block); }

bool TZUVAR::HasBreakpoint(const TNewShape& block, QString& condition) const {
  return edit_->HasBreakpoint(block, condition);
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
