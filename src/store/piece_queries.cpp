#include "store/piece_queries.h"

#include <cstdlib>
#include <vector>

#include "common/suite_pointers.h"
#include "store/art_tags.h"
#include "store/grading_group_tags.h"
#include "store/module_layers.h"
#include "store/text_fields.h"
#include "store/tool_config_tag.h"

namespace {

ArtHandle ParentOf(ArtHandle art) {
  ArtHandle parent = nullptr;
  if (sAIArt->GetArtParent(art, &parent) != kNoErr) return nullptr;
  return parent;
}

bool IsAncestorOf(ArtHandle ancestor, ArtHandle art) {
  for (ArtHandle a = ParentOf(art); a != nullptr; a = ParentOf(a)) {
    if (a == ancestor) return true;
  }
  return false;
}

}  // namespace

ArtHandle FindLargestPath(ArtHandle* arts, int32_t count, int needOriginTag) {
  ArtHandle best = nullptr;
  double bestArea = 0.0;
  for (int32_t i = 0; i < count; ++i) {
    if (GetSegmentCount(arts[i]) < 2) continue;
    if (needOriginTag != 0 && ReadStringTag(arts[i], kGradingOriginKey) == nullptr) continue;
    const RealRect r = GetBounds(arts[i]);
    const double area = (r.right - r.left) * (r.top - r.bottom);
    if (best == nullptr || area > bestArea) {
      best = arts[i];
      bestArea = area;
    }
  }
  return best;
}

void AppendArt(ArtHandle art, ArtHandle** list, int32_t* count) {
  auto* grown = static_cast<ArtHandle*>(realloc(*list, sizeof(ArtHandle) * (*count + 1)));
  if (grown == nullptr) return;
  grown[*count] = art;
  *list = grown;
  ++*count;
}

ArtHandle FindCommonParentArt(ArtHandle* arts, int32_t count) {
  if (arts == nullptr || count <= 0 || sAIArt == nullptr) return nullptr;
  if (count == 1 && ArtTypeOrUnknown(arts[0]) == kGroupArt) return arts[0];
  std::vector<ArtHandle> chain;
  for (ArtHandle a = ParentOf(arts[0]); a != nullptr; a = ParentOf(a)) chain.push_back(a);
  if (chain.empty()) return nullptr;
  chain.pop_back();  // the layer group
  ArtHandle answer = nullptr;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    bool common = true;
    for (int32_t i = 1; i < count && common; ++i) common = IsAncestorOf(*it, arts[i]);
    if (!common) break;
    answer = *it;
  }
  return answer;
}

// Where a group is written: the common parent, else the art that already
// carries it, else the largest path.
ArtHandle FindGroupBaseArt(ArtHandle* arts, int32_t count) {
  if (arts == nullptr || count <= 0) return nullptr;
  if (ArtHandle parent = FindCommonParentArt(arts, count)) return parent;
  if (ArtHandle carrier = FindGroupCarrierArt(arts, count)) return carrier;
  return FindLargestPath(arts, count, 0);
}

ArtHandle FindGroupCarrierArt(ArtHandle* arts, int32_t count) {
  ArtHandle parent = FindCommonParentArt(arts, count);
  if (parent != nullptr && ReadStringTag(parent, kGradingOriginKey) != nullptr) return parent;
  return FindLargestPath(arts, count, 1);
}

void CollectTitledArt(ArtHandle start, ArtHandle** list, int32_t* count) {
  if (start == nullptr || sAIArt == nullptr) return;
  const int16_t type = ArtTypeOrUnknown(start);
  if (IsEnteredArt(type)) {
    ForEachChildArt(start, [&](ArtHandle child) { CollectTitledArt(child, list, count); });
  }
  if ((IsEnteredArt(type) || type == kPathArt) && ReadStringTag(start, kGradingTitleKey) != nullptr) {
    AppendArt(start, list, count);
  }
}

void CollectPieceMembers(ArtHandle start, ArtHandle root, uint32_t serial, ArtHandle** list, int32_t* count,
                         int16_t selectedOnly) {
  if (start == nullptr || sAIArt == nullptr) return;
  const int16_t type = ArtTypeOrUnknown(start);
  if (IsEnteredArt(type)) {
    ForEachChildArt(
        start, [&](ArtHandle child) { CollectPieceMembers(child, root, serial, list, count, selectedOnly); });
    return;
  }
  if (type != kPathArt) return;
  if (selectedOnly != 0 && !GetArtSelected(start)) return;
  if (ReadStringTag(start, kGradingSerialKey) != nullptr) {
    // A path with a serial of its own belongs to its own piece.
    if (start == root) AppendArt(start, list, count);
    return;
  }
  const char* member = ReadStringTag(start, kGradingMemberKey);
  if (member != nullptr && static_cast<uint32_t>(TextToInteger(member)) == serial)
    AppendArt(start, list, count);
}

bool CollectTitledPieceMembers(ArtHandle titled, int16_t selectedOnly, ArtHandle** list, int32_t* count) {
  *list = nullptr;
  *count = 0;
  const auto serial = static_cast<uint32_t>(ReadTagInteger(titled, kGradingSerialKey, 0));
  if (serial == 0) return false;
  if (IsEnteredArt(ArtTypeOrUnknown(titled))) {
    CollectPieceMembers(titled, titled, serial, list, count, selectedOnly);
  } else {
    ForEachSearchedLayer(
        [&](ArtHandle first) { CollectPieceMembers(first, titled, serial, list, count, selectedOnly); });
  }
  if (*count > 0) return true;
  std::free(*list);
  *list = nullptr;
  return false;
}
