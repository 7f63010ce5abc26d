// Grading each titled piece of the document in turn, as Update grading and the
// Variable panel's Update do without a current piece of their own.
#pragma once

#include <cstdint>

#include "host_types.h"

// The current piece's lists, held aside while another piece stands in them.
struct PieceListsAside {
  ArtHandle* pieceArts;
  int32_t pieceArtCount;
  ArtHandle* previewArts;
  int32_t previewArtCount;
};

// The members of the titled art become the current piece, with an empty
// preview list of their size; the lists they replace go into `aside`. False,
// with nothing changed, when the art carries no serial or has no members.
bool EnterTitledPiece(ArtHandle titled, PieceListsAside* aside);
// Frees the titled piece's lists and puts the ones set aside back.
void LeaveTitledPiece(const PieceListsAside& aside);

// Calls visit(titled) with each titled art of the list, from the last to the
// first, made the current piece for the call.
template <typename Visit>
void ForEachTitledPiece(ArtHandle* titled, int32_t count, Visit visit) {
  if (titled == nullptr) return;
  for (int32_t i = count - 1; i >= 0; --i) {
    PieceListsAside aside;
    if (!EnterTitledPiece(titled[i], &aside)) continue;
    visit(titled[i]);
    LeaveTitledPiece(aside);
  }
}
