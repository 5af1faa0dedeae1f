#include "app/OutputPanel.h"

#include <QApplication>
#include <QCursor>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

#include "app/ToolWindowPlacement.h"
#include "model/DroppedLines.h"

namespace zuvar {

namespace {

// The panel's height at design; a memo docked into a panel that had no usable height gets it.
constexpr int kDesignHeight = 82;

// A line limit the memo's block numbers can hold.
std::size_t UsableLimit(std::size_t limit) {
  return std::clamp<std::size_t>(limit, 1, std::size_t{1} << 28);
}

}  // namespace

TFrame1::TFrame1(QWidget* parent, std::size_t lineLimit)
    : QFrame(parent), lines_(UsableLimit(lineLimit)) {
  setObjectName(QStringLiteral("Frame1"));
  setAcceptDrops(true);
  layout_ = new QVBoxLayout(this);
  layout_->setContentsMargins(0, 0, 0, 0);
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  // Nothing is ever undone in the output; a history would keep every line ever shown.
  Memo1->setUndoRedoEnabled(false);
  Memo1->setFocusPolicy(Qt::NoFocus);
  Memo1->setAcceptDrops(false);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QFont font;
  font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                    QStringLiteral("DejaVu Sans Mono")});
  font.setStyleHint(QFont::Monospace);
  font.setPixelSize(16);
  Memo1->setFont(font);
  Memo1->setStyleSheet(QStringLiteral("QPlainTextEdit { background: black; color: yellow; }"));
  layout_->addWidget(Memo1);
  dropZone_ = new QLabel(QStringLiteral("Przeciągnij tutaj okno standardowego wyjścia"), this);
  dropZone_->setObjectName(QStringLiteral("DropZone"));
  dropZone_->setAlignment(Qt::AlignCenter);
  dropZone_->setFrameShape(QFrame::Box);
  dropZone_->setMinimumHeight(24);
  dropZone_->hide();
  layout_->addWidget(dropZone_);
  PopupMenu1 = new QMenu(Memo1);
  Wyczysc1 = PopupMenu1->addAction(QStringLiteral("&Wyczyść"));
  connect(Wyczysc1, &QAction::triggered, this, [this] { lines_.Clear(); });
  Memo1->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(Memo1, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { PopupMenu1->popup(Memo1->mapToGlobal(pos)); });
  Memo1->installEventFilter(this);
  Memo1->viewport()->installEventFilter(this);
  lines_.SetListener(this);
}

TFrame1::~TFrame1() { lines_.SetListener(nullptr); }

// ---- output lines ---------------------------------------------------------------------------

// Output reaches the memo once per pass of the event loop, however many writes came meanwhile:
// a run that writes a long line piece by piece would otherwise lay the line out at every piece.
void TFrame1::OnTextAppended(std::string_view text) {
  pending_ += QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  ScheduleFlush();
}

// A run that writes far more lines than the memo keeps between two passes of the event loop
// puts them in at once, so that the waiting output stays within bounds too.
void TFrame1::OnLineAdded() {
  if (lines_.LineCount() > 1) {
    pending_ += QChar::ParagraphSeparator;
    ++pendingBreaks_;
  }
  if (pendingBreaks_ >= 2 * lines_.Limit())
    Flush();
  else
    ScheduleFlush();
}

void TFrame1::OnCleared() {
  QString().swap(pending_);
  pendingBreaks_ = 0;
  memoDropped_ = 0;
  noticeShown_ = false;
  Memo1->clear();
}

void TFrame1::SetLineLimit(std::size_t limit) {
  lines_.SetLimit(UsableLimit(limit));
  Flush();
}

// A step was undone: the memo drops what was written since. Below the notice of dropped lines
// it holds one paragraph per kept line, so everything after the last kept line's text goes.
void TFrame1::OnTruncated() {
  Flush();
  QTextDocument* document = Memo1->document();
  const int first = noticeShown_ ? 1 : 0;
  const std::size_t size = lines_.Size();
  QTextCursor cursor(document);
  if (size == 0) {
    if (first == 0) {
      Memo1->clear();
      return;
    }
    cursor.setPosition(document->findBlockByNumber(0).position());
    cursor.movePosition(QTextCursor::EndOfBlock);
  } else {
    const QTextBlock last = document->findBlockByNumber(first + static_cast<int>(size) - 1);
    if (!last.isValid()) return;
    const std::string& kept = lines_.Line(size - 1);
    const auto keptLength =
        QString::fromUtf8(kept.data(), static_cast<qsizetype>(kept.size())).size();
    const int end = document->characterCount() - 1;
    cursor.setPosition(std::min(end, last.position() + static_cast<int>(keptLength)));
  }
  cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
  ScrollToEnd();
}

