// Length of the selected parts of the selected paths.
#include "geometry/segment_length.h"
#include "tools/snap_targets.h"
#include "tools/snap_walk.h"

namespace {

// Host path segment selection: 0 none, 1 anchor, 2 in-handle, 3 out-handle, 4
// both handles.
bool SelectedAtEnd(int16_t state) { return state == 1 || state == 2 || state == 4; }
bool SelectedAtStart(int16_t state) { return state == 1 || state == 3 || state == 4; }

HostErr AddSelectedLength(ArtHandle path, void* context) {
  auto* total = static_cast<double*>(context);
  uint32_t attr = 0;
  if (const HostErr error = sAIArt->GetArtUserAttr(path, kArtSelected, &attr)) return error;
  if ((attr & kArtSelected) == 0) return kNoErr;
  std::vector<PathSegment> segments;
  bool closed = false;
  if (!ReadSnapPath(path, &segments, &closed)) return kNoErr;
  const size_t n = segments.size();
  std::vector<int16_t> states(n, 0);
  for (size_t i = 0; i < n; ++i) {
    if (const HostErr error = sAIPath->GetPathSegmentSelected(path, static_cast<int16_t>(i), &states[i]))
      return error;
  }
  for (size_t i = 1; i <= n; ++i) {
    if (i == n && !(closed && n >= 2)) break;
    const size_t end = i % n;
    if (SelectedAtStart(states[i - 1]) && SelectedAtEnd(states[end]))
      *total += LengthAlongSegment(segments[i - 1], segments[end], nullptr);
  }
  return kNoErr;
}

}  // namespace

double SumSelectedLength() {
  double total = 0;
  WalkSnapLayers(AddSelectedLength, &total, nullptr);
  return total;
}
