#include "engine/preview_runs.h"

#include <cstdlib>

#include "engine/annotation_labels.h"
#include "geometry/bezier_tables.h"
#include "geometry/host_math.h"
#include "geometry/point_math.h"
#include "geometry/segment_length.h"
#include "shell/suite_pointers.h"

namespace {

// A run being gathered; appends beyond its room are dropped, so indexes read
// from a damaged handle can never overrun it.
struct RunBuffer {
  PathSegment* segments;
  int32_t count;
  int32_t room;
};

void Append(RunBuffer& run, const PathSegment& segment) {
  if (run.count < run.room) run.segments[run.count++] = segment;
}

bool Taken(int32_t s, int32_t i1, int32_t i2) {
  if (i1 < i2) return i1 < s && s <= i2;
  if (i2 < i1) return s <= i2 || s > i1;
  return false;
}

void TakeSegment(RunBuffer& a, RunBuffer& b, const PathSegment& previous, const PathSegment& segment) {
  RunBuffer& run = a.count == 0 || HostPointsEqual(a.segments[a.count - 1].p, previous.p) ? a : b;
  if (run.count == 0) Append(run, previous);
  Append(run, segment);
}

// Joins b onto a where an end of one is the start of the other.
void JoinRuns(RunBuffer& a, const RunBuffer& b) {
  if (b.count == 0) return;
  if (a.count > 0 && HostPointsEqual(a.segments[a.count - 1].p, b.segments[0].p)) {
    for (int32_t j = 1; j < b.count; ++j) Append(a, b.segments[j]);
  } else if (a.count > 0 && HostPointsEqual(b.segments[b.count - 1].p, a.segments[0].p)) {
    auto* joined = static_cast<PathSegment*>(std::calloc(static_cast<size_t>(a.room), sizeof(PathSegment)));
    if (joined == nullptr) return;
    RunBuffer out{joined, 0, a.room};
    for (int32_t j = 0; j < b.count; ++j) Append(out, b.segments[j]);
    for (int32_t j = 1; j < a.count; ++j) Append(out, a.segments[j]);
    std::free(a.segments);
    a = out;
  }
}

}  // namespace

PreviewRun BuildHandleRun(ArtHandle path, int32_t i1, int32_t i2) {
  PreviewRun result{nullptr, 0};
  int16_t n = 0;
  int32_t closed = 0;
  if (sAIPath->GetPathSegmentCount(path, &n) != kNoErr || n < 1) return result;
  sAIPath->GetPathClosed(path, &closed);
  auto* outline = static_cast<PathSegment*>(std::calloc(static_cast<size_t>(n), sizeof(PathSegment)));
  const int32_t room = n + 1;
  RunBuffer a{static_cast<PathSegment*>(std::calloc(static_cast<size_t>(room), sizeof(PathSegment))), 0,
              room};
  RunBuffer b{static_cast<PathSegment*>(std::calloc(static_cast<size_t>(room), sizeof(PathSegment))), 0,
              room};
  if (outline != nullptr && a.segments != nullptr && b.segments != nullptr &&
      sAIPath->GetPathSegments(path, 0, n, outline) == kNoErr) {
    for (int32_t s = 1; s < n; ++s)
      if (Taken(s, i1, i2)) TakeSegment(a, b, outline[s - 1], outline[s]);
    if (closed && i2 < i1 && Taken(0, i1, i2)) TakeSegment(a, b, outline[n - 1], outline[0]);
    JoinRuns(a, b);
    result = {a.segments, a.count};
    a.segments = nullptr;
  }
  std::free(outline);
  std::free(a.segments);
  std::free(b.segments);
  if (result.count == 0) FreePreviewRun(&result);
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
