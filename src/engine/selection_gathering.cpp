#include "engine/selection_gathering.h"

#include <cstdlib>

#include "common/plugin_globals.h"
#include "store/art_tags.h"
#include "store/module_layers.h"
#include "store/piece_queries.h"
#include "store/tool_config_tag.h"

namespace {

bool Overlaps(const RealRect& a, const RealRect& b) {
  return sAIRealMath->IntersectRect(&a, &b, nullptr) != 0;
}

// 1, 2 or 3 after the first non-empty rectangle the bounds overlap, else 0.
int16_t PathClass(const RealRect& bounds, const RealRect* rects) {
  for (int16_t i = 0; i < 3; ++i) {
    if (!sAIRealMath->EmptyRect(&rects[i]) && Overlaps(bounds, rects[i])) return static_cast<int16_t>(i + 1);
  }
  return 0;
}

bool Keeps(ArtHandle path, int16_t mode, const RealRect* reference) {
  if (mode == kGatherSelected) {
    if (!GetArtSelected(path)) return false;
    return reference == nullptr || Overlaps(GetBounds(path), *reference);
  }
  const bool classed = mode >= 1 && mode <= 3;
  if (mode != kGatherOverlapping && !classed) return true;
  if (reference == nullptr) return false;
  if (classed) return PathClass(GetBounds(path), reference) == mode;
  return Overlaps(GetBounds(path), *reference);
}

bool IsGuide(ArtHandle art) {
  uint32_t attr = 0;
  return sAIArt->GetArtUserAttr(art, kArtIsGuide, &attr) == kNoErr && (attr & kArtIsGuide) != 0;
}

// The gathered paths become the current piece, with their united bounds.
void KeepGatheredPaths(ArtHandle* paths, int32_t count) {
  PluginGlobals& g = *gPlugin;
  FreePieceLists();
  g.previewLayer = nullptr;
  g.selectionBounds = RealRect{0, 0, 0, 0};
  g.lastZoom = 1.0;
  for (int32_t i = 0; i < count; ++i) {
    const RealRect bounds = GetBounds(paths[i]);
    if (i == 0) {
      g.selectionBounds = bounds;
    } else {
      sAIRealMath->UnionRect(&g.selectionBounds, &bounds, &g.selectionBounds);
    }
  }
  g.pieceArts = paths;
  g.pieceArtCount = count;
  g.previewArts = static_cast<ArtHandle*>(std::calloc(count + 1, sizeof(ArtHandle)));
  g.previewArtCount = 0;
}

}  // namespace

void FreePieceLists() {
  PluginGlobals& g = *gPlugin;
  std::free(g.pieceArts);
  std::free(g.previewArts);
  g.pieceArts = nullptr;
  g.pieceArtCount = 0;
  g.previewArts = nullptr;
  g.previewArtCount = 0;
}

void GatherSelectedPathsInArt(ArtHandle art, ArtHandle** list, int32_t* count, int16_t mode,
                              const RealRect* reference) {
  int16_t type = kUnknownArt;
  if (GetArtTypeWithToolConfig(art, &type) != kNoErr) return;
  if (IsEnteredArt(type)) {
    ForEachChildArt(art,
                    [&](ArtHandle child) { GatherSelectedPathsInArt(child, list, count, mode, reference); });
    return;
  }
  if (type != kPathArt || IsGuide(art)) return;
  if (Keeps(art, mode, reference)) AppendArt(art, list, count);
}

void GatherSelectedPaths(int16_t mode, const RealRect* reference) {
  ArtHandle* paths = nullptr;
  int32_t count = 0;
  if (sAILayer != nullptr && sAIArt != nullptr) {
    ForEachSearchedLayer(
        [&](ArtHandle first) { GatherSelectedPathsInArt(first, &paths, &count, mode, reference); });
  }
  KeepGatheredPaths(paths, count);
}

void GatherPiecePaths(ArtHandle piece) {
  ArtHandle* paths = nullptr;
  int32_t count = 0;
  // Any mode but the selection's and the rectangles' keeps every path.
  if (piece != nullptr && sAIArt != nullptr) GatherSelectedPathsInArt(piece, &paths, &count, 0, nullptr);
  KeepGatheredPaths(paths, count);
}
