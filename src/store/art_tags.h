// String tags on art through the host's tag suite. A failed host call reads as
// an absent tag.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host_types.h"

// The tag's text, or null when the art has no such tag. The text belongs to
// the host and is valid until the art's tags change.
const char* ReadStringTag(ArtHandle art, const char* key);

// 1 when the art carries the tag with a non-empty text.
int HasNonEmptyTag(ArtHandle art, const char* key);

// Leading number of the tag's text; `fallback` when the tag is absent.
int32_t ReadTagInteger(ArtHandle art, const char* key, int32_t fallback = 0);
double ReadTagReal(ArtHandle art, const char* key, double fallback = 0.0);

void WriteStringTag(ArtHandle art, const char* key, const char* value);
void WriteTagInteger(ArtHandle art, const char* key, int32_t value);
void RemoveTag(ArtHandle art, const char* key);

// Removes, from the last tag to the first, every string tag whose key begins
// with `prefix`.
void RemoveTagsWithPrefix(ArtHandle art, const char* prefix);

// The art's selected attribute, 1 or 0, and setting it back.
int GetArtSelected(ArtHandle art);
void SetArtSelected(ArtHandle art, int selected);

// Number of segments of a path; -1 when the art is not a path or the host fails.
int32_t GetSegmentCount(ArtHandle art);

// Bounds of an art; all zero when the host fails.
RealRect GetBounds(ArtHandle art);
