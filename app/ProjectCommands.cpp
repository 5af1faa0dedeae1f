#include "app/ProjectCommands.h"

#include <QAction>
#include <QGraphicsSimpleTextItem>
#include <QLineEdit>
#include <QMenu>
#include <QUndoStack>

#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "app/RecoveryKeeper.h"
#include "app/SimulationCommands.h"
#include "app/StronaSizer.h"
#include "app/ZuvarApp.h"
#include "editor/SchematView.h"
#include "model/Schemat.h"
#include "project/NewFileStream.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"

namespace zuvar {

const char* const TProjectCommands::DiscardQuestion =
    "Czy rzeczywiście chcesz skasować aktualny schemat?!";
const char* const TProjectCommands::WarningCaption = "Ostrzeżenie....";
const char* const TProjectCommands::RecoveryQuestion =
    "Znaleziono kopię zapasową schematu, który nie został zapisany przed nieoczekiwanym "
    "zamknięciem programu. Czy otworzyć ją?";
const char* const TProjectCommands::RecoveryCaption = "Odzyskiwanie schematu....";

namespace {
const char* const kNewTitle = "Nowy Projekt";
const QStringList kProjectFilters{QStringLiteral("Projekty schematów blokowych (*.bin)"),
                                  QStringLiteral("Wszystkie pliki (*.*)")};
}  // namespace

TProjectCommands::TProjectCommands(TZUVAR& window) : window_(window) {}

void TProjectCommands::Log(const QString& line) { window_.App().Log.Append(line.toStdString()); }

bool TProjectCommands::ConfirmDiscard() {
  TSchematView* canvas = window_.Schemat();
  if (canvas == nullptr || canvas->Document().Saved) return true;
  return window_.App().Dialogs().Message(&window_, QString::fromUtf8(DiscardQuestion),
                                         QString::fromUtf8(WarningCaption), TMsgIcon::Warning,
                                         TMsgButtons::YesNo) == TMsgResult::Yes;
}

void TProjectCommands::EnableDiagramMenus() {
  TMainMenu& m = window_.Menu;
  m.Symulacja1->menuAction()->setEnabled(true);
  m.Edycja1->menuAction()->setEnabled(true);
  m.Zapiszdopliku1->setEnabled(true);
  m.Usu1->setEnabled(true);
}

// Scroll ranges from the sheet, the view in the horizontal middle, the title over the sheet.
void TProjectCommands::ShowSheet() {
  TSchematView& canvas = *window_.Schemat();
  canvas.SetScrollRanges();
  canvas.ScrollToHorizontalMiddle();
  canvas.CenterTitle();
}

// ---- New ------------------------------------------------------------------------------------

void TProjectCommands::Nowy1Click() {
  if (!ConfirmDiscard()) return;
  TStronaSizer sizer(window_.App().Dialogs(), &window_);
  sizer.SetSize(1000, 2000);
  if (window_.App().Dialogs().Exec(sizer) != QDialog::Accepted) return;
  window_.DestroyCanvas();
  Log(QStringLiteral("Utworzenie nowego projektu"));
  PrepareNewCanvas(TStronaSizer::FieldValue(sizer.EditSzer),
                   TStronaSizer::FieldValue(sizer.EditWys));
  EnableDiagramMenus();
  window_.AskFileName = true;
}

void TProjectCommands::PrepareNewCanvas(int width, int height) {
  window_.ClearLogForNewDiagram();
  auto document = std::make_unique<TSchemat>();
  document->SetSheetSize(width, height);
  window_.ShowDocument(std::move(document));
  ShowSheet();
}

// ---- Open -----------------------------------------------------------------------------------

void TProjectCommands::Wczytajzpliku1Click() {
  if (!ConfirmDiscard()) return;
  const QString name = window_.App().Dialogs().OpenFile(
      &window_, TFileDialogRequest{QStringLiteral("Wybierz schemat do załadowania ..."),
                                   kProjectFilters, QStringLiteral("bin"), fileName_});
  if (name.isEmpty()) return;
  OpenProject(name);
}

void TProjectCommands::OpenDropped(const QString& name) {
  if (!ConfirmDiscard()) return;
  OpenProject(name);
}

void TProjectCommands::OpenProject(const QString& name) {
  window_.DestroyCanvas();
  // Until the whole file was read, the next Save asks for a name: what could be read of a
  // damaged file never silently replaces it.
  window_.AskFileName = true;
  fileName_ = name;
  if (IsLoaded(ReadIntoWindow(name, TOpenAs::Project))) window_.AskFileName = false;
}

void TProjectCommands::OpenStartFile(const QString& name) {
  if (ConfirmDiscard()) OpenProject(name);
}

// Reads a project into a new document and shows it. A copy is shown as a new diagram with
// unsaved changes: it is no file of the user's.
TReadResult TProjectCommands::ReadIntoWindow(const QString& name, TOpenAs as) {
  TProjectReader reader(window_.App().AppHost());
  const TReadResult opened = reader.Open(name.toStdString());
  if (opened != TReadResult::Ok) return opened;
  // The file is a project: a diagram is open from here on, whatever the rest of the file holds.
  window_.ClearLogForNewDiagram();
  auto document = std::make_unique<TSchemat>();
  const TReadResult header = reader.ReadSheetSize(*document);
  const TReadResult result = header == TReadResult::Ok ? reader.ReadBlocks(*document) : header;
  if (as == TOpenAs::UnsavedCopy) {
    document->SetTitle(kNewTitle);
    document->Saved = false;
  }
  TSchematView& canvas = window_.ShowDocument(std::move(document));
  if (header != TReadResult::Ok) return header;
  ShowSheet();
  EnableDiagramMenus();
  canvas.LayoutAll();
  return result;
}

// ---- recovery at start-up -------------------------------------------------------------------

void TProjectCommands::OfferRecovery() {
  if (window_.Schemat() != nullptr) return;
  const QString copy = window_.Recovery().OfferStaleCopies([this] {
    return window_.App().Dialogs().Message(&window_, QString::fromUtf8(RecoveryQuestion),
                                           QString::fromUtf8(RecoveryCaption), TMsgIcon::Question,
                                           TMsgButtons::YesNo) == TMsgResult::Yes;
  });
  if (!copy.isEmpty()) OpenRecoveredCopy(copy);
}

// The copy stays this program's copy of the diagram until it is saved or goes; the next Save
// asks for a name.
void TProjectCommands::OpenRecoveredCopy(const QString& copy) {
  ReadIntoWindow(copy, TOpenAs::UnsavedCopy);
  window_.AskFileName = true;
  Log(QStringLiteral("Odtworzenie niezapisanego schematu z kopii zapasowej"));
}

// ---- Save -----------------------------------------------------------------------------------

TProjectCommands::TNameAnswer TProjectCommands::AskForSaveName() {
  TSchematView& canvas = *window_.Schemat();
  const QString name = window_.App().Dialogs().SaveFile(
      &window_, TFileDialogRequest{QStringLiteral("Zapisz schemat...."), kProjectFilters,
                                   QStringLiteral("bin"), canvas.TitleLabel->text()});
  if (name.isEmpty()) return TNameAnswer::Cancelled;
  fileName_ = name;
  if (!TNewFileStream::CanOpenForReading(name.toStdString())) return TNameAnswer::Chosen;
  const TMsgResult answer = window_.App().Dialogs().Message(
      &window_,
      QStringLiteral("Plik o podanej nazwie już istnieje, czy chcesz go zastapić?"
                     "?!"),
      QString::fromUtf8(WarningCaption), TMsgIcon::Warning, TMsgButtons::YesNo);
  return answer == TMsgResult::Yes ? TNameAnswer::Chosen : TNameAnswer::Refused;
}

void TProjectCommands::Save(bool saveAs) {
  TSchematView* canvas = window_.Schemat();
  if (canvas == nullptr) return;
  const bool previousAsk = window_.AskFileName;
  if (saveAs) window_.AskFileName = true;
  if (window_.AskFileName) {
    const TNameAnswer answer = AskForSaveName();
    // A cancelled dialog gives the previous state back; refusing to overwrite keeps asking.
    if (answer == TNameAnswer::Cancelled) window_.AskFileName = previousAsk;
    if (answer != TNameAnswer::Chosen) return;
  }
  TProjectWriter writer(window_.App().AppHost());
  if (writer.Write(fileName_.toStdString(), canvas->Document()) != TWriteResult::Ok) return;
  window_.UndoStack().setClean();
  window_.Recovery().Discard();
  window_.AskFileName = false;
  canvas->SetTitle(fileName_.toStdString());
  canvas->CenterTitle();
}

// ---- Delete and close -----------------------------------------------------------------------

void TProjectCommands::Usu1Click() {
  TSchematView* canvas = window_.Schemat();
  if (canvas != nullptr && !canvas->Document().Saved) {
    if (!ConfirmDiscard()) return;
    Log(QStringLiteral("Skasowanie projektu ") + canvas->TitleLabel->text());
  }
  window_.DestroyCanvas();
}

bool TProjectCommands::CloseQuery() {
  Log(QStringLiteral("Polecenie zamknięcia programu"));
  TSchematView* canvas = window_.Schemat();
  if (canvas == nullptr) return true;
  TSimulationCommands& simulation = window_.Simulation();
  if (simulation.Exists() && !simulation.RealTimeButtonEnabled()) {
    const QString text = QStringLiteral(
        "Nie można zamknąc programu podczas animacji przejścia pomiędzy blokami schematu");
    Log(text + QStringLiteral("!"));
    window_.App().Dialogs().Message(&window_, text, QStringLiteral("Informacja...."),
                                    TMsgIcon::Information, TMsgButtons::Ok);
    return false;
  }
  if (!canvas->Document().Saved) {
    if (!ConfirmDiscard()) {
      Log(QStringLiteral("Anulowano polecenie zamknięcia programu"));
      return false;
    }
    Log(QStringLiteral("Potwierdzenie polecenia zamknięcia programu"));
  }
  if (simulation.Exists()) {
    Log(QStringLiteral("Wyłączenie symulatora!"));
    simulation.End();
  }
  Log(QStringLiteral("Skasowanie schematu i zakończenie programu!"));
  window_.DestroyCanvas();
  return true;
}

}  // namespace zuvar
