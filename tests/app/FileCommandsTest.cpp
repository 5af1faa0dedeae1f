#include <sys/stat.h>

#include <QFile>
#include <QGraphicsSimpleTextItem>
#include <QLineEdit>
#include <QMimeData>
#include <QtTest>

#include "app/ProjectCommands.h"
#include "app/SimulationCommands.h"
#include "app/StronaSizer.h"
#include "tests/app/AppTestSupport.h"
#include "tests/app/FileFaults.h"

using namespace zuvar;
using zuvar::test::AppFixture;
using zuvar::test::ReadAll;

namespace {
const QString kDiscard = QStringLiteral("Czy rzeczywiście chcesz skasować aktualny schemat?!");

void WriteAll(const QString& name, const QByteArray& bytes) {
  QFile file(name);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// Drags the URLs over the window and drops them, as a file manager does; true when the window
// took the drag and the drop.
bool DropOn(QWidget* window, const QList<QUrl>& urls) {
  QMimeData data;
  data.setUrls(urls);
  const QPoint where = window->rect().center();
  QDragEnterEvent enter(where, Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, &data,
                        Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(QPointF(where), enter.dropAction(), &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window, &drop);
  QCoreApplication::processEvents();
  return drop.isAccepted();
}
}  // namespace

class FileCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void NewShowsTheCanvasSizeDialog();
  void NewOverUnsavedChangesAsks();
  void SaveAsksForANameOnce();
  void SaveAsOverAnExistingFile();
  void OpenRestoresTheSavedDiagram();
  void OpenRejectsAFileWithoutTheMagic();
  void OpenOverUnsavedChangesAsks();
  void DroppedProjectOpensAsOpenDoes();
  void DeleteAsksOnlyWhenUnsaved();
  void CloseWithQuestionsAnsweredBothWays();
  void SaveOnAFullDiskKeepsTheOldProject();
  void SaveAfterAnOpenThatStoppedAsksForAName();
  void PipesAreNeitherWaitedForNorReplaced();
};

void FileCommandsTest::NewShowsTheCanvasSizeDialog() {
  AppFixture f;
  QString width, height;
  f.dialogs.exec = [&](QDialog& dialog) {
    auto* sizer = qobject_cast<TStronaSizer*>(&dialog);
    if (sizer == nullptr) return int(QDialog::Accepted);
    width = sizer->EditSzer->text();
    height = sizer->EditWys->text();
    sizer->EditSzer->setText("800");
    sizer->EditWys->setText("");  // counts as 0, refused by the dialog's own check
    sizer->accept();
    if (sizer->result() == QDialog::Accepted) return int(QDialog::Accepted);
    sizer->EditWys->setText("1200");
    sizer->accept();
    return sizer->result();
  };
  f.Menu().Nowy1->trigger();
  QCOMPARE(width, QStringLiteral("1000"));
  QCOMPARE(height, QStringLiteral("2000"));
  QCOMPARE(f.dialogs.execTitles.back(), QStringLiteral("ZUVAR 32 Pro - Ustalenie rozmiaru płótna"));
  QCOMPARE(f.dialogs.messages.back().text, QStringLiteral("Nie przeginaj! Jaki to ma sens?"));
  QCOMPARE(f.dialogs.messages.back().caption, QStringLiteral("Czy wiesz co robisz?!"));
  QVERIFY(f.Canvas() != nullptr);
  QCOMPARE(f.Canvas()->Document().SheetWidth, 800);
  QCOMPARE(f.Canvas()->Document().SheetHeight, 1200);
  QCOMPARE(f.Canvas()->HorzRange(), 900);
  QCOMPARE(f.Canvas()->VertRange(), 1260);
  QCOMPARE(f.Log().back(), std::string("Utworzenie nowego projektu"));
  QVERIFY(f.Window()->AskFileName);
  QVERIFY(f.Menu().Zapiszdopliku1->isEnabled());
  // A cancelled dialog leaves the diagram as it was.
  TSchematView* canvas = f.Canvas();
  f.dialogs.exec = [](QDialog& dialog) {
    dialog.reject();
    return int(QDialog::Rejected);
  };
  f.Menu().SpeedButton5->trigger();
  QCOMPARE(f.Canvas(), canvas);
}

void FileCommandsTest::NewOverUnsavedChangesAsks() {
  AppFixture f;
  f.NewDiagram();
  f.AddBlock(nstCalc, 10, 10);
  TSchematView* canvas = f.Canvas();
  f.dialogs.answers = {TMsgResult::No};
  f.Menu().Nowy1->trigger();
  QCOMPARE(f.dialogs.messages.back().text, kDiscard);
  QCOMPARE(f.dialogs.messages.back().caption, QStringLiteral("Ostrzeżenie...."));
  QCOMPARE(f.dialogs.messages.back().icon, TMsgIcon::Warning);
  QCOMPARE(f.Canvas(), canvas);
  f.dialogs.answers = {TMsgResult::Yes};
  f.Menu().Nowy1->trigger();
  QVERIFY(f.Canvas() != nullptr);
  QCOMPARE(static_cast<int>(f.Canvas()->Document().BlockCount()), 0);
}

void FileCommandsTest::SaveAsksForANameOnce() {
  AppFixture f;
  f.NewDiagram();
  f.AddBlock(nstCalc, 10, 10);
  const QString name = f.Path("projekt.bin");
  f.dialogs.saveNames = {name};
  f.Menu().SpeedButton7->trigger();
  QCOMPARE(f.dialogs.saveRequests.size(), size_t(1));
  const TFileDialogRequest& request = f.dialogs.saveRequests[0];
  QCOMPARE(request.Title, QStringLiteral("Zapisz schemat...."));
  QCOMPARE(request.FileName, QStringLiteral("Nowy Projekt"));
  QCOMPARE(request.DefaultSuffix, QStringLiteral("bin"));
  QCOMPARE(request.Filters, QStringList({QStringLiteral("Projekty schematów blokowych (*.bin)"),
                                         QStringLiteral("Wszystkie pliki (*.*)")}));
  QVERIFY(ReadAll(name).startsWith("ZUVAR2.0\r\n1000\r\n2000\r\n"));
  QCOMPARE(f.Log().back(), "Zapisanie projektu " + name.toStdString());
  QCOMPARE(f.Canvas()->TitleLabel->text(), name);
  QVERIFY(f.Canvas()->Document().Saved);
  QVERIFY(!f.Window()->AskFileName);
  // The next Save writes to the same file without asking.
  f.AddBlock(nstCalc, 100, 10);
  f.Menu().Zapisz1->setEnabled(true);
  f.Menu().Zapisz1->trigger();
  QCOMPARE(f.dialogs.saveRequests.size(), size_t(1));
  QVERIFY(f.Canvas()->Document().Saved);
  // A cancelled Save As keeps the state it had.
  f.Menu().Zapiszdopliku1->trigger();
  QCOMPARE(f.dialogs.saveRequests.size(), size_t(2));
  QCOMPARE(f.dialogs.saveRequests[1].FileName, name);
  QVERIFY(!f.Window()->AskFileName);
}

void FileCommandsTest::SaveAsOverAnExistingFile() {
  AppFixture f;
  f.NewDiagram();
  const QString name = f.Path("stary.bin");
  WriteAll(name, "stara zawartosc");
  f.dialogs.saveNames = {name};
  f.dialogs.answers = {TMsgResult::No};
  f.Menu().Zapiszdopliku1->trigger();
  QCOMPARE(f.dialogs.messages.back().text,
           QStringLiteral("Plik o podanej nazwie już istnieje, czy chcesz go zastapić?"
                          "?!"));
  QCOMPARE(ReadAll(name), QByteArray("stara zawartosc"));
  QVERIFY(f.Window()->AskFileName);
  f.dialogs.saveNames = {name};
  f.dialogs.answers = {TMsgResult::Yes};
  f.Menu().SpeedButton7->trigger();
  QCOMPARE(f.dialogs.saveRequests.size(), size_t(2));
  QCOMPARE(ReadAll(name), QByteArray("ZUVAR2.0\r\n1000\r\n2000\r\n"));
  // A file that cannot be created is reported and changes nothing.
  const QString bad = f.Path("brak/katalogu.bin");
  f.dialogs.saveNames = {bad};
  f.AddBlock(nstCalc, 10, 10);
  f.Menu().Zapiszdopliku1->trigger();
  QCOMPARE(f.dialogs.messages.back().caption, QStringLiteral("Błąd operacji zapisu...."));
  QCOMPARE(f.Log().back(), "Wystąpił błąd podczas zapisywania projektu: " + bad.toStdString());
  QCOMPARE(f.Canvas()->TitleLabel->text(), name);
  QVERIFY(!f.Canvas()->Document().Saved);
}

void FileCommandsTest::OpenRestoresTheSavedDiagram() {
  AppFixture f;
  f.NewDiagram();
  TNewShape* a = f.AddBlock(nstChoice, 100, 100);
  a->Code = {"x > 1"};
  f.Canvas()->LayoutBlock(*a);
  TNewShape* b = f.AddBlock(nstCalc, 100, 300);
  b->Code = {"x = 1;", "", "y = 2;"};
  a->ExitSide = 4;
  a->EntrySide = 1;
  a->SetBlockLink(b);
  a->ColourDecisionLinks();
  const QString name = f.Path("zapis.bin");
  f.dialogs.saveNames = {name};
  f.Menu().Zapiszdopliku1->trigger();
  f.dialogs.openNames = {name};
  f.Menu().Wczytajzpliku1->trigger();
  QCOMPARE(f.dialogs.openRequests.back().Title,
           QStringLiteral("Wybierz schemat do załadowania ..."));
  QCOMPARE(f.dialogs.openRequests.back().FileName, name);  // the two dialogs share their name
  TSchemat& doc = f.Canvas()->Document();
  QCOMPARE(static_cast<int>(doc.BlockCount()), 2);
  TNewShape* first = doc.FirstBlock;
  QCOMPARE(first->Shape, nstChoice);
  QCOMPARE(first->BlockLink, doc.LastBlock);
  QCOMPARE(first->OutLink->LinkCode, 65);
  QCOMPARE(first->OutLink->Pen.Color, clGreen);
  QCOMPARE(doc.LastBlock->Code, (std::vector<std::string>{"x = 1;", "", "y = 2;"}));
  QCOMPARE(doc.SheetWidth, 1000);
  QVERIFY(doc.Saved);
  QVERIFY(!f.Window()->AskFileName);
  QCOMPARE(f.Canvas()->TitleLabel->text(), name);
  QVERIFY(f.Logged("Otwarcie projektu " + name.toStdString()));
  QVERIFY(f.Canvas()->ItemOf(first->OutLink.get()) != nullptr);
  QVERIFY(f.Menu().Edycja1->menuAction()->isEnabled());
}

void FileCommandsTest::OpenRejectsAFileWithoutTheMagic() {
  AppFixture f;
  const QString name = f.Path("zly.bin");
  WriteAll(name, "ZUVAR2.0\n500\n1000\n");
  f.dialogs.openNames = {name};
  f.Menu().SpeedButton6->trigger();
  QCOMPARE(f.dialogs.messages.back().text, QStringLiteral("niepoprawny format pliku"));
  QCOMPARE(f.dialogs.messages.back().caption, QStringLiteral("Błąd"));
  QCOMPARE(f.Log().back(), std::string("BŁĄD: niepoprawny format pliku"));
  QVERIFY(f.Canvas() == nullptr);
  QVERIFY(!f.Menu().Edycja1->menuAction()->isEnabled());
}

void FileCommandsTest::OpenOverUnsavedChangesAsks() {
  AppFixture f;
  f.NewDiagram();
  f.AddBlock(nstCalc, 10, 10);
  TSchematView* canvas = f.Canvas();
  f.dialogs.answers = {TMsgResult::No};
  f.Menu().Wczytajzpliku1->trigger();
  QCOMPARE(f.dialogs.messages.back().text, kDiscard);
  QVERIFY(f.dialogs.openRequests.empty());
  QCOMPARE(f.Canvas(), canvas);
  // Yes, then a cancelled dialog: the diagram stays.
  f.dialogs.answers = {TMsgResult::Yes};
  f.Menu().Wczytajzpliku1->trigger();
  QCOMPARE(f.Canvas(), canvas);
}

void FileCommandsTest::DroppedProjectOpensAsOpenDoes() {
  AppFixture f;
  const QString name = f.Path("upuszczony.bin");
  f.NewDiagram();
  f.AddBlock(nstStart, 100, 100);
  f.dialogs.saveNames = {name};
  f.Menu().Zapiszdopliku1->trigger();
  f.AddBlock(nstStop, 100, 300);
  const QUrl url = QUrl::fromLocalFile(name);
  // Two files, a folder or a web address are not taken.
  QVERIFY(!DropOn(f.Window(), {url, QUrl::fromLocalFile(f.Path("inny.bin"))}));
  QVERIFY(!DropOn(f.Window(), {QUrl::fromLocalFile(f.dir.path())}));
  QVERIFY(!DropOn(f.Window(), {QUrl(QStringLiteral("https://example.org/schemat.bin"))}));
  QVERIFY(f.dialogs.messages.empty() || f.dialogs.messages.back().text != kDiscard);

  // Over unsaved changes the Open question comes first; No keeps the diagram.
  TSchematView* canvas = f.Canvas();
  f.dialogs.answers = {TMsgResult::No};
  QVERIFY(DropOn(f.Window(), {url}));
  QCOMPARE(f.dialogs.messages.back().text, kDiscard);
  QCOMPARE(f.dialogs.messages.back().caption, QStringLiteral("Ostrzeżenie...."));
  QCOMPARE(f.Canvas(), canvas);
  QCOMPARE(static_cast<int>(f.Canvas()->Document().BlockCount()), 2);
  f.dialogs.answers = {TMsgResult::Yes};
  QVERIFY(DropOn(f.Window(), {url}));
  QCOMPARE(static_cast<int>(f.Canvas()->Document().BlockCount()), 1);
  QVERIFY(f.Logged("Otwarcie projektu " + name.toStdString()));
  QCOMPARE(f.Canvas()->TitleLabel->text(), name);
  QVERIFY(f.dialogs.openRequests.empty());

  // While a run holds the diagram, a drop is refused as the file menu is.
  f.NewStartToStop();
  f.Menu().Wykonanie1->trigger();
  QVERIFY(f.Window()->Simulation().Exists());
  f.dialogs.messages.clear();
  QVERIFY(!DropOn(f.Window(), {url}));
  QVERIFY(f.dialogs.messages.empty());
}

void FileCommandsTest::DeleteAsksOnlyWhenUnsaved() {
  AppFixture f;
  f.NewDiagram();
  f.AddBlock(nstCalc, 10, 10);
  f.dialogs.answers = {TMsgResult::No};
  f.Menu().Usu1->trigger();
  QVERIFY(f.Canvas() != nullptr);
  f.dialogs.answers = {TMsgResult::Yes};
  f.Menu().SpeedButton8->trigger();
  QVERIFY(f.Canvas() == nullptr);
  QCOMPARE(f.Log().back(), std::string("Skasowanie projektu Nowy Projekt"));
  f.NewDiagram();
  const size_t questions = f.dialogs.messages.size();
  const size_t lines = f.Log().size();
  f.Menu().Usu1->trigger();
  QVERIFY(f.Canvas() == nullptr);
  QCOMPARE(f.dialogs.messages.size(), questions);
  QCOMPARE(f.Log().size(), lines);
}

void FileCommandsTest::CloseWithQuestionsAnsweredBothWays() {
  {
    AppFixture f;
    f.NewDiagram();
    QVERIFY(f.Window()->Project().CloseQuery());
    const std::vector<std::string> log = f.Log();
    const std::vector<std::string> tail(log.end() - 2, log.end());
    QCOMPARE(tail, (std::vector<std::string>{"Polecenie zamknięcia programu",
                                             "Skasowanie schematu i zakończenie programu!"}));
    QVERIFY(f.Canvas() == nullptr);
  }
  {
    AppFixture f;
    f.NewDiagram();
    f.AddBlock(nstCalc, 10, 10);
    f.dialogs.answers = {TMsgResult::No};
    QVERIFY(!f.Window()->close());
    QCOMPARE(f.Log().back(), std::string("Anulowano polecenie zamknięcia programu"));
    QVERIFY(f.Canvas() != nullptr);
    f.dialogs.answers = {TMsgResult::Yes};
    QVERIFY(f.Window()->close());
    const std::vector<std::string> log = f.Log();
    const std::vector<std::string> tail(log.end() - 2, log.end());
    QCOMPARE(tail, (std::vector<std::string>{"Potwierdzenie polecenia zamknięcia programu",
                                             "Skasowanie schematu i zakończenie programu!"}));
  }
  {
    AppFixture f;
    QVERIFY(f.Window()->Project().CloseQuery());
    QCOMPARE(f.Log().back(), std::string("Polecenie zamknięcia programu"));
  }
}

// Save and Save As on a disk that fills up in the middle: the old project stays byte for byte,
// the failure is reported as usual, and the diagram stays unsaved under its old title.
void FileCommandsTest::SaveOnAFullDiskKeepsTheOldProject() {
  AppFixture f;
  f.NewDiagram();
  const QString name = f.Path("projekt.bin");
  f.dialogs.saveNames = {name};
  f.Menu().SpeedButton7->trigger();
  const QByteArray old = ReadAll(name);
  QVERIFY(!old.isEmpty());
  TNewShape* block = f.AddBlock(nstCalc, 10, 10);
  block->Code.assign(3000, "a = a + 1;");
  const QString other = f.Path("inny.bin");
  const size_t shown = f.dialogs.messages.size();
  {
    test::TFullDisk disk(12 * 1024);
    f.Menu().SpeedButton7->trigger();
    f.dialogs.saveNames = {other};
    f.Menu().Zapiszdopliku1->trigger();
  }
  QCOMPARE(ReadAll(name), old);
  QVERIFY(!QFile::exists(other));
  QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"projekt.bin"});
  QCOMPARE(f.dialogs.messages.size(), shown + 2);
  QCOMPARE(f.dialogs.messages.back().text,
           QStringLiteral("Wystąpił błąd podczas zapisywania projektu - brak dostępu do zapisu!"));
  QCOMPARE(f.dialogs.messages.back().caption, QStringLiteral("Błąd operacji zapisu...."));
  const std::vector<std::string> log = f.Log();
  QCOMPARE(log[log.size() - 2],
           "Wystąpił błąd podczas zapisywania projektu: " + name.toStdString());
  QCOMPARE(log.back(), "Wystąpił błąd podczas zapisywania projektu: " + other.toStdString());
  QVERIFY(!f.Canvas()->Document().Saved);
  QCOMPARE(f.Canvas()->TitleLabel->text(), name);
  // With room on the disk the same Save goes through (the failed Save As left it asking).
  QVERIFY(f.Window()->AskFileName);
  f.dialogs.saveNames = {name};
  f.dialogs.answers = {TMsgResult::Yes};
  f.Menu().SpeedButton7->trigger();
  QVERIFY(ReadAll(name).size() > old.size());
  QVERIFY(f.Canvas()->Document().Saved);
}

