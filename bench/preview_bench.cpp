// What the user waits for while grading the realistic piece with a revision
// tool: the preview rebuilt when the selection changes (the timer gathers the
// piece, loads its group, grades and draws), and the forced rebuild of
// selecting the tool (every titled piece reloaded and saved again). The
// members argument shows how the preview grows with the piece.
#include <benchmark/benchmark.h>

#include "piece_scene.h"

namespace {

void CheckPreviewBuilt(benchmark::State& state, int members) {
  // The copies of the members and the annotation group.
  if (gPlugin->previewArtCount != members + 1) state.SkipWithError("no preview was built");
  bench::FailOnAlerts(state);
}

// The user selects the piece: one timer tick rebuilds its preview.
void BM_PreviewOnSelectionChange(benchmark::State& state) {
  const int members = static_cast<int>(state.range(0));
  bench::PieceScene scene = bench::StartPieceScene(members, static_cast<int>(state.range(1)));
  for (auto _ : state) {
    state.PauseTiming();
    vmhost::SetSelected(scene.piece, false);
    vmhost::FireTimer(scene.timer);  // the preview empties
    state.ResumeTiming();
    vmhost::SetSelected(scene.piece, true);
    vmhost::FireTimer(scene.timer);
  }
  CheckPreviewBuilt(state, members);
}

// The user picks the revision tool again with the piece selected.
void BM_ForcedRebuild(benchmark::State& state) {
  const int members = static_cast<int>(state.range(0));
  bench::PieceScene scene = bench::StartPieceScene(members, static_cast<int>(state.range(1)));
  for (auto _ : state) {
    state.PauseTiming();
    vmhost::SelectTool(nullptr);  // the preview layer goes
    state.ResumeTiming();
    vmhost::SelectTool(scene.tool);
  }
  CheckPreviewBuilt(state, members);
}

}  // namespace

BENCHMARK(BM_PreviewOnSelectionChange)
    ->ArgNames({"members", "handles"})
    ->Args({10, 100})
    ->Args({5, 100})
    ->Args({20, 100})
    ->Args({40, 100})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ForcedRebuild)->ArgNames({"members", "handles"})->Args({10, 100})->Unit(benchmark::kMillisecond);
