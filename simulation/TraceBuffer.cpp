#include "simulation/TraceBuffer.h"

#include <algorithm>

namespace zuvar {

TTraceBuffer::TTraceBuffer(std::size_t capacity) : capacity_(std::max<std::size_t>(capacity, 1)) {}

TTraceRow& TTraceBuffer::Append() {
  ++added_;
  if (rows_.size() < capacity_) return rows_.emplace_back();
  TTraceRow& slot = rows_[oldest_];
  oldest_ = (oldest_ + 1) % rows_.size();
  return slot;
}

void TTraceBuffer::Clear() {
  rows_.clear();
  rows_.shrink_to_fit();
  oldest_ = 0;
  added_ = 0;
  ++generation_;
}

}  // namespace zuvar
