#include "simulation/TraceBuffer.h"

#include <algorithm>

namespace zuvar {

TTraceBuffer::TTraceBuffer(std::size_t capacity) : capacity_(std::max<std::size_t>(capacity, 1)) {}

TTraceRow& TTraceBuffer::Append() {
  ++added_;
  TTraceRow* slot = nullptr;
  if (size_ < capacity_) {
    // Until the buffer is full the rows start at slot 0.
    if (size_ == rows_.size()) rows_.emplace_back();
    slot = &rows_[size_++];
  } else {
    slot = &rows_[oldest_];
    oldest_ = (oldest_ + 1) % capacity_;
  }
  // The shared texts an old row pointed at may be gone.
  slot->Block = {};
  slot->Code = {};
  return *slot;
}

void TTraceBuffer::Clear() {
  size_ = 0;
  oldest_ = 0;
  added_ = 0;
  ++generation_;
}

}  // namespace zuvar
