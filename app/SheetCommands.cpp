#include "app/SheetCommands.h"

#include <QGraphicsSimpleTextItem>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QUndoStack>
#include <algorithm>

#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "app/PreviewWindow.h"
#include "app/ProjectCommands.h"
#include "app/SheetRenderer.h"
#include "app/SimulationCommands.h"
#include "app/StronaSizer.h"
#include "app/ZuvarApp.h"
#include "editor/SchematView.h"
#include "editor/commands/ResizeSheetCommand.h"
#include "export/Bmp4Writer.h"
#include "export/ExportNaming.h"
#include "export/SheetFitter.h"
#include "export/SheetSizeRules.h"
#include "project/NewFileStream.h"

namespace zuvar {

TSheetCommands::TSheetCommands(TZUVAR& window) : window_(window) {}

TSheetCommands::~TSheetCommands() = default;

void TSheetCommands::Log(const std::string& line) { window_.App().Log.Append(line); }

QPrinter& TSheetCommands::Printer() {
  if (printer_ == nullptr) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

// ---- printing -------------------------------------------------------------------------------

void TSheetCommands::Ustawieniadrukarki1Click() {
  if (window_.Schemat() == nullptr) return;
  window_.App().Dialogs().PrinterSetup(&window_, Printer());
}

void TSheetCommands::DrukujSchematblokowy1Click() {
  TSchematView* canvas = window_.Schemat();
  if (canvas == nullptr) return;
  QPrinter& printer = Printer();
  if (!window_.App().Dialogs().Print(&window_, printer)) return;
  TSheetRenderer(*canvas).Print(printer);
}

// ---- preview --------------------------------------------------------------------------------

void TSheetCommands::Poka1Click() {
  TSchematView* canvas = window_.Schemat();
  TForm6* preview = window_.App().PreviewWindow();
  if (canvas == nullptr || preview == nullptr) return;
  preview->SetPicture(QPixmap::fromImage(TSheetRenderer(*canvas).ToImage()));
  preview->PrepareToShow();
  window_.App().Dialogs().Exec(*preview);
}

// ---- export ---------------------------------------------------------------------------------

void TSheetCommands::ExportujSchematblokowy1Click() {
  TSchematView* canvas = window_.Schemat();
  if (canvas == nullptr) return;
  const QString proposed = QString::fromStdString(
      TExportNaming::ProposedFileName(canvas->TitleLabel->text().toStdString()));
  const QString filter =
      QStringLiteral("%1 (%2)").arg(QString::fromUtf8(TExportNaming::FilterText),
                                    QString::fromUtf8(TExportNaming::FilterPattern));
  const QString file = window_.App().Dialogs().SaveFile(
      &window_, TFileDialogRequest{QString::fromUtf8(TExportNaming::DialogTitle),
                                   {filter},
                                   QString::fromUtf8(TExportNaming::DefaultExtension),
                                   proposed});
  if (file.isEmpty() || !ConfirmOverwrite(file)) return;
  std::string reason;
  if (!WriteBitmap(*canvas, file, reason)) {
    ReportExportFailure(reason);
    return;
  }
  Log(TExportNaming::SuccessLogLine(window_.Project().FileName().toStdString(),
                                    file.toStdString()));
}

bool TSheetCommands::ConfirmOverwrite(const QString& file) {
  if (!TNewFileStream::CanOpenForReading(file.toStdString())) return true;
  return window_.App().Dialogs().Message(&window_,
                                         QString::fromUtf8(TExportNaming::OverwriteQuestion),
                                         QString::fromUtf8(TExportNaming::OverwriteCaption),
                                         TMsgIcon::Warning, TMsgButtons::YesNo) == TMsgResult::Yes;
}

// The writer replaces the old file only with a complete picture, so a failure leaves the old
// one as it was. A sheet that gives no picture (too large, no memory for it, no pixels) is named
// as the reason.
bool TSheetCommands::WriteBitmap(TSchematView& canvas, const QString& file, std::string& reason) {
  TSheetRenderer renderer(canvas);
  const long long width = renderer.Width();
  const long long height = renderer.Height();
  if (width <= 0 || height <= 0) {
    reason = TExportNaming::EmptyReason(width, height);
    return false;
  }
  if (width * height > TSheetRenderer::MaximumPixels) {
    reason = TExportNaming::TooLargeReason(width, height);
    return false;
  }
  const QImage image = renderer.ToImage();
  if (image.isNull()) {
    reason = TExportNaming::NoMemoryReason(width, height);
    return false;
  }
  const auto* pixels = reinterpret_cast<const uint32_t*>(image.constBits());
  const int stride = static_cast<int>(image.bytesPerLine() / 4);
  return TBmp4Writer().Write(file.toStdString(), pixels, image.width(), image.height(), stride);
}

void TSheetCommands::ReportExportFailure(const std::string& reason) {
  Log(TExportNaming::FailureLogLine(window_.Project().FileName().toStdString(), reason));
  window_.App().Dialogs().Message(&window_, QString::fromUtf8(TExportNaming::FailureText),
                                  QString::fromUtf8(TExportNaming::FailureCaption), TMsgIcon::Error,
                                  TMsgButtons::Ok);
}

// ---- sheet size -----------------------------------------------------------------------------

TSchematView* TSheetCommands::ResizableCanvas() const {
  if (window_.Simulation().Exists()) return nullptr;
  return window_.Schemat();
}

bool TSheetCommands::ApplySheetChange(TSchematView& canvas, TSheetChange change,
                                      const QString& text) {
  TSchemat& document = canvas.Document();
  change.Width = std::clamp(change.Width, 0, TSheetSizeRules::MaximumSize);
  change.Height = std::clamp(change.Height, 0, TSheetSizeRules::MaximumSize);
  const bool changed = change.ShiftX != 0 || change.ShiftY != 0 ||
                       change.Width != document.SheetWidth || change.Height != document.SheetHeight;
  if (changed) window_.UndoStack().push(new TResizeSheetCommand(canvas, change, text));
  return changed;
}

void TSheetCommands::Zmienrozmiarptna1Click() {
  TSchematView* canvas = ResizableCanvas();
  if (canvas == nullptr) return;
  TSchemat& document = canvas->Document();
  TStronaSizer sizer(window_.App().Dialogs(), &window_);
  sizer.SetSize(document.SheetWidth, document.SheetHeight);
  if (window_.App().Dialogs().Exec(sizer) != QDialog::Accepted) return;
  Log(TSheetFitter::ByHandLogLine);
  const int width = TStronaSizer::FieldValue(sizer.EditSzer);
  const int height = TStronaSizer::FieldValue(sizer.EditWys);
  // The view keeps its place on the sheet while the ranges change under it.
  const int horz = canvas->HorzPosition();
  const int vert = canvas->VertPosition();
  canvas->SetHorzPosition(0);
  canvas->SetVertPosition(0);
  ApplySheetChange(*canvas, TSheetFitter::PlanByHand(document, width, height),
                   QStringLiteral("Zmiana rozmiaru płótna"));
  canvas->SetHorzPosition(horz);
  canvas->SetVertPosition(vert);
}

void TSheetCommands::Dopasujautomatycznie1Click() {
  TSchematView* canvas = ResizableCanvas();
  if (canvas == nullptr) return;
  Log(TSheetFitter::FitLogLine);
  TSchemat& document = canvas->Document();
  if (document.FirstBlock == nullptr) return;
  ApplySheetChange(*canvas, TSheetFitter::PlanFit(document),
                   QStringLiteral("Dopasowanie rozmiaru płótna"));
  canvas->ScrollToHorizontalMiddle();
  canvas->CenterTitle();
}

}  // namespace zuvar
