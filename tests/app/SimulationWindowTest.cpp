#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <algorithm>

#include "app/OutputPanel.h"
#include "app/PasswordDlg.h"
#include "app/SheetRenderer.h"
#include "app/SimulationCommands.h"
#include "app/SimulationWindow.h"
#include "app/SourceWindow.h"
#include "app/VariablesModel.h"
#include "editor/BlockItem.h"
#include "editor/SchematView.h"
#include "interpreter/Interpreter.h"
#include "model/Link.h"
#include "simulation/SimulationOptions.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/DiagramBuilder.h"

using namespace zuvar;
using zuvar::test::AppFixture;
using zuvar::test::TDiagramBuilder;

namespace {

// start -> declare -> read -> decision: TRUE to a continuation whose partner writes x, FALSE to
// a stop block.
void ReadAndDecide(AppFixture& f) {
  f.NewDiagram();
  TDiagramBuilder b(f.Canvas()->Document());
  b.StartColumn(100, 40);
  TNewShape* start = b.Add(nstStart);
  TNewShape* declare = b.Add(nstCalc, {"long x;"});
  TNewShape* in = b.Add(nstInOut, {"read(x);"});
  TNewShape* test = b.Add(nstChoice, {"x > 0;"});
  TNewShape* away = b.Continuation("A");
  TNewShape* arrive = b.At(b.Continuation("A"), 300, 40);
  TNewShape* out = b.At(b.Add(nstInOut, {"write(x);"}), 300, 120);
  TNewShape* stop = b.At(b.Add(nstStop), 300, 200);
  TNewShape* stop2 = b.At(b.Add(nstStop), 450, 200);
  b.Chain({start, declare, in, test, away});
  b.Chain({arrive, out, stop});
  b.LinkFalse(test, stop2);
  f.Canvas()->LayoutAll();
}

void Endless(AppFixture& f) {
  f.NewDiagram();
  TDiagramBuilder b(f.Canvas()->Document());
  b.StartColumn(100, 40);
  TNewShape* start = b.Add(nstStart);
  TNewShape* init = b.Add(nstCalc, {"long i = 0;"});
  TNewShape* loop = b.Add(nstNode);
  TNewShape* body = b.Add(nstCalc, {"i = i + 1;"});
  TNewShape* test = b.Add(nstChoice, {"i > 0;"});
  TNewShape* stop = b.At(b.Add(nstStop), 300, 400);
  b.Chain({start, init, loop, body, test});
  b.Link(test, loop, sideLeft, sideLeft);
  b.LinkFalse(test, stop);
  f.Canvas()->LayoutAll();
}

void AnswerReads(AppFixture& f, const QString& value) {
  f.dialogs.exec = [value](QDialog& dialog) {
    auto* password = qobject_cast<TPasswordDlg*>(&dialog);
    if (password == nullptr) return int(QDialog::Accepted);
    password->Password->setText(value);
    password->OKBtn->click();
    return password->result();
  };
}

bool GridHas(const TForm3& form, const std::string& name, const std::string& value) {
  for (const TGridRow& row : form.Variables->Rows())
    if (row.Name == name && row.Value == value) return true;
  return false;
}

}  // namespace

class SimulationWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void DesignState();
  void StepsThroughReadDecisionAndContinuationWithF8();
  void StopDuringRunToEndThenContinueByStepsAndEnd();
  void RealTimeRunToTheEnd();
  void RealTimeRunShowsTheActiveBlockAtEveryFrameAndWhenStopped();
  void PasswordDialogRefusesAnEmptyEntry();
  void FoldAndUnfoldRestoreTheSize();
  void TitleRowIsDrawnAboveTheVariables();
  void EveryButtonIsOnTheToolBarAtDesignAndMinimumWidth();
  void ToolBarIsDisabledWithoutADiagram();
  void TypingChangesTheBlockAndReroutesItsLinks();
  void EditorFollowsARunAndEditsAgainAfterIt();
  void F5SetsABreakpointShownOnTheScreenOnlyAndARunStopsThere();
  void TheSpeedRowSetsThePace();
  void StepBackUndoesStepsWithTheButtonAndShiftF8();
};

