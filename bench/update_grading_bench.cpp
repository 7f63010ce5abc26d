// "Update grading" of the realistic piece for all 99 presets, each into a
// layer of its own, as the user runs it from the Information panel: the
// Update button, the dialog answered with Enter, the dialog's preview off
// (preview:0) or on, its default (preview:1). Each run is undone afterwards.
#include <benchmark/benchmark.h>

#include "piece_scene.h"

namespace {

void BM_UpdateAllPresets(benchmark::State& state) {
  bench::StartPieceScene(10, 100);
  bench::UseEverySizeOnItsLayer(state.range(0) != 0);
  bench::RunUpdates(state, "Vestamark_INF_PANEL", kMaxPresets);
}

}  // namespace

BENCHMARK(BM_UpdateAllPresets)->ArgName("preview")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
