#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

#include "project/FileError.h"
#include "project/LogLines.h"
#include "tests/project/TempDir.h"

namespace zuvar {
namespace {

using test::TTempDir;

class RecordingListener : public TLogLines::Listener {
 public:
  void OnLinesAppended(std::size_t first, std::size_t count) override {
    events.push_back("+" + std::to_string(first) + "," + std::to_string(count));
  }
  void OnCleared() override { events.push_back("clear"); }
  std::vector<std::string> events;
};

TEST(LogLinesTest, AppendsAndClearsTellingTheListeners) {
  TLogLines log;
  RecordingListener first, second;
  log.AddListener(&first);
  log.AddListener(&second);
  log.AddListener(&first);  // added once only
  log.Append("Uruchomienie programu");
  log.Append("");
  log.RemoveListener(&second);
  log.Append("BŁĄD: niepoprawny format pliku");
  EXPECT_EQ(log.Lines(), (std::vector<std::string>{"Uruchomienie programu", "",
                                                   "BŁĄD: niepoprawny format pliku"}));
  log.Clear();
  EXPECT_TRUE(log.Lines().empty());
  EXPECT_EQ(first.events, (std::vector<std::string>{"+0,1", "+1,1", "+2,1", "clear"}));
  EXPECT_EQ(second.events, (std::vector<std::string>{"+0,1", "+1,1"}));
}

TEST(LogLinesTest, SavesWindows1250WithCrLfAndLoadsItBack) {
  TTempDir dir;
  TLogLines log;
  log.Append("Zapisanie projektu C:\\schematy\\żółw.bin");
  log.Append("");
  log.Append("      zażółć gęślą jaźń");
  const std::string file = dir.File("ZUVAR32Pro.log");
  log.SaveToFile(file);
  EXPECT_EQ(TTempDir::Read(file),
            "Zapisanie projektu C:\\schematy\\\xBF\xF3\xB3w.bin\r\n\r\n"
            "      za\xBF\xF3\xB3\xE6 g\xEA\x9Cl\xB9 ja\x9F\xF1\r\n");

  TLogLines loaded;
  loaded.Append("replaced");
  RecordingListener listener;
  loaded.AddListener(&listener);
  loaded.LoadFromFile(file);
  EXPECT_EQ(loaded.Lines(), log.Lines());
  EXPECT_EQ(listener.events, (std::vector<std::string>{"clear", "+0,3"}));
}

TEST(LogLinesTest, EmptyLogIsAnEmptyFile) {
  TTempDir dir;
  const std::string file = dir.Write("a.log", "old");
  TLogLines().SaveToFile(file);
  EXPECT_EQ(TTempDir::Read(file), "");
  TLogLines loaded;
  RecordingListener listener;
  loaded.AddListener(&listener);
  loaded.LoadFromFile(file);
  EXPECT_TRUE(loaded.Lines().empty());
  EXPECT_EQ(listener.events, (std::vector<std::string>{"clear"}));
}

TEST(LogLinesTest, LoadAcceptsEveryLineEnd) {
  TTempDir dir;
  TLogLines log;
  log.LoadFromFile(dir.Write("a.log", "crlf\r\nlf\ncr\rempty next\n\nlast without end"));
  EXPECT_EQ(log.Lines(),
            (std::vector<std::string>{"crlf", "lf", "cr", "empty next", "", "last without end"}));
  log.LoadFromFile(dir.Write("b.log", "\r\n\r\n"));
  EXPECT_EQ(log.Lines(), (std::vector<std::string>{"", ""}));
}

TEST(LogLinesTest, FailedLoadLeavesTheListCleared) {
  TTempDir dir;
  TLogLines log;
  log.Append("line");
  EXPECT_THROW(log.LoadFromFile(dir.File("missing.log")), TFileError);
  EXPECT_TRUE(log.Lines().empty());
  EXPECT_THROW(log.SaveToFile(dir.File("no/dir/a.log")), TFileError);
}

TEST(LogLinesTest, AFailedSaveKeepsTheOldLogFile) {
  TTempDir dir;
  const std::string old = "Uruchomienie programu\r\n";
  const std::string file = dir.Write("ZUVAR32Pro.log", old);
  TLogLines log;
  for (int i = 0; i < 2000; ++i) log.Append("Zapisanie projektu /tmp/projekt.bin");
  for (const std::uint64_t after : {0ull, 12000ull}) {
    try {
      log.SaveToFile(file, TWriteFault{after});
      FAIL() << "saved past the fault";
    } catch (const TFileError& error) {
      EXPECT_EQ(error.Kind(), TFileError::TKind::Write);
      EXPECT_EQ(std::string(error.what()), "Błąd zapisu do pliku \"" + file + "\".");
    }
    EXPECT_EQ(TTempDir::Read(file), old);
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.File("")), {}), 1);
}

// A small limit stands for the million lines of the window: the oldest lines go, a notice heads
// the list and follows the count, the stored text stays within the limit however long the
// log grows, and a save writes the items as they are.
TEST(LogLinesTest, KeepsTheNewestLinesUnderANotice) {
  TTempDir dir;
  TLogLines log(3);
  for (int i = 1; i <= 3; ++i) log.Append("linia " + std::to_string(i));
  EXPECT_EQ(log.Dropped(), 0u);
  EXPECT_EQ(log.Lines(), (std::vector<std::string>{"linia 1", "linia 2", "linia 3"}));
  log.Append("linia 4");
  EXPECT_EQ(log.Lines(), (std::vector<std::string>{"(pominięto 1 najstarszy wiersz dziennika)",
                                                   "linia 2", "linia 3", "linia 4"}));
  for (int i = 5; i <= 1000; ++i) log.Append("linia " + std::to_string(i));
  EXPECT_EQ(log.Lines(), (std::vector<std::string>{"(pominięto 997 najstarszych wierszy dziennika)",
                                                   "linia 998", "linia 999", "linia 1000"}));
  EXPECT_LT(log.ReservedBytes(), 200u);
  const std::string file = dir.File("a.log");
  log.SaveToFile(file);
  EXPECT_EQ(TTempDir::Read(file),
            "(pomini\xEAto 997 najstarszych wierszy dziennika)\r\n"
            "linia 998\r\nlinia 999\r\nlinia 1000\r\n");

  log.SetLimit(1);
  EXPECT_EQ(log.Lines(), (std::vector<std::string>{"(pominięto 999 najstarszych wierszy dziennika)",
                                                   "linia 1000"}));
  log.Clear();
  EXPECT_EQ(log.Size(), 0u);
  EXPECT_EQ(log.Dropped(), 0u);
  EXPECT_GT(log.ReservedBytes(), TLogLines().ReservedBytes());
  log.Append("kasuj");
  log.Release();
  EXPECT_EQ(log.Size(), 0u);
  EXPECT_EQ(log.ReservedBytes(), TLogLines().ReservedBytes());
  log.Append("po czyszczeniu");
  EXPECT_EQ(log.Lines(), (std::vector<std::string>{"po czyszczeniu"}));
}

TEST(LogLinesTest, ALoadedFileLongerThanTheLimitKeepsItsEnd) {
  TTempDir dir;
  TLogLines log(2);
  log.LoadFromFile(dir.Write("a.log", "a\r\nb\r\nc\r\nd\r\n"));
  EXPECT_EQ(log.Lines(),
            (std::vector<std::string>{"(pominięto 2 najstarsze wiersze dziennika)", "c", "d"}));
}

}  // namespace
}  // namespace zuvar
