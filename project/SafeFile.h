#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "project/FileDescriptor.h"

namespace zuvar {

// For tests: makes a safe file fail, as a full disk would, once it has taken this many bytes.
struct TWriteFault {
  static constexpr std::uint64_t kNever = std::numeric_limits<std::uint64_t>::max();
  std::uint64_t FailAfterBytes = kNever;
};

// Writes a file so that the old one is never lost: the bytes go to a new temporary file in the
// target's folder, which is flushed to the disk and renamed over the target only when Commit
// is called. Until then the target is untouched; a safe file destroyed without a successful
// Commit removes its temporary file. The new file gets the old one's permissions (and owner,
// where allowed). A target that exists but is no regular file (a folder, a pipe, a device) is
// refused: renaming over it would replace it instead of writing into it; so is a file that the
// writer may not write.
class TSafeFile {
 public:
  // Creates the temporary file. Throws TFileError (Create) when the target is refused or the
  // folder takes no new file.
  explicit TSafeFile(const std::string& target, TWriteFault fault = {});
  ~TSafeFile();

  TSafeFile(const TSafeFile&) = delete;
  TSafeFile& operator=(const TSafeFile&) = delete;

  // Appends bytes. Throws TFileError (Write) when they cannot be written.
  void Write(std::string_view bytes);
  // Writes what is buffered, flushes the file to the disk and puts it in the target's place.
  // Throws TFileError (Write) when any of it fails; the target is then untouched.
  void Commit();

  const std::string& Target() const { return target_; }
  const std::string& TemporaryName() const { return temporary_; }

 private:
  struct TTargetInfo;

  static TTargetInfo Inspect(const std::string& target);
  void CreateTemporary(const TTargetInfo& info);
  void KeepPermissions(const TTargetInfo& info);
  void Flush();
  void WriteThrough(const char* data, std::size_t size);
  [[noreturn]] void FailWrite();

  std::string target_;
  std::string temporary_;
  TFileDescriptor fd_;
  std::string buffer_;
  std::uint64_t taken_ = 0;
  TWriteFault fault_;
  bool failed_ = false;
  bool committed_ = false;
};

}  // namespace zuvar
