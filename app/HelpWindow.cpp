#include "app/HelpWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace zuvar {

THelpWindow::THelpWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QStringLiteral("ZUVAR 32 Pro - Pomoc"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  Browser = new QTextBrowser(this);
  Browser->setObjectName(QStringLiteral("Browser"));
  Browser->setOpenLinks(true);
  Browser->setOpenExternalLinks(true);
  layout->addWidget(Browser);
  // F1 in the help itself goes back to the contents through the program's own F1 command,
  // which acts in every window of the program; a shortcut of its own here would make the key
  // ambiguous.
  resize(780, 620);
}

THelpWindow& THelpWindow::Of(QWidget& owner) {
  auto* window = owner.findChild<THelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
  return window != nullptr ? *window : *new THelpWindow(&owner);
}

QString THelpWindow::DocumentFile() {
  QString file = QStringLiteral(ZUVAR_HELP_FILE);
#ifdef ZUVAR_HELP_RELATIVE_PATH
  const QString installed = QDir(QCoreApplication::applicationDirPath())
                                .filePath(QStringLiteral(ZUVAR_HELP_RELATIVE_PATH));
  if (QFileInfo::exists(installed)) file = installed;
#endif
  return file;
}

void THelpWindow::Load() {
  const QString file = DocumentFile();
  if (!QFileInfo::exists(file)) {
    Browser->setPlainText(QStringLiteral("Nie znaleziono pliku pomocy: %1").arg(file));
    return;
  }
  const QUrl document = QUrl::fromLocalFile(file);
  if (Browser->source().adjusted(QUrl::RemoveFragment) != document) Browser->setSource(document);
}

void THelpWindow::ShowContents() {
  Load();
  Browser->horizontalScrollBar()->setValue(0);
  Browser->verticalScrollBar()->setValue(0);
  setWindowState(windowState() & ~Qt::WindowMinimized);
  // The first time over the middle of the window that asked for it; later where the user left it.
  if (!isVisible() && !testAttribute(Qt::WA_Moved) && parentWidget() != nullptr)
    move(parentWidget()->window()->geometry().center() - rect().center());
  show();
  raise();
  activateWindow();
}

}  // namespace zuvar
