#include "editor/ZoomControl.h"

#include <QCursor>
#include <QGraphicsRectItem>
#include <QScrollBar>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "editor/SchematView.h"

namespace zuvar {

namespace {
constexpr int kNotch = 120;  // wheel units of one notch
// A factor this close to a step counts as that step.
constexpr qreal kSameStep = 0.005;
}  // namespace

TZoomControl::TZoomControl(TSchematView& view) : view_(view) {}

int TZoomControl::Percent() const { return static_cast<int>(std::lround(factor_ * 100)); }

// The pointer counts when it is inside the view and over the white sheet.
QPointF TZoomControl::KeyAnchor() const {
  const QWidget* port = view_.viewport();
  const QPoint pointer = port->mapFromGlobal(QCursor::pos());
  if (port->rect().contains(pointer)) {
    const QPoint sheet = view_.ToSheet(pointer);
    if (view_.Sheet->rect().contains(QPointF(sheet) + QPointF(0.5, 0.5))) return pointer;
  }
  return QPointF(port->width() / 2.0, port->height() / 2.0);
}

void TZoomControl::StepInByKey() { Step(1, KeyAnchor()); }
void TZoomControl::StepOutByKey() { Step(-1, KeyAnchor()); }
void TZoomControl::ResetByKey() { SetFactor(1.0, KeyAnchor()); }

void TZoomControl::Wheel(int angleDelta, const QPointF& viewportPos) {
  // A turn the other way forgets what was left of the last one.
  if ((wheelRest_ < 0 && angleDelta > 0) || (wheelRest_ > 0 && angleDelta < 0)) wheelRest_ = 0;
  wheelRest_ += angleDelta;
  const int steps = wheelRest_ / kNotch;
  if (steps == 0) return;
  wheelRest_ -= steps * kNotch;
  Step(steps, viewportPos);
}

qreal TZoomControl::NextStep(qreal factor, int direction) {
  const qreal percent = factor * 100;
  if (direction > 0) {
    for (const int step : StepPercents)
      if (step > percent + kSameStep * 100) return step / 100.0;
    return MaximumFactor;
  }
  for (auto it = StepPercents.rbegin(); it != StepPercents.rend(); ++it)
    if (*it < percent - kSameStep * 100) return *it / 100.0;
  return MinimumFactor;
}

void TZoomControl::Step(int steps, const QPointF& viewportPos) {
  qreal factor = factor_;
  for (int i = 0; i < std::abs(steps); ++i) factor = NextStep(factor, steps > 0 ? 1 : -1);
  SetFactor(factor, viewportPos);
}

// The sheet point under the anchor is found before the scale changes; afterwards the scroll
// bars move it back under the anchor.
void TZoomControl::SetFactor(qreal factor, const QPointF& viewportPos) {
  factor = std::clamp(factor, MinimumFactor, MaximumFactor);
  if (std::abs(factor - factor_) < 1e-9) return;
  const QPoint anchor = viewportPos.toPoint();
  const QPointF scenePoint = view_.mapToScene(anchor);
  Apply(factor);
  const QPoint landed = view_.mapFromScene(scenePoint);
  QScrollBar* horz = view_.horizontalScrollBar();
  QScrollBar* vert = view_.verticalScrollBar();
  horz->setValue(horz->value() + landed.x() - anchor.x());
  vert->setValue(vert->value() + landed.y() - anchor.y());
}

void TZoomControl::Fit() {
  const QRectF scene = view_.sceneRect();
  const QSize port = view_.viewport()->size();
  if (scene.isEmpty() || port.isEmpty()) return;
  qreal factor = std::min(port.width() / scene.width(), port.height() / scene.height());
  // Rounded down to a thousandth, so that the scaled sheet never needs a scroll bar.
  factor = std::floor(factor * 1000) / 1000;
  Apply(std::clamp(factor, MinimumFactor, MaximumFactor));
  view_.horizontalScrollBar()->setValue(view_.horizontalScrollBar()->minimum());
  view_.verticalScrollBar()->setValue(view_.verticalScrollBar()->minimum());
}

void TZoomControl::Apply(qreal factor) {
  const bool changed = std::abs(factor - factor_) >= 1e-9;
  factor_ = factor;
  view_.setTransform(QTransform::fromScale(factor, factor));
  if (changed) emit Changed(Percent());
}

}  // namespace zuvar
