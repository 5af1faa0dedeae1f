#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QUndoStack>
#include <QtTest>

#include "app/SimulationCommands.h"
#include "app/SourceWindow.h"
#include "app/StronaSizer.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/DiagramBuilder.h"
#include "tests/support/DocumentSnapshot.h"

using namespace zuvar;
using zuvar::test::AppFixture;
using zuvar::test::DocumentSnapshot;
using zuvar::test::TDiagramBuilder;

namespace {

// A start block leading to a decision whose exits go to a calculation block and a stop block.
struct TSample {
  TNewShape *start, *test, *calc, *stop;
};

TSample BuildSample(AppFixture& f) {
  f.NewDiagram();
  TDiagramBuilder b(f.Canvas()->Document());
  b.StartColumn(300, 140);
  TSample s;
  s.start = b.Add(nstStart);
  s.test = b.Add(nstChoice, {"x > 0;"});
  s.stop = b.Add(nstStop);
  b.Chain({s.start, s.test, s.stop});
  s.calc = f.AddBlock(nstCalc, 500, 400);
  s.calc->Code = {"x = x - 1;"};
  f.Canvas()->LayoutAll();
  s.test->ExitSide = 3;
  s.test->EntrySide = 1;
  s.test->SetBlockLinkFalse(s.calc);
  s.test->ColourDecisionLinks();
  f.Canvas()->Document().Saved = true;
  return s;
}

// The canvas-size dialog answered with the two texts.
std::function<int(QDialog&)> SizeAnswer(const QString& width, const QString& height) {
  return [=](QDialog& dialog) {
    auto* sizer = qobject_cast<TStronaSizer*>(&dialog);
    if (sizer == nullptr) return int(QDialog::Accepted);
    sizer->EditSzer->setText(width);
    sizer->EditWys->setText(height);
    sizer->accept();
    return sizer->result();
  };
}

}  // namespace

class UndoCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void TypingIsOneEditPerBlockAndUndoingItRestoresTheEditor();
  void SheetSizesAreUndoneAndRedoneExactly_data();
  void SheetSizesAreUndoneAndRedoneExactly();
  void NewOpenAndDeleteEmptyTheStack();
  void MenuAndButtonsFollowTheHistoryAndTheRun();
  void ReachingTheSavedStepMarksTheDiagramSaved();
  void KeysUndoTheDiagramButTheEditorKeepsItsOwn();
  void CutPutsTheBlocksOnTheClipboardAndPasteWaitsForTheRun();
};

void UndoCommandsTest::TypingIsOneEditPerBlockAndUndoingItRestoresTheEditor() {
  AppFixture f;
  TSample s = BuildSample(f);
  QUndoStack& stack = f.Window()->UndoStack();
  TSchemat& doc = f.Canvas()->Document();
  TForm2* source = f.app->SourceWindow();
  f.Window()->ShowSourceWindow();
  f.Canvas()->SetActiveBlock(s.test);
  QCoreApplication::processEvents();
  const QByteArray before = DocumentSnapshot(doc);
  source->RichEdit1->moveCursor(QTextCursor::End);
  QTest::keyClicks(source->RichEdit1, QStringLiteral("y < 3 && "));
  QCOMPARE(stack.count(), 1);  // nine keys, one edit
  QCOMPARE(s.test->Code.front(), std::string("x > 0;y < 3 && "));
  const QByteArray typed = DocumentSnapshot(doc);
  stack.undo();
  QCOMPARE(DocumentSnapshot(doc), before);
  QCoreApplication::processEvents();
  QCOMPARE(source->RichEdit1->toPlainText(), QStringLiteral("x > 0;"));
  QCOMPARE(stack.count(), 1);  // the editor taking the code back is no edit
  stack.redo();
  QCOMPARE(DocumentSnapshot(doc), typed);
  QCoreApplication::processEvents();
  QCOMPARE(source->RichEdit1->toPlainText(), QStringLiteral("x > 0;y < 3 && "));
  // Typing into another block is an edit of its own; leaving a block keeps its code.
  f.Canvas()->SetActiveBlock(s.calc);
  QCoreApplication::processEvents();
  QTest::keyClicks(source->RichEdit1, QStringLiteral("!"));
  QCOMPARE(stack.count(), 2);
  f.Canvas()->SetActiveBlock(s.test);
  stack.undo();
  stack.undo();
  QCOMPARE(DocumentSnapshot(doc), before);
  QVERIFY(doc.Saved);
}

