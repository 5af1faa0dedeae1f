#include "project/FileDescriptor.h"

#include <unistd.h>

namespace zuvar {

TFileDescriptor::~TFileDescriptor() { Close(); }

TFileDescriptor& TFileDescriptor::operator=(TFileDescriptor&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = other.Release();
  }
  return *this;
}

int TFileDescriptor::Release() {
  const int fd = fd_;
  fd_ = -1;
  return fd;
}

bool TFileDescriptor::Close() {
  if (fd_ < 0) return true;
  // After an interrupted close the descriptor is gone on Linux: it is never closed twice.
  const bool closed = ::close(fd_) == 0;
  fd_ = -1;
  return closed;
}

}  // namespace zuvar
