#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

namespace zuvar {

// Places tool windows on the main window's screen. A window manager frames a window only once it
// is shown, so a window that has no frame yet is placed with the frame the main window has, and
// placed once more with its own frame when it has been framed.
class TToolWindowPlacer : public QObject {
  Q_OBJECT
 public:
  // Where a window's frame goes, given the size of that frame.
  using TWhere = std::function<QPoint(const QSize& frame)>;

  explicit TToolWindowPlacer(QWidget& main);

  void Place(QWidget& tool, TWhere where);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct TUnframed {
    QPointer<QWidget> tool;
    TWhere where;
  };

  void Move(QWidget& tool, const TWhere& where) const;
  QSize FrameSize(const QWidget& tool) const;
  static bool Framed(const QWidget& tool);
  void PlaceFramed();
  void WatchFraming();

  QWidget& main_;
  std::vector<TUnframed> unframed_;
  // The frame may come without any event to the window: a shown window is looked at for a while.
  QTimer framing_;
  int framingTicks_ = 0;
};

}  // namespace zuvar
