#include "OutputPanel.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QVBoxLayout>

namespace zuvar {

TFrame1::TFrame1(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("Frame1"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setFocusPolicy(Qt::NoFocus);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QFont font;
  font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                    QStringLiteral("DejaVu Sans Mono")});
  font.setStyleHint(QFont::Monospace);
  font.setPixelSize(16);
  Memo1->setFont(font);
  Memo1->setStyleSheet(QStringLiteral("QPlainTextEdit { background: black; color: yellow; }"));
  layout->addWidget(Memo1);
  lines_.SetListener(this);
}

TFrame1::~TFrame1() { lines_.SetListener(nullptr); }

// Output reaches the memo once per pass of the event loop, however many writes came meanwhile:
// a run that writes a long line piece by piece would otherwise lay the line out at every piece.
void TFrame1::OnTextAppended(std::string_view text) {
  pending_ += QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  ScheduleFlush();
}

void TFrame1::OnLineAdded() {
  if (lines_.Lines().size() > 1) pending_ += QChar::ParagraphSeparator;
  ScheduleFlush();
}

void TFrame1::OnCleared() {
  pending_.clear();
  Memo1->clear();
}

void TFrame1::ScheduleFlush() {
  if (flushPending_) return;
  flushPending_ = true;
  QMetaObject::invokeMethod(this, &TFrame1::Flush, Qt::QueuedConnection);
}

void TFrame1::Flush() {
  flushPending_ = false;
  if (pending_.isEmpty()) return;
  QTextCursor cursor(Memo1->document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(pending_);
  pending_.clear();
  ScrollToEnd();
}

void TFrame1::ScrollToEnd() {
  Memo1->verticalScrollBar()->setValue(Memo1->verticalScrollBar()->maximum());
}

}  // namespace zuvar
