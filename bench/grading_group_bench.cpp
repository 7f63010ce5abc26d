// Cost of writing a full grading group into a piece's tags and reading it back:
// 200 handles, 99 scale pairs that all differ, 200 variables of 300 bytes.
// The handles are distance handles between two polylines, or every kind on
// ten paths of the realistic piece.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "bench_document.h"
#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "host/host_driver.h"
#include "realistic_piece.h"
#include "store/grading_group_tags.h"

namespace {

std::vector<ArtHandle> gArts;

void FillVariables(PluginGlobals& g) {
  for (int row = 0; row < kMaxVariables; ++row) {
    snprintf(g.variables.varNames[row], kVarNameSize, "var%d", row);
    memset(g.variables.varValues[row], '7', 300);
  }
}

void BuildDistanceGroup() {
  ArtHandle piece = StartBenchDocument();
  std::vector<RealPoint> ring;
  for (int i = 0; i < 200; ++i) ring.push_back({static_cast<double>(i), static_cast<double>(i % 7)});
  gArts = {vmhost::AddPolyline(piece, ring, true), vmhost::AddPolyline(piece, ring, true)};
  SetBenchPiece(gArts);
  PluginGlobals& g = *gPlugin;
  for (int slot = 0; slot < kMaxHandles; ++slot) {
    RevisionHandle& h = g.handles[slot];
    h.kind = kHandleDistance;
    snprintf(h.name, sizeof h.name, "handle %d", slot);
    h.line = TwoPointHandleData{ring[slot], ring[(slot + 1) % 200], gArts[0], gArts[1],
                                slot,       (slot + 1) % 200,       {}};
    for (int s = 0; s < kMaxPresets; ++s) snprintf(h.line.amountExpr[s], kExprSize, "%d*1.5", s);
  }
  bench::SetPresetScales(g);
  FillVariables(g);
}

void BuildEveryKindGroup() {
  ArtHandle piece = StartBenchDocument();
  gArts.clear();
  for (int j = 0; j < 10; ++j) gArts.push_back(vmhost::AddPath(piece, bench::PieceOutline(300.0 * j), true));
  SetBenchPiece(gArts);
  PluginGlobals& g = *gPlugin;
  bench::MakeHandles(g, gArts.data(), g.pieceArtCount, kMaxHandles);
  bench::SetPresetScales(g);
  FillVariables(g);
}

void BM_SaveGradingGroup(benchmark::State& state, void (*build)()) {
  build();
  for (auto _ : state) SaveGradingGroup(gArts.data(), static_cast<int32_t>(gArts.size()), 0);
}

void BM_LoadGradingGroup(benchmark::State& state, void (*build)()) {
  build();
  SaveGradingGroup(gArts.data(), static_cast<int32_t>(gArts.size()), 0);
  for (auto _ : state)
    benchmark::DoNotOptimize(LoadGradingGroup(gArts.data(), static_cast<int32_t>(gArts.size())));
}

}  // namespace

BENCHMARK_CAPTURE(BM_SaveGradingGroup, distance_handles, BuildDistanceGroup)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadGradingGroup, distance_handles, BuildDistanceGroup)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SaveGradingGroup, every_kind, BuildEveryKindGroup)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadGradingGroup, every_kind, BuildEveryKindGroup)->Unit(benchmark::kMillisecond);
