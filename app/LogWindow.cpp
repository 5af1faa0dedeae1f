#include "app/LogWindow.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/Dialogs.h"
#include "app/LogListBox.h"
#include "app/LogListModel.h"
#include "project/FileError.h"
#include "project/LogLines.h"

namespace zuvar {

namespace {
const QStringList kLogFilters{QStringLiteral("Pliki log (*.log)"),
                              QStringLiteral("Wszystkie pliki (*.*)")};
}

TForm5::TForm5(TLogLines& lines, TDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Tool), lines_(lines), dialogs_(dialogs) {
  setObjectName(QStringLiteral("Form5"));
  setWindowTitle(QStringLiteral("ZUVAR 32 Pro Log"));
  resize(356, 141);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  MainMenu1 = new QMenuBar(this);
  layout->setMenuBar(MainMenu1);
  model_ = new TLogListModel(lines, this);
  ListBox1 = new TLogListBox(*model_, this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  connect(model_, &TLogListModel::linesAppended, this, &TForm5::ScrollToLast);
  layout->addWidget(ListBox1);
  BuildMenu();
}

TForm5::~TForm5() = default;

void TForm5::BuildMenu() {
  QMenu* menu = MainMenu1->addMenu(QStringLiteral("&Plik Log"));
  menu->setObjectName(QStringLiteral("PlikLog1"));
  auto add = [&](const char* name, const QString& caption, void (TForm5::*handler)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, handler);
  };
  add("Otwrz1", QStringLiteral("&Otwórz ..."), &TForm5::Otwrz1Click);
  add("ZapiszLog1", QStringLiteral("&Zapisz"), &TForm5::ZapiszLog1Click);
  add("ZapiszLogjako1", QStringLiteral("Zapisz j&ako ..."), &TForm5::ZapiszLogjako1Click);
  add("KasujLog1", QStringLiteral("&Kasuj"), &TForm5::KasujLog1Click);
  menu->addSeparator();
  add("Zamknijtookno1", QStringLiteral("Zamknij &to okno"), &TForm5::Zamknijtookno1Click);
}

void TForm5::ScrollToLast() {
  model_->Flush();
  ListBox1->scrollToBottom();
}

void TForm5::ReportFileError(const char* what) {
  dialogs_.Message(this, QString::fromUtf8(what), QStringLiteral("ZUVAR 32 Pro"), TMsgIcon::Error,
                   TMsgButtons::Ok);
}

bool TForm5::WriteTo(const QString& fileName) {
  try {
    lines_.SaveToFile(fileName.toStdString());
  } catch (const TFileError& error) {
    ReportFileError(error.what());
    return false;
  }
  openFileName_ = fileName;
  logFileKnown_ = true;
  return true;
}

void TForm5::Otwrz1Click() {
  if (openFileName_.isEmpty()) openFileName_ = QString::fromLatin1(DefaultFileName);
  const QString name = dialogs_.OpenFile(
      this,
      TFileDialogRequest{QStringLiteral("Otwórz plik log"), kLogFilters, "log", openFileName_});
  if (name.isEmpty()) return;
  openFileName_ = name;
  try {
    lines_.LoadFromFile(name.toStdString());
  } catch (const TFileError& error) {
    ReportFileError(error.what());
    return;
  }
  ScrollToLast();
  saveFileName_ = name;
  logFileKnown_ = true;
}

void TForm5::ZapiszLog1Click() {
  if (logFileKnown_) {
    WriteTo(saveFileName_);
    return;
  }
  saveFileName_ = QString::fromLatin1(DefaultFileName);
  const QString name =
      dialogs_.SaveFile(this, TFileDialogRequest{QString(), kLogFilters, "log", saveFileName_});
  if (name.isEmpty()) {
    saveFileName_.clear();
    return;
  }
  saveFileName_ = name;
  WriteTo(name);
}

void TForm5::ZapiszLogjako1Click() {
  if (saveFileName_.isEmpty()) saveFileName_ = QString::fromLatin1(DefaultFileName);
  const QString name =
      dialogs_.SaveFile(this, TFileDialogRequest{QString(), kLogFilters, "log", saveFileName_});
  if (name.isEmpty()) return;
  saveFileName_ = name;
  WriteTo(name);
}

void TForm5::KasujLog1Click() {
  lines_.Release();
  logFileKnown_ = false;
}

void TForm5::Zamknijtookno1Click() { hide(); }

void TForm5::hideEvent(QHideEvent* event) {
  hiddenOnce_ = true;
  QWidget::hideEvent(event);
}

void TForm5::closeEvent(QCloseEvent* event) {
  event->ignore();
  hide();
}

}  // namespace zuvar
