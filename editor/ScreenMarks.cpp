#include "editor/ScreenMarks.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsSimpleTextItem>
#include <QPen>

#include "editor/BlockFont.h"

namespace zuvar {

namespace {

// The item data key that marks an item drawn on the screen only.
constexpr int kScreenOnlyKey = 0x5a17;
constexpr int kBreakpointDot = 9;
constexpr int kLineMarkPixels = 11;

// The item's screen-only child of the given type: the dot is an ellipse, the line mark a text.
template <typename TItem>
TItem* ScreenOnlyChild(const QGraphicsItem* item) {
  if (item == nullptr) return nullptr;
  for (QGraphicsItem* child : item->childItems()) {
    if (ScreenMarks::IsScreenOnly(child) && child->type() == TItem::Type)
      return static_cast<TItem*>(child);
  }
  return nullptr;
}

}  // namespace

bool ScreenMarks::IsScreenOnly(const QGraphicsItem* item) {
  return item->data(kScreenOnlyKey).toBool();
}

void ScreenMarks::SetBreakpointDot(QGraphicsItem* item, bool on, const QString& condition) {
  if (item == nullptr) return;
  QGraphicsEllipseItem* dot = ScreenOnlyChild<QGraphicsEllipseItem>(item);
  if (!on) {
    delete dot;
    return;
  }
  if (dot == nullptr) {
    dot = new QGraphicsEllipseItem(-kBreakpointDot / 2, -kBreakpointDot / 2, kBreakpointDot,
                                   kBreakpointDot, item);
    dot->setData(kScreenOnlyKey, true);
    dot->setBrush(QColor(255, 0, 0));
    dot->setAcceptedMouseButtons(Qt::NoButton);
  }
  dot->setPen(condition.isEmpty() ? QPen(Qt::black) : QPen(QColor(0, 0, 160), 2));
  dot->setToolTip(condition.isEmpty() ? QString()
                                      : QStringLiteral("Warunek zatrzymania: ") + condition);
}

bool ScreenMarks::HasBreakpointDot(const QGraphicsItem* item) {
  return ScreenOnlyChild<QGraphicsEllipseItem>(item) != nullptr;
}

void ScreenMarks::SetLineMark(QGraphicsItem* item, int line, int count) {
  if (item == nullptr) return;
  QGraphicsSimpleTextItem* mark = ScreenOnlyChild<QGraphicsSimpleTextItem>(item);
  if (mark == nullptr) {
    mark = new QGraphicsSimpleTextItem(item);
    mark->setData(kScreenOnlyKey, true);
    QFont font = TBlockFont::Font();
    font.setPixelSize(kLineMarkPixels);
    font.setBold(true);
    mark->setFont(font);
    mark->setBrush(QColor(160, 0, 0));
    mark->setAcceptedMouseButtons(Qt::NoButton);
  }
  mark->setText(QString::number(line) + QLatin1Char('/') + QString::number(count));
  // Beside the block's top-right corner, clear of the block and of its breakpoint dot.
  mark->setPos(item->boundingRect().width() + 3, -kLineMarkPixels / 2);
}

void ScreenMarks::RemoveLineMark(const QGraphicsItem* item) {
  delete ScreenOnlyChild<QGraphicsSimpleTextItem>(item);
}

QString ScreenMarks::LineMarkText(const QGraphicsItem* item) {
  const QGraphicsSimpleTextItem* mark = ScreenOnlyChild<QGraphicsSimpleTextItem>(item);
  return mark != nullptr ? mark->text() : QString();
}

}  // namespace zuvar
