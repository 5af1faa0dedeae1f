#include "project/FileError.h"

namespace zuvar {

TFileError::TFileError(TKind kind, const std::string& fileName)
    : std::runtime_error(MessageFor(kind, fileName)), kind_(kind), fileName_(fileName) {}

std::string TFileError::MessageFor(TKind kind, const std::string& fileName) {
  switch (kind) {
    case TKind::Open:
      return "Nie można otworzyć pliku \"" + fileName + "\".";
    case TKind::Create:
      return "Nie można utworzyć pliku \"" + fileName + "\".";
    case TKind::Write:
      return "Błąd zapisu do pliku \"" + fileName + "\".";
  }
  return "Błąd pliku \"" + fileName + "\".";
}

}  // namespace zuvar
