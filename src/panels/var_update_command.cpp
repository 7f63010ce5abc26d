#include "panels/var_update_command.h"

#include <cstdlib>
#include <cstring>

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "engine/preview_builder.h"
#include "engine/preview_refresh.h"
#include "engine/update_grading.h"
#include "engine/update_grading_state.h"
#include "panels/var_piece_tags.h"
#include "store/art_tags.h"
#include "store/grading_group_tags.h"
#include "store/module_layers.h"
#include "store/piece_queries.h"
#include "store/tag_mirror.h"
#include "text/undo_texts.h"

namespace {

struct SavedVariables {
  char (*values)[kVarValueSize];
  char (*names)[kVarNameSize];
  char (*titles)[kVarNameSize];
  uint32_t* isPrivate;
};

SavedVariables CopyVariablesAside(const VariableTable& t) {
  SavedVariables saved{};
  saved.values = static_cast<char(*)[kVarValueSize]>(std::malloc(sizeof t.varValues[0] * kMaxVariables));
  saved.names = static_cast<char(*)[kVarNameSize]>(std::malloc(sizeof t.varNames[0] * kMaxVariables));
  saved.titles = static_cast<char(*)[kVarNameSize]>(std::malloc(sizeof t.varTitles[0] * kMaxVariables));
  saved.isPrivate = static_cast<uint32_t*>(std::malloc(sizeof t.varPrivate[0] * kMaxVariables));
  if (saved.values != nullptr) std::memcpy(saved.values, t.varValues, sizeof t.varValues[0] * kMaxVariables);
  if (saved.names != nullptr) std::memcpy(saved.names, t.varNames, sizeof t.varNames[0] * kMaxVariables);
  if (saved.titles != nullptr) std::memcpy(saved.titles, t.varTitles, sizeof t.varTitles[0] * kMaxVariables);
  if (saved.isPrivate != nullptr)
    std::memcpy(saved.isPrivate, t.varPrivate, sizeof t.varPrivate[0] * kMaxVariables);
  return saved;
}

void PutVariablesBack(VariableTable& t, SavedVariables& saved) {
  if (saved.values != nullptr) std::memcpy(t.varValues, saved.values, sizeof t.varValues[0] * kMaxVariables);
  if (saved.names != nullptr) std::memcpy(t.varNames, saved.names, sizeof t.varNames[0] * kMaxVariables);
  if (saved.titles != nullptr) std::memcpy(t.varTitles, saved.titles, sizeof t.varTitles[0] * kMaxVariables);
  if (saved.isPrivate != nullptr)
    std::memcpy(t.varPrivate, saved.isPrivate, sizeof t.varPrivate[0] * kMaxVariables);
  std::free(saved.values);
  std::free(saved.names);
  std::free(saved.titles);
  std::free(saved.isPrivate);
  saved = SavedVariables{};
}

void RegradeOnePiece(ArtHandle titled) {
  PluginGlobals& g = *gPlugin;
  if (ReadStringTag(titled, kGradingSerialKey) == nullptr) return;
  const auto serial = static_cast<uint32_t>(ReadTagInteger(titled, kGradingSerialKey, 0));
  if (serial == 0) return;
  ArtHandle* members = nullptr;
  int32_t memberCount = 0;
  CollectMembersOfTitledArt(titled, serial, &members, &memberCount, 0);
  if (memberCount == 0) {
    std::free(members);
    return;
  }
  // The current piece's lists are set aside, not dropped.
  ArtHandle* savedPiece = g.pieceArts;
  const int32_t savedPieceCount = g.pieceArtCount;
  ArtHandle* savedPreview = g.previewArts;
  const int32_t savedPreviewCount = g.previewArtCount;
  g.pieceArts = members;
  g.pieceArtCount = memberCount;
  g.previewArts = static_cast<ArtHandle*>(std::calloc(memberCount + 1, sizeof(ArtHandle)));
  g.previewArtCount = 0;
  LoadGradingGroup(g.pieceArts, g.pieceArtCount);
  BuildGradingPreview(0, 0);
  WriteGradedCopies(GradedOutputDestination(titled), titled);
  std::free(g.pieceArts);
  std::free(g.previewArts);
  g.pieceArts = savedPiece;
  g.pieceArtCount = savedPieceCount;
  g.previewArts = savedPreview;
  g.previewArtCount = savedPreviewCount;
}

// Replaced pieces are gone after a pass, so each pass finds the titled arts anew.
void RegradeDocumentPieces() {
  ArtHandle* arts = nullptr;
  int32_t count = 0;
  CollectDocumentTitledArts(&arts, &count);
  RegradePiecesUsingVariables(arts, count);
  std::free(arts);
}

}  // namespace

void RegradePiecesUsingVariables(ArtHandle* arts, int32_t count) {
  LoadPieceFromSelection(0);
  for (int32_t i = count - 1; i >= 0; --i)
    if (arts != nullptr && arts[i] != nullptr) RegradeOnePiece(arts[i]);
}

void RunVarUpdateCommand() {
  PluginGlobals& g = *gPlugin;
  if (ShowUpdateGradingDialog(g.pluginRef) != 1) {
    if (sAIUndo != nullptr) sAIUndo->SetSilent(1);
    return;
  }
  // Every preset reloads and saves the same pieces: their tags are read once.
  const KeptTagsScope oneRead;
  if (sAILayer == nullptr || sAIArt == nullptr) return;
  g.previewLayer = FindOrMakeModuleLayer(ModuleLayer::Preview);
  SavedVariables saved = CopyVariablesAside(g.variables);
  const UpdateGradingSettings& options = g.updateGrading;
  if (options.renewal_mode == 0) {
    RegradeDocumentPieces();
  } else {
    const int16_t slot = g.currentPresetSlot;
    ScalePair scales[kMaxPresets];
    std::memcpy(scales, g.presetScale, sizeof scales);
    ForEachOutputPreset(options.renewal_mode, slot, [] { RegradeDocumentPieces(); });
    MakePresetCurrent(slot);
    LoadPieceFromSelection(0);
    std::memcpy(g.presetScale, scales, sizeof scales);
  }
  PutVariablesBack(g.variables, saved);
  DeletePreviewLayer();
  if (options.renewal_mode == 0 && options.renewal_leave == 0 && sAINotifier != nullptr)
    sAINotifier->Notify(kUpdateGradingNotification, nullptr);
  SetLocalizedUndoRedoText(kUndoUpdate);
}
