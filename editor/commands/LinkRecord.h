#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "model/Drawing.h"

namespace zuvar {

class TNewShape;
class TSchemat;

// One exit of a block as it was: its target, the sides it uses (its link code), its pen and
// whether it was shown, so that a cleared exit or a deleted block's links come back the same.
struct TLinkRecord {
  uint32_t SourceId = 0;
  bool FalseExit = false;
  uint32_t TargetId = 0;
  int32_t LinkCode = 0;
  TPen Pen;
  bool Visible = true;

  // The exit of the source (main or FALSE); the exit must be set.
  static TLinkRecord Capture(const TNewShape& source, bool falseExit);
  // Every exit that leaves or enters a block the test picks, in list order, the main exit
  // before the FALSE exit of a block.
  static std::vector<TLinkRecord> Touching(const TSchemat& document,
                                           const std::function<bool(const TNewShape*)>& picked);
  // Sets the exit again from the two sides of the link code, with the pen and the visibility;
  // the source keeps the sides it had for its next connection.
  void Restore(TSchemat& document) const;
  // The same for many exits, finding the blocks by Id through one index.
  static void RestoreAll(TSchemat& document, const std::vector<TLinkRecord>& links);

 private:
  void Restore(TNewShape* source, TNewShape* target) const;
};

}  // namespace zuvar
