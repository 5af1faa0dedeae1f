// The short examples a lesson starts with: each teaches one idea, named by the comment at the top
// of its first calculation block.
#include "examples/generator/ExampleSheet.h"

namespace zuvar::examples {

namespace {

// A decision whose TRUE branch runs to the left and FALSE branch to the right, both joined again
// by a node below the decision.
struct Branches {
  TNewShape* join;
};

Branches PutBranches(ExampleSheet& s, TNewShape* decision, int column, int row,
                     std::vector<std::string> whenTrue, std::vector<std::string> whenFalse) {
  auto* yes = s.Put(nstInOut, column - 1, row + 1, std::move(whenTrue));
  auto* no = s.Put(nstInOut, column + 1, row + 1, std::move(whenFalse));
  auto* join = s.Put(nstNode, column, row + 2);
  s.Link(decision, yes, sideLeft, sideTop);
  s.LinkFalse(decision, no);
  s.Link(yes, join, sideBottom, sideLeft);
  s.Link(no, join, sideBottom, sideRight);
  return {join};
}

void HelloWorld(ExampleSheet& s) {
  auto* start = s.Put(nstStart, 0, 0);
  auto* note = s.Put(nstCalc, 0, 1, {"// Pierwszy program: write wypisuje tekst"});
  auto* hello = s.Put(nstInOut, 0, 2, {"write(\"Witaj, świecie!\\n\");"});
  auto* stop = s.Put(nstStop, 0, 3);
  s.Chain({start, note, hello, stop});
}

void EvenOddLeapYear(ExampleSheet& s) {
  auto* start = s.Put(nstStart, 1, 0);
  auto* init = s.Put(nstCalc, 1, 1, {"// Reszta z dzielenia (%): parzystość i rok przestępny", "long n;", "long r;"});
  auto* number = s.Put(nstInOut, 1, 2, {"read(n);"});
  auto* even = s.Put(nstChoice, 1, 3, {"n % 2 == 0;"});
  Branches parity = PutBranches(s, even, 1, 3, {"write(\"Liczba parzysta\\n\");"},
                                {"write(\"Liczba nieparzysta\\n\");"});
  auto* year = s.Put(nstInOut, 1, 6, {"read(r);"});
  auto* leap = s.Put(nstChoice, 1, 7, {"r % 400 == 0 || r % 4 == 0 && r % 100 != 0;"});
  Branches verdict = PutBranches(s, leap, 1, 7, {"write(\"Rok przestępny\\n\");"},
                                 {"write(\"Rok zwykły\\n\");"});
  auto* stop = s.Put(nstStop, 1, 10);
  s.Chain({start, init, number, even});
  s.Chain({parity.join, year, leap});
  s.Link(verdict.join, stop);
}

void SumOfDigits(ExampleSheet& s) {
  auto* start = s.Put(nstStart, 1, 0);
  auto* init = s.Put(nstCalc, 1, 1, {"// Suma cyfr: dzielenie przez 10 i reszta w pętli", "long n;", "long s = 0;"});
  auto* in = s.Put(nstInOut, 1, 2, {"read(n);"});
  auto* more = s.Put(nstChoice, 1, 3, {"n > 0;"});
  auto* digit = s.Put(nstCalc, 1, 4, {"s = s + n % 10;", "n = n / 10;"});
  auto* out = s.Put(nstInOut, 2, 4, {"write(\"Suma cyfr: \");", "write(s);", "write(\"\\n\");"});
  auto* stop = s.Put(nstStop, 2, 5);
  s.Chain({start, init, in, more, digit});
  s.Link(digit, more, sideLeft, sideLeft);
  s.LinkFalse(more, out);
  s.Link(out, stop);
}

void DecimalToBinary(ExampleSheet& s) {
  auto* start = s.Put(nstStart, 1, 0);
  auto* init = s.Put(nstCalc, 1, 1, {"// System dwójkowy: reszty z dzielenia przez 2 w tablicy", "long n;", "long b[32];", "long k = 0;"});
  auto* in = s.Put(nstInOut, 1, 2, {"read(n);"});
  auto* digit = s.Put(nstCalc, 1, 3, {"b[k] = n % 2;", "n = n / 2;", "k = k + 1;"});
  auto* more = s.Put(nstChoice, 1, 4, {"n > 0;"});
  auto* title = s.Put(nstInOut, 2, 5, {"write(\"Dwójkowo: \");"});
  auto* left = s.Put(nstChoice, 2, 6, {"k > 0;"});
  auto* back = s.Put(nstCalc, 2, 7, {"k = k - 1;"});
  auto* out = s.Put(nstInOut, 2, 8, {"write(b[k]);"});
  auto* newline = s.Put(nstInOut, 3, 7, {"write(\"\\n\");"});
  auto* stop = s.Put(nstStop, 3, 8);
  s.Chain({start, init, in, digit, more});
  s.Link(more, digit, sideLeft, sideLeft);
  s.LinkFalse(more, title);
  s.Chain({title, left, back, out});
  s.Link(out, left, sideLeft, sideLeft);
  s.LinkFalse(left, newline);
  s.Link(newline, stop);
}

void QuadraticEquation(ExampleSheet& s) {
  auto* start = s.Put(nstStart, 1, 0);
  auto* init = s.Put(nstCalc, 1, 1, {"// Równanie kwadratowe: typ double, sqrt i decyzje", "double a;", "double b;", "double c;", "double d;"});
  auto* in = s.Put(nstInOut, 1, 2, {"read(a);", "read(b);", "read(c);"});
  auto* delta = s.Put(nstCalc, 1, 3, {"d = b * b - 4 * a * c;"});
  auto* negative = s.Put(nstChoice, 1, 4, {"d < 0;"});
  auto* none = s.Put(nstInOut, 0, 5, {"write(\"Brak pierwiastków rzeczywistych\\n\");"});
  auto* zero = s.Put(nstChoice, 2, 5, {"d == 0;"});
  auto* one = s.Put(nstInOut, 1, 6, {"write(\"x = \");", "write((0 - b) / (2 * a));", "write(\"\\n\");"});
  auto* two = s.Put(nstInOut, 3, 6,
                    {"write(\"x1 = \");", "write(((0 - b) - sqrt(d)) / (2 * a));", "write(\"\\n\");",
                     "write(\"x2 = \");", "write(((0 - b) + sqrt(d)) / (2 * a));", "write(\"\\n\");"});
  auto* join = s.Put(nstNode, 1, 8);
  auto* stop = s.Put(nstStop, 1, 9);
  s.Chain({start, init, in, delta, negative});
  s.Link(negative, none, sideLeft, sideTop);
  s.LinkFalse(negative, zero);
  s.Link(zero, one, sideLeft, sideTop);
  s.LinkFalse(zero, two);
  s.Link(none, join, sideBottom, sideLeft);
  s.Link(one, join);
  s.Link(two, join, sideBottom, sideRight);
  s.Link(join, stop);
}

}  // namespace

std::vector<Example> TeachingExamples() {
  return {
      {"hello_world", HelloWorld},
      {"even_odd_leap_year", EvenOddLeapYear},
      {"sum_of_digits", SumOfDigits},
      {"decimal_to_binary", DecimalToBinary},
      {"quadratic_equation", QuadraticEquation},
  };
}

}  // namespace zuvar::examples
