// Pieces in the document's art tree: the base art of a set of arts, the titled
// arts, the members of one piece, and the walk that writes every piece's tags
// afresh.
#pragma once

#include <cstdint>

#include "common/suite_pointers.h"
#include "host_types.h"

// Groups and compound paths are entered by every walk over a piece's art (the
// paths of a compound path are members like any other); a group that carries
// the tool configuration reads as a type of its own and is not entered.
inline bool IsEnteredArt(int16_t type) { return type == kGroupArt || type == kCompoundPathArt; }

// The deepest art that is an ancestor of every listed art (below the layer
// group), or null. One listed group is its own answer.
ArtHandle FindCommonParentArt(ArtHandle* arts, int32_t count);

// The art that carries a group's group-level tags, or null.
ArtHandle FindGroupBaseArt(ArtHandle* arts, int32_t count);

// The art whose grading group the arts belong to: their common parent when it
// carries the origin tag, whatever its value, else the largest path of at
// least two segments that carries it; null when none does. The group loader
// and the polling timer both go by it.
ArtHandle FindGroupCarrierArt(ArtHandle* arts, int32_t count);

// Appends every titled group, compound path or path at and below `start`
// (children first) to the heap list, which grows by one entry per art; the
// caller frees it.
void CollectTitledArt(ArtHandle start, ArtHandle** list, int32_t* count);

// Appends the member paths of the piece with `serial` at and below `start`.
void CollectPieceMembers(ArtHandle start, ArtHandle root, uint32_t serial, ArtHandle** list, int32_t* count,
                         int16_t selectedOnly);

// The members of the piece whose group-level tags `titled` carries, by the
// serial it carries: a titled group or compound path holds them, a titled path
// finds them on every layer but the preview layers. False, with no list, when
// the art carries no serial or the piece has no members; else the caller frees
// the list.
bool CollectTitledPieceMembers(ArtHandle titled, int16_t selectedOnly, ArtHandle** list, int32_t* count);

// Reloads and saves every titled piece of the document so that its tags are
// written afresh, then reloads the current piece.
void LoadPieceFromSelection(int16_t selectedOnly);

// The same for the pieces the current piece's paths belong to, and no other:
// what Update grading does for each preset it writes the current piece in.
void ReloadCurrentPiece();

// Among the listed paths of at least two segments (carrying the origin tag
// when asked), the one with the largest bounds; the first of equal areas wins.
ArtHandle FindLargestPath(ArtHandle* arts, int32_t count, int needOriginTag);

// Appends one art to a heap list.
void AppendArt(ArtHandle art, ArtHandle** list, int32_t* count);

// Calls `visit` with each child of a group, first to last.
template <typename Visit>
void ForEachChildArt(ArtHandle group, Visit visit) {
  ArtHandle child = nullptr;
  if (sAIArt->GetArtFirstChild(group, &child) != kNoErr) return;
  while (child != nullptr) {
    visit(child);
    if (sAIArt->GetArtSibling(child, &child) != kNoErr) break;
  }
}
