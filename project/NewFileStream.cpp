#include "NewFileStream.h"

#include <cstring>
#include <new>

#include "FileError.h"

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
  }
  file_.reset();
}

TNewFileStream::~TNewFileStream() = default;

// Reads in chunks until the end: this also works for files whose size cannot be asked for
// beforehand. A regular file is first sized, so the buffer is allocated once.
void TNewFileStream::ReadWholeFile() {
  std::FILE* file = file_.get();
  if (std::fseek(file, 0, SEEK_END) == 0) {
    const long size = std::ftell(file);
    if (size > 0) buffer_.reserve(static_cast<std::size_t>(size));
    std::rewind(file);
  }
  char chunk[kChunk];
  std::size_t got;
  while ((got = std::fread(chunk, 1, kChunk, file)) > 0) buffer_.append(chunk, got);
  if (std::ferror(file)) throw TFileError(TFileError::TKind::Open, fileName_);
  dataSize_ = static_cast<std::int64_t>(buffer_.size());
  readPos_ = 0;
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
