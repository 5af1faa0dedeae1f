#include "export/ExportNaming.h"

namespace zuvar {

namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Length of the text without its last `count` UTF-8 characters (0 when it has fewer).
std::size_t CutLastCharacters(std::string_view text, int count) {
  std::size_t end = text.size();
  for (int i = 0; i < count && end > 0; ++i) {
    --end;
    while (end > 0 && IsContinuationByte(text[end])) --end;
  }
  return end;
}

}  // namespace

std::string TExportNaming::ProposedFileName(std::string_view title) {
  std::string name(title.substr(0, CutLastCharacters(title, 4)));
  name += ".bmp";
  return name;
}

std::string TExportNaming::SuccessLogLine(std::string_view projectFile,
                                          std::string_view bitmapFile) {
  std::string line = "Export projektu ";
  line += projectFile;
  line += " do pliku: ";
  line += bitmapFile;
  return line;
}

std::string TExportNaming::FailureLogLine(std::string_view projectFile, std::string_view reason) {
  std::string line = "Wystąpił błąd podczas exportowania projektu: ";
  line += projectFile;
  if (!reason.empty()) {
    line += " - ";
    line += reason;
  }
  return line;
}

std::string TExportNaming::TooLargeReason(long long width, long long height) {
  return "płótno " + std::to_string(width) + " x " + std::to_string(height) +
         " jest za duże na bitmapę";
}

std::string TExportNaming::NoMemoryReason(long long width, long long height) {
  return "brak pamięci na bitmapę " + std::to_string(width) + " x " + std::to_string(height) +
         " pikseli (" + std::to_string(width * height * 4) + " bajtów)";
}

std::string TExportNaming::EmptyReason(long long width, long long height) {
  return "płótno " + std::to_string(width) + " x " + std::to_string(height) + " jest puste";
}

}  // namespace zuvar
