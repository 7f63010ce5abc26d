// Removing the plug-in's tags from the current piece.
#include <algorithm>

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "engine/preview_builder.h"
#include "panels/grading_preview_refresh.h"
#include "panels/inf_flyout_internal.h"
#include "store/art_tags.h"
#include "store/grading_group_tags.h"
#include "store/piece_queries.h"
#include "text/localize.h"
#include "text/undo_texts.h"

namespace {

constexpr int kConfirmDeleteTags = 43;

void RemoveGradingTags(ArtHandle art) {
  RemoveTagsWithPrefix(art, kGradingTagPrefix);
  sAITag->RemoveTag(art, kSimpleGradingObjectTypeKey);
}

}  // namespace

void DeleteObjectTags() {
  PluginGlobals& g = *gPlugin;
  char question[512];
  LocalizeUiString(g.pluginRef, kLocalizedTexts[kConfirmDeleteTags].japanese, question, sizeof question);
  if (!ConfirmInfCommand(question)) return;
  SetLocalizedUndoRedoText(kUndoDeleteTags);
  if (sAITag != nullptr && g.pieceArtCount > 0) {
    ArtHandle* const end = g.pieceArts + g.pieceArtCount;
    for (ArtHandle* art = g.pieceArts; art != end; ++art) RemoveGradingTags(*art);
    // The handles and settings live on the group above the member paths;
    // left there, they would come back with the next load.
    ArtHandle base = FindGroupBaseArt(g.pieceArts, g.pieceArtCount);
    if (base != nullptr && std::find(g.pieceArts, end, base) == end) RemoveGradingTags(base);
  }
  RefreshGradingPreview(0);
  BuildGradingPreview(0, 0);
}
