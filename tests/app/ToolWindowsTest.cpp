#include <QApplication>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

#include "app/LogWindow.h"
#include "app/SimulationCommands.h"
#include "app/SimulationWindow.h"
#include "app/SourceWindow.h"
#include "app/ToolWindowPlacement.h"
#include "tests/app/AppTestSupport.h"

using namespace zuvar;
using zuvar::test::AppFixture;

namespace {

// A key pressed as a person presses it: into whichever window has the keyboard.
void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWindow* window = QGuiApplication::focusWindow();
  QVERIFY(window != nullptr);
  QTest::keyClick(window, key, modifiers);
  QCoreApplication::processEvents();
}

bool Activate(QWidget* window) {
  window->activateWindow();
  return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

QPoint CentreOf(TSchematView& canvas, const TNewShape& block) {
  return canvas.ViewportOfSheet(block.Left + block.Width / 2, block.Top + block.Height / 2);
}

// The main window opened a menu of its menu bar, and the user closed it with Esc.
void OpenAndEscape(QMenuBar* bar, QMenu* menu) {
  bar->setActiveAction(menu->menuAction());
  QVERIFY(QTest::qWaitFor([menu] { return menu->isVisible(); }));
  QTest::keyClick(menu, Qt::Key_Escape);
  QVERIFY(QTest::qWaitFor([menu] { return !menu->isVisible(); }));
}

int Count(const AppFixture& f, const std::string& line) {
  int n = 0;
  for (const std::string& l : f.Log()) n += l == line ? 1 : 0;
  return n;
}

}  // namespace

class ToolWindowsTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("Ambiguous shortcut"))); }

  void ToolWindowsOpenInTheCornersOfTheMainWindow();
  void PlacesStayOnTheScreen();
  void ActiveBlockGivesTheEditorTheKeyboard();
  void DoubleClickedBlockTakesTheTyping();
  void RunKeysActAfterAnEscapedMenu();
  void KeysActWhicheverWindowIsActive();
};

void ToolWindowsTest::ToolWindowsOpenInTheCornersOfTheMainWindow() {
  AppFixture f;
  TForm2* source = f.app->SourceWindow();
  TForm3* simulation = f.app->SimulationWindow();
  TForm5* log = f.app->LogWindow();
  QVERIFY(!source->isVisible() && !simulation->isVisible() && !log->isVisible());
  f.Window()->ShowSourceWindow();
  f.Menu().Interpretator1->trigger();
  f.Menu().PlikLog1->trigger();
  QVERIFY(source->isVisible() && simulation->isVisible() && log->isVisible());
  QCoreApplication::processEvents();

  // Their frames, framed only now, stand where the first paint placed them: at the first paint
  // the output panel had its design height and its 3-pixel splitter.
  const QRect main = f.Window()->frameGeometry();
  const int below = 82 + 3;
  const QRect s = source->frameGeometry();
  const QRect r = simulation->frameGeometry();
  const QRect l = log->frameGeometry();
  QCOMPARE(s.topLeft(),
           QPoint(main.left() + 10, main.top() + main.height() - s.height() - below - 25));
  QCOMPARE(r.topLeft(), QPoint(main.left() + main.width() - r.width() - 25,
                               main.top() + main.height() - r.height() - below - 25));
  QCOMPARE(l.topLeft(), QPoint(main.left() + main.width() - l.width() - 25, main.top() + 25));
  // Clear of the menus and of each other, on the main window's screen.
  QMenuBar* bar = f.Window()->menuBar();
  const QRect menus(bar->mapToGlobal(QPoint(0, 0)), bar->size());
  for (const QRect& window : {s, r, l}) QVERIFY(!window.intersects(menus));
  QVERIFY(!s.intersects(r));
  QVERIFY(!r.intersects(l));
  const QRect screen = f.Window()->screen()->availableGeometry();
  for (const QRect& window : {s, r, l}) QVERIFY(screen.contains(window));
}

