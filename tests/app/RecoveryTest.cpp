#include <QDir>
#include <QFile>
#include <QGraphicsSimpleTextItem>
#include <QLockFile>
#include <QProcess>
#include <QUndoStack>
#include <QtTest>

#include "app/ProjectCommands.h"
#include "app/RecoveryKeeper.h"
#include "editor/commands/PlaceBlockCommand.h"
#include "model/Schemat.h"
#include "tests/app/AppTestSupport.h"

using namespace zuvar;
using zuvar::test::AppFixture;
using zuvar::test::ReadAll;

namespace {

using namespace std::chrono_literals;

// A start block linked to a stop block on a 500 x 1000 sheet.
const QByteArray kProject =
    "ZUVAR2.0\r\n500\r\n1000\r\n"
    "1\r\n?x?\r\n225\r\n20\r\n50\r\n30\r\n0\r\n32768\r\n255\r\n2\r\n0\r\n65\r\n0\r\n0\r\n"
    "2\r\n?x?\r\n225\r\n100\r\n50\r\n30\r\n1\r\n32768\r\n255\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";

void WriteFile(const QString& name, const QByteArray& bytes) {
  QFile file(name);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

// The Id of a process that has ended.
qint64 EndedProcessId() {
  QProcess process;
  process.start(QStringLiteral("true"), {});
  process.waitForStarted();
  const qint64 pid = process.processId();
  process.waitForFinished();
  return pid;
}

// A lock file as a program leaves it when it is killed: its process is gone.
void WriteStaleLock(const QString& name) {
  QByteArray content;
  {
    QLockFile lock(name);
    QVERIFY(lock.tryLock(0));
    content = ReadAll(name);
  }
  content = QByteArray::number(EndedProcessId()) + content.mid(content.indexOf('\n'));
  WriteFile(name, content);
}

QStringList FilesIn(const QString& folder) {
  return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

int RecoveryQuestions(const AppFixture& f) {
  int asked = 0;
  for (const auto& shown : f.dialogs.messages)
    asked += shown.text == QString::fromUtf8(TProjectCommands::RecoveryQuestion);
  return asked;
}

void PlaceBlock(AppFixture& f) {
  f.Window()->UndoStack().push(new TPlaceBlockCommand(*f.Canvas(), nstCalc, 200, 200));
}

}  // namespace

class RecoveryTest : public QObject {
  Q_OBJECT
 private slots:
  void CopyFollowsUnsavedChangesUntilSaveNewDeleteOrExit();
  void StaleCopyIsOfferedAndOpensAsAnUnsavedDiagram();
  void RefusedCopyIsDeletedAndLiveCopiesAreLeftAlone();
};

void RecoveryTest::CopyFollowsUnsavedChangesUntilSaveNewDeleteOrExit() {
  QTemporaryDir folder;
  AppFixture f(TRecoverySettings{folder.path(), 50ms});
  f.NewDiagram();
  QTest::qWait(150);
  QVERIFY(FilesIn(folder.path()).isEmpty());  // nothing to keep yet

  PlaceBlock(f);
  const QString copy = f.Window()->Recovery().CopyPath();
  QTRY_VERIFY(QFile::exists(copy));
  QVERIFY(ReadAll(copy).startsWith("ZUVAR2.0\r\n1000\r\n2000\r\n"));
  QCOMPARE(FilesIn(folder.path()).size(), 2);  // the copy and its lock
  // The copy is no saving: the diagram stays new and changed, the log knows nothing of it.
  QVERIFY(!f.Canvas()->Document().Saved);
  QCOMPARE(f.Canvas()->Document().Title, std::string("Nowy Projekt"));
  for (const std::string& line : f.Log()) QVERIFY(line.rfind("Zapisanie", 0) != 0);

  f.dialogs.saveNames = {f.Path("zapisany.bin")};
  f.Menu().Zapiszdopliku1->trigger();
  QVERIFY(f.Canvas()->Document().Saved);
  QVERIFY(FilesIn(folder.path()).isEmpty());

  // Undone back to the saved state there is nothing to keep.
  PlaceBlock(f);
  QTRY_VERIFY(QFile::exists(copy));
  f.Window()->UndoStack().undo();
  QVERIFY(FilesIn(folder.path()).isEmpty());

  PlaceBlock(f);
  QTRY_VERIFY(QFile::exists(copy));
  f.NewDiagram();
  QVERIFY(FilesIn(folder.path()).isEmpty());

  PlaceBlock(f);
  QTRY_VERIFY(QFile::exists(copy));
  f.dialogs.answers = {TMsgResult::Yes};
  f.Menu().Usu1->trigger();
  QVERIFY(f.Canvas() == nullptr);
  QVERIFY(FilesIn(folder.path()).isEmpty());

  f.NewDiagram();
  PlaceBlock(f);
  QTRY_VERIFY(QFile::exists(copy));
  f.app.reset();  // the program ends
  QVERIFY(FilesIn(folder.path()).isEmpty());
}

void RecoveryTest::StaleCopyIsOfferedAndOpensAsAnUnsavedDiagram() {
  QTemporaryDir folder;
  const QString stale = folder.filePath(QStringLiteral("recovery-1-1.bin"));
  WriteFile(stale, kProject);
  WriteStaleLock(folder.filePath(QStringLiteral("recovery-1-1.lock")));
  const QString live = folder.filePath(QStringLiteral("recovery-2-2.bin"));
  WriteFile(live, kProject);
  QLockFile liveLock(folder.filePath(QStringLiteral("recovery-2-2.lock")));
  QVERIFY(liveLock.tryLock(0));

  AppFixture f(TRecoverySettings{folder.path(), 50ms}, {TMsgResult::Yes});
  QCOMPARE(RecoveryQuestions(f), 1);
  const auto& asked = f.dialogs.messages.back();
  QCOMPARE(asked.caption, QStringLiteral("Odzyskiwanie schematu...."));
  QCOMPARE(asked.buttons, TMsgButtons::YesNo);
  QCOMPARE(asked.icon, TMsgIcon::Question);

  QVERIFY(f.Canvas() != nullptr);
  TSchemat& document = f.Canvas()->Document();
  QCOMPARE(static_cast<int>(document.BlockCount()), 2);
  QVERIFY(document.FirstBlock->BlockLink == document.LastBlock);
  QCOMPARE(document.Title, std::string("Nowy Projekt"));
  QCOMPARE(f.Canvas()->TitleLabel->text(), QStringLiteral("Nowy Projekt"));
  QVERIFY(!document.Saved);
  QVERIFY(f.Window()->AskFileName);
  QVERIFY(f.Logged("Odtworzenie niezapisanego schematu z kopii zapasowej"));
  // The copy is now this program's own; the other program's copy and lock stay as they were.
  const QString own = f.Window()->Recovery().CopyPath();
  QCOMPARE(ReadAll(own), kProject);
  QVERIFY(!QFile::exists(stale));
  QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("recovery-1-1.lock"))));
  QCOMPARE(ReadAll(live), kProject);

  // Saving asks for a name, starting from the new diagram's title, and ends the copy.
  f.dialogs.saveNames = {f.Path("odzyskany.bin")};
  f.Window()->Project().Zapisz1Click();
  QCOMPARE(static_cast<int>(f.dialogs.saveRequests.size()), 1);
  QCOMPARE(f.dialogs.saveRequests.back().FileName, QStringLiteral("Nowy Projekt"));
  QCOMPARE(ReadAll(f.Path("odzyskany.bin")), kProject);
  QVERIFY(!QFile::exists(own));
}

