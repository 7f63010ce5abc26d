#include <algorithm>
#include <cstdlib>
#include <vector>

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "store/art_tags.h"
#include "store/grading_group_tags.h"
#include "store/module_layers.h"
#include "store/piece_queries.h"
#include "store/tag_mirror.h"
#include "store/text_fields.h"
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

// Reloads and saves the titled pieces that `chosen` takes, the last collected
// first, then reloads the current piece.
template <typename Chosen>
void ReloadPieces(int16_t selectedOnly, Chosen chosen) {
  PluginGlobals* g = gPlugin;
  if (g == nullptr || !HasDocumentView() || sAILayer == nullptr || sAIArt == nullptr) return;
  const KeptTagsScope oneRead;
  ArtHandle* titled = nullptr;
  int32_t titledCount = 0;
  ForEachSearchedLayer([&](ArtHandle first) { CollectTitledArt(first, &titled, &titledCount); });

  const LayerHandle savedPreviewLayer = g->previewLayer;
  g->previewLayer = FindOrMakeModuleLayer(ModuleLayer::Simulate);
  for (int32_t i = titledCount - 1; i >= 0; --i)
    if (chosen(titled[i])) RewritePiece(titled[i], selectedOnly);
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

uint32_t SerialOf(const char* text) { return text != nullptr ? static_cast<uint32_t>(TextToInteger(text)) : 0; }

// The serials of the pieces the current piece's paths are members of: a path
// with a serial of its own is its own piece.
std::vector<uint32_t> CurrentPieceSerials(const PluginGlobals& g) {
  std::vector<uint32_t> serials;
  for (int32_t i = 0; i < g.pieceArtCount && g.pieceArts != nullptr; ++i) {
    const char* own = ReadStringTag(g.pieceArts[i], kGradingSerialKey);
    const uint32_t serial = SerialOf(own != nullptr ? own : ReadStringTag(g.pieceArts[i], kGradingMemberKey));
    if (serial != 0) serials.push_back(serial);
  }
  std::sort(serials.begin(), serials.end());
  return serials;
}

}  // namespace

void LoadPieceFromSelection(int16_t selectedOnly) {
  ReloadPieces(selectedOnly, [](ArtHandle) { return true; });
}

void ReloadCurrentPiece() {
  if (gPlugin == nullptr) return;
  const std::vector<uint32_t> serials = CurrentPieceSerials(*gPlugin);
  ReloadPieces(0, [&](ArtHandle titled) {
    return std::binary_search(serials.begin(), serials.end(), SerialOf(ReadStringTag(titled, kGradingSerialKey)));
  });
}
