#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <future>
#include <string>

namespace zuvar::test {

// Runs `action` on a thread of its own and waits at most `limit` for it. An action that is
// still waiting then is freed by opening the pipe `fifo` for writing (a reader waiting for a
// writer goes on), so that the test ends either way. True when it finished in time.
inline bool FinishesInTime(const std::function<void()>& action, const std::string& fifo,
                           std::chrono::seconds limit = std::chrono::seconds(5)) {
  std::future<void> done = std::async(std::launch::async, action);
  if (done.wait_for(limit) == std::future_status::ready) {
    done.get();
    return true;
  }
  const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
  if (writer >= 0) ::close(writer);
  done.wait();
  return false;
}

// A named pipe at `path`; false when the file system cannot hold one.
inline bool MakeFifo(const std::string& path) { return ::mkfifo(path.c_str(), 0600) == 0; }

}  // namespace zuvar::test
