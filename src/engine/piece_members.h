// The member paths of the current piece (pieceArts) as the user sees them
// named: by a letter each, and a point handle by its path's letter and its
// anchor's number.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host_types.h"

// A piece is current: pieceArts holds at least one path.
bool HasCurrentPiece();

// Index of art in pieceArts, or -1 (also for a null art).
int32_t PieceMemberIndex(ArtHandle art);

// 'A'-'Z' for 0..25, 'a'-'z' for 26..51, '-' for anything else (handle names "%c-%d").
char HandleIndexToLetter(int32_t index);

// "A-3": the letter of the point's path among the members (A when it is
// none) and the anchor's number, the name of a point handle that has none.
void FormatPointHandleName(ArtHandle art, int32_t anchorIndex, char* out, size_t outSize);
