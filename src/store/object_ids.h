// Object ids: the numbers by which a handle finds the paths it was drawn on
// when a document is opened again.
#pragma once

#include <cstdint>
#include <vector>

#include "host_types.h"

constexpr const char* kObjectIdKey = "vmk_grading_object_id";

// The art's object id, 0 when it has none.
int32_t ReadObjectId(ArtHandle art);

// The first art of the current piece whose object id is `id`, provided that
// 0 <= index < its segment count; else null (no later art is tried).
ArtHandle FindArtByObjectId(int32_t id, int32_t index);

// The same for many lookups among the listed arts: their ids read once.
class PieceObjectIds {
 public:
  PieceObjectIds(ArtHandle* arts, int32_t count);
  ArtHandle Find(int32_t id, int32_t index) const;

 private:
  struct Entry {
    ArtHandle art;
    int32_t id;  // of an art that carries an id tag
    int32_t segments;
  };
  std::vector<Entry> tagged_;  // in the piece's order
};

class TagRewrite;

// Ids already carried in the document, gathered on the first draw. The arts
// of `rewrites` (a save writes their tags anew) carry only the ids given there.
struct ObjectIdPool {
  bool gathered = false;
  std::vector<int32_t> used;
  std::vector<TagRewrite>* rewrites = nullptr;
};

// The art's object id; an art without one gets a new id that is neither 0 nor
// carried by any other art of the document.
int32_t EnsureObjectId(ArtHandle art, ObjectIdPool* pool);

// The rewrite of art in the pool, or null.
TagRewrite* RewriteOf(const ObjectIdPool& pool, ArtHandle art);

// A random fraction times `scale`, truncated, drawn again while it is below
// `minimum` or `reject` says so.
int32_t DrawRandomNumber(double scale, int32_t minimum, bool (*reject)(int32_t, void*) = nullptr,
                         void* context = nullptr);
