#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <string>

class QPrinter;

namespace zuvar {

class TSchematView;
class TZUVAR;
struct TSheetChange;

// The commands on the canvas's sheet: print, printer set-up, bitmap export, preview, and the
// sheet size set by hand or fitted to the diagram.
class TSheetCommands : public QObject {
  Q_OBJECT
 public:
  explicit TSheetCommands(TZUVAR& window);
  ~TSheetCommands() override;

  void DrukujSchematblokowy1Click();
  void Ustawieniadrukarki1Click();
  void ExportujSchematblokowy1Click();
  void Poka1Click();
  void Zmienrozmiarptna1Click();
  void Dopasujautomatycznie1Click();

  // The printer the set-up dialog and the print dialog share.
  QPrinter& Printer();

 private:
  // The sheet can change size only while no run holds on to the diagram.
  TSchematView* ResizableCanvas() const;
  bool ConfirmOverwrite(const QString& file);
  // False when the picture was not written; `reason` then names why, when it is known.
  bool WriteBitmap(TSchematView& canvas, const QString& file, std::string& reason);
  void ReportExportFailure(const std::string& reason);
  // The plan applied to the document and the canvas; false when nothing changed.
  bool ApplySheetChange(TSchematView& canvas, TSheetChange change, const QString& text);
  void Log(const std::string& line);

  TZUVAR& window_;
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace zuvar
