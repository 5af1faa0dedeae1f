#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zuvar::fuzz {

// A file of this process in shared memory (or the temporary folder) that holds the input of
// one fuzz iteration, for entry points that read files by name. Removed on destruction.
class TScratchFile {
 public:
  explicit TScratchFile(const char* tag);
  ~TScratchFile();
  TScratchFile(const TScratchFile&) = delete;
  TScratchFile& operator=(const TScratchFile&) = delete;

  // Replaces the file's content; false when it could not be written.
  bool Write(const std::uint8_t* data, std::size_t size) const;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace zuvar::fuzz
