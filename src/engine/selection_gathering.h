// The current piece gathered from the selection: the member paths of every
// layer but the preview layers, and their united bounds.
#pragma once

#include <cstdint>

#include "host_types.h"
#include "store/piece_queries.h"

// Selected paths only; with a rectangle, those overlapping it.
constexpr int16_t kGatherSelected = -1;
// Every path overlapping one rectangle, selected or not.
constexpr int16_t kGatherOverlapping = -2;

// Replaces pieceArts by the paths the mode keeps. `reference` is null, one
// rectangle or three, as the mode wants.
void GatherSelectedPaths(int16_t mode, const RealRect* reference);
// Replaces pieceArts by every path of one piece, selected or not.
void GatherPiecePaths(ArtHandle piece);

// Appends the kept paths at and below `art` to the heap list.
void GatherSelectedPathsInArt(ArtHandle art, ArtHandle** list, int32_t* count, int16_t mode,
                              const RealRect* reference);

// Frees pieceArts and previewArts, leaving null lists and zero counts.
void FreePieceLists();
