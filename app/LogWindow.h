#pragma once

#include <QString>
#include <QWidget>

class QMenuBar;

namespace zuvar {

class TDialogs;
class TLogLines;
class TLogListBox;
class TLogListModel;

// The log window: a tool window kept above the main window, with the list of log lines and the menu
// "Plik Log" (open, save, save as, clear, close). Closing only hides it.
class TForm5 : public QWidget {
  Q_OBJECT
 public:
  TForm5(TLogLines& lines, TDialogs& dialogs, QWidget* parent = nullptr);
  ~TForm5() override;

  TLogListBox* ListBox1;
  QMenuBar* MainMenu1;

  // Set the first time the window is hidden, never reset.
  bool HiddenOnce() const { return hiddenOnce_; }
  // Whether the log has a file name from an earlier open or save.
  bool LogFileKnown() const { return logFileKnown_; }
  const QString& SaveFileName() const { return saveFileName_; }

  void Otwrz1Click();
  void ZapiszLog1Click();
  void ZapiszLogjako1Click();
  void KasujLog1Click();
  void Zamknijtookno1Click();

  static constexpr const char* DefaultFileName = "ZUVAR32Pro.log";

 protected:
  void hideEvent(QHideEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenu();
  void ScrollToLast();
  bool WriteTo(const QString& fileName);
  void ReportFileError(const char* what);

  TLogLines& lines_;
  TDialogs& dialogs_;
  TLogListModel* model_;
  bool hiddenOnce_ = false;
  bool logFileKnown_ = false;
  QString openFileName_;
  QString saveFileName_;
};

}  // namespace zuvar
