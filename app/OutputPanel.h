#pragma once

#include <QFrame>
#include <QPoint>
#include <QString>
#include <memory>

#include "model/OutputLines.h"

class QAction;
class QLabel;
class QMenu;
class QMimeData;
class QPlainTextEdit;
class QVBoxLayout;

namespace zuvar {

// The output panel: a read-only memo, yellow on black, that shows the lines the simulated
// algorithm writes. It follows its TOutputLines as they change. Both keep at most a given number
// of the newest lines; once older ones are dropped, the memo's first line says how many.
//
// The panel is a dock site and the memo its dockable control. Dragging the memo with the left
// button starts a dock drag; dropped on the panel it docks and fills it, dropped anywhere else
// it floats as a tool window above the main window, still owned by the panel and still fed by
// the same lines. A double click on the floating memo, or closing its window, docks it back.
// While the memo floats the panel keeps a strip at the bottom of the main window that says where
// to drop it.
class TFrame1 : public QFrame, private TOutputLines::Listener {
  Q_OBJECT
 public:
  static constexpr std::size_t kDefaultLineLimit = 100'000;

  explicit TFrame1(QWidget* parent = nullptr, std::size_t lineLimit = kDefaultLineLimit);
  ~TFrame1() override;

  // The most output lines kept (at least one); a smaller limit drops the oldest at once.
  void SetLineLimit(std::size_t limit);

  TOutputLines& Lines() { return lines_; }
  QPlainTextEdit* Memo1;
  // The memo's context menu, with "Wyczyść", which empties the output.
  QMenu* PopupMenu1;
  QAction* Wyczysc1;

  // Puts the output written since the last pass of the event loop into the memo now.
  void Flush();

  // The mime type that marks a dock drag; its data is the dragged control's object name.
  static const char* DockMimeType();
  // The data a dock drag of the memo carries.
  std::unique_ptr<QMimeData> DockMimeData() const;
  // Whether a drag from this source with this data may dock on the panel: only a control
  // named "Memo1" that carries the dock mime type.
  static bool AcceptsDock(const QObject* source, const QMimeData* data);

  // The memo dropped on the panel: it goes back into the panel and fills it, and the panel
  // stops sizing itself to its content.
  void DockMemo();
  // The memo's drag ended outside the panel: it becomes a tool window with its top-left corner
  // at the given screen point, as far as it fits on the screen, and the panel sizes itself to
  // what is left in it, the drop strip.
  void FloatMemo(const QPoint& topLeft);
  bool MemoFloating() const;
  // The strip shown in the panel while the memo floats.
  QLabel* DropZone() const { return dropZone_; }

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnTextAppended(std::string_view text) override;
  void OnLineAdded() override;
  void OnCleared() override;
  void OnTruncated() override;
  void ScheduleFlush();
  void ScrollToEnd();
  bool DropOldestMemoLines();
  void ShowDroppedNotice();

  bool MemoMouseEvent(QEvent* event);
  void StartMemoDrag();
  void FinishMemoDrag(bool docked, const QPoint& topLeft);
  void DockMemoLater();
  void FitToContent();
  QSize FloatingSize() const;
  QPoint OnScreen(const QPoint& topLeft, const QSize& size) const;
  void ResizeInSplitter(int height);

  TOutputLines lines_;
  // Output not yet in the memo; line breaks are paragraph separators, counted.
  QString pending_;
  std::size_t pendingBreaks_ = 0;
  // The memo's own count of dropped lines, and whether its first line is the notice.
  std::size_t memoDropped_ = 0;
  bool noticeShown_ = false;
  bool flushPending_ = false;
  QVBoxLayout* layout_ = nullptr;
  QLabel* dropZone_ = nullptr;
  // Where the left button went down on the memo, in the memo's coordinates; the drag starts
  // once the mouse has moved far enough from it.
  QPoint pressPos_;
  bool dragArmed_ = false;
  // Set by a dock drop during the drag that is in progress.
  bool droppedOnPanel_ = false;
  // The panel's height when the memo left it, given back when the memo docks again.
  int dockedHeight_ = 0;
};

}  // namespace zuvar
