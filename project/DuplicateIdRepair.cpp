#include "project/DuplicateIdRepair.h"

#include <unordered_map>

namespace zuvar {

bool TDuplicateIdRepair::Repair(std::vector<std::uint32_t>& ids, std::uint32_t& lastId) {
  const std::size_t count = ids.size();
  // Each value's positions form a chain: `first` holds where it first occurs, `next` the
  // following position with the same loaded value.
  std::unordered_map<std::uint32_t, std::size_t> first;
  first.reserve(count);
  std::vector<std::size_t> next(count, kNone);
  for (std::size_t i = count; i-- > 0;) {
    const auto [it, inserted] = first.try_emplace(ids[i], i);
    if (!inserted) {
      next[i] = it->second;
      it->second = i;
    }
  }
  // The first occurrence after `from` of a loaded value. Every new identifier is a fresh value,
  // so each chain is walked from its start at most once here.
  const auto nextOccurrence = [&](std::uint32_t value, std::size_t from) {
    const auto it = first.find(value);
    std::size_t pos = it == first.end() ? kNone : it->second;
    while (pos != kNone && pos <= from) pos = next[pos];
    return pos;
  };
  bool changed = false;
  for (std::size_t i = 0; i < count; ++i) {
    std::size_t match = next[i];
    if (match == kNone) continue;
    std::uint32_t current = ids[i];
    while (match != kNone) {
      current = ++lastId;
      match = nextOccurrence(current, match);
    }
    ids[i] = current;
    changed = true;
  }
  return changed;
}

}  // namespace zuvar
