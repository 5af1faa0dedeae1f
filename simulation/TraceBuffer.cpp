#include "simulation/TraceBuffer.h"

#include <algorithm>

namespace zuvar {

TTraceBuffer::TTraceBuffer(std::size_t capacity) : capacity_(std::max<std::size_t>(capacity, 1)) {}

TTraceRow& TTraceBuffer::Append() {
  ++added_;
  if (size_ < capacity_) {
    // Until the buffer is full the rows start at slot 0.
    if (size_ == rows_.size()) rows_.emplace_back();
    return rows_[size_++];
  }
  TTraceRow& slot = rows_[oldest_];
  oldest_ = (oldest_ + 1) % capacity_;
  return slot;
}

void TTraceBuffer::Clear() {
  size_ = 0;
  oldest_ = 0;
  added_ = 0;
  ++generation_;
}

}  // namespace zuvar
