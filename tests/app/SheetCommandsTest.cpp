#include <sys/resource.h>
#include <unistd.h>

#include <QFile>
#include <QGraphicsSimpleTextItem>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QtTest>
#include <fstream>

#include "app/PreviewWindow.h"
#include "app/SimulationCommands.h"
#include "app/StronaSizer.h"
#include "editor/BlockItem.h"
#include "export/Bmp4Reader.h"
#include "export/SheetFitter.h"
#include "tests/app/AppTestSupport.h"
#include "tests/app/FileFaults.h"

using namespace zuvar;
using zuvar::test::AppFixture;
using zuvar::test::ReadAll;

namespace {

// Answers the canvas-size dialog with the two texts; other dialogs are accepted.
std::function<int(QDialog&)> SizeAnswer(const QString& width, const QString& height,
                                        QStringList* presets = nullptr) {
  return [=](QDialog& dialog) {
    auto* sizer = qobject_cast<TStronaSizer*>(&dialog);
    if (sizer == nullptr) return int(QDialog::Accepted);
    if (presets != nullptr) *presets = {sizer->EditSzer->text(), sizer->EditWys->text()};
    sizer->EditSzer->setText(width);
    sizer->EditWys->setText(height);
    sizer->accept();
    return sizer->result();
  };
}

// A block of the given type whose box ends at (right, bottom).
TNewShape* AddBlockEndingAt(AppFixture& f, TNewShapeType type, int right, int bottom) {
  TNewShape* block = f.AddBlock(type, 0, 0);
  block->MoveTo(right - block->Width, bottom - block->Height);
  return block;
}

// The address space the process uses now, in bytes.
rlim_t AddressSpaceInUse() {
  std::ifstream statm("/proc/self/statm");
  unsigned long long pages = 0;
  statm >> pages;
  return static_cast<rlim_t>(pages) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE));
}

// Lets the process take only a little more address space while it lives.
class TAddressSpaceLimit {
 public:
  explicit TAddressSpaceLimit(rlim_t more) {
    ::getrlimit(RLIMIT_AS, &old_);
    rlimit tight = old_;
    tight.rlim_cur = AddressSpaceInUse() + more;
    ::setrlimit(RLIMIT_AS, &tight);
  }
  ~TAddressSpaceLimit() { ::setrlimit(RLIMIT_AS, &old_); }
  TAddressSpaceLimit(const TAddressSpaceLimit&) = delete;
  TAddressSpaceLimit& operator=(const TAddressSpaceLimit&) = delete;

 private:
  rlimit old_{};
};

}  // namespace

class SheetCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void ExportWritesTheSheetAsA16ColourBitmap();
  void ExportOverAnExistingFileAndIntoAnUnwritablePlace();
  void ExportWithoutMemoryForThePictureNamesItsSize();
  void SizeDialogRefusesSmallSizesInTheRightField();
  void SizeByHandNeverCutsABlockOff();
  void FitShrinksTheSheetToTheBlocks();
  void PrintPreviewAndPrinterSetUp();
  void SizeCommandsWaitForTheRunToEnd();
};

