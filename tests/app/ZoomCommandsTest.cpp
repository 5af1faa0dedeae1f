#include <QLabel>
#include <QSet>
#include <QtTest>

#include "app/SheetRenderer.h"
#include "app/ZoomCommands.h"
#include "editor/ZoomControl.h"
#include "tests/app/AppTestSupport.h"

using namespace zuvar;
using zuvar::test::AppFixture;

class ZoomCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void ItemsFollowTheCanvasWithUniqueAccessKeys();
  void KeysStepResetAndFitShowTheZoom();
  void PicturesOfTheSheetIgnoreTheZoom();
};

void ZoomCommandsTest::ItemsFollowTheCanvasWithUniqueAccessKeys() {
  AppFixture f;
  TZoomCommands& zoom = f.Window()->ZoomCommands();
  const QList<QAction*> items = {zoom.Powieksz1, zoom.Pomniejsz1, zoom.Rozmiarrzeczywisty1,
                                 zoom.Dopasujdookna1};
  for (QAction* item : items) QVERIFY(!item->isEnabled());
  QVERIFY(!zoom.Powiekszenie->isVisible());
  QCOMPARE(zoom.Dopasujdookna1->text().remove(QLatin1Char('&')), QStringLiteral("Dopasuj do okna"));
  // Every access key of the "Widok" menu is its own.
  QSet<int> keys;
  int withKey = 0;
  for (QAction* action : f.Menu().Widok1->actions()) {
    const QKeySequence key = QKeySequence::mnemonic(action->text());
    if (key.isEmpty()) continue;
    ++withKey;
    keys.insert(key[0].toCombined());
  }
  QCOMPARE(keys.size(), withKey);
  for (QAction* item : items) QVERIFY(!QKeySequence::mnemonic(item->text()).isEmpty());

  f.NewDiagram();
  for (QAction* item : items) QVERIFY(item->isEnabled());
  QVERIFY(zoom.Powiekszenie->isVisible());
  QCOMPARE(zoom.Powiekszenie->text(), QStringLiteral("100%"));
  f.dialogs.answers.push_back(TMsgResult::Yes);
  f.Menu().Usu1->trigger();
  f.dialogs.answers.clear();
  QCOMPARE(f.Canvas(), nullptr);
  for (QAction* item : items) QVERIFY(!item->isEnabled());
  QVERIFY(!zoom.Powiekszenie->isVisible());
}

void ZoomCommandsTest::KeysStepResetAndFitShowTheZoom() {
  AppFixture f;
  f.NewDiagram();
  QLabel* label = f.Window()->ZoomCommands().Powiekszenie;
  const auto press = [&f](Qt::Key key) {
    QTest::keyClick(f.Window(), key, Qt::ControlModifier);
    return f.Canvas()->Zoom().Percent();
  };
  QCOMPARE(press(Qt::Key_Equal), 125);
  QCOMPARE(press(Qt::Key_Plus), 150);
  QCOMPARE(label->text(), QStringLiteral("150%"));
  QCOMPARE(press(Qt::Key_Minus), 125);
  QCOMPARE(press(Qt::Key_Minus), 100);
  QCOMPARE(press(Qt::Key_Minus), 75);
  QCOMPARE(press(Qt::Key_0), 100);
  QCOMPARE(label->text(), QStringLiteral("100%"));
  f.Window()->ZoomCommands().Dopasujdookna1->trigger();
  TSchematView* canvas = f.Canvas();
  const QRect port = canvas->viewport()->rect();
  QVERIFY(port.contains(canvas->ViewportOfSheet(0, 0)));
  const TSchemat& doc = canvas->Document();
  QVERIFY(port.contains(canvas->ViewportOfSheet(doc.SheetWidth - 1, doc.SheetHeight - 1)));
  QCOMPARE(label->text(), QString::number(canvas->Zoom().Percent()) + QLatin1Char('%'));
  // A new diagram starts at 100 %.
  f.NewDiagram();
  QCOMPARE(f.Canvas()->Zoom().Percent(), 100);
  QCOMPARE(label->text(), QStringLiteral("100%"));
}

void ZoomCommandsTest::PicturesOfTheSheetIgnoreTheZoom() {
  AppFixture f;
  TNewShape* start = f.NewStartToStop();
  f.Canvas()->SetActiveBlock(start);
  const QImage atFull = TSheetRenderer(*f.Canvas()).ToImage();
  QVERIFY(!atFull.isNull());
  for (const qreal factor : {0.25, 2.0, 4.0}) {
    f.Canvas()->Zoom().SetFactor(factor, QPointF(0, 0));
    TSheetRenderer renderer(*f.Canvas());
    QCOMPARE(renderer.Width(), f.Canvas()->Document().SheetWidth);
    QCOMPARE(renderer.ToImage(), atFull);
  }
}

QTEST_MAIN(ZoomCommandsTest)
#include "ZoomCommandsTest.moc"
