#include <QApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSplitter>
#include <QWheelEvent>
#include <QtTest>

#include "app/OutputPanel.h"
#include "app/SimulationCommands.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/DiagramBuilder.h"

using namespace zuvar;
using zuvar::test::AppFixture;
using zuvar::test::TDiagramBuilder;

namespace {

// The main window as a run leaves it: output panel shown, 82 pixels high.
void ShowOutput(AppFixture& f) {
  f.Window()->SetOutputVisible(true);
  f.Window()->SetOutputHeight(82);
  QCoreApplication::processEvents();
}

int CanvasAreaHeight(AppFixture& f) { return f.Window()->Splitter2->sizes().front(); }

void SendMouse(QWidget* to, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
  QMouseEvent event(type, at, to->mapToGlobal(at),
                    type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                    Qt::NoModifier);
  QApplication::sendEvent(to, &event);
}

}  // namespace

class OutputDockingTest : public QObject {
  Q_OBJECT
 private slots:
  void FloatingShrinksThePanelAndDockingFillsItAgain();
  void OnlyTheMemoMayDockOnThePanel();
  void WheelOnThePanelIsLeftToTheDefaultHandling();
  void FloatingMemoKeepsShowingTheOutput();
  void DragOfTheMemoThatEndsOutsideFloatsIt();
  void FloatingMemoReturnsWhenItsWindowClosesOrOnDoubleClick();
  void FloatingMemoFitsTheScreenAndLeavesADropStrip();
  void ContextMenuClearsTheOutput();
  void TheMemoKeepsTheNewestLinesUnderANotice();
};

void OutputDockingTest::FloatingShrinksThePanelAndDockingFillsItAgain() {
  AppFixture f;
  ShowOutput(f);
  TFrame1* panel = f.Window()->Frame1;
  QPlainTextEdit* memo = panel->Memo1;
  QCOMPARE(f.Window()->OutputHeight(), 82);
  const int canvasDocked = CanvasAreaHeight(f);

  panel->FloatMemo(QPoint(40, 60));
  QCoreApplication::processEvents();
  QVERIFY(panel->MemoFloating() && memo->windowFlags().testFlag(Qt::Tool));
  QCOMPARE(memo->parentWidget(), panel);  // the panel still owns it
  QVERIFY(memo->isVisible() && memo->height() >= 82);
  // The panel shrank to its drop strip and the canvas got the rest.
  const int strip = f.Window()->OutputHeight();
  QVERIFY(strip >= 20 && strip < 82);
  QCOMPARE(strip, panel->DropZone()->height());
  QCOMPARE(CanvasAreaHeight(f), canvasDocked + 82 - strip);
  // The run's height request does not blow the panel up again.
  f.Window()->SetOutputHeight(82);
  QCOMPARE(f.Window()->OutputHeight(), strip);

  panel->DockMemo();
  QCoreApplication::processEvents();
  QVERIFY(!panel->MemoFloating());
  QCOMPARE(f.Window()->Splitter2->indexOf(panel), f.Window()->Splitter2->count() - 1);
  QCOMPARE(f.Window()->OutputHeight(), 82);
  QCOMPARE(CanvasAreaHeight(f), canvasDocked);
  QCOMPARE(memo->geometry(), panel->rect());
  QVERIFY(!panel->DropZone()->isVisible());
  // Docked, the panel is sized by its splitter again, and the memo follows it.
  f.Window()->SetOutputHeight(150);
  QCoreApplication::processEvents();
  QCOMPARE(f.Window()->OutputHeight(), 150);
  QCOMPARE(memo->geometry(), panel->rect());
}

void OutputDockingTest::OnlyTheMemoMayDockOnThePanel() {
  TFrame1 panel;
  QWidget other;
  other.setObjectName(QStringLiteral("Edit1"));
  const std::unique_ptr<QMimeData> dock = panel.DockMimeData();
  QMimeData text;
  text.setText(QStringLiteral("Memo1"));

  QVERIFY(TFrame1::AcceptsDock(panel.Memo1, dock.get()));
  QVERIFY(!TFrame1::AcceptsDock(&other, dock.get()));
  QVERIFY(!TFrame1::AcceptsDock(panel.Memo1, &text));
  QVERIFY(!TFrame1::AcceptsDock(nullptr, dock.get()));  // from another program

  // Drags that no control of this program started are refused while they hover.
  panel.resize(300, 82);
  for (const QMimeData* data :
       {static_cast<const QMimeData*>(dock.get()), static_cast<const QMimeData*>(&text)}) {
    QDragEnterEvent enter(QPoint(10, 10), Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&panel, &enter);
    QVERIFY(!enter.isAccepted());
    QDragMoveEvent move(QPoint(20, 20), Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&panel, &move);
    QVERIFY(!move.isAccepted());
  }
}

