#pragma once

#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zuvar {

// The table of built-in function names. Besides the names it keeps which lengths and first
// characters occur, so that the tokenizer rejects an ordinary name without comparing it with
// every entry.
class TFunctionNames {
 public:
  void push_back(std::string name);
  void clear();

  bool Contains(std::string_view name) const;

  std::size_t size() const { return names_.size(); }
  bool empty() const { return names_.empty(); }
  const std::string& operator[](std::size_t i) const { return names_[i]; }
  auto begin() const { return names_.begin(); }
  auto end() const { return names_.end(); }
  const std::vector<std::string>& Names() const { return names_; }

 private:
  std::vector<std::string> names_;
  uint64_t lengths_ = 0;     // bit n: a name of n bytes (n < 63), bit 63: a longer one
  std::bitset<256> firsts_;  // first bytes of the names
};

}  // namespace zuvar
