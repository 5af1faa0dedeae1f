#include <QPlainTextEdit>
#include <QTextBlock>
#include <QtTest>

#include "app/EditCommands.h"
#include "app/SheetRenderer.h"
#include "app/SimulationCommands.h"
#include "app/SourceWindow.h"
#include "interpreter/Interpreter.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/DiagramBuilder.h"

using namespace zuvar;
using zuvar::test::AppFixture;
using zuvar::test::TDiagramBuilder;

namespace {

// start -> i = 0 -> node -> two lines adding to i -> i < 6 ? node : stop. Returns the node.
TNewShape* Loop(AppFixture& f) {
  f.NewDiagram();
  TDiagramBuilder b(f.Canvas()->Document());
  b.StartColumn(100, 40);
  TNewShape* start = b.Add(nstStart);
  TNewShape* init = b.Add(nstCalc, {"long i = 0;"});
  TNewShape* node = b.Add(nstNode);
  TNewShape* body = b.Add(nstCalc, {"i = i + 1;", "i = i + 1;"});
  TNewShape* test = b.Add(nstChoice, {"i < 6;"});
  TNewShape* stop = b.At(b.Add(nstStop), 300, 400);
  b.Chain({start, init, node, body, test});
  b.Link(test, node, sideLeft, sideLeft);
  b.LinkFalse(test, stop);
  f.Canvas()->LayoutAll();
  f.app->Options.Simulation.RealTime = true;
  return node;
}

std::string ValueOfI(AppFixture& f) {
  return f.Window()->Simulation().Run()->FindVariable("i")->Values[0];
}

// The numbers of the editor's highlighted lines, counted from 1.
QList<int> HighlightedLines(const TForm2& source) {
  QList<int> lines;
  for (const QTextEdit::ExtraSelection& s : source.RichEdit1->extraSelections())
    lines.append(s.cursor.block().blockNumber() + 1);
  return lines;
}

}  // namespace

class CurrentLineTest : public QObject {
  Q_OBJECT
 private slots:
  void TheConditionDialogSetsChangesAndTakesOffConditions();
  void TheSourceWindowAndTheCanvasShowTheLineRun();
  void UndoBringsBackTheBreakpointOfARestoredBlock();
};

void CurrentLineTest::TheConditionDialogSetsChangesAndTakesOffConditions() {
  AppFixture f;
  TNewShape* node = Loop(f);
  TSchemat& diagram = f.Canvas()->Document();
  TSimulationCommands& s = f.Window()->Simulation();
  TBreakpoints& points = s.Controller().Breakpoints();
  QCOMPARE(f.Menu().Warunekzatrzymania1->text(), QStringLiteral("&Warunek zatrzymania ..."));
  diagram.SetActiveBlock(node);
  // A block without a breakpoint gets one with the condition.
  f.dialogs.texts = {QStringLiteral("  i == 4 ")};
  f.Menu().Warunekzatrzymania1->trigger();
  QCOMPARE(f.dialogs.textQuestions.back().caption, QStringLiteral("Warunek zatrzymania"));
  QVERIFY(points.Has(node->Id));
  QCOMPARE(points.Condition(node->Id), std::string("i == 4"));
  QVERIFY(f.Canvas()->HasBreakpointMark(node));
  s.Wykonanie1Click();
  s.RunToEnd();
  QVERIFY(s.Exists());
  QCOMPARE(ValueOfI(f), std::string("4"));
  s.RunToEnd();  // false at 6: the run ends
  QVERIFY(!s.Exists());

  // The dialog offers the condition it has; one that cannot be evaluated stops and says why.
  f.dialogs.texts = {QStringLiteral("j > 0")};
  f.Menu().Warunekzatrzymania1->trigger();
  QCOMPARE(f.dialogs.textShown.back(), QStringLiteral("i == 4"));
  const std::size_t boxes = f.dialogs.messages.size();
  s.Wykonanie1Click();
  s.RunToEnd();
  QVERIFY(s.Exists());
  QCOMPARE(ValueOfI(f), std::string("0"));
  QVERIFY(f.Logged("Nie można obliczyć warunku zatrzymania w bloku " + node->Caption +
                   ": Błąd składni! Niezdefiniowana zmienna: j : Token poprawny :-)"));
  QCOMPARE(f.dialogs.messages.size(), boxes);
  s.Zakocz1Click();

  // Cancel keeps it; an empty text leaves an unconditional breakpoint.
  f.Menu().Warunekzatrzymania1->trigger();
  QCOMPARE(points.Condition(node->Id), std::string("j > 0"));
  f.dialogs.texts = {QString()};
  f.Menu().Warunekzatrzymania1->trigger();
  QVERIFY(points.Has(node->Id));
  QCOMPARE(points.Condition(node->Id), std::string());
  QVERIFY(f.Canvas()->HasBreakpointMark(node));
}