void SimulationWindowTest::DesignState() {
  AppFixture f;
  TForm3* form = f.app->SimulationWindow();
  QVERIFY(form != nullptr);
  QCOMPARE(form->windowTitle(), QStringLiteral("ZUVAR 32 Pro - Symulacja"));
  QCOMPARE(form->SpeedButton6->toolTip(), QStringLiteral("Uruchom  symulację"));
  // The buttons hold the idle states; the tool bar itself waits for a diagram.
  QVERIFY(form->SpeedButton6->isEnabledTo(form->ToolBar1) &&
          form->SpeedButton3->isEnabledTo(form->ToolBar1));
  for (QToolButton* b :
       {form->SpeedButton7, form->SpeedButton8, form->SpeedButton9, form->SpeedButton10})
    QVERIFY(!b->isEnabledTo(form->ToolBar1));
  QCOMPARE(form->Variables->Rows()[0].Name, std::string("Nazwa zmiennej"));
  QCOMPARE(form->Variables->Rows()[0].Value, std::string("Wartość"));
}

void SimulationWindowTest::StepsThroughReadDecisionAndContinuationWithF8() {
  AppFixture f;
  ReadAndDecide(f);
  AnswerReads(f, QStringLiteral("7"));
  f.app->Options.Simulation.RealTime = true;
  TForm3* form = f.app->SimulationWindow();
  form->SpeedButton6->click();
  TSimulationCommands& run = f.Window()->Simulation();
  QVERIFY(run.Exists());
  QVERIFY(form->isVisible());
  QVERIFY(!form->SpeedButton6->isEnabled());
  QVERIFY(form->SpeedButton7->isEnabled() && form->SpeedButton8->isEnabled());
  QCOMPARE(f.Window()->OutputHeight(), 82);
  // Closing the window during a run is refused.
  form->close();
  QVERIFY(form->isVisible());
  for (int i = 0; i < 20 && run.Exists(); ++i) QTest::keyClick(f.Window(), Qt::Key_F8);
  QVERIFY(!run.Exists());
  QVERIFY(f.Logged("Symulacja algorytmu została wykonana"));
  QVERIFY(f.Logged("Zakończenie symulacji"));
  QCOMPARE(f.Window()->Frame1->Lines().Lines().front(), std::string("7"));
  QCOMPARE(f.dialogs.execTitles.back(), QStringLiteral("Wprowadzanie wartości zmiennej"));
  QVERIFY(GridHas(*form, "x", "7"));  // kept after the run
  QVERIFY(form->SpeedButton6->isEnabled() && !form->SpeedButton8->isEnabled());
  QVERIFY(f.Menu().Wykonanie1->isEnabled());
  form->close();
  QVERIFY(!form->isVisible());
}

void SimulationWindowTest::StopDuringRunToEndThenContinueByStepsAndEnd() {
  AppFixture f;
  Endless(f);
  f.app->Options.Simulation.RealTime = true;
  TForm3* form = f.app->SimulationWindow();
  form->SpeedButton6->click();
  TSimulationCommands& run = f.Window()->Simulation();
  bool closeRefused = false;
  QTimer::singleShot(100, form, [&] {
    QVERIFY(form->SpeedButton10->isEnabled());
    QVERIFY(!form->SpeedButton7->isEnabled() && !form->SpeedButton3->isEnabled());
    f.Window()->close();
    closeRefused = f.Window()->isVisible() &&
                   f.Logged(
                       "Nie można zamknąc programu podczas animacji przejścia pomiędzy "
                       "blokami schematu!");
    f.Menu().Zatrzymaj1->trigger();
  });
  form->SpeedButton9->click();
  QVERIFY(closeRefused);
  QVERIFY(run.Exists());
  QVERIFY(f.Logged("Zatrzymanie wykonywania algorytmu"));
  QVERIFY(!form->SpeedButton10->isEnabled());
  QVERIFY(form->SpeedButton7->isEnabled() && form->SpeedButton8->isEnabled() &&
          form->SpeedButton9->isEnabled());
  const int lineBefore = run.Run()->Line;
  TNewShape* before = run.Run()->CurrentBlock;
  QTest::keyClick(f.Window(), Qt::Key_F8);
  QVERIFY(run.Run()->CurrentBlock != before || run.Run()->Line != lineBefore);
  form->Variables->Refresh();
  QVERIFY(form->Variables->Rows().size() >= 2);
  QCOMPARE(form->Variables->Rows()[1].Name, std::string("i"));
  form->SpeedButton7->click();
  QVERIFY(!run.Exists());
  QVERIFY(form->SpeedButton6->isEnabled() && !form->SpeedButton7->isEnabled());
}

