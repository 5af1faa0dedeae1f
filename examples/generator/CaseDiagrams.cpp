// The diagrams of the end-to-end cases in tests/data: faulty connections, faulty code, runs
// that fail, never end or read badly.
#include "examples/generator/ExampleSheet.h"

namespace zuvar::examples {
namespace {

// start -> the given blocks -> stop, stacked in one column.
void Straight(TExampleSheet& s, const std::vector<std::vector<std::string>>& calcs,
              TNewShapeType shape = nstCalc) {
  std::vector<TNewShape*> chain{s.Put(nstStart, 1, 0)};
  int row = 1;
  for (const auto& code : calcs) chain.push_back(s.Put(shape, 1, row++, code));
  chain.push_back(s.Put(nstStop, 1, row));
  s.Chain(chain);
}

void NoStart(TExampleSheet& s) {
  auto* calc = s.Put(nstCalc, 1, 1, {"long x;"});
  s.Link(calc, s.Put(nstStop, 1, 2));
}

void TwoStops(TExampleSheet& s) {
  auto* start = s.Put(nstStart, 1, 0);
  auto* init = s.Put(nstCalc, 1, 1, {"long x = 2;"});
  auto* test = s.Put(nstChoice, 1, 2, {"x > 1;"});
  auto* big = s.Put(nstInOut, 0, 3, {"write(\"koniec\");"});
  auto* stop1 = s.Put(nstStop, 0, 4);
  auto* stop2 = s.Put(nstStop, 2, 3);
  s.Chain({start, init, test, big, stop1});
  s.LinkFalse(test, stop2);
}

void Hanging(TExampleSheet& s) {
  auto* start = s.Put(nstStart, 1, 0);
  auto* calc = s.Put(nstCalc, 1, 1, {"long x = 1;"});
  auto* stop = s.Put(nstStop, 1, 2);
  auto* loose = s.Put(nstChoice, 3, 1, {"x;"});
  s.Chain({start, calc, stop});
  s.Link(loose, calc, sideLeft, sideRight);
  s.LinkFalse(loose, stop, sideBottom, sideRight);
}

void DecisionOneExit(TExampleSheet& s) {
  auto* start = s.Put(nstStart, 1, 0);
  auto* test = s.Put(nstChoice, 1, 1, {"1;"});
  s.Chain({start, test, s.Put(nstStop, 1, 2)});
}

void ContinuationMissing(TExampleSheet& s) {
  auto* start = s.Put(nstStart, 1, 0);
  auto* away = s.Put(nstContinuum, 1, 1, {"A"});
  auto* elsewhere = s.Put(nstContinuum, 3, 0, {"B"});
  s.Link(start, away);
  s.Link(elsewhere, s.Put(nstStop, 3, 1));
}

void ContinuationThree(TExampleSheet& s) {
  auto* start = s.Put(nstStart, 1, 0);
  auto* away = s.Put(nstContinuum, 1, 1, {"A"});
  auto* second = s.Put(nstContinuum, 3, 0, {"A"});
  auto* third = s.Put(nstContinuum, 4, 0, {"A"});
  auto* stop = s.Put(nstStop, 3, 2);
  s.Link(start, away);
  s.Link(second, stop);
  s.Link(third, stop, sideBottom, sideRight);
}

void ContinuationLoop(TExampleSheet& s) {
  auto* start = s.Put(nstStart, 1, 0);
  auto* away = s.Put(nstContinuum, 1, 1, {"A"});
  auto* back = s.Put(nstContinuum, 3, 1, {"A"});
  s.Put(nstStop, 3, 3);
  s.Link(start, away);
  s.Link(back, away, sideLeft, sideRight);
}

// The first block of the pair has an exit of its own: it is ignored, the run jumps.
void ContinuationOwnExit(TExampleSheet& s) {
  auto* start = s.Put(nstStart, 1, 0);
  auto* away = s.Put(nstContinuum, 1, 1, {"A"});
  auto* trap = s.Put(nstInOut, 1, 2, {"write(\"zła droga\\n\");"});
  auto* stop1 = s.Put(nstStop, 1, 3);
  auto* arrive = s.Put(nstContinuum, 3, 0, {"A"});
  auto* right = s.Put(nstInOut, 3, 1, {"write(\"dobra droga\\n\");"});
  auto* stop2 = s.Put(nstStop, 3, 2);
  s.Chain({start, away, trap, stop1});
  s.Chain({arrive, right, stop2});
}

void UndeclaredVariable(TExampleSheet& s) { Straight(s, {{"long x = 1;", "y = x + 1;"}}); }

void WriteInCalc(TExampleSheet& s) { Straight(s, {{"long x = 1;", "write(x);"}}); }

void BadCodeUnreached(TExampleSheet& s) {
  auto* start = s.Put(nstStart, 1, 0);
  auto* init = s.Put(nstCalc, 1, 1, {"long x = 1;"});
  auto* test = s.Put(nstChoice, 1, 2, {"x > 0;"});
  auto* good = s.Put(nstInOut, 1, 3, {"write(x);"});
  auto* bad = s.Put(nstCalc, 3, 3, {"x = 2 $ 3;"});
  auto* stop = s.Put(nstStop, 1, 4);
  s.Chain({start, init, test, good, stop});
  s.LinkFalse(test, bad);
  s.Link(bad, stop, sideBottom, sideRight);
}

void CheckedCodeRuns(TExampleSheet& s) {
  Straight(s, {{"long x = 6;", "double h = x / 4;"}, {"write(h);", "write(\"\\n\");"}});
  // The second block is an input/output block.
  TNewShape* io = s.Diagram().FirstBlock->BlockLink->BlockLink;
  io->SetShape(nstInOut);
}

void Endless(TExampleSheet& s) {
  auto* start = s.Put(nstStart, 1, 0);
  auto* init = s.Put(nstCalc, 1, 1, {"long i = 0;"});
  auto* loop = s.Put(nstNode, 1, 2);
  auto* body = s.Put(nstCalc, 1, 3, {"i = i + 1;"});
  auto* out = s.Put(nstInOut, 1, 4, {"write(i);", "write(\"\\n\");"});
  auto* test = s.Put(nstChoice, 1, 5, {"i > 0;"});
  s.Put(nstStop, 3, 6);
  s.Chain({start, init, loop, body, out, test});
  s.Link(test, loop, sideLeft, sideLeft);
  s.LinkFalse(test, s.Diagram().LastBlock);
}

void ReadEntry(TExampleSheet& s) {
  auto* start = s.Put(nstStart, 1, 0);
  auto* init = s.Put(nstCalc, 1, 1, {"int x;", "int y = 5;"});
  auto* in = s.Put(nstInOut, 1, 2, {"read(x);", "write(x);", "write(\"\\n\");"});
  s.Chain({start, init, in, s.Put(nstStop, 1, 3)});
}

void Arrays(TExampleSheet& s) {
  Straight(s, {{"int a[3] = {1,,3};", "char t[3] = \"abc\";", "double d = 1;"}});
}

// An element indexed by an element takes the inner array and its index off the stack; the
// operator then lacks its other operand and the step fails.
void NestedIndexPlus(TExampleSheet& s) { Straight(s, {{"int t[3] = {1,2,3};", "t[t[0]] + ;"}}); }

void NestedIndexAssign(TExampleSheet& s) { Straight(s, {{"int t[3] = {1,2,3};", "t[t[0]] = ;"}}); }

void NestedIndexTimes(TExampleSheet& s) { Straight(s, {{"int t[3] = {1,2,3};", "* t[t[0]];"}}); }

// A block type from outside the seven, as a damaged file may hold one: the run passes through
// it along its exit like a node.
constexpr auto kUnknownType = static_cast<TNewShapeType>(9);

void UnknownTypePassed(TExampleSheet& s) { Straight(s, {{}}, kUnknownType); }

// The same block without an exit, on the way that the run takes: the check passes (the stop
// block is reached the other way), and the run stops there with the engine's own message.
void UnknownTypeDeadEnd(TExampleSheet& s) {
  auto* start = s.Put(nstStart, 1, 0);
  auto* test = s.Put(nstChoice, 1, 1, {"0;"});
  s.Chain({start, test, s.Put(nstStop, 1, 2)});
  s.LinkFalse(test, s.Put(kUnknownType, 2, 1));
}

}  // namespace

std::vector<TExample> CaseDiagrams() {
  return {
      {"no_start", NoStart},
      {"two_stops", TwoStops},
      {"hanging", Hanging},
      {"decision_one_exit", DecisionOneExit},
      {"continuation_missing", ContinuationMissing},
      {"continuation_three", ContinuationThree},
      {"continuation_loop", ContinuationLoop},
      {"continuation_own_exit", ContinuationOwnExit},
      {"undeclared_variable", UndeclaredVariable},
      {"write_in_calc", WriteInCalc},
      {"bad_code_unreached", BadCodeUnreached},
      {"checked_code_runs", CheckedCodeRuns},
      {"endless", Endless},
      {"read_entry", ReadEntry},
      {"arrays", Arrays},
      {"nested_index_plus", NestedIndexPlus},
      {"nested_index_assign", NestedIndexAssign},
      {"nested_index_times", NestedIndexTimes},
      {"unknown_type_passed", UnknownTypePassed},
      {"unknown_type_dead_end", UnknownTypeDeadEnd},
  };
}

}  // namespace zuvar::examples
