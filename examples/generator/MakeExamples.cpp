// Writes the example diagrams of examples/ and the diagrams of the end-to-end cases.
// Every block is laid out with the deterministic measurer of zuvar-run before it is saved.
#include <cstdio>
#include <string>
#include <vector>

#include "examples/generator/BubbleSortSheet.h"
#include "examples/generator/ExampleSheet.h"
#include "model/FixedWidthMeasurer.h"
#include "project/ProjectFile.h"
#include "tests/support/RecordingHost.h"

namespace zuvar::examples {
namespace {

using Code = std::vector<std::string>;

void Factorial(TExampleSheet& s) {
  auto* start = s.Put(nstStart, 1, 0);
  auto* init = s.Put(nstCalc, 1, 1, {"long n;", "long f = 1;", "long i = 1;"});
  auto* in = s.Put(nstInOut, 1, 2, {"read(n);"});
  auto* test = s.Put(nstChoice, 1, 3, {"i <= n;"});
  auto* body = s.Put(nstCalc, 1, 4, {"f = f * i;", "i = i + 1;"});
  auto* out = s.Put(nstInOut, 2, 4, {"write(\"Silnia: \");", "write(f);", "write(\"\\n\");"});
  auto* stop = s.Put(nstStop, 2, 5);
  s.Chain({start, init, in, test, body});
  s.Link(body, test, sideLeft, sideLeft);
  s.LinkFalse(test, out);
  s.Link(out, stop);
}

void SumAverage(TExampleSheet& s) {
  auto* start = s.Put(nstStart, 1, 0);
  auto* init = s.Put(nstCalc, 1, 1, {"long n;", "long i = 0;", "double s = 0;", "double x;"});
  auto* count = s.Put(nstInOut, 1, 2, {"write(\"Ile liczb?\\n\");", "read(n);"});
  auto* test = s.Put(nstChoice, 1, 3, {"i < n;"});
  auto* in = s.Put(nstInOut, 1, 4, {"read(x);"});
  auto* add = s.Put(nstCalc, 1, 5, {"s = s + x;", "i = i + 1;"});
  auto* any = s.Put(nstChoice, 2, 4, {"n > 0;"});
  auto* out = s.Put(nstInOut, 2, 5,
                    {"write(\"Suma: \");", "write(s);", "write(\"\\nŚrednia: \");", "write(s / n);",
                     "write(\"\\n\");"});
  auto* none = s.Put(nstInOut, 3, 5, {"write(\"Brak liczb\\n\");"});
  auto* join = s.Put(nstNode, 2, 6);
  auto* stop = s.Put(nstStop, 2, 7);
  s.Chain({start, init, count, test, in, add});
  s.Link(add, test, sideLeft, sideLeft);
  s.LinkFalse(test, any);
  s.Link(any, out);
  s.LinkFalse(any, none);
  s.Link(out, join);
  s.Link(none, join, sideBottom, sideRight);
  s.Link(join, stop);
}

void Gcd(TExampleSheet& s) {
  auto* start = s.Put(nstStart, 1, 0);
  auto* init = s.Put(nstCalc, 1, 1, {"long a;", "long b;", "long t;"});
  auto* in = s.Put(nstInOut, 1, 2, {"read(a);", "read(b);"});
  auto* test = s.Put(nstChoice, 1, 3, {"b != 0;"});
  auto* step = s.Put(nstCalc, 1, 4, {"t = a % b;", "a = b;", "b = t;"});
  auto* out = s.Put(nstInOut, 2, 4, {"write(\"NWD = \");", "write(a);", "write(\"\\n\");"});
  auto* stop = s.Put(nstStop, 2, 5);
  s.Chain({start, init, in, test, step});
  s.Link(step, test, sideLeft, sideLeft);
  s.LinkFalse(test, out);
  s.Link(out, stop);
}

void Prime(TExampleSheet& s) {
  auto* start = s.Put(nstStart, 1, 0);
  auto* init = s.Put(nstCalc, 1, 1, {"long n;", "long d = 2;", "long p = 1;"});
  auto* in = s.Put(nstInOut, 1, 2, {"read(n);"});
  auto* small = s.Put(nstChoice, 1, 3, {"n < 2;"});
  auto* notPrime = s.Put(nstCalc, 0, 4, {"p = 0;"});
  auto* more = s.Put(nstChoice, 2, 4, {"d * d <= n;"});
  auto* divides = s.Put(nstChoice, 2, 5, {"n % d == 0;"});
  auto* found = s.Put(nstCalc, 2, 6, {"p = 0;"});
  auto* next = s.Put(nstCalc, 3, 5, {"d = d + 1;"});
  auto* join = s.Put(nstNode, 1, 7);
  auto* verdict = s.Put(nstChoice, 1, 8, {"p == 1;"});
  auto* yes = s.Put(nstInOut, 0, 9, {"write(n);", "write(\" jest liczbą pierwszą\\n\");"});
  auto* no = s.Put(nstInOut, 2, 9, {"write(n);", "write(\" nie jest liczbą pierwszą\\n\");"});
  auto* end = s.Put(nstNode, 1, 10);
  auto* stop = s.Put(nstStop, 1, 11);
  s.Chain({start, init, in, small});
  s.Link(small, notPrime, sideLeft, sideTop);
  s.LinkFalse(small, more);
  s.Link(notPrime, join, sideBottom, sideLeft);
  s.Link(more, divides);
  s.LinkFalse(more, join, sideLeft, sideTop);
  s.Link(divides, found);
  s.LinkFalse(divides, next, sideRight, sideLeft);
  s.Link(found, join, sideBottom, sideRight);
  s.Link(next, more, sideTop, sideRight);
  s.Link(join, verdict);
  s.Link(verdict, yes, sideLeft, sideTop);
  s.LinkFalse(verdict, no);
  s.Link(yes, end, sideBottom, sideLeft);
  s.Link(no, end, sideBottom, sideRight);
  s.Link(end, stop);
}

void BubbleSort(TExampleSheet& s) { DrawBubbleSort(s); }

void Fibonacci(TExampleSheet& s) {
  auto* start = s.Put(nstStart, 1, 0);
  auto* init =
      s.Put(nstCalc, 1, 1, {"long n;", "long a = 0;", "long b = 1;", "long t;", "long i = 0;"});
  auto* in = s.Put(nstInOut, 1, 2, {"read(n);"});
  auto* test = s.Put(nstChoice, 1, 3, {"i < n;"});
  auto* out = s.Put(nstInOut, 1, 4, {"write(a);", "write(\" \");"});
  auto* next = s.Put(nstCalc, 1, 5, {"t = a + b;", "a = b;", "b = t;", "i = i + 1;"});
  auto* end = s.Put(nstInOut, 2, 4, {"write(\"\\n\");"});
  auto* stop = s.Put(nstStop, 2, 5);
  s.Chain({start, init, in, test, out, next});
  s.Link(next, test, sideLeft, sideLeft);
  s.LinkFalse(test, end);
  s.Link(end, stop);
}

void Continuation(TExampleSheet& s) {
  auto* start = s.Put(nstStart, 0, 0);
  auto* init = s.Put(nstCalc, 0, 1, {"long k = 3;"});
  auto* left = s.Put(nstInOut, 0, 2, {"write(\"Lewa strona\\n\");"});
  auto* leave = s.Put(nstContinuum, 0, 3, {"A"});
  auto* arrive = s.Put(nstContinuum, 3, 0, {"A"});
  auto* right =
      s.Put(nstInOut, 3, 1, {"write(\"Prawa strona: \");", "write(k);", "write(\"\\n\");"});
  auto* stop = s.Put(nstStop, 3, 2);
  s.Chain({start, init, left, leave});
  s.Chain({arrive, right, stop});
}

void NestedLoops(TExampleSheet& s) {
  auto* start = s.Put(nstStart, 1, 0);
  auto* init = s.Put(nstCalc, 1, 1, {"long n;", "long i = 1;", "long j;", "long p;"});
  auto* in = s.Put(nstInOut, 1, 2, {"read(n);"});
  auto* outerJoin = s.Put(nstNode, 1, 3);
  auto* outer = s.Put(nstChoice, 1, 4, {"i <= n;"});
  auto* innerInit = s.Put(nstCalc, 1, 5, {"j = 1;"});
  auto* innerJoin = s.Put(nstNode, 1, 6);
  auto* inner = s.Put(nstChoice, 1, 7, {"j <= n;"});
  auto* product = s.Put(nstCalc, 1, 8, {"p = i * j;"});
  auto* out = s.Put(nstInOut, 1, 9, {"write(p);", "write(\" \");"});
  auto* innerNext = s.Put(nstCalc, 1, 10, {"j = j + 1;"});
  auto* endLine = s.Put(nstInOut, 2, 8, {"write(\"\\n\");"});
  auto* outerNext = s.Put(nstCalc, 3, 8, {"i = i + 1;"});
  auto* stop = s.Put(nstStop, 2, 5);
  s.Chain(
      {start, init, in, outerJoin, outer, innerInit, innerJoin, inner, product, out, innerNext});
  s.Link(innerNext, innerJoin, sideLeft, sideLeft);
  s.LinkFalse(inner, endLine);
  s.Link(endLine, outerNext, sideRight, sideLeft);
  s.Link(outerNext, outerJoin, sideTop, sideRight);
  s.LinkFalse(outer, stop);
}

// Writes each diagram; the examples are arranged on their grid, the end-to-end cases keep the
// places they were drawn at.
bool WriteAll(const std::vector<TExample>& examples, const std::string& folder, bool arrange) {
  test::TRecordingHost host;
  for (const TExample& example : examples) {
    TExampleSheet sheet;
    example.draw(sheet);
    if (arrange)
      sheet.Arrange(TFixedWidthMeasurer());
    else
      sheet.Diagram().LayoutAll(TFixedWidthMeasurer());
    const std::string file = folder + "/" + example.name + ".bin";
    if (!WriteProjectFile(file, sheet.Diagram(), host)) {
      std::fprintf(stderr, "cannot write %s\n", file.c_str());
      return false;
    }
  }
  return true;
}

}  // namespace
}  // namespace zuvar::examples

// zuvar-make-examples EXAMPLES_DIR [CASES_DIR]: the examples, and the diagrams of the
// end-to-end cases when a second folder is given.
int main(int argc, char** argv) {
  using namespace zuvar::examples;
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: zuvar-make-examples EXAMPLES_DIR [CASES_DIR]\n");
    return 64;
  }
  std::vector<TExample> examples{
      {"factorial", Factorial},
      {"sum_average", SumAverage},
      {"gcd", Gcd},
      {"prime", Prime},
      {"bubble_sort", BubbleSort},
      {"fibonacci", Fibonacci},
      {"continuation", Continuation},
      {"nested_loops", NestedLoops},
  };
  for (TExample& example : TeachingExamples()) examples.push_back(std::move(example));
  for (TExample& example : BrokenExamples()) examples.push_back(std::move(example));
  if (!WriteAll(examples, argv[1], true)) return 1;
  if (argc == 3 && !WriteAll(CaseDiagrams(), argv[2], false)) return 1;
  return 0;
}
