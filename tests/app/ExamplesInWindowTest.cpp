// Every example project, opened in the program's window and run to its end in real time with
// its read dialog answered from the example's input, writes into the output panel exactly what
// zuvar-run prints for the same project and input.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include "app/OutputPanel.h"
#include "app/PasswordDlg.h"
#include "app/ProjectCommands.h"
#include "app/SimulationCommands.h"
#include "tests/app/AppTestSupport.h"

using namespace zuvar;
using zuvar::test::AppFixture;
using zuvar::test::ReadAll;

namespace {

QString TerminalOutput(const QString& project, const QByteArray& input) {
  QProcess process;
  process.start(QStringLiteral(ZUVAR_RUN_PROGRAM), {project});
  process.write(input);
  process.closeWriteChannel();
  if (!process.waitForFinished(30000)) return QStringLiteral("<zuvar-run did not finish>");
  return QString::fromUtf8(process.readAllStandardOutput());
}

// Answers each read dialog with the next line of the input.
void AnswerFrom(AppFixture& f, const QByteArray& input) {
  auto lines = std::make_shared<QStringList>(QString::fromUtf8(input).split(QLatin1Char('\n')));
  f.dialogs.exec = [lines](QDialog& dialog) {
    auto* password = qobject_cast<TPasswordDlg*>(&dialog);
    if (password == nullptr) return int(QDialog::Accepted);
    password->Password->setText(lines->isEmpty() ? QStringLiteral("0") : lines->takeFirst());
    password->OKBtn->click();
    return password->result();
  };
}

}  // namespace

class ExamplesInWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void EachExampleWritesWhatTheTerminalRunnerPrints_data();
  void EachExampleWritesWhatTheTerminalRunnerPrints();
};

void ExamplesInWindowTest::EachExampleWritesWhatTheTerminalRunnerPrints_data() {
  QTest::addColumn<QString>("project");
  const QDir examples(QStringLiteral(ZUVAR_EXAMPLES_DIR));
  const QStringList names = examples.entryList({QStringLiteral("*.bin")}, QDir::Files, QDir::Name);
  QVERIFY(names.size() >= 8);
  // The broken examples never reach their stop block: their cases in tests/data/examples hold
  // the messages they give instead.
  for (const QString& name : names)
    if (!name.startsWith(QStringLiteral("broken_")))
      QTest::newRow(name.toUtf8().constData()) << examples.filePath(name);
}

void ExamplesInWindowTest::EachExampleWritesWhatTheTerminalRunnerPrints() {
  QFETCH(QString, project);
  const QString base = QFileInfo(project).completeBaseName();
  const QByteArray input = ReadAll(QStringLiteral(ZUVAR_EXAMPLE_CASES_DIR "/") + base + ".stdin");
  const QString expected = TerminalOutput(project, input);
  QVERIFY(!expected.isEmpty());

  AppFixture f;
  AnswerFrom(f, input);
  f.Window()->Project().OpenProject(project);
  QVERIFY(f.Canvas() != nullptr);
  f.Menu().Uruchomiwykonajwczasierzeczywistym1->trigger();
  QVERIFY(!f.Window()->Simulation().Exists());
  QVERIFY(f.Logged("Symulacja algorytmu została wykonana"));
  f.Window()->Frame1->Flush();
  // The memo holds the lines the program wrote, the last one empty after a final "\n".
  QCOMPARE(f.Window()->Frame1->Memo1->toPlainText(), expected);
}

QTEST_MAIN(ExamplesInWindowTest)
#include "ExamplesInWindowTest.moc"
