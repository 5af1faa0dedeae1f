#include "examples/generator/BubbleSortSheet.h"

#include <string>

namespace zuvar::examples {

namespace {

// The loop that fills the array: where it is entered, its decision and its last block.
struct TFillLoop {
  std::vector<TNewShape*> chain;
  TNewShape* more;
  TNewShape* last;
};

TFillLoop PutReadingLoop(TExampleSheet& s) {
  auto* init =
      s.Put(nstCalc, 0, 1, {"long n;", "long a[20];", "long i = 0;", "long j;", "long t;"});
  auto* count = s.Put(nstInOut, 0, 2, {"read(n);"});
  auto* more = s.Put(nstChoice, 0, 3, {"i < n;"});
  auto* readOne = s.Put(nstInOut, 0, 4, {"read(a[i]);"});
  auto* next = s.Put(nstCalc, 0, 5, {"i = i + 1;"});
  return {{init, count, more, readOne, next}, more, next};
}

TFillLoop PutFillingLoop(TExampleSheet& s, int count) {
  const std::string n = std::to_string(count);
  auto* init =
      s.Put(nstCalc, 0, 1,
            {"long n = " + n + ";", "long a[" + n + "];", "long i = 0;", "long j;", "long t;"});
  auto* more = s.Put(nstChoice, 0, 3, {"i < n;"});
  auto* fillOne = s.Put(nstCalc, 0, 4, {"a[i] = n - i;", "i = i + 1;"});
  return {{init, more, fillOne}, more, fillOne};
}

}  // namespace

void DrawBubbleSort(TExampleSheet& s, int fixedCount) {
  auto* start = s.Put(nstStart, 0, 0);
  TFillLoop fill = fixedCount > 0 ? PutFillingLoop(s, fixedCount) : PutReadingLoop(s);
  auto* outerInit = s.Put(nstCalc, 2, 3, {"i = 0;"});
  auto* outer = s.Put(nstChoice, 2, 4, {"i + 1 < n;"});
  auto* innerInit = s.Put(nstCalc, 2, 5, {"j = 0;"});
  auto* inner = s.Put(nstChoice, 2, 6, {"j + i + 1 < n;"});
  auto* compare = s.Put(nstChoice, 2, 7, {"a[j] > a[j + 1];"});
  auto* swap = s.Put(nstCalc, 2, 8, {"t = a[j];", "a[j] = a[j + 1];", "a[j + 1] = t;"});
  auto* joined = s.Put(nstNode, 2, 9);
  auto* innerNext = s.Put(nstCalc, 2, 10, {"j = j + 1;"});
  auto* outerNext = s.Put(nstCalc, 1, 7, {"i = i + 1;"});
  auto* printInit = s.Put(nstCalc, 3, 5, {"i = 0;"});
  auto* printMore = s.Put(nstChoice, 3, 6, {"i < n;"});
  auto* printOne = s.Put(nstInOut, 3, 7, {"write(a[i]);", "write(\" \");"});
  auto* printNext = s.Put(nstCalc, 3, 8, {"i = i + 1;"});
  auto* newline = s.Put(nstInOut, 4, 7, {"write(\"\\n\");"});
  auto* stop = s.Put(nstStop, 4, 8);
  fill.chain.insert(fill.chain.begin(), start);
  s.Chain(fill.chain);
  s.Link(fill.last, fill.more, sideLeft, sideLeft);
  s.LinkFalse(fill.more, outerInit, sideRight, sideLeft);
  s.Chain({outerInit, outer, innerInit, inner, compare, swap, joined, innerNext});
  s.LinkFalse(compare, joined, sideLeft, sideLeft);
  s.Link(innerNext, inner, sideRight, sideRight);
  s.LinkFalse(inner, outerNext, sideLeft, sideTop);
  s.Link(outerNext, outer, sideLeft, sideLeft);
  s.LinkFalse(outer, printInit);
  s.Chain({printInit, printMore, printOne, printNext});
  s.Link(printNext, printMore, sideLeft, sideLeft);
  s.LinkFalse(printMore, newline);
  s.Link(newline, stop);
}

}  // namespace zuvar::examples
