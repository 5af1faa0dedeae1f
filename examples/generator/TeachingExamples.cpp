// The short examples a lesson starts with: each teaches one idea, named by the comment at the top
// of its first calculation block.
#include "examples/generator/ExampleSheet.h"

namespace zuvar::examples {

namespace {

// A decision whose TRUE branch runs to the left and FALSE branch to the right, both joined again
// by a node below the decision.
struct TBranches {
  TNewShape* join;
};

TBranches PutBranches(TExampleSheet& s, TNewShape* decision, int column, int row,
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

void HelloWorld(TExampleSheet& s) {
  auto* start = s.Put(nstStart, 0, 0);
  auto* note = s.Put(nstCalc, 0, 1, {"// Pierwszy program: write wypisuje tekst"});
  auto* hello = s.Put(nstInOut, 0, 2, {"write(\"Witaj, świecie!\\n\");"});
  auto* stop = s.Put(nstStop, 0, 3);
  s.Chain({start, note, hello, stop});
}

void EvenOddLeapYear(TExampleSheet& s) {
  auto* start = s.Put(nstStart, 1, 0);
  auto* init =
      s.Put(nstCalc, 1, 1,
            {"// Reszta z dzielenia (%): parzystość i rok przestępny", "long n;", "long r;"});
  auto* number = s.Put(nstInOut, 1, 2, {"read(n);"});
  auto* even = s.Put(nstChoice, 1, 3, {"n % 2 == 0;"});
  TBranches parity = PutBranches(s, even, 1, 3, {"write(\"Liczba parzysta\\n\");"},
                                 {"write(\"Liczba nieparzysta\\n\");"});
  auto* year = s.Put(nstInOut, 1, 6, {"read(r);"});
  auto* leap = s.Put(nstChoice, 1, 7, {"r % 400 == 0 || r % 4 == 0 && r % 100 != 0;"});
  TBranches verdict =
      PutBranches(s, leap, 1, 7, {"write(\"Rok przestępny\\n\");"}, {"write(\"Rok zwykły\\n\");"});
  auto* stop = s.Put(nstStop, 1, 10);
  s.Chain({start, init, number, even});
  s.Chain({parity.join, year, leap});
  s.Link(verdict.join, stop);
}

void SumOfDigits(TExampleSheet& s) {
  auto* start = s.Put(nstStart, 1, 0);
  auto* init =
      s.Put(nstCalc, 1, 1,
            {"// Suma cyfr: dzielenie przez 10 i reszta w pętli", "long n;", "long s = 0;"});
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

void DecimalToBinary(TExampleSheet& s) {
  auto* start = s.Put(nstStart, 1, 0);
  auto* init = s.Put(nstCalc, 1, 1,
                     {"// System dwójkowy: reszty z dzielenia przez 2 w tablicy", "long n;",
                      "long b[32];", "long k = 0;"});
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

void QuadraticEquation(TExampleSheet& s) {
  auto* start = s.Put(nstStart, 1, 0);
  auto* init = s.Put(nstCalc, 1, 1,
                     {"// Równanie kwadratowe: typ double, sqrt i decyzje", "double a;",
                      "double b;", "double c;", "double d;"});
  auto* in = s.Put(nstInOut, 1, 2, {"read(a);", "read(b);", "read(c);"});
  auto* delta = s.Put(nstCalc, 1, 3, {"d = b * b - 4 * a * c;"});
  auto* negative = s.Put(nstChoice, 1, 4, {"d < 0;"});
  auto* none = s.Put(nstInOut, 0, 5, {"write(\"Brak pierwiastków rzeczywistych\\n\");"});
  auto* zero = s.Put(nstChoice, 2, 5, {"d == 0;"});
  auto* one =
      s.Put(nstInOut, 1, 6, {"write(\"x = \");", "write((0 - b) / (2 * a));", "write(\"\\n\");"});
  auto* two =
      s.Put(nstInOut, 3, 6,
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

void MinMax(TExampleSheet& s) {
  auto* start = s.Put(nstStart, 1, 0);
  auto* init = s.Put(nstCalc, 1, 1,
                     {"// Najmniejsza i największa liczba ciągu: porównania w pętli", "long n;",
                      "long x;", "long mn;", "long mx;", "long i = 1;"});
  auto* first = s.Put(nstInOut, 1, 2, {"read(n);", "read(x);"});
  auto* set = s.Put(nstCalc, 1, 3, {"mn = x;", "mx = x;"});
  auto* more = s.Put(nstChoice, 1, 4, {"i < n;"});
  auto* in = s.Put(nstInOut, 1, 5, {"read(x);"});
  auto* less = s.Put(nstChoice, 1, 6, {"x < mn;"});
  auto* newMin = s.Put(nstCalc, 2, 7, {"mn = x;"});
  auto* afterMin = s.Put(nstNode, 1, 8);
  auto* greater = s.Put(nstChoice, 1, 9, {"x > mx;"});
  auto* newMax = s.Put(nstCalc, 2, 10, {"mx = x;"});
  auto* afterMax = s.Put(nstNode, 1, 11);
  auto* next = s.Put(nstCalc, 1, 12, {"i = i + 1;"});
  auto* out = s.Put(nstInOut, 3, 5,
                    {"write(\"Najmniejsza: \");", "write(mn);", "write(\"\\nNajwiększa: \");",
                     "write(mx);", "write(\"\\n\");"});
  auto* stop = s.Put(nstStop, 3, 6);
  s.Chain({start, init, first, set, more, in, less});
  s.Link(less, newMin, sideRight, sideTop);
  s.LinkFalse(less, afterMin, sideBottom, sideTop);
  s.Link(newMin, afterMin, sideBottom, sideRight);
  s.Link(afterMin, greater);
  s.Link(greater, newMax, sideRight, sideTop);
  s.LinkFalse(greater, afterMax, sideBottom, sideTop);
  s.Link(newMax, afterMax, sideBottom, sideRight);
  s.Link(afterMax, next);
  s.Link(next, more, sideLeft, sideLeft);
  s.LinkFalse(more, out);
  s.Link(out, stop);
}

void LinearSearch(TExampleSheet& s) {
  auto* start = s.Put(nstStart, 1, 0);
  auto* init = s.Put(nstCalc, 1, 1,
                     {"// Wyszukiwanie liniowe: kolejne elementy tablicy", "long n;", "long a[20];",
                      "long i = 0;", "long x;", "long p = 0;", "long f = 0;"});
  auto* count = s.Put(nstInOut, 1, 2, {"read(n);"});
  auto* fill = s.Put(nstChoice, 1, 3, {"i < n;"});
  auto* readOne = s.Put(nstInOut, 1, 4, {"read(a[i]);"});
  auto* nextRead = s.Put(nstCalc, 1, 5, {"i = i + 1;"});
  auto* wanted = s.Put(nstInOut, 2, 4, {"read(x);"});
  auto* from = s.Put(nstCalc, 2, 5, {"i = 0;"});
  auto* more = s.Put(nstChoice, 2, 6, {"i < n && f == 0;"});
  auto* equal = s.Put(nstChoice, 2, 7, {"a[i] == x;"});
  auto* found = s.Put(nstCalc, 3, 8, {"p = i;", "f = 1;"});
  auto* join = s.Put(nstNode, 2, 9);
  auto* next = s.Put(nstCalc, 2, 10, {"i = i + 1;"});
  auto* any = s.Put(nstChoice, 4, 7, {"f == 1;"});
  auto* where = s.Put(nstInOut, 4, 8, {"write(\"Pozycja: \");", "write(p);", "write(\"\\n\");"});
  auto* none = s.Put(nstInOut, 5, 8, {"write(\"Nie ma takiej liczby\\n\");"});
  auto* end = s.Put(nstNode, 4, 9);
  auto* stop = s.Put(nstStop, 4, 10);
  s.Chain({start, init, count, fill, readOne, nextRead});
  s.Link(nextRead, fill, sideLeft, sideLeft);
  s.LinkFalse(fill, wanted);
  s.Chain({wanted, from, more, equal});
  s.Link(equal, found, sideRight, sideTop);
  s.LinkFalse(equal, join, sideBottom, sideTop);
  s.Link(found, join, sideBottom, sideRight);
  s.Link(join, next);
  s.Link(next, more, sideLeft, sideLeft);
  s.LinkFalse(more, any);
  s.Link(any, where);
  s.LinkFalse(any, none);
  s.Link(where, end);
  s.Link(none, end, sideBottom, sideRight);
  s.Link(end, stop);
}

void CharText(TExampleSheet& s) {
  auto* start = s.Put(nstStart, 1, 0);
  auto* init = s.Put(
      nstCalc, 1, 1,
      {"// Tablica char: tekst jako ciąg znaków zakończony zerem", "char t[20] = \"ala ma kota\";",
       "char c = 97; // kod litery a", "long i = 0;", "long k = 0;"});
  auto* more = s.Put(nstChoice, 1, 2, {"t[i] != 0;"});
  auto* isA = s.Put(nstChoice, 1, 3, {"t[i] == c;"});
  auto* count = s.Put(nstCalc, 2, 4, {"k = k + 1;"});
  auto* join = s.Put(nstNode, 1, 5);
  auto* next = s.Put(nstCalc, 1, 6, {"i = i + 1;"});
  auto* out = s.Put(nstInOut, 3, 3,
                    {"write(\"Liter a: \");", "write(k);", "write(\" na \");", "write(i);",
                     "write(\" znaków\\n\");"});
  auto* stop = s.Put(nstStop, 3, 4);
  s.Chain({start, init, more, isA});
  s.Link(isA, count, sideRight, sideTop);
  s.LinkFalse(isA, join, sideBottom, sideTop);
  s.Link(count, join, sideBottom, sideRight);
  s.Link(join, next);
  s.Link(next, more, sideLeft, sideLeft);
  s.LinkFalse(more, out);
  s.Link(out, stop);
}

void SelectionSort(TExampleSheet& s) {
  auto* start = s.Put(nstStart, 0, 0);
  auto* init = s.Put(nstCalc, 0, 1,
                     {"// Sortowanie przez wybór: najmniejszy z reszty na kolejne miejsce",
                      "long n;", "long a[20];", "long i = 0;", "long j;", "long m;", "long t;"});
  auto* count = s.Put(nstInOut, 0, 2, {"read(n);"});
  auto* fill = s.Put(nstChoice, 0, 3, {"i < n;"});
  auto* readOne = s.Put(nstInOut, 0, 4, {"read(a[i]);"});
  auto* nextRead = s.Put(nstCalc, 0, 5, {"i = i + 1;"});
  auto* outerInit = s.Put(nstCalc, 2, 3, {"i = 0;"});
  auto* outerJoin = s.Put(nstNode, 2, 4);
  auto* outer = s.Put(nstChoice, 2, 5, {"i + 1 < n;"});
  auto* pick = s.Put(nstCalc, 2, 6, {"m = i;", "j = i + 1;"});
  auto* inner = s.Put(nstChoice, 2, 7, {"j < n;"});
  auto* smaller = s.Put(nstChoice, 2, 8, {"a[j] < a[m];"});
  auto* remember = s.Put(nstCalc, 3, 9, {"m = j;"});
  auto* join = s.Put(nstNode, 2, 10);
  auto* nextJ = s.Put(nstCalc, 2, 11, {"j = j + 1;"});
  auto* swap = s.Put(nstCalc, 4, 8, {"t = a[i];", "a[i] = a[m];", "a[m] = t;"});
  auto* nextI = s.Put(nstCalc, 4, 9, {"i = i + 1;"});
  auto* printInit = s.Put(nstCalc, 1, 12, {"i = 0;"});
  auto* printMore = s.Put(nstChoice, 1, 13, {"i < n;"});
  auto* printOne = s.Put(nstInOut, 1, 14, {"write(a[i]);", "write(\" \");"});
  auto* printNext = s.Put(nstCalc, 1, 15, {"i = i + 1;"});
  auto* newline = s.Put(nstInOut, 2, 14, {"write(\"\\n\");"});
  auto* stop = s.Put(nstStop, 2, 15);
  s.Chain({start, init, count, fill, readOne, nextRead});
  s.Link(nextRead, fill, sideLeft, sideLeft);
  s.LinkFalse(fill, outerInit, sideRight, sideLeft);
  s.Chain({outerInit, outerJoin, outer, pick, inner, smaller});
  s.Link(smaller, remember, sideRight, sideTop);
  s.LinkFalse(smaller, join, sideBottom, sideTop);
  s.Link(remember, join, sideBottom, sideRight);
  s.Link(join, nextJ);
  s.Link(nextJ, inner, sideLeft, sideLeft);
  s.LinkFalse(inner, swap);
  s.Link(swap, nextI);
  s.Link(nextI, outerJoin, sideRight, sideRight);
  s.LinkFalse(outer, printInit, sideLeft, sideTop);
  s.Chain({printInit, printMore, printOne, printNext});
  s.Link(printNext, printMore, sideLeft, sideLeft);
  s.LinkFalse(printMore, newline);
  s.Link(newline, stop);
}

void BinarySearch(TExampleSheet& s) {
  auto* start = s.Put(nstStart, 0, 0);
  auto* init = s.Put(nstCalc, 0, 1,
                     {"// Wyszukiwanie binarne: połowienie przedziału w tablicy uporządkowanej",
                      "long n;", "long a[20];", "long i = 0;", "long x;", "long l;", "long r;",
                      "long s;", "long p = 0;", "long f = 0;"});
  auto* count = s.Put(nstInOut, 0, 2, {"read(n);"});
  auto* fill = s.Put(nstChoice, 0, 3, {"i < n;"});
  auto* readOne = s.Put(nstInOut, 0, 4, {"read(a[i]);"});
  auto* nextRead = s.Put(nstCalc, 0, 5, {"i = i + 1;"});
  auto* wanted = s.Put(nstInOut, 2, 3, {"read(x);"});
  auto* bounds = s.Put(nstCalc, 2, 4, {"l = 0;", "r = n - 1;"});
  auto* more = s.Put(nstChoice, 2, 6, {"l <= r && f == 0;"});
  auto* middle = s.Put(nstCalc, 2, 7, {"s = (l + r) / 2;"});
  auto* equal = s.Put(nstChoice, 2, 8, {"a[s] == x;"});
  auto* below = s.Put(nstChoice, 2, 9, {"a[s] < x;"});
  auto* right = s.Put(nstCalc, 3, 10, {"l = s + 1;"});
  auto* left = s.Put(nstCalc, 2, 10, {"r = s - 1;"});
  auto* found = s.Put(nstCalc, 4, 9, {"p = s;", "f = 1;"});
  auto* halves = s.Put(nstNode, 2, 11);
  auto* step = s.Put(nstNode, 2, 12);
  auto* any = s.Put(nstChoice, 5, 7, {"f == 1;"});
  auto* where = s.Put(nstInOut, 5, 8, {"write(\"Pozycja: \");", "write(p);", "write(\"\\n\");"});
  auto* none = s.Put(nstInOut, 6, 8, {"write(\"Nie ma takiej liczby\\n\");"});
  auto* end = s.Put(nstNode, 5, 9);
  auto* stop = s.Put(nstStop, 5, 10);
  s.Chain({start, init, count, fill, readOne, nextRead});
  s.Link(nextRead, fill, sideLeft, sideLeft);
  s.LinkFalse(fill, wanted, sideRight, sideLeft);
  s.Chain({wanted, bounds, more, middle, equal});
  s.Link(equal, found, sideRight, sideTop);
  s.LinkFalse(equal, below, sideBottom, sideTop);
  s.Link(below, right, sideRight, sideTop);
  s.LinkFalse(below, left, sideBottom, sideTop);
  s.Link(left, halves);
  s.Link(right, halves, sideBottom, sideRight);
  s.Link(halves, step);
  s.Link(found, step, sideBottom, sideRight);
  s.Link(step, more, sideLeft, sideLeft);
  s.LinkFalse(more, any);
  s.Link(any, where);
  s.LinkFalse(any, none);
  s.Link(where, end);
  s.Link(none, end, sideBottom, sideRight);
  s.Link(end, stop);
}

}  // namespace

std::vector<TExample> TeachingExamples() {
  return {
      {"hello_world", HelloWorld},
      {"even_odd_leap_year", EvenOddLeapYear},
      {"sum_of_digits", SumOfDigits},
      {"decimal_to_binary", DecimalToBinary},
      {"quadratic_equation", QuadraticEquation},
      {"min_max", MinMax},
      {"linear_search", LinearSearch},
      {"char_text", CharText},
      {"selection_sort", SelectionSort},
      {"binary_search", BinarySearch},
  };
}

}  // namespace zuvar::examples
