#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace zuvar {

// The file class of project files. Opened for reading it holds the whole file in `Buffer` and
// hands it out line by line; opened for creating it writes bytes to a new (truncated) file.
// Sizes and positions are 64-bit, so a file of any size that fits in memory is handled.
class TNewFileStream {
 public:
  enum class TMode { Read, Create };

  // Opens the file. Throws TFileError (Open for reading, Create for creating) on failure.
  TNewFileStream(const std::string& fileName, TMode mode);
  ~TNewFileStream();

  TNewFileStream(const TNewFileStream&) = delete;
  TNewFileStream& operator=(const TNewFileStream&) = delete;

  // True when the file exists and can be opened for reading (nothing is read). Save asks this
  // before it offers to replace a file.
  static bool CanOpenForReading(const std::string& fileName);

  // Appends bytes to a file opened for creating. Throws TFileError (Write) on failure.
  void Write(std::string_view bytes);

  // Flushes and closes a file opened for creating. Throws TFileError (Write) when the data
  // could not be written completely. The destructor closes without reporting.
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
  struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };

  void ReadWholeFile();

  std::string fileName_;
  std::unique_ptr<std::FILE, FileCloser> file_;
  std::string buffer_;
  std::int64_t readPos_ = 0;
  std::int64_t dataSize_ = 0;
};

}  // namespace zuvar
