#include "app/SimulationWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QSlider>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

#include "app/MainWindow.h"
#include "app/SimulationCommands.h"
#include "app/ToolGlyphs.h"
#include "app/VariablesModel.h"
#include "app/ZuvarApp.h"
#include "editor/SchematView.h"

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
  BuildSpeedRow();
  layout->addWidget(ToolBar1);
  layout->addWidget(SpeedRow);
  layout->addWidget(StringGrid1, 1);
  resize(220, 190);
  move(539, 278);
  FormCreate();
  SetDiagramExists(window_.Schemat() != nullptr);
  TSimulationRun& run = commands_.Controller();
  ApplyControls(run.Controls());
  run.AddObserver(*this);
  Variables->Follow(&run);
}

TForm3::~TForm3() {
  Variables->Follow(nullptr);
  commands_.Controller().RemoveObserver(*this);
  commands_.SetWindow(nullptr);
}

QToolButton* TForm3::AddButton(const char* name, const QString& hint,
                               QStyle::StandardPixmap glyph) {
  auto* button = new QToolButton(ToolBar1);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(hint);
  button->setAutoRaise(true);
  button->setIcon(TToolGlyphs::StandardIcon(glyph));
  button->setFixedSize(DesignButtonWidth, ButtonHeight);
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
  SpeedButton6 =
      AddButton("SpeedButton6", QStringLiteral("Uruchom  symulację"), QStyle::SP_MediaPlay);
  SpeedButton7 =
      AddButton("SpeedButton7", QStringLiteral("Zakończ symulację"), QStyle::SP_MediaStop);
  SpeedButton11 = AddButton("SpeedButton11", QStringLiteral("Krok wstecz - Shift+F8"),
                            QStyle::SP_MediaSkipBackward);
  SpeedButton8 =
      AddButton("SpeedButton8", QStringLiteral("Następny krok - F8"), QStyle::SP_MediaSkipForward);
  SpeedButton9 =
      AddButton("SpeedButton9", QStringLiteral("Wykonaj całość"), QStyle::SP_MediaSeekForward);
  SpeedButton10 =
      AddButton("SpeedButton10", QStringLiteral("Zatrzymaj symulację"), QStyle::SP_MediaPause);
  SpeedButton3 = AddButton("SpeedButton3",
                           QStringLiteral("Uruchom i wykonaj symulację w czasie rzeczywistym!"),
                           QStyle::SP_CommandLink);
  ToolBar1->addSeparator();  // ToolButton1
  SpeedButton1 = AddButton("SpeedButton1", QStringLiteral("Pokaż/ukryj zmienne"),
                           QStyle::SP_TitleBarShadeButton);
  FitButtonsToMinimumWidth();
  connect(SpeedButton6, &QToolButton::clicked, this, &TForm3::SpeedButton6Click);
  connect(SpeedButton7, &QToolButton::clicked, this, &TForm3::SpeedButton7Click);
  connect(SpeedButton8, &QToolButton::clicked, this, &TForm3::SpeedButton8Click);
  connect(SpeedButton11, &QToolButton::clicked, this, &TForm3::SpeedButton11Click);
  connect(SpeedButton9, &QToolButton::clicked, this, &TForm3::SpeedButton9Click);
  connect(SpeedButton10, &QToolButton::clicked, this, &TForm3::SpeedButton10Click);
  connect(SpeedButton3, &QToolButton::clicked, this, &TForm3::SpeedButton3Click);
  connect(SpeedButton1, &QToolButton::clicked, this, &TForm3::SpeedButton1Click);
}

// Every button stays on the tool bar at the window's minimum width, so none of them hides
// behind the tool bar's overflow arrow and the fold button can always unfold the window: the
// buttons narrow from their design width until the tool bar fits.
void TForm3::FitButtonsToMinimumWidth() {
  const QList<QToolButton*> buttons{SpeedButton6, SpeedButton7,  SpeedButton11, SpeedButton8,
                                    SpeedButton9, SpeedButton10, SpeedButton3,  SpeedButton1};
  for (int width = DesignButtonWidth; width >= MinimumButtonWidth; --width) {
    for (QToolButton* button : buttons) button->setFixedSize(width, ButtonHeight);
    ToolBar1->layout()->invalidate();
    if (ToolBar1->layout()->sizeHint().width() <= MinimumWidth) return;
  }
}