void SheetCommandsTest::ExportWritesTheSheetAsA16ColourBitmap() {
  AppFixture f;
  f.dialogs.exec = SizeAnswer("400", "300");
  f.Menu().Nowy1->trigger();
  TNewShape* block = f.AddBlock(nstCalc, 100, 80);
  TSchematView* canvas = f.Canvas();
  // A connection marker shown at the block's right side must not reach the picture.
  canvas->ShowSideMarker(*block, 3);
  const QString name = f.Path("rysunek.bmp");
  f.dialogs.saveNames = {name};
  f.Menu().ExportujSchematblokowy1->trigger();
  const TFileDialogRequest& request = f.dialogs.saveRequests.back();
  QCOMPARE(request.Title, QStringLiteral("Exportuj schemat...."));
  QCOMPARE(request.FileName, QStringLiteral("Nowy Pro.bmp"));
  QCOMPARE(request.DefaultSuffix, QStringLiteral("BMP"));
  QCOMPARE(request.Filters,
           QStringList{QStringLiteral("Pliki bitmap graficznych *.BMP (*.BMP *.bmp)")});
  QCOMPARE(f.Log().back(), "Export projektu  do pliku: " + name.toStdString());
  QVERIFY(canvas->SideMarkerVisible(*block));

  TBmp4Reader bitmap;
  QVERIFY2(bitmap.Load(name.toStdString()), bitmap.Error.c_str());
  QCOMPARE(int(bitmap.BitsPerPixel), 4);
  QCOMPARE(bitmap.Palette.size(), size_t(16));
  QCOMPARE(bitmap.Width, 400);
  QCOMPARE(bitmap.Height, 300);
  const int midY = block->Top + block->Height / 2;
  const int midX = block->Left + block->Width / 2;
  QCOMPARE(bitmap.ColorAt(block->Left, midY), 0u);  // outline
  QCOMPARE(bitmap.ColorAt(midX, block->Top), 0u);
  QCOMPARE(bitmap.ColorAt(block->Left + block->Width - 1, midY), 0u);
  QCOMPARE(bitmap.ColorAt(block->Left + 3, block->Top + 3), 0xFFFFFFu);  // white fill
  QCOMPARE(bitmap.ColorAt(5, 5), 0xFFFFFFu);
  QCOMPARE(bitmap.ColorAt(399, 299), 0xFFFFFFu);
  // Where the marker lies inside the block's right edge the block's own fill shows.
  for (int dx = 2; dx <= 4; ++dx)
    QCOMPARE(bitmap.ColorAt(block->Left + block->Width - dx, midY), 0xFFFFFFu);

  // A saved project proposes its own name and is named in the log line.
  const QString project = f.Path("projekt.bin");
  f.dialogs.saveNames = {project};
  f.Menu().SpeedButton7->trigger();
  f.dialogs.saveNames = {f.Path("projekt.bmp")};
  f.Menu().ExportujSchematblokowy1->trigger();
  QCOMPARE(f.dialogs.saveRequests.back().FileName, f.Path("projekt.bmp"));
  QCOMPARE(f.Log().back(), "Export projektu " + project.toStdString() +
                               " do pliku: " + f.Path("projekt.bmp").toStdString());
  // A cancelled dialog writes nothing.
  const size_t lines = f.Log().size();
  f.Menu().ExportujSchematblokowy1->trigger();
  QCOMPARE(f.Log().size(), lines);
}

