#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "app/LogListBox.h"
#include "app/LogListModel.h"
#include "app/LogWindow.h"
#include "tests/app/AppTestSupport.h"
#include "tests/app/FileFaults.h"

using namespace zuvar;
using zuvar::test::TFakeDialogs;

class LogWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void ListFollowsTheLinesAndScrollsToTheLast();
  void SaveClearSaveAsksAgain();
  void LoadReplacesAndSavesBackWithoutAsking();
  void AMillionLinesKeepTheLastInSightAndTheKeysWork();
  void SaveOnAFullDiskKeepsTheOldLog();
  void RowsAreTallEnoughForTheirDescenders();
  void ASmallLimitHeadsTheListWithANotice();
};

void LogWindowTest::ListFollowsTheLinesAndScrollsToTheLast() {
  TFakeDialogs dialogs;
  TLogLines lines;
  TForm5 window(lines, dialogs);
  window.resize(356, 141);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  for (int i = 0; i < 1000; ++i) lines.Append("linia " + std::to_string(i));
  QCoreApplication::processEvents();
  QCOMPARE(window.ListBox1->model()->rowCount(), 1000);
  QCOMPARE(window.ListBox1->model()->index(999, 0).data().toString(), QStringLiteral("linia 999"));
  QScrollBar* bar = window.ListBox1->verticalScrollBar();
  QCOMPARE(bar->value(), bar->maximum());
  QVERIFY(!window.HiddenOnce());
  window.Zamknijtookno1Click();
  QVERIFY(window.HiddenOnce());
  window.show();
  QVERIFY(window.HiddenOnce());
}

void LogWindowTest::SaveClearSaveAsksAgain() {
  QTemporaryDir dir;
  TFakeDialogs dialogs;
  TLogLines lines;
  TForm5 window(lines, dialogs);
  const QString empty = dir.filePath("pusty.log");
  dialogs.saveNames = {empty};
  window.ZapiszLog1Click();
  QCOMPARE(dialogs.saveRequests.back().FileName, QStringLiteral("ZUVAR32Pro.log"));
  QCOMPARE(dialogs.saveRequests.back().DefaultSuffix, QStringLiteral("log"));
  QFile file(empty);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.size(), 0);
  QVERIFY(window.LogFileKnown());
  lines.Append("Uruchomienie programu");
  window.ZapiszLog1Click();  // known: written without a dialog
  QCOMPARE(dialogs.saveRequests.size(), size_t(1));
  window.KasujLog1Click();
  QCOMPARE(lines.Size(), size_t(0));
  window.ZapiszLog1Click();  // cancelled
  QCOMPARE(dialogs.saveRequests.size(), size_t(2));
  QCOMPARE(dialogs.saveRequests.back().FileName, QStringLiteral("ZUVAR32Pro.log"));
  QVERIFY(window.SaveFileName().isEmpty());
}

void LogWindowTest::LoadReplacesAndSavesBackWithoutAsking() {
  QTemporaryDir dir;
  const QString name = dir.filePath("stary.log");
  {
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("pierwsza\r\ndruga\r\n");
  }
  TFakeDialogs dialogs;
  TLogLines lines;
  lines.Append("do zastapienia");
  TForm5 window(lines, dialogs);
  dialogs.openNames = {name};
  window.Otwrz1Click();
  QCOMPARE(dialogs.openRequests.back().Title, QStringLiteral("Otwórz plik log"));
  QCOMPARE(dialogs.openRequests.back().FileName, QStringLiteral("ZUVAR32Pro.log"));
  QCOMPARE(lines.Lines(), (std::vector<std::string>{"pierwsza", "druga"}));
  QCOMPARE(window.ListBox1->model()->rowCount(), 2);
  lines.Append("trzecia");
  window.ZapiszLog1Click();
  QVERIFY(dialogs.saveRequests.empty());
  QFile file(name);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll(), QByteArray("pierwsza\r\ndruga\r\ntrzecia\r\n"));
}

// A run may log a line per statement: the list must take a million lines, show the last one and
// still move through them by keys and clear back to nothing.
void LogWindowTest::AMillionLinesKeepTheLastInSightAndTheKeysWork() {
  TFakeDialogs dialogs;
  TLogLines lines;
  TForm5 window(lines, dialogs);
  window.resize(356, 141);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  constexpr int kLines = 1'000'000;
  for (int i = 0; i < kLines; ++i)
    lines.Append("interpretacja kodu: \"i = i + 1;\" " + std::to_string(i));
  QCoreApplication::processEvents();
  TLogListBox& list = *window.ListBox1;
  QCOMPARE(list.RowCount(), kLines);
  QVERIFY(list.TopRow() + list.VisibleRows() >= kLines);
  QVERIFY(list.TopRow() < kLines);
  QVERIFY(!list.grab().isNull());

  QTest::keyClick(&list, Qt::Key_Home);
  QCOMPARE(list.CurrentRow(), 0);
  QCOMPARE(list.TopRow(), 0);
  QTest::keyClick(&list, Qt::Key_PageDown);
  QCOMPARE(list.CurrentRow(), list.VisibleRows());
  QTest::keyClick(&list, Qt::Key_End);
  QCOMPARE(list.CurrentRow(), kLines - 1);
  QVERIFY(list.TopRow() + list.VisibleRows() >= kLines);

  window.KasujLog1Click();
  QCOMPARE(list.RowCount(), 0);
  QCOMPARE(list.CurrentRow(), -1);
  QCOMPARE(list.verticalScrollBar()->maximum(), 0);
}

