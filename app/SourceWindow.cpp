#include "app/SourceWindow.h"

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QUndoStack>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <utility>

#include "app/MainWindow.h"
#include "editor/SchematView.h"
#include "editor/commands/EditCodeCommand.h"

namespace zuvar {

TForm2::TForm2(TZUVAR& window)
    : QWidget(&window, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      window_(window) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("ZUVAR 32 Pro - Kod źródłowy"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  RichEdit1 = new QPlainTextEdit(this);
  RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
  RichEdit1->setMinimumSize(160, 50);
  RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
  RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QFont font;
  font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                    QStringLiteral("DejaVu Sans Mono")});
  font.setStyleHint(QFont::Monospace);
  font.setPixelSize(13);
  RichEdit1->setFont(font);
  RichEdit1->setStyleSheet(QStringLiteral("QPlainTextEdit { background: blue; color: yellow; }"));
  RichEdit1->setEnabled(false);
  RichEdit1->viewport()->installEventFilter(this);
  layout->addWidget(RichEdit1);
  connect(RichEdit1, &QPlainTextEdit::textChanged, this, &TForm2::TextChanged);
  resize(222, 114);
}

void TForm2::CanvasCreated() {
  lines_.clear();
  Reload();
  RichEdit1->setReadOnly(false);
  RichEdit1->setEnabled(true);
  if (TSchematView* canvas = window_.Schemat()) canvas->Document().SourceLines = &lines_;
}

void TForm2::CanvasDestroyed() {
  RichEdit1->setEnabled(false);
  lines_.clear();
  Reload();
  RichEdit1->setReadOnly(true);
}

// Called by the canvas just before and after its active block changes, so the editor is
// filled once the diagram has exchanged the lines.
void TForm2::SetEditorEnabled(bool enabled) {
  // A run makes a block active at every step: an editor that is enabled already stays so.
  if (!enabled || !RichEdit1->isEnabled()) RichEdit1->setEnabled(enabled);
  ActiveBlockChanged();
}

void TForm2::ActiveBlockChanged() {
  if (reloadPending_) return;
  reloadPending_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        reloadPending_ = false;
        if (isVisible()) Reload();
        if (std::exchange(keyboardPending_, false)) TakeKeyboard();
      },
      Qt::QueuedConnection);
}

void TForm2::TakeKeyboardLater() {
  keyboardPending_ = true;
  ActiveBlockChanged();
}

// A modal dialog keeps the keyboard: the activation waits for the next active block.
void TForm2::TakeKeyboard() {
  if (!isVisible() || !RichEdit1->isEnabled() || RichEdit1->isReadOnly()) return;
  if (QApplication::activeModalWidget() != nullptr) return;
  activateWindow();
  RichEdit1->setFocus(Qt::OtherFocusReason);
}

// Every edit reaches the active block at once, so the block holds the editor's lines when a
// run takes them away.
void TForm2::SetRunning(bool running) {
  RichEdit1->setReadOnly(running);
  TSchematView* canvas = window_.Schemat();
  if (canvas == nullptr) return;
  TSchemat& diagram = canvas->Document();
  if (running) {
    diagram.SourceLines = nullptr;
  } else {
    const TNewShape* block = diagram.ActiveBlock;
    if (block != nullptr)
      lines_ = block->Code;
    else
      lines_.clear();
    diagram.SourceLines = &lines_;
  }
  ActiveBlockChanged();
}

const std::vector<std::string>& TForm2::ShownLines() const {
  static const std::vector<std::string> kNoLines;
  TSchematView* canvas = window_.Schemat();
  if (canvas == nullptr || canvas->Document().SourceLines == &lines_) return lines_;
  // A run holds the diagram: the executing block's own code.
  const TNewShape* block = canvas->Document().ActiveBlock;
  return block != nullptr ? block->Code : kNoLines;
}

// A block made active by the same step is loaded later: its reload shows the line then.
void TForm2::SetCurrentLine(int line) {
  currentLine_ = line;
  if (!reloadPending_) ShowCurrentLine();
}

void TForm2::ShowCurrentLine() {
  QList<QTextEdit::ExtraSelection> selections;
  const QTextBlock block = RichEdit1->document()->findBlockByNumber(currentLine_ - 1);
  if (currentLine_ >= 1 && block.isValid()) {
    QTextEdit::ExtraSelection line;
    line.format.setBackground(QColor(255, 0, 0));
    line.format.setForeground(QColor(255, 255, 255));
    line.format.setProperty(QTextFormat::FullWidthSelection, true);
    line.cursor = QTextCursor(block);
    selections.append(line);
  }
  RichEdit1->setExtraSelections(selections);
}

void TForm2::Reload() {
  QStringList text;
  const std::vector<std::string>& lines = ShownLines();
  text.reserve(static_cast<qsizetype>(lines.size()));
  for (const std::string& line : lines) text.append(QString::fromStdString(line));
  const QString joined = text.join(QLatin1Char('\n'));
  if (joined == RichEdit1->toPlainText()) {
    ShowCurrentLine();
    return;
  }
  TSchematView* canvas = window_.Schemat();
  const bool saved = canvas != nullptr && canvas->Document().Saved;
  loading_ = true;
  RichEdit1->setPlainText(joined);
  loading_ = false;
  // Loading a block's code is no modification of the diagram.
  if (canvas != nullptr) canvas->Document().Saved = saved;
  ShowCurrentLine();
}

void TForm2::TextChanged() {
  if (loading_) return;
  TSchematView* canvas = window_.Schemat();
  if (canvas == nullptr) return;
  CopyIntoActiveBlock(*canvas);
}

// The block's code follows the editor as one edit: caption and size change, its connections
// are re-routed. Without an active block the text only marks the diagram changed.
void TForm2::CopyIntoActiveBlock(TSchematView& canvas) {
  TSchemat& diagram = canvas.Document();
  lines_.clear();
  const QStringList text = RichEdit1->toPlainText().split(QLatin1Char('\n'));
  if (!(text.size() == 1 && text.front().isEmpty()))
    for (const QString& line : text) lines_.push_back(line.toStdString());
  TNewShape* block = diagram.ActiveBlock;
  if (diagram.SourceLines == nullptr || block == nullptr) {
    diagram.Saved = false;
    return;
  }
  window_.UndoStack().push(new TEditCodeCommand(canvas, block->Id, lines_));
}

void TForm2::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Reload();
  SetDeleteShortcut(false);
}

void TForm2::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  SetDeleteShortcut(true);
}

// While the editor is shown Del deletes characters, not the active block.
void TForm2::SetDeleteShortcut(bool withKey) {
  window_.Menu.Usu2->setShortcut(withKey ? QKeySequence(Qt::Key_Delete) : QKeySequence());
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
  if (watched == RichEdit1->viewport() && event->type() == QEvent::Wheel) {
    auto* wheel = static_cast<QWheelEvent*>(event);
    return EditorWheel(wheel->globalPosition().toPoint(), wheel->angleDelta().y());
  }
  return QWidget::eventFilter(watched, event);
}

// Outside the window's rectangle the wheel scrolls the diagram, 35 pixels a notch.
bool TForm2::EditorWheel(const QPoint& p, int delta) {
  TSchematView* canvas = window_.Schemat();
  if (canvas == nullptr || delta == 0) return false;
  const QRect r = frameGeometry();
  const bool inside = r.left() < p.x() && p.x() < r.left() + r.width() && r.top() < p.y() &&
                      p.y() < r.top() + r.height();
  if (inside) return false;
  canvas->WheelScroll(delta < 0 ? 1 : -1);
  return true;
}

}  // namespace zuvar
