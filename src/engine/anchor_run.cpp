#include "engine/anchor_run.h"

AnchorRun RunBetweenAnchors(int32_t closed, int32_t segmentCount, int32_t index1, int32_t index2) {
  AnchorRun run{index1, index2, segmentCount, closed};
  if (!closed && index2 < index1) {
    run.s1 = index2;
    run.s2 = index1;
  }
  return run;
}

int32_t CurveCount(const AnchorRun& run) {
  if (run.segmentCount <= 0) return 0;
  return run.closed ? run.segmentCount : run.segmentCount - 1;
}

int16_t CurveInRun(const AnchorRun& run, int32_t k) {
  if (k < 1 || k > CurveCount(run)) return 0;
  if (run.s1 < run.s2) return run.s1 < k && k <= run.s2;
  if (run.s2 < run.s1) return k > run.s1 || k <= run.s2;
  return 0;
}

int32_t CurveEndAnchor(const AnchorRun& run, int32_t k) { return k == run.segmentCount ? 0 : k; }
