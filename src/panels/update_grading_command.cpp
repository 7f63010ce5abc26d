#include "panels/update_grading_command.h"

#include <cstring>

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "engine/preview_builder.h"
#include "engine/update_grading.h"
#include "engine/update_grading_state.h"
#include "panels/grading_preview_refresh.h"
#include "panels/var_update_command.h"
#include "store/piece_queries.h"
#include "store/tag_mirror.h"
#include "text/undo_texts.h"
#include "win_api.h"

void RunUpdateGradingCommand() {
  PluginGlobals& g = *gPlugin;
  if (g.pieceArtCount == 0) {
    MessageBeep(MB_BEEP_DEFAULT);
    return;
  }
  // Without a revision tool the dialog previews, and gives up the current
  // piece for, every titled piece: those are what OK must write.
  if (g.varTitlesValid != 0) {
    RunVarUpdateCommand();
    return;
  }
  if (ShowUpdateGradingDialog(g.pluginRef) != 1) {
    if (sAIUndo != nullptr) sAIUndo->SetSilent(1);
    return;
  }
  // Every preset reloads and saves the same pieces: their tags are read once.
  const KeptTagsScope oneRead;
  const UpdateGradingSettings& options = g.updateGrading;
  if (options.renewal_mode == 0) {
    WriteGradedOutput(0);
    if (options.renewal_leave == 0) {
      RefreshGradingPreview(0);
      BuildGradingPreview(0, 0);
    }
  } else {
    const int16_t slot = g.currentPresetSlot;
    ScalePair scales[kMaxPresets];
    std::memcpy(scales, g.presetScale, sizeof scales);
    std::memcpy(g.presetScale, g.groupPresetScale, sizeof g.presetScale);
    // Only the piece written is reloaded for each preset. The preview of the
    // last one stays on show when it is the preset the user had; any other
    // preset's is drawn for its copies alone.
    const int16_t last = LastOutputPreset(options.renewal_mode, slot);
    ForEachOutputPreset(options.renewal_mode, slot, [&] {
      ReloadCurrentPiece();
      WriteGradedOutput(1, g.currentPresetSlot == last && last == slot);
    });
    std::memcpy(g.presetScale, scales, sizeof scales);
    if (g.currentPresetSlot != slot) {
      MakePresetCurrent(slot);
      ReloadCurrentPiece();
      BuildGradingPreview(0, 0);
    }
  }
  if (options.renewal_mode == 0 && options.renewal_leave == 0 && sAINotifier != nullptr)
    sAINotifier->Notify(kUpdateGradingNotification, nullptr);
  SetLocalizedUndoRedoText(kUndoUpdate);
}
