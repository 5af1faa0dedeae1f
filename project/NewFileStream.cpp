#include "project/NewFileStream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <new>
#include <stdexcept>

#include "project/FileError.h"

namespace zuvar {

namespace {

constexpr char kCR = 13;
constexpr std::size_t kChunk = 1 << 16;

bool IsRegularFile(int fd) {
  struct stat info {};
  return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

TNewFileStream::TNewFileStream(const std::string& fileName, TMode mode,
                               const TFileStreamOptions& options)
    : fileName_(fileName) {
  if (mode == TMode::Create) {
    output_ = std::make_unique<TSafeFile>(fileName, options.Fault);
    return;
  }
  try {
    ReadWholeFile(options.RequiredStart);
  } catch (const std::bad_alloc&) {
    throw TFileError(TFileError::TKind::Open, fileName);
  } catch (const std::length_error&) {
    throw TFileError(TFileError::TKind::Open, fileName);
  }
}

TNewFileStream::~TNewFileStream() = default;

// The name is looked at before it is opened, and opened without waiting: opening a pipe for
// reading would otherwise wait for a writer, and opening a device may act on it. The opened
// file is looked at again, as the name may have changed in between.
TFileDescriptor TNewFileStream::OpenRegularFile(const std::string& fileName) {
  struct stat info {};
  if (::stat(fileName.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return TFileDescriptor();
  TFileDescriptor fd(::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.IsOpen() && !IsRegularFile(fd.Get())) fd.Close();
  return fd;
}

bool TNewFileStream::CanOpenForReading(const std::string& fileName) {
  return OpenRegularFile(fileName).IsOpen();
}

// Reads in chunks until the end, so that a file that grows or shrinks meanwhile is read as it
// is; the buffer is sized once from the file's size. A file that does not begin as required is
// not read further.
void TNewFileStream::ReadWholeFile(std::string_view requiredStart) {
  const TFileDescriptor fd = OpenRegularFile(fileName_);
  if (!fd.IsOpen()) throw TFileError(TFileError::TKind::Open, fileName_);
  while (buffer_.size() < requiredStart.size() &&
         ReadChunk(fd.Get(), requiredStart.size() - buffer_.size())) {
  }
  if (buffer_.compare(0, std::string::npos, requiredStart) != 0) {
    buffer_.clear();
    return;
  }
  struct stat info {};
  if (::fstat(fd.Get(), &info) == 0 && info.st_size > 0) {
    buffer_.reserve(static_cast<std::size_t>(info.st_size) + kChunk);
  }
  while (ReadChunk(fd.Get(), kChunk)) {
  }
  dataSize_ = static_cast<std::int64_t>(buffer_.size());
  readPos_ = 0;
}

// Appends at most `size` bytes of the file to the buffer; false at the end of the file.
bool TNewFileStream::ReadChunk(int fd, std::size_t size) {
  const std::size_t old = buffer_.size();
  buffer_.resize(old + size);
  for (;;) {
    const ssize_t got = ::read(fd, buffer_.data() + old, size);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      buffer_.resize(old);
      throw TFileError(TFileError::TKind::Open, fileName_);
    }
    buffer_.resize(old + static_cast<std::size_t>(got));
    return got > 0;
  }
}

void TNewFileStream::Write(std::string_view bytes) {
  if (!output_) throw TFileError(TFileError::TKind::Write, fileName_);
  output_->Write(bytes);
}

void TNewFileStream::Close() {
  if (!output_) return;
  const std::unique_ptr<TSafeFile> output = std::move(output_);
  output->Commit();
}

std::string TNewFileStream::ReadLine() {
  if (AtEnd()) return {};
  const char* start = buffer_.data() + readPos_;
  const auto remaining = static_cast<std::size_t>(dataSize_ - readPos_);
  const void* cr = std::memchr(start, kCR, remaining);
  if (!cr) {
    readPos_ = dataSize_;
    return std::string(start, remaining);
  }
  const auto length = static_cast<std::size_t>(static_cast<const char*>(cr) - start);
  readPos_ += static_cast<std::int64_t>(length) + 2;
  return std::string(start, length);
}

}  // namespace zuvar
