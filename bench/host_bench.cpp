// What the stand-in host costs per call on a large pattern document and on
// the realistic piece as the module leaves it (its group in the tags, the
// preview drawn): a call that changes it (one undo snapshot), undo itself,
// and a save and a load.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "bench_document.h"
#include "host/host_driver.h"
#include "host_suite_tables.h"
#include "piece_scene.h"

namespace {

// The art whose tag the benchmark's call sets.
ArtHandle gTagged = nullptr;

// 300 closed paths of 60 anchors, each with 30 tags of 100 bytes.
void BuildLargeDocument() {
  ResetBenchHost();
  vmhost::NewDocument("Large");
  std::string value(100, 'x');
  for (int i = 0; i < 300; i++) {
    std::vector<RealPoint> points;
    for (int k = 0; k < 60; k++) points.push_back({k * 1.5, i * 2.0 + (k % 2)});
    ArtHandle path = vmhost::AddPolyline(nullptr, points, true);
    for (int t = 0; t < 30; t++)
      kTagSuite.SetTag(path, ("vmk_grading_fxh_ratio_" + std::to_string(t)).c_str(), value.c_str());
    if (i == 0) gTagged = path;
  }
}

void BuildPieceDocument() { gTagged = bench::StartPieceScene(10, 100).piece; }

HostErr SetOneTag(const char*, const char*, void*) {
  return kTagSuite.SetTag(gTagged, "vmk_grading_serial", "12345");
}

void BM_ChangingHostCall(benchmark::State& state, void (*build)()) {
  build();
  PluginRef plugin = vmhost::AddPlugin("Bench", SetOneTag);
  for (auto _ : state) {
    SPMessageData message{};
    CallPlugin(plugin, "Bench", "Go", &message);
  }
  ResetBenchHost();
}
BENCHMARK_CAPTURE(BM_ChangingHostCall, large_document, BuildLargeDocument)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ChangingHostCall, realistic_piece, BuildPieceDocument)->Unit(benchmark::kMillisecond);

void BM_UndoRedo(benchmark::State& state, void (*build)()) {
  build();
  PluginRef plugin = vmhost::AddPlugin("Bench", SetOneTag);
  SPMessageData message{};
  CallPlugin(plugin, "Bench", "Go", &message);
  for (auto _ : state) {
    vmhost::Undo();
    vmhost::Redo();
  }
  ResetBenchHost();
}
BENCHMARK_CAPTURE(BM_UndoRedo, large_document, BuildLargeDocument)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_UndoRedo, realistic_piece, BuildPieceDocument)->Unit(benchmark::kMillisecond);

void BM_SaveAndLoad(benchmark::State& state) {
  BuildLargeDocument();
  std::string path = "/tmp/vm_host_bench_" + std::to_string(::getpid()) + ".svg";
  std::string error;
  for (auto _ : state) {
    vmhost::SaveDocument(vmhost::CurrentDocument(), path, &error);
    DocumentHandle read = vmhost::OpenDocument(path, &error);
    vmhost::CloseDocument(read);
  }
  std::remove(path.c_str());
  ResetBenchHost();
}
BENCHMARK(BM_SaveAndLoad)->Unit(benchmark::kMillisecond);

}  // namespace
