#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

#include "app/SimulationCommands.h"
#include "app/TraceModel.h"
#include "app/TraceWindow.h"
#include "simulation/TraceBuffer.h"
#include "simulation/TraceCsv.h"
#include "simulation/TraceRecorder.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/DiagramBuilder.h"

using namespace zuvar;
using zuvar::test::AppFixture;
using zuvar::test::TDiagramBuilder;

namespace {

// start -> "long i = 0;" -> "i < n;" TRUE -> "i = i + 1;" -> write("ż,") back to the
// decision, FALSE -> stop.
void CountingLoop(AppFixture& f, int n) {
  f.NewDiagram();
  TDiagramBuilder b(f.Canvas()->Document());
  b.StartColumn(100, 40);
  TNewShape* start = b.Add(nstStart);
  TNewShape* init = b.Add(nstCalc, {"long i = 0;"});
  TNewShape* test = b.Add(nstChoice, {"i < " + std::to_string(n) + ";"});
  TNewShape* body = b.Add(nstCalc, {"i = i + 1;"});
  TNewShape* out = b.Add(nstInOut, {"write(\"ż,\");"});
  TNewShape* stop = b.At(b.Add(nstStop), 300, 200);
  b.Chain({start, init, test, body, out});
  b.Link(out, test, sideLeft, sideLeft);
  b.LinkFalse(test, stop);
  f.Canvas()->LayoutAll();
  f.app->Options.Simulation.RealTime = true;
}

QString Cell(const QAbstractItemModel& model, int row, int column) {
  return model.index(row, column).data().toString();
}

}  // namespace

class TraceWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void ViewMenuOpensTheWindowWithItsOwnAccessKey();
  void WindowFollowsARealTimeRunAndANewRunClearsIt();
  void ExportWritesTheCsvSafely();
  void RecordsOnlyWhileTheWindowIsShown();
  void ModelTakesRowsInBatchesAndDropsTheOldest();
};

