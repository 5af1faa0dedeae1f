#pragma once

#include "model/Drawing.h"

namespace zuvar {

class TLink;
class TNewShape;
class TSchemat;

// How a step reaches the canvas beyond messages and the log (those go through THost): the
// executing block, scrolling, and the link animation with its waits. What a run locks, shows or
// refreshes elsewhere follows from the run's events (TRunObserver). The desktop program
// implements it with the canvas; zuvar-run and the tests implement it without any waiting.
// Changes of a link's pen and of a block's brush are made on the model and reach a view through
// the document's observer, so they have no calls of their own here.
class TSimulationHost {
 public:
  virtual ~TSimulationHost() = default;

  // The canvas's SetActiveBlock: the document side (TSchemat::SetActiveBlock) plus the visual
  // steps (the previous active block's fill back from its SavedBrush, the new block's fill
  // saved and made lime, brought to the front, scrolled into view). A host without a canvas
  // does what ActiveBlockHighlight::Apply does.
  virtual void SetActiveBlock(TSchemat& diagram, TNewShape* block) = 0;
  // Scrolls the canvas so that a rectangle of the sheet (a block, the travelling ball) is in
  // view.
  virtual void ScrollIntoView(const TRect& area) = 0;

  // The link animation. Sleep pauses (a blink phase); BusyWait waits on the millisecond clock
  // (one pixel of the ball's travel); ProcessMessages lets the application handle pending
  // window messages, which may request a step (the engine then only sets StepInterrupt).
  virtual void Sleep(unsigned milliseconds) = 0;
  virtual void BusyWait(unsigned milliseconds) = 0;
  virtual void ProcessMessages() = 0;
  // The ball: an ellipse with a black outline and a solid lime fill on the canvas page.
  // ShowBall creates it at the given bounds the first time and moves or resizes it afterwards.
  virtual void ShowBall(const TRect& bounds) = 0;
  virtual void RemoveBall() = 0;
};

}  // namespace zuvar
