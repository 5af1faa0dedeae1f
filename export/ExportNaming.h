#pragma once

#include <string>
#include <string_view>

namespace zuvar {

// The file name proposed for a bitmap export and the texts the export reports.
class TExportNaming {
 public:
  static constexpr const char* DialogTitle = "Exportuj schemat....";
  static constexpr const char* FilterText = "Pliki bitmap graficznych *.BMP";
  // Both cases: file names here are case-sensitive, and a bitmap is as often "x.bmp".
  static constexpr const char* FilterPattern = "*.BMP *.bmp";
  static constexpr const char* DefaultExtension = "BMP";
  static constexpr const char* OverwriteQuestion =
      "Plik o podanej nazwie już istnieje, czy chcesz go zastapić?"
      "?!";
  static constexpr const char* OverwriteCaption = "Ostrzeżenie....";
  static constexpr const char* FailureText = "Wystąpił błąd podczas exportowania projektu!";
  static constexpr const char* FailureCaption = "Błąd operacji exportowania....";

  // The canvas title without its last four characters (code points, so a Polish letter counts
  // as one), followed by ".bmp": "Nowy Projekt" gives "Nowy Pro.bmp", "abc" gives ".bmp".
  static std::string ProposedFileName(std::string_view title);

  // "Export projektu <project> do pliku: <bitmap>"
  static std::string SuccessLogLine(std::string_view projectFile, std::string_view bitmapFile);
  // "Wystąpił błąd podczas exportowania projektu: <project>", followed by " - " and the reason
  // when one is known.
  static std::string FailureLogLine(std::string_view projectFile, std::string_view reason = {});
  // The reason of a sheet too large for a picture: "płótno <w> x <h> jest za duże na bitmapę".
  static std::string TooLargeReason(long long width, long long height);
  // The reason of a picture whose memory could not be had: "brak pamięci na bitmapę <w> x <h>
  // pikseli (<bytes> bajtów)", at 4 bytes a pixel.
  static std::string NoMemoryReason(long long width, long long height);
  // The reason of a sheet without pixels: "płótno <w> x <h> jest puste".
  static std::string EmptyReason(long long width, long long height);
};

}  // namespace zuvar
