#include "app/TraceWindow.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QHideEvent>
#include <QMenuBar>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include "app/Dialogs.h"
#include "app/TraceModel.h"
#include "project/FileError.h"
#include "project/SafeFile.h"
#include "simulation/SimulationRun.h"
#include "simulation/TraceColumns.h"
#include "simulation/TraceCsv.h"
#include "simulation/TraceRecorder.h"

namespace zuvar {

namespace {
const QStringList kCsvFilters{QStringLiteral("Pliki CSV (*.csv)"),
                              QStringLiteral("Wszystkie pliki (*.*)")};
}

TTraceWindow::TTraceWindow(TSimulationRun& run, TTraceRecorder& recorder, TDialogs& dialogs,
                           QWidget* parent)
    : QWidget(parent, Qt::Tool), run_(run), recorder_(recorder), dialogs_(dialogs) {
  setObjectName(QStringLiteral("TraceWindow"));
  setWindowTitle(QStringLiteral("Śledzenie"));
  resize(640, 260);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  MainMenu1 = new QMenuBar(this);
  layout->setMenuBar(MainMenu1);
  model_ = new TTraceModel(recorder_.Rows(), this);
  Table = new QTableView(this);
  layout->addWidget(Table);
  BuildTable();
  BuildMenu();
  follow_.setInterval(kFollowMilliseconds);
  connect(&follow_, &QTimer::timeout, this, &TTraceWindow::Follow);
  run_.AddObserver(*this);
}

TTraceWindow::~TTraceWindow() {
  recorder_.SetRecording(false);
  run_.RemoveObserver(*this);
}

void TTraceWindow::BuildTable() {
  Table->setObjectName(QStringLiteral("TraceTable"));
  Table->setModel(model_);
  Table->setSelectionBehavior(QAbstractItemView::SelectRows);
  Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Table->setWordWrap(false);
  Table->verticalHeader()->hide();
  // Rows of one height: the view need not measure a hundred thousand of them.
  Table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  Table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  QHeaderView* header = Table->horizontalHeader();
  header->setStretchLastSection(true);
  const int widths[TraceColumns::kCount] = {50, 110, 40, 150, 160, 100};
  for (int column = 0; column < TraceColumns::kCount; ++column)
    header->resizeSection(column, widths[column]);
}

void TTraceWindow::BuildMenu() {
  QMenu* menu = MainMenu1->addMenu(QStringLiteral("Plik"));
  menu->setObjectName(QStringLiteral("PlikSledzenia1"));
  QAction* exportCsv = menu->addAction(QStringLiteral("Eksportuj do pliku CSV ..."));
  exportCsv->setObjectName(QStringLiteral("EksportujCSV1"));
  connect(exportCsv, &QAction::triggered, this, [this] { ExportClick(); });
  menu->addSeparator();
  QAction* close = menu->addAction(QStringLiteral("Zamknij to okno"));
  close->setObjectName(QStringLiteral("ZamknijSledzenie1"));
  connect(close, &QAction::triggered, this, &QWidget::hide);
}

void TTraceWindow::Follow() {
  const QScrollBar* bar = Table->verticalScrollBar();
  const bool atEnd = bar->value() >= bar->maximum();
  if (model_->Sync() && atEnd) Table->scrollToBottom();
}

void TTraceWindow::StateChanged(TRunState /*state*/) {
  if (isVisible()) Follow();
}

bool TTraceWindow::ExportClick() {
  Follow();
  if (fileName_.isEmpty()) fileName_ = QString::fromLatin1(DefaultFileName);
  const QString name =
      dialogs_.SaveFile(this, TFileDialogRequest{QStringLiteral("Eksportuj śledzenie do pliku CSV"),
                                                 kCsvFilters, QStringLiteral("csv"), fileName_});
  if (name.isEmpty()) return false;
  fileName_ = name;
  return WriteTo(name);
}

// Written as every file of the program: the old file stays until the new one is complete.
bool TTraceWindow::WriteTo(const QString& fileName) {
  try {
    TSafeFile file(fileName.toStdString());
    file.Write(TraceCsv::Text(recorder_.Rows()));
    file.Commit();
  } catch (const TFileError& error) {
    dialogs_.Message(this, QString::fromUtf8(error.what()), QStringLiteral("ZUVAR 32 Pro"),
                     TMsgIcon::Error, TMsgButtons::Ok);
    return false;
  }
  return true;
}

void TTraceWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  recorder_.SetRecording(true);
  Follow();
  follow_.start();
}

void TTraceWindow::hideEvent(QHideEvent* event) {
  follow_.stop();
  if (!event->spontaneous()) recorder_.SetRecording(false);
  QWidget::hideEvent(event);
}

void TTraceWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  hide();
}

}  // namespace zuvar
