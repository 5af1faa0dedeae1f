#include "model/Link.h"

#include "model/LinkRoute.h"
#include "model/SchematObserver.h"

namespace zuvar {

TLink::TLink(int32_t linkCode, TPoint end, TPoint start) : LinkCode(linkCode) { EDraw(end, start); }

TLink::~TLink() { DestroySegments(); }

void TLink::DestroySegments() {
  while (!lines_.empty()) lines_.pop_back();
  FirstLine = nullptr;
  LastLine = nullptr;
}

void TLink::StorePoints(TPoint end, TPoint start) {
  StartX = start.X;
  StartY = start.Y;
  EndX = end.X;
  EndY = end.Y;
}

void TLink::PlaceStartMarker() {
  StartMarker = TRect{static_cast<int32_t>(int64_t{StartX} - 2),
                      static_cast<int32_t>(int64_t{StartY} - 2), 5, 5};
}

void TLink::EDraw(TPoint end, TPoint start) {
  DestroySegments();
  Arrow = TStrzala{};
  StorePoints(end, start);
  PlaceStartMarker();
  const TLinkRoute route = TLinkRoute::Compute(LinkCode, start, end);
  lines_.reserve(static_cast<std::size_t>(route.Count()));
  for (int i = 0; i < route.Count(); ++i) {
    const TRouteStep& step = route.Step(i);
    if (i == 0) {
      lines_.push_back(std::make_unique<TLine>(start, step.Orientation, step.Length, Pen, this));
    } else {
      lines_.push_back(std::make_unique<TLine>(lines_.back().get(), step.Length));
    }
  }
  FirstLine = lines_.front().get();
  LastLine = lines_.back().get();
  Arrow.Direction = LinkCode % 16;
  Arrow.Place(end);
  for (const auto& line : lines_) line->Draw();
  NotifyRerouted();
}

void TLink::ReDraw(TPoint end, TPoint start) {
  const TLinkRoute route = TLinkRoute::Compute(LinkCode, start, end);
  if (route.Count() != SegmentCount()) {
    // Only a chain built for another code could differ; build it anew.
    EDraw(end, start);
    return;
  }
  StorePoints(end, start);
  PlaceStartMarker();
  FirstLine->SetPen(Pen);
  TPoint from = start;
  for (int i = 0; i < route.Count(); ++i) {
    TLine& line = *lines_[static_cast<std::size_t>(i)];
    line.Place(from, route.Step(i).Orientation, route.Step(i).Length);
    from = TPoint{line.X2, line.Y2};
  }
  Arrow.Place(end);
  for (const auto& line : lines_) line->Draw();
  NotifyRerouted();
}

void TLink::Show() {
  if (Visible) return;
  Visible = true;
  if (Observer != nullptr) Observer->LinkShown(*this);
}

void TLink::Hide() {
  if (!Visible) return;
  Visible = false;
  if (Observer != nullptr) Observer->LinkHidden(*this);
}

void TLink::SetPen(const TPen& pen) {
  Pen = pen;
  if (FirstLine != nullptr) FirstLine->SetPen(pen);
  for (const auto& line : lines_) line->Draw();
  if (Observer != nullptr) Observer->LinkRepaint(*this);
}

bool TLink::DragSegment(TLine& line, int32_t sheetX, int32_t sheetY) {
  if (line.Owner != this) return false;
  return line.DragTo(sheetX, sheetY);
}

void TLink::NotifyRerouted() {
  if (Observer != nullptr) Observer->LinkRerouted(*this);
}

}  // namespace zuvar
