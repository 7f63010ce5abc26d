#include "engine/update_grading_selection.h"

#include <cstdlib>

#include "common/suite_pointers.h"
#include "engine/update_grading_state.h"
#include "store/art_tags.h"
#include "store/module_layers.h"
#include "store/piece_queries.h"

namespace {

int IsRemembered(ArtHandle art) {
  for (int32_t i = 0; i < gUpdateDialog.selectedCount; ++i)
    if (gUpdateDialog.selectedArts[i] == art) return 1;
  return 0;
}

int IsEntered(ArtHandle art) {
  int16_t type = kUnknownArt;
  return sAIArt->GetArtType(art, &type) == kNoErr && IsEnteredArt(type);
}

}  // namespace

void RememberSelectedArtsInArt(ArtHandle art) {
  if (IsEntered(art)) ForEachChildArt(art, RememberSelectedArtsInArt);
  if (GetArtSelected(art)) AppendArt(art, &gUpdateDialog.selectedArts, &gUpdateDialog.selectedCount);
}

void RestoreSelectedArtsInArt(ArtHandle art) {
  SetArtSelected(art, IsRemembered(art));
  if (IsEntered(art)) ForEachChildArt(art, RestoreSelectedArtsInArt);
}

void RememberSelectedArts() {
  if (!HasDocumentView()) return;
  std::free(gUpdateDialog.selectedArts);
  gUpdateDialog.selectedArts = nullptr;
  gUpdateDialog.selectedCount = 0;
  ForEachSearchedLayer(RememberSelectedArtsInArt);
}

void RestoreSelectedArts() {
  if (HasDocumentView()) ForEachSearchedLayer(RestoreSelectedArtsInArt);
  std::free(gUpdateDialog.selectedArts);
  gUpdateDialog.selectedArts = nullptr;
  gUpdateDialog.selectedCount = 0;
}
