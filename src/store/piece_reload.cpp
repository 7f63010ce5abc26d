#include <cstdlib>

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "store/grading_group_tags.h"
#include "store/module_layers.h"
#include "store/piece_queries.h"
#include "store/tag_mirror.h"
#include "text/layer_title.h"

namespace {

// A piece whose group could not be read is left as it is, never written back
// empty.
void RewritePiece(ArtHandle titled, int16_t selectedOnly) {
  ArtHandle* members = nullptr;
  int32_t memberCount = 0;
  if (!CollectTitledPieceMembers(titled, selectedOnly, &members, &memberCount)) return;
  if (LoadGradingGroup(members, memberCount) != 0) SaveGradingGroup(members, memberCount, 0);
  free(members);
}

}  // namespace

void LoadPieceFromSelection(int16_t selectedOnly) {
  PluginGlobals* g = gPlugin;
  if (g == nullptr || !HasDocumentView() || sAILayer == nullptr || sAIArt == nullptr) return;
  const KeptTagsScope oneRead;
  ArtHandle* titled = nullptr;
  int32_t titledCount = 0;
  ForEachSearchedLayer([&](ArtHandle first) { CollectTitledArt(first, &titled, &titledCount); });

  const LayerHandle savedPreviewLayer = g->previewLayer;
  g->previewLayer = FindOrMakeModuleLayer(ModuleLayer::Simulate);
  for (int32_t i = titledCount - 1; i >= 0; --i) RewritePiece(titled[i], selectedOnly);
  free(titled);
  if (g->previewLayer != nullptr) sAILayer->DeleteLayer(g->previewLayer);
  g->previewLayer = savedPreviewLayer;
  // Without a current piece the group of the last piece rewritten must not
  // stay in memory as if it were current.
  if (g->pieceArtCount != 0) {
    LoadGradingGroup(g->pieceArts, g->pieceArtCount);
  } else {
    LoadGradingGroup(nullptr, 0);
  }
}