void ToolWindowsTest::PlacesStayOnTheScreen() {
  namespace Place = ToolWindowPlacement;
  const QRect screen(0, 0, 800, 600);
  const QSize own(222, 114);
  // A main window hanging off the left and top edges: its tool windows come back onto the screen.
  const QRect main(-300, -200, 500, 400);
  QCOMPARE(Place::SourceWindow(main, own, 85), QPoint(-290, -200 + 400 - 114 - 85 - 25));
  QCOMPARE(Place::KeepInside(Place::SourceWindow(main, own, 85), own, screen), QPoint(0, 0));
  QCOMPARE(Place::KeepInside(Place::LogWindow(QRect(600, 0, 400, 300), own), own, screen),
           QPoint(800 - 222, 25));
  // Inside the screen nothing moves; a window larger than the screen keeps its corner on it.
  QCOMPARE(Place::KeepInside(QPoint(10, 20), own, screen), QPoint(10, 20));
  QCOMPARE(Place::KeepInside(QPoint(-10, 900), QSize(1000, 700), screen), QPoint(0, 0));
  QCOMPARE(Place::Border(QRect(5, 30, 100, 50), QRect(0, 0, 110, 85)), QMargins(5, 30, 5, 5));
}

void ToolWindowsTest::ActiveBlockGivesTheEditorTheKeyboard() {
  AppFixture f;
  f.NewDiagram();
  TNewShape* a = f.AddBlock(nstCalc, 100, 100);
  TNewShape* b = f.AddBlock(nstCalc, 100, 250);
  a->Code = {"x = 1;"};
  b->Code = {"x = 1;"};
  TForm2* source = f.app->SourceWindow();
  f.Window()->ShowSourceWindow();
  QVERIFY(Activate(f.Window()));

  f.Canvas()->SetActiveBlock(a);
  QTRY_COMPARE(QApplication::activeWindow(), source);
  QCOMPARE(QApplication::focusWidget(), source->RichEdit1);
  // Typing and Del reach the editor and so the block; the block itself stays.
  PressKey(Qt::Key_Home);
  PressKey(Qt::Key_Delete);
  PressKey(Qt::Key_Y);
  QCOMPARE(a->Code, std::vector<std::string>{"y = 1;"});
  QCOMPARE(f.Canvas()->Document().ActiveBlock, a);
  QCOMPARE(static_cast<int>(f.Canvas()->Document().BlockCount()), 2);

  // A block whose code is the same as the editor's still takes the keyboard.
  b->Code = a->Code;
  QVERIFY(Activate(f.Window()));
  f.Canvas()->SetActiveBlock(b);
  QTRY_COMPARE(QApplication::activeWindow(), source);
  QCOMPARE(QApplication::focusWidget(), source->RichEdit1);
  PressKey(Qt::Key_End);
  PressKey(Qt::Key_Space);
  QCOMPARE(b->Code, std::vector<std::string>{"y = 1; "});
  QCOMPARE(a->Code, std::vector<std::string>{"y = 1;"});

  // A hidden window, or no active block, takes nothing.
  source->hide();
  QVERIFY(Activate(f.Window()));
  f.Canvas()->SetActiveBlock(a);
  QTest::qWait(50);
  QCOMPARE(QApplication::activeWindow(), f.Window());
  source->show();
  QVERIFY(Activate(f.Window()));
  f.Canvas()->SetActiveBlock(nullptr);
  QTest::qWait(50);
  QCOMPARE(QApplication::activeWindow(), f.Window());
  QVERIFY(!source->RichEdit1->isEnabled());
}

