#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace zuvar {

// Finds a node by its name in constant time: open addressing over the hashes of the names.
// The index does not own the nodes; a node's name must not change while it is indexed.
template <typename Node>
class TVariableIndex {
 public:
  Node* Find(std::string_view name) const {
    if (slots_.empty()) return nullptr;
    const uint64_t hash = Hash(name);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
      const TSlot& slot = slots_[i];
      if (slot.node == nullptr) return nullptr;
      if (slot.hash == hash && slot.node->Name == name) return slot.node;
    }
  }

  void Insert(Node* node) {
    if ((count_ + 1) * 2 > slots_.size()) Grow();
    Place(Hash(node->Name), node);
    ++count_;
  }

  void Clear() {
    slots_.clear();
    count_ = 0;
  }

  std::size_t size() const { return count_; }

  // FNV-1a: names are short, and a lookup happens for most tokens of a run.
  static uint64_t Hash(std::string_view name) {
    uint64_t hash = 1469598103934665603ull;
    for (const char c : name) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return hash;
  }

 private:
  struct TSlot {
    uint64_t hash = 0;
    Node* node = nullptr;
  };

  void Place(uint64_t hash, Node* node) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = hash & mask;
    while (slots_[i].node != nullptr) i = (i + 1) & mask;
    slots_[i] = {hash, node};
  }

  void Grow() {
    std::vector<TSlot> old = std::move(slots_);
    slots_.assign(old.empty() ? 16 : old.size() * 2, TSlot{});
    for (const TSlot& slot : old) {
      if (slot.node) Place(slot.hash, slot.node);
    }
  }

  std::vector<TSlot> slots_;
  std::size_t count_ = 0;
};

}  // namespace zuvar
