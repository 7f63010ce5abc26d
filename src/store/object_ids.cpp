#include "store/object_ids.h"

#include <algorithm>
#include <cstdio>
#include <unordered_set>

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "store/art_tags.h"
#include "store/module_layers.h"
#include "store/piece_queries.h"
#include "store/tag_mirror.h"
#include "store/tag_rewrite.h"
#include "store/text_fields.h"
#include "store/tool_config_tag.h"

namespace {

constexpr int kRandomAttempts = 64;

// Every id carried in the document or drawn since it was walked, while a
// KeptTagsScope lives.
struct CarriedIds {
  bool known = false;
  std::unordered_set<int32_t> ids;
};
CarriedIds sSeen;

void GatherIdsBelow(ArtHandle art, ObjectIdPool* pool) {
  if (const int32_t id = ReadObjectId(art); id != 0) {
    // An art being written anew has no id before the first draw.
    if (RewriteOf(*pool, art) == nullptr) pool->carried.push_back(id);
    if (sSeen.known) sSeen.ids.insert(id);
  }
  int16_t type = kUnknownArt;
  if (GetArtTypeWithToolConfig(art, &type) != kNoErr || type == kToolConfigGroupArt) return;
  ForEachChildArt(art, [&](ArtHandle child) { GatherIdsBelow(child, pool); });
}

// The ids the other arts carry, read from the whole document; while a scope
// lives, every id any art carries is seen on the way.
void GatherCarriedIds(ObjectIdPool* pool) {
  pool->gathered = true;
  sSeen.known = KeptTagsScopeIsOpen();
  sSeen.ids.clear();
  const int32_t layers = CountDocumentLayers();
  for (int32_t n = 0; n < layers; ++n) {
    ArtHandle first = GetFirstArtOfLayer(GetLayerAt(n));
    if (first != nullptr) GatherIdsBelow(first, pool);
  }
  std::sort(pool->carried.begin(), pool->carried.end());
  if (sSeen.known) sSeen.ids.insert(pool->drawn.begin(), pool->drawn.end());
}

bool IdInUse(int32_t id, void* context) {
  auto* pool = static_cast<ObjectIdPool*>(context);
  if (std::binary_search(pool->drawn.begin(), pool->drawn.end(), id)) return true;
  if (!pool->gathered) {
    if (sSeen.known && KeptTagsScopeIsOpen() && sSeen.ids.count(id) == 0) return false;
    GatherCarriedIds(pool);
  }
  return std::binary_search(pool->carried.begin(), pool->carried.end(), id);
}

}  // namespace

int32_t ReadObjectId(ArtHandle art) { return ReadTagInteger(art, kObjectIdKey, 0); }

ArtHandle FindArtByObjectId(int32_t id, int32_t index) {
  if (gPlugin == nullptr) return nullptr;
  return PieceObjectIds(gPlugin->pieceArts, gPlugin->pieceArtCount).Find(id, index);
}

PieceObjectIds::PieceObjectIds(ArtHandle* arts, int32_t count) {
  if (arts == nullptr) return;
  for (int32_t i = 0; i < count; ++i) {
    ArtHandle art = arts[i];
    if (const char* value = ReadStringTag(art, kObjectIdKey))
      tagged_.push_back({art, TextToInteger(value), GetSegmentCount(art)});
  }
}

ArtHandle PieceObjectIds::Find(int32_t id, int32_t index) const {
  for (const Entry& e : tagged_) {
    if (e.id == id) return (index >= 0 && index < e.segments) ? e.art : nullptr;
  }
  return nullptr;
}

int32_t DrawRandomNumber(double scale, int32_t minimum, bool (*reject)(int32_t, void*), void* context) {
  int32_t value = minimum;
  for (int attempt = 0; attempt < kRandomAttempts; ++attempt) {
    const double fraction = sAIRandom != nullptr ? sAIRandom->FloatRnd() : 0.0;
    value = static_cast<int32_t>(fraction * scale);
    if (value >= minimum && (reject == nullptr || !reject(value, context))) return value;
  }
  // A generator that keeps repeating itself: step on from the last draw.
  value = std::max(value, minimum);
  while (reject != nullptr && reject(value, context))
    value = value < static_cast<int32_t>(scale) ? value + 1 : minimum;
  return value;
}

void ForgetCarriedIds() {
  sSeen.known = false;
  sSeen.ids.clear();
}

TagRewrite* RewriteOf(const ObjectIdPool& pool, ArtHandle art) {
  if (pool.rewrites == nullptr) return nullptr;
  for (TagRewrite& rewrite : *pool.rewrites)
    if (rewrite.art() == art) return &rewrite;
  return nullptr;
}

int32_t EnsureObjectId(ArtHandle art, ObjectIdPool* pool) {
  TagRewrite* rewrite = RewriteOf(*pool, art);
  const char* given = rewrite != nullptr ? rewrite->Given(kObjectIdKey) : nullptr;
  const int32_t existing =
      rewrite != nullptr ? (given != nullptr ? TextToInteger(given) : 0) : ReadObjectId(art);
  if (existing > 0) return existing;
  // Outside a scope the document is walked once for each save that draws.
  if (!pool->gathered && !(sSeen.known && KeptTagsScopeIsOpen())) GatherCarriedIds(pool);
  const int32_t id = DrawRandomNumber(99999999.0, 1, IdInUse, pool);
  pool->drawn.insert(std::upper_bound(pool->drawn.begin(), pool->drawn.end(), id), id);
  if (sSeen.known) sSeen.ids.insert(id);
  if (rewrite != nullptr) {
    char text[16];
    snprintf(text, sizeof text, "%d", id);
    rewrite->Put(kObjectIdKey, text);
  } else {
    WriteTagInteger(art, kObjectIdKey, id);
  }
  return id;
}
