#include <QToolButton>
#include <QtTest>

#include "app/SimulationCommands.h"
#include "app/SimulationWindow.h"
#include "app/SourceWindow.h"
#include "tests/app/AppTestSupport.h"

using namespace zuvar;
using zuvar::test::AppFixture;

// The source and simulation windows are tool windows of the main window: the main window's
// shortcuts keep acting while one of them is the active window.
class ToolWindowOwnershipTest : public QObject {
  Q_OBJECT
 private slots:
  void F8StepsWhileTheSimulationWindowIsActive();
  void F9StartsARunWhileTheSourceWindowIsActive();
  void ClosingTheProgramDuringARun();
};

void ToolWindowOwnershipTest::F8StepsWhileTheSimulationWindowIsActive() {
  AppFixture f;
  f.NewStartToStop();
  TForm3* form = f.app->SimulationWindow();
  form->SpeedButton6->click();
  TSimulationCommands& run = f.Window()->Simulation();
  QVERIFY(run.Exists());
  form->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(form));
  for (int i = 0; i < 10 && run.Exists(); ++i) QTest::keyClick(form, Qt::Key_F8);
  QVERIFY(!run.Exists());
  QVERIFY(f.Logged("Symulacja algorytmu została wykonana"));
}

void ToolWindowOwnershipTest::F9StartsARunWhileTheSourceWindowIsActive() {
  AppFixture f;
  f.NewStartToStop();
  TForm2* source = f.app->SourceWindow();
  source->show();
  source->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(source));
  QTest::keyClick(source, Qt::Key_F9);
  QVERIFY(f.Window()->Simulation().Exists());
}

// The windows of a run go with the program, in an order that never reaches a destroyed one.
void ToolWindowOwnershipTest::ClosingTheProgramDuringARun() {
  AppFixture f;
  f.NewStartToStop();
  f.app->SimulationWindow()->SpeedButton6->click();
  QVERIFY(f.Window()->Simulation().Exists());
  f.app.reset();
  QVERIFY(f.app == nullptr);
}

QTEST_MAIN(ToolWindowOwnershipTest)
#include "ToolWindowOwnershipTest.moc"
