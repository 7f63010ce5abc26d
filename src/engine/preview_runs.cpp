#include "engine/preview_runs.h"

#include <cstdlib>

#include "common/suite_pointers.h"
#include "engine/anchor_run.h"
#include "engine/annotation_labels.h"
#include "geometry/bezier_tables.h"
#include "geometry/point_math.h"
#include "geometry/segment_length.h"

PreviewRun BuildHandleRun(ArtHandle path, int32_t i1, int32_t i2) {
  PreviewRun result{nullptr, 0};
  int16_t n = 0;
  int32_t closed = 0;
  if (sAIPath->GetPathSegmentCount(path, &n) != kNoErr || n < 2) return result;
  if (i1 < 0 || i2 < 0 || i1 >= n || i2 >= n) return result;
  sAIPath->GetPathClosed(path, &closed);
  auto* outline = static_cast<PathSegment*>(std::calloc(static_cast<size_t>(n), sizeof(PathSegment)));
  // The run passes every anchor at most once, its first anchor again when it is a whole circle.
  auto* run = static_cast<PathSegment*>(std::calloc(static_cast<size_t>(n) + 1, sizeof(PathSegment)));
  if (outline != nullptr && run != nullptr && sAIPath->GetPathSegments(path, 0, n, outline) == kNoErr) {
    const AnchorRun span = RunBetweenAnchors(closed, n, i1, i2);
    int32_t count = 0;
    run[count++] = outline[span.s1];
    ForEachCurveAlongRun(span, [&](int32_t k) { run[count++] = outline[CurveEndAnchor(span, k)]; });
    if (count > 1) {
      result = {run, count};
      run = nullptr;
    }
  }
  std::free(outline);
  std::free(run);
  return result;
}

void FreePreviewRun(PreviewRun* run) {
  std::free(run->segments);
  run->segments = nullptr;
  run->count = 0;
}

double PreviewRunLength(const PreviewRun& run) {
  double length = 0;
  for (int32_t j = 0; j + 1 < run.count; ++j)
    length += BezierSegmentLength(run.segments[j], run.segments[j + 1]);
  return length;
}

void LabelAtHalfRun(ArtHandle group, const PreviewRun& run, const char* text, int16_t selected,
                    int16_t deselect) {
  const double half = PreviewRunLength(run) / 2;
  double sum = 0;
  for (int32_t j = 0; j + 1 < run.count; ++j) {
    const double length = BezierSegmentLength(run.segments[j], run.segments[j + 1]);
    if (sum + length > half) {
      const CubicPoints curve = CubicOfSegments(run.segments[j], run.segments[j + 1]);
      RealPoint start = curve.p0;
      for (int k = 1; k <= 64; ++k) {
        const RealPoint end = CubicStep64(curve, k);
        const double chord = DistanceBetween(start, end);
        if (sum + chord > half) {
          CreateRotatedTextLabel(group, start, end, 0, text, selected, deselect);
          return;
        }
        sum += chord;
        start = end;
      }
      return;
    }
    sum += length;
  }
}