void SheetCommandsTest::ExportOverAnExistingFileAndIntoAnUnwritablePlace() {
  AppFixture f;
  f.dialogs.exec = SizeAnswer("200", "150");
  f.Menu().Nowy1->trigger();
  const QString name = f.Path("stary.bmp");
  {
    QFile old(name);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("stara zawartość");
  }
  const size_t lines = f.Log().size();
  f.dialogs.saveNames = {name};
  f.dialogs.answers = {TMsgResult::No};
  f.Menu().ExportujSchematblokowy1->trigger();
  QCOMPARE(f.dialogs.messages.back().text,
           QStringLiteral("Plik o podanej nazwie już istnieje, czy chcesz go zastapić?"
                          "?!"));
  QCOMPARE(f.dialogs.messages.back().caption, QStringLiteral("Ostrzeżenie...."));
  QCOMPARE(f.dialogs.messages.back().icon, TMsgIcon::Warning);
  QCOMPARE(f.dialogs.messages.back().buttons, TMsgButtons::YesNo);
  QCOMPARE(ReadAll(name), QByteArray("stara zawartość"));
  QCOMPARE(f.Log().size(), lines);

  f.dialogs.saveNames = {name};
  f.dialogs.answers = {TMsgResult::Yes};
  f.Menu().ExportujSchematblokowy1->trigger();
  const QByteArray bitmap = ReadAll(name);
  QVERIFY(bitmap.startsWith("BM"));

  // A disk that fills up in the middle of the picture keeps the old picture as it was.
  f.AddBlock(nstCalc, 20, 20);
  f.dialogs.saveNames = {name};
  f.dialogs.answers = {TMsgResult::Yes};
  {
    test::TFullDisk disk(1000);
    f.Menu().ExportujSchematblokowy1->trigger();
  }
  QCOMPARE(ReadAll(name), bitmap);
  QCOMPARE(f.Log().back(), std::string("Wystąpił błąd podczas exportowania projektu: "));
  QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"stary.bmp"});

  const QString nowhere = f.Path("brak/katalogu.bmp");
  f.dialogs.saveNames = {nowhere};
  const size_t shown = f.dialogs.messages.size();
  f.Menu().ExportujSchematblokowy1->trigger();
  QCOMPARE(f.Log().back(), std::string("Wystąpił błąd podczas exportowania projektu: "));
  QCOMPARE(f.dialogs.messages.size(), shown + 1);
  QCOMPARE(f.dialogs.messages.back().text,
           QStringLiteral("Wystąpił błąd podczas exportowania projektu!"));
  QCOMPARE(f.dialogs.messages.back().caption, QStringLiteral("Błąd operacji exportowania...."));
  QCOMPARE(f.dialogs.messages.back().buttons, TMsgButtons::Ok);
  QVERIFY(!QFile::exists(nowhere));

  // The largest sheet the dialog takes is too large for a picture: refused, nothing written.
  f.dialogs.exec = SizeAnswer("9999999", "9999999");
  f.Menu().Zmienrozmiarptna1->trigger();
  QCOMPARE(f.Canvas()->Document().SheetWidth, 9999999);
  QCOMPARE(f.Canvas()->HorzRange(), 9999999 + 2 * TSchematView::SheetLeft);
  const QString huge = f.Path("wielki.bmp");
  f.dialogs.saveNames = {huge};
  f.Menu().ExportujSchematblokowy1->trigger();
  QCOMPARE(f.Log().back(), std::string("Wystąpił błąd podczas exportowania projektu:  - płótno "
                                       "9999999 x 9999999 jest za duże na bitmapę"));
  QCOMPARE(f.dialogs.messages.back().text,
           QStringLiteral("Wystąpił błąd podczas exportowania projektu!"));
  QVERIFY(!QFile::exists(huge));
}

// A sheet small enough to be drawn, whose picture the memory cannot hold: the log line says
// which picture could not be had.
void SheetCommandsTest::ExportWithoutMemoryForThePictureNamesItsSize() {
#if defined(__SANITIZE_ADDRESS__)
  QSKIP("the sanitizer reserves address space of its own");
#endif
  AppFixture f;
  f.NewDiagram();
  f.Canvas()->Document().SetSheetSize(15000, 15000);
  const QString name = f.Path("brak-pamieci.bmp");
  f.dialogs.saveNames = {name};
  {
    TAddressSpaceLimit limit(rlim_t{256} << 20);
    f.Menu().ExportujSchematblokowy1->trigger();
  }
  QCOMPARE(f.Log().back(),
           std::string("Wystąpił błąd podczas exportowania projektu:  - brak pamięci na bitmapę "
                       "15000 x 15000 pikseli (900000000 bajtów)"));
  QCOMPARE(f.dialogs.messages.back().text,
           QStringLiteral("Wystąpił błąd podczas exportowania projektu!"));
  QVERIFY(!QFile::exists(name));
}

void SheetCommandsTest::SizeDialogRefusesSmallSizesInTheRightField() {
  AppFixture f;
  TStronaSizer sizer(f.dialogs);
  sizer.EditSzer->setText("99");
  sizer.EditWys->setText("500");
  sizer.accept();
  QCOMPARE(sizer.result(), int(QDialog::Rejected));
  QCOMPARE(sizer.focusWidget(), sizer.EditSzer);
  QCOMPARE(f.dialogs.messages.back().text, QStringLiteral("Nie przeginaj! Jaki to ma sens?"));
  sizer.EditSzer->setText("500");
  sizer.EditWys->setText("99");
  sizer.accept();
  QCOMPARE(sizer.result(), int(QDialog::Rejected));
  QCOMPARE(sizer.focusWidget(), sizer.EditWys);
  sizer.EditWys->setText("100");
  sizer.EditSzer->setText("100");
  sizer.accept();
  QCOMPARE(sizer.result(), int(QDialog::Accepted));
  // Typed sizes stop at the largest sheet, whose scroll range still fits an int.
  QLineEdit* field = sizer.EditSzer;
  field->clear();
  QTest::keyClicks(field, "123456789012");
  QCOMPARE(field->text(), QStringLiteral("1234567"));
  sizer.SetSize(2147483647, 500);
  QCOMPARE(field->text(), QStringLiteral("9999999"));
}

