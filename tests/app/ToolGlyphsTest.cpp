#include <QApplication>
#include <QPainter>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include "app/SimulationWindow.h"
#include "app/ToolGlyphs.h"
#include "editor/ToolCursors.h"
#include "tests/app/AppTestSupport.h"

using namespace zuvar;
using zuvar::test::AppFixture;

namespace {

using G = TToolGlyphs;
// The block tools in their tool bar order.
const std::vector<G::TGlyph> kBlockGlyphs = {G::StartBlock, G::StopBlock,   G::CalcBlock,
                                             G::InOutBlock, G::ChoiceBlock, G::ContinuumBlock,
                                             G::NodeBlock};

QPalette DarkPalette() {
  QPalette dark;
  const QColor window(45, 45, 48), text(230, 230, 230), disabledText(130, 130, 130);
  for (QPalette::ColorRole role :
       {QPalette::Window, QPalette::Button, QPalette::Base, QPalette::AlternateBase,
        QPalette::Light, QPalette::Midlight, QPalette::Mid, QPalette::Dark, QPalette::Shadow})
    dark.setColor(role, window);
  for (QPalette::ColorRole role :
       {QPalette::WindowText, QPalette::ButtonText, QPalette::Text, QPalette::BrightText})
    dark.setColor(role, text);
  dark.setColor(QPalette::Disabled, QPalette::WindowText, disabledText);
  dark.setColor(QPalette::Disabled, QPalette::ButtonText, disabledText);
  return dark;
}

// What a person sees of an icon: its picture laid on the given background.
QImage OnBackground(const QIcon& icon, int size, const QColor& background) {
  QImage image(size, size, QImage::Format_RGB32);
  image.fill(background);
  QPainter painter(&image);
  painter.drawPixmap(0, 0, icon.pixmap(QSize(size, size)));
  painter.end();
  return image;
}

QImage OnBackground(const QCursor& cursor, const QColor& background) {
  const QPixmap picture = cursor.pixmap();
  QImage image(picture.size(), QImage::Format_RGB32);
  image.fill(background);
  QPainter painter(&image);
  painter.drawPixmap(0, 0, picture);
  painter.end();
  return image;
}

// Pixels whose colours are plainly apart (by more than a quarter of a channel's range).
int DifferentPixels(const QImage& a, const QImage& b) {
  int count = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
      const int distance = std::max({std::abs(p.red() - q.red()), std::abs(p.green() - q.green()),
                                     std::abs(p.blue() - q.blue())});
      if (distance > 64) ++count;
    }
  return count;
}

double Luminance(const QColor& c) {
  auto channel = [](double v) {
    v /= 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

// Pixels of the image whose contrast with the background is at least 3 : 1, the least a
// picture needs to be made out.
int ContrastingPixels(const QImage& image, const QColor& background) {
  const double back = Luminance(background);
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const double l = Luminance(image.pixelColor(x, y));
      if ((std::max(l, back) + 0.05) / (std::min(l, back) + 0.05) >= 3.0) ++count;
    }
  return count;
}

// Every enabled button of the tool bar shows a picture that stands out from the button.
void CheckButtonsStandOut(QToolBar& bar, const QString& where) {
  const QImage shot = bar.grab().toImage();
  int checked = 0;
  for (QToolButton* button : bar.findChildren<QToolButton*>()) {
    if (!button->isVisible() || !button->isEnabled() || button->icon().isNull()) continue;
    if (button->objectName() == QLatin1String("qt_toolbar_ext_button")) continue;  // Qt's own
    const QImage face = shot.copy(button->geometry());
    const QColor background = face.pixelColor(1, face.height() / 2);
    const int seen = ContrastingPixels(face, background);
    if (seen < 12)
      QFAIL(qPrintable(QStringLiteral("%1: the button \"%2\" shows only %3 contrasting pixels")
                           .arg(where, button->toolTip())
                           .arg(seen)));
    ++checked;
  }
  QVERIFY(checked >= 3);
}

}  // namespace

class ToolGlyphsTest : public QObject {
  Q_OBJECT
 private slots:
  void BlockGlyphsAndCursorsDifferPairwise();
  void ToolBarGlyphsStandOutOnLightAndDarkThemes_data();
  void ToolBarGlyphsStandOutOnLightAndDarkThemes();
};

void ToolGlyphsTest::BlockGlyphsAndCursorsDifferPairwise() {
  const QColor background = QApplication::palette().color(QPalette::Window);
  for (int size : {16, 24, 32}) {
    std::vector<QImage> pictures;
    for (G::TGlyph glyph : kBlockGlyphs)
      pictures.push_back(OnBackground(G::Icon(glyph), size, background));
    for (size_t i = 0; i < pictures.size(); ++i) {
      // Each picture shows something, and no two pictures could be taken for each other.
      QVERIFY(ContrastingPixels(pictures[i], background) >= size);
      for (size_t j = i + 1; j < pictures.size(); ++j)
        QVERIFY2(DifferentPixels(pictures[i], pictures[j]) >= size / 2,
                 qPrintable(QStringLiteral("glyphs %1 and %2 at %3 px").arg(i).arg(j).arg(size)));
    }
  }
  // The cursors, slot 1 to 7, over the white sheet.
  const TToolCursors cursors;
  std::vector<QImage> pictures;
  for (int slot = 1; slot <= 7; ++slot) {
    QCOMPARE(cursors.Cursor(slot).hotSpot(), QPoint(7, 7));
    pictures.push_back(OnBackground(cursors.Cursor(slot), Qt::white));
  }
  for (size_t i = 0; i < pictures.size(); ++i)
    for (size_t j = i + 1; j < pictures.size(); ++j)
      QVERIFY2(DifferentPixels(pictures[i], pictures[j]) >= 16,
               qPrintable(QStringLiteral("cursors %1 and %2").arg(i + 1).arg(j + 1)));
}

void ToolGlyphsTest::ToolBarGlyphsStandOutOnLightAndDarkThemes_data() {
  QTest::addColumn<QPalette>("palette");
  QTest::newRow("light") << QApplication::style()->standardPalette();
  QTest::newRow("dark") << DarkPalette();
}

void ToolGlyphsTest::ToolBarGlyphsStandOutOnLightAndDarkThemes() {
  QFETCH(QPalette, palette);
  const QPalette original = QApplication::palette();
  QApplication::setPalette(palette);
  {
    AppFixture f;
    f.NewDiagram();  // the block tools are enabled with a diagram
    QCoreApplication::processEvents();
    CheckButtonsStandOut(*f.Menu().ToolBar1, QStringLiteral("main window"));
    TForm3* simulation = f.app->SimulationWindow();
    simulation->resize(420, simulation->height());  // wide enough for every button
    simulation->show();
    QVERIFY(QTest::qWaitForWindowExposed(simulation));
    CheckButtonsStandOut(*simulation->ToolBar1, QStringLiteral("simulation window"));
    // A glyph drawn alone on the palette's background stands out from it too.
    const QColor background = palette.color(QPalette::Window);
    for (G::TGlyph glyph : {G::RealTime, G::Step, G::Check, G::Delete, G::Pause})
      QVERIFY(ContrastingPixels(OnBackground(G::Icon(glyph), 16, background), background) >= 12);
  }
  QApplication::setPalette(original);
}

QTEST_MAIN(ToolGlyphsTest)
#include "ToolGlyphsTest.moc"
