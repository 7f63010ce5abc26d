// Cost of grading a piece of 10 member paths (400 segments) carrying 100
// handles of mixed kinds, for one preset and for all 99; and, to show where
// the time goes, the same piece with only the base scale or one handle kind.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "engine/grading_engine.h"
#include "bench_document.h"
#include "host/host_driver.h"
#include "shell/plugin_globals.h"
#include "shell/suite_pointers.h"

namespace {

constexpr int kPaths = 10;
constexpr int kAnchors = 40;
constexpr int kHandles = 100;
constexpr int16_t kKinds[10] = {kHandleDistance, kHandleDistance,    kHandleDistance, kHandleLength,
                                kHandlePoint,    kHandleMeasurement, kHandleArc,      kHandleAngle,
                                kHandleDistance, kHandleLength};

ArtHandle gPieceArts[kPaths];
RevisionHandle gAllHandles[kMaxHandles];

// Half a circle of radius 100 in 20 arcs, closed by a zigzag of 20 straight sides.
std::vector<PathSegment> PieceOutline(double left) {
  std::vector<PathSegment> segments;
  const double step = M_PI / 20;
  const double handle = 100 * 4.0 / 3 * std::tan(step / 4);
  for (int i = 0; i < 20; ++i) {
    const double a = i * step;
    const RealPoint p{left + 100 * std::cos(a), 100 * std::sin(a)};
    const RealPoint t{-std::sin(a) * handle, std::cos(a) * handle};
    segments.push_back({p, {p.h - t.h, p.v - t.v}, {p.h + t.h, p.v + t.v}, 0});
  }
  for (int i = 0; i < 20; ++i) {
    const RealPoint p{left - 100 + 10 * i, -20.0 - 15 * (i % 2)};
    segments.push_back({p, p, p, 1});
  }
  return segments;
}

void SetAmount(TwoPointHandleData& line, const char* format, int slot) {
  for (int s = 0; s < kMaxPresets; ++s)
    std::snprintf(line.amountExpr[s], kExprSize, format, 100 + s % 7 + slot % 3);
}

void MakeHandle(PluginGlobals& g, int slot) {
  RevisionHandle& h = g.handles[slot];
  const int16_t kind = kKinds[slot % 10];
  ArtHandle art = gPieceArts[slot % kPaths];
  const int a = slot % 17;
  h.kind = kind;
  if (kind == kHandlePoint) {
    h.point.art = art;
    h.point.anchorIndex = (slot * 3) % kAnchors;
    for (int s = 0; s < kMaxPresets; ++s) {
      std::snprintf(h.point.xExpr[s], kExprSize, "%g", 0.1 * (s % 5));
      std::snprintf(h.point.yExpr[s], kExprSize, "-%g", 0.1 * (s % 3));
    }
    return;
  }
  const int b = kind == kHandleDistance ? (slot * 7 + 5) % kAnchors : a + 3;
  h.line = TwoPointHandleData{{}, {}, art, art, a, b, {}};
  switch (kind) {
    case kHandleDistance:
      h.direction = static_cast<int16_t>(slot % 5);
      h.bothEnds = static_cast<int16_t>(slot % 2);
      if (slot % 10 < 2) h.groupId = 1 + slot / 10;  // ten groups of two
      if (slot % 10 == 8) {
        SetAmount(h.line, "moving_distance(%d) / %%%%DISTANCE%%%% * 100 * %%%%GR_COMPSCALE%%%%", slot);
      } else {
        SetAmount(h.line, "%d.5", slot);
      }
      break;
    case kHandleMeasurement:
      for (int i = 0; i < 4; ++i) {
        std::snprintf(h.line.amountExpr[i], kExprSize, "m%d_%d", slot, i);
        std::strcpy(g.variables.varNames[(slot / 10) * 4 + i], h.line.amountExpr[i]);
      }
      break;
    case kHandleAngle:
      h.line.index2 = a + 1;
      SetAmount(h.line, "(%d - 100) / 4", slot);
      break;
    default:
      SetAmount(h.line, "%d - 4", slot);
      break;
  }
}

void BuildPiece() {
  static bool built = false;
  if (built) return;
  built = true;
  ArtHandle piece = StartBenchDocument();
  for (int j = 0; j < kPaths; ++j) gPieceArts[j] = vmhost::AddPath(piece, PieceOutline(300.0 * j), true);
  PluginGlobals& g = *gPlugin;
  g.pieceArts = gPieceArts;
  g.pieceArtCount = kPaths;
  g.scriptError.silent = 1;
  std::memset(g.handles, 0, sizeof g.handles);
  for (int slot = 0; slot < kHandles; ++slot) MakeHandle(g, slot);
  for (int s = 0; s < kMaxPresets; ++s) g.presetScale[s] = {1 + s / 100.0, 1 + s / 50.0};
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
