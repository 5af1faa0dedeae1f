#include <gtest/gtest.h>

#include <string>

#include "export/ExportNaming.h"

namespace zuvar {
namespace {

TEST(ExportNaming, ProposedNameDropsTheLastFourCharacters) {
  EXPECT_EQ(TExportNaming::ProposedFileName("Nowy Projekt"), "Nowy Pro.bmp");
  EXPECT_EQ(TExportNaming::ProposedFileName("silnia.bin"), "silnia.bmp");
  EXPECT_EQ(TExportNaming::ProposedFileName("abc"), ".bmp");
  EXPECT_EQ(TExportNaming::ProposedFileName("abcd"), ".bmp");
  EXPECT_EQ(TExportNaming::ProposedFileName(""), ".bmp");
  // Polish letters are one character each, not two bytes.
  EXPECT_EQ(TExportNaming::ProposedFileName("żółw.bin"), "żółw.bmp");
  EXPECT_EQ(TExportNaming::ProposedFileName("zażółć"), "za.bmp");
}

TEST(ExportNaming, LogLines) {
  EXPECT_EQ(TExportNaming::SuccessLogLine("/tmp/a.bin", "/tmp/a.bmp"),
            "Export projektu /tmp/a.bin do pliku: /tmp/a.bmp");
  EXPECT_EQ(TExportNaming::SuccessLogLine("", "x.bmp"), "Export projektu  do pliku: x.bmp");
  EXPECT_EQ(TExportNaming::FailureLogLine("a.bin"),
            "Wystąpił błąd podczas exportowania projektu: a.bin");
  // A picture that could not be made names its size.
  EXPECT_EQ(TExportNaming::FailureLogLine("a.bin", TExportNaming::NoMemoryReason(20000, 12000)),
            "Wystąpił błąd podczas exportowania projektu: a.bin - brak pamięci na bitmapę "
            "20000 x 12000 pikseli (960000000 bajtów)");
  EXPECT_EQ(TExportNaming::EmptyReason(0, 100), "płótno 0 x 100 jest puste");
  EXPECT_EQ(std::string(TExportNaming::OverwriteQuestion),
            std::string("Plik o podanej nazwie już istnieje, czy chcesz go zastapić?") + "?!");
}

}  // namespace
}  // namespace zuvar
