#include "simulation/LinkAnimation.h"

#include <algorithm>
#include <cstdlib>

#include "interpreter/Interpreter.h"
#include "model/Line.h"
#include "model/Link.h"
#include "simulation/SimulationHost.h"

namespace zuvar {

TLinkAnimation::TLinkAnimation(TInterpreter& interpreter, TLink& link, TSimulationHost& ui,
                               bool bubble, const int& speed)
    : interpreter_(interpreter),
      link_(link),
      ui_(ui),
      bubble_(bubble),
      speed_(speed),
      savedColour_(link.Pen.Color) {}

std::uint64_t TLinkAnimation::ScaledMicroseconds(unsigned milliseconds, int speed) {
  const std::uint64_t normal = std::uint64_t{milliseconds} * 1000;
  if (speed < 0) return normal << std::min(-speed, 8);
  return normal >> std::min(speed, 8);
}

unsigned TLinkAnimation::Scaled(unsigned milliseconds) {
  owedMicroseconds_ += ScaledMicroseconds(milliseconds, speed_);
  const std::uint64_t whole = owedMicroseconds_ / 1000;
  owedMicroseconds_ %= 1000;
  return static_cast<unsigned>(whole);
}

void TLinkAnimation::SetColour(TColor colour) {
  TPen pen = link_.Pen;
  pen.Color = colour;
  link_.SetPen(pen);
}

void TLinkAnimation::Blink() {
  const unsigned pause = 7 * interpreter_.AnimationDelay;
  for (int i = 0; i < 3; ++i) {
    SetColour(clLime);
    ui_.Sleep(Scaled(pause));
    SetColour(clBlack);
    ui_.Sleep(Scaled(pause));
  }
  SetColour(clLime);
}

void TLinkAnimation::Run() {
  interpreter_.StepInterrupt = 0;
  Blink();
  if (!bubble_) {
    SetColour(savedColour_);
    return;
  }
  baseSize_ = 2 * link_.Pen.Width + 4;
  size_ = baseSize_;
  growing_ = true;
  if (link_.FirstLine) {
    x_ = link_.FirstLine->X1;
    y_ = link_.FirstLine->Y1;
  } else {
    x_ = link_.StartX;
    y_ = link_.StartY;
  }
  ui_.ShowBall(BallBounds());
  for (const TLine* segment = link_.FirstLine; segment; segment = segment->NextLine) {
    if (!TravelAlong(*segment)) break;
  }
  ui_.RemoveBall();
  SetColour(savedColour_);
}

bool TLinkAnimation::TravelAlong(const TLine& segment) {
  x_ = segment.X1;
  y_ = segment.Y1;
  const int32_t direction = segment.Length < 0 ? -1 : 1;
  const int32_t pixels = std::abs(segment.Length);
  for (int32_t i = 0; i < pixels; ++i) {
    if (segment.Orientation == TLine::Horizontal) {
      x_ += direction;
    } else {
      y_ += direction;
    }
    if (!Tick()) return false;
  }
  return true;
}

bool TLinkAnimation::Tick() {
  if (growing_) {
    if (++size_ >= baseSize_ + kPulse) growing_ = false;
  } else {
    if (--size_ <= baseSize_) growing_ = true;
  }
  const TRect bounds = BallBounds();
  ui_.ShowBall(bounds);
  ui_.ScrollIntoView(bounds);
  ui_.BusyWait(Scaled(kTickMilliseconds));
  ui_.ProcessMessages();
  return interpreter_.StepInterrupt != 1;
}

TRect TLinkAnimation::BallBounds() const {
  return TRect{x_ - size_ / 2, y_ - size_ / 2, size_, size_};
}

}  // namespace zuvar