void ToolWindowsTest::DoubleClickedBlockTakesTheTyping() {
  AppFixture f;
  f.NewDiagram();
  TNewShape* block = f.AddBlock(nstCalc, 100, 100);
  TForm2* source = f.app->SourceWindow();
  source->hide();
  QVERIFY(Activate(f.Window()));
  TSchematView& canvas = *f.Canvas();
  // Press and release, then the second press that makes the double click, and its release.
  const QPoint centre = CentreOf(canvas, *block);
  QTest::mouseClick(canvas.viewport(), Qt::LeftButton, Qt::NoModifier, centre);
  QTest::mouseDClick(canvas.viewport(), Qt::LeftButton, Qt::NoModifier, centre);
  QTest::mouseRelease(canvas.viewport(), Qt::LeftButton, Qt::NoModifier, centre);
  QVERIFY(source->isVisible());
  QTRY_COMPARE(QApplication::activeWindow(), source);
  QCOMPARE(QApplication::focusWidget(), source->RichEdit1);
  PressKey(Qt::Key_Z);
  PressKey(Qt::Key_Semicolon);
  QCOMPARE(block->Code, std::vector<std::string>{"z;"});

  // A click on another block hands the keyboard over as well.
  TNewShape* other = f.AddBlock(nstInOut, 300, 100);
  QVERIFY(Activate(f.Window()));
  QTest::mouseClick(canvas.viewport(), Qt::LeftButton, Qt::NoModifier, CentreOf(canvas, *other));
  QCOMPARE(f.Canvas()->Document().ActiveBlock, other);
  QTRY_COMPARE(QApplication::activeWindow(), source);
  PressKey(Qt::Key_W);
  QCOMPARE(other->Code, std::vector<std::string>{"w"});
  QCOMPARE(block->Code, std::vector<std::string>{"z;"});
}

void ToolWindowsTest::RunKeysActAfterAnEscapedMenu() {
  AppFixture f;
  TMainMenu& m = f.Menu();
  TSimulationCommands& run = f.Window()->Simulation();
  f.NewStartToStop();
  QVERIFY(Activate(f.Window()));
  OpenAndEscape(f.Window()->menuBar(), m.Symulacja1);
  PressKey(Qt::Key_F9);
  QVERIFY(run.Exists());

  // F8 steps the run from the simulation window, which the run made active.
  TForm3* simulation = f.app->SimulationWindow();
  QVERIFY(Activate(simulation));
  for (int i = 0; i < 10 && run.Exists(); ++i) PressKey(Qt::Key_F8);
  QVERIFY(!run.Exists());

  // The menu, opened during the run, hid "Uruchom"; after the run its key still starts one.
  QVERIFY(Activate(f.Window()));
  PressKey(Qt::Key_F9);
  QVERIFY(run.Exists());
  OpenAndEscape(f.Window()->menuBar(), m.Symulacja1);
  QVERIFY(!m.Wykonanie1->isVisible());
  simulation->SpeedButton7->click();
  QVERIFY(!run.Exists());
  PressKey(Qt::Key_F9);
  QVERIFY(run.Exists());
  run.End();

  // Ctrl+F9 after an escaped menu runs to the end and ends the run.
  OpenAndEscape(f.Window()->menuBar(), m.Schematblokowy1);
  const int ends = Count(f, "Zakończenie symulacji");
  PressKey(Qt::Key_F9, Qt::ControlModifier);
  QVERIFY(!run.Exists());
  QCOMPARE(Count(f, "Zakończenie symulacji"), ends + 1);
}

void ToolWindowsTest::KeysActWhicheverWindowIsActive() {
  AppFixture f;
  f.NewStartToStop();
  const std::string check = "Sprawdzenie połączeń bloków w schemacie";
  f.Window()->ShowSourceWindow();
  f.Menu().Interpretator1->trigger();
  f.Menu().PlikLog1->trigger();
  QList<QWidget*> windows{f.Window(), f.app->SourceWindow(), f.app->SimulationWindow(),
                          f.app->LogWindow()};
  for (QWidget* window : windows) {
    QVERIFY(Activate(window));
    const int before = Count(f, check);
    PressKey(Qt::Key_F10);
    QVERIFY2(Count(f, check) == before + 1, qPrintable(window->objectName()));
  }
  // In the source editor, Ctrl+A selects the text, not the blocks.
  TNewShape* start = f.Canvas()->Document().FirstBlock;
  f.Canvas()->SetActiveBlock(start);
  QTRY_COMPARE(QApplication::focusWidget(), f.app->SourceWindow()->RichEdit1);
  PressKey(Qt::Key_A, Qt::ControlModifier);
  QVERIFY(!TSchematView::IsSelected(*start));
  // In the main window it selects every block.
  QVERIFY(Activate(f.Window()));
  f.Canvas()->setFocus();
  PressKey(Qt::Key_A, Qt::ControlModifier);
  QVERIFY(TSchematView::IsSelected(*start));
}

QTEST_MAIN(ToolWindowsTest)
#include "ToolWindowsTest.moc"
