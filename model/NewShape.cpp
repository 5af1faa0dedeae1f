#include "model/NewShape.h"

#include "model/SchematObserver.h"
#include "model/TextMeasurer.h"

namespace zuvar {
namespace {

int32_t Wrap(int64_t v) { return static_cast<int32_t>(v); }

struct TSize {
  int32_t Width;
  int32_t Height;
};

// The starting size of each block type; false for a type whose size SetShape leaves.
bool StartingSize(TNewShapeType shape, TSize& size) {
  switch (shape) {
    case nstStart:
    case nstStop:
    case nstCalc:
    case nstInOut:
      size = {50, 30};
      return true;
    case nstContinuum:
      size = {30, 30};
      return true;
    case nstChoice:
      size = {50, 40};
      return true;
    case nstNode:
      size = {15, 15};
      return true;
    default:
      return false;
  }
}

const std::string& CaptionFor(const std::vector<std::string>& code) {
  static const std::string kUnknown = "?x?";
  if (code.empty() || code.front().empty()) return kUnknown;
  return code.front();
}

}  // namespace

TNewShape::TNewShape(TSchematObserver* observer) : observer_(observer) {}

TNewShape::~TNewShape() { UnlinkAll(); }

void TNewShape::SetShape(TNewShapeType shape) {
  Shape = shape;
  TSize size{};
  if (StartingSize(shape, size)) Resize(size.Width, size.Height);
  if (shape == nstNode) Brush = TBrush::Solid(clSilver);
  if (observer_ != nullptr) observer_->BlockRepaint(*this);
}

void TNewShape::SetCaption(const std::string& caption) {
  if (Caption == caption) return;
  Caption = caption;
  if (observer_ != nullptr) observer_->BlockCaptionChanged(*this);
}

void TNewShape::SetBlockLink(TNewShape* target) { SetExit(BlockLink, OutLink, target); }

void TNewShape::SetBlockLinkFalse(TNewShape* target) {
  SetExit(BlockLinkFalse, OutLinkFalse, target);
}

void TNewShape::SetExit(TNewShape*& target, std::unique_ptr<TLink>& link, TNewShape* newTarget) {
  if (target != nullptr) --target->incoming_;
  target = newTarget;
  if (newTarget != nullptr) ++newTarget->incoming_;
  DestroyLink(link);
  if (newTarget == nullptr) return;
  const TPoint start = ConnectionPoint(ExitSide);
  const TPoint end = newTarget->ConnectionPoint(EntrySide);
  link = std::make_unique<TLink>(Wrap(int64_t{ExitSide} * 16 + EntrySide), end, start);
  link->Source = this;
  link->Observer = observer_;
  if (observer_ != nullptr) observer_->LinkCreated(*link);
}

void TNewShape::DestroyLink(std::unique_ptr<TLink>& link) {
  if (link == nullptr) return;
  if (observer_ != nullptr) observer_->LinkDestroyed(*link);
  link.reset();
}

void TNewShape::SetPen(const TPen& pen) {
  if (Pen == pen) return;
  Pen = pen;
  if (observer_ != nullptr) observer_->BlockRepaint(*this);
}

void TNewShape::SetBrush(const TBrush& brush) {
  if (Brush == brush) return;
  Brush = brush;
  if (observer_ != nullptr) observer_->BlockRepaint(*this);
}

void TNewShape::RedrawLink(TLink* link, const TNewShape* target) {
  if (link == nullptr || target == nullptr) return;
  const int32_t code = link->LinkCode;
  const TPoint start = ConnectionPoint((code / 16) % 16);
  const TPoint end = target->ConnectionPoint(code % 16);
  link->ReDraw(end, start);
}

void TNewShape::LinksRedraw() {
  RedrawLink(OutLink.get(), BlockLink);
  RedrawLink(OutLinkFalse.get(), BlockLinkFalse);
}

TPoint TNewShape::ConnectionPoint(int32_t side) const {
  const int64_t left = Left;
  const int64_t top = Top;
  switch (side) {
    case sideTop:
      return TPoint{Wrap(left + Width / 2), Top};
    case sideLeft:
      return TPoint{Left, Wrap(top + Height / 2)};
    case sideRight:
      return TPoint{Wrap(left + Width), Wrap(top + Height / 2)};
    case sideBottom:
      return TPoint{Wrap(left + Width / 2), Wrap(top + Height)};
    default:
      return TPoint{Wrap(left + Width / 2), Wrap(top + Height / 2)};
  }
}

bool TNewShape::UpdateLayout(const TTextMeasurer& measurer) {
  SetCaption(CaptionFor(Code));
  const int64_t fitted = int64_t{measurer.TextWidth(Caption)} + 20;
  const int32_t oldWidth = Width;
  const int32_t oldHeight = Height;
  switch (Shape) {
    case nstContinuum:
      Resize(Wrap(fitted), Wrap(fitted));
      break;
    case nstCalc:
    case nstInOut:
      Resize(Wrap(fitted), Height);
      break;
    case nstChoice:
      Resize(Wrap(fitted < 40 ? 40 : fitted), Height);
      break;
    default:
      break;
  }
  return Width != oldWidth || Height != oldHeight;
}

void TNewShape::MoveTo(int32_t left, int32_t top) {
  if (Left == left && Top == top) return;
  Left = left;
  Top = top;
  if (observer_ != nullptr) observer_->BlockMoved(*this);
}

void TNewShape::Resize(int32_t width, int32_t height) {
  if (Width == width && Height == height) return;
  Width = width;
  Height = height;
  if (observer_ != nullptr) observer_->BlockResized(*this);
}

void TNewShape::ColourDecisionLinks() {
  if (Shape != nstChoice) return;
  if (OutLink != nullptr) OutLink->SetPen(TPen{TrueLinkColor, OutLink->Pen.Width});
  if (OutLinkFalse != nullptr) {
    OutLinkFalse->SetPen(TPen{FalseLinkColor, OutLinkFalse->Pen.Width});
  }
}

TPoint TNewShape::LetterPosition(int32_t exitSide) const {
  const int64_t left = Left;
  const int64_t top = Top;
  switch (exitSide) {
    case sideTop:
      return TPoint{Wrap(left + Width / 2 + 3), Wrap(top - 10)};
    case sideLeft:
      return TPoint{Wrap(left - 9), Wrap(top + Height / 2 - 12)};
    case sideRight:
      return TPoint{Wrap(left + Width + 3), Wrap(top + Height / 2 - 12)};
    case sideBottom:
      return TPoint{Wrap(left + Width / 2 + 3), Wrap(top + Height - 1)};
    default:
      return TPoint{Left, Top};
  }
}

int TNewShape::ClearExitsOf(TNewShape& other) {
  int cleared = 0;
  if (other.BlockLink == this) {
    other.SetBlockLink(nullptr);
    ++cleared;
  }
  if (other.BlockLinkFalse == this) {
    other.SetBlockLinkFalse(nullptr);
    ++cleared;
  }
  return cleared;
}

void TNewShape::ClearExitsPointingAtMe() {
  // Exits of this block pointing at itself are cleared with its own links.
  int32_t remaining = incoming_ - (BlockLink == this ? 1 : 0) - (BlockLinkFalse == this ? 1 : 0);
  // The walk stops once every incoming exit is cleared; the order of clearing stays that of a
  // full walk, backward from Prev and then forward from Next.
  for (TNewShape* p = Prev; p != nullptr && remaining > 0; p = p->Prev) {
    if (p != this) remaining -= ClearExitsOf(*p);
  }
  for (TNewShape* n = Next; n != nullptr && remaining > 0; n = n->Next) {
    if (n != this) remaining -= ClearExitsOf(*n);
  }
}

void TNewShape::UnlinkAll() {
  ClearExitsPointingAtMe();
  SetBlockLink(nullptr);
  SetBlockLinkFalse(nullptr);
}

void TNewShape::SetObserver(TSchematObserver* observer) {
  observer_ = observer;
  if (OutLink != nullptr) OutLink->Observer = observer;
  if (OutLinkFalse != nullptr) OutLinkFalse->Observer = observer;
}

}  // namespace zuvar