void TFrame1::ScheduleFlush() {
  if (flushPending_) return;
  flushPending_ = true;
  QMetaObject::invokeMethod(this, &TFrame1::Flush, Qt::QueuedConnection);
}

void TFrame1::Flush() {
  flushPending_ = false;
  const bool written = !pending_.isEmpty();
  if (written) {
    QTextCursor cursor(Memo1->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(pending_);
    pending_.clear();
    pendingBreaks_ = 0;
  }
  if (DropOldestMemoLines() || written) ScrollToEnd();
}

// The memo's lines beyond the limit go from its top, below the notice.
bool TFrame1::DropOldestMemoLines() {
  QTextDocument* document = Memo1->document();
  const int first = noticeShown_ ? 1 : 0;
  const int excess = document->blockCount() - first - static_cast<int>(lines_.Limit());
  if (excess <= 0) return false;
  QTextCursor cursor(document->findBlockByNumber(first));
  cursor.setPosition(document->findBlockByNumber(first + excess).position(),
                     QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
  memoDropped_ += static_cast<std::size_t>(excess);
  ShowDroppedNotice();
  return true;
}

void TFrame1::ShowDroppedNotice() {
  const QString notice = QString::fromStdString(DroppedLines::Notice(memoDropped_, "wyjścia"));
  QTextCursor cursor(Memo1->document());
  if (noticeShown_) {
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(notice);
  } else {
    cursor.insertText(notice + QChar::ParagraphSeparator);
    noticeShown_ = true;
  }
}

void TFrame1::ScrollToEnd() {
  Memo1->verticalScrollBar()->setValue(Memo1->verticalScrollBar()->maximum());
}

// ---- docking --------------------------------------------------------------------------------

const char* TFrame1::DockMimeType() { return "application/x-zuvar-dock-control"; }

std::unique_ptr<QMimeData> TFrame1::DockMimeData() const {
  auto data = std::make_unique<QMimeData>();
  data->setData(QString::fromLatin1(DockMimeType()), Memo1->objectName().toUtf8());
  return data;
}

bool TFrame1::AcceptsDock(const QObject* source, const QMimeData* data) {
  return source != nullptr && source->objectName() == QLatin1String("Memo1") && data != nullptr &&
         data->hasFormat(QString::fromLatin1(DockMimeType()));
}

bool TFrame1::MemoFloating() const { return Memo1->isWindow(); }

void TFrame1::DockMemo() {
  if (MemoFloating()) {
    const bool shown = !Memo1->isHidden();
    Memo1->setParent(this, Qt::Widget);
    layout_->insertWidget(0, Memo1);
    Memo1->setVisible(shown);
  }
  dropZone_->hide();
  setMaximumHeight(QWIDGETSIZE_MAX);
  if (dockedHeight_ > 0) {
    ResizeInSplitter(dockedHeight_ > 1 ? dockedHeight_ : kDesignHeight);
    dockedHeight_ = 0;
  }
}

void TFrame1::FloatMemo(const QPoint& topLeft) {
  if (!MemoFloating()) {
    dockedHeight_ = std::max(1, height());
    const bool shown = !Memo1->isHidden();
    const QSize size = FloatingSize();
    layout_->removeWidget(Memo1);
    // Still a child of the panel, which owns it; as a tool window it stays above the main window.
    Memo1->setParent(this, Qt::Tool);
    Memo1->resize(size);
    Memo1->setVisible(shown);
    dropZone_->show();
    FitToContent();
  }
  Memo1->move(OnScreen(topLeft, Memo1->size()));
}

// Docked, the memo is as wide as the main window; floating, it takes at most half the screen's
// width and height.
QSize TFrame1::FloatingSize() const {
  const QRect area = screen()->availableGeometry();
  const QSize docked = Memo1->size().expandedTo(QSize(Memo1->width(), kDesignHeight));
  return docked.boundedTo(area.size() / 2).expandedTo(Memo1->minimumSizeHint());
}

// The floating memo's frame is taken to be that of the main window until the window manager has
// framed it.
QPoint TFrame1::OnScreen(const QPoint& topLeft, const QSize& size) const {
  const QWidget* reference = Memo1->isVisible() && Memo1->frameGeometry() != Memo1->geometry()
                                 ? static_cast<const QWidget*>(Memo1)
                                 : window();
  const QMargins border =
      ToolWindowPlacement::Border(reference->geometry(), reference->frameGeometry());
  const QRect area = screen()->availableGeometry();
  return ToolWindowPlacement::KeepInside(topLeft, size.grownBy(border), area);
}

void TFrame1::FitToContent() {
  layout_->invalidate();
  const int content = layout_->count() > 0 ? layout_->sizeHint().height() : 0;
  const int fitted = std::max(minimumHeight(), content);
  setMaximumHeight(fitted);
  ResizeInSplitter(fitted);
}

// Inside a splitter the panel's height is the splitter's to give: the neighbour above the
// panel takes or gives the difference.
void TFrame1::ResizeInSplitter(int height) {
  auto* splitter = qobject_cast<QSplitter*>(parentWidget());
  const int index = splitter != nullptr ? splitter->indexOf(this) : -1;
  if (index >= 0 && splitter->count() > 1) {
    QList<int> sizes = splitter->sizes();
    const int neighbour = index > 0 ? index - 1 : index + 1;
    sizes[neighbour] = std::max(0, sizes[neighbour] + sizes[index] - height);
    sizes[index] = height;
    splitter->setSizes(sizes);
  }
  resize(width(), height);
}

// ---- drag and drop --------------------------------------------------------------------------

// An entering drag is judged as a moving one.
void TFrame1::dragEnterEvent(QDragEnterEvent* event) { dragMoveEvent(event); }

void TFrame1::dragMoveEvent(QDragMoveEvent* event) {
  if (AcceptsDock(event->source(), event->mimeData()))
    event->acceptProposedAction();
  else
    event->ignore();
}

void TFrame1::dropEvent(QDropEvent* event) {
  if (event->source() != Memo1 || !AcceptsDock(event->source(), event->mimeData())) {
    event->ignore();
    return;
  }
  // The memo is the drag's source: it moves once the drag has returned.
  droppedOnPanel_ = true;
  event->acceptProposedAction();
}

void TFrame1::wheelEvent(QWheelEvent* event) { event->ignore(); }

bool TFrame1::eventFilter(QObject* watched, QEvent* event) {
  // The floating memo's window may close (the program quits by closing its windows); the memo
  // then comes back into the panel.
  if (watched == Memo1 && event->type() == QEvent::Close && MemoFloating()) {
    QMetaObject::invokeMethod(
        this,
        [this] {
          DockMemo();
          Memo1->show();
        },
        Qt::QueuedConnection);
    return false;
  }
  if (watched == Memo1->viewport()) return MemoMouseEvent(event);
  return QFrame::eventFilter(watched, event);
}

bool TFrame1::MemoMouseEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton) return false;
      pressPos_ = Memo1->viewport()->mapTo(Memo1, mouse->position().toPoint());
      dragArmed_ = true;
      return true;
    }
    case QEvent::MouseMove: {
      if (!dragArmed_) return false;
      auto* mouse = static_cast<QMouseEvent*>(event);
      const QPoint pos = Memo1->viewport()->mapTo(Memo1, mouse->position().toPoint());
      if ((pos - pressPos_).manhattanLength() >= QApplication::startDragDistance()) StartMemoDrag();
      return true;
    }
    case QEvent::MouseButtonRelease:
      if (!dragArmed_) return false;
      dragArmed_ = false;
      return true;
    case QEvent::MouseButtonDblClick:
      if (!MemoFloating()) return false;
      DockMemoLater();
      return true;
    default:
      return false;
  }
}

void TFrame1::StartMemoDrag() {
  dragArmed_ = false;
  droppedOnPanel_ = false;
  auto* drag = new QDrag(Memo1);  // deleted by Qt when the drag is over
  drag->setMimeData(DockMimeData().release());
  drag->setPixmap(Memo1->grab());
  drag->setHotSpot(pressPos_);
  drag->exec(Qt::MoveAction);
  const QPoint topLeft = QCursor::pos() - pressPos_;
  // The memo changes its window only after the mouse event that started the drag is done.
  const bool docked = droppedOnPanel_;
  QMetaObject::invokeMethod(
      this, [this, docked, topLeft] { FinishMemoDrag(docked, topLeft); }, Qt::QueuedConnection);
}

void TFrame1::FinishMemoDrag(bool docked, const QPoint& topLeft) {
  if (docked)
    DockMemo();
  else
    FloatMemo(topLeft);
}

void TFrame1::DockMemoLater() {
  QMetaObject::invokeMethod(this, &TFrame1::DockMemo, Qt::QueuedConnection);
}

}  // namespace zuvar
