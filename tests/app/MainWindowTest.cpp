#include <QCoreApplication>
#include <QLocale>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTimer>
#include <QToolBar>
#include <QWheelEvent>
#include <QtTest>
#include <cstdlib>

#include "app/LogWindow.h"
#include "app/OutputPanel.h"
#include "app/SimulationCommands.h"
#include "interpreter/Interpreter.h"
#include "tests/app/AppTestSupport.h"

using namespace zuvar;
using zuvar::test::AppFixture;

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void StartUpInItsOrder();
  void MenusAndToolBarAtStart();
  void DiagramStatesSwitchTheCommands();
  void SaveShortcutFollowsTheFileMenu();
  void OptionsInvertTheirCheckMarks();
  void ViewItemsToggleTheirWindows();
  void CheckWithoutDiagramOrWithADiagram();
  void RunOfAnEmptyDiagramIsCancelled();
  void RunStepsToTheEndAndGivesTheEditorBack();
  void CloseIsRefusedWhileARunGoesToTheEnd();
  void WheelOverTheWindowScrollsTheCanvas();
  void ToolsAndEditCommandsReachTheCanvas();
};

void MainWindowTest::StartUpInItsOrder() {
  AppFixture f;
  QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("ZUVAR 32 Pro"));
  QCOMPARE(QLocale().decimalPoint(), QStringLiteral("."));
  QCOMPARE(std::strtod("1.5", nullptr), 1.5);
  QCOMPARE(
      f.Window()->windowTitle(),
      QStringLiteral("ZUVAR 32 Pro - Edytor graficzny i symulator schematów blokowych algorytmów"));
  QCOMPARE(f.Window()->minimumSize(), QSize(400, 300));
  QVERIFY(!f.Window()->FirstPaint);
  QVERIFY(!f.Window()->AskFileName);
  QCOMPARE(f.Log().size(), size_t(1));
  QCOMPARE(f.Log()[0], std::string("Uruchomienie programu"));
  QCOMPARE(f.dialogs.execTitles, std::vector<QString>{QStringLiteral("O programie")});
  // The output panel was shrunk and hidden, its view item unchecked.
  QVERIFY(!f.Menu().Standardowewyjcie1->isChecked());
  QVERIFY(!f.Window()->OutputVisible());
  QVERIFY(!f.app->LogWindow()->isVisible());
  QCOMPARE(f.app->LogWindow()->windowTitle(), QStringLiteral("ZUVAR 32 Pro Log"));
  QVERIFY(f.Canvas() == nullptr);
}