// What could be read of a damaged file never silently replaces it: the next Save asks.
void FileCommandsTest::SaveAfterAnOpenThatStoppedAsksForAName() {
  AppFixture f;
  f.NewDiagram();
  const QString good = f.Path("dobry.bin");
  f.dialogs.saveNames = {good};
  f.Menu().SpeedButton7->trigger();
  QVERIFY(!f.Window()->AskFileName);
  const QByteArray missingId =
      "ZUVAR2.0\r\n500\r\n1000\r\n1\r\n?x?\r\n10\r\n10\r\n50\r\n30\r\n0\r\n32768\r\n255\r\n"
      "7\r\n0\r\n65\r\n0\r\n0\r\n";
  const QByteArray badNumber = "ZUVAR2.0\r\n500\r\n1000\r\n1\r\n?x?\r\n1x0\r\n";
  for (const QByteArray& bytes : {missingId, badNumber}) {
    const QString damaged = f.Path("uszkodzony.bin");
    WriteAll(damaged, bytes);
    f.dialogs.openNames = {damaged};
    f.dialogs.answers = {TMsgResult::Yes};
    f.Menu().SpeedButton6->trigger();
    QVERIFY(f.Canvas() != nullptr);
    QVERIFY(f.Window()->AskFileName);
    const size_t asked = f.dialogs.saveRequests.size();
    f.Menu().SpeedButton7->trigger();  // cancelled
    QCOMPARE(f.dialogs.saveRequests.size(), asked + 1);
    QCOMPARE(ReadAll(damaged), bytes);
    QVERIFY(f.Window()->AskFileName);
  }
}

