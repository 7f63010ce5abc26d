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

// Ids already carried in the document, gathered on the first draw.
struct ObjectIdPool {
  bool gathered = false;
  std::vector<int32_t> used;
};

// The art's object id; an art without one gets a new id that is neither 0 nor
// carried by any other art of the document.
int32_t EnsureObjectId(ArtHandle art, ObjectIdPool* pool);

// A random fraction times `scale`, truncated, drawn again while it is below
// `minimum` or `reject` says so.
int32_t DrawRandomNumber(double scale, int32_t minimum, bool (*reject)(int32_t, void*) = nullptr,
                         void* context = nullptr);
