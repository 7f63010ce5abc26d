// One cursor event of a revision tool over a document of many paths: every
// snap search walks the whole drawing. The cursor stays inside one path's
// bounds but near nothing, so every search runs to its end. Paths are the
// realistic piece's outline (40 segments), tiled in rows of 40.
#include <benchmark/benchmark.h>

#include "bench_document.h"
#include "realistic_piece.h"
#include "tools/tracking_state.h"

namespace {

constexpr int kColumns = 40;
constexpr double kColumnStep = 250;
constexpr double kRowStep = 200;

void BM_SnapCursorEvent(benchmark::State& state) {
  StartBenchModule(false);
  const int paths = static_cast<int>(state.range(0)) / bench::kPieceAnchors;
  for (int i = 0; i < paths; ++i) {
    vmhost::AddPath(nullptr, bench::PieceOutline(kColumnStep * (i % kColumns), kRowStep * (i / kColumns)),
                    true);
  }
  vmhost::SelectTool(gPlugin->toolHandles[1]);
  // The middle path's centre: 60 points from its arcs and its zigzag.
  const int middle = paths / 2;
  const RealPoint centre{kColumnStep * (middle % kColumns), kRowStep * (middle / kColumns) + 40};
  int16_t missed = 1;
  int event = 0;
  for (auto _ : state) {
    // A cursor that has not moved is no event: the points alternate.
    const double nudge = (++event % 2) * 0.5;
    vmhost::TrackCursor({centre.h + nudge, centre.v});
    state.PauseTiming();
    if (gPlugin->snapKind != kSnapKindFree) missed = 0;
    if (event % 256 == 0) vmwin::ClearDrawing(vmhost::CurrentDocument()->window);
    state.ResumeTiming();
  }
  if (!missed) state.SkipWithError("the cursor snapped to something");
  state.counters["segments"] = paths * bench::kPieceAnchors;
}

}  // namespace

BENCHMARK(BM_SnapCursorEvent)
    ->ArgName("segments")
    ->Arg(10000)
    ->Arg(40000)
    ->Arg(1000)
    ->Arg(2000)
    ->Arg(5000)
    ->Arg(20000)
    ->Unit(benchmark::kMicrosecond);
