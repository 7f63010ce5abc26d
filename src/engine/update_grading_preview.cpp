// The dialog's live preview: graded copies of every preset that takes part,
// gathered in one group on the target layer.
#include <cstdlib>
#include <cstring>

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "engine/preview_builder.h"
#include "engine/selection_gathering.h"
#include "engine/titled_pieces.h"
#include "engine/update_grading.h"
#include "engine/update_grading_state.h"
#include "store/art_tags.h"
#include "store/grading_group_tags.h"
#include "store/module_layers.h"
#include "store/piece_queries.h"
#include "store/tag_mirror.h"
#include "win_api.h"

UpdateDialogState gUpdateDialog = {};

namespace {

void SetPreviewLayerVisible(int visible) {
  if (gPlugin->previewLayer != nullptr) sAILayer->SetLayerVisible(gPlugin->previewLayer, visible);
}

// Builds the preview for the current preset and duplicates its copies of the
// members into the dialog's group. The preview layer is hidden again at once:
// the marks are drawn only for a build that is on show once the dialog closes.
void PreviewPieceIntoGroup(PluginGlobals& g, bool shown) {
  SetPreviewLayerVisible(1);
  if (shown) {
    BuildGradingPreview(0, 0);
  } else {
    BuildGradedCopies(0);
  }
  SetPreviewLayerVisible(0);
  if (g.pieceArts == nullptr || g.previewArts == nullptr) return;
  const int32_t members = g.pieceArtCount < g.previewArtCount ? g.pieceArtCount : g.previewArtCount;
  for (int32_t i = 0; i < members; ++i) {
    if (g.pieceArts[i] == nullptr || g.previewArts[i] == nullptr) continue;
    ArtHandle copy = nullptr;
    if (sAIArt->DuplicateArt(g.previewArts[i], kPlaceInsideOnTop, gUpdateDialog.previewGroup, &copy) ==
            kNoErr &&
        copy != nullptr)
      SetArtSelected(copy, 0);
  }
}

// The preview layer shows the last preset previewed when the dialog closes
// on the preset it opened on; any other is built anew then.
void PreviewCurrentPiece(PluginGlobals& g) {
  std::memcpy(g.presetScale, g.groupPresetScale, sizeof g.presetScale);
  const int16_t mode = g.updateGrading.renewal_mode;
  const int16_t saved = gUpdateDialog.savedPresetSlot;
  const int16_t last = LastOutputPreset(mode, saved);
  ForEachOutputPreset(mode, saved, [&] {
    ReloadCurrentPiece();
    PreviewPieceIntoGroup(g, g.currentPresetSlot == last && last == saved);
  });
}

void PreviewTitledPieces(PluginGlobals& g) {
  ArtHandle* titled = nullptr;
  int32_t titledCount = 0;
  ForEachSearchedLayer([&](ArtHandle first) { CollectTitledArt(first, &titled, &titledCount); });
  const int16_t mode = g.updateGrading.renewal_mode;
  if (mode == 0) {
    AddPiecesToUpdatePreview(titled, titledCount);
  } else {
    const int16_t slot = g.currentPresetSlot;
    const int16_t scaleIndex = g.currentScaleIndex;
    ScalePair scales[kMaxPresets];
    std::memcpy(scales, g.presetScale, sizeof scales);
    ForEachOutputPreset(mode, slot, [&] { AddPiecesToUpdatePreview(titled, titledCount); });
    g.currentPresetSlot = slot;
    g.currentScaleIndex = scaleIndex;
    std::memcpy(g.presetScale, scales, sizeof scales);
  }
  std::free(titled);
}

}  // namespace

int PresetTakesPart(int32_t slot, int16_t mode, int32_t currentSlot) {
  if (gPlugin == nullptr || slot < 0 || slot >= kMaxPresets) return 0;
  const PresetRecord& preset = gPlugin->presets[slot];
  if (preset.empty != 0 || preset.enabled == 0) return 0;
  if (mode == 1) return 1;
  if (mode == 2) return preset.output != 0;
  return slot == currentSlot;
}

int16_t LastOutputPreset(int16_t mode, int32_t currentSlot) {
  int16_t last = -1;
  for (int16_t slot = 0; slot < kMaxPresets && gPlugin->presets[slot].empty == 0; ++slot)
    if (PresetTakesPart(slot, mode, currentSlot)) last = slot;
  return last;
}

void MakePresetCurrent(int16_t slot) {
  gPlugin->currentPresetSlot = slot;
  if (slot >= 0 && slot < kMaxPresets)
    gPlugin->currentScaleIndex = static_cast<int16_t>(gPlugin->presets[slot].scaleIndex);
}

void UpdatePreviewForPresets() {
  PluginGlobals* g = gPlugin;
  if (g == nullptr || sAIArt == nullptr || sAILayer == nullptr) return;
  const KeptTagsScope oneRead;
  SetCursor(LoadCursor(nullptr, IDC_WAIT));
  if (gUpdateDialog.previewGroup != nullptr) sAIArt->DisposeArt(gUpdateDialog.previewGroup);
  gUpdateDialog.previewGroup = nullptr;
  if (g->updateGrading.renewal_preview != 0) {
    ArtHandle root = GetFirstArtOfLayer(gUpdateDialog.targetLayer);
    ArtHandle group = nullptr;
    if (root != nullptr && sAIArt->NewArt(kGroupArt, kPlaceInsideOnTop, root, &group) == kNoErr &&
        group != nullptr) {
      gUpdateDialog.previewGroup = group;
      if (g->varTitlesValid == 0) {
        PreviewCurrentPiece(*g);
      } else {
        PreviewTitledPieces(*g);
      }
    }
  }
  if (sAIDocument != nullptr) sAIDocument->RedrawDocument();
}

void AddPiecesToUpdatePreview(ArtHandle* arts, int32_t count) {
  PluginGlobals& g = *gPlugin;
  LoadPieceFromSelection(0);
  bool previewed = false;
  ForEachTitledPiece(arts, count, [&](ArtHandle) {
    previewed = true;
    LoadGradingGroup(g.pieceArts, g.pieceArtCount);
    PreviewPieceIntoGroup(g, false);
  });
  // The dialog gives the current piece up for the titled pieces it previews.
  if (previewed) FreePieceLists();
}
