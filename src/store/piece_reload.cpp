#include <cstdlib>

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "store/art_tags.h"
#include "store/grading_group_tags.h"
#include "store/module_layers.h"
#include "store/piece_queries.h"
#include "store/tag_mirror.h"
#include "text/layer_title.h"

namespace {

void RewritePiece(PluginGlobals* g, ArtHandle titled, int16_t selectedOnly) {
  const auto serial = static_cast<uint32_t>(ReadTagInteger(titled, kGradingSerialKey, 0));
  if (serial == 0) return;
  ArtHandle* members = nullptr;
  int32_t memberCount = 0;
  CollectMembersOfTitledArt(titled, serial, &members, &memberCount, selectedOnly);
  if (memberCount == 0) return;

  ArtHandle* savedPiece = g->pieceArts;
  const int32_t savedPieceCount = g->pieceArtCount;
  ArtHandle* savedPreview = g->previewArts;
  const int32_t savedPreviewCount = g->previewArtCount;
  g->pieceArts = members;
  g->pieceArtCount = memberCount;
  g->previewArts = static_cast<ArtHandle*>(calloc(memberCount + 1, sizeof(ArtHandle)));
  g->previewArtCount = 0;
  // A piece whose group could not be read is left as it is, never written
  // back empty.
  if (LoadGradingGroup(members, memberCount) != 0) SaveGradingGroup(members, memberCount, 0);
  free(g->pieceArts);
  free(g->previewArts);
  g->pieceArts = savedPiece;
  g->pieceArtCount = savedPieceCount;
  g->previewArts = savedPreview;
  g->previewArtCount = savedPreviewCount;
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
  for (int32_t i = titledCount - 1; i >= 0; --i) RewritePiece(g, titled[i], selectedOnly);
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
