#include "simulation/ConnectionCheck.h"

#include "interpreter/Interpreter.h"
#include "model/Host.h"
#include "model/Schemat.h"

namespace zuvar {

TConnectionCheck::TConnectionCheck(TInterpreter& interpreter, TSchemat& diagram, THost& host)
    : interpreter_(interpreter), diagram_(diagram), host_(host) {}

void TConnectionCheck::Log(std::string_view message) {
  host_.AppendLog(message);
  host_.ScrollLogPage();
}

bool TConnectionCheck::Fail(std::string_view message, TNewShape* at) {
  fault_ = at;
  Log(message);
  return false;
}

bool TConnectionCheck::CheckConnections() {
  TNewShape* start = nullptr;
  if (!CountStartAndStop(start)) return false;
  if (!CheckStartHasNoInputs(start)) return false;
  for (TNewShape* b = diagram_.FirstBlock; b; b = b->Next) b->Tag = 0;
  if (!WalkBlock(start)) return false;
  if (!CheckReachedStops()) return false;
  return CheckAllExits();
}

bool TConnectionCheck::CountStartAndStop(TNewShape*& start) {
  int starts = 0;
  int stops = 0;
  TNewShape* second = nullptr;
  for (TNewShape* b = diagram_.FirstBlock; b; b = b->Next) {
    if (b->Shape == nstStart) {
      if (starts == 1) second = b;
      if (starts++ == 0) start = b;
    } else if (b->Shape == nstStop) {
      ++stops;
    }
  }
  interpreter_.CurrentBlock = start;
  if (starts == 0) return Fail("Brak bloku start!");
  if (starts > 1) return Fail("W schemacie moze byc tylko jeden blok start!", second);
  if (stops == 0) return Fail("Brak bloku stop!");
  return true;
}

bool TConnectionCheck::CheckStartHasNoInputs(const TNewShape* start) {
  for (TNewShape* b = diagram_.FirstBlock; b; b = b->Next) {
    if (b->BlockLink == start || b->BlockLinkFalse == start)
      return Fail("Blok startowy nie może mieć żadnych wejść!", b);
  }
  return true;
}

bool TConnectionCheck::CheckReachedStops() {
  int reached = 0;
  for (TNewShape* b = diagram_.FirstBlock; b; b = b->Next) {
    if (b->Shape != nstStop || b->Tag <= 0) continue;
    if (b->BlockLink) return Fail("Od kończącego bloku stop nie może być dalszych połączeń!", b);
    ++reached;
  }
  if (reached == 0)
    return Fail("Brak możliwości przejścia w jakikolwiek sposób od bloku start do bloku stop!");
  if (reached > 1) Log("Ostrzeżenie: nie powinno się używać więcej niż jednego bloku stop!");
  return true;
}

bool TConnectionCheck::CheckAllExits() {
  constexpr std::string_view hanging =
      "Ostrzeżenie: Istnieją wiszące połączone ze schematem bloki!";
  for (TNewShape* b = diagram_.FirstBlock; b; b = b->Next) {
    if (b->Tag != 0) {
      if (b->Shape == nstChoice) {
        if ((b->BlockLink == nullptr) != (b->BlockLinkFalse == nullptr))
          Log("Ostrzeżenie: blok warunkowy ma tylko jedno wyjście!");
      } else if (!b->BlockLink && b->Shape != nstStop && b->Shape != nstContinuum) {
        return Fail("Brak wyjścia w jednym z bloków w schemacie!", b);
      }
    } else {
      if (b->BlockLink && b->BlockLink->Tag != 0) Log(hanging);
      if (b->BlockLinkFalse && b->BlockLinkFalse->Tag != 0) Log(hanging);
    }
  }
  return true;
}

void TConnectionCheck::IndexContinuations() {
  continuations_.clear();
  for (TNewShape* b = diagram_.FirstBlock; b; b = b->Next) {
    if (b->Shape == nstContinuum) continuations_[b->Caption].push_back(b);
  }
}

bool TConnectionCheck::WalkBlock(TNewShape* block) {
  IndexContinuations();
  // Blocks whose FALSE exit is being walked; each one's main exit (or its partner's) is walked
  // when that branch has ended. A branch ends at an empty exit or at a block seen before.
  std::vector<TNewShape*> pending;
  TNewShape* current = block;
  for (;;) {
    while (current) {
      const TVisit visit = Enter(current);
      if (visit == TVisit::Failed) return false;
      if (visit == TVisit::Again) break;
      pending.push_back(current);
      current = current->BlockLinkFalse;
    }
    if (pending.empty()) return true;
    TNewShape* done = pending.back();
    pending.pop_back();
    if (!Leave(done, current)) return false;
  }
}

TConnectionCheck::TVisit TConnectionCheck::Enter(TNewShape* block) {
  switch (block->Shape) {
    case nstStart:
      if (!block->BlockLink) {
        Fail("Brak połączeń wyjściowych od bloku start!", block);
        return TVisit::Failed;
      }
      break;
    case nstStop:
      if (block->BlockLink) {
        Fail("Od kończącego bloku stop nie może być dalszych połączeń!", block);
        return TVisit::Failed;
      }
      break;
    case nstChoice:
      if (!block->BlockLink || !block->BlockLinkFalse) {
        Fail("Blok wyboru musi mieć powiązane oba wyjścia!", block);
        return TVisit::Failed;
      }
      break;
    case nstCalc:
    case nstInOut:
    case nstNode:
      if (!block->BlockLink) {
        Fail("Brak wszystkich wymaganych wyjść w połaczonych blokach schematu!", block);
        return TVisit::Failed;
      }
      break;
    default:
      break;
  }
  return ++block->Tag > 1 ? TVisit::Again : TVisit::First;
}

bool TConnectionCheck::Leave(TNewShape* block, TNewShape*& next) {
  if (block->Shape != nstContinuum) {
    next = block->BlockLink;
    return true;
  }
  if (block->BlockLink) Log("Ostrzeżenie: wyjście z pierwszego bloku kontynuacji jest ignorowane");
  TNewShape* partner = nullptr;
  if (!FindPartner(block, partner)) return false;
  ++partner->Tag;
  next = partner->BlockLink;
  return true;
}

bool TConnectionCheck::FindPartner(TNewShape* block, TNewShape*& partner) {
  int others = 0;
  bool lastWithoutExit = false;
  for (TNewShape* other : continuations_[block->Caption]) {
    if (other == block) continue;
    ++others;
    partner = other;
    lastWithoutExit = other->BlockLink == nullptr;
    if (other == block->BlockLink)
      Log("Ostrzeżenie: wykonano połączenie z pierwszego bloku kontynuacji do drugiego - po co "
          "?!?!?!?");
    if (other->BlockLink == block)
      return Fail(
          "Drugi blok kontynuacji ma bezpośrednie połączenie do pierwszego bloku co powoduje "
          "nieskończoną pętle!!!",
          other);
  }
  if (others == 0) return Fail("Brak drugiego bloku kontynuacji!", block);
  if (others > 1) return Fail("Mogą być tylko dwa bloki kontynuacji o identycznej nazwie!", block);
  if (lastWithoutExit) return Fail("Brak wyjścia w drugim bloku kontynuacji!", partner);
  return true;
}

}  // namespace zuvar
