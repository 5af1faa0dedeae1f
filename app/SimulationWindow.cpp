#include "app/SimulationWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "interpreter/Interpreter.h"
#include "app/MainWindow.h"
#include "editor/SchematView.h"
#include "app/SimulationCommands.h"
#include "app/ToolGlyphs.h"
#include "simulation/SimulationEngine.h"
#include "app/VariablesModel.h"
#include "app/ZuvarApp.h"

namespace zuvar {

TForm3::TForm3(TZUVAR& window, TSimulationCommands& commands)
    : QWidget(&window, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      window_(window),
      commands_(commands) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(QStringLiteral("ZUVAR 32 Pro - Symulacja"));
  setMinimumSize(MinimumWidth, MinimumHeight);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setSizeConstraint(QLayout::SetNoConstraint);
  BuildToolBar();
  BuildGrid();
  layout->addWidget(ToolBar1);
  layout->addWidget(StringGrid1, 1);
  resize(220, 190);
  move(539, 278);
  // The grid reads the run's variables at most once per displayed frame.
  auto* frame = new QTimer(this);
  frame->setInterval(kFrameMilliseconds);
  connect(frame, &QTimer::timeout, Variables, &TVariablesModel::Refresh);
  frame->start();
  FormCreate();
}

// The main window owns this window as its Qt child and deletes it after its own commands are
// gone, so the destructor must not reach them.
TForm3::~TForm3() = default;

QToolButton* TForm3::AddButton(const char* name, const QString& hint, QStyle::StandardPixmap glyph,
                               bool enabled) {
  auto* button = new QToolButton(ToolBar1);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(hint);
  button->setAutoRaise(true);
  button->setIcon(TToolGlyphs::StandardIcon(glyph));
  button->setFixedSize(33, 24);
  button->setEnabled(enabled);
  button->setFocusPolicy(Qt::NoFocus);
  ToolBar1->addWidget(button);
  return button;
}

void TForm3::BuildToolBar() {
  ToolBar1 = new QToolBar(this);
  ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
  ToolBar1->setFixedHeight(30);
  ToolBar1->setMovable(false);
  ToolBar1->addSeparator();  // ToolButton2
  SpeedButton6 = AddButton("SpeedButton6", QStringLiteral("Uruchom  symulację"),
                           QStyle::SP_MediaPlay, true);
  SpeedButton7 = AddButton("SpeedButton7", QStringLiteral("Zakończ symulację"),
                           QStyle::SP_MediaStop, false);
  SpeedButton8 = AddButton("SpeedButton8", QStringLiteral("Następny krok - F8"),
                           QStyle::SP_MediaSkipForward, false);
  SpeedButton9 = AddButton("SpeedButton9", QStringLiteral("Wykonaj całość"),
                           QStyle::SP_MediaSeekForward, false);
  SpeedButton10 = AddButton("SpeedButton10", QStringLiteral("Zatrzymaj symulację"),
                            QStyle::SP_MediaPause, false);
  SpeedButton3 = AddButton("SpeedButton3",
                           QStringLiteral("Uruchom i wykonaj symulację w czasie rzeczywistym!"),
                           QStyle::SP_CommandLink, true);
  ToolBar1->addSeparator();  // ToolButton1
  SpeedButton1 = AddButton("SpeedButton1", QStringLiteral("Pokaż/ukryj zmienne"),
                           QStyle::SP_TitleBarShadeButton, true);
  connect(SpeedButton6, &QToolButton::clicked, this, &TForm3::SpeedButton6Click);
  connect(SpeedButton7, &QToolButton::clicked, this, &TForm3::SpeedButton7Click);
  connect(SpeedButton8, &QToolButton::clicked, this, &TForm3::SpeedButton8Click);
  connect(SpeedButton9, &QToolButton::clicked, this, &TForm3::SpeedButton9Click);
  connect(SpeedButton10, &QToolButton::clicked, this, &TForm3::SpeedButton10Click);
  connect(SpeedButton3, &QToolButton::clicked, this, &TForm3::SpeedButton3Click);
  connect(SpeedButton1, &QToolButton::clicked, this, &TForm3::SpeedButton1Click);
}

void TForm3::BuildGrid() {
  StringGrid1 = new QTableView(this);
  StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
  Variables = new TVariablesModel(this);
  StringGrid1->setModel(Variables);
  StringGrid1->setMinimumHeight(0);
  StringGrid1->setFocusPolicy(Qt::NoFocus);
  StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid1->setShowGrid(true);
  StringGrid1->setStyleSheet(QStringLiteral("QTableView { background: white; }"));
  QFont bold = StringGrid1->font();
  bold.setBold(true);
  StringGrid1->setFont(bold);
  StringGrid1->verticalHeader()->hide();
  StringGrid1->verticalHeader()->setDefaultSectionSize(16);
  StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  // Row 0 of the model is the grid's fixed title row, so the view's own header is not shown.
  StringGrid1->horizontalHeader()->hide();
  StringGrid1->setColumnWidth(0, 130);
  StringGrid1->setColumnWidth(1, 667);
  StringGrid1->viewport()->installEventFilter(this);
}

void TForm3::FormCreate() {
  UnfoldedHeight = height();
  UnfoldedWidth = width();
}

void TForm3::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FormShow();
}

