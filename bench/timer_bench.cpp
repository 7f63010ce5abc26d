// Cost of the polling timer: a tick that finds nothing changed, and a refresh
// of a selected piece of 10 paths, 400 segments and 100 distance handles.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "bench_document.h"
#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "common/suite_table.h"
#include "host/host_driver.h"
#include "host_suite_tables.h"
#include "panels/grading_preview_refresh.h"
#include "store/grading_group_tags.h"

namespace {

constexpr int kPaths = 10;
constexpr int kSegmentsPerPath = 40;
constexpr int kHandles = 100;

TimerHandle gTimer = nullptr;

// A started module and a document holding the graded piece, selected, beside
// 50 other paths; the module has seen the document.
void BuildScene(bool revisionTool) {
  gTimer = StartBenchModule(false);
  for (int i = 0; i < 50; ++i) vmhost::AddPolyline(nullptr, {{0, 1000.0 + i}, {50, 1000.0 + i}}, false);

  ArtHandle piece = vmhost::AddGroup(nullptr);
  std::vector<ArtHandle> paths;
  for (int p = 0; p < kPaths; ++p) {
    std::vector<RealPoint> ring;
    for (int s = 0; s < kSegmentsPerPath; ++s) {
      const double a = 2 * M_PI * s / kSegmentsPerPath;
      ring.push_back({300 * p + 100 * std::cos(a), 100 * std::sin(a)});
    }
    paths.push_back(vmhost::AddPolyline(piece, ring, true));
  }

  sSPBasic = &gBasicSuite;
  AcquireSuites(&gBasicSuite);
  PluginGlobals& g = *gPlugin;
  for (int slot = 0; slot < kHandles; ++slot) {
    RevisionHandle& h = g.handles[slot];
    memset(&h, 0, sizeof h);
    h.kind = kHandleDistance;
    const int path = slot % kPaths, index = slot / kPaths;
    const std::vector<PathSegment> segments = vmhost::Segments(paths[path]);
    h.line = TwoPointHandleData{
        segments[index].p, segments[index + 1].p, paths[path], paths[path], index, index + 1, {}};
    for (int s = 0; s < kMaxPresets; ++s) snprintf(h.line.amountExpr[s], kExprSize, "100.0");
  }
  SaveGradingGroup(paths.data(), kPaths, 1);
  ReleaseSuites(&gBasicSuite);

  vmhost::SetSelected(piece, true);
  if (revisionTool) vmhost::SelectTool(gPlugin->toolHandles[1]);
  vmhost::FireTimer(gTimer);
  vmhost::FireTimer(gTimer);
}

void BM_TimerTickNothingChanged(benchmark::State& state) {
  BuildScene(state.range(0) != 0);
  for (auto _ : state) vmhost::FireTimer(gTimer);
  state.SetLabel(state.range(0) != 0 ? "revision tool" : "no tool");
}

void BM_RefreshSelectedPiece(benchmark::State& state) {
  BuildScene(true);
  AcquireSuites(&gBasicSuite);
  for (auto _ : state) RefreshGradingPreview(static_cast<int16_t>(state.range(0)));
  ReleaseSuites(&gBasicSuite);
  state.SetLabel(state.range(0) != 0 ? "forced: piece reloaded, preview rebuilt" : "gathered and loaded");
}

}  // namespace

BENCHMARK(BM_TimerTickNothingChanged)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RefreshSelectedPiece)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