// "Zapisz" and "Zapisz jako ..." on a disk that fills up: the old log stays byte for byte and
// the failure is shown.
void LogWindowTest::SaveOnAFullDiskKeepsTheOldLog() {
  QTemporaryDir dir;
  const QString name = dir.filePath("stary.log");
  {
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("pierwsza\r\n");
  }
  TFakeDialogs dialogs;
  TLogLines lines;
  TForm5 window(lines, dialogs);
  dialogs.openNames = {name};
  window.Otwrz1Click();
  for (int i = 0; i < 3000; ++i) lines.Append("Zapisanie projektu /tmp/projekt.bin");
  {
    test::TFullDisk disk(12 * 1024);
    window.ZapiszLog1Click();
    dialogs.saveNames = {name};
    window.ZapiszLogjako1Click();
  }
  QCOMPARE(test::ReadAll(name), QByteArray("pierwsza\r\n"));
  QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"stary.log"});
  QCOMPARE(dialogs.messages.size(), size_t(2));
  QCOMPARE(dialogs.messages.back().text, QStringLiteral("Błąd zapisu do pliku \"%1\".").arg(name));
  QCOMPARE(dialogs.messages.back().caption, QStringLiteral("ZUVAR 32 Pro"));
}

namespace {
// Rows of the image, between two heights, that hold a pixel other than the background.
int InkedRows(const QImage& image, int from, int to, QColor background) {
  int inked = 0;
  for (int y = from; y < to && y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) != background) {
        ++inked;
        break;
      }
  return inked;
}
}  // namespace

void LogWindowTest::RowsAreTallEnoughForTheirDescenders() {
  TFakeDialogs dialogs;
  TLogLines lines;
  TForm5 window(lines, dialogs);
  TLogListBox& list = *window.ListBox1;
  QFont font = list.font();
  font.setPixelSize(9);
  list.setFont(font);
  QVERIFY(list.fontMetrics().height() <= TLogListBox::ItemHeight);
  QCOMPARE(list.RowHeight(), TLogListBox::ItemHeight);

  // A font taller than the design's rows: "_" and "g" hang below the baseline and must show.
  font.setPixelSize(22);
  list.setFont(font);
  const QFontMetrics metrics = list.fontMetrics();
  QVERIFY(metrics.height() > TLogListBox::ItemHeight);
  QCOMPARE(list.RowHeight(), metrics.height());
  lines.Append("____");
  lines.Append("gggg");
  window.resize(356, 141);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QCoreApplication::processEvents();
  QCOMPARE(list.RowCount(), 2);
  QCOMPARE(list.TopRow(), 0);
  QCOMPARE(list.VisibleRows(), list.viewport()->height() / metrics.height());
  const QImage image = list.viewport()->grab().toImage();
  const QColor background = list.viewport()->palette().color(QPalette::Base);
  // The underscores lie wholly below the baseline of the first row, inside that row.
  const int baseline = metrics.ascent();  // the rows are as tall as the font
  QVERIFY(InkedRows(image, baseline - 1, list.RowHeight(), background) > 0);
  // The tails of the "g"s are drawn too: ink below the second row's baseline.
  QVERIFY(InkedRows(image, list.RowHeight() + baseline + 1, 2 * list.RowHeight(), background) > 0);
  // A click on the second row selects it.
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(10, list.RowHeight() + 2));
  QCOMPARE(list.CurrentRow(), 1);
}

// A small limit stands for the million lines of the window: the list keeps the newest lines
// under a notice that follows the count, the selection stays on its line, a save writes the
// rows as shown, and "Kasuj" gives the memory back.
void LogWindowTest::ASmallLimitHeadsTheListWithANotice() {
  QTemporaryDir dir;
  TFakeDialogs dialogs;
  TLogLines lines(3);
  TForm5 window(lines, dialogs);
  window.resize(356, 141);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  TLogListBox& list = *window.ListBox1;
  for (int i = 1; i <= 3; ++i) lines.Append("linia " + std::to_string(i));
  QCoreApplication::processEvents();
  QCOMPARE(list.RowCount(), 3);
  list.SetCurrentRow(2);
  for (int i = 4; i <= 10; ++i) lines.Append("linia " + std::to_string(i));
  QCoreApplication::processEvents();
  auto row = [&](int r) { return list.model()->index(r, 0).data().toString(); };
  QCOMPARE(list.RowCount(), 4);
  QCOMPARE(row(0), QStringLiteral("(pominięto 7 najstarszych wierszy dziennika)"));
  QCOMPARE(row(1), QStringLiteral("linia 8"));
  QCOMPARE(row(3), QStringLiteral("linia 10"));
  QCOMPARE(list.CurrentRow(), -1);  // its line went
  list.SetCurrentRow(3);
  lines.Append("linia 11");
  QCoreApplication::processEvents();
  QCOMPARE(list.CurrentRow(), 2);  // still on "linia 10"
  QCOMPARE(row(0), QStringLiteral("(pominięto 8 najstarszych wierszy dziennika)"));
  QScrollBar* bar = list.verticalScrollBar();
  QCOMPARE(bar->value(), bar->maximum());

  const QString name = dir.filePath("dziennik.log");
  dialogs.saveNames = {name};
  window.ZapiszLog1Click();
  QCOMPARE(test::ReadAll(name), QByteArray("(pomini\xEAto 8 najstarszych wierszy dziennika)\r\n"
                                           "linia 9\r\nlinia 10\r\nlinia 11\r\n"));

  window.KasujLog1Click();
  QCoreApplication::processEvents();
  QCOMPARE(list.RowCount(), 0);
  QCOMPARE(lines.ReservedBytes(), TLogLines().ReservedBytes());
  lines.Append("nowa");
  QCoreApplication::processEvents();
  QCOMPARE(list.RowCount(), 1);
  QCOMPARE(row(0), QStringLiteral("nowa"));
}

QTEST_MAIN(LogWindowTest)
#include "LogWindowTest.moc"
