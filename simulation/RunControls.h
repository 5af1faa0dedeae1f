#pragma once

#include "simulation/RunState.h"

namespace zuvar {

// Which commands of a run are available: the simulation window's buttons and the "Symulacja"
// menu items follow these, and the close request reads RealTime.
struct TRunControls {
  bool Start = false;     // "Uruchom  symulację", the menu's "Uruchom"
  bool End = false;       // "Zakończ symulację", the menu's "Zakończ"
  bool Step = false;      // "Następny krok - F8"
  bool RunToEnd = false;  // "Wykonaj całość"
  bool Stop = false;      // "Zatrzymaj symulację", the menu's "Zatrzymaj"
  bool RealTime = false;  // "Uruchom i wykonaj symulację w czasie rzeczywistym!"
  bool StepBack = false;  // "Krok wstecz"

  // The controls of a run in the given state; hasHistory tells whether the run has a step that
  // can be undone.
  static TRunControls For(TRunState state, bool hasHistory = false);

  bool operator==(const TRunControls&) const = default;

 private:
  static TRunControls ForState(TRunState state);
};

}  // namespace zuvar