void SimulationWindowTest::RealTimeRunToTheEnd() {
  AppFixture f;
  ReadAndDecide(f);
  AnswerReads(f, QStringLiteral("-2"));
  TForm3* form = f.app->SimulationWindow();
  form->SpeedButton3->click();
  QVERIFY(!f.Window()->Simulation().Exists());
  QVERIFY(!f.app->Options.Simulation.RealTime);  // put back
  QVERIFY(!f.Menu().Trybrzeczywisty1->isChecked());
  QVERIFY(f.Logged("Wykonanie całego algorytmu"));
  QVERIFY(f.Logged("Symulacja algorytmu została wykonana"));
  QVERIFY(GridHas(*form, "x", "-2"));
  QVERIFY(form->SpeedButton3->isEnabled() && form->SpeedButton6->isEnabled());
}

// The canvas raises and scrolls to the active block once per frame during a real-time run: when
// the windows get to work, and when the run stops, it is the topmost block, filled red and in
// view, even on a sheet much larger than the window.
void SimulationWindowTest::RealTimeRunShowsTheActiveBlockAtEveryFrameAndWhenStopped() {
  AppFixture f;
  f.NewDiagram();
  TSchematView& canvas = *f.Canvas();
  canvas.Document().SetSheetSize(4000, 4000);
  TDiagramBuilder b(canvas.Document());
  b.StartColumn(100, 40);
  TNewShape* start = b.Add(nstStart);
  b.StartColumn(3000, 3000);
  TNewShape* loop = b.Add(nstNode);
  TNewShape* body = b.Add(nstCalc, {"i = i + 1;"});
  TNewShape* test = b.Add(nstChoice, {"i > 0;"});
  TNewShape* stop = b.At(b.Add(nstStop), 3300, 3300);
  TNewShape* init = b.At(b.Add(nstCalc, {"long i = 0;"}), 100, 200);
  b.Chain({start, init, loop, body, test});
  b.Link(test, loop, sideLeft, sideLeft);
  b.LinkFalse(test, stop);
  canvas.LayoutAll();
  f.app->Options.Simulation.RealTime = true;
  const auto shown = [&canvas] {
    TNewShape* active = canvas.Document().ActiveBlock;
    if (active == nullptr || !(active->Brush == TBrush::Solid(clRed))) return false;
    const TBlockItem* item = canvas.ItemOf(active);
    for (TNewShape* other = canvas.Document().FirstBlock; other != nullptr; other = other->Next) {
      if (other != active && canvas.ItemOf(other)->zValue() >= item->zValue()) return false;
    }
    // The outline's pen may reach a pixel past an edge the block was scrolled to.
    const QRect onScreen = canvas.mapFromScene(item->sceneBoundingRect()).boundingRect();
    return canvas.viewport()->rect().adjusted(-1, -1, 1, 1).contains(onScreen);
  };
  TSimulationCommands& run = f.Window()->Simulation();
  bool shownMidRun = false;
  QTimer::singleShot(100, f.Window(), [&] {
    shownMidRun = run.Exists() && shown();
    f.Menu().Zatrzymaj1->trigger();
  });
  run.SpeedButton3Click();
  QVERIFY(run.Exists());
  QVERIFY(shownMidRun);
  QVERIFY(shown());
  QCOMPARE(canvas.Document().ActiveBlock, run.Run()->CurrentBlock);
  run.Step();
  QVERIFY(shown());
  run.End();
}

void SimulationWindowTest::PasswordDialogRefusesAnEmptyEntry() {
  TPasswordDlg dialog;
  QCOMPARE(dialog.windowTitle(), QStringLiteral("Wprowadzanie wartości zmiennej"));
  QCOMPARE(dialog.Label1->text(), QStringLiteral("Podaj wartość zmiennej:"));
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));
  dialog.OKBtn->click();
  QVERIFY(dialog.isVisible());
  dialog.reject();
  QVERIFY(dialog.isVisible());
  dialog.close();
  QVERIFY(dialog.isVisible());
  QTest::keyClicks(dialog.Password, QStringLiteral("12"));
  QTest::keyClick(dialog.Password, Qt::Key_Return);
  QVERIFY(!dialog.isVisible());
  QCOMPARE(dialog.Password->text(), QStringLiteral("12"));
  dialog.show();  // shown again: empty
  QVERIFY(dialog.Password->text().isEmpty());
}

