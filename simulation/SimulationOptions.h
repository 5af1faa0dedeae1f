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
  // The pace of the link animation as a power of two: 0 is the normal pace, -2 four times
  // slower, 4 sixteen times faster. Scales the blink pauses and the ball's time per pixel.
  int Speed = 0;
  static constexpr int kSlowest = -2;
  static constexpr int kFastest = 4;
};

}  // namespace zuvar
