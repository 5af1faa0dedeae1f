// Reading, resolving and writing large project files, the duplicate Id repair and the log.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <numeric>
#include <string>

#include "model/Host.h"
#include "model/Schemat.h"
#include "project/DuplicateIdRepair.h"
#include "project/LogLines.h"
#include "project/ProjectFile.h"

namespace zuvar {
namespace {

constexpr int kBlocks = 100000;

class SilentHost : public THost {
 public:
  TMsgResult ShowMessage(std::string_view, std::string_view, TMsgIcon, TMsgButtons) override {
    return TMsgResult::Ok;
  }
  void AppendLog(std::string_view) override {}
  void ScrollLogPage() override {}
  void Beep() override {}
  std::optional<std::string> ReadValue(std::string_view) override { return std::nullopt; }
};

std::string TempFile(const std::string& name) {
  return (std::filesystem::temp_directory_path() /
          ("zuvar-bench-" + std::to_string(::getpid()) + "-" + name))
      .string();
}

// A chain start -> calc -> ... -> calc -> stop, each link from the bottom to the top side.
std::unique_ptr<TSchemat> BuildChain(int blocks) {
  auto doc = std::make_unique<TSchemat>();
  doc->SheetWidth = 20000;
  doc->SheetHeight = 20000;
  TNewShape* previous = nullptr;
  for (int i = 0; i < blocks; ++i) {
    const TNewShapeType type = i == 0 ? nstStart : i == blocks - 1 ? nstStop : nstCalc;
    TNewShape* block = doc->AddBlock(type);
    block->MoveTo(100 + (i / 200) * 90, 20 + (i % 200) * 60);
    if (type == nstCalc) {
      block->Code = {"int a" + std::to_string(i) + " = " + std::to_string(i) + ";", "a = a + 1;"};
      block->Caption = block->Code.front();
    }
    if (previous) {
      previous->ExitSide = sideBottom;
      previous->EntrySide = sideTop;
      previous->SetBlockLink(block);
    }
    previous = block;
  }
  return doc;
}

// The chain written once, shared by the benchmarks of this process and removed at its end.
class ChainFileHolder {
 public:
  ChainFileHolder() : name_(TempFile("chain.bin")) {
    SilentHost host;
    WriteProjectFile(name_, *BuildChain(kBlocks), host);
  }
  ~ChainFileHolder() {
    std::error_code ignored;
    std::filesystem::remove(name_, ignored);
  }
  const std::string& Name() const { return name_; }

 private:
  std::string name_;
};

const std::string& ChainFile() {
  static const ChainFileHolder holder;
  return holder.Name();
}

void BM_ReadAndResolveProject(benchmark::State& state) {
  const std::string& file = ChainFile();
  SilentHost host;
  for (auto _ : state) {
    auto doc = std::make_unique<TSchemat>();
    if (!ReadProjectFile(file, *doc, host)) state.SkipWithError("reading failed");
    benchmark::DoNotOptimize(doc->LastBlock);
    state.PauseTiming();
    doc.reset();
    state.ResumeTiming();
  }
  state.counters["blocks"] = kBlocks;
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(file));
}
BENCHMARK(BM_ReadAndResolveProject)->Unit(benchmark::kMillisecond);

void BM_WriteProject(benchmark::State& state) {
  SilentHost host;
  TSchemat doc;
  ReadProjectFile(ChainFile(), doc, host);
  const std::string file = TempFile("written.bin");
  for (auto _ : state) {
    if (!WriteProjectFile(file, doc, host)) state.SkipWithError("writing failed");
  }
  std::filesystem::remove(file);
  state.counters["blocks"] = kBlocks;
}
BENCHMARK(BM_WriteProject)->Unit(benchmark::kMillisecond);

// Every block carries the same Id: the case in which comparing all pairs would take hours.
void BM_RepairDuplicateIds(benchmark::State& state) {
  const auto count = static_cast<std::size_t>(state.range(0));
  for (auto _ : state) {
    std::vector<std::uint32_t> ids(count, 9);
    std::uint32_t lastId = 9;
    benchmark::DoNotOptimize(TDuplicateIdRepair::Repair(ids, lastId));
  }
}
BENCHMARK(BM_RepairDuplicateIds)->Arg(kBlocks)->Unit(benchmark::kMillisecond);

void BM_AppendMillionLogLines(benchmark::State& state) {
  for (auto _ : state) {
    TLogLines log;
    for (int i = 0; i < 1000000; ++i) log.Append("BŁĄD: Brak ID do połączenia!");
    benchmark::DoNotOptimize(log.Size());
  }
}
BENCHMARK(BM_AppendMillionLogLines)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zuvar
