#pragma once

#include <cstdint>

#include "model/Drawing.h"

namespace zuvar {

class TSimulationHost;
class TInterpreter;
class TLine;
class TLink;

// The animation of one link being passed: the link blinks lime and black three times, stays
// lime, and (with "Bombelek") a pulsing lime ball travels along its segments one pixel per
// tick. A step requested meanwhile sets StepInterrupt, which ends the travel at once. The
// link's own colour is put back in every case.
class TLinkAnimation {
 public:
  // speed is read at every wait, so a change during the travel takes effect at once (see
  // TSimulationOptions::Speed).
  TLinkAnimation(TInterpreter& interpreter, TLink& link, TSimulationHost& ui, bool bubble,
                 const int& speed);

  // The wait in microseconds that a pause of the normal pace takes at a speed.
  static std::uint64_t ScaledMicroseconds(unsigned milliseconds, int speed);
  void Run();

 private:
  // The ball grows by one pixel per tick up to this much above its base size, then shrinks.
  static constexpr int32_t kPulse = 5;
  static constexpr unsigned kTickMilliseconds = 15;

  void Blink();
  void SetColour(TColor colour);
  // False when the travel was interrupted.
  bool TravelAlong(const TLine& segment);
  bool Tick();
  TRect BallBounds() const;
  // The whole milliseconds of a scaled pause to wait now; the fraction is carried over to the
  // next pause, so that fast paces keep their average.
  unsigned Scaled(unsigned milliseconds);

  TInterpreter& interpreter_;
  TLink& link_;
  TSimulationHost& ui_;
  bool bubble_;
  const int& speed_;
  std::uint64_t owedMicroseconds_ = 0;
  TColor savedColour_;
  int32_t baseSize_ = 0;
  int32_t size_ = 0;
  bool growing_ = true;
  int32_t x_ = 0;
  int32_t y_ = 0;
};

}  // namespace zuvar