void MainWindowTest::MenusAndToolBarAtStart() {
  AppFixture f;
  TMainMenu& m = f.Menu();
  QStringList menus;
  for (QAction* a : f.Window()->menuBar()->actions()) menus << a->text().remove(QLatin1Char('&'));
  QCOMPARE(menus, QStringList({"Plik", "Edycja", "Widok", "Schemat blokowy", "Symulacja", "Opcje",
                               "Pomoc"}));
  QStringList insert;
  for (QAction* a : m.Wstaw1->actions()) insert << a->text().remove(QLatin1Char('&'));
  QCOMPARE(insert, QStringList({"Start", "Stop", "Obliczenia", "Warunek", "Wej./Wyj.",
                                "Kontynuacja", QStringLiteral("Węzeł")}));
  QCOMPARE(m.Nowy1->shortcut(), QKeySequence("Ctrl+N"));
  QCOMPARE(m.Usu1->shortcut(), QKeySequence("Ctrl+Del"));
  QCOMPARE(m.Usu2->shortcut(), QKeySequence(Qt::Key_Delete));
  QCOMPARE(m.Uruchomiwykonajwczasierzeczywistym1->shortcut(), QKeySequence("Ctrl+F9"));
  QCOMPARE(m.Sprawdpoprawnopoprawnopoczeikodurdowego1->shortcut(), QKeySequence(Qt::Key_F10));
  for (QAction* hidden : {m.Poka1, m.Zakocz1, m.Steep1})
    QVERIFY2(!hidden->isVisible(), qPrintable(hidden->objectName()));
  // The clipboard and alignment items are offered, each with an access key of its own in the
  // menu; snapping is an option, off at start.
  QCOMPARE(m.Kopiuj1->shortcut(), QKeySequence("Ctrl+C"));
  QCOMPARE(m.Wklej1->shortcut(), QKeySequence("Ctrl+V"));
  QSet<QChar> keys;
  for (QAction* a : m.Edycja1->actions()) {
    const qsizetype amp = a->text().indexOf(QLatin1Char('&'));
    if (amp >= 0) QVERIFY2(!keys.contains(a->text().at(amp + 1).toLower()), qPrintable(a->text()));
    if (amp >= 0) keys.insert(a->text().at(amp + 1).toLower());
  }
  for (QAction* item : {m.Kopiuj1, m.Wklej1, m.Wyrwnajwpionie1, m.Wyrwnajwpoziomie1})
    QVERIFY(item->isVisible() && m.Edycja1->actions().contains(item));
  QCOMPARE(m.Wyrwnajwpionie1->text().remove(QLatin1Char('&')), QStringLiteral("Wyrównaj w pionie"));
  QCOMPARE(m.Wyrwnajwpoziomie1->text().remove(QLatin1Char('&')),
           QStringLiteral("Wyrównaj w poziomie"));
  QCOMPARE(m.Przycigajdosiatki1->text().remove(QLatin1Char('&')),
           QStringLiteral("Przyciągaj do siatki"));
  QVERIFY(m.Przycigajdosiatki1->isCheckable() && !m.Przycigajdosiatki1->isChecked());
  QVERIFY(m.Opcje1->actions().contains(m.Przycigajdosiatki1));
  // The code check option is offered, unchecked.
  QVERIFY(m.Sprawdskadnikoduprzeduruchomieniemsymulatora1->isVisible());
  QVERIFY(!m.Sprawdskadnikoduprzeduruchomieniemsymulatora1->isChecked());
  for (QMenu* off : {m.Edycja1, m.Projekt1, m.Symulacja1}) QVERIFY(!off->menuAction()->isEnabled());
  for (QAction* off : {m.Zapisz1, m.Zapiszdopliku1, m.Usu1, m.Ustawieniadrukarki1,
                       m.DrukujSchematblokowy1, m.ExportujSchematblokowy1})
    QVERIFY(!off->isEnabled());
  for (QAction* on : {m.Kodrdowy1, m.Standardowy1, m.BOMBEL1, m.IndeksyTablic1})
    QVERIFY(on->isChecked());
  for (QAction* off :
       {m.Interpretator1, m.PlikLog1, m.Trybrzeczywisty1, m.Odwieajpoczeniapodczasprzesuwaniablokw1,
        m.Kasujlogprzyzaadowaniunowegoschematu1})
    QVERIFY(!off->isChecked());
  QStringList hints;
  QList<bool> enabled;
  int dividers = 0;
  for (QAction* a : m.ToolBar1->actions()) {
    if (a->isSeparator()) {
      ++dividers;
      continue;
    }
    hints << a->toolTip();
    enabled << a->isEnabled();
  }
  QCOMPARE(hints, QStringList({"Nowy schemat",
                               QStringLiteral("Otwórz schemat"),
                               "Zapisz schemat",
                               QStringLiteral("Usuń schemat"),
                               "Cofnij",
                               QStringLiteral("Ponów"),
                               QStringLiteral("Blok początkowy"),
                               QStringLiteral("Blok końcowy"),
                               "Blok obliczeniowy",
                               QStringLiteral("Blok wejścia/wyjścia"),
                               "Blok wyboru",
                               "Blok kontynuacji",
                               QStringLiteral("Blok węzłowy"),
                               QStringLiteral("Usuń aktywny blok"),
                               QStringLiteral("Usuń zaznaczone elementy"),
                               "Zaznacz wszystkie elementy",
                               QStringLiteral("Sprawdzenie poprawności połączeń i kodu źródłowego"),
                               QStringLiteral("Uruchom symulację"),
                               QStringLiteral("Uruchom i wykonaj symulację w czasie rzeczywistym!"),
                               QStringLiteral("Zakończ program")}));
  QCOMPARE(enabled,
           QList<bool>({true,  true,  false, false, false, false, false, false, false, false,
                        false, false, false, false, false, false, true,  true,  true,  true}));
  QCOMPARE(dividers, 4);
}

void MainWindowTest::DiagramStatesSwitchTheCommands() {
  AppFixture f;
  TMainMenu& m = f.Menu();
  f.NewDiagram();
  QVERIFY(f.Canvas() != nullptr);
  for (QMenu* on : m.DiagramMenus()) QVERIFY(on->menuAction()->isEnabled());
  for (QAction* on : m.DiagramItems()) QVERIFY2(on->isEnabled(), qPrintable(on->objectName()));
  m.Usu1->trigger();
  QVERIFY(f.Canvas() == nullptr);
  for (QMenu* off : m.DiagramMenus()) QVERIFY(!off->menuAction()->isEnabled());
  for (QAction* off : m.DiagramItems()) QVERIFY(!off->isEnabled());
  QVERIFY(m.SpeedButton5->isEnabled() && m.SpeedButton9->isEnabled());
}

