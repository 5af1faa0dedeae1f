#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QPlainTextEdit;

namespace zuvar {

class TSchematView;
class TZUVAR;

// The source code window: the editor of the active block's code. The diagram keeps a pointer
// to Lines() (its SourceLines) and exchanges code through it when the active block changes;
// every change typed here is copied into the active block at once, which is laid out again with
// its connections re-routed. The main window owns it as a Qt child (a tool window above it).
class TForm2 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm2(TZUVAR& window);

  QPlainTextEdit* RichEdit1;

  std::vector<std::string>& Lines() { return lines_; }
  // Canvas creation: empty, editable and enabled. Destruction: disabled, empty, read-only.
  void CanvasCreated();
  void CanvasDestroyed();
  void SetEditorEnabled(bool enabled);
  // The active block changed: the editor shows the lines the diagram put in Lines().
  void ActiveBlockChanged();
  // Once the editor shows the active block's code, the window, when shown, becomes the active
  // window with the keyboard in its editor, unless the editor may not be typed into.
  void TakeKeyboardLater();
  // A run makes the editor read-only while it exists. Meanwhile the diagram exchanges no lines
  // with the editor (the run changes the active block at every step): the editor shows the
  // active block's own code, and takes it into Lines() again when the run ends.
  void SetRunning(bool running);
  // The line (counted from 1) that a run's last step ran in the block the editor shows, shown
  // with the execution red behind it; 0: none.
  void SetCurrentLine(int line);
  int CurrentLine() const { return currentLine_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Reload();
  const std::vector<std::string>& ShownLines() const;
  void ShowCurrentLine();
  void TakeKeyboard();
  void TextChanged();
  void CopyIntoActiveBlock(TSchematView& canvas);
  bool EditorWheel(const QPoint& globalPos, int delta);
  void SetDeleteShortcut(bool withKey);

  TZUVAR& window_;
  std::vector<std::string> lines_;
  // The editor is being filled by the program, not typed into.
  bool loading_ = false;
  bool reloadPending_ = false;
  bool keyboardPending_ = false;
  int currentLine_ = 0;
};

}  // namespace zuvar
