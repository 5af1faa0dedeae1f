#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace zuvar {

// The program's help: the help document shown in a window of the program's own, opened at its
// table of contents. Links inside the document move within it or to the other help pages;
// links to the web open in the desktop's browser.
class THelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit THelpWindow(QWidget* owner);

  // The one help window of `owner`: made at the first call and owned by `owner` from then on.
  static THelpWindow& Of(QWidget& owner);
  // The help document: the one installed beside the program, else the one in the sources.
  static QString DocumentFile();

  // Shows the window, raised, at the top of the document, loading it the first time.
  void ShowContents();

  QTextBrowser* Browser = nullptr;

 private:
  void Load();
};

}  // namespace zuvar
