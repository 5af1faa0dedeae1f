// Diagrams with one deliberate mistake each, for showing what the program says about it. The
// comment at the top of the first calculation block names the mistake.
#include "examples/generator/ExampleSheet.h"

namespace zuvar::examples {

namespace {

// The FALSE branch of the decision ends in a block that leads nowhere: the check stops at it.
void MissingExit(TExampleSheet& s) {
  auto* start = s.Put(nstStart, 1, 0);
  auto* init = s.Put(nstCalc, 1, 1, {"// Błąd: blok \"Liczba ujemna\" nie ma wyjścia", "long n;"});
  auto* in = s.Put(nstInOut, 1, 2, {"read(n);"});
  auto* sign = s.Put(nstChoice, 1, 3, {"n >= 0;"});
  auto* positive = s.Put(nstInOut, 0, 4, {"write(\"Liczba nieujemna\\n\");"});
  auto* negative = s.Put(nstInOut, 2, 4, {"write(\"Liczba ujemna\\n\");"});
  auto* stop = s.Put(nstStop, 0, 5);
  s.Chain({start, init, in, sign});
  s.Link(sign, positive, sideLeft, sideTop);
  s.LinkFalse(sign, negative);
  s.Link(positive, stop);
}

// The two continuation blocks are meant as a pair, but their names differ in the case of one
// letter: each one is alone.
void UnpairedContinuation(TExampleSheet& s) {
  auto* start = s.Put(nstStart, 0, 0);
  auto* init = s.Put(nstCalc, 0, 1,
                     {"// Błąd: nazwy \"Dalej\" i \"dalej\" się różnią, bloki kontynuacji nie "
                      "tworzą pary",
                      "long k = 3;"});
  auto* before = s.Put(nstInOut, 0, 2, {"write(\"Przed skokiem\\n\");"});
  auto* leave = s.Put(nstContinuum, 0, 3, {"Dalej"});
  auto* arrive = s.Put(nstContinuum, 1, 0, {"dalej"});
  auto* after = s.Put(nstInOut, 1, 1, {"write(k);", "write(\"\\n\");"});
  auto* stop = s.Put(nstStop, 1, 2);
  s.Chain({start, init, before, leave});
  s.Chain({arrive, after, stop});
}

// The diagram is drawn well, but one statement uses a variable that was never declared: the
// run stops there, after what was written before it.
void CodeError(TExampleSheet& s) {
  auto* start = s.Put(nstStart, 0, 0);
  auto* init = s.Put(
      nstCalc, 0, 1,
      {"// Błąd w kodzie: zmienna suma nie została zadeklarowana", "long a = 2;", "long b = 3;"});
  auto* title = s.Put(nstInOut, 0, 2, {"write(\"Suma: \");"});
  auto* add = s.Put(nstCalc, 0, 3, {"suma = a + b;"});
  auto* out = s.Put(nstInOut, 0, 4, {"write(suma);", "write(\"\\n\");"});
  auto* stop = s.Put(nstStop, 0, 5);
  s.Chain({start, init, title, add, out, stop});
}

}  // namespace

std::vector<TExample> BrokenExamples() {
  return {
      {"broken_missing_exit", MissingExit},
      {"broken_continuation", UnpairedContinuation},
      {"broken_code", CodeError},
  };
}

}  // namespace zuvar::examples
