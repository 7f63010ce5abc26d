// The stretch of a path that a length, arc or measurement handle covers: the
// curves between its two anchors. The engine grades it, the preview draws it,
// and the handle dialogs and the Information panel measure it.
#pragma once

#include <cstdint>

// Curve k (1 to CurveCount) runs from anchor k-1 to anchor k; on a closed path
// curve segmentCount is the closing curve, which ends at anchor 0.
struct AnchorRun {
  int32_t s1;  // ordered: only a closed path has s2 < s1
  int32_t s2;
  int32_t segmentCount;
  int32_t closed;
};

// The ends may be stored either way round: an open path runs from the lower
// index to the higher, a closed path from index1 forwards, through anchor 0
// when index2 is the lower.
AnchorRun RunBetweenAnchors(int32_t closed, int32_t segmentCount, int32_t index1, int32_t index2);

int32_t CurveCount(const AnchorRun& run);
int16_t CurveInRun(const AnchorRun& run, int32_t k);
// The end anchor of curve k.
int32_t CurveEndAnchor(const AnchorRun& run, int32_t k);

// Calls visit(k) for each curve of the run in the order the run passes them,
// from anchor s1 to anchor s2.
template <typename Visit>
void ForEachCurveAlongRun(const AnchorRun& run, Visit visit) {
  const int32_t curves = CurveCount(run);
  for (int32_t step = 0; step < curves; ++step) {
    const int32_t k = (run.s1 + step) % curves + 1;
    if (!CurveInRun(run, k)) return;
    visit(k);
  }
}