void SimulationWindowTest::FoldAndUnfoldRestoreTheSize() {
  AppFixture f;
  f.NewDiagram();
  TForm3* form = f.app->SimulationWindow();
  form->show();
  QVERIFY(QTest::qWaitForWindowExposed(form));
  form->resize(300, 250);
  QCoreApplication::processEvents();
  const QSize before = form->size();
  form->SpeedButton1->click();
  QCOMPARE(form->size(), QSize(TForm3::MinimumWidth, TForm3::MinimumHeight));
  form->SpeedButton1->click();
  QCOMPARE(form->size(), before);
  form->SpeedButton1->click();
  form->SpeedButton1->click();
  QCOMPARE(form->size(), before);
}

void SimulationWindowTest::TypingChangesTheBlockAndReroutesItsLinks() {
  AppFixture f;
  f.NewDiagram();
  TDiagramBuilder b(f.Canvas()->Document());
  b.StartColumn(100, 40);
  TNewShape* start = b.Add(nstStart);
  TNewShape* test = b.Add(nstChoice, {"x > 0;"});
  TNewShape* stop = b.Add(nstStop);
  b.Chain({start, test, stop});
  f.Canvas()->LayoutAll();
  TForm2* source = f.app->SourceWindow();
  f.Window()->ShowSourceWindow();
  QVERIFY(source->isVisible());
  QVERIFY(f.Menu().Usu2->shortcut().isEmpty());  // Del belongs to the editor
  f.Canvas()->SetActiveBlock(test);
  QCoreApplication::processEvents();
  QCOMPARE(source->RichEdit1->toPlainText(), QStringLiteral("x > 0;"));
  f.Canvas()->Document().Saved = true;
  const int32_t width = test->Width;
  const int32_t linkStart = start->OutLink->EndX;
  QTextCursor cursor = source->RichEdit1->textCursor();
  cursor.movePosition(QTextCursor::Start);
  source->RichEdit1->setTextCursor(cursor);
  QTest::keyClicks(source->RichEdit1, QStringLiteral("alfa + beta + gamma > "));
  QCOMPARE(test->Code.front(), std::string("alfa + beta + gamma > x > 0;"));
  QCOMPARE(test->Caption, test->Code.front());
  QVERIFY(test->Width > width);
  QVERIFY(start->OutLink->EndX != linkStart || test->OutLink->StartX != linkStart);
  QVERIFY(!f.Canvas()->Document().Saved);
  // Another active block: the code stays in the decision, the diagram's flag is unchanged.
  f.Canvas()->Document().Saved = true;
  f.Canvas()->SetActiveBlock(stop);
  QCoreApplication::processEvents();
  QVERIFY(f.Canvas()->Document().Saved);
  QVERIFY(source->RichEdit1->toPlainText().isEmpty());
  QCOMPARE(test->Code.front(), std::string("alfa + beta + gamma > x > 0;"));
  source->hide();
  QCOMPARE(f.Menu().Usu2->shortcut(), QKeySequence(Qt::Key_Delete));
  // Read-only while a run exists.
  f.Canvas()->SetActiveBlock(test);
  source->show();
  f.app->Options.Simulation.RealTime = true;
  f.Menu().Wykonanie1->trigger();
  QVERIFY(!f.Window()->Simulation().Exists() || source->RichEdit1->isReadOnly());
}

