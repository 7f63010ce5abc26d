// The Information list shows each handle's geometry before and after it, a
// pass of the engine for every answer. One pass through every slot, kept step
// by step, answers them all as long as nothing that a pass reads has changed
// and that pass changed nothing of it itself; otherwise each answer is a pass
// of its own as before.
#pragma once

#include <cstdint>

#include "engine/grading_engine.h"

// ComputeGradedSegments(art, lastSlot), with the same lasting effects, from
// the kept pass when it holds. Kept passes serve only while script errors are
// silent: a pass run to be kept must show nothing.
GradedSegment* GradedSegmentsThrough(ArtHandle art, int32_t lastSlot);

// The answers given while one lives (one row painted) check what a pass reads
// once, at the first of them.
class GradedSegmentsScope {
 public:
  GradedSegmentsScope();
  ~GradedSegmentsScope();
  GradedSegmentsScope(const GradedSegmentsScope&) = delete;
  GradedSegmentsScope& operator=(const GradedSegmentsScope&) = delete;
};

// Drops the kept pass (the module shuts down).
void ForgetGradingCheckpoints();