void TForm3::BuildSpeedRow() {
  SpeedRow = new QWidget(this);
  SpeedRow->setObjectName(QStringLiteral("SpeedRow"));
  auto* row = new QHBoxLayout(SpeedRow);
  row->setContentsMargins(4, 1, 4, 1);
  row->setSpacing(4);
  auto* caption = new QLabel(QStringLiteral("Tempo:"), SpeedRow);
  Tempo1 = new QSlider(Qt::Horizontal, SpeedRow);
  Tempo1->setObjectName(QStringLiteral("Tempo1"));
  Tempo1->setRange(TSimulationOptions::kSlowest, TSimulationOptions::kFastest);
  Tempo1->setPageStep(1);
  Tempo1->setTickPosition(QSlider::TicksBelow);
  Tempo1->setFocusPolicy(Qt::NoFocus);
  Tempo1->setToolTip(QStringLiteral("Tempo animacji (nie dotyczy trybu czasu rzeczywistego)"));
  TempoLabel1 = new QLabel(SpeedRow);
  TempoLabel1->setMinimumWidth(
      TempoLabel1->fontMetrics().horizontalAdvance(QStringLiteral("×1/4")));
  row->addWidget(caption);
  row->addWidget(Tempo1, 1);
  row->addWidget(TempoLabel1);
  Tempo1->setValue(window_.App().Options.Simulation.Speed);
  SpeedChanged(Tempo1->value());
  connect(Tempo1, &QSlider::valueChanged, this, &TForm3::SpeedChanged);
}

// The engine reads the option at every wait, so a change during a run takes effect at once.
void TForm3::SpeedChanged(int speed) {
  window_.App().Options.Simulation.Speed = speed;
  TempoLabel1->setText(speed < 0 ? QStringLiteral("×1/%1").arg(1 << -speed)
                                 : QStringLiteral("×%1").arg(1 << speed));
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
  // The model's titles are the grid's fixed first row: the view's column header, as high as a
  // row where the bold font fits in it.
  QHeaderView* titles = StringGrid1->horizontalHeader();
  titles->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  titles->setSectionsClickable(false);
  titles->setHighlightSections(false);
  titles->setStretchLastSection(false);
  titles->setFixedHeight(std::max(16, QFontMetrics(bold).height() + 2));
  titles->show();
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

void TForm3::Focus() {
  if (isVisible()) activateWindow();
}

// ---- run states -----------------------------------------------------------------------------

// The controls also follow the run's history, which the state alone does not tell.
void TForm3::StateChanged(TRunState /*state*/) { ApplyControls(commands_.Controls()); }

void TForm3::StepUndone(const TInterpreter& /*run*/) { ApplyControls(commands_.Controls()); }

// Without a diagram there is nothing to run: the whole tool bar is disabled, and the buttons
// keep the states of the run for the next diagram.
void TForm3::SetDiagramExists(bool exists) { ToolBar1->setEnabled(exists); }

void TForm3::ApplyControls(const TRunControls& controls) {
  SpeedButton6->setEnabled(controls.Start);
  SpeedButton7->setEnabled(controls.End);
  SpeedButton8->setEnabled(controls.Step);
  SpeedButton11->setEnabled(controls.StepBack);
  SpeedButton9->setEnabled(controls.RunToEnd);
  SpeedButton10->setEnabled(controls.Stop);
  SpeedButton3->setEnabled(controls.RealTime);
}

// ---- handlers -------------------------------------------------------------------------------

void TForm3::SpeedButton6Click() {
  commands_.Wykonanie1Click();
  Focus();
}

void TForm3::SpeedButton7Click() { commands_.Zakocz1Click(); }

void TForm3::SpeedButton8Click() { commands_.Step(); }

void TForm3::SpeedButton11Click() { commands_.StepBack(); }

void TForm3::SpeedButton9Click() { commands_.RunToEnd(); }

void TForm3::SpeedButton10Click() { commands_.Zatrzymaj1Click(); }

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
  const bool inside = r.left() < p.x() && p.x() < r.left() + r.width() && r.top() < p.y() &&
                      p.y() < r.top() + r.height();
  if (commands_.Exists() && inside) return false;
  const int delta = event.angleDelta().y();
  if (delta != 0) canvas->WheelScroll(delta < 0 ? -1 : 1);
  event.accept();
  return true;
}

}  // namespace zuvar