// Showing the window starts the grid afresh, unless a run is showing its variables.
void TForm3::FormShow() {
  if (!commands_.Exists()) Variables->Clear();
}

void TForm3::closeEvent(QCloseEvent* event) {
  if (commands_.Exists()) {
    event->ignore();
    return;
  }
  event->accept();
}

void TForm3::Log(const char* line) { window_.App().Log.Append(line); }

void TForm3::FocusThis() {
  if (isVisible()) activateWindow();
}

// ---- run states -----------------------------------------------------------------------------

void TForm3::ResetButtons() {
  SpeedButton6->setEnabled(true);
  SpeedButton3->setEnabled(true);
  for (QToolButton* b : {SpeedButton7, SpeedButton8, SpeedButton9, SpeedButton10})
    b->setEnabled(false);
}

void TForm3::RunStarted(const TInterpreter& run) {
  stopStepFailed_ = false;
  StopRequested = false;
  Variables->SetRun(&run);
  Variables->MarkStale();
  SpeedButton6->setEnabled(false);
  for (QToolButton* b : {SpeedButton7, SpeedButton8, SpeedButton9}) b->setEnabled(true);
}

void TForm3::RunEnding() { Variables->SetRun(nullptr); }

void TForm3::VariablesChanged() const { Variables->MarkStale(); }

// ---- handlers -------------------------------------------------------------------------------

void TForm3::SpeedButton6Click() {
  commands_.Wykonanie1Click();
  FocusThis();
}

void TForm3::SpeedButton7Click() {
  Log("Zakończenie symulacji");
  commands_.EndRun();
  SpeedButton6->setEnabled(true);
  for (QToolButton* b : {SpeedButton7, SpeedButton8, SpeedButton9}) b->setEnabled(false);
  window_.Menu.Wykonanie1->setEnabled(true);
}

void TForm3::EndAfterFailure() {
  SpeedButton7Click();
  SpeedButton3->setEnabled(true);
}

void TForm3::SpeedButton8Click() {
  TInterpreter* run = commands_.Run();
  if (run == nullptr) return;
  const bool realTime = SpeedButton3->isEnabled();
  const bool end = SpeedButton7->isEnabled();
  const bool runAll = SpeedButton9->isEnabled();
  for (QToolButton* b : {SpeedButton3, SpeedButton7, SpeedButton9}) b->setEnabled(false);
  const int result = commands_.Engine().Step(*run);
  if (commands_.Run() != run) return;  // ended meanwhile
  if (result == 0) {
    EndAfterFailure();
    return;
  }
  SpeedButton3->setEnabled(realTime);
  SpeedButton7->setEnabled(end);
  SpeedButton9->setEnabled(runAll);
  if (run->Finished) SpeedButton7Click();
  else FocusThis();
}

