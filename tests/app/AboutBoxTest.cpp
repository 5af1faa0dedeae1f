#include <QLabel>
#include <QTest>

#include "app/AboutBox.h"

// The About box names the version the program was built as and the licence it is shipped under.
class AboutBoxTest : public QObject {
  Q_OBJECT
 private slots:
  void ShowsTheBuiltVersionAndTheLicence();
};

void AboutBoxTest::ShowsTheBuiltVersionAndTheLicence() {
  zuvar::TAboutBox box;
  QStringList texts;
  for (const QLabel* label : box.findChildren<QLabel*>()) texts << label->text();
  const QString all = texts.join(QLatin1Char('\n'));
  QVERIFY(all.contains(QStringLiteral("ZUVAR 32 Pro")));
  QVERIFY(
      all.contains(QStringLiteral("Edytor graficzny i symulator schematów blokowych algorytmów")));
  QVERIFY(all.contains(QStringLiteral("Wersja " ZUVAR_TEST_VERSION)));
  QVERIFY(all.contains(QStringLiteral("GNU GPL")));
  QVERIFY(all.contains(QStringLiteral("w wersji 3 albo")));
}

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
