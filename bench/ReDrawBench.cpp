// Re-routing links while blocks are dragged: ReDraw must reuse the segments and allocate
// nothing. Every operator new of this program is counted, and each benchmark reports the
// allocations per iteration ("allocs").
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "model/Link.h"
#include "model/Schemat.h"

namespace {

std::atomic<long long> allocations{0};

}  // namespace

void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
// The replaced operator new takes its memory from malloc, so free is the matching release.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace zuvar {
namespace {

void ReportAllocations(benchmark::State& state, long long before) {
  const long long count = allocations.load() - before;
  state.counters["allocs"] =
      benchmark::Counter(static_cast<double>(count), benchmark::Counter::kAvgIterations);
}

void BM_LinkReDraw(benchmark::State& state) {
  const int code = static_cast<int>(state.range(0));
  TLink link(code, TPoint{225, 230}, TPoint{125, 130});
  int32_t x = 0;
  const long long before = allocations.load();
  for (auto _ : state) {
    x = (x + 7) & 255;
    link.ReDraw(TPoint{225 + x, 230 + x / 2}, TPoint{125, 130});
    benchmark::DoNotOptimize(link.LastLine->X2);
  }
  ReportAllocations(state, before);
}
BENCHMARK(BM_LinkReDraw)->Arg(65)->Arg(17)->Arg(18)->Arg(0);

// A decision block with both exits, moved and re-routed as on every mouse move of a drag.
void BM_LinksRedrawDecisionBlock(benchmark::State& state) {
  TSchemat doc;
  TNewShape* choice = doc.AddBlock(nstChoice);
  TNewShape* yes = doc.AddBlock(nstCalc);
  TNewShape* no = doc.AddBlock(nstCalc);
  yes->MoveTo(0, 200);
  no->MoveTo(200, 200);
  choice->ExitSide = sideBottom;
  choice->EntrySide = sideTop;
  choice->SetBlockLink(yes);
  choice->ExitSide = sideRight;
  choice->EntrySide = sideTop;
  choice->SetBlockLinkFalse(no);
  int32_t x = 0;
  const long long before = allocations.load();
  for (auto _ : state) {
    x = (x + 3) & 127;
    choice->MoveTo(100 + x, 50 + x / 2);
    choice->LinksRedraw();
    benchmark::DoNotOptimize(choice->OutLinkFalse->LastLine->Y2);
  }
  ReportAllocations(state, before);
}
BENCHMARK(BM_LinksRedrawDecisionBlock);

// A chain of n blocks, each linked to the next, the decision blocks also back to the first,
// then destroyed from the last block. The time per block ("per_block") stays flat apart from
// cache effects: clearing the exits that point at a block stops as soon as all are found.
void BM_DestroyLinkedChain(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    auto doc = std::make_unique<TSchemat>();
    for (int i = 0; i < n; ++i) {
      TNewShape* block = doc->AddBlock(i % 2 ? nstChoice : nstCalc);
      if (TNewShape* prev = block->Prev) {
        prev->ExitSide = sideBottom;
        prev->EntrySide = sideTop;
        prev->SetBlockLink(block);
      }
      if (i % 2) {
        block->ExitSide = sideRight;
        block->EntrySide = sideLeft;
        block->SetBlockLinkFalse(doc->FirstBlock);
      }
    }
    state.ResumeTiming();
    doc.reset();
  }
  state.counters["per_block"] = benchmark::Counter(
      n, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_DestroyLinkedChain)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zuvar
