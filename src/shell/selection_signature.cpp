#include "shell/selection_signature.h"

#include <cstdlib>

#include "common/suite_pointers.h"
#include "engine/selection_gathering.h"
#include "store/art_tags.h"
#include "store/grading_group_tags.h"
#include "store/module_layers.h"
#include "store/piece_queries.h"
#include "store/tool_config_tag.h"

void AccumulateSelectedPaths(ArtHandle art, ArtHandle* first, int32_t* count, int32_t* segments) {
  const int16_t type = ArtTypeOrUnknown(art);
  if (IsEnteredArt(type)) {
    ForEachChildArt(art, [&](ArtHandle child) { AccumulateSelectedPaths(child, first, count, segments); });
    return;
  }
  if (type != kPathArt || !GetArtSelected(art)) return;
  if (*first == nullptr) *first = art;
  ++*count;
  const int32_t n = GetSegmentCount(art);
  if (n > 0) *segments += n;
}

void ComputeSelectionSignature(ArtHandle* first, int32_t* count, int32_t* segments) {
  *first = nullptr;
  *count = 0;
  *segments = 0;
  if (sAILayer == nullptr || sAIArt == nullptr) return;
  ForEachSearchedLayer(
      [&](ArtHandle layerGroup) { AccumulateSelectedPaths(layerGroup, first, count, segments); });
}

void CollectPathArts(ArtHandle art, ArtHandle** array, int32_t* count, int32_t depth) {
  const int16_t type = ArtTypeOrUnknown(art);
  if (IsEnteredArt(type)) {
    ForEachChildArt(art, [&](ArtHandle child) { CollectPathArts(child, array, count, depth + 1); });
    return;
  }
  if (type == kPathArt && GetArtSelected(art)) AppendArt(art, array, count);
}

int32_t FindGradingOriginSerial() {
  if (sAILayer == nullptr || sAIArt == nullptr) return 0;
  ArtHandle* paths = nullptr;
  int32_t count = 0;
  ForEachSearchedLayer([&](ArtHandle layerGroup) { CollectPathArts(layerGroup, &paths, &count, 0); });

  ArtHandle candidate = FindGroupCarrierArt(paths, count);
  int32_t serial = 0;
  if (candidate != nullptr && HasNonEmptyTag(candidate, kGradingSerialKey))
    serial = ReadTagInteger(candidate, kGradingSerialKey);
  std::free(paths);
  return serial;
}