void OutputDockingTest::WheelOnThePanelIsLeftToTheDefaultHandling() {
  TFrame1 panel;
  panel.resize(300, 82);
  QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&panel, &wheel);
  QVERIFY(!wheel.isAccepted());
}

void OutputDockingTest::FloatingMemoKeepsShowingTheOutput() {
  AppFixture f;
  ShowOutput(f);
  TFrame1* panel = f.Window()->Frame1;
  panel->FloatMemo(QPoint(40, 60));
  // A run writes into the floating memo and leaves the empty panel shrunk.
  f.NewDiagram();
  TDiagramBuilder b(f.Canvas()->Document());
  b.StartColumn(100, 40);
  TNewShape* start = b.Add(nstStart);
  TNewShape* declare = b.Add(nstCalc, {"long x = 6 * 7;"});
  TNewShape* out = b.Add(nstInOut, {"write(x);"});
  TNewShape* stop = b.Add(nstStop);
  b.Chain({start, declare, out, stop});
  f.Canvas()->LayoutAll();
  f.app->Options.Simulation.RealTime = true;
  f.Menu().Uruchomiwykonajwczasierzeczywistym1->trigger();
  QVERIFY(!f.Window()->Simulation().Exists());
  QVERIFY(panel->MemoFloating() && panel->Memo1->isVisible());
  QCOMPARE(f.Window()->OutputHeight(), panel->DropZone()->height());
  QCOMPARE(panel->Memo1->toPlainText(), QStringLiteral("42"));
  // Hiding the output hides the floating memo too; showing it brings it back.
  f.Window()->SetOutputVisible(false);
  QVERIFY(!panel->Memo1->isVisible());
  f.Window()->SetOutputVisible(true);
  QVERIFY(panel->Memo1->isVisible());
  // The lines stay when the memo docks again, and keep coming.
  panel->DockMemo();
  panel->Lines().AppendText("!");
  QCoreApplication::processEvents();  // output reaches the memo once per event-loop pass
  QCOMPARE(panel->Memo1->toPlainText(), QStringLiteral("42!"));
}

void OutputDockingTest::DragOfTheMemoThatEndsOutsideFloatsIt() {
  AppFixture f;
  ShowOutput(f);
  TFrame1* panel = f.Window()->Frame1;
  QWidget* viewport = panel->Memo1->viewport();
  // A short move is a click, not a drag.
  SendMouse(viewport, QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton);
  SendMouse(viewport, QEvent::MouseMove, QPoint(11, 10), Qt::LeftButton);
  SendMouse(viewport, QEvent::MouseButtonRelease, QPoint(11, 10), Qt::NoButton);
  QCoreApplication::processEvents();
  QVERIFY(!panel->MemoFloating());
  // Without a drop on the panel, the drag ends outside it.
  SendMouse(viewport, QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton);
  SendMouse(viewport, QEvent::MouseMove, QPoint(10 + QApplication::startDragDistance() + 5, 40),
            Qt::LeftButton);
  QTRY_VERIFY(panel->MemoFloating());
  QCOMPARE(f.Window()->OutputHeight(), panel->DropZone()->height());
}

void OutputDockingTest::FloatingMemoReturnsWhenItsWindowClosesOrOnDoubleClick() {
  AppFixture f;
  ShowOutput(f);
  TFrame1* panel = f.Window()->Frame1;
  panel->FloatMemo(QPoint(40, 60));
  // Its window closes as quitting the program closes windows, and must not refuse.
  QVERIFY(panel->Memo1->windowHandle()->close());
  QTRY_VERIFY(!panel->MemoFloating());
  QCOMPARE(f.Window()->OutputHeight(), 82);
  QVERIFY(panel->Memo1->isVisible());

  panel->FloatMemo(QPoint(40, 60));
  QWidget* viewport = panel->Memo1->viewport();
  SendMouse(viewport, QEvent::MouseButtonDblClick, QPoint(10, 10), Qt::LeftButton);
  QTRY_VERIFY(!panel->MemoFloating());
  QCOMPARE(f.Window()->OutputHeight(), 82);
}