// A pipe chosen as the file of Save As, of an export or of Open is neither waited for nor
// replaced: Save and export report their usual failure, Open the file-open error.
void FileCommandsTest::PipesAreNeitherWaitedForNorReplaced() {
  AppFixture f;
  f.NewDiagram();
  const QString fifo = f.Path("potok.bin");
  QVERIFY(::mkfifo(fifo.toLocal8Bit().constData(), 0600) == 0);
  {
    test::TPipeWatchdog watchdog(fifo);
    f.dialogs.saveNames = {fifo};
    f.dialogs.answers = {TMsgResult::Yes};
    f.Menu().Zapiszdopliku1->trigger();
    QCOMPARE(f.Log().back(), "Wystąpił błąd podczas zapisywania projektu: " + fifo.toStdString());
    f.dialogs.saveNames = {fifo};
    f.dialogs.answers = {TMsgResult::Yes};
    f.Menu().ExportujSchematblokowy1->trigger();
    QCOMPARE(f.dialogs.messages.back().text,
             QStringLiteral("Wystąpił błąd podczas exportowania projektu!"));
    f.dialogs.openNames = {fifo};
    f.dialogs.answers = {TMsgResult::Yes};
    f.Menu().SpeedButton6->trigger();
    QVERIFY(!watchdog.Rescued());
  }
  QCOMPARE(f.dialogs.messages.back().text,
           QStringLiteral("Nie można otworzyć pliku \"%1\".").arg(fifo));
  QVERIFY(f.Canvas() == nullptr);
  QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
}

QTEST_MAIN(FileCommandsTest)
#include "FileCommandsTest.moc"