void MainWindowTest::SaveShortcutFollowsTheFileMenu() {
  AppFixture f;
  TMainMenu& m = f.Menu();
  f.NewDiagram();
  QVERIFY(!m.Zapisz1->isEnabled());
  emit m.Schematblokowy1->aboutToShow();
  QVERIFY(m.Zapisz1->isEnabled());
  m.Usu1->trigger();
  QVERIFY(m.Zapisz1->isEnabled());  // stale until the menu opens again
  m.Zapisz1->trigger();             // without a canvas Save does nothing
  QVERIFY(f.dialogs.saveRequests.empty());
  emit m.Schematblokowy1->aboutToShow();
  QVERIFY(!m.Zapisz1->isEnabled());
}

void MainWindowTest::OptionsInvertTheirCheckMarks() {
  AppFixture f;
  TMainMenu& m = f.Menu();
  m.Odwieajpoczeniapodczasprzesuwaniablokw1->trigger();
  QVERIFY(f.app->Options.RefreshLinksWhileMoving);
  QVERIFY(f.Window()->RefreshLinksWhileMoving());
  m.BOMBEL1->trigger();
  QVERIFY(!f.app->Options.Simulation.Bubble);
  m.Trybrzeczywisty1->trigger();
  QVERIFY(f.app->Options.Simulation.RealTime);
  m.Kasujlogprzyzaadowaniunowegoschematu1->trigger();
  f.NewDiagram();
  QCOMPARE(f.Log().size(), size_t(0));  // cleared when the canvas was made
}

void MainWindowTest::ViewItemsToggleTheirWindows() {
  AppFixture f;
  TMainMenu& m = f.Menu();
  m.Standardowewyjcie1->trigger();
  QVERIFY(m.Standardowewyjcie1->isChecked());
  QVERIFY(f.Window()->OutputVisible());
  m.PlikLog1->trigger();
  QVERIFY(f.app->LogWindow()->isVisible());
  f.app->LogWindow()->close();  // the close box only hides it
  QVERIFY(!f.app->LogWindow()->isVisible());
  QVERIFY(f.app->LogWindow()->HiddenOnce());
  emit m.Widok1->aboutToShow();
  QVERIFY(!m.PlikLog1->isChecked());
  m.Standardowy1->trigger();
  QVERIFY(!m.ToolBar1->isVisible());
  m.Standardowy1->trigger();
  QVERIFY(m.ToolBar1->isVisible());
}

void MainWindowTest::CheckWithoutDiagramOrWithADiagram() {
  AppFixture f;
  f.Menu().SpeedButton18->trigger();
  QCOMPARE(f.Log()[1], std::string("Sprawdzenie połączeń bloków w schemacie"));
  QCOMPARE(f.Log()[2], std::string("Brak schematu do przeprowadzenia kontroli!"));
  QCOMPARE(f.dialogs.messages.back().caption, QStringLiteral("Informacja"));
  QCOMPARE(f.dialogs.messages.back().text,
           QStringLiteral("Brak schematu do przeprowadzenia kontroli!"));
  f.NewDiagram();
  TNewShape* start = f.AddBlock(nstStart, 100, 50);
  TNewShape* stop = f.AddBlock(nstStop, 100, 200);
  start->ExitSide = 4;
  start->EntrySide = 1;
  start->SetBlockLink(stop);
  f.Menu().Sprawdpoprawnopoprawnopoczeikodurdowego1->trigger();
  QVERIFY(f.Logged("Schemat blokowy wydaje się być poprawnie zaprojektowany!"));
  QVERIFY(!f.Window()->Simulation().Exists());
}

void MainWindowTest::RunOfAnEmptyDiagramIsCancelled() {
  AppFixture f;
  f.NewDiagram();
  f.Menu().Wykonanie1->trigger();
  QVERIFY(f.Logged("Uruchomienie symulacji"));
  QCOMPARE(f.Log().back(), std::string("Uruchomienie symulacji anulowano"));
  QVERIFY(!f.Window()->Simulation().Exists());
  QVERIFY(f.Menu().Edycja1->menuAction()->isEnabled());
}