void UndoCommandsTest::SheetSizesAreUndoneAndRedoneExactly_data() {
  QTest::addColumn<bool>("byHand");
  QTest::newRow("by hand, smaller than the blocks") << true;
  QTest::newRow("fitted") << false;
}

void UndoCommandsTest::SheetSizesAreUndoneAndRedoneExactly() {
  QFETCH(bool, byHand);
  AppFixture f;
  BuildSample(f);
  TSchemat& doc = f.Canvas()->Document();
  QUndoStack& stack = f.Window()->UndoStack();
  const QByteArray before = DocumentSnapshot(doc);
  f.dialogs.exec = SizeAnswer("100", "100");
  if (byHand)
    f.Menu().Zmienrozmiarptna1->trigger();
  else
    f.Menu().Dopasujautomatycznie1->trigger();
  const QByteArray after = DocumentSnapshot(doc);
  QVERIFY(before != after);
  QCOMPARE(stack.count(), 1);
  stack.undo();
  QCOMPARE(DocumentSnapshot(doc), before);
  QCOMPARE(f.Canvas()->HorzRange(), 1000 + 2 * TSchematView::SheetLeft);
  stack.redo();
  QCOMPARE(DocumentSnapshot(doc), after);
  QCOMPARE(f.Canvas()->HorzRange(), doc.SheetWidth + 2 * TSchematView::SheetLeft);
}

void UndoCommandsTest::NewOpenAndDeleteEmptyTheStack() {
  AppFixture f;
  QUndoStack& stack = f.Window()->UndoStack();
  const QString file = f.Path("a.bin");
  BuildSample(f);
  f.Canvas()->Usu2Click();  // nothing active: no edit
  QCOMPARE(stack.count(), 0);
  f.Canvas()->Zaznaczwszystkieelementy1Click();
  f.Canvas()->Usuzaznaczoneelementy1Click();
  QCOMPARE(stack.count(), 1);
  f.dialogs.saveNames.push_back(file);
  f.Menu().Zapiszdopliku1->trigger();
  f.dialogs.openNames.push_back(file);
  f.Menu().Wczytajzpliku1->trigger();
  QCOMPARE(stack.count(), 0);
  f.AddBlock(nstCalc, 10, 10);
  f.Canvas()->SetActiveBlock(f.Canvas()->Document().FirstBlock);
  f.Canvas()->Usu2Click();
  QCOMPARE(stack.count(), 1);
  f.dialogs.answers.push_back(TMsgResult::Yes);
  f.Menu().Usu1->trigger();
  QCOMPARE(stack.count(), 0);
  QVERIFY(f.Window()->Document() == nullptr);
  BuildSample(f);
  f.Canvas()->SetActiveBlock(f.Canvas()->Document().FirstBlock);
  f.Canvas()->Usu2Click();
  QCOMPARE(stack.count(), 1);
  f.NewDiagram();
  QCOMPARE(stack.count(), 0);
}

