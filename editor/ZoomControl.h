#pragma once

#include <QObject>
#include <QPointF>
#include <array>

namespace zuvar {

class TSchematView;

// The zoom of the diagram canvas: one scale of the view's transform, from 25 % to 400 %, in
// fixed steps. The sheet point under the anchor (the mouse pointer, or the middle of the view
// for a key away from the sheet) stays where it was on the screen. The document, printing and
// the pictures made of the sheet never see the zoom: only the view is scaled.
class TZoomControl : public QObject {
  Q_OBJECT
 public:
  static constexpr std::array<int, 11> StepPercents = {25,  33,  50,  67,  75, 100,
                                                       125, 150, 200, 300, 400};
  static constexpr qreal MinimumFactor = 0.25;
  static constexpr qreal MaximumFactor = 4.0;

  explicit TZoomControl(TSchematView& view);

  qreal Factor() const { return factor_; }
  // The zoom as the window shows it, rounded to whole percents.
  int Percent() const;

  // One step in or out, or back to 100 %, for the keys: around the pointer when it is over
  // the sheet, otherwise around the middle of the view.
  void StepInByKey();
  void StepOutByKey();
  void ResetByKey();
  // The mouse wheel with Ctrl: one step for every full notch (120 units) turned, up to zoom in.
  void Wheel(int angleDelta, const QPointF& viewportPos);
  // Whole steps around a viewport point: positive in, negative out; stops at the limits.
  void Step(int steps, const QPointF& viewportPos);
  // The largest zoom (within the limits) at which the whole sheet with its margins fits the
  // view, scrolled to its top-left corner.
  void Fit();
  // Any factor within the limits, around a viewport point.
  void SetFactor(qreal factor, const QPointF& viewportPos);

 signals:
  void Changed(int percent);

 private:
  QPointF KeyAnchor() const;
  static qreal NextStep(qreal factor, int direction);
  void Apply(qreal factor);

  TSchematView& view_;
  qreal factor_ = 1.0;
  int wheelRest_ = 0;
};

}  // namespace zuvar
