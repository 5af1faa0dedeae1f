#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "project/FileDescriptor.h"
#include "project/SafeFile.h"

namespace zuvar {

// What a file stream checks or is made to do beyond its mode.
struct TFileStreamOptions {
  // Reading: a file that does not begin with these bytes is taken as empty, without reading
  // more of it than their length.
  std::string_view RequiredStart;
  // Creating: for tests, the writing fails after this many bytes.
  TWriteFault Fault;

  static TFileStreamOptions RequiringStart(std::string_view start) {
    TFileStreamOptions options;
    options.RequiredStart = start;
    return options;
  }
  static TFileStreamOptions WithFault(TWriteFault fault) {
    TFileStreamOptions options;
    options.Fault = fault;
    return options;
  }
};

// The file class of project and log files. Opened for reading it holds the whole file in
// `Buffer` and hands it out line by line; opened for creating it writes a new file that takes
// the place of the old one only when Close succeeds (TSafeFile), so that a failed writing
// leaves the old file as it was. Only regular files are read: a pipe, a device or a folder is
// refused before anything is read from it, so opening one never waits. Sizes and positions are
// 64-bit, so a file of any size that fits in memory is handled.
class TNewFileStream {
 public:
  enum class TMode { Read, Create };

  // Opens the file. Throws TFileError (Open for reading, Create for creating) on failure.
  TNewFileStream(const std::string& fileName, TMode mode, const TFileStreamOptions& options = {});
  ~TNewFileStream();

  TNewFileStream(const TNewFileStream&) = delete;
  TNewFileStream& operator=(const TNewFileStream&) = delete;

  // True when the name is a regular file that can be opened for reading (nothing is read, and
  // nothing waits). Save and export ask this before they offer to replace a file.
  static bool CanOpenForReading(const std::string& fileName);

  // Appends bytes to a file opened for creating. Throws TFileError (Write) on failure.
  void Write(std::string_view bytes);

  // Writes the file completely and puts it in place of the old one. Throws TFileError (Write)
  // when it could not be written completely; the old file is then untouched. The destructor
  // of a stream that was not closed discards what was written.
  void Close();

  // The bytes from ReadPos up to the next CR or the end of the data. ReadPos then moves two
  // bytes past the CR: the byte after a CR is skipped without being looked at. At the end of
  // the data the line is empty.
  std::string ReadLine();

  bool AtEnd() const { return readPos_ >= dataSize_; }
  const std::string& Buffer() const { return buffer_; }
  std::int64_t ReadPos() const { return readPos_; }
  std::int64_t DataSize() const { return dataSize_; }
  const std::string& FileName() const { return fileName_; }

 private:
  static TFileDescriptor OpenRegularFile(const std::string& fileName);
  void ReadWholeFile(std::string_view requiredStart);
  bool ReadChunk(int fd, std::size_t size);

  std::string fileName_;
  std::unique_ptr<TSafeFile> output_;
  std::string buffer_;
  std::int64_t readPos_ = 0;
  std::int64_t dataSize_ = 0;
};

}  // namespace zuvar
