#pragma once

#include <cstdint>
#include <vector>

namespace zuvar {

// Renumbers duplicate block identifiers after loading. Walking the blocks in list order, a
// block A is given the identifier ++lastId whenever a later block B carries A's current
// identifier; B is compared with its identifier as loaded, and A goes on comparing with its new
// identifier. The result equals comparing every pair of blocks, but takes linear time.
class TDuplicateIdRepair {
 public:
  // `ids` are the identifiers in list order; changed in place. Returns true when any changed.
  static bool Repair(std::vector<std::uint32_t>& ids, std::uint32_t& lastId);

 private:
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
};

}  // namespace zuvar
