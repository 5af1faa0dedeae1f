// Figures of the desktop program under the offscreen platform: opening a 2,000-block project
// until it is shown, and one drag step of a 500-block selection with live links.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>
#include <memory>

#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "app/ZuvarApp.h"
#include "bench/BenchCanvasHost.h"
#include "bench/BenchDiagram.h"
#include "bench/BenchDialogs.h"
#include "editor/CanvasHost.h"
#include "editor/SchematView.h"
#include "model/FixedWidthMeasurer.h"
#include "project/ProjectWriter.h"
#include "tests/support/RecordingHost.h"

using namespace zuvar;
using zuvar::bench::BuildChain;
using zuvar::bench::TBenchCanvasHost;
using zuvar::bench::TBenchDialogs;

namespace {

void SendMove(TSchematView& view, QEvent::Type type, int x, int y, Qt::MouseButton button,
              Qt::MouseButtons buttons) {
  const QPointF local = view.ViewportOfSheet(x, y);
  QMouseEvent event(type, local, view.viewport()->mapToGlobal(local), button, buttons,
                    Qt::NoModifier);
  QApplication::sendEvent(view.viewport(), &event);
}

}  // namespace

class EditorBench : public QObject {
  Q_OBJECT
 private slots:
  void OpenAndShow2000Blocks();
  void DragStepOf500SelectedBlocksWithLiveLinks();
};

void EditorBench::OpenAndShow2000Blocks() {
  QTemporaryDir dir;
  const QString name = dir.filePath("bench2000.bin");
  {
    TSchemat doc;
    TFixedWidthMeasurer measurer;
    BuildChain(doc, 2000, 10, measurer);
    test::TRecordingHost host;
    QVERIFY(TProjectWriter(host).Write(name.toStdString(), doc) == TWriteResult::Ok);
  }
  TBenchDialogs dialogs;
  dialogs.openName = name;
  TZuvarApp::PrepareProcess();
  TZuvarApp app(dialogs);
  app.Start();
  QVERIFY(QTest::qWaitForWindowExposed(app.MainWindow()));
  QCoreApplication::processEvents();
  qint64 worst = 0;
  QBENCHMARK {
    QElapsedTimer clock;
    clock.start();
    app.MainWindow()->Menu.Wczytajzpliku1->trigger();
    app.MainWindow()->Schemat()->viewport()->repaint();
    worst = std::max(worst, clock.elapsed());
  }
  QCOMPARE(static_cast<int>(app.MainWindow()->Schemat()->Document().BlockCount()), 2000);
  qInfo("open and show 2000 blocks: worst %lld ms (target < 1000 ms)",
        static_cast<long long>(worst));
}

void EditorBench::DragStepOf500SelectedBlocksWithLiveLinks() {
  TBenchCanvasHost host;
  TSchemat document;
  QUndoStack stack;
  TSchematView view(host, document, stack);
  view.resize(1200, 900);
  view.show();
  QVERIFY(QTest::qWaitForWindowExposed(&view));
  BuildChain(view.Document(), 500, 20, TFixedWidthMeasurer());
  view.SetSheetSize(view.Document().SheetWidth, view.Document().SheetHeight);
  view.Zaznaczwszystkieelementy1Click();
  TNewShape* grabbed = view.Document().FirstBlock;
  const int x = grabbed->Left + 5, y = grabbed->Top + 5;
  SendMove(view, QEvent::MouseButtonPress, x, y, Qt::LeftButton, Qt::LeftButton);
  int step = 0;
  qint64 worst = 0;
  QBENCHMARK {
    QElapsedTimer clock;
    clock.start();
    const int dx = (step++ % 2 == 0) ? 3 : -3;
    SendMove(view, QEvent::MouseMove, grabbed->Left + 5 + dx, grabbed->Top + 5, Qt::NoButton,
             Qt::LeftButton);
    view.viewport()->repaint();
    worst = std::max(worst, clock.elapsed());
  }
  SendMove(view, QEvent::MouseButtonRelease, grabbed->Left + 5, grabbed->Top + 5, Qt::LeftButton,
           Qt::NoButton);
  QVERIFY(grabbed->OutLink->Visible);
  qInfo("drag step of 500 selected blocks with live links: worst %lld ms (target < 30 ms)",
        static_cast<long long>(worst));
}

QTEST_MAIN(EditorBench)
#include "EditorBench.moc"
