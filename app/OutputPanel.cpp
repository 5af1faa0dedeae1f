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

void TFrame1::OnTextAppended(std::string_view text) {
  QTextCursor cursor(Memo1->document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  ScrollToEnd();
}

void TFrame1::OnLineAdded() {
  QTextCursor cursor(Memo1->document());
  cursor.movePosition(QTextCursor::End);
  if (lines_.Lines().size() > 1) cursor.insertBlock();
  ScrollToEnd();
}

void TFrame1::OnCleared() { Memo1->clear(); }

void TFrame1::ScrollToEnd() {
  Memo1->verticalScrollBar()->setValue(Memo1->verticalScrollBar()->maximum());
}

}  // namespace zuvar
