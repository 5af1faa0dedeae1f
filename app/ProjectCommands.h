#pragma once

#include <QObject>
#include <QString>

#include "project/ProjectReader.h"

namespace zuvar {

class TZUVAR;

// The file commands of the main window: New, Open, Save, Save As, Delete and the close
// question, with their dialogs, questions and log lines.
class TProjectCommands : public QObject {
  Q_OBJECT
 public:
  explicit TProjectCommands(TZUVAR& window);

  void Nowy1Click();
  void Wczytajzpliku1Click();
  // Opens the named project in place of the current one, without asking for a name.
  void OpenProject(const QString& name);
  // The project named on the command line: an open diagram with unsaved changes is only
  // replaced when the user agrees.
  void OpenStartFile(const QString& name);
  // At start-up: offers the copy of a diagram that a program ending without closing left
  // unsaved, and opens it as a new unsaved diagram when the user takes it.
  void OfferRecovery();
  // Opens a project dropped on the window: as Open, with its question over unsaved changes, but
  // with the file already chosen.
  void OpenDropped(const QString& name);
  void Zapisz1Click() { Save(false); }
  void Zapiszdopliku1Click() { Save(true); }
  void Usu1Click();
  // The close request: true when the program may close.
  bool CloseQuery();

  // The file name the two project dialogs share.
  const QString& FileName() const { return fileName_; }

  static const char* const DiscardQuestion;
  static const char* const WarningCaption;
  static const char* const RecoveryQuestion;
  static const char* const RecoveryCaption;

 private:
  void Save(bool saveAs);
  enum class TNameAnswer { Cancelled, Refused, Chosen };
  TNameAnswer AskForSaveName();
  bool ConfirmDiscard();
  void PrepareNewCanvas(int width, int height);
  enum class TOpenAs { Project, UnsavedCopy };
  TReadResult ReadIntoWindow(const QString& name, TOpenAs as);
  void OpenRecoveredCopy(const QString& copy);
  void ShowSheet();
  void EnableDiagramMenus();
  void Log(const QString& line);

  TZUVAR& window_;
  QString fileName_;
};

}  // namespace zuvar
