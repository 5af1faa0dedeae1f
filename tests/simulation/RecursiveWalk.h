#pragma once

#include <string>

#include "model/Host.h"
#include "model/Schemat.h"

namespace zuvar::test {

// The connection walk written the direct recursive way, as a reference for the engine's
// stack-based walk: both must visit, count and report in the same order.
class RecursiveWalk {
 public:
  RecursiveWalk(TSchemat& diagram, THost& host) : diagram_(diagram), host_(host) {}

  bool Walk(TNewShape* block) {
    if (!block) return true;
    if (block->Shape == nstStart && !block->BlockLink)
      return Fail("Brak połączeń wyjściowych od bloku start!");
    if (block->Shape == nstStop && block->BlockLink)
      return Fail("Od kończącego bloku stop nie może być dalszych połączeń!");
    if (block->Shape == nstChoice && (!block->BlockLink || !block->BlockLinkFalse))
      return Fail("Blok wyboru musi mieć powiązane oba wyjścia!");
    const bool needsExit = block->Shape == nstStart || block->Shape == nstCalc ||
                           block->Shape == nstInOut || block->Shape == nstNode;
    if (needsExit && !block->BlockLink)
      return Fail("Brak wszystkich wymaganych wyjść w połaczonych blokach schematu!");
    if (++block->Tag > 1) return true;
    if (!Walk(block->BlockLinkFalse)) return false;
    if (block->Shape != nstContinuum) return Walk(block->BlockLink);
    if (block->BlockLink)
      Log("Ostrzeżenie: wyjście z pierwszego bloku kontynuacji jest ignorowane");
    int others = 0;
    TNewShape* partner = nullptr;
    for (TNewShape* o = diagram_.FirstBlock; o; o = o->Next) {
      if (o == block || o->Shape != nstContinuum || o->Caption != block->Caption) continue;
      ++others;
      partner = o;
      if (o == block->BlockLink)
        Log("Ostrzeżenie: wykonano połączenie z pierwszego bloku kontynuacji do drugiego - po "
            "co ?!?!?!?");
      if (o->BlockLink == block)
        return Fail(
            "Drugi blok kontynuacji ma bezpośrednie połączenie do pierwszego bloku co powoduje "
            "nieskończoną pętle!!!");
    }
    if (others == 0) return Fail("Brak drugiego bloku kontynuacji!");
    if (others == 1 && !partner->BlockLink) return Fail("Brak wyjścia w drugim bloku kontynuacji!");
    if (others > 1) return Fail("Mogą być tylko dwa bloki kontynuacji o identycznej nazwie!");
    ++partner->Tag;
    return Walk(partner->BlockLink);
  }

 private:
  void Log(const std::string& line) {
    host_.AppendLog(line);
    host_.ScrollLogPage();
  }
  bool Fail(const std::string& line) {
    Log(line);
    return false;
  }

  TSchemat& diagram_;
  THost& host_;
};

}  // namespace zuvar::test
