#pragma once

namespace zuvar {

class TNewShape;
class TLink;

// Told of every change of the diagram that a view has to show. A canvas keeps one item per block
// and per link and updates only what it is told about. Every call has an empty default, so an
// observer overrides only what it needs. The object passed is alive for the whole call.
class TSchematObserver {
 public:
  virtual ~TSchematObserver() = default;

  // A block was added to the document (its type and size are already set).
  virtual void BlockAdded(TNewShape& /*block*/) {}
  // A block is about to be freed; it is already out of the list and has no links left.
  virtual void BlockRemoved(TNewShape& /*block*/) {}
  // Left or Top changed.
  virtual void BlockMoved(TNewShape& /*block*/) {}
  // Width or Height changed.
  virtual void BlockResized(TNewShape& /*block*/) {}
  // Caption changed.
  virtual void BlockCaptionChanged(TNewShape& /*block*/) {}
  // The block must be painted again (Pen, Brush or type changed).
  virtual void BlockRepaint(TNewShape& /*block*/) {}
  // The document's sheet size changed.
  virtual void SheetResized() {}
  // The document's title changed.
  virtual void TitleChanged() {}
  // The active block changed from previous to current (either may be null).
  virtual void ActiveBlockChanged(TNewShape* /*previous*/, TNewShape* /*current*/) {}

  // A link was made for an exit of link.Source; its route is complete.
  virtual void LinkCreated(TLink& /*link*/) {}
  // A link is about to be freed.
  virtual void LinkDestroyed(TLink& /*link*/) {}
  // The route, the segments' bounds, the start marker or the arrow moved.
  virtual void LinkRerouted(TLink& /*link*/) {}
  // The link's pen changed.
  virtual void LinkRepaint(TLink& /*link*/) {}
  virtual void LinkShown(TLink& /*link*/) {}
  virtual void LinkHidden(TLink& /*link*/) {}
};

}  // namespace zuvar
