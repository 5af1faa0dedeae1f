#include "fuzz/ScratchFile.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>

namespace zuvar::fuzz {

TScratchFile::TScratchFile(const char* tag) {
  std::error_code error;
  const std::filesystem::path shm("/dev/shm");
  const std::filesystem::path folder =
      std::filesystem::is_directory(shm, error) ? shm : std::filesystem::temp_directory_path();
  path_ = (folder / ("zuvar-fuzz-" + std::string(tag) + "-" + std::to_string(getpid()) + ".bin"))
              .string();
}

TScratchFile::~TScratchFile() { std::remove(path_.c_str()); }

bool TScratchFile::Write(const std::uint8_t* data, std::size_t size) const {
  std::FILE* file = std::fopen(path_.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
  return std::fclose(file) == 0 && written;
}

}  // namespace zuvar::fuzz