void OutputDockingTest::FloatingMemoFitsTheScreenAndLeavesADropStrip() {
  AppFixture f;
  ShowOutput(f);
  TFrame1* panel = f.Window()->Frame1;
  QPlainTextEdit* memo = panel->Memo1;
  const QRect screen = f.Window()->screen()->availableGeometry();
  QCOMPARE(memo->width(), f.Window()->width());  // docked, as wide as the window
  // Dropped near the bottom right corner of the screen, the memo stays wholly on it.
  panel->FloatMemo(screen.bottomRight() - QPoint(20, 10));
  QCoreApplication::processEvents();
  QVERIFY(memo->isVisible());
  const QRect floating = memo->frameGeometry();
  QVERIFY(screen.contains(floating));
  QVERIFY(memo->width() <= screen.width() / 2);
  QVERIFY(memo->height() >= 82 && memo->height() <= screen.height() / 2);
  // Dropped far outside, it comes back onto the screen.
  panel->FloatMemo(QPoint(-5000, -5000));
  QCOMPARE(memo->frameGeometry().topLeft(), screen.topLeft());

  // The panel keeps a strip across the bottom of the main window to drop the memo on.
  QLabel* strip = panel->DropZone();
  QVERIFY(panel->isVisible() && strip->isVisible());
  QVERIFY(strip->height() >= 20);
  QCOMPARE(strip->text(), QStringLiteral("Przeciągnij tutaj okno standardowego wyjścia"));
  const QRect window(f.Window()->mapToGlobal(QPoint(0, 0)), f.Window()->size());
  const QRect zone(strip->mapToGlobal(QPoint(0, 0)), strip->size());
  QCOMPARE(zone.bottom(), window.bottom());
  QCOMPARE(zone.width(), window.width());
  // The strip is the panel's: a drop there lands on the panel.
  QCOMPARE(f.Window()->childAt(f.Window()->mapFromGlobal(zone.center()))->window(), f.Window());
  QWidget* target = f.Window()->childAt(f.Window()->mapFromGlobal(zone.center()));
  while (target != nullptr && !target->acceptDrops()) target = target->parentWidget();
  QCOMPARE(target, panel);

  panel->DockMemo();
  QCoreApplication::processEvents();
  QVERIFY(!strip->isVisible());
  QCOMPARE(f.Window()->OutputHeight(), 82);
}

void OutputDockingTest::ContextMenuClearsTheOutput() {
  AppFixture f;
  ShowOutput(f);
  TFrame1* panel = f.Window()->Frame1;
  QCOMPARE(panel->Memo1->contextMenuPolicy(), Qt::CustomContextMenu);
  QCOMPARE(panel->Wyczysc1->text(), QStringLiteral("&Wyczyść"));
  panel->Lines().AppendText("1 2 3");
  panel->Lines().AddLine();
  panel->Lines().AppendText("4");
  panel->Flush();
  QVERIFY(!panel->Memo1->toPlainText().isEmpty());
  panel->Wyczysc1->trigger();
  QVERIFY(panel->Lines().Lines().empty());
  QVERIFY(panel->Memo1->toPlainText().isEmpty());
  panel->Lines().AppendText("5");  // output goes on after clearing
  panel->Flush();
  QCOMPARE(panel->Memo1->toPlainText(), QStringLiteral("5"));
}

namespace {
void WriteLines(TFrame1& panel, int from, int to) {
  for (int i = from; i <= to; ++i) {
    if (i > from || panel.Lines().LineCount() > 0) panel.Lines().AddLine();
    panel.Lines().AppendText(std::to_string(i));
  }
}
}  // namespace

// A small limit stands for the hundred thousand lines of the panel: the memo and the lines keep
// the newest, the memo's first line counts the rest, and clearing starts afresh.
void OutputDockingTest::TheMemoKeepsTheNewestLinesUnderANotice() {
  TFrame1 panel(nullptr, 3);
  WriteLines(panel, 1, 3);
  panel.Flush();
  QCOMPARE(panel.Memo1->toPlainText(), QStringLiteral("1\n2\n3"));
  WriteLines(panel, 4, 4);
  panel.Flush();
  QCOMPARE(panel.Memo1->toPlainText(),
           QStringLiteral("(pominięto 1 najstarszy wiersz wyjścia)\n2\n3\n4"));
  // Far more lines than are kept before the event loop comes round: the memo takes them in on
  // the way, so that the waiting text stays small.
  WriteLines(panel, 5, 100);
  QVERIFY(panel.Memo1->document()->blockCount() <= 1 + 3 * 3);
  panel.Flush();
  QCOMPARE(panel.Memo1->toPlainText(),
           QStringLiteral("(pominięto 97 najstarszych wierszy wyjścia)\n98\n99\n100"));
  QCOMPARE(panel.Lines().Lines(), (std::vector<std::string>{"98", "99", "100"}));
  QCOMPARE(panel.Lines().Dropped(), size_t(97));
  panel.SetLineLimit(1);
  QCOMPARE(panel.Memo1->toPlainText(),
           QStringLiteral("(pominięto 99 najstarszych wierszy wyjścia)\n100"));
  panel.Wyczysc1->trigger();
  QVERIFY(panel.Memo1->toPlainText().isEmpty());
  WriteLines(panel, 1, 2);
  panel.Flush();
  QCOMPARE(panel.Memo1->toPlainText(),
           QStringLiteral("(pominięto 1 najstarszy wiersz wyjścia)\n2"));
}

QTEST_MAIN(OutputDockingTest)
#include "OutputDockingTest.moc"
