#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zuvar {

class THost;
class TInterpreter;
class TNewShape;
class TSchemat;

// Validation of a diagram's connections: counts the start and stop blocks, walks the links from
// the start block counting the visits in each block's Tag, checks the exits each reached block
// needs and pairs the continuation blocks by name. Every message is one log line followed by
// scrolling the log down one page; errors end the check at the first one, warnings never do.
class TConnectionCheck {
 public:
  TConnectionCheck(TInterpreter& interpreter, TSchemat& diagram, THost& host);

  // True if the connections are valid. Leaves CurrentBlock on the start block and in every
  // block's Tag the number of times the walk reached it.
  bool CheckConnections();

  // The walk from one block (null: true at once): true if the part of the diagram reachable
  // from it is valid. It follows the FALSE exit before the main one, as a recursive walk
  // would, but keeps its pending blocks on a stack of its own, so a long chain of blocks
  // cannot exhaust the call stack.
  bool WalkBlock(TNewShape* block);

  // The block an error was found at (none: the error concerns the diagram as a whole), so the
  // user can be shown where it is.
  TNewShape* FaultBlock() const { return fault_; }

 private:
  enum class TVisit { Failed, First, Again };

  bool CountStartAndStop(TNewShape*& start);
  bool CheckStartHasNoInputs(const TNewShape* start);
  bool CheckReachedStops();
  bool CheckAllExits();
  TVisit Enter(TNewShape* block);
  bool Leave(TNewShape* block, TNewShape*& next);
  bool FindPartner(TNewShape* block, TNewShape*& partner);
  void IndexContinuations();
  bool Fail(std::string_view message, TNewShape* at = nullptr);
  void Log(std::string_view message);

  TInterpreter& interpreter_;
  TSchemat& diagram_;
  THost& host_;
  // Continuation blocks by name, each list in list order.
  std::unordered_map<std::string, std::vector<TNewShape*>> continuations_;
  TNewShape* fault_ = nullptr;
};

}  // namespace zuvar
