#include <QGraphicsRectItem>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include "app/StronaSizer.h"
#include "tests/app/AppTestSupport.h"

using namespace zuvar;
using zuvar::test::AppFixture;

namespace {

constexpr double kMillimetresPerInch = 25.4;

// Records where the printer's painter puts the whole sheet: drawn as one of the sheet's items,
// it maps the sheet's rectangle to the page's device pixels.
class SheetProbe : public QGraphicsRectItem {
 public:
  using QGraphicsRectItem::QGraphicsRectItem;
  QRectF printed;
  int dpi = 0;
  void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override {
    printed = painter->deviceTransform().mapRect(rect());
    dpi = painter->device()->logicalDpiX();
  }
};

// A new diagram of the given sheet size with a calculation block in its top-left and in its
// bottom-right corner, so that the printed page shows where the sheet lies.
void NewSheetWithCornerBlocks(AppFixture& f, int width, int height) {
  f.dialogs.exec = [=](QDialog& dialog) {
    if (auto* sizer = qobject_cast<TStronaSizer*>(&dialog)) {
      sizer->EditSzer->setText(QString::number(width));
      sizer->EditWys->setText(QString::number(height));
      sizer->accept();
      return sizer->result();
    }
    return int(QDialog::Accepted);
  };
  f.NewDiagram();
  QCOMPARE(f.Canvas()->Document().SheetWidth, width);
  TNewShape* first = f.AddBlock(nstCalc, 0, 0);
  TNewShape* last = f.AddBlock(nstCalc, 0, 0);
  last->MoveTo(width - last->Width, height - last->Height);
  f.Canvas()->LayoutBlock(*last);
  QCOMPARE(first->Left, 0);
}

// Prints through the Print command to a PDF file on A4 at 1200 dots per inch with 10 mm
// margins; returns what the probe saw.
SheetProbe* PrintToPdf(AppFixture& f, const QString& pdf) {
  auto* probe = new SheetProbe(f.Canvas()->Sheet->rect(), f.Canvas()->Sheet);
  f.dialogs.print = [&pdf](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(1200);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    printer.setOutputFileName(pdf);
    return true;
  };
  f.Menu().DrukujSchematblokowy1->trigger();
  return probe;
}

double Millimetres(double devicePixels, int dpi) {
  return devicePixels / dpi * kMillimetresPerInch;
}

// The page rasterised at 96 dots per inch, as a screen at 100 % shows it; a null image when
// no rasteriser is installed.
QImage PageAtScreenSize(const QString& pdf) {
  const QString rasteriser = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
  if (rasteriser.isEmpty()) return QImage();
  const QString base = pdf + QStringLiteral("-page");
  QProcess process;
  process.start(rasteriser, {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"),
                             QStringLiteral("-singlefile"), pdf, base});
  if (!process.waitForFinished(60000) || process.exitCode() != 0) return QImage();
  return QImage(base + QStringLiteral(".png"));
}

// The smallest rectangle holding every dark pixel of the page.
QRect InkExtent(const QImage& page) {
  QRect extent;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if (qGray(page.pixel(x, y)) < 128) extent |= QRect(x, y, 1, 1);
  return extent;
}

}  // namespace

class PrintTest : public QObject {
  Q_OBJECT
 private slots:
  void ASmallSheetPrintsAtItsScreenSize();
  void AHugeSheetIsScaledDownToThePage();
};

void PrintTest::ASmallSheetPrintsAtItsScreenSize() {
  AppFixture f;
  NewSheetWithCornerBlocks(f, 500, 1000);
  const QString pdf = f.Path("maly.pdf");
  SheetProbe* probe = PrintToPdf(f, pdf);
  QCOMPARE(probe->dpi, 1200);
  // 500 x 1000 pixels at 96 per inch: 132.3 x 264.6 mm, at the printable area's corner.
  QVERIFY(qAbs(Millimetres(probe->printed.width(), probe->dpi) - 500 / 96.0 * 25.4) < 0.1);
  QVERIFY(qAbs(Millimetres(probe->printed.height(), probe->dpi) - 1000 / 96.0 * 25.4) < 0.1);
  QVERIFY(probe->printed.topLeft().manhattanLength() < 1);

  const QImage page = PageAtScreenSize(pdf);
  if (page.isNull()) QSKIP("pdftoppm is not installed: the printed page is not looked at");
  // On the page seen at 100 %, the corner blocks span the sheet's own 500 x 1000 pixels,
  // starting at the 10 mm margin.
  const QRect ink = InkExtent(page);
  QVERIFY2(qAbs(ink.width() - 500) <= 2 && qAbs(ink.height() - 1000) <= 2,
           qPrintable(QStringLiteral("%1 x %2").arg(ink.width()).arg(ink.height())));
  QVERIFY(qAbs(ink.left() - 38) <= 2 && qAbs(ink.top() - 38) <= 2);
}

void PrintTest::AHugeSheetIsScaledDownToThePage() {
  AppFixture f;
  NewSheetWithCornerBlocks(f, 3000, 12000);
  const QString pdf = f.Path("duzy.pdf");
  SheetProbe* probe = PrintToPdf(f, pdf);
  // A4 less 10 mm margins is 190 x 277 mm: the sheet's height fills it, its width keeps the
  // proportion 1 : 4.
  QVERIFY(qAbs(Millimetres(probe->printed.height(), probe->dpi) - 277) < 0.5);
  QVERIFY(qAbs(Millimetres(probe->printed.width(), probe->dpi) - 277 / 4.0) < 0.5);

  const QImage page = PageAtScreenSize(pdf);
  if (page.isNull()) QSKIP("pdftoppm is not installed: the printed page is not looked at");
  const QRect ink = InkExtent(page);
  QVERIFY(page.rect().contains(ink));
  const QRect printable(38, 38, page.width() - 2 * 38, page.height() - 2 * 38);
  QVERIFY2(printable.adjusted(-2, -2, 2, 2).contains(ink),
           qPrintable(QStringLiteral("%1,%2 %3 x %4")
                          .arg(ink.left())
                          .arg(ink.top())
                          .arg(ink.width())
                          .arg(ink.height())));
  QVERIFY(ink.height() >= printable.height() - 3);
  QVERIFY(qAbs(ink.width() * 4 - ink.height()) <= 12);
}

QTEST_MAIN(PrintTest)
#include "PrintTest.moc"