void SheetCommandsTest::SizeByHandNeverCutsABlockOff() {
  AppFixture f;
  f.NewDiagram();
  TNewShape* first = f.AddBlock(nstStart, 200, 300);
  TNewShape* last = AddBlockEndingAt(f, nstStop, 500, 700);
  first->ExitSide = 4;
  first->EntrySide = 1;
  first->SetBlockLink(last);
  f.Canvas()->Document().Saved = true;
  TSchematView* canvas = f.Canvas();

  // Cancelled: nothing at all.
  const size_t lines = f.Log().size();
  f.dialogs.exec = [](QDialog& dialog) {
    dialog.reject();
    return int(QDialog::Rejected);
  };
  f.Menu().Zmienrozmiarptna1->trigger();
  QCOMPARE(f.Log().size(), lines);

  QStringList presets;
  f.dialogs.exec = SizeAnswer("100", "100", &presets);
  f.Menu().Zmienrozmiarptna1->trigger();
  QCOMPARE(presets, QStringList({"1000", "2000"}));
  QCOMPARE(f.Log().back(), std::string("Zmiana rozmiaru płótna projektu"));
  TSchemat& document = canvas->Document();
  QCOMPARE(document.SheetWidth, 300);
  QCOMPARE(document.SheetHeight, 400);
  QCOMPARE(canvas->Sheet->rect(), QRectF(0, 0, 300, 400));
  QCOMPARE(canvas->HorzRange(), 400);
  QCOMPARE(canvas->VertRange(), 460);
  QCOMPARE(TSheetFitter::BoundsOf(document), (TBlockBounds{0, 0, 300, 400, false}));
  QCOMPARE(canvas->ItemOf(first)->pos(), QPointF(0, 0));
  const TPoint exit = first->ConnectionPoint(4);
  QCOMPARE(first->OutLink->StartX, exit.X);
  QCOMPARE(first->OutLink->StartY, exit.Y);
  QVERIFY(!document.Saved);

  // A sheet that holds the diagram where it lies moves nothing, and the view keeps its place.
  f.dialogs.exec = SizeAnswer("900", "3000", &presets);
  f.Menu().Zmienrozmiarptna1->trigger();
  QCOMPARE(presets, QStringList({"300", "400"}));
  QCOMPARE(document.SheetWidth, 900);
  QCOMPARE(first->Left, 0);
  QCOMPARE(last->Top + last->Height, 400);
  document.Saved = true;
  canvas->SetVertPosition(40);
  f.dialogs.exec = SizeAnswer("900", "2500");
  f.Menu().Zmienrozmiarptna1->trigger();
  QCOMPARE(document.SheetHeight, 2500);
  QCOMPARE(canvas->VertPosition(), 40);
  QVERIFY(!document.Saved);
  // The same size again changes nothing and leaves the diagram saved.
  document.Saved = true;
  f.Menu().Zmienrozmiarptna1->trigger();
  QVERIFY(document.Saved);
}

