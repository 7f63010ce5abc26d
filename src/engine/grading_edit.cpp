#include "engine/grading_edit.h"

#include "common/plugin_globals.h"
#include "engine/preview_builder.h"
#include "store/grading_group_tags.h"
#include "text/undo_texts.h"

void StoreGradingEdit() {
  PluginGlobals& g = *gPlugin;
  BuildGradingPreview(1, 0);
  SaveGradingGroup(g.pieceArts, g.pieceArtCount, 1);
}

void StoreAfterEdit(int undoTextIndex) {
  SetLocalizedUndoRedoText(undoTextIndex);
  StoreGradingEdit();
}