void RecoveryTest::RefusedCopyIsDeletedAndLiveCopiesAreLeftAlone() {
  QTemporaryDir folder;
  const QString stale = folder.filePath(QStringLiteral("recovery-1-1.bin"));
  WriteFile(stale, kProject);
  WriteStaleLock(folder.filePath(QStringLiteral("recovery-1-1.lock")));
  const QString live = folder.filePath(QStringLiteral("recovery-2-2.bin"));
  WriteFile(live, kProject);
  QLockFile liveLock(folder.filePath(QStringLiteral("recovery-2-2.lock")));
  QVERIFY(liveLock.tryLock(0));
  {
    AppFixture f(TRecoverySettings{folder.path(), 50ms}, {TMsgResult::No});
    QCOMPARE(RecoveryQuestions(f), 1);
    QVERIFY(f.Canvas() == nullptr);
  }
  QCOMPARE(FilesIn(folder.path()),
           (QStringList{QStringLiteral("recovery-2-2.bin"), QStringLiteral("recovery-2-2.lock")}));
  {
    AppFixture f(TRecoverySettings{folder.path(), 50ms}, {TMsgResult::Yes});
    QCOMPARE(RecoveryQuestions(f), 0);
    QVERIFY(f.Canvas() == nullptr);
  }
  QCOMPARE(ReadAll(live), kProject);
}

QTEST_MAIN(RecoveryTest)
#include "RecoveryTest.moc"
