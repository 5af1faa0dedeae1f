#include "examples/generator/BubbleSortSheet.h"

#include <string>

namespace zuvar::examples {

namespace {

// The loop that fills the array: where it is entered, its decision and its last block.
struct FillLoop {
  std::vector<TNewShape*> chain;
  TNewShape* more;
  TNewShape* last;
};

FillLoop PutReadingLoop(ExampleSheet& s) {
  auto* init =
      s.Put(nstCalc, 1, 1, {"long n;", "long a[20];", "long i = 0;", "long j;", "long t;"});
  auto* count = s.Put(nstInOut, 1, 2, {"read(n);"});
  auto* more = s.Put(nstChoice, 1, 3, {"i < n;"});
  auto* readOne = s.Put(nstInOut, 1, 4, {"read(a[i]);"});
  auto* next = s.Put(nstCalc, 1, 5, {"i = i + 1;"});
  return {{init, count, more, readOne, next}, more, next};
}

FillLoop PutFillingLoop(ExampleSheet& s, int count) {
  const std::string n = std::to_string(count);
  auto* init = s.Put(nstCalc, 1, 1,
                     {"long n = " + n + ";", "long a[" + n + "];", "long i = 0;", "long j;", "long t;"});
  auto* more = s.Put(nstChoice, 1, 3, {"i < n;"});
  auto* fillOne = s.Put(nstCalc, 1, 4, {"a[i] = n - i;", "i = i + 1;"});
  return {{init, more, fillOne}, more, fillOne};
}

}  // namespace

void DrawBubbleSort(ExampleSheet& s, int fixedCount) {
  auto* start = s.Put(nstStart, 1, 0);
  FillLoop fill = fixedCount > 0 ? PutFillingLoop(s, fixedCount) : PutReadingLoop(s);
  auto* outerInit = s.Put(nstCalc, 2, 4, {"i = 0;"});
  auto* outer = s.Put(nstChoice, 2, 5, {"i + 1 < n;"});
  auto* innerInit = s.Put(nstCalc, 2, 6, {"j = 0;"});
  auto* inner = s.Put(nstChoice, 2, 7, {"j + i + 1 < n;"});
  auto* compare = s.Put(nstChoice, 2, 8, {"a[j] > a[j + 1];"});
  auto* swap = s.Put(nstCalc, 1, 9, {"t = a[j];", "a[j] = a[j + 1];", "a[j + 1] = t;"});
  auto* joined = s.Put(nstNode, 2, 10);
  auto* innerNext = s.Put(nstCalc, 2, 11, {"j = j + 1;"});
  auto* outerNext = s.Put(nstCalc, 3, 8, {"i = i + 1;"});
  auto* printInit = s.Put(nstCalc, 4, 6, {"i = 0;"});
  auto* printMore = s.Put(nstChoice, 4, 7, {"i < n;"});
  auto* printOne = s.Put(nstInOut, 4, 8, {"write(a[i]);", "write(\" \");"});
  auto* printNext = s.Put(nstCalc, 4, 9, {"i = i + 1;"});
  auto* newline = s.Put(nstInOut, 5, 8, {"write(\"\\n\");"});
  auto* stop = s.Put(nstStop, 5, 9);
  fill.chain.insert(fill.chain.begin(), start);
  s.Chain(fill.chain);
  s.Link(fill.last, fill.more, sideLeft, sideLeft);
  s.LinkFalse(fill.more, outerInit);
  s.Chain({outerInit, outer, innerInit, inner, compare});
  s.Link(compare, swap, sideLeft, sideTop);
  s.LinkFalse(compare, joined, sideRight, sideRight);
  s.Link(swap, joined, sideBottom, sideLeft);
  s.Link(joined, innerNext);
  s.Link(innerNext, inner, sideLeft, sideLeft);
  s.LinkFalse(inner, outerNext);
  s.Link(outerNext, outer, sideTop, sideRight);
  s.LinkFalse(outer, printInit);
  s.Chain({printInit, printMore, printOne, printNext});
  s.Link(printNext, printMore, sideLeft, sideLeft);
  s.LinkFalse(printMore, newline);
  s.Link(newline, stop);
}

}  // namespace zuvar::examples