void UndoCommandsTest::MenuAndButtonsFollowTheHistoryAndTheRun() {
  AppFixture f;
  TSample s = BuildSample(f);
  TMainMenu& m = f.Menu();
  TSchemat& doc = f.Canvas()->Document();
  QCOMPARE(m.Edycja1->actions().at(0), m.Cofnij1);
  QCOMPARE(m.Edycja1->actions().at(1), m.Ponw1);
  QCOMPARE(m.Ponw1->shortcuts(),
           QList<QKeySequence>({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
  QVERIFY(!m.Cofnij1->isEnabled() && !m.SpeedButtonCofnij->isEnabled());
  const QByteArray before = DocumentSnapshot(doc);
  f.Canvas()->SetActiveBlock(s.calc);
  f.Canvas()->Usu2Click();
  const QByteArray after = DocumentSnapshot(doc);
  QVERIFY(m.Cofnij1->isEnabled() && m.SpeedButtonCofnij->isEnabled());
  QVERIFY(!m.Ponw1->isEnabled() && !m.SpeedButtonPonw->isEnabled());
  m.SpeedButtonCofnij->trigger();
  QCOMPARE(DocumentSnapshot(doc), before);
  QVERIFY(!m.Cofnij1->isEnabled() && m.Ponw1->isEnabled());
  m.Ponw1->trigger();
  QCOMPARE(DocumentSnapshot(doc), after);
  // A run switches the edit menu off for as long as it holds the diagram: neither step can be
  // taken meanwhile.
  m.Edycja1->menuAction()->setEnabled(false);
  QVERIFY(!m.Cofnij1->isEnabled() && !m.Ponw1->isEnabled());
  m.Cofnij1->setEnabled(true);  // even a forced trigger does nothing meanwhile
  m.Cofnij1->trigger();
  QCOMPARE(DocumentSnapshot(doc), after);
  m.Edycja1->menuAction()->setEnabled(true);
  QVERIFY(m.Cofnij1->isEnabled() && !m.Ponw1->isEnabled());
  m.Cofnij1->trigger();
  QCOMPARE(DocumentSnapshot(doc), before);
  m.Usu1->trigger();
  QVERIFY(!m.Cofnij1->isEnabled() && !m.Ponw1->isEnabled());
}

void UndoCommandsTest::ReachingTheSavedStepMarksTheDiagramSaved() {
  AppFixture f;
  TSample s = BuildSample(f);
  TSchemat& doc = f.Canvas()->Document();
  QUndoStack& stack = f.Window()->UndoStack();
  f.Canvas()->SetActiveBlock(s.calc);
  f.Canvas()->Usu2Click();
  QVERIFY(!doc.Saved);
  f.dialogs.saveNames.push_back(f.Path("b.bin"));
  f.Menu().Zapiszdopliku1->trigger();
  QVERIFY(doc.Saved);
  stack.undo();  // the block back: no longer what the file holds
  QVERIFY(!doc.Saved);
  stack.redo();
  QVERIFY(doc.Saved);
  const uint32_t stop = s.stop->Id;
  f.Canvas()->SetActiveBlock(s.stop);
  f.Canvas()->Usu2Click();
  QVERIFY(!doc.Saved);
  stack.undo();
  QVERIFY(doc.Saved);
  stack.undo();
  QVERIFY(!doc.Saved);
  // A branch off an earlier step leaves the saved step behind for good.
  f.Canvas()->SetActiveBlock(doc.FindBlockById(stop));
  f.Canvas()->Usu2Click();
  stack.undo();
  QVERIFY(!doc.Saved);
  // An opened diagram is saved until edited, and again when undone to where it was opened.
  f.dialogs.answers.push_back(TMsgResult::Yes);
  f.dialogs.openNames.push_back(f.Path("b.bin"));
  f.Menu().Wczytajzpliku1->trigger();
  TSchemat& opened = f.Canvas()->Document();
  QVERIFY(opened.Saved);
  f.Canvas()->SetActiveBlock(opened.FirstBlock);
  f.Canvas()->Usu2Click();
  QVERIFY(!opened.Saved);
  f.Window()->UndoStack().undo();
  QVERIFY(opened.Saved);
}

// The program's keys act in every window, but the source editor keeps its own text undo.
void UndoCommandsTest::KeysUndoTheDiagramButTheEditorKeepsItsOwn() {
  AppFixture f;
  TSample s = BuildSample(f);
  TSchemat& doc = f.Canvas()->Document();
  QUndoStack& stack = f.Window()->UndoStack();
  const QByteArray before = DocumentSnapshot(doc);
  const uint32_t calc = s.calc->Id;
  f.Canvas()->SetActiveBlock(s.calc);
  f.Canvas()->Usu2Click();
  const QByteArray after = DocumentSnapshot(doc);
  f.Window()->activateWindow();
  f.Canvas()->setFocus();
  QTest::keyClick(f.Canvas(), Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(DocumentSnapshot(doc), before);
  QTest::keyClick(f.Canvas(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  QCOMPARE(DocumentSnapshot(doc), after);
  QTest::keyClick(f.Canvas(), Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(f.Canvas(), Qt::Key_Y, Qt::ControlModifier);
  QCOMPARE(DocumentSnapshot(doc), after);
  TForm2* source = f.app->SourceWindow();
  f.Window()->ShowSourceWindow();
  f.Canvas()->SetActiveBlock(s.test);
  QCoreApplication::processEvents();
  source->RichEdit1->setFocus();
  source->RichEdit1->moveCursor(QTextCursor::End);
  QTest::keyClicks(source->RichEdit1, QStringLiteral("a"));
  const int steps = stack.index();
  QTest::keyClick(source->RichEdit1, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(source->RichEdit1->toPlainText(), QStringLiteral("x > 0;"));
  QVERIFY(stack.index() >= steps);  // the editor's own undo, not a step back of the diagram
  QVERIFY(doc.FindBlockById(calc) == nullptr);
}

void UndoCommandsTest::CutPutsTheBlocksOnTheClipboardAndPasteWaitsForTheRun() {
  AppFixture f;
  TSample s = BuildSample(f);
  TMainMenu& m = f.Menu();
  TSchemat& doc = f.Canvas()->Document();
  QUndoStack& stack = f.Window()->UndoStack();
  TSchematView::MarkSelected(*s.stop);
  TSchematView::MarkSelected(*s.calc);
  f.Canvas()->SetActiveBlock(s.test);
  f.Canvas()->SetActiveBlock(nullptr);  // the snapshot takes the fills as the cut leaves them
  const QByteArray before = DocumentSnapshot(doc);
  f.Canvas()->SetActiveBlock(s.test);
  const int calcLeft = s.calc->Left;  // the blocks that come back are new ones
  QGuiApplication::clipboard()->clear();
  m.Usuzaznaczoneelementy1->trigger();
  QCOMPARE(static_cast<int>(doc.BlockCount()), 1);
  QCOMPARE(stack.count(), 1);
  const QString text = QGuiApplication::clipboard()->text();
  QVERIFY(text.startsWith(QStringLiteral("ZUVAR2.0\r\n")));
  QVERIFY(text.contains(QStringLiteral("\r\nx > 0;\r\n")));
  QVERIFY(text.contains(QStringLiteral("\r\nx = x - 1;\r\n")));
  m.Cofnij1->trigger();
  QCOMPARE(DocumentSnapshot(doc), before);

  // The three blocks come back as one edit, once more, next to where they were.
  m.Wklej1->trigger();
  QCOMPARE(static_cast<int>(doc.BlockCount()), 7);
  QCOMPARE(stack.count(), 1);
  QCOMPARE(doc.LastBlock->Left, calcLeft + 20);
  const TNewShape* test = doc.LastBlock->Prev->Prev;  // then the stop and the calculation
  QCOMPARE(test->BlockLink, doc.LastBlock->Prev);
  QCOMPARE(test->BlockLinkFalse, doc.LastBlock);
  m.Cofnij1->trigger();
  QCOMPARE(static_cast<int>(doc.BlockCount()), 4);

  // No paste while a run holds the diagram; the items are offered with keys of their own.
  f.NewStartToStop();
  m.Wykonanie1->trigger();
  QVERIFY(f.Window()->Simulation().Exists());
  m.Wklej1->setEnabled(true);
  m.Wklej1->trigger();
  QCOMPARE(static_cast<int>(f.Canvas()->Document().BlockCount()), 2);
  f.Window()->Simulation().End();
  m.Wklej1->trigger();
  QCOMPARE(static_cast<int>(f.Canvas()->Document().BlockCount()), 5);
}

QTEST_MAIN(UndoCommandsTest)
#include "UndoCommandsTest.moc"
