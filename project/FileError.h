#pragma once

#include <stdexcept>
#include <string>

namespace zuvar {

// A file of the program (a project or a log) could not be opened, created or written. The
// message is the Polish text that the general error handler shows to the user.
class TFileError : public std::runtime_error {
 public:
  enum class TKind { Open, Create, Write };

  TFileError(TKind kind, const std::string& fileName);

  TKind Kind() const { return kind_; }
  const std::string& FileName() const { return fileName_; }

 private:
  static std::string MessageFor(TKind kind, const std::string& fileName);

  TKind kind_;
  std::string fileName_;
};

}  // namespace zuvar
