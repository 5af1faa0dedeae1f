#include "cli/LineReader.h"

#include <unistd.h>

#include <cerrno>

#include "cli/InterruptFlag.h"

namespace zuvar {

bool TLineReader::Fill() {
  char chunk[4096];
  for (;;) {
    if (InterruptFlag::Raised()) return false;
    const ssize_t n = ::read(fd_, chunk, sizeof chunk);
    if (n > 0) {
      buffer_.append(chunk, static_cast<std::size_t>(n));
      return true;
    }
    if (n < 0 && errno == EINTR) continue;
    ended_ = true;
    return false;
  }
}

std::optional<std::string> TLineReader::ReadLine() {
  for (;;) {
    const std::size_t end = buffer_.find('\n');
    if (end != std::string::npos) {
      std::string line = buffer_.substr(0, end);
      buffer_.erase(0, end + 1);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      return line;
    }
    if (ended_ || !Fill()) break;
  }
  if (ended_ && !buffer_.empty() && !InterruptFlag::Raised()) {
    // A last line without its line end still counts.
    std::string line;
    line.swap(buffer_);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
  }
  return std::nullopt;
}

}  // namespace zuvar
