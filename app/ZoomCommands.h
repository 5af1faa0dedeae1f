#pragma once

#include <QObject>

class QAction;
class QLabel;

namespace zuvar {

class TZUVAR;

// The zoom of the canvas in the main window: four items at the end of the "Widok" menu with
// their keys, and the zoom shown in the right corner of the menu bar, which stays in sight
// during a run when the tool bar is hidden. The zoom itself belongs to the canvas; a new
// canvas starts at 100 %.
class TZoomCommands : public QObject {
  Q_OBJECT
 public:
  explicit TZoomCommands(TZUVAR& window);

  QAction* Powieksz1 = nullptr;
  QAction* Pomniejsz1 = nullptr;
  QAction* Rozmiarrzeczywisty1 = nullptr;
  QAction* Dopasujdookna1 = nullptr;
  QLabel* Powiekszenie = nullptr;

  // A canvas was made or destroyed: the items and the label follow it.
  void CanvasChanged();

 private:
  void BuildItems();
  void ShowPercent(int percent);

  TZUVAR& window_;
};

}  // namespace zuvar