void MainWindowTest::RunStepsToTheEndAndGivesTheEditorBack() {
  AppFixture f;
  TMainMenu& m = f.Menu();
  f.NewStartToStop();
  m.SpeedButton4->trigger();
  TSimulationCommands& run = f.Window()->Simulation();
  QVERIFY(run.Exists());
  QVERIFY(!m.Wykonanie1->isEnabled());
  QVERIFY(!m.Edycja1->menuAction()->isEnabled());
  QVERIFY(m.Interpretator1->isChecked());
  QVERIFY(f.Window()->OutputVisible());
  QCOMPARE(f.Window()->OutputHeight(), 82);
  QVERIFY(f.app->LogWindow()->isVisible());
  m.Wykonanie1->setEnabled(true);
  m.Wykonanie1->trigger();  // a second run does not start
  QVERIFY(run.Exists());
  emit m.Symulacja1->aboutToShow();
  QVERIFY(!m.Wykonanie1->isVisible());
  QVERIFY(m.Zakocz1->isVisible());
  // F8 acts although its item is hidden.
  // The step that finishes the algorithm ends the run.
  for (int i = 0; i < 10 && run.Exists(); ++i) QTest::keyClick(f.Window(), Qt::Key_F8);
  QVERIFY(!run.Exists());
  QVERIFY(f.Logged("Zakończenie symulacji"));
  emit m.Symulacja1->aboutToShow();
  QVERIFY(m.Wykonanie1->isVisible() && m.Wykonanie1->isEnabled());
  QVERIFY(!m.Zakocz1->isVisible());
  QVERIFY(m.Edycja1->menuAction()->isEnabled());
  QVERIFY(m.Schematblokowy1->menuAction()->isEnabled());
  // Once hidden, the log window is not opened by the next run.
  f.app->LogWindow()->hide();
  m.Uruchomiwykonajwczasierzeczywistym1->trigger();
  QVERIFY(!run.Exists());  // ran to the end and was ended
  QVERIFY(!f.app->LogWindow()->isVisible());
  QVERIFY(f.app->Options.Simulation.RealTime);
}

void MainWindowTest::CloseIsRefusedWhileARunGoesToTheEnd() {
  AppFixture f;
  f.NewDiagram();
  auto add = [&f](TNewShapeType type, int top, const char* code) {
    TNewShape* block = f.AddBlock(type, 100, top);
    if (code != nullptr) block->Code = {code};
    f.Canvas()->LayoutBlock(*block);
    return block;
  };
  auto link = [](TNewShape* from, TNewShape* to, bool falseExit) {
    from->ExitSide = 4;
    from->EntrySide = 1;
    if (falseExit)
      from->SetBlockLinkFalse(to);
    else
      from->SetBlockLink(to);
  };
  TNewShape* start = add(nstStart, 20, nullptr);
  TNewShape* init = add(nstCalc, 80, "int x = 0;");
  TNewShape* test = add(nstChoice, 140, "x < 100000000;");
  TNewShape* step = add(nstCalc, 220, "x = x + 1;");
  TNewShape* stop = add(nstStop, 300, nullptr);
  link(start, init, false);
  link(init, test, false);
  link(test, step, false);
  link(test, stop, true);
  link(step, test, false);
  f.app->Options.Simulation.RealTime = true;
  bool refused = false;
  QTimer::singleShot(50, f.Window(), [&] {
    refused = !f.Window()->close();
    f.Window()->Simulation().Zatrzymaj1Click();
  });
  f.Menu().SpeedButton3->trigger();
  QVERIFY(refused);
  QVERIFY(
      f.Logged("Nie można zamknąc programu podczas animacji przejścia pomiędzy blokami schematu!"));
  QCOMPARE(f.dialogs.messages.back().caption, QStringLiteral("Informacja...."));
  QVERIFY(f.Window()->Simulation().Exists());  // stopped, not finished
  f.Window()->Simulation().End();
  QVERIFY(!f.Window()->Simulation().Exists());
}

void MainWindowTest::WheelOverTheWindowScrollsTheCanvas() {
  AppFixture f;
  const QPointF at(5, 5);
  QWheelEvent down(at, f.Window()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(f.Window(), &down);  // no canvas: nothing happens
  f.NewDiagram();
  f.Canvas()->SetVertPosition(0);
  QApplication::sendEvent(f.Window(), &down);
  QCOMPARE(f.Canvas()->VertPosition(), 35);
}

void MainWindowTest::ToolsAndEditCommandsReachTheCanvas() {
  AppFixture f;
  TMainMenu& m = f.Menu();
  f.NewDiagram();
  m.SpeedButton17->trigger();
  QCOMPARE(f.Canvas()->Tool, nstChoice);
  m.Kontynuacja1->trigger();
  QCOMPARE(f.Canvas()->Tool, nstContinuum);
  TNewShape* a = f.AddBlock(nstCalc, 100, 100);
  f.AddBlock(nstCalc, 200, 100);
  m.Zaznaczwszystkieelementy1->trigger();
  QVERIFY(TSchematView::IsSelected(*a));
  f.Canvas()->SetActiveBlock(a);
  m.Usu2->trigger();
  QCOMPARE(static_cast<int>(f.Canvas()->Document().BlockCount()), 1);
  m.SpeedButton2->trigger();
  QCOMPARE(static_cast<int>(f.Canvas()->Document().BlockCount()), 0);
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
