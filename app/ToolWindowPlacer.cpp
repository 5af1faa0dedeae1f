#include "app/ToolWindowPlacer.h"

#include <QEvent>
#include <QScreen>
#include <algorithm>

#include "app/ToolWindowPlacement.h"

namespace zuvar {

namespace {
// How often and how long a shown window is looked at until its frame has come.
constexpr int kFramingInterval = 50;
constexpr int kFramingTicks = 60;
}  // namespace

TToolWindowPlacer::TToolWindowPlacer(QWidget& main) : main_(main) {
  framing_.setInterval(kFramingInterval);
  connect(&framing_, &QTimer::timeout, this, [this] {
    PlaceFramed();
    if (++framingTicks_ >= kFramingTicks) framing_.stop();
  });
}

void TToolWindowPlacer::Place(QWidget& tool, TWhere where) {
  Move(tool, where);
  if (Framed(tool)) return;
  tool.installEventFilter(this);
  unframed_.push_back({&tool, std::move(where)});
}

void TToolWindowPlacer::Move(QWidget& tool, const TWhere& where) const {
  const QSize frame = FrameSize(tool);
  const QRect area = main_.screen()->availableGeometry();
  tool.move(ToolWindowPlacement::KeepInside(where(frame), frame, area));
}

QSize TToolWindowPlacer::FrameSize(const QWidget& tool) const {
  if (Framed(tool)) return tool.frameGeometry().size();
  return tool.size().grownBy(ToolWindowPlacement::Border(main_.geometry(), main_.frameGeometry()));
}

bool TToolWindowPlacer::Framed(const QWidget& tool) {
  return tool.isVisible() && tool.frameGeometry() != tool.geometry();
}

// Each window that has got its frame goes where its own frame puts it, once.
void TToolWindowPlacer::PlaceFramed() {
  for (auto it = unframed_.begin(); it != unframed_.end();) {
    if (it->tool == nullptr) {
      it = unframed_.erase(it);
      continue;
    }
    if (!Framed(*it->tool)) {
      ++it;
      continue;
    }
    QWidget& tool = *it->tool;
    const TWhere where = std::move(it->where);
    it = unframed_.erase(it);
    tool.removeEventFilter(this);
    Move(tool, where);
  }
  if (unframed_.empty()) framing_.stop();
}

void TToolWindowPlacer::WatchFraming() {
  framingTicks_ = 0;
  framing_.start();
}

bool TToolWindowPlacer::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize) {
    // The window is placed after the event has been handled, not in the middle of it.
    QMetaObject::invokeMethod(this, &TToolWindowPlacer::PlaceFramed, Qt::QueuedConnection);
    if (type == QEvent::Show) WatchFraming();
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace zuvar
