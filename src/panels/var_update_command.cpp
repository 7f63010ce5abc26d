#include "panels/var_update_command.h"

#include <cstdlib>
#include <cstring>

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "engine/preview_builder.h"
#include "engine/preview_refresh.h"
#include "engine/titled_pieces.h"
#include "engine/update_grading.h"
#include "engine/update_grading_state.h"
#include "panels/var_piece_tags.h"
#include "store/grading_group_tags.h"
#include "store/module_layers.h"
#include "store/piece_queries.h"
#include "store/tag_mirror.h"
#include "store/variable_rows.h"
#include "text/undo_texts.h"

namespace {

// The titled arts of the document, for one pass over every piece after
// another. Replaced pieces are gone after a pass, so a pass that replaces them
// finds the titled arts anew; passes that leave them, and the copies they
// write carry no titles, keep the list.
class DocumentPieces {
 public:
  DocumentPieces() = default;
  DocumentPieces(const DocumentPieces&) = delete;
  DocumentPieces& operator=(const DocumentPieces&) = delete;
  ~DocumentPieces() { std::free(arts_); }

  void Regrade() {
    if (!found_ || gPlugin->updateGrading.renewal_leave == 0) {
      std::free(arts_);
      arts_ = nullptr;
      count_ = 0;
      CollectDocumentTitledArts(&arts_, &count_);
      found_ = true;
    }
    RegradePiecesUsingVariables(arts_, count_);
  }

 private:
  ArtHandle* arts_ = nullptr;
  int32_t count_ = 0;
  bool found_ = false;
};

}  // namespace

void RegradePiecesUsingVariables(ArtHandle* arts, int32_t count) {
  ForEachTitledPiece(arts, count, [](ArtHandle titled) {
    PluginGlobals& g = *gPlugin;
    LoadGradingGroup(g.pieceArts, g.pieceArtCount);
    // The preview layer goes when the command ends: no one sees the marks.
    BuildGradedCopies(0);
    WriteGradedCopies(GradedOutputDestination(titled), titled);
  });
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
  VariableTableCopy saved{};
  const bool setAside = SetVariableTableAside(g.variables, &saved);
  const UpdateGradingSettings& options = g.updateGrading;
  // Every piece's tags are written afresh once; each preset then loads the
  // pieces from them, as it writes every one.
  LoadPieceFromSelection(0);
  DocumentPieces pieces;
  if (options.renewal_mode == 0) {
    pieces.Regrade();
  } else {
    const int16_t slot = g.currentPresetSlot;
    ScalePair scales[kMaxPresets];
    std::memcpy(scales, g.presetScale, sizeof scales);
    ForEachOutputPreset(options.renewal_mode, slot, [&] { pieces.Regrade(); });
    MakePresetCurrent(slot);
    LoadPieceFromSelection(0);
    std::memcpy(g.presetScale, scales, sizeof scales);
  }
  if (setAside) PutVariableTableBack(g.variables, saved);
  FreeVariableTableCopy(&saved);
  DeletePreviewLayer();
  if (options.renewal_mode == 0 && options.renewal_leave == 0 && sAINotifier != nullptr)
    sAINotifier->Notify(kUpdateGradingNotification, nullptr);
  SetLocalizedUndoRedoText(kUndoUpdate);
}
