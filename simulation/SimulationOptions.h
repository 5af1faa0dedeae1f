#pragma once

namespace zuvar {

// The check marks of the main window's "Opcje" menu that a run reads, with their values at
// program start. The front end owns one instance and the engine reads it whenever it needs an
// option, so a change between two steps takes effect at the next step.
struct TSimulationOptions {
  // "Tryb czasu rzeczywistego": no link animation at all.
  bool RealTime = false;
  // "Bombelek": a ball travels along a link after it has blinked.
  bool Bubble = true;
  // "Sprawdź składnię kodu przed wykonaniem algorytmu": the code check pass before a run.
  bool CheckCodeBeforeRun = false;
  // "Pokazuj indeksy tablic w osobnych polach": one grid row per array element.
  bool ShowArrayIndices = true;
};

}  // namespace zuvar
