// Cost of writing a full grading group into a piece's tags and reading it back:
// 200 handles, 99 scale pairs that all differ, 200 variables.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>

#include "bench_document.h"
#include "host/host_driver.h"
#include "shell/plugin_globals.h"
#include "shell/suite_pointers.h"
#include "store/grading_group_tags.h"

namespace {

ArtHandle gArts[2];

void BuildFullGroup() {
  ArtHandle piece = StartBenchDocument();
  std::vector<RealPoint> ring;
  for (int i = 0; i < 200; ++i) ring.push_back({static_cast<double>(i), static_cast<double>(i % 7)});
  gArts[0] = vmhost::AddPolyline(piece, ring, true);
  gArts[1] = vmhost::AddPolyline(piece, ring, true);
  PluginGlobals& g = *gPlugin;
  static ArtHandle pieceArts[2];
  memcpy(pieceArts, gArts, sizeof gArts);
  g.pieceArts = pieceArts;
  g.pieceArtCount = 2;
  for (int slot = 0; slot < kMaxHandles; ++slot) {
    RevisionHandle& h = g.handles[slot];
    h.kind = kHandleDistance;
    snprintf(h.name, sizeof h.name, "handle %d", slot);
    h.line = TwoPointHandleData{ring[slot], ring[(slot + 1) % 200], gArts[0], gArts[1],
                                slot,       (slot + 1) % 200,       {}};
    for (int s = 0; s < kMaxPresets; ++s) snprintf(h.line.amountExpr[s], kExprSize, "%d*1.5", s);
  }
  for (int s = 0; s < kMaxPresets; ++s) g.groupPresetScale[s] = {1 + s / 100.0, 1 + s / 50.0};
  for (int row = 0; row < kMaxVariables; ++row) {
    snprintf(g.variables.varNames[row], kVarNameSize, "var%d", row);
    memset(g.variables.varValues[row], '7', 300);
  }
}

void BM_SaveGradingGroup(benchmark::State& state) {
  BuildFullGroup();
  for (auto _ : state) SaveGradingGroup(gArts, 2, 0);
}

void BM_LoadGradingGroup(benchmark::State& state) {
  BuildFullGroup();
  SaveGradingGroup(gArts, 2, 0);
  for (auto _ : state) benchmark::DoNotOptimize(LoadGradingGroup(gArts, 2));
}

}  // namespace

BENCHMARK(BM_SaveGradingGroup)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadGradingGroup)->Unit(benchmark::kMillisecond);