void TraceWindowTest::ViewMenuOpensTheWindowWithItsOwnAccessKey() {
  AppFixture f;
  TMainMenu& m = f.Menu();
  QCOMPARE(m.Sledzenie1->text(), QStringLiteral("Ś&ledzenie"));
  QList<QChar> keys;
  for (QAction* action : m.Widok1->actions()) {
    const QString text = action->text();
    const qsizetype amp = text.indexOf(QLatin1Char('&'));
    if (amp >= 0 && amp + 1 < text.size()) keys.push_back(text.at(amp + 1).toLower());
  }
  QCOMPARE(keys.count(QLatin1Char('l')), 1);
  m.Sledzenie1->trigger();
  TTraceWindow& window = f.Window()->TraceWindow();
  QVERIFY(window.isVisible());
  QCOMPARE(window.windowTitle(), QStringLiteral("Śledzenie"));
  QCOMPARE(window.Table->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Krok"));
  QCOMPARE(window.Table->model()->headerData(4, Qt::Horizontal).toString(),
           QStringLiteral("Zmienione zmienne"));
  emit m.Widok1->aboutToShow();
  QVERIFY(m.Sledzenie1->isChecked());
  window.close();
  QVERIFY(!window.isVisible());
  emit m.Widok1->aboutToShow();
  QVERIFY(!m.Sledzenie1->isChecked());
}

void TraceWindowTest::WindowFollowsARealTimeRunAndANewRunClearsIt() {
  AppFixture f;
  CountingLoop(f, 300);
  f.Menu().Sledzenie1->trigger();
  TTraceWindow& window = f.Window()->TraceWindow();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  TSimulationCommands& commands = f.Window()->Simulation();
  commands.SpeedButton3Click();
  QCOMPARE(commands.Exists(), false);
  const TTraceBuffer& rows = commands.Trace().Rows();
  QCOMPARE(rows.Size(), size_t(1 + 300 * 3 + 2));
  QTRY_COMPARE(window.Table->model()->rowCount(), int(rows.Size()));
  const QAbstractItemModel& model = *window.Table->model();
  QCOMPARE(Cell(model, 0, 4), QStringLiteral("i = 0"));
  QCOMPARE(Cell(model, 2, 1), QStringLiteral("i = i + 1;"));
  QCOMPARE(Cell(model, 2, 2), QStringLiteral("1"));
  QCOMPARE(Cell(model, 2, 4), QStringLiteral("i = 1"));
  QCOMPARE(Cell(model, 3, 5), QStringLiteral("ż,"));
  QScrollBar* bar = window.Table->verticalScrollBar();
  QTRY_COMPARE(bar->value(), bar->maximum());

  commands.Wykonanie1Click();
  QVERIFY(commands.Exists());
  QCOMPARE(window.Table->model()->rowCount(), 0);
  commands.Step();
  QCOMPARE(window.Table->model()->rowCount(), 1);
  commands.End();
}

void TraceWindowTest::ExportWritesTheCsvSafely() {
  AppFixture f;
  CountingLoop(f, 2);
  TSimulationCommands& commands = f.Window()->Simulation();
  TTraceWindow& window = f.Window()->TraceWindow();
  window.show();
  commands.SpeedButton3Click();
  const std::size_t shown = f.dialogs.messages.size();  // the run's own messages
  const QString name = f.Path("ślad.csv");
  f.dialogs.saveNames = {name};
  window.findChild<QAction*>(QStringLiteral("EksportujCSV1"))->trigger();
  QCOMPARE(f.dialogs.saveRequests.back().DefaultSuffix, QStringLiteral("csv"));
  QCOMPARE(f.dialogs.saveRequests.back().FileName, QStringLiteral("sledzenie.csv"));
  const QByteArray text = test::ReadAll(name);
  QCOMPARE(text, QByteArray::fromStdString(TraceCsv::Text(commands.Trace().Rows())));
  QVERIFY(text.startsWith("Krok,Blok,Linia,Kod,Zmienione zmienne,Wypisano\r\n"));
  QVERIFY(text.contains("4,\"write(\"\"ż,\"\");\",1,\"write(\"\"ż,\"\");\",,\"ż,\"\r\n"));
  QCOMPARE(f.dialogs.messages.size(), shown);

  // A target that cannot be replaced by a file: the failure is shown, nothing is written.
  const QString folder = f.Path("folder.csv");
  QVERIFY(QDir().mkdir(folder));
  f.dialogs.saveNames = {folder};
  QVERIFY(!window.ExportClick());
  QCOMPARE(f.dialogs.messages.size(), shown + 1);
  QVERIFY(QFileInfo(folder).isDir());
  QCOMPARE(test::ReadAll(name), text);
  // Cancelled: nothing happens.
  QVERIFY(!window.ExportClick());
  QCOMPARE(f.dialogs.messages.size(), shown + 1);
}

// Steps taken while the window is closed leave no rows but keep their numbers; a new run with
// the window closed still clears the old rows.
void TraceWindowTest::RecordsOnlyWhileTheWindowIsShown() {
  AppFixture f;
  CountingLoop(f, 5);
  TSimulationCommands& commands = f.Window()->Simulation();
  const TTraceBuffer& rows = commands.Trace().Rows();
  commands.Wykonanie1Click();
  commands.Step();
  commands.Step();
  QCOMPARE(rows.Size(), size_t(0));
  TTraceWindow& window = f.Window()->TraceWindow();
  window.show();
  commands.Step();
  commands.Step();
  window.close();
  commands.Step();
  QCOMPARE(rows.Size(), size_t(2));
  QCOMPARE(rows.At(0).Step, std::uint64_t(3));
  QCOMPARE(rows.At(1).Step, std::uint64_t(4));
  QCOMPARE(std::string(rows.At(1).Code), std::string("write(\"ż,\");"));
  commands.End();
  commands.Wykonanie1Click();
  QCOMPARE(rows.Size(), size_t(0));
  commands.End();
}

void TraceWindowTest::ModelTakesRowsInBatchesAndDropsTheOldest() {
  TTraceBuffer rows(5);
  TTraceModel model(rows);
  QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
  QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
  QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
  auto add = [&](int count) {
    for (int i = 0; i < count; ++i) {
      TTraceRow& row = rows.Append();
      row.Step = rows.Added();
    }
  };
  QVERIFY(!model.Sync());
  add(3);
  QCOMPARE(model.rowCount(), 0);  // nothing shown before the batch is taken
  QVERIFY(model.Sync());
  QCOMPARE(model.rowCount(), 3);
  add(4);
  QCOMPARE(Cell(model, 0, 0), QString());  // row 1 has left the trace meanwhile
  QCOMPARE(Cell(model, 2, 0), QStringLiteral("3"));
  QVERIFY(model.Sync());
  QCOMPARE(model.rowCount(), 5);
  QCOMPARE(Cell(model, 0, 0), QStringLiteral("3"));
  QCOMPARE(Cell(model, 4, 0), QStringLiteral("7"));
  QCOMPARE(removed.size(), 1);
  QCOMPARE(inserted.size(), 1);  // one batch, not one signal per row
  add(20);
  QVERIFY(model.Sync());
  QCOMPARE(Cell(model, 0, 0), QStringLiteral("23"));
  rows.Clear();
  add(1);
  QVERIFY(model.Sync());
  QCOMPARE(model.rowCount(), 1);
  QCOMPARE(Cell(model, 0, 0), QStringLiteral("1"));
  QCOMPARE(reset.size(), 3);
}

QTEST_MAIN(TraceWindowTest)
#include "TraceWindowTest.moc"
