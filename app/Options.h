#pragma once

#include "simulation/SimulationOptions.h"

namespace zuvar {

// The check-mark options of the "Opcje" menu, with their values at every program start.
// The menu's check marks and this object always agree; the run reads Simulation directly.
struct TOptions {
  // "Bombelek", "Tryb czasu rzeczywistego", "Pokazuj indeksy tablic w osobnych polach",
  // "Sprawdź składnię kodu przed wykonaniem algorytmu".
  TSimulationOptions Simulation;
  bool RefreshLinksWhileMoving = false;  // "Odświeżaj połączenia podczas przesuwania bloków"
  bool ClearLogOnNewDiagram = false;     // "Kasuj log przy załadowaniu nowego schematu"
  bool SnapToGrid = false;               // "Przyciągaj do siatki"
};

}  // namespace zuvar