// A run shows each executing block's code; once it ends, the block active before it is shown
// and typing goes into it again, every block keeping its own code.
void SimulationWindowTest::EditorFollowsARunAndEditsAgainAfterIt() {
  AppFixture f;
  f.NewDiagram();
  TDiagramBuilder b(f.Canvas()->Document());
  b.StartColumn(100, 40);
  TNewShape* start = b.Add(nstStart);
  TNewShape* first = b.Add(nstCalc, {"long a = 1;"});
  TNewShape* second = b.Add(nstCalc, {"a = a + 1;", "a = a * 2;"});
  TNewShape* stop = b.Add(nstStop);
  b.Chain({start, first, second, stop});
  f.Canvas()->LayoutAll();
  TForm2* source = f.app->SourceWindow();
  f.Window()->ShowSourceWindow();
  f.Canvas()->SetActiveBlock(second);
  TSimulationCommands& s = f.Window()->Simulation();
  s.Wykonanie1Click();
  const QString shown[] = {QStringLiteral("long a = 1;"), QStringLiteral("a = a + 1;\na = a * 2;")};
  for (const QString& code : {shown[0], shown[1], shown[1]}) {
    s.Step();
    QCoreApplication::processEvents();
    QCOMPARE(source->RichEdit1->toPlainText(), code);
    QVERIFY(source->RichEdit1->isReadOnly());
  }
  s.End();
  QCoreApplication::processEvents();
  QCOMPARE(f.Canvas()->Document().ActiveBlock, second);
  QCOMPARE(source->RichEdit1->toPlainText(), shown[1]);
  QVERIFY(!source->RichEdit1->isReadOnly());
  QTextCursor cursor = source->RichEdit1->textCursor();
  cursor.movePosition(QTextCursor::Start);
  source->RichEdit1->setTextCursor(cursor);
  QTest::keyClicks(source->RichEdit1, QStringLiteral("b"));
  QCOMPARE(second->Code, (std::vector<std::string>{"ba = a + 1;", "a = a * 2;"}));
  QCOMPARE(first->Code, std::vector<std::string>{"long a = 1;"});
  f.Canvas()->SetActiveBlock(first);
  QCoreApplication::processEvents();
  QCOMPARE(source->RichEdit1->toPlainText(), shown[0]);
  QCOMPARE(second->Code.front(), std::string("ba = a + 1;"));
}

