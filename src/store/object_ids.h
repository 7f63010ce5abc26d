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

// What one save knows of the ids in use. The arts of `rewrites` (the save
// writes their tags anew) carry only the ids given there.
struct ObjectIdPool {
  std::vector<int32_t> drawn;  // by this save, sorted
  bool gathered = false;       // `carried` holds what the other arts carry
  std::vector<int32_t> carried;
  std::vector<TagRewrite>* rewrites = nullptr;
};

// The art's object id; an art without one gets a new id that is neither 0 nor
// carried by any other art of the document.
//
// A save draws ids for the paths of its handles and asks whether the
// document's other arts carry them. While a KeptTagsScope lives the document
// is walked for that once, not on every save: the ids it carried then and
// every id drawn since are kept, and a draw that is none of them is free. Only
// a draw among them (rare: ids are eight digits) walks the document again to
// tell whether it is still carried. Since nothing is ever taken out, copies of
// art, which carry ids already seen, need no notice; undo, which may bring
// back ids never seen, forgets them (ForgetCarriedIds).
int32_t EnsureObjectId(ArtHandle art, ObjectIdPool* pool);

// Every id seen is forgotten: the next draw walks the document again.
void ForgetCarriedIds();

// The rewrite of art in the pool, or null.
TagRewrite* RewriteOf(const ObjectIdPool& pool, ArtHandle art);

// A random fraction times `scale`, truncated, drawn again while it is below
// `minimum` or `reject` says so.
int32_t DrawRandomNumber(double scale, int32_t minimum, bool (*reject)(int32_t, void*) = nullptr,
                         void* context = nullptr);