void TForm3::SpeedButton9Click() {
  TInterpreter* run = commands_.Run();
  if (run == nullptr) return;
  Log("Wykonanie całego algorytmu");
  for (QToolButton* b : {SpeedButton7, SpeedButton3, SpeedButton9}) b->setEnabled(false);
  SpeedButton10->setEnabled(true);
  int result = 1;
  // Pending messages are handled once per displayed frame rather than after every step: the
  // buttons and keys stay as usable, and a fast run does not repaint the windows per step.
  // The clock is read every few steps only: reading it can cost more than a fast step, and a
  // slow step (an animated link) handles the messages itself while it waits.
  constexpr unsigned kStepsPerClockReading = 16;
  QElapsedTimer frame;
  frame.start();
  for (unsigned steps = 1;; ++steps) {
    result = commands_.Engine().Step(*run);
    if (result == 0) break;
    const bool readClock = steps % kStepsPerClockReading == 0;
    if (run->Finished || (readClock && frame.elapsed() >= kFrameMilliseconds)) {
      FocusThis();
      QCoreApplication::processEvents();
      frame.restart();
    }
    if (commands_.Run() != run) return;  // ended meanwhile
    if (stopStepFailed_) {
      result = 0;
      break;
    }
    if (StopRequested) {
      StopRequested = false;
      break;
    }
    if (run->Finished) break;
  }
  SpeedButton10->setEnabled(false);
  for (QToolButton* b : {SpeedButton7, SpeedButton3, SpeedButton9}) b->setEnabled(true);
  if (result == 0) {
    StopRequested = false;
    stopStepFailed_ = false;
    SpeedButton7Click();
    return;
  }
  if (run->Finished) SpeedButton7Click();
}

void TForm3::SpeedButton10Click() {
  TInterpreter* run = commands_.Run();
  if (run == nullptr) return;
  Log("Zatrzymanie wykonywania algorytmu");
  // Inside a step this only cuts the running animation short; between two steps it runs one.
  if (commands_.Engine().Step(*run) == 0) stopStepFailed_ = true;
  StopRequested = true;
}

void TForm3::SpeedButton3Click() { commands_.SpeedButton3Click(); }

void TForm3::SpeedButton1Click() {
  if (height() == MinimumHeight && width() == MinimumWidth) {
    resize(UnfoldedWidth, UnfoldedHeight);
    return;
  }
  UnfoldedHeight = height();
  UnfoldedWidth = width();
  resize(0, 0);
}

// ---- wheel ----------------------------------------------------------------------------------

bool TForm3::eventFilter(QObject* watched, QEvent* event) {
  if (watched == StringGrid1->viewport() && event->type() == QEvent::Wheel)
    return GridWheel(static_cast<QWheelEvent&>(*event));
  return QWidget::eventFilter(watched, event);
}

// True when the wheel event was handled here (the grid then does not scroll).
bool TForm3::GridWheel(QWheelEvent& event) {
  TSchematView* canvas = window_.Schemat();
  if (canvas == nullptr) return true;
  const QRect r = frameGeometry();
  const QPoint p = event.globalPosition().toPoint();
  const bool inside =
      r.left() < p.x() && p.x() < r.left() + r.width() && r.top() < p.y() && p.y() < r.top() + r.height();
  if (commands_.Exists() && inside) return false;
  const int delta = event.angleDelta().y();
  if (delta < 0) canvas->SetVertPosition(canvas->VertPosition() - 35);
  else if (delta > 0) canvas->SetVertPosition(canvas->VertPosition() + 35);
  event.accept();
  return true;
}

}  // namespace zuvar
