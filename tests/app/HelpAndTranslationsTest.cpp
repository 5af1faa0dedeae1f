#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

#include "app/HelpWindow.h"
#include "tests/app/AppTestSupport.h"

using namespace zuvar;
using zuvar::test::AppFixture;

namespace {

// The first place the text stands in the help document, as the browser shows it.
QTextCursor Find(QTextBrowser& browser, const QString& text) {
  return browser.document()->find(text);
}

}  // namespace

class HelpAndTranslationsTest : public QObject {
  Q_OBJECT
 private slots:
  void F1ShowsTheHelpAndItsLinksMoveWithinIt();
  void QtDialogsSpeakPolish();
};

void HelpAndTranslationsTest::F1ShowsTheHelpAndItsLinksMoveWithinIt() {
  AppFixture f;
  QCOMPARE(f.Menu().Pomoc2->shortcut(), QKeySequence(Qt::Key_F1));
  f.Window()->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(f.Window()));
  QTest::keyClick(f.Window(), Qt::Key_F1);
  THelpWindow* help = f.Window()->findChild<THelpWindow*>();
  QVERIFY(help != nullptr);
  QVERIFY(QTest::qWaitForWindowExposed(help));
  QCOMPARE(help->windowTitle(), QStringLiteral("ZUVAR 32 Pro - Pomoc"));
  // Over the middle of the main window, not in a corner of the screen.
  QVERIFY((help->geometry().center() - f.Window()->geometry().center()).manhattanLength() < 20);
  QTextBrowser& browser = *help->Browser;
  QCOMPARE(browser.source().fileName(), QStringLiteral("pomoc.html"));
  QCOMPARE(browser.documentTitle(), QStringLiteral("ZUVAR 32 Pro - Pomoc"));
  QCOMPARE(browser.verticalScrollBar()->value(), 0);
  QVERIFY(browser.verticalScrollBar()->maximum() > 0);

  // A click on an entry of the table of contents brings its chapter to the top.
  const QTextCursor entry = Find(browser, QStringLiteral("Język bloków"));
  QVERIFY(!entry.isNull());
  QVERIFY(entry.charFormat().isAnchor());
  const QRect where = browser.cursorRect(entry);
  QTest::mouseClick(browser.viewport(), Qt::LeftButton, {}, where.center() - QPoint(5, 0));
  QTRY_VERIFY(browser.verticalScrollBar()->value() > 0);
  QTextCursor chapter(entry);
  chapter.movePosition(QTextCursor::End);
  chapter = browser.document()->find(QStringLiteral("Język bloków"), entry);
  QVERIFY(!chapter.isNull());
  const int top = browser.cursorRect(chapter).top();
  QVERIFY2(top >= 0 && top < 60, qPrintable(QString::number(top)));

  // F1 in the help window goes back to the contents; "Pomoc ..." shows the same window.
  QTest::keyClick(&browser, Qt::Key_F1);
  QCOMPARE(browser.verticalScrollBar()->value(), 0);
  QTest::mouseClick(browser.viewport(), Qt::LeftButton, {}, where.center() - QPoint(5, 0));
  QTRY_VERIFY(browser.verticalScrollBar()->value() > 0);
  help->close();
  f.Menu().Pomoc2->trigger();
  QCOMPARE(f.Window()->findChildren<THelpWindow*>().size(), 1);
  QCOMPARE(browser.verticalScrollBar()->value(), 0);
  QVERIFY(help->isVisible());
}

void HelpAndTranslationsTest::QtDialogsSpeakPolish() {
  const QString catalogue =
      QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_pl.qm");
  if (!QFile::exists(catalogue)) QSKIP("Qt's Polish translation is not installed");
  QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Look in:"));
  {
    AppFixture f;
    QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Szukaj w:"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Anuluj"));
    // The file dialog as the program shows it.
    QFileDialog dialog(f.Window());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* lookIn = dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"));
    QVERIFY(lookIn != nullptr);
    QCOMPARE(lookIn->text(), QStringLiteral("Szukaj w:"));
  }
  // The translation goes with the application object.
  QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Look in:"));
}

QTEST_MAIN(HelpAndTranslationsTest)
#include "HelpAndTranslationsTest.moc"