void SheetCommandsTest::FitShrinksTheSheetToTheBlocks() {
  AppFixture f;
  f.NewDiagram();
  // Without blocks only the log line.
  f.Canvas()->Document().Saved = true;
  f.Menu().Dopasujautomatycznie1->trigger();
  QCOMPARE(f.Log().back(), std::string("Zmiana rozmiaru płótna projektu (automat)"));
  QCOMPARE(f.Canvas()->Document().SheetWidth, 1000);
  QCOMPARE(f.Canvas()->Document().SheetHeight, 2000);
  QVERIFY(f.Canvas()->Document().Saved);

  TNewShape* first = f.AddBlock(nstCalc, 40, 60);
  TNewShape* last = AddBlockEndingAt(f, nstCalc, 340, 560);
  const int lastLeft = last->Left, lastTop = last->Top;
  f.Menu().Dopasujautomatycznie1->trigger();
  TSchematView* canvas = f.Canvas();
  QCOMPARE(canvas->Document().SheetWidth, 300);
  QCOMPARE(canvas->Document().SheetHeight, 500);
  QCOMPARE(canvas->Sheet->rect(), QRectF(0, 0, 300, 500));
  QCOMPARE(first->Left, 0);
  QCOMPARE(first->Top, 0);
  QCOMPARE(last->Left, lastLeft - 40);
  QCOMPARE(last->Top, lastTop - 60);
  QCOMPARE(canvas->ItemOf(last)->pos(), QPointF(last->Left, last->Top));
  QCOMPARE(canvas->HorzRange(), 400);
  QCOMPARE(canvas->VertRange(), 560);
  const int labelWidth = static_cast<int>(canvas->TitleLabel->boundingRect().width());
  QCOMPARE(canvas->TitleLabel->x(), qreal(TSchematView::SheetLeft + 150 - labelWidth / 2));
  QVERIFY(!canvas->Document().Saved);
}

void SheetCommandsTest::PrintPreviewAndPrinterSetUp() {
  AppFixture f;
  f.dialogs.exec = SizeAnswer("320", "240");
  f.Menu().Nowy1->trigger();
  f.AddBlock(nstCalc, 20, 20);
  // A cancelled print dialog prints nothing.
  f.Menu().DrukujSchematblokowy1->trigger();
  const QString pdf = f.Path("wydruk.pdf");
  f.dialogs.print = [&pdf](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return true;
  };
  f.Menu().DrukujSchematblokowy1->trigger();
  QVERIFY(ReadAll(pdf).startsWith("%PDF"));
  QVERIFY(ReadAll(pdf).size() > 500);

  f.Menu().Ustawieniadrukarki1->trigger();
  QCOMPARE(f.dialogs.printerSetups, 1);

  QString title;
  bool maximized = false;
  f.dialogs.exec = [&](QDialog& dialog) {
    auto* preview = qobject_cast<TForm6*>(&dialog);
    if (preview == nullptr) return int(QDialog::Rejected);
    title = preview->windowTitle();
    maximized = preview->windowState() & Qt::WindowMaximized;
    return int(QDialog::Accepted);
  };
  QVERIFY(!f.Menu().Poka1->isVisible());
  f.Menu().Poka1->trigger();
  QCOMPARE(title, QStringLiteral("ZUVAR 32 Pro - podgląd schematu blokowego"));
  QVERIFY(maximized);
  // The preview keeps the last picture.
  TForm6* preview = f.app->PreviewWindow();
  QCOMPARE(preview->Image1->pixmap().size(), QSize(320, 240));
  QCOMPARE(preview->Image1->geometry(), QRect(0, 0, 320, 240));
  const QImage picture = preview->Image1->pixmap().toImage();
  QCOMPARE(picture.pixelColor(20, 25), QColor(Qt::black));
  QCOMPARE(picture.pixelColor(5, 5), QColor(Qt::white));
}

void SheetCommandsTest::SizeCommandsWaitForTheRunToEnd() {
  AppFixture f;
  TMainMenu& m = f.Menu();
  TNewShape* start = f.NewStartToStop();
  m.Wykonanie1->trigger();
  TSimulationCommands& run = f.Window()->Simulation();
  QVERIFY(run.Exists());
  QVERIFY(!m.Rozmiarptna1->menuAction()->isEnabled());
  const size_t lines = f.Log().size();
  const size_t dialogs = f.dialogs.execTitles.size();
  m.Dopasujautomatycznie1->trigger();
  m.Zmienrozmiarptna1->trigger();
  QCOMPARE(f.Log().size(), lines);
  QCOMPARE(f.dialogs.execTitles.size(), dialogs);
  QCOMPARE(start->Left, 100);
  QCOMPARE(f.Canvas()->Document().SheetWidth, 1000);
  run.End();
  QVERIFY(!run.Exists());
  QVERIFY(m.Rozmiarptna1->menuAction()->isEnabled());
  m.Dopasujautomatycznie1->trigger();
  QCOMPARE(start->Left, 0);
}

QTEST_MAIN(SheetCommandsTest)
#include "SheetCommandsTest.moc"