void CurrentLineTest::TheSourceWindowAndTheCanvasShowTheLineRun() {
  AppFixture f;
  f.NewDiagram();
  TDiagramBuilder b(f.Canvas()->Document());
  b.StartColumn(100, 40);
  TNewShape* start = b.Add(nstStart);
  TNewShape* three = b.Add(nstCalc, {"long x = 1;", "x = x + 1;", "x = x * 3;"});
  TNewShape* one = b.Add(nstCalc, {"x = x - 1;"});
  TNewShape* stop = b.Add(nstStop);
  b.Chain({start, three, one, stop});
  f.Canvas()->LayoutAll();
  f.app->Options.Simulation.RealTime = true;
  TForm2* source = f.app->SourceWindow();
  source->show();
  TSimulationCommands& s = f.Window()->Simulation();
  TSchematView& canvas = *f.Canvas();

  s.Wykonanie1Click();
  for (int line = 1; line <= 3; ++line) {
    s.Step();
    QCoreApplication::processEvents();
    QCOMPARE(source->RichEdit1->toPlainText(),
             QStringLiteral("long x = 1;\nx = x + 1;\nx = x * 3;"));
    QCOMPARE(HighlightedLines(*source), QList<int>{line});
    QVERIFY(source->RichEdit1->isReadOnly());
    QCOMPARE(canvas.LineMarkText(three), QStringLiteral("%1/3").arg(line));
  }
  // On the screen only: a picture of the sheet has nothing beside the block.
  const QImage picture = TSheetRenderer(canvas).ToImage();
  const QRect beside(three->Left + three->Width + 1, three->Top - 8, 30, 20);
  for (int y = beside.top(); y <= beside.bottom(); ++y)
    for (int x = beside.left(); x <= beside.right(); ++x)
      QVERIFY2(picture.pixel(x, y) == qRgb(255, 255, 255), "the line mark was rendered");
  QCOMPARE(canvas.LineMarkText(three), QStringLiteral("3/3"));

  // A block of one line is highlighted in the editor but gets no mark; the last one goes.
  s.Step();
  QCoreApplication::processEvents();
  QCOMPARE(HighlightedLines(*source), QList<int>{1});
  QCOMPARE(canvas.LineMarkText(one), QString());
  QCOMPARE(canvas.LineMarkText(three), QString());
  s.Step();  // the stop block ends the run
  QVERIFY(!s.Exists());
  QCoreApplication::processEvents();
  QCOMPARE(HighlightedLines(*source), QList<int>{});
  QCOMPARE(source->CurrentLine(), 0);

  // A stop on entering the block shows it before its first line.
  s.Controller().Breakpoints().Toggle(three->Id);
  s.Wykonanie1Click();
  s.RunToEnd();
  QCoreApplication::processEvents();
  QCOMPARE(s.Run()->CurrentBlock, three);
  QCOMPARE(HighlightedLines(*source), QList<int>{});
  QCOMPARE(canvas.LineMarkText(three), QString());
  s.Step();
  QCoreApplication::processEvents();
  QCOMPARE(HighlightedLines(*source), QList<int>{1});
  QCOMPARE(canvas.LineMarkText(three), QStringLiteral("1/3"));
  s.Zakocz1Click();
  QCOMPARE(canvas.LineMarkText(three), QString());
  QVERIFY(!source->RichEdit1->isReadOnly());
  (void)start;
  (void)stop;
}

// The dot follows the breakpoints by the block's Id: a deleted block keeps its breakpoint for
// the undo that brings it back, and the restored block shows the dot and stops the run.
void CurrentLineTest::UndoBringsBackTheBreakpointOfARestoredBlock() {
  AppFixture f;
  TNewShape* node = Loop(f);
  const uint32_t id = node->Id;
  TSchemat& diagram = f.Canvas()->Document();
  TSimulationCommands& s = f.Window()->Simulation();
  diagram.SetActiveBlock(node);
  f.dialogs.texts = {QStringLiteral("i == 2")};
  f.Menu().Warunekzatrzymania1->trigger();
  diagram.SetActiveBlock(node);
  f.Window()->EditCommands().Usu2Click();
  QCOMPARE(diagram.FindBlockById(id), nullptr);
  for (int round = 0; round < 2; ++round) {
    f.Window()->EditCommands().Cofnij1Click();
    TNewShape* restored = diagram.FindBlockById(id);
    QVERIFY(restored != nullptr);
    QVERIFY(f.Canvas()->HasBreakpointMark(restored));
    QVERIFY(s.Controller().Breakpoints().Has(id));
    if (round == 0) f.Window()->EditCommands().Ponw1Click();
  }
  s.Wykonanie1Click();
  s.RunToEnd();
  QVERIFY(s.Exists());
  QCOMPARE(s.Run()->CurrentBlock, diagram.FindBlockById(id));
  QCOMPARE(ValueOfI(f), std::string("2"));
  s.Zakocz1Click();
}

QTEST_MAIN(CurrentLineTest)
#include "CurrentLineTest.moc"
