#include "tools/handle_kind.h"

#include <vector>

#include "common/suite_pointers.h"
#include "engine/anchor_run.h"
#include "engine/handle_ends.h"
#include "engine/handle_measures.h"
#include "tools/handle_creation.h"

namespace {

bool ReadPath(ArtHandle art, int16_t* count, int32_t* closed) {
  return art != nullptr && sAIPath != nullptr && sAIPath->GetPathSegmentCount(art, count) == kNoErr &&
         *count > 0 && sAIPath->GetPathClosed(art, closed) == kNoErr;
}

}  // namespace

int16_t HandleKindOfTool(int16_t toolIndex) {
  switch (toolIndex) {
    case kToolDistance:
      return kHandleDistance;
    case kToolLength:
      return kHandleLength;
    case kToolPoint:
      return kHandlePoint;
    case kToolMeasurement:
      return kHandleMeasurement;
    case kToolArc:
      return kHandleArc;
    case kToolAngle:
      return kHandleAngle;
    default:
      return kHandlePlain;
  }
}

int16_t KindFromEnds(int16_t toolKind, const RevisionHandle& handle) {
  const TwoPointHandleData& line = handle.line;
  if (toolKind == kHandleMeasurement) return kHandleMeasurement;
  if (line.art1 != nullptr && line.art1 == line.art2) {
    if (toolKind == kHandleArc) return HandleRunIsArc(handle) ? kHandleArc : kHandlePlain;
    if (toolKind == kHandleDistance || toolKind == kHandleAngle || toolKind == kHandleLength) return toolKind;
    return kHandlePlain;
  }
  if (line.art1 == nullptr && line.art2 == nullptr) return kHandlePlain;
  if (toolKind == kHandleDistance || toolKind == kHandleAngle) return toolKind;
  return kHandlePlain;
}

int16_t HandleRunIsArc(const RevisionHandle& handle) {
  const TwoPointHandleData& line = handle.line;
  int16_t count = 0;
  int32_t closed = 0;
  if (line.art1 != line.art2 || !ReadPath(line.art1, &count, &closed)) return 0;
  if (line.index1 < 0 || line.index2 < 0 || line.index1 >= count || line.index2 >= count) return 0;
  std::vector<PathSegment> segments(count);
  if (sAIPath->GetPathSegments(line.art1, 0, count, segments.data()) != kNoErr) return 0;
  ArtSegments path{closed, count, segments.data()};
  return RunIsOneArc(&path, line.index1, line.index2);
}

void PutEndsInRunOrder(TwoPointHandleData& line) {
  int16_t count = 0;
  int32_t closed = 0;
  if (line.art1 != line.art2 || !ReadPath(line.art1, &count, &closed)) return;
  if (RunBetweenAnchors(closed, count, line.index1, line.index2).s1 == line.index1) return;
  SwapHandleEnds(line);
}
