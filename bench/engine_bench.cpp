// Cost of grading a piece of 10 member paths (400 segments) carrying 100
// handles of mixed kinds, for one preset and for all 99; and, to show where
// the time goes, the same piece with only the base scale or one handle kind.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "bench_document.h"
#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "engine/grading_engine.h"
#include "host/host_driver.h"
#include "realistic_piece.h"

namespace {

constexpr int kPaths = 10;
constexpr int kHandles = 100;

std::vector<ArtHandle> gPieceArts;
RevisionHandle gAllHandles[kMaxHandles];

void BuildPiece() {
  static bool built = false;
  if (built) return;
  built = true;
  ArtHandle piece = StartBenchDocument();
  for (int j = 0; j < kPaths; ++j)
    gPieceArts.push_back(vmhost::AddPath(piece, bench::PieceOutline(300.0 * j), true));
  SetBenchPiece(gPieceArts);
  PluginGlobals& g = *gPlugin;
  g.scriptError.silent = 1;
  bench::MakeHandles(g, gPieceArts.data(), kPaths, kHandles);
  bench::SetPresetScales(g);
  std::memcpy(gAllHandles, g.handles, sizeof gAllHandles);
}

// Only the handles of one kind stay active (0: all of them).
void KeepKind(int16_t kind) {
  PluginGlobals& g = *gPlugin;
  std::memcpy(g.handles, gAllHandles, sizeof gAllHandles);
  for (RevisionHandle& h : g.handles) {
    if (kind != 0 && h.kind != kind && h.kind != kHandleFree) h.kind = kHandlePlain;
  }
}

void GradePiece(int32_t lastSlot) {
  for (ArtHandle art : gPieceArts) {
    GradedSegment* graded = ComputeGradedSegments(art, lastSlot);
    benchmark::DoNotOptimize(graded);
    std::free(graded);
  }
}

void BM_GradePiece(benchmark::State& state) {
  BuildPiece();
  KeepKind(0);
  const int presets = static_cast<int>(state.range(0));
  for (auto _ : state) {
    for (int s = 0; s < presets; ++s) {
      gPlugin->currentScaleIndex = static_cast<int16_t>(s);
      GradePiece(kMaxHandles);
    }
  }
}

void BM_GradePieceBaseOnly(benchmark::State& state) {
  BuildPiece();
  KeepKind(0);
  gPlugin->currentScaleIndex = 3;
  for (auto _ : state) GradePiece(-1);
}

void BM_GradePieceOneKind(benchmark::State& state) {
  BuildPiece();
  KeepKind(static_cast<int16_t>(state.range(0)));
  gPlugin->currentScaleIndex = 3;
  for (auto _ : state) GradePiece(kMaxHandles);
  state.SetLabel(std::to_string(state.range(0)));
}

}  // namespace

BENCHMARK(BM_GradePiece)->Arg(1)->Arg(99)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GradePieceBaseOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GradePieceOneKind)->DenseRange(2, 7)->Unit(benchmark::kMicrosecond);
