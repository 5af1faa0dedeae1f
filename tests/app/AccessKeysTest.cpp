// Every menu and menu item of the program is reached from the keyboard: its caption marks one
// letter with "&" (Alt+P opens "Plik"), and no two entries of one menu share that letter, or
// the key would only cycle between them.
#include <QMenuBar>
#include <QtTest>

#include "app/LogWindow.h"
#include "app/OutputPanel.h"
#include "editor/BlockMouse.h"
#include "tests/app/AppTestSupport.h"

using namespace zuvar;
using zuvar::test::AppFixture;

namespace {

// The access key of a caption, lower case, or a null character when it has none ("&&" is a
// plain ampersand).
QChar AccessKey(const QString& caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != QLatin1Char('&')) continue;
    if (caption[i + 1] != QLatin1Char('&')) return caption[i + 1].toLower();
    ++i;
  }
  return QChar();
}

// Checks the entries of one menu, then every submenu below it.
void CheckMenu(const QString& path, const QList<QAction*>& entries) {
  QHash<QChar, QString> taken;
  for (QAction* entry : entries) {
    if (entry->isSeparator()) continue;
    const QString where = path + QStringLiteral(" / ") + entry->text();
    const QChar key = AccessKey(entry->text());
    QVERIFY2(!key.isNull() && !key.isSpace(), qPrintable(where + QStringLiteral(": no key")));
    QVERIFY2(!taken.contains(key),
             qPrintable(where + QStringLiteral(": same key as ") + taken.value(key)));
    taken.insert(key, entry->text());
    if (QMenu* submenu = entry->menu()) {
      CheckMenu(where, submenu->actions());
      if (QTest::currentTestFailed()) return;
    }
  }
}

}  // namespace

class AccessKeysTest : public QObject {
  Q_OBJECT
 private slots:
  void EveryMenuEntryHasItsOwnAccessKey();
  void AltAndTheKeyOpenTheMenu();
};

void AccessKeysTest::EveryMenuEntryHasItsOwnAccessKey() {
  AppFixture f;
  QVERIFY(f.Window()->menuBar()->actions().size() >= 7);
  CheckMenu(QStringLiteral("ZUVAR"), f.Window()->menuBar()->actions());
  if (QTest::currentTestFailed()) return;
  CheckMenu(QStringLiteral("Log"), f.app->LogWindow()->MainMenu1->actions());
  if (QTest::currentTestFailed()) return;
  CheckMenu(QStringLiteral("Standardowe wyjście"), f.Window()->Frame1->PopupMenu1->actions());
  if (QTest::currentTestFailed()) return;
  // The block menu is filled when it is first asked for.
  f.NewDiagram();
  TNewShape* block = f.AddBlock(nstCalc, 100, 100);
  f.Canvas()->BlockMouse().ShowContextMenu(*block, QPoint());
  QVERIFY(!f.Canvas()->BlockMenu().actions().isEmpty());
  CheckMenu(QStringLiteral("Blok"), f.Canvas()->BlockMenu().actions());
}

void AccessKeysTest::AltAndTheKeyOpenTheMenu() {
  AppFixture f;
  f.Window()->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(f.Window()));
  QTest::keyClick(f.Window(), Qt::Key_P, Qt::AltModifier);
  QTRY_VERIFY(f.Menu().Schematblokowy1->isVisible());
  QTest::keyClick(f.Menu().Schematblokowy1, Qt::Key_Escape);
  QTRY_VERIFY(!f.Menu().Schematblokowy1->isVisible());
}

QTEST_MAIN(AccessKeysTest)
#include "AccessKeysTest.moc"
