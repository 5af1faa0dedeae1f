#pragma once

#include <optional>
#include <string>

namespace zuvar {

// Whole files read as bytes, for the expected output and the test cases.
namespace TextFile {

// The file's bytes, or nothing when it cannot be opened or read (a folder, a missing file).
std::optional<std::string> Read(const std::string& fileName);

}  // namespace TextFile

}  // namespace zuvar
