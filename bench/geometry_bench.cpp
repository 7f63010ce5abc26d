// Per-call cost of the curve measuring and snapping that cursor tracking runs
// for every segment of every visible path.
#include <benchmark/benchmark.h>

#include "common/plugin_globals.h"
#include "geometry/arc_detect.h"
#include "geometry/bezier_tables.h"
#include "geometry/segment_length.h"
#include "geometry/segment_snap.h"

namespace {

PluginGlobals globals{};

struct Segments {
  PathSegment s1, s2;
};

Segments FreeCurve() { return {{{0, 0}, {0, 0}, {40, 60}, 0}, {{100, 0}, {60, -60}, {100, 0}, 0}}; }

Segments QuarterArc() {
  const double k = 55.22847498;
  return {{{100, 0}, {100, 0}, {100, k}, 0}, {{0, 100}, {k, 100}, {0, 100}, 0}};
}

void Prepare() {
  gPlugin = &globals;
  BuildBezierWeightTables();
}

void BM_BezierSegmentLength(benchmark::State& state) {
  Prepare();
  const Segments c = FreeCurve();
  for (auto _ : state) benchmark::DoNotOptimize(BezierSegmentLength(c.s1, c.s2));
}

void BM_SnapPointToBezierSegment_Curve(benchmark::State& state) {
  Prepare();
  const Segments c = FreeCurve();
  for (auto _ : state) {
    RealPoint p{68.8, -14.6};  // half a point off the curve at t = 0.7
    benchmark::DoNotOptimize(SnapPointToBezierSegment(&p, c.s1, c.s2, 2.0, 1));
    benchmark::DoNotOptimize(p);
  }
}

void BM_SnapPointToBezierSegment_Miss(benchmark::State& state) {
  Prepare();
  const Segments c = FreeCurve();
  for (auto _ : state) {
    RealPoint p{50.0, 40.0};
    benchmark::DoNotOptimize(SnapPointToBezierSegment(&p, c.s1, c.s2, 2.0, 1));
  }
}

void BM_SnapPointToBezierSegment_Arc(benchmark::State& state) {
  Prepare();
  const Segments c = QuarterArc();
  for (auto _ : state) {
    RealPoint p{71.0, 71.0};
    benchmark::DoNotOptimize(SnapPointToBezierSegment(&p, c.s1, c.s2, 2.0, 1));
  }
}

void BM_DetectCircularArcInBezier(benchmark::State& state) {
  Prepare();
  const Segments c = QuarterArc();
  for (auto _ : state) {
    RealPoint centre;
    double radius;
    benchmark::DoNotOptimize(DetectCircularArcInBezier(c.s1, c.s2, &centre, &radius));
  }
}

}  // namespace

BENCHMARK(BM_BezierSegmentLength);
BENCHMARK(BM_SnapPointToBezierSegment_Curve);
BENCHMARK(BM_SnapPointToBezierSegment_Miss);
BENCHMARK(BM_SnapPointToBezierSegment_Arc);
BENCHMARK(BM_DetectCircularArcInBezier);
