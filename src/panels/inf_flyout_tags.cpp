// Removing the plug-in's tags from the current piece.
#include <algorithm>
#include <cstring>
#include <string>

#include "engine/preview_builder.h"
#include "engine/preview_refresh.h"
#include "panels/inf_flyout_internal.h"
#include "shell/localize.h"
#include "shell/plugin_globals.h"
#include "shell/suite_pointers.h"
#include "store/grading_group_tags.h"
#include "store/piece_queries.h"
#include "tools/revision_tool_handlers.h"

namespace {

constexpr int kUndoDeleteTags = 21;  // its redo text follows
constexpr int kConfirmDeleteTags = 43;

bool IsGradingTag(const char* name, const char* type) {
  return name != nullptr && name[0] != '\0' && std::strncmp(name, kGradingTagPrefix, 12) == 0 &&
         type != nullptr && std::strcmp(type, "string") == 0;
}

void RemoveGradingTags(ArtHandle art) {
  int32_t count = 0;
  if (sAITag->CountTags(art, &count) != kNoErr) return;
  for (int32_t n = count - 1; n >= 0; --n) {
    const char* name = nullptr;
    const char* type = nullptr;
    if (sAITag->GetNthTag(art, n, &name, &type) != kNoErr || !IsGradingTag(name, type)) continue;
    const std::string doomed(name);  // the host's copy of the name goes with the tag
    sAITag->RemoveTag(art, doomed.c_str());
  }
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
    for (int32_t i = 0; i < g.pieceArtCount; ++i) RemoveGradingTags(g.pieceArts[i]);
    // The handles and settings live on the group above the member paths;
    // left there, they would come back with the next load.
    ArtHandle base = FindGroupBaseArt(g.pieceArts, g.pieceArtCount);
    if (base != nullptr &&
        std::find(g.pieceArts, g.pieceArts + g.pieceArtCount, base) == g.pieceArts + g.pieceArtCount)
      RemoveGradingTags(base);
  }
  RefreshGradingPreview(0);
  BuildGradingPreview(0, 0);
}
