#include "project/NewFileStream.h"

#include <sys/stat.h>

#include <cstring>
#include <new>
#include <stdexcept>
#include <vector>

#include "project/FileError.h"

namespace zuvar {

namespace {

constexpr char kCR = 13;
constexpr std::size_t kChunk = 1 << 16;

}  // namespace

TNewFileStream::TNewFileStream(const std::string& fileName, TMode mode) : fileName_(fileName) {
  const bool reading = mode == TMode::Read;
  file_.reset(std::fopen(fileName.c_str(), reading ? "rb" : "wb"));
  if (!file_) {
    throw TFileError(reading ? TFileError::TKind::Open : TFileError::TKind::Create, fileName);
  }
  if (!reading) return;
  try {
    ReadWholeFile();
  } catch (const std::bad_alloc&) {
    throw TFileError(TFileError::TKind::Open, fileName);
  } catch (const std::length_error&) {
    throw TFileError(TFileError::TKind::Open, fileName);
  }
  file_.reset();
}

TNewFileStream::~TNewFileStream() = default;

// Reads in chunks until the end, so that files whose size cannot be asked for beforehand work
// too. A regular file is sized first, so that the buffer is allocated once; a folder is refused.
void TNewFileStream::ReadWholeFile() {
  std::FILE* file = file_.get();
  struct stat info {};
  if (::fstat(::fileno(file), &info) == 0) {
    if (S_ISDIR(info.st_mode)) throw TFileError(TFileError::TKind::Open, fileName_);
    if (S_ISREG(info.st_mode) && info.st_size > 0) {
      buffer_.reserve(static_cast<std::size_t>(info.st_size));
    }
  }
  std::vector<char> chunk(kChunk);
  std::size_t got;
  while ((got = std::fread(chunk.data(), 1, kChunk, file)) > 0) buffer_.append(chunk.data(), got);
  if (std::ferror(file)) throw TFileError(TFileError::TKind::Open, fileName_);
  dataSize_ = static_cast<std::int64_t>(buffer_.size());
  readPos_ = 0;
}

bool TNewFileStream::CanOpenForReading(const std::string& fileName) {
  std::FILE* file = std::fopen(fileName.c_str(), "rb");
  if (!file) return false;
  struct stat info {};
  const bool isFolder = ::fstat(::fileno(file), &info) == 0 && S_ISDIR(info.st_mode);
  std::fclose(file);
  return !isFolder;
}

void TNewFileStream::Write(std::string_view bytes) {
  if (!file_ || std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) != bytes.size()) {
    throw TFileError(TFileError::TKind::Write, fileName_);
  }
}

void TNewFileStream::Close() {
  if (!file_) return;
  const bool failed = std::ferror(file_.get()) != 0;
  const bool closeFailed = std::fclose(file_.release()) != 0;
  if (failed || closeFailed) throw TFileError(TFileError::TKind::Write, fileName_);
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