// The window as the user sees it: "Nazwa zmiennej" and "Wartość" drawn in the grid's first row,
// the first variable under them.
void SimulationWindowTest::TitleRowIsDrawnAboveTheVariables() {
  AppFixture f;
  ReadAndDecide(f);
  AnswerReads(f, QStringLiteral("5"));
  TForm3* form = f.app->SimulationWindow();
  form->SpeedButton3->click();
  QVERIFY(GridHas(*form, "x", "5"));
  form->show();
  QVERIFY(QTest::qWaitForWindowExposed(form));
  QHeaderView* titles = form->StringGrid1->horizontalHeader();
  QVERIFY(titles->isVisible());
  QVERIFY(titles->height() >= 16);
  QCOMPARE(titles->model()->headerData(0, Qt::Horizontal).toString(),
           QStringLiteral("Nazwa zmiennej"));
  QCOMPARE(titles->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Wartość"));
  // The title row is the top of the grid; the first variable is drawn below it.
  const QPoint titlesTop = titles->mapTo(form->StringGrid1, QPoint(0, 0));
  const QModelIndex first = form->Variables->index(0, 0);
  const QPoint firstTop = form->StringGrid1->viewport()->mapTo(
      form->StringGrid1, form->StringGrid1->visualRect(first).topLeft());
  QVERIFY(titlesTop.y() < firstTop.y());
  QVERIFY(titlesTop.y() + titles->height() <= firstTop.y());
  QCOMPARE(form->Variables->data(first).toString(), QStringLiteral("x"));
  // Both titles leave ink inside their cells (the cell borders are left out).
  const QImage drawn = titles->grab().toImage();
  for (int column : {0, 1}) {
    const int left = titles->sectionViewportPosition(column);
    const int width = std::min(titles->sectionSize(column), drawn.width() - left);
    int ink = 0;
    for (int y = 3; y < drawn.height() - 3; ++y)
      for (int x = left + 3; x < left + width - 3; ++x)
        if (qGray(drawn.pixel(x, y)) < 110) ++ink;
    QVERIFY2(ink >= 15,
             qPrintable(QStringLiteral("column %1: %2 dark pixels").arg(column).arg(ink)));
  }
}

// The design width is also the minimum width: every button is on the tool bar, none behind an
// overflow arrow, and fold and unfold both work by the button.
void SimulationWindowTest::EveryButtonIsOnTheToolBarAtDesignAndMinimumWidth() {
  AppFixture f;
  f.NewDiagram();
  TForm3* form = f.app->SimulationWindow();
  QCOMPARE(form->minimumSize(), QSize(TForm3::MinimumWidth, TForm3::MinimumHeight));
  form->show();
  QVERIFY(QTest::qWaitForWindowExposed(form));
  const auto checkButtons = [form](const char* when) {
    QCoreApplication::processEvents();
    const QRect bar = form->ToolBar1->geometry();
    QVERIFY2(bar.bottom() < form->height(), when);
    for (QToolButton* b :
         {form->SpeedButton6, form->SpeedButton7, form->SpeedButton11, form->SpeedButton8,
          form->SpeedButton9, form->SpeedButton10, form->SpeedButton3, form->SpeedButton1}) {
      QVERIFY2(b->isVisible(), qPrintable(b->objectName() + QLatin1String(" ") + when));
      QVERIFY2(QRect(QPoint(0, 0), bar.size()).contains(b->geometry()),
               qPrintable(b->objectName() + QLatin1String(" ") + when));
      QVERIFY(b->width() >= TForm3::MinimumButtonWidth);
    }
    for (QToolButton* b : form->ToolBar1->findChildren<QToolButton*>())
      if (b->objectName() == QLatin1String("qt_toolbar_ext_button"))
        QVERIFY2(!b->isVisible(), when);
  };
  QCOMPARE(form->size(), QSize(220, 190));
  checkButtons("at the design size");
  form->SpeedButton1->click();
  QCOMPARE(form->size(), QSize(TForm3::MinimumWidth, TForm3::MinimumHeight));
  checkButtons("folded");
  form->SpeedButton1->click();
  QCOMPARE(form->size(), QSize(220, 190));
}

void SimulationWindowTest::ToolBarIsDisabledWithoutADiagram() {
  AppFixture f;
  TForm3* form = f.app->SimulationWindow();
  form->show();
  QVERIFY(QTest::qWaitForWindowExposed(form));
  QVERIFY(!form->ToolBar1->isEnabled());
  form->SpeedButton6->click();
  form->SpeedButton3->click();
  QVERIFY(f.dialogs.messages.empty());
  QVERIFY(!f.Logged("Uruchomienie symulacji"));
  f.NewDiagram();
  QVERIFY(form->ToolBar1->isEnabled());
  QVERIFY(form->SpeedButton6->isEnabled() && !form->SpeedButton7->isEnabled());
  f.Canvas()->Document().Saved = true;
  f.Menu().Usu1->trigger();
  QVERIFY(f.Canvas() == nullptr);
  QVERIFY(!form->ToolBar1->isEnabled());
}

void SimulationWindowTest::F5SetsABreakpointShownOnTheScreenOnlyAndARunStopsThere() {
  AppFixture f;
  Endless(f);
  TSchemat& diagram = f.Canvas()->Document();
  TNewShape* loop = diagram.FirstBlock->Next->Next;
  diagram.SetActiveBlock(loop);
  QCOMPARE(f.Menu().Punktzatrzymania1->shortcut(), QKeySequence(Qt::Key_F5));
  f.Menu().Punktzatrzymania1->trigger();
  QVERIFY(f.Canvas()->HasBreakpointMark(loop));
  // Not in a picture of the sheet: the corner stays as the block paints it.
  const QImage picture = TSheetRenderer(*f.Canvas()).ToImage();
  QVERIFY(!picture.isNull());
  const QRgb corner = picture.pixel(loop->Left + 1, loop->Top + 1);
  QVERIFY2(!(qRed(corner) > 200 && qGreen(corner) < 60), "the breakpoint dot was rendered");

  TSimulationCommands& s = f.Window()->Simulation();
  f.app->Options.Simulation.RealTime = true;
  s.Wykonanie1Click();
  s.RunToEnd();
  QVERIFY(s.Exists());
  QCOMPARE(s.Run()->CurrentBlock, loop);
  QCOMPARE(s.Controller().State(), TRunState::Ready);
  s.RunToEnd();  // goes on to the next pass
  QCOMPARE(s.Run()->FindVariable("i")->Values[0], std::string("1"));
  s.Zakocz1Click();

  // F5 again takes it off; a new diagram has none.
  f.Menu().Punktzatrzymania1->trigger();
  QVERIFY(!f.Canvas()->HasBreakpointMark(loop));
  f.Menu().Punktzatrzymania1->trigger();
  QVERIFY(s.Controller().Breakpoints().Has(loop->Id));
  f.NewDiagram();
  QVERIFY(s.Controller().Breakpoints().Empty());
}

void SimulationWindowTest::TheSpeedRowSetsThePace() {
  AppFixture f;
  TForm3* form = f.app->SimulationWindow();
  QCOMPARE(form->Tempo1->minimum(), TSimulationOptions::kSlowest);
  QCOMPARE(form->Tempo1->maximum(), TSimulationOptions::kFastest);
  QCOMPARE(form->Tempo1->value(), 0);
  QCOMPARE(form->TempoLabel1->text(), QStringLiteral("×1"));
  form->Tempo1->setValue(4);
  QCOMPARE(f.app->Options.Simulation.Speed, 4);
  QCOMPARE(form->TempoLabel1->text(), QStringLiteral("×16"));
  form->Tempo1->setValue(-2);
  QCOMPARE(form->TempoLabel1->text(), QStringLiteral("×1/4"));
  QCOMPARE(f.app->Options.Simulation.Speed, -2);
}

// The button and Shift+F8 take the run back step by step: the output panel drops what the
// undone steps wrote, the grid loses what they declared, and a `read` that was undone asks again.
void SimulationWindowTest::StepBackUndoesStepsWithTheButtonAndShiftF8() {
  AppFixture f;
  ReadAndDecide(f);
  AnswerReads(f, QStringLiteral("7"));
  f.app->Options.Simulation.RealTime = true;
  TForm3* form = f.app->SimulationWindow();
  QAction* menuItem = f.Menu().Krokwstecz1;
  QCOMPARE(menuItem->text(), QStringLiteral("&Krok wstecz"));
  QCOMPARE(menuItem->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F8));
  QCOMPARE(form->SpeedButton11->toolTip(), QStringLiteral("Krok wstecz - Shift+F8"));
  form->SpeedButton6->click();
  TSimulationCommands& run = f.Window()->Simulation();
  QVERIFY(!form->SpeedButton11->isEnabled() && !menuItem->isEnabled());
  TOutputLines& output = f.Window()->Frame1->Lines();
  for (int i = 0; i < 20 && output.Lines().empty(); ++i) QTest::keyClick(f.Window(), Qt::Key_F8);
  QCOMPARE(output.Lines(), std::vector<std::string>{"7"});
  QCoreApplication::processEvents();
  QCOMPARE(f.Window()->Frame1->Memo1->toPlainText(), QStringLiteral("7"));
  const auto reads = [&f] {
    return std::count(f.dialogs.execTitles.begin(), f.dialogs.execTitles.end(),
                      QStringLiteral("Wprowadzanie wartości zmiennej"));
  };
  QCOMPARE(reads(), 1);
  QVERIFY(form->SpeedButton11->isEnabled() && menuItem->isEnabled());
  form->SpeedButton11->click();
  QVERIFY(f.Logged("Krok wstecz"));
  QVERIFY(output.Lines().empty());
  QCoreApplication::processEvents();
  QCOMPARE(f.Window()->Frame1->Memo1->toPlainText(), QString());
  for (int i = 0; i < 20 && menuItem->isEnabled(); ++i)
    QTest::keyClick(f.Window(), Qt::Key_F8, Qt::ShiftModifier);
  QVERIFY(!form->SpeedButton11->isEnabled() && !menuItem->isEnabled());
  QVERIFY(run.Exists());
  QCOMPARE(run.Run()->VariableCount(), std::size_t{0});
  form->Variables->Refresh();
  QCOMPARE(form->Variables->Rows().size(), std::size_t{2});  // the titles and an empty row
  QCOMPARE(form->Variables->Rows()[1].Name, std::string());
  TSchemat& diagram = f.Canvas()->Document();
  for (TNewShape* b = diagram.FirstBlock; b; b = b->Next)
    QVERIFY(b->Brush.Clear || b->Brush.Color != clRed);
  for (int i = 0; i < 20 && output.Lines().empty(); ++i) QTest::keyClick(f.Window(), Qt::Key_F8);
  QCOMPARE(reads(), 2);
  QCOMPARE(output.Lines(), std::vector<std::string>{"7"});
  form->SpeedButton7->click();
  QVERIFY(!form->SpeedButton11->isEnabled() && !menuItem->isEnabled());
}

QTEST_MAIN(SimulationWindowTest)
#include "SimulationWindowTest.moc"
