#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "simulation/TraceRow.h"

namespace zuvar {

// The last rows of a trace, at most Capacity() of them: once full, each new row takes the place
// of the oldest. The rows' storage is kept when they are cleared, so that a trace reuses its
// texts' memory instead of allocating anew at every step of every run. Rows are numbered by the
// order they were added since the last Clear, so that a view can tell which rows came and which
// went since it last looked.
class TTraceBuffer {
 public:
  explicit TTraceBuffer(std::size_t capacity);

  // The slot of a new row, after every row kept: a fresh one, or a row cleared or dropped (the
  // oldest), whose own old texts are still there for the caller to overwrite; its shared texts
  // (block and code) are empty.
  TTraceRow& Append();
  void Clear();

  std::size_t Capacity() const { return capacity_; }
  std::size_t Size() const { return size_; }
  bool Empty() const { return size_ == 0; }
  // The rows kept, oldest first.
  const TTraceRow& At(std::size_t i) const { return rows_[(oldest_ + i) % size_]; }
  // How many rows were added since the last Clear; the oldest kept one is number
  // Added() - Size() (from 0).
  std::uint64_t Added() const { return added_; }
  std::uint64_t FirstKept() const { return added_ - size_; }
  // Counts the Clears, so that a view notices one even when as many rows came again.
  std::uint64_t Generation() const { return generation_; }

 private:
  std::size_t capacity_;
  // The rows' storage: the first size_ slots (from oldest_ on, wrapping) hold the rows kept.
  std::vector<TTraceRow> rows_;
  std::size_t size_ = 0;
  std::size_t oldest_ = 0;
  std::uint64_t added_ = 0;
  std::uint64_t generation_ = 0;
};

}  // namespace zuvar
