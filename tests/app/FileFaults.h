#pragma once

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QString>
#include <atomic>
#include <chrono>
#include <csignal>
#include <thread>

namespace zuvar::test {

// A disk that is full after `bytes` bytes of any one file, for the life of the object: writes
// beyond it fail (EFBIG) as on a full disk. The limit of the process is restored afterwards.
class TFullDisk {
 public:
  explicit TFullDisk(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~TFullDisk() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }
  TFullDisk(const TFullDisk&) = delete;
  TFullDisk& operator=(const TFullDisk&) = delete;

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = SIG_DFL;
};

// Frees a command that waits for ever on opening the named pipe for reading: after `limit` it
// opens the pipe for writing, which lets the waiting reader go on. Rescued() tells whether that
// was needed.
class TPipeWatchdog {
 public:
  explicit TPipeWatchdog(const QString& fifo, std::chrono::seconds limit = std::chrono::seconds(5))
      : fifo_(fifo.toStdString()), thread_([this, limit] { Watch(limit); }) {}
  ~TPipeWatchdog() {
    done_ = true;
    thread_.join();
  }
  TPipeWatchdog(const TPipeWatchdog&) = delete;
  TPipeWatchdog& operator=(const TPipeWatchdog&) = delete;

  bool Rescued() const { return rescued_; }

 private:
  void Watch(std::chrono::seconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done_ && std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    while (!done_) {
      const int writer = ::open(fifo_.c_str(), O_WRONLY | O_NONBLOCK);
      if (writer >= 0) {
        rescued_ = true;
        ::close(writer);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }

  std::string fifo_;
  std::atomic<bool> done_{false};
  std::atomic<bool> rescued_{false};
  std::thread thread_;
};

}  // namespace zuvar::test
